// Sampling set-up: the analysis interval, the analog tabulation and its highest frequency,
// the count and the period, the anchored grid and the samples.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>

#include "engine/SamplingGrid.h"
#include "numerics/FourierAnalyser.h"
#include "numerics/Keeper.h"
#include "platform/Platform.h"
#include "plotting/Diagram.h"
#include "plotting/DiagramFrameUnit.h"
#include "shell/ResamUnit.h"
#include "widgets/Comfun.h"
#include "widgets/EditFloatUnit.h"
#include "widgets/EditIntUnit.h"

namespace {
constexpr double Pi = 3.141592653589793;
constexpr double TwoPi = 6.283185307179586;
constexpr double InverseTwoPi = 0.15915494309189534198;
constexpr int WidthDoublings = 4;
constexpr double HalfLevel = 0.5;
constexpr double EdgeGuardShare = 0.05;
constexpr double EdgeGuardFactor = 0.99;
constexpr int EdgeGuardCountBelow = 100;
constexpr double EditLimit = 10000;
// Period mode counts grid points up to one beyond the largest capacity, so that a period
// too short for the limit is reported and corrected, never cut off silently.
constexpr int GridCountCap = TResamForm::SampleCapacity;

QString F4(double value) {
  QString text;
  return FormatFixed(4, text, value);
}

void SetLabel(QLabel* label, const QString& text) {
  label->setText(text);
  label->adjustSize();
}

QString LagrangeLimitMessage() {
  return QStringLiteral("Интерполяция многочленом Лагранжа доступна только при количестве отсчётов не более 50");
}
}  // namespace

double TResamForm::AnalogValueAt(double t) const {
  if (SignalSource == SourceEditor) return DrawnSignal.Curve ? DrawnSignal.Curve->GetValue(t) : 0;
  return FormulaSignal.Function ? FormulaSignal.Function(t) : 0;
}

void TResamForm::SetIntervalEdits(double lo1, double hi1, double lo2, double hi2) {
  // Widening first keeps each pair of bounds ordered whatever the old limits were.
  for (TEditFloat* e : {EditFloatT1, EditFloatT2}) {
    e->SetMin(-EditLimit);
    e->SetMax(EditLimit);
  }
  EditFloatT1->SetMin(lo1);
  EditFloatT1->SetMax(hi1);
  EditFloatT2->SetMin(lo2);
  EditFloatT2->SetMax(hi2);
}

// The interval of a new signal, with edit limits that keep T1 below T2 whatever is typed.
void TResamForm::TakeSignalInterval() {
  if (SignalSource == SourcePolyharmonic) {
    const double p = FormulaSignal.Duration;
    T1 = -p * 0.5;
    T2 = p * 0.5;
    const double d = T2 - T1;
    SetIntervalEdits(T1 - 5 * d, T1 + 0.25 * d, T2 - 0.25 * d, T2 + 5 * d);
  } else {
    if (SignalSource == SourceLibrary) {
      const double d = FormulaSignal.Duration;
      T1 = FormulaSignal.Symmetry != 0 ? -0.5 * d : 0;
      T2 = FormulaSignal.Symmetry != 0 ? -T1 : d;
    } else {
      FindSupport(HalfLevel);
      const double half = T2 - T1;
      FindSupport(SupportLevel);
      const double whole = T2 - T1;
      EdgeGuard = std::fabs(whole - half) < EdgeGuardShare * whole;
    }
    const double d = T2 - T1;
    SetIntervalEdits(2 * T1 - T2, T1 + 0.25 * d, T2 - 0.25 * d, 2 * T2 - T1);
  }
  EditFloatT1->SetVal(T1);
  EditFloatT2->SetVal(T2);
  ResetInterval = false;
}

void TResamForm::AnalyseSignal() {
  if (!SignalGiven || SignalSource == SourceTable) return;
  SpectrumRangeSet = false;
  if (ResetInterval) TakeSignalInterval();
  AnalogStep = (T2 - T1) / (AnalogCount - 1);
  double t = T1;
  for (int i = 0; i < AnalogCount; ++i, t = t + AnalogStep) AnalogValues[i] = AnalogValueAt(t);
  TFourierAnalyser& module = SpectrumModule();
  module.SetFFT(true);
  module.SetFullSize(false);
  module.SetDoublings(WidthDoublings);
  module.SetFreqLimit(Pi);
  module.Calculate(AnalogValues, AnalogCount);
  Wm = AnalogStep != 0 ? module.GetSpectrumWidth() / AnalogStep : 0;
  Fm = Wm * InverseTwoPi;
  Tmax = LargestPeriod(Wm, T1, T2);
  Nmin = MinimumCount(T1, T2, Wm);
  ShowDerivedQuantities();
  Series(DFs, 0)->SetArray(AnalogValues, AnalogCount, T1, T2);
  int count = 0;
  const double* amplitudes = module.GetAmpSpectrum(count);
  for (int i = 0; i < SpectrumKeepCount; ++i) AnalogSpectrum[i] = i < count ? AnalogStep * amplitudes[i] : 0;
}

