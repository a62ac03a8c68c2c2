#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "numerics/Mathlib.h"

namespace {
int Calls = 0;
double CountingSquare(double x) {
  ++Calls;
  return x * x;
}
double Identity(double x) { return x; }
}  // namespace

TEST(MathlibBounds, OrderSwapsAndRefusesEmptyIntervals) {
  double a = 2, b = 1;
  EXPECT_TRUE(Order(a, b));
  EXPECT_EQ(a, 1);
  EXPECT_EQ(b, 2);
  a = b = 1;
  EXPECT_FALSE(Order(a, b));
  double n = std::nan(""), m = 1;
  EXPECT_FALSE(Order(n, m));
}

TEST(MathlibBounds, RaiseAndLowerMoveOnlyPastTheLimit) {
  double x = 3;
  EXPECT_TRUE(RaiseTo(5, x));
  EXPECT_EQ(x, 5);
  EXPECT_FALSE(RaiseTo(5, x));
  x = 7;
  EXPECT_TRUE(LowerTo(5, x));
  EXPECT_EQ(x, 5);
  EXPECT_FALSE(LowerTo(5, x));
  int i = 3;
  EXPECT_TRUE(RaiseToInt(4, i));
  EXPECT_EQ(i, 4);
  EXPECT_FALSE(LowerToInt(4, i));
  EXPECT_TRUE(LowerToInt(2, i));
  EXPECT_EQ(i, 2);
}

TEST(MathlibExtremes, ArrayAndFunctionScans) {
  const double a[] = {3, -1, 2};
  double lo = 0, hi = 0;
  ArrayMinMax(a, 3, lo, hi);
  EXPECT_EQ(lo, -1);
  EXPECT_EQ(hi, 3);

  Calls = 0;
  FunctionMinMax(CountingSquare, 1, -1, 0, lo, hi);  // reversed bounds are ordered; 0 points mean 100
  EXPECT_EQ(Calls, 101);                             // the first value is read once more before the scan
  EXPECT_NEAR(hi, 1, 1e-12);                         // the running sum may overshoot the bound by a rounding
  EXPECT_NEAR(lo, 0, 1e-3);

  FunctionMinMax(Identity, 2, 2, 5, lo, hi);
  EXPECT_EQ(lo, 2);
  EXPECT_EQ(hi, 2);
  FunctionMinMax(Identity, 0, 1, 1, lo, hi);  // one point: no step, no division by zero
  EXPECT_EQ(lo, 0);
  EXPECT_EQ(hi, 0);
}

TEST(MathlibWeights, TriangleKernel) {
  EXPECT_DOUBLE_EQ(TriangleWeight(0.25, 1), 0.75);
  EXPECT_DOUBLE_EQ(TriangleWeight(-0.25, -1), 0.75);
  EXPECT_EQ(TriangleWeight(1, 1), 0);
  EXPECT_EQ(TriangleWeight(0.5, 0), 0);
}

TEST(MathlibCombinatorics, BinomialTableAndFactorials) {
  EXPECT_EQ(Binomial(10, 3), 120);
  EXPECT_EQ(Binomial(12, 5), 792);
  EXPECT_EQ(Binomial(20, 10), 184756);
  EXPECT_EQ(Binomial(3, 5), 0);
  EXPECT_EQ(Binomial(-1, 0), 0);
  EXPECT_EQ(Binomial(7, 0), 1);
  EXPECT_EQ(Binomial(7, 7), 1);
  for (int n = 0; n <= 10; ++n)
    for (int k = 1; k < n; ++k) EXPECT_EQ(Binomial(n, k), Binomial(n - 1, k - 1) + Binomial(n - 1, k)) << n << " " << k;
  EXPECT_EQ(Binomial(1000, 500), std::numeric_limits<int>::max());  // beyond the int range: saturated

  EXPECT_EQ(Factorial(-4), 24);
  EXPECT_EQ(Factorial(0), 1);
  EXPECT_EQ(Factorial(20), 2432902008176640000.0L);
  const long double exact21 = 51090942171709440000.0L;
  EXPECT_LT(std::fabs(Factorial(21) / exact21 - 1), 3e-4L);
  EXPECT_NE(Factorial(21), exact21);  // Stirling's value, not the exact one
}

TEST(MathlibCombinatorics, MinusOnePowerFollowsTheLowestBit) {
  EXPECT_EQ(MinusOnePower(-3), -1);
  EXPECT_EQ(MinusOnePower(-2), 1);
  EXPECT_EQ(MinusOnePower(0), 1);
  EXPECT_EQ(MinusOnePower(7), -1);
}
