// The one place where the engine's results reach the window: read-outs, edits and diagrams,
// each shown when the engine reports it changed.
#include <QLabel>
#include <QLineEdit>

#include "numerics/Keeper.h"
#include "plotting/Diagram.h"
#include "plotting/DiagramFrameUnit.h"
#include "plotting/PaintHold.h"
#include "shell/ResamUnit.h"
#include "studies/ListeningWindow.h"
#include "studies/ParameterSliders.h"
#include "widgets/Comfun.h"
#include "widgets/EditFloatUnit.h"
#include "widgets/EditIntUnit.h"

namespace {
using E = TResamEngine;
constexpr E::TChanges SpectrumChanges =
    E::ChangeAnalogSpectrum | E::ChangeDiscreteSpectrum | E::ChangeReconSpectrum | E::ChangeUnit;

QString F4(double value) {
  QString text;
  return FormatFixed(4, text, value);
}

void SetLabel(QLabel* label, const QString& text) {
  label->setText(text);
  label->adjustSize();
}

}  // namespace

// The scroll limits first, so that those of an earlier signal do not clip the new range.
void TResamForm::ShowRange(TDiagramFrame* frame, const TViewRange& range) {
  TDiagram& d = *frame->Diagram;
  const TDiagram::TOnePaint once(d);
  d.EnableLine(false);
  if (range.HasLimits) d.SetLimitX(range.LimitMin, range.LimitMax);
  d.SetRangeX(range.Xmin, range.Xmax);
  d.EnableLine(true);
  if (range.AutoY)
    d.AutoRangeY();
  else
    d.SetRangeY(range.Ymin, range.Ymax);
  if (range.FloorAtZero) d.SetYmin(0);
  frame->StoreRange();
}

// Every diagram the changes reach paints once, after its ranges and series are all set.
void TResamForm::Show(TResamEngine::TChanges changes) {
  const TPaintHold once(*this);
  if (changes & E::ChangeSignal) ShowAcceptedSignal();
  if (changes & E::ChangeInterval) ShowInterval();
  if (changes & E::ChangeAnalysis) {
    ShowDerivedQuantities();
    Series(DFs, 0)->TakeData(Engine.SignalSeries());
  }
  if (changes & (E::ChangeSamples | E::ChangeMethod)) EditN->SetMax(Engine.CountLimit());
  if (changes & E::ChangeSamples) ShowSamples();
  if (changes & E::ChangeCurve) ShowCurve();
  if (changes & E::ChangeError) ShowError();
  if (changes & SpectrumChanges) ShowSpectra(changes);
  if (changes & E::ChangeSpectrumRange) ShowRange(DFAS, Engine.SpectrumView());
  if (changes & E::ChangeKernel) ShowKernelAnalysis();
  if (changes & E::ChangeBasis) ShowBasis();
  if (changes & E::ChangeNoise) ShowSampleNoise();
  if (changes & (E::ChangeSignal | E::ChangeTwin)) ShowTwin();
  if (changes & (E::ChangeSignal | E::ChangeFilter | E::ChangeUnit | E::ChangeAnalogSpectrum)) ShowFilter();
  if (Sliders) Sliders->Show(changes);
  if (Listening) Listening->Show(changes);
  ShowComparison(changes);
  ShowOverlays();
  ShowHints(changes);
}

void TResamForm::SetIntervalEdits(double lo1, double hi1, double lo2, double hi2) {
  // Widening first keeps each pair of bounds ordered whatever the old limits were.
  constexpr double EditLimit = 10000;
  for (TEditFloat* e : {EditFloatT1, EditFloatT2}) {
    e->SetMin(-EditLimit);
    e->SetMax(EditLimit);
  }
  EditFloatT1->SetMin(lo1);
  EditFloatT1->SetMax(hi1);
  EditFloatT2->SetMin(lo2);
  EditFloatT2->SetMax(hi2);
}

void TResamForm::ShowInterval() {
  const TResamEngine::TIntervalLimits& l = Engine.IntervalLimits();
  SetIntervalEdits(l.Lo1, l.Hi1, l.Lo2, l.Hi2);
  EditFloatT1->SetVal(Engine.T1());
  EditFloatT2->SetVal(Engine.T2());
}

void TResamForm::ShowDerivedQuantities() {
  SetLabel(Label20, tr(" = %1 рад/с").arg(F4(Engine.Wm())));
  SetLabel(Label21, tr("fm = %1 Гц").arg(F4(Engine.Fm())));
  SetLabel(Label22, tr("Tmax = %1 c").arg(F4(Engine.Tmax())));
  SetLabel(Label23, QStringLiteral("Nmin = ") + QString::number(Engine.Nmin()));
  PlaceSideReadouts();
}

void TResamForm::ShowSamplingFrequency() {
  SetLabel(Label7, tr("fд = %1 Гц").arg(F4(Engine.Fd())));
  SetLabel(Label12, tr(" = %1 рад/с").arg(F4(Engine.Wd())));
  PlaceSideReadouts();
}

// What Show composes of words and numbers, again in the interface language and its separator.
void TResamForm::ShowComposedTexts() {
  EditT->setText(F4(Engine.T()));
  ShowInterval();
  if (Engine.SignalGiven()) {
    ShowDerivedQuantities();
    ShowSamplingFrequency();
  }
  ShowNminWarning();
  ShowCountNote(!LabelCountNote->isHidden());
  ShowFilter();
  ShowSampleNoise();
  ShowTwin();
  NameSeries();
  ShowOverlays();
  ShowComparison(E::ChangeMethod);  // the error figures and the comparison tab, range untouched
}

void TResamForm::ShowSamples() {
  EditN->SetVal(Engine.N());
  EditT->setText(F4(Engine.T()));
  if (!Engine.SignalGiven()) return;
  ShowSamplingFrequency();
  TKeeper* samples = Series(DFs, 2);
  samples->TakeData(Engine.SampleSeries());
  samples->SetMarkers(true);
}

void TResamForm::ShowCurve() {
  Series(DFs, 1)->TakeData(Engine.CurveSeries());
  ShowRange(DFs, Engine.SignalView());
}

void TResamForm::ShowError() {
  TKeeper* error = Series(DFE, 0);
  if (!Engine.HasError()) {
    error->Hide();
    DFE->Diagram->ShowDiagram();
    return;
  }
  error->TakeData(Engine.ErrorSeries());
  error->Show();
  ShowRange(DFE, Engine.ErrorView());
}

void TResamForm::ShowSpectra(TResamEngine::TChanges changes) {
  if (changes & (E::ChangeAnalogSpectrum | E::ChangeUnit)) Series(DFAS, 0)->TakeData(Engine.AnalogSpectrumSeries());
  if (changes & (E::ChangeDiscreteSpectrum | E::ChangeUnit)) Series(DFAS, 1)->TakeData(Engine.DiscreteSpectrumSeries());
  if (changes & (E::ChangeReconSpectrum | E::ChangeUnit)) Series(DFAS, 2)->TakeData(Engine.ReconSpectrumSeries());
}
