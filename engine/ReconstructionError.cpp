#include "engine/ReconstructionError.h"

#include "numerics/Keeper.h"

namespace {
constexpr double LagrangeMargin = 1;
constexpr double TabulatedMargin = 30;
constexpr double ShownMargin = 5;
}  // namespace

TErrorInterval ErrorInterval(double T1, double T2, double T, bool lagrange) {
  const double tabulated = lagrange ? LagrangeMargin : TabulatedMargin;
  const double shown = lagrange ? LagrangeMargin : ShownMargin;
  TErrorInterval interval;
  interval.A = T1 - tabulated * T;
  interval.B = T2 + tabulated * T;
  interval.ViewMin = T1 - shown * T;
  interval.ViewMax = T2 + shown * T;
  return interval;
}

void TabulateError(const TKeeper& analog, const TKeeper& interpolating, double a, double b, double* error) {
  const double step = (b - a) / (ErrorCount - 1);
  double t = a;
  for (int i = 0; i < ErrorCount; ++i, t = t + step) error[i] = analog.GetValue(t) - interpolating.GetValue(t);
}
