#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "engine/Lagrbfunit.h"

TEST(Lagrange, DocumentedBasisValues) {
  EXPECT_EQ(LagrangeBasis(3, 0, 0), 1);
  EXPECT_EQ(LagrangeBasis(3, 0, 1), 0);
  EXPECT_EQ(LagrangeBasis(3, 0, 0.5), 0.375);
  EXPECT_EQ(LagrangeBasis(1, 0, 17.5), 1);  // no other node: the empty product
}

TEST(Lagrange, EachFactorIsRoundedOnceWithItsProduct) {
  // l_1(0.4) on three nodes is 0.4 * 1.6 = 0.64: with the factor (0.4 - 2)/(1 - 2) kept
  // unrounded until its product is, the result is the double nearest 0.64; rounding the
  // difference 0.4 - 2 first would leave it two units of the last place above.
  EXPECT_EQ(LagrangeBasis(3, 1, 0.4), 0.64);
  EXPECT_EQ(LagrangeBasis(3, 2, 0.2), -0.08);
  EXPECT_EQ(LagrangeBasis(3, 0, 0.6), 0.28);
}

TEST(Lagrange, ThroughSamplesOfAParabolaTheValueIsTheParabola) {
  const std::vector<double> s = {0, 1, 4};
  const TSampleSet set{s.data(), 3, 1, 0};
  EXPECT_EQ(LagrangeValue(set, 3), 9);
  EXPECT_NEAR(LagrangeValue(set, -1.5), 2.25, 1e-14);
}

TEST(Lagrange, ReproducesEveryPolynomialOfDegreeBelowTheSampleCount) {
  constexpr int Count = 12;
  constexpr double T = 0.25, T0 = -1.1;
  auto p = [](double t) {
    // degree 11 with mixed signs, in Horner form for an accurate reference
    double v = 0;
    for (int d = 11; d >= 0; --d) v = v * t + ((d % 3) - 1) * 0.5 / (d + 1);
    return v;
  };
  std::vector<double> s(Count);
  for (int i = 0; i < Count; ++i) s[i] = p(T0 + i * T);
  const TSampleSet set{s.data(), Count, T, T0};
  for (double t = T0 - 0.2; t < T0 + Count * T + 0.2; t += 0.0917) {
    const double scale = 1 + std::fabs(p(t));
    EXPECT_NEAR(LagrangeValue(set, t), p(t), 1e-10 * scale) << t;
  }
}

TEST(Lagrange, NoSamplesGiveZero) { EXPECT_EQ(LagrangeValue(TSampleSet{}, 1), 0); }

TEST(LagrangeBasisSet, BasisFunctionsFollowTheSetsCount) {
  TLagrangeBasis basisSet;
  basisSet.SetCount(7);
  ASSERT_EQ(basisSet.Count(), 7);
  for (int k = 0; k < 7; ++k) {
    const TRealFunction basis = basisSet.Function(k);
    ASSERT_NE(basis, nullptr);
    for (int node = 0; node < 7; ++node) EXPECT_EQ(basis(node), node == k ? 1.0 : 0.0) << k << " at " << node;
  }
  // The same function reads the new count at its next evaluation.
  const TRealFunction first = basisSet.Function(0);
  basisSet.SetCount(2);
  EXPECT_EQ(first(0.5), 0.5);
  EXPECT_EQ(basisSet.Function(-1), nullptr);
  EXPECT_EQ(basisSet.Function(MaxBasisCount), nullptr);
  EXPECT_NE(basisSet.Function(MaxBasisCount - 1), nullptr);
}

TEST(LagrangeBasisSet, CountIsKeptWithinTwoAndFifty) {
  TLagrangeBasis basisSet;
  basisSet.SetCount(1);
  EXPECT_EQ(basisSet.Count(), 2);
  basisSet.SetCount(51);
  EXPECT_EQ(basisSet.Count(), 50);
  basisSet.SetCount(-5);
  EXPECT_EQ(basisSet.Count(), 2);
}
