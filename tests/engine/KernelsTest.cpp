#include <gtest/gtest.h>

#include <cmath>

#include "NamedKernels.h"
#include "engine/Basefunctionsunit.h"

namespace {
// Coefficients are rounded to four decimals: each of at most eight terms may be off by 5e-5.
constexpr double CoefficientRounding = 8 * 5e-5;
}  // namespace

TEST(Kernels, SincValuesAtZeroAndAtTheNodes) {
  EXPECT_EQ(Sinc(0), 1.0);
  // pi is rounded, so sin(pi)/pi is tiny but not zero.
  EXPECT_NE(Sinc(1), 0.0);
  EXPECT_NEAR(Sinc(1), 3.9e-17, 1e-18);
  EXPECT_NEAR(Sinc(0.5), 2 / 3.141592653589793, 1e-16);
  EXPECT_EQ(Sinc(-0.3), Sinc(0.3));
}

TEST(Kernels, DocumentedValuesOfTheLocalKernels) {
  EXPECT_EQ(Pol0(0.25), 0.75);
  EXPECT_EQ(Pol0(1), 0.0);
  EXPECT_EQ(Pol0(1.5), 0.0);
  EXPECT_NEAR(Pol1(1), 0.0, 1e-15);
  EXPECT_NEAR(Pol1(2), 0.0, 1e-15);
  EXPECT_EQ(Pol1(2.0001), 0.0);
  EXPECT_EQ(Spl11(1), 0.0);
  EXPECT_NEAR(Spl11(0.5), 0.567675, 1e-15);
  EXPECT_EQ(Spl22(-0.3), Spl22(0.3));
  // Pol1's second piece, from the cubic Lagrange weight (x-1)(x-2)(3-x)/6 at x = 1.5.
  EXPECT_NEAR(Pol1(1.5), -0.0625, 1e-15);
}

TEST(Kernels, EveryKernelIsOneAtZeroEvenAndZeroBeyondItsSupport) {
  for (const TNamedKernel& k : LocalKernels) {
    SCOPED_TRACE(k.Name);
    EXPECT_EQ(k.Kernel(0), 1.0);
    for (double x : {0.1, 0.5, 0.99, 1.0, 1.7, 2.5, 3.2, 3.999}) EXPECT_EQ(k.Kernel(-x), k.Kernel(x));
    EXPECT_EQ(k.Kernel(k.Order + 1 + 1e-9), 0.0);
    EXPECT_EQ(k.Kernel(-(k.Order + 1.5)), 0.0);
    EXPECT_EQ(k.Kernel(std::nan("")), 0.0);
    EXPECT_EQ(k.Kernel(1e300), 0.0);
  }
}

TEST(Kernels, PiecesMeetAtTheirBoundariesWithinTheCoefficientRounding) {
  constexpr double Below = 1e-12;
  for (const TNamedKernel& k : LocalKernels) {
    SCOPED_TRACE(k.Name);
    for (int boundary = 1; boundary <= k.Order; ++boundary)
      EXPECT_NEAR(k.Kernel(boundary - Below), k.Kernel(boundary), CoefficientRounding) << boundary;
    // An interpolating kernel vanishes at every other node.
    for (int node = 1; node <= k.Order + 1; ++node) EXPECT_NEAR(k.Kernel(node), 0.0, CoefficientRounding) << node;
  }
}

TEST(Kernels, TheLastPieceIncludesTheEndOfTheSupport) {
  // Pol3's last piece does not reach exactly 0 at x = 4 with the rounded coefficients;
  // the value there is that of the piece, not the 0 outside.
  EXPECT_NEAR(Pol3(4), 0.0001, 1e-12);
  EXPECT_EQ(Pol3(4.0000001), 0.0);
}
