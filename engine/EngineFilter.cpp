// The filter before the sampler: its settings, the filtered signal the samples are taken
// from, and |H| for the spectrum diagram.
#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/ResamEngine.h"
#include "platform/CoreServices.h"

namespace {
constexpr int ResponseEstimateCount = 10;
// The cut-off stays a little below half the tabulation's rate, where its grid ends.
constexpr double NyquistShare = 0.999;
}  // namespace

double TResamEngine::MaxCutoff() const {
  return AnalogStep > 0 ? NyquistShare * 0.5 / AnalogStep : std::numeric_limits<double>::infinity();
}

double TResamEngine::CutoffWanted() const {
  return std::min(Filter.FollowsFd ? 0.5 / FT : Filter.CutoffHz, MaxCutoff());
}

TPreFilter TResamEngine::FilterWithin(const TPreFilter& settings) const {
  TPreFilter s = settings;
  s.Order = std::clamp(s.Order, MinFilterOrder, MaxFilterOrder);
  if (!(std::isfinite(s.CutoffHz) && s.CutoffHz > 0)) s.CutoffHz = Filter.CutoffHz;
  return s;
}

TResamEngine::TChanges TResamEngine::SetPreFilter(const TPreFilter& settings) {
  const TPreFilter s = FilterWithin(settings);
  if (s == Filter) return ChangeNone;
  Filter = s;
  FilterStale = true;
  if (!IsAnalog()) return ChangeFilter;
  TWaitCursor wait;
  TChanges changes = ChangeFilter | Resample() | Reconstruct();
  return changes | SetSpectrumRange();
}

// Run by SampleSignal once the period is known, since a cut-off that follows fd moves with it;
// the signal is filtered again only when it or the cut-off changed.
TResamEngine::TChanges TResamEngine::Refilter() {
  if (!Filter.Active() || !IsAnalog()) {
    const bool was = FilterOn || FilterNaN;
    FilterOn = FilterNaN = false;
    return was ? ChangeFilter : ChangeNone;
  }
  const double fc = CutoffWanted();
  if (!FilterStale && fc == FCutoff) return ChangeNone;
  FilterStale = false;
  FCutoff = fc;
  FilterNaN = !std::ranges::all_of(FAnalogValues, [](double v) { return std::isfinite(v); });
  FilterOn = !FilterNaN;
  if (!FilterOn) return ChangeFilter;
  // A fragment has been on for ever: its harmonics go through the filter one by one, with
  // nothing of the filter's start left. A pulse is zero outside its interval.
  const bool fragment = SignalSource == SourcePolyharmonic && !Harmonics.empty();
  FilteredParts.clear();
  if (fragment) {
    FilteredParts = FilteredHarmonics(Harmonics, Filter.Kind, Filter.Order, fc);
    double t = FT1;
    for (int i = 0; i < AnalogCount; ++i, t = t + AnalogStep) FFilteredValues[i] = FilteredValueAt(t);
  } else {
    FilterTabulation(Filter.Kind, Filter.Order, fc, AnalogStep, FAnalogValues, FFilteredValues);
  }
  FilteredCurve.SetArray(FFilteredValues.data(), AnalogCount, FT1, FT2);
  for (int k = 0; k < ComparisonCount; ++k) FilteredReference[k] = FilteredValueAt(ComparisonPoint(FT1, FT2, k));
  ResponseCurve.SetFunction(TRealFunction::Bind<ResponseValue>(*this), ResponseEstimateCount, 0, AnalogSpec.GetXmax());
  ResponseCurve.SetSymmetry(SymmetryEven);
  return ChangeFilter;
}

double TResamEngine::FilteredValueAt(double t) const {
  if (FilteredParts.empty()) return FilteredCurve.GetValue(t);
  double s = 0;
  for (const THarmonic& h : FilteredParts) s += h.Amplitude * std::cos(TwoPi * h.Frequency * t + h.Phase);
  return s;
}

double TResamEngine::ResponseValue(const TResamEngine& engine, double f) {
  const double hertz = engine.FShownUnit == TFrequencyUnit::Circular ? f / TwoPi : f;
  const TPreFilter& p = engine.Filter;
  return std::abs(FilterResponse(p.Kind, p.Order, engine.FCutoff, hertz)) * engine.AnalogSpec.GetYmax();
}

double TResamEngine::ReferenceAt(int k) const {
  return FilterOn && Filter.ErrorToFiltered ? FilteredReference[k] : Reference[k];
}

const TKeeper& TResamEngine::ErrorReference() const {
  return FilterOn && Filter.ErrorToFiltered ? FilteredCurve : Signal;
}
