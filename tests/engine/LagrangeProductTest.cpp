// The product form of the Lagrange polynomial against its definition.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "engine/LagrangeProduct.h"
#include "engine/Lagrbfunit.h"

namespace {
// The definition in quadruple precision (113 bits): its own rounding lies some 1e17 times below
// the double errors compared, so it stands for the exact rational value.
__float128 Reference(const std::vector<double>& s, double u) {
  __float128 sum = 0;
  for (int k = 0; k < int(s.size()); ++k) {
    __float128 above = 1, below = 1;
    for (int i = 0; i < int(s.size()); ++i)
      if (i != k) above *= __float128(u) - i, below *= k - i;
    sum += above / below * s[k];
  }
  return sum;
}

double ErrorOf(double value, __float128 reference) { return std::fabs(double(__float128(value) - reference)); }
}  // namespace

// Over the plotted range [T0 - 2T, T0 + (N + 1) T], points a hair from each node included, the
// largest error is at most twice the definition's; on the nodes the samples come back exactly.
TEST(LagrangeProduct, NoLessAccurateThanTheDefinitionAndExactOnTheNodes) {
  for (int n : {10, 30, 50}) {
    std::vector<double> s(n);
    for (int i = 0; i < n; ++i) s[i] = std::sin(0.37 * i) + 0.1 * std::cos(1.9 * i * i);
    const TSampleSet set{s.data(), n, 0.02, -0.3};
    TLagrangeProduct product;
    product.Prepare(n);
    std::vector<double> times;
    for (int k = 0; k < 600; ++k) times.push_back(set.T0 + set.T * (-2 + k * (n + 3.0) / 599));
    for (int i = 0; i < n; ++i)
      for (double hair : {-1e-9, 1e-9}) times.push_back(set.T0 + (i + hair) * set.T);
    double worstProduct = 0, worstDefinition = 0;
    for (double t : times) {
      const __float128 exact = Reference(s, SamplePosition(set, t));
      worstProduct = std::fmax(worstProduct, ErrorOf(product.Value(set, t), exact));
      worstDefinition = std::fmax(worstDefinition, ErrorOf(LagrangeValue(set, t), exact));
    }
    EXPECT_LE(worstProduct, 2 * worstDefinition) << "N = " << n << ", definition " << worstDefinition;
    const TSampleSet unit{s.data(), n, 1, 0};  // t = i is exactly the node i
    for (int i = 0; i < n; ++i) EXPECT_EQ(product.Value(unit, i), s[i]) << n << " " << i;
  }
}
