#include "sourcedata/RecordedSignal.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace {
constexpr double KaiserShape = 8.6;
// The window is smooth and slow beside the sinc, so a table read linearly holds it to a few
// 1e-9; the sinc itself is computed exactly, with one sine per time.
constexpr int WindowSteps = 16384;

using TWindowTable = std::array<double, WindowSteps + 2>;

const TWindowTable& WindowTable() {
  static const TWindowTable table = [] {
    TWindowTable t{};
    const double norm = std::cyl_bessel_i(0.0, KaiserShape);
    for (int i = 0; i <= WindowSteps; ++i) {
      const double r = double(i) / WindowSteps;
      t[size_t(i)] = std::cyl_bessel_i(0.0, KaiserShape * std::sqrt(std::max(0.0, 1 - r * r))) / norm;
    }
    t[WindowSteps + 1] = 0;
    return t;
  }();
  return table;
}

// w(z / 16) for |z| < 16.
double Window(double z) {
  const double at = std::fabs(z) / InterpolationHalfWidth * WindowSteps;
  const int i = int(at);
  if (i >= WindowSteps) return 0;
  const TWindowTable& t = WindowTable();
  const double f = at - i;
  return t[size_t(i)] + f * (t[size_t(i) + 1] - t[size_t(i)]);
}
}  // namespace

double WindowedSincKernel(double z) {
  if (z == 0) return 1;
  if (!(std::fabs(z) < InterpolationHalfWidth)) return 0;
  return std::sin(std::numbers::pi * z) / (std::numbers::pi * z) * Window(z);
}

// With u = m + f, |f| <= 1/2: sin(pi (u - k)) = (-1)^(m - k) sin(pi f), so one sine serves
// every term, and it is taken of the reduced argument, exact near the nodes.
double TRecordedSignal::SignalValue(double t) const {
  const std::vector<double>& x = Fragment.Samples;
  const long long n = static_cast<long long>(x.size());
  const double u = (t - Fragment.Start) * Fragment.Rate;
  if (!(u > -InterpolationHalfWidth && u < double(n - 1) + InterpolationHalfWidth)) return 0;
  const double m = std::nearbyint(u);
  const double f = u - m;
  const long long mi = static_cast<long long>(m);
  if (f == 0) return mi >= 0 && mi < n ? x[size_t(mi)] : 0;
  const long long k0 = std::max(0LL, mi - InterpolationHalfWidth), k1 = std::min(n - 1, mi + InterpolationHalfWidth);
  const double s = std::sin(std::numbers::pi * f) / std::numbers::pi;
  double sum = 0;
  for (long long k = k0; k <= k1; ++k) {
    const double z = u - double(k);
    const double term = x[size_t(k)] * Window(z) / z;
    sum += ((mi - k) & 1) ? -term : term;
  }
  return s * sum;
}
