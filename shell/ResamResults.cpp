// The frequency unit and spectrum view commands, the spectrum tab's range when it is shown,
// and the frequency axis captions.
#include <QAction>
#include <QTabWidget>
#include <QToolButton>

#include "platform/CoreServices.h"
#include "plotting/Diagram.h"
#include "plotting/DiagramFrameUnit.h"
#include "resources/FormulaPictures.h"
#include "shell/ResamUnit.h"

namespace {
constexpr int SpectrumPage = 1;
// Beside a caption picture the axis name is a single space, so that no text covers it.
const QString BlankAxisName = QStringLiteral(" ");
}  // namespace

void TResamForm::ShowFrequencyCaptions() {
  // At the diagram picture's own pixel ratio, so that the captions are as sharp as the
  // diagram; again should that ratio have changed (another screen).
  TDiagram& d = *DFAS->Diagram;
  const qreal ratio = d.PictureRatio();
  const auto render = [ratio](QImage& image, const QString& name) {
    if (image.isNull() || image.devicePixelRatio() != ratio) image = RenderFormulaPicture(name, 1.0, ratio);
  };
  render(Image1, QStringLiteral("ResamImage1"));
  render(Image2, QStringLiteral("ResamImage2"));
  render(Image4, QStringLiteral("ResamImage4"));
  const bool circular = Engine.ShownUnit() == TFrequencyUnit::Circular;
  d.SetBitmapY(circular ? &Image1 : &Image4);
  d.SetBitmapX(circular ? &Image2 : nullptr);
  d.SetNameY(BlankAxisName);
  d.SetNameX(circular ? BlankAxisName : tr("f,Гц"));
  NameFrequencyColumns();
}

namespace {
void ChooseFrequencyUnit(TResamForm& form, TFrequencyUnit unit) {
  (unit == TFrequencyUnit::Circular ? form.N17 : form.N18)->setChecked(true);
  if (form.Engine.ShownUnit() == unit) return;
  TWaitCursor wait;
  TResamEngine::TChanges changes = form.Engine.SetFrequencyUnit(unit);
  form.ShowFrequencyCaptions();
  if (unit == TFrequencyUnit::Cyclic || form.PageControl1->currentIndex() == SpectrumPage)
    changes |= form.Engine.SetSpectrumRange();
  form.Show(changes);
}

void ChooseSpectrumView(TResamForm& form, TSpectrumView view, QAction* item, QToolButton* button) {
  item->setChecked(true);
  button->setChecked(true);
  if (form.Engine.ShownView() == view) return;
  TWaitCursor wait;
  form.Show(form.Engine.SetSpectrumView(view));
}
}  // namespace

void TResamForm::N17Click() { ChooseFrequencyUnit(*this, TFrequencyUnit::Circular); }
void TResamForm::N18Click() { ChooseFrequencyUnit(*this, TFrequencyUnit::Cyclic); }

void TResamForm::N27Click() { ChooseSpectrumView(*this, TSpectrumView::SignalBand, N27, SpeedButton6); }
void TResamForm::N20Click() { ChooseSpectrumView(*this, TSpectrumView::OnePeriod, N20, SpeedButton7); }
void TResamForm::N21Click() { ChooseSpectrumView(*this, TSpectrumView::TwoPeriods, N21, SpeedButton8); }
void TResamForm::N22Click() { ChooseSpectrumView(*this, TSpectrumView::FourPeriods, N22, SpeedButton9); }

void TResamForm::PageControl1Change(int index) {
  if (index != SpectrumPage || !Engine.SignalGiven()) return;
  TWaitCursor wait;
  Show(Engine.SetSpectrumRange());
}
