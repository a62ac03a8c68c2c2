// What the exploration tools ask of the engine: the terms of the interpolating function, and
// the periods a slider may offer.
#include <algorithm>
#include <cfloat>
#include <cmath>

#include "engine/Basefunctionsunit.h"
#include "engine/ResamEngine.h"

namespace {
// A product that should land on a grid value may land a rounding step beside it.
constexpr double GridSlack = 1e-6;
// The grid points of period mode are running sums; a period this much above the least one
// that keeps the count within its limit still does after their rounding.
constexpr double CountMargin = 1e-9;
}  // namespace

void TResamEngine::ChooseTerms(double xmin, double xmax, std::span<const double> times) {
  if (!Given) {
    FTerms.Clear();
    return;
  }
  using T = TReconstructionTerms;
  T::TMethod method;
  if (IsLagrange())
    method.Sum = T::Lagrange;
  else if (FKernel != TRealFunction(Sinc))
    method = {T::Local, FKernel, FKernelOrder + 1};
  FTerms.Choose(SampleSet(), method, xmin, xmax);
  FTerms.ExpectTimes(times);
}

// Every period on the box's grid between the ends is taken as typed (PeriodFor leaves it
// alone), and in period mode of an analog signal it gives at most CountLimit() grid points:
// those lie before T2 from an origin less than one period before T1, so (N - 1) T < T2 - T1 + T.
TPeriodSpan TResamEngine::SlidablePeriods(int decimals) const {
  if (!Given) return {};
  const bool table = SignalSource == SourceTable;
  // A table longer than the Lagrange limit is cut, with its message, at every resampling.
  if (table && IsLagrange() && TableSignal.Count > MaxLagrangeCount) return {};
  const double grid = std::pow(10.0, decimals), step = 1 / grid;
  const auto taken = [this](double period) { return PeriodFor(true, period) == period; };
  TPeriodSpan span;
  span.Lo = std::ceil(PeriodFor(false, 0) * grid - GridSlack) / grid;
  if (!taken(span.Lo)) span.Lo += step;
  if (!table)
    span.Lo = std::max(span.Lo, std::ceil((FT2 - FT1) / (CountLimit() - 1) * (1 + CountMargin) * grid) / grid);
  // Analog: anything below the interval's length; a table: up to its own longest period.
  span.Hi = table ? std::floor(PeriodFor(true, DBL_MAX) * grid + GridSlack) / grid
                  : (std::ceil((FT2 - FT1) * grid - GridSlack) - 1) / grid;
  if (!taken(span.Hi)) span.Hi -= step;
  return span;
}