void TResamForm::ShowDerivedQuantities() {
  SetLabel(Label20, QStringLiteral(" = ") + F4(Wm) + QStringLiteral(" рад/с"));
  SetLabel(Label21, QStringLiteral("fm = ") + F4(Fm) + QStringLiteral(" Гц"));
  SetLabel(Label22, QStringLiteral("Tmax = ") + F4(Tmax) + QStringLiteral(" c"));
  SetLabel(Label23, QStringLiteral("Nmin = ") + QString::number(Nmin));
  PlaceSideReadouts();
}

void TResamForm::ShowSamplingFrequency() {
  SetLabel(Label7, QStringLiteral("fд = ") + F4(Fd) + QStringLiteral(" Гц"));
  SetLabel(Label12, QStringLiteral(" = ") + F4(Wd) + QStringLiteral(" рад/с"));
  PlaceSideReadouts();
}

void TResamForm::FindSupport(double level) {
  if (!DrawnSignal.Curve) return;
  const TKeeper& c = *DrawnSignal.Curve;
  const TSupportInput in{DrawnSignal.Values, DrawnSignal.Count, c.GetXmin(), c.GetXmax(),
                         c.GetStep(),        c.GetYmin(),       c.GetYmax()};
  FindSupportInterval(in, level, T1, T2);
}

void TResamForm::SampleSignal() {
  if (!SignalGiven || SignalSource == SourceTable) return;
  SpectrumRangeSet = false;
  const bool countMode = N13->isChecked();
  if (countMode) {
    const double factor = N < EdgeGuardCountBelow && EdgeGuard ? EdgeGuardFactor : 1.0;
    T = (T2 - T1) * factor / (N - 1);
    LimitCount();
  }
  T0 = GridOrigin(T1, T, N9->isChecked());
  if (!countMode) {
    // At least the sample at the origin, which the single-sample rule below pads.
    N = std::max(1, CountGridPoints(T0, T2, T, GridCountCap));
    LimitCount();
  }
  double t = T0;
  const TKeeper* analog = Series(DFs, 0);
  for (int i = 0; i < N; ++i, t = t + T) Samples[i] = analog->GetValue(SnapToInterval(t, T1, T2));
  double tlast = t - T;
  Fd = 1 / T;
  Wd = Fd * TwoPi;
  ShowSamplingFrequency();
  // One sample: t - T need not give T0 back exactly after the running sum, so the count decides.
  if (N == 1 || T0 == tlast) {
    tlast = T0 + T;
    N = 2;
    Samples[1] = 0;
  }
  ShowSampleSeries(tlast);
}

void TResamForm::ShowSampleSeries(double tlast) {
  TKeeper* samples = Series(DFs, 2);
  samples->SetArray(Samples, N, T0, tlast);
  samples->SetDiscrete();
  samples->SetMarkers(true);
}

void TResamForm::TakeTableSamples() {
  if (!SignalGiven || SignalSource != SourceTable) return;
  N = std::clamp(TableSignal.Values ? TableSignal.Count : 0, 0, MaxCount);
  std::copy(TableSignal.Values, TableSignal.Values + N, Samples);
  if (N == 0) Samples[N++] = 0;
  if (N == 1) Samples[N++] = 0;
  if (N > MaxLagrangeCount && IsLagrange()) {
    N = MaxLagrangeCount;
    Platform().Message(LagrangeLimitMessage());
  }
  T1 = 0;
  T2 = (N - 1) * T;
  if (T2 == T1) T2 = T2 + T;
  T0 = 0;
  // The interval edits are disabled for a table but should not show the last analog
  // signal's interval; an analog signal that follows sets its own limits and values again.
  SetIntervalEdits(T1, T2, T1, T2);
  EditFloatT1->SetVal(T1);
  EditFloatT2->SetVal(T2);
  Fd = 1 / T;
  Wd = Fd * TwoPi;
  Wm = Wd * 0.5;
  Fm = Fd * 0.5;
  Nmin = N;
  Tmax = T;
  ShowSamplingFrequency();
  EditN->SetVal(N);
  EditT->setText(F4(T));
  ShowSampleSeries(T2);
}

void TResamForm::LimitCount() {
  const bool lagrange = IsLagrange();
  const int limit = lagrange ? MaxLagrangeCount : MaxCount;
  if (LimitSampleCount(N, T, T1, T2, limit))
    Platform().Message(lagrange ? LagrangeLimitMessage()
                                : QStringLiteral("Количество отсчётов должно быть не более 500"));
  EditN->SetMax(limit);
  EditN->SetVal(N);
  EditT->setText(F4(T));
}
