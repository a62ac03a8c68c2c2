#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "engine/Basefunctionsunit.h"

namespace {
// The Kotelnikov sum exactly as written: one Sinc per sample, partial sums in double.
double LiteralKotelnikov(const TSampleSet& set, double t) {
  const double u = SamplePosition(set, t);
  double sum = 0;
  for (int i = 0; i < set.N; ++i) sum = sum + Sinc(u - i) * set.Samples[i];
  return sum;
}

double AbsSum(const std::vector<double>& s) {
  double sum = 0;
  for (double v : s) sum += std::fabs(v);
  return sum;
}

TSampleSet SetOf(const std::vector<double>& s, double T, double T0) {
  return TSampleSet{s.data(), static_cast<int>(s.size()), T, T0};
}

double SincSquared(double x) {
  const double y = 3.141592653589793 * x;
  return y == 0 ? 1 : (std::sin(y) / y) * (std::sin(y) / y);
}
}  // namespace

TEST(SampleAccess, OutsideTheSetReadsZero) {
  const std::vector<double> s = {1, 2, 3};
  const TSampleSet set = SetOf(s, 1, 0);
  EXPECT_EQ(SampleAt(set, 0), 1);
  EXPECT_EQ(SampleAt(set, 2), 3);
  EXPECT_EQ(SampleAt(set, -1), 0);
  EXPECT_EQ(SampleAt(set, 3), 0);
  EXPECT_EQ(SampleAt(TSampleSet{}, 0), 0);
}

TEST(LocalSum, TriangleKernelInterpolatesLinearlyAndFadesBeyondTheEnds) {
  const std::vector<double> s = {1, 2, 3};
  const TSampleSet set = SetOf(s, 1, 0);
  EXPECT_EQ(LocalValue(set, Pol0, 0.5), 1.5);
  EXPECT_EQ(LocalValue(set, Pol0, 2), 3);
  EXPECT_EQ(LocalValue(set, Pol0, 2.5), 1.5);
  EXPECT_EQ(LocalValue(set, Pol0, -0.5), 0.5);
  EXPECT_EQ(LocalValue(set, Pol0, 40), 0);
  EXPECT_EQ(LocalValue(set, Pol0, -40), 0);
}

TEST(LocalSum, PositionIsMeasuredFromTheFirstSampleNotFromZero) {
  const std::vector<double> s = {4, 8};
  // Anchored before an interval: s[0] stands at T0 = -0.3, the period is 0.2.
  const TSampleSet set = SetOf(s, 0.2, -0.3);
  EXPECT_NEAR(LocalValue(set, Pol0, -0.2), 6, 1e-12);
  EXPECT_NEAR(LocalValue(set, Pol0, -0.3), 4, 1e-12);
  EXPECT_NEAR(KotelnikovValue(set, -0.1), 8, 1e-12);
}

TEST(LocalSum, LagrangeKernelsReproduceLowDegreePolynomialsInTheInterior) {
  struct TCase {
    TRealFunction Kernel;
    int Degree;
    double Tolerance;  // relative to the largest sample the sum visits
  };
  // Lagrange interpolation through 2(p + 1) samples is exact up to degree 2p + 1; for p = 2, 3
  // the four-decimal coefficients leave a few 1e-4 of every visited sample.
  const TCase cases[] = {{Pol0, 1, 1e-14}, {Pol1, 3, 1e-14}, {Pol2, 5, 2e-3}, {Pol3, 7, 2e-3}};
  constexpr int Count = 40;
  for (const TCase& c : cases) {
    for (int degree = 0; degree <= c.Degree; ++degree) {
      auto q = [degree](double x) { return std::pow((x - 20) / 8, degree) + 0.5; };
      std::vector<double> s(Count);
      for (int j = 0; j < Count; ++j) s[j] = q(j);
      const TSampleSet set = SetOf(s, 1, 0);
      for (double u = 12.05; u < 28; u += 0.731) {
        const double scale = std::pow(12.0 / 8, degree) + 0.5;
        EXPECT_NEAR(LocalValue(set, c.Kernel, u), q(u), c.Tolerance * scale) << "degree " << degree << " at " << u;
      }
    }
  }
}

