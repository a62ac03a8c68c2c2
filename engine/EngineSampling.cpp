// Sampling set-up: the analysis interval, the analog tabulation and its highest frequency,
// the count and the period, the anchored grid and the samples.
#include <algorithm>
#include <cmath>

#include "engine/ResamEngine.h"
#include "engine/SamplingGrid.h"
#include "numerics/Mathlib.h"
#include "platform/CoreServices.h"

namespace {
constexpr double InverseTwoPi = 0.15915494309189534198;
constexpr int WidthDoublings = 4;
constexpr double HalfLevel = 0.5;
constexpr double EdgeGuardShare = 0.05;
constexpr double EdgeGuardFactor = 0.99;
constexpr int EdgeGuardCountBelow = 100;
constexpr double EditLimit = 10000;
// Period mode counts grid points up to one beyond the largest capacity, so that a period
// too short for the limit is reported and corrected, never cut off silently.
constexpr int GridCountCap = TResamEngine::SampleCapacity;

TMessage LagrangeLimitMessage() {
  return RESAM_MESSAGE("TResamEngine",
                       "Интерполяция многочленом Лагранжа доступна только при количестве отсчётов не более %1")
      .Arg(LagrangeCountLimit);
}

TMessage CountLimitMessage() {
  return RESAM_MESSAGE("TResamEngine", "Количество отсчётов должно быть не более %1").Arg(CommonCountLimit);
}
}  // namespace

double TResamEngine::AnalogValueAt(double t) const {
  if (SignalSource == SourceEditor) return DrawnSignal.Curve ? DrawnSignal.Curve->GetValue(t) : 0;
  return FormulaSignal.Function ? FormulaSignal.Function(t) : 0;
}

// Exact samples keep the tabulation's support: outside [T1, T2] the signal reads zero either
// way, so that the item changes only the tabulation's interpolation error, never what is sampled.
// With the filter on, a pulse's filtered signal is known only on the tabulation, so its exact
// samples read that; a fragment's is known everywhere.
double TResamEngine::SampleValueAt(double t) const {
  const TKeeper& tabulation = FilterOn ? FilteredCurve : Signal;
  if (!ExactSamples || t < FT1 || t > FT2) return tabulation.GetValue(t);
  return FilterOn ? FilteredValueAt(t) : AnalogValueAt(t);
}

void TResamEngine::SetIntervalLimits(double lo1, double hi1, double lo2, double hi2) { Limits = {lo1, hi1, lo2, hi2}; }

// The interval of a new signal, with edit limits that keep T1 below T2 whatever is typed.
void TResamEngine::TakeSignalInterval() {
  const TSignalInterval interval = SignalIntervalOf(SignalSource, DrawnSignal, FormulaSignal);
  FT1 = interval.T1;
  FT2 = interval.T2;
  Limits = interval.Limits;
  FEdgeGuard = interval.EdgeGuard;
  ResetInterval = false;
}

TResamEngine::TSignalInterval TResamEngine::SignalIntervalOf(TSignalSource source, const TDrawnSignal& drawn,
                                                             const TFormulaSignal& formula) const {
  TSignalInterval s{FT1, FT2, Limits, FEdgeGuard};
  // A table's interval follows from its samples and period, not from the signal.
  if (source == SourceTable) return s;
  if (source == SourcePolyharmonic) {
    const double p = formula.Duration;
    s.T1 = -p * 0.5;
    s.T2 = p * 0.5;
    const double d = s.T2 - s.T1;
    s.Limits = {s.T1 - 5 * d, s.T1 + 0.25 * d, s.T2 - 0.25 * d, s.T2 + 5 * d};
    return s;
  }
  if (source == SourceRecording) {
    s.T1 = formula.Start;
    s.T2 = formula.Start + formula.Duration;
  } else if (source == SourceLibrary) {
    const double d = formula.Duration;
    s.T1 = formula.Symmetry != 0 ? -0.5 * d : 0;
    s.T2 = formula.Symmetry != 0 ? -s.T1 : d;
  } else {
    SupportOf(drawn, HalfLevel, s.T1, s.T2);
    const double half = s.T2 - s.T1;
    SupportOf(drawn, SupportLevel, s.T1, s.T2);
    const double whole = s.T2 - s.T1;
    s.EdgeGuard = std::fabs(whole - half) < EdgeGuardShare * whole;
  }
  const double d = s.T2 - s.T1;
  s.Limits = {2 * s.T1 - s.T2, s.T1 + 0.25 * d, s.T2 - 0.25 * d, 2 * s.T2 - s.T1};
  return s;
}

TResamEngine::TChanges TResamEngine::AnalyseSignal() {
  if (!IsAnalog()) return ChangeNone;
  TChanges changes = ChangeAnalysis;
  SpectrumRangeSet = false;
  if (ResetInterval) {
    TakeSignalInterval();
    changes |= ChangeInterval;
  }
  AnalogStep = (FT2 - FT1) / (AnalogCount - 1);
  double t = FT1;
  for (int i = 0; i < AnalogCount; ++i, t = t + AnalogStep) FAnalogValues[i] = AnalogValueAt(t);
  TabulateReference();
  FilterStale = true;
  TFourierAnalyser& module = SpectrumModule();
  module.SetFFT(true);
  module.SetFullSize(false);
  module.SetDoublings(WidthDoublings);
  module.SetFreqLimit(Pi);
  module.Calculate(FAnalogValues, AnalogCount);
  FWm = AnalogStep != 0 ? module.GetSpectrumWidth() / AnalogStep : 0;
  FFm = FWm * InverseTwoPi;
  FTmax = LargestPeriod(FWm, FT1, FT2);
  FNmin = MinimumCount(FT1, FT2, FWm);
  Signal.SetArray(FAnalogValues, AnalogCount, FT1, FT2);
  int count = 0;
  const double* amplitudes = module.GetAmpSpectrum(count);
  for (int i = 0; i < SpectrumKeepCount; ++i) FAnalogSpectrum[i] = i < count ? AnalogStep * amplitudes[i] : 0;
  return changes;
}

