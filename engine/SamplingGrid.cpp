#include "engine/SamplingGrid.h"

#include <cmath>

#include "numerics/Mathlib.h"

namespace {
constexpr double InversePi = 0.31830988618379068395;
constexpr double MinPeriodShare = 0.002;
constexpr double LargePeriodShare = 0.9;
// Beyond this many steps the running sums are replaced by the product they approximate,
// so that an interval far from zero cannot stall the program.
constexpr double MaxRunningSteps = 1e6;
// Relative to the interval: far above the rounding of a thousand-step running sum, far
// below any sampling period the edits allow.
constexpr double EndTolerance = 1e-9;
}  // namespace

double GridOrigin(double t1, double T, bool anchoredAtZero) {
  if (!anchoredAtZero) return t1;
  if (!(T > 0) || !std::isfinite(t1)) return t1;
  if (std::fabs(t1 / T) > MaxRunningSteps) return T * std::trunc(t1 / T);
  double t0 = 0;
  if (t1 >= 0) {
    while (t0 <= t1) t0 = t0 + T;
    return t0 - T;
  }
  while (t0 >= t1) t0 = t0 - T;
  return t0 + T;
}

int CountGridPoints(double t0, double t2, double T, int cap) {
  if (!(T > 0)) return 0;
  int n = 0;
  for (double t = t0; t < t2 && n < cap; t = t + T) ++n;
  return n;
}

int MinimumCount(double t1, double t2, double wm) {
  const double n = (t2 - t1) * wm * InversePi + 1;
  if (!(n >= 1)) return 1;
  if (n >= MaxMinimumCount) return MaxMinimumCount;
  return static_cast<int>(n);
}

double LargestPeriod(double wm, double t1, double t2) {
  if (wm > 0 && std::isfinite(Pi / wm)) return Pi / wm;
  return t2 - t1;
}

void FindSupportInterval(const TSupportInput& in, double level, double& t1, double& t2) {
  const double thr = std::fabs(in.Ymin) > std::fabs(in.Ymax) ? std::fabs(in.Ymin * level) : std::fabs(in.Ymax * level);
  int i0 = 0, i1 = 0;
  if (in.Count <= 0 || !in.Values) {
    t1 = in.Xmin;
    t2 = in.Xmax;
    return;
  }
  for (int i = 0; i < in.Count; ++i)
    if (std::fabs(in.Values[i]) >= thr) {
      i0 = i;
      break;
    }
  for (int j = in.Count - 1; j > i0; --j)
    if (std::fabs(in.Values[j]) >= thr) {
      i1 = j;
      break;
    }
  t1 = in.Xmin + in.Step * i0;
  t2 = in.Xmin + in.Step * i1;
  if (!(t1 < t2)) {
    t1 = in.Xmin;
    t2 = in.Xmax;
  }
}

double CorrectedPeriod(bool readable, double value, double t1, double t2) {
  const double span = t2 - t1;
  const double tmin = span * MinPeriodShare;
  if (!readable || !(value >= tmin)) return tmin;
  if (value >= span) return LargePeriodShare * span;
  return value;
}

double LargestTablePeriod(int n) { return LongestTableInterval / (n > 2 ? n - 1 : 1); }

bool LimitSampleCount(int& n, double& T, double t1, double t2, int limit) {
  if (n <= limit) return false;
  n = limit;
  T = (t2 - t1) / (limit - 1);
  return true;
}

double SnapToInterval(double t, double t1, double t2) {
  const double tolerance = EndTolerance * (t2 - t1);
  if (t < t1 && t1 - t <= tolerance) return t1;
  if (t > t2 && t - t2 <= tolerance) return t2;
  return t;
}
