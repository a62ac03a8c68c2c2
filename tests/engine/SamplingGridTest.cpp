#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "engine/SamplingGrid.h"

TEST(SamplingGrid, OriginIsTheGridPointNextToTheIntervalStartOnTheSideOfZero) {
  const struct {
    double T1, T;
    bool AtZero;
    double T0;
  } cases[] = {
      {0, 0.1, true, 0},          {0.25, 0.1, true, 0.2}, {0.25, 0.1, false, 0.25}, {-0.25, 0.1, true, -0.2},
      {-0.25, 0.1, false, -0.25}, {1.0, 0.3, true, 0.9},  {-1.0, 0.3, true, -0.9},  {0.001, 0.002, true, 0},
  };
  for (const auto& c : cases) EXPECT_NEAR(GridOrigin(c.T1, c.T, c.AtZero), c.T0, 1e-12) << c.T1 << " " << c.T;
}

TEST(SamplingGrid, OriginFarFromZeroIsFoundWithoutStepping) {
  // Ten million steps would stall the window; the product gives the same grid point.
  // Within one step of the interval's start, on the side of zero.
  const double right = GridOrigin(1e4 + 0.05, 1e-3, true);
  EXPECT_LE(right, 1e4 + 0.05);
  EXPECT_GT(right, 1e4 + 0.05 - 1e-3);
  const double left = GridOrigin(-1e4 - 0.0005, 1e-3, true);
  EXPECT_GE(left, -1e4 - 0.0005);
  EXPECT_LT(left, -1e4 - 0.0005 + 1e-3);
  EXPECT_EQ(GridOrigin(0.5, 0, true), 0.5);  // no grid without a period
}

TEST(SamplingGrid, PeriodModeCountsTheGridPointsBeforeTheEnd) {
  EXPECT_EQ(CountGridPoints(0, 1, 0.3, 1000), 4);          // 0, 0.3, 0.6, 0.9
  EXPECT_EQ(CountGridPoints(0, 1.001, 0.002, 1000), 501);  // one over the general limit
  EXPECT_EQ(CountGridPoints(0, 1e9, 1e-9, 1000), 1000);    // capped, never endless
  EXPECT_EQ(CountGridPoints(0, 1, 0, 1000), 0);
  EXPECT_EQ(CountGridPoints(0.5, 0.5, 0.1, 1000), 0);
}

TEST(SamplingGrid, MinimumCountAndLargestPeriodStayFinite) {
  const double pi = 3.141592653589793;
  EXPECT_EQ(MinimumCount(0, 1, 10 * pi), 11);
  EXPECT_EQ(MinimumCount(0, 1, 0), 1);
  EXPECT_EQ(MinimumCount(0, 1, 1e300), MaxMinimumCount);
  EXPECT_EQ(MinimumCount(0, 1, std::nan("")), 1);
  EXPECT_DOUBLE_EQ(LargestPeriod(10 * pi, 0, 1), 0.1);
  // A zero or constant signal: the whole interval instead of an infinite period.
  EXPECT_EQ(LargestPeriod(0, -0.5, 0.5), 1);
}

TEST(SamplingGrid, TypedPeriodCorrections) {
  const struct {
    bool Readable;
    double Typed, T1, T2, Expected;
  } cases[] = {
      {false, 0, 0, 1, 0.002}, {true, 0.0001, 0, 1, 0.002},       {true, 5, 0, 1, 0.9},    {true, 1, 0, 1, 0.9},
      {true, 0.3, 0, 1, 0.3},  {true, std::nan(""), 0, 1, 0.002}, {true, 0.5, -2, 2, 0.5},
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(CorrectedPeriod(c.Readable, c.Typed, c.T1, c.T2), c.Expected) << c.Typed;
}

TEST(SamplingGrid, RoundingBeyondAnEndIsPutBack) {
  double t = 0.25;
  for (int i = 0; i < 10; ++i) t = t + 0.1;  // meant to be 1.25
  EXPECT_EQ(SnapToInterval(t, 0.25, 1.25), t > 1.25 ? 1.25 : t);
  EXPECT_EQ(SnapToInterval(1.3, 0.25, 1.25), 1.3);
  EXPECT_EQ(SnapToInterval(0.2, 0.25, 1.25), 0.2);
  EXPECT_EQ(SnapToInterval(0.25 - 1e-15, 0.25, 1.25), 0.25);
  EXPECT_EQ(SnapToInterval(0.7, 0.25, 1.25), 0.7);
}

TEST(SamplingGrid, CountLimitCorrectsCountAndPeriod) {
  int n = 501;
  double T = 0.002;
  EXPECT_TRUE(LimitSampleCount(n, T, 0.001, 1.001, 500));
  EXPECT_EQ(n, 500);
  EXPECT_DOUBLE_EQ(T, 1.0 / 499);
  n = 60;
  EXPECT_TRUE(LimitSampleCount(n, T, 0, 1, 50));
  EXPECT_EQ(n, 50);
  EXPECT_DOUBLE_EQ(T, 1.0 / 49);
  EXPECT_FALSE(LimitSampleCount(n, T, 0, 1, 50));
}

TEST(SamplingGrid, SupportOfADrawnSignal) {
  // A pulse on nodes 3 .. 6 of ten, step 0.1 from x = 1.
  const std::vector<double> y = {0, 0, 0.001, 0.6, 1, 1, 0.7, 0.0001, 0, 0};
  TSupportInput in{y.data(), 10, 1, 1.9, 0.1, 0, 1};
  double t1 = 0, t2 = 0;
  FindSupportInterval(in, 0.5, t1, t2);
  EXPECT_NEAR(t1, 1.3, 1e-12);
  EXPECT_NEAR(t2, 1.6, 1e-12);
  FindSupportInterval(in, 1e-5, t1, t2);
  EXPECT_NEAR(t1, 1.2, 1e-12);
  EXPECT_NEAR(t2, 1.7, 1e-12);
  // A negative peak sets the threshold by its magnitude.
  const std::vector<double> neg = {0, -0.2, -2, -0.1, 0};
  FindSupportInterval({neg.data(), 5, 0, 0.4, 0.1, -2, 0}, 0.5, t1, t2);
  EXPECT_DOUBLE_EQ(t1, 0);  // a single node above the threshold is no support: whole range
  EXPECT_DOUBLE_EQ(t2, 0.4);
  // Nothing drawn: the whole range.
  FindSupportInterval({nullptr, 0, -1, 3, 0.1, 0, 0}, 0.5, t1, t2);
  EXPECT_DOUBLE_EQ(t1, -1);
  EXPECT_DOUBLE_EQ(t2, 3);
}