void TResamEngine::FindSupport(double level) { SupportOf(DrawnSignal, level, FT1, FT2); }

// Without a curve the interval stays as it is.
void TResamEngine::SupportOf(const TDrawnSignal& drawn, double level, double& t1, double& t2) {
  if (!drawn.Curve) return;
  const TKeeper& c = *drawn.Curve;
  const TSupportInput in{drawn.Values, drawn.Count, c.GetXmin(), c.GetXmax(), c.GetStep(), c.GetYmin(), c.GetYmax()};
  FindSupportInterval(in, level, t1, t2);
}

double TResamEngine::CountModePeriod() const {
  const double factor = FN < EdgeGuardCountBelow && FEdgeGuard ? EdgeGuardFactor : 1.0;
  return (FT2 - FT1) * factor / (FN - 1);
}

TResamEngine::TChanges TResamEngine::SampleSignal() {
  if (!IsAnalog()) return ChangeNone;
  SpectrumRangeSet = false;
  if (CountMode) {
    FT = CountModePeriod();
    LimitCount();
  }
  FT0 = GridOrigin(FT1, FT, AtZero);
  if (!CountMode) {
    // At least the sample at the origin, which the single-sample rule below pads.
    FN = std::max(1, CountGridPoints(FT0, FT2, FT, GridCountCap));
    LimitCount();
  }
  const TChanges filtered = Refilter();
  double t = FT0;
  for (int i = 0; i < FN; ++i, t = t + FT) Samples[i] = SampleValueAt(SnapToInterval(t, FT1, FT2));
  double tlast = t - FT;
  FFd = 1 / FT;
  FWd = FFd * TwoPi;
  // One sample: t - T need not give T0 back exactly after the running sum, so the count decides.
  if (FN == 1 || FT0 == tlast) {
    tlast = FT0 + FT;
    FN = 2;
    Samples[1] = 0;
  }
  TakeSampleSeries(tlast);
  return ChangeSamples | filtered;
}

void TResamEngine::TakeSampleSeries(double tlast) {
  FQuantisationSnr = ApplySampleNoise(Noise, {Samples, static_cast<size_t>(FN)});
  Product.Prepare(FN);
  Sampled.SetArray(Samples, FN, FT0, tlast);
  Sampled.SetDiscrete();
}

TResamEngine::TChanges TResamEngine::TakeTableSamples() {
  if (!Given || SignalSource != SourceTable) return ChangeNone;
  FN = std::clamp(TableSignal.Values ? TableSignal.Count : 0, 0, MaxCount);
  if (FN > 0) std::copy(TableSignal.Values, TableSignal.Values + FN, Samples);
  if (FN == 0) Samples[FN++] = 0;
  if (FN == 1) Samples[FN++] = 0;
  if (FN > MaxLagrangeCount && IsLagrange()) {
    FN = MaxLagrangeCount;
    ShowMessage(LagrangeLimitMessage());
  }
  FT1 = 0;
  FT2 = (FN - 1) * FT;
  if (FT2 == FT1) FT2 = FT2 + FT;
  FT0 = 0;
  // The interval edits are disabled for a table but should not show the last analog
  // signal's interval; an analog signal that follows sets its own limits and values again.
  SetIntervalLimits(FT1, FT2, FT1, FT2);
  FFd = 1 / FT;
  FWd = FFd * TwoPi;
  FWm = FWd * 0.5;
  FFm = FFd * 0.5;
  FNmin = FN;
  FTmax = FT;
  TakeSampleSeries(FT2);
  return ChangeSamples | ChangeInterval;
}

TResamEngine::TChanges TResamEngine::LimitCount() {
  const int limit = CountLimit();
  if (LimitSampleCount(FN, FT, FT1, FT2, limit))
    ShowMessage(IsLagrange() ? LagrangeLimitMessage() : CountLimitMessage());
  return ChangeSamples;
}

TResamEngine::TChanges TResamEngine::Resample() {
  if (!Given) return ChangeNone;
  TWaitCursor wait;
  // A table has no analog signal to filter: Refilter puts the filter of the one before off.
  TChanges changes = SignalSource == SourceTable ? TakeTableSamples() | Refilter() : SampleSignal();
  changes |= ComputeDiscreteSpectrum();
  changes |= ComputeReconSpectrum();
  changes |= FoldTwin();
  return changes;
}

TResamEngine::TChanges TResamEngine::Recompute() {
  if (!Given) return ChangeNone;
  TWaitCursor wait;
  TChanges changes = ChangeNone;
  if (SignalSource != SourceTable) {
    changes |= AnalyseSignal();
    changes |= ShowAnalogSpectrum();
  }
  return changes | Resample();
}
