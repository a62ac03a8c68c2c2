// The filter before the sampler as the main window shows it: its item and window, the
// filtered signal beside the original (thin and dashed), |H| on the spectrum diagram and the
// panel's line.
#include <QAction>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <algorithm>

#include "numerics/Keeper.h"
#include "platform/CoreServices.h"
#include "plotting/Diagram.h"
#include "plotting/DiagramFrameUnit.h"
#include "shell/ResamUnit.h"
#include "studies/PreFilterUnit.h"
#include "widgets/Comfun.h"
#include "widgets/TranslatedTexts.h"

namespace {
// Dark green, apart from the red signal, the blue curve, the black samples and the orange twin.
constexpr int FilteredColour = 0x008000;
constexpr int ResponseColour = 0x008000;
// Under the two lines of the noise and quantisation, inside the panel as designed.
constexpr int FilterLabelLeft = 665, FilterLabelTop = 119;
constexpr int FilterLabelMinLeft = 310, FilterLabelMargin = 8;
constexpr int CutoffDecimals = 2;

QString TableOnly() {
  return QCoreApplication::translate(TResamForm::TextContext,
                                     QT_TRANSLATE_NOOP("TResamForm", "Для табличного сигнала фильтр не применяется"));
}

QString KindName(const TPreFilter& f) {
  switch (f.Kind) {
    case TFilterKind::Ideal:
      return QCoreApplication::translate(TResamForm::TextContext, QT_TRANSLATE_NOOP("TResamForm", "идеальный ФНЧ"));
    case TFilterKind::Butterworth:
      return QCoreApplication::translate(TResamForm::TextContext,
                                         QT_TRANSLATE_NOOP("TResamForm", "Баттерворта, порядок %1"))
          .arg(f.Order);
    case TFilterKind::RC:
      return QCoreApplication::translate(TResamForm::TextContext, QT_TRANSLATE_NOOP("TResamForm", "RC-цепь"));
    case TFilterKind::None:
      break;
  }
  return QString();
}
}  // namespace

void TResamForm::BuildFilterItem() {
  FilterItem = AddTranslatedItem(ResearchMenu, TextContext, QT_TR_NOOP("Фильтр перед дискретизацией..."));
  connect(FilterItem, &QAction::triggered, this, &TResamForm::FilterClick);
}

void TResamForm::BuildFilterLabel() {
  LabelFilter = new QLabel(GroupBox1);
  LabelFilter->move(FilterLabelLeft, FilterLabelTop);
  LabelFilter->hide();
}

// The window shows what the engine applies now; what is typed and not applied is forgotten.
void TResamForm::FilterClick() {
  if (!FilterForm) {
    FilterForm = new TPreFilterForm(this);
    connect(FilterForm, &TPreFilterForm::Apply, this, &TResamForm::ApplyFilter);
  }
  FilterForm->SetSettings(Engine.PreFilter(), Engine.MaxCutoff());
  FilterForm->ShowRefused(Engine.FilterRefused());
  FilterForm->exec();
}

void TResamForm::ApplyFilter(const TPreFilter& settings) {
  TWaitCursor wait;
  Show(Engine.SetPreFilter(settings));
  FilterForm->ShowRefused(Engine.FilterRefused());
}

void TResamForm::ShowFilterItem() {
  const bool table = Engine.SignalGiven() && Engine.Source() == TResamEngine::SourceTable;
  FilterItem->setEnabled(!table);
  FilterItem->setToolTip(table ? TableOnly() : QString());
}

void TResamForm::ShowFilter() {
  ShowFilterItem();
  const bool on = Engine.HasFilter();
  QString cutoff;
  if (on) FormatFixed(CutoffDecimals, cutoff, Engine.Cutoff());
  LabelFilter->setText(on ? tr("Фильтр: %1, fср = %2 Гц").arg(KindName(Engine.PreFilter()), cutoff) : QString());
  LabelFilter->adjustSize();
  PlaceFilterLabel();
  LabelFilter->setVisible(on);
  ShowFilterSeries(DFs, FilteredKeeper, Engine.FilteredSeries(), FilteredColour, true, on);
  ShowFilterSeries(DFAS, ResponseKeeper, Engine.FilterResponseSeries(), ResponseColour, false, on);
}

// Where the panel is narrower than designed (a large scale), the line moves left, as far as
// the note beside the N slider, rather than run out of the window.
void TResamForm::PlaceFilterLabel() {
  const int fits = GroupBox1->width() - LabelFilter->width() - FilterLabelMargin;
  const int designed = qRound(FilterLabelLeft * PanelScale), least = qRound(FilterLabelMinLeft * PanelScale);
  LabelFilter->move(std::max(least, std::min(designed, fits)), qRound(FilterLabelTop * PanelScale));
}

// Until a filter is first on, the diagrams keep their series and pictures.
void TResamForm::ShowFilterSeries(TDiagramFrame* frame, TKeeper*& keeper, const TKeeper& data, int colour, bool dashed,
                                  bool on) {
  if (!on && !keeper) return;
  TDiagram& d = *frame->Diagram;
  if (!keeper) {
    keeper = d.PNewKeeper();
    if (!keeper) return;
    keeper->SetColor(colour);
    keeper->SetPenWidth(1);
    keeper->SetDashed(dashed);
    keeper->SetBounded(true);
  }
  if (on) {
    keeper->TakeData(data);
    keeper->Show();
  } else {
    keeper->Hide();
  }
  d.ShowDiagram();
}