TEST(LocalSum, UnusableInputReadsZeroWithoutTouchingTheArray) {
  const std::vector<double> s = {1, 2, 3};
  EXPECT_EQ(LocalValue(SetOf(s, 0, 0), Pol1, 1), 0);  // T = 0 gives an infinite position
  EXPECT_EQ(LocalValue(SetOf(s, 0, 0), Pol1, 0), 0);  // 0/0
  EXPECT_EQ(LocalValue(SetOf(s, 1, 0), Pol1, 1e300), 0);
  EXPECT_EQ(LocalValue(SetOf(s, 1, 0), nullptr, 1), 0);
  EXPECT_EQ(LocalValue(TSampleSet{}, Pol1, 1), 0);
}

TEST(KotelnikovSum, ASingleSampleGivesTheSincFunction) {
  const std::vector<double> s = {1};
  const TSampleSet set = SetOf(s, 0.5, 0.2);
  for (double t : {-3.1, -0.05, 0.2, 0.2 + 1e-13, 0.45, 0.7, 1.7, 9.93}) {
    const double u = (t - 0.2) / 0.5;
    EXPECT_NEAR(KotelnikovValue(set, t), Sinc(u), 1e-15) << t;
  }
}

TEST(KotelnikovSum, RebuildsABandLimitedSignalInTheMiddleOfALongRecord) {
  // sinc^2(0.4 t) has no frequency above 0.4 cycles per sample, below the Nyquist 0.5.
  constexpr int Count = 500;
  std::vector<double> s(Count);
  for (int j = 0; j < Count; ++j) s[j] = SincSquared(0.4 * (j - 250));
  const TSampleSet set = SetOf(s, 1, 0);
  for (double t = 240.013; t < 260; t += 0.377)
    EXPECT_NEAR(KotelnikovValue(set, t), SincSquared(0.4 * (t - 250)), 1e-4) << t;
}

TEST(KotelnikovSum, AgreesWithTheTermByTermSumAlsoAHairAwayFromTheNodes) {
  constexpr int Count = 500;
  std::mt19937 random(7);
  std::uniform_real_distribution<double> value(-3, 5);
  std::vector<double> s(Count);
  for (double& v : s) v = value(random);
  const TSampleSet set = SetOf(s, 0.01, -1.3);
  const double tolerance = 1e-12 * AbsSum(s);
  std::vector<double> u = {-700.25, -3.5,  -0.5,   0,      1e-300,    0.5,        250.5,
                           499,     499.5, 520.75, 4000.1, 2e6 + 0.3, -5e9 - 0.25};
  for (int m : {0, 1, 137, 250, 498, 499, -1, 500}) {
    for (double d : {0.0, 1e-15, -1e-15, 1e-12, -1e-12, 1e-9, -1e-9, 1e-5, 0.25, 0.4999999}) u.push_back(m + d);
  }
  for (double position : u) {
    const double t = set.T0 + position * set.T;
    EXPECT_NEAR(KotelnikovValue(set, t), LiteralKotelnikov(set, t), tolerance) << position;
  }
}

TEST(KotelnikovSum, UnusableInputReadsZero) {
  const std::vector<double> s = {1, 2, 3};
  EXPECT_EQ(KotelnikovValue(SetOf(s, 0, 0), 1), 0);
  EXPECT_EQ(KotelnikovValue(SetOf(s, 1, 0), std::nan("")), 0);
  EXPECT_EQ(KotelnikovValue(TSampleSet{}, 1), 0);
  EXPECT_NEAR(KotelnikovValue(SetOf(s, 1, 0), 1e300), 0, 1e-200);
}
