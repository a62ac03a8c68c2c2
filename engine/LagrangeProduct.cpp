#include "engine/LagrangeProduct.h"

#include <cmath>

#include "engine/Lagrbfunit.h"

// w_0 = (-1)^(n-1) / (n-1)!, then w_(i+1) = -w_i (n-1-i) / (i+1): each step one rounding in
// extended precision, so even w_49 is within some 1e-17 of its exact value.
void TLagrangeProduct::Prepare(int n) {
  if (n == FCount) return;
  if (n < 1 || n > Capacity) {
    FCount = 0;
    return;
  }
  long double w = 1;
  for (int k = 1; k < n; ++k) w = -w / k;
  for (int i = 0; i < n; ++i) {
    Weights[i] = w;
    w = -w * (n - 1 - i) / (i + 1);
  }
  FCount = n;
}

double TLagrangeProduct::Value(const TSampleSet& set, double t) const {
  if (!set.Samples || set.N <= 0) return 0;
  if (set.N != FCount) return LagrangeValue(set, t);
  const double u = SamplePosition(set, t);
  if (!std::isfinite(u)) return 0;
  long double l = 1, sum = 0;
  for (int i = 0; i < set.N; ++i) {
    // A difference of two finite numbers rounds to 0 only when they are equal: on the node.
    const long double d = static_cast<long double>(u) - i;
    if (d == 0) return set.Samples[i];
    l *= d;
    sum += Weights[i] * set.Samples[i] / d;
  }
  return static_cast<double>(l * sum);
}
