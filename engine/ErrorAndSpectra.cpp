// The reconstruction error, the three amplitude spectra, their ranges, and the frequency
// unit and spectrum view commands.
#include <QAction>
#include <QTabWidget>
#include <QToolButton>

#include "engine/Basefunctionsunit.h"
#include "engine/ReconstructionError.h"
#include "engine/SignalSpectra.h"
#include "numerics/FourierAnalyser.h"
#include "numerics/Keeper.h"
#include "platform/CoreServices.h"
#include "plotting/Diagram.h"
#include "plotting/DiagramFrameUnit.h"
#include "resources/FormulaPictures.h"
#include "shell/ResamUnit.h"

namespace {
constexpr int SpectrumPage = 1;
// Beside a caption picture the axis name is a single space, so that no text covers it.
const QString BlankAxisName = QStringLiteral(" ");
const QString CyclicAxisName = QStringLiteral("f,Гц");
}  // namespace

void TResamForm::ComputeError() {
  if (!SignalGiven) return;
  TDiagram& d = *DFE->Diagram;
  TKeeper* error = Series(DFE, 0);
  if (SignalSource == SourceTable) {
    // Only samples are known: there is nothing to compare the interpolating function with.
    error->Hide();
    d.ShowDiagram();
    return;
  }
  const TErrorInterval interval = ErrorInterval(T1, T2, T, IsLagrange());
  TabulateError(*Series(DFs, 0), *Series(DFs, 1), interval.A, interval.B, ErrorValues);
  error->SetArray(ErrorValues, ErrorCount, interval.A, interval.B);
  d.EnableLine(false);
  // The limits before the range, so that those of an earlier signal do not clip it.
  d.SetLimitX(interval.A, interval.B);
  d.SetRangeX(interval.ViewMin, interval.ViewMax);
  d.EnableLine(true);
  error->Show();
  d.AutoRangeY();
  DFE->StoreRange();
}

void TResamForm::ShowAnalogSpectrum() {
  if (!SignalGiven) return;
  SpectrumRangeSet = false;
  const double band = AnalogSpectrumBand(SpectrumModule().GetFreqStep(), AnalogStep, ShownUnit);
  TKeeper* analog = Series(DFAS, 0);
  analog->SetArray(AnalogSpectrum, SpectrumKeepCount, 0, band);
  analog->SetSymmetry(SymmetryEven);
}

void TResamForm::ComputeDiscreteSpectrum() {
  if (!SignalGiven) return;
  SpectrumRangeSet = false;
  int count = 0;
  double* amplitudes = DiscreteSpectrum(SpectrumModule(), Samples, N, count);
  if (!amplitudes) return;
  const double period = ShownUnit == TFrequencyUnit::Circular ? Wd : Fd;
  TKeeper* discrete = Series(DFAS, 1);
  discrete->SetArray(amplitudes, count, 0, period);
  discrete->SetPeriodic(period);
  discrete->SetScale(T);
}

void TResamForm::ComputeReconSpectrum() {
  if (!SignalGiven) return;
  SpectrumRangeSet = false;
  const TReconKind kind = IsLagrange()     ? TReconKind::Lagrange
                          : Kernel == Sinc ? TReconKind::Kotelnikov
                                           : TReconKind::Local;
  const double band =
      ReconstructionSpectrum(kind, *Series(DFAS, 1), *Series(DFBFS, 0), Wd, T, ShownUnit, ReconSpectrum);
  TKeeper* recon = Series(DFAS, 2);
  recon->SetArray(ReconSpectrum, ReconSpectrumCount, 0,
                  ShownUnit == TFrequencyUnit::Circular ? band : band / TwoPiShort);
  recon->SetSymmetry(SymmetryEven);
}

void TResamForm::SetSpectrumRange() {
  if (!SignalGiven || SpectrumRangeSet) return;
  const double analogMax = SignalSource == SourceTable ? -1 : Series(DFAS, 0)->GetYmax();
  const TSpectrumRange range =
      SpectrumRangeFor(ShownView, ShownUnit, {Wd, Fd, Wm, Fm}, T, Series(DFAS, 1)->GetYmax(), analogMax);
  TDiagram& d = *DFAS->Diagram;
  d.EnableLine(false);
  d.SetLimitX(range.LimitMin, range.LimitMax);
  d.SetRangeX(range.Xmin, range.Xmax);
  d.EnableLine(true);
  d.SetRangeY(range.Ymin, range.Ymax);
  DFAS->StoreRange();
  SpectrumRangeSet = true;
}

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
  const bool circular = ShownUnit == TFrequencyUnit::Circular;
  d.SetBitmapY(circular ? &Image1 : &Image4);
  d.SetBitmapX(circular ? &Image2 : nullptr);
  d.SetNameY(BlankAxisName);
  d.SetNameX(circular ? BlankAxisName : CyclicAxisName);
}

namespace {
void ChooseFrequencyUnit(TResamForm& form, TFrequencyUnit unit) {
  (unit == TFrequencyUnit::Circular ? form.N17 : form.N18)->setChecked(true);
  if (form.ShownUnit == unit) return;
  TWaitCursor wait;
  form.ShownUnit = unit;
  form.Recompute();
  form.ShowFrequencyCaptions();
  if (unit == TFrequencyUnit::Cyclic || form.PageControl1->currentIndex() == SpectrumPage) form.SetSpectrumRange();
}

void ChooseSpectrumView(TResamForm& form, TSpectrumView view, QAction* item, QToolButton* button) {
  item->setChecked(true);
  button->setChecked(true);
  if (form.ShownView == view) return;
  TWaitCursor wait;
  form.ShownView = view;
  form.SpectrumRangeSet = false;
  form.SetSpectrumRange();
}
}  // namespace

void TResamForm::N17Click() { ChooseFrequencyUnit(*this, TFrequencyUnit::Circular); }
void TResamForm::N18Click() { ChooseFrequencyUnit(*this, TFrequencyUnit::Cyclic); }

void TResamForm::N27Click() { ChooseSpectrumView(*this, TSpectrumView::SignalBand, N27, SpeedButton6); }
void TResamForm::N20Click() { ChooseSpectrumView(*this, TSpectrumView::OnePeriod, N20, SpeedButton7); }
void TResamForm::N21Click() { ChooseSpectrumView(*this, TSpectrumView::TwoPeriods, N21, SpeedButton8); }
void TResamForm::N22Click() { ChooseSpectrumView(*this, TSpectrumView::FourPeriods, N22, SpeedButton9); }

void TResamForm::PageControl1Change(int index) {
  if (index != SpectrumPage || !SignalGiven) return;
  TWaitCursor wait;
  SetSpectrumRange();
}
