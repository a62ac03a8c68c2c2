#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "numerics/Mathlib.h"
#include "sourcedata/PolyGarmSignal.h"

namespace {
constexpr double HalfPi = 1.5707963267948966;

void OnlyHarmonic(TPolyGarmSignal& signal, int n, double amplitude, double phase) {
  for (int i = 0; i < HarmonicCount; ++i) signal.SetAmplitude(i, i == n ? amplitude : 0);
  signal.SetPhase(n, phase);
}
}  // namespace

TEST(PolyGarmSignal, InitiallyTheZeroSignalOnePeriodOfTheDefaultFundamental) {
  TPolyGarmSignal signal;
  EXPECT_EQ(signal.SignalValue(0), 0);
  EXPECT_EQ(signal.SignalValue(0.37), 0);
  EXPECT_DOUBLE_EQ(signal.GetPeriod(), 2 * Pi / 6.28318);
  for (int n = 2; n < HarmonicCount; ++n) EXPECT_DOUBLE_EQ(signal.GetFrequency(n), n * 6.28318) << n;
  EXPECT_EQ(signal.GetFrequency(0), 0);
  for (int n = 0; n < HarmonicCount; ++n) EXPECT_TRUE(signal.IsOn(n));
}

TEST(PolyGarmSignal, RectangularPresetAtZeroAndItsPeriod) {
  TPolyGarmSignal signal;
  signal.SetFrequencyHz(true);
  signal.SetPhaseDegrees(true);
  signal.SetOn(4, false);  // check marks are left as they are
  signal.SetRectangular();
  EXPECT_FALSE(signal.IsFrequencyHz());
  EXPECT_FALSE(signal.IsPhaseDegrees());
  EXPECT_FALSE(signal.IsOn(4));
  EXPECT_NEAR(signal.SignalValue(0), 0.5 + 0.637 - 0.212 + 0.127 - 0.091 + 0.071, 1e-15);
  EXPECT_DOUBLE_EQ(signal.GetPeriod(), 1);
  // A square wave of half amplitude 0.5 around 0.5: high in the middle, low at the edge.
  EXPECT_NEAR(signal.SignalValue(0.5), 0.5 - 0.637 + 0.212 - 0.127 + 0.091 - 0.071, 1e-12);
}

TEST(PolyGarmSignal, SawtoothPresetIsASumOfSines) {
  TPolyGarmSignal signal;
  signal.SetSawtooth();
  const double a[] = {0, 0.405, 0.318, 0.045, 0.159, 0.016, 0.106, 0.0083, 0.08, 0.005};
  const double p[] = {-HalfPi, -HalfPi, -HalfPi, HalfPi, HalfPi, -HalfPi, -HalfPi, HalfPi, HalfPi, -HalfPi};
  for (double t : {0.0, 0.13, 0.4}) {
    double expected = 0;
    for (int n = 1; n < HarmonicCount; ++n) expected += a[n] * std::cos(2 * Pi * n * t + p[n]);
    EXPECT_NEAR(signal.SignalValue(t), expected, 1e-12) << t;
  }
  EXPECT_NEAR(signal.SignalValue(0), 0, 1e-15);
}

TEST(PolyGarmSignal, UnitsChangeHowTheNumbersAreRead) {
  TPolyGarmSignal signal;
  signal.SetFundamental(1);
  signal.SetFrequencyHz(true);
  EXPECT_EQ(signal.GetPeriod(), 1);
  OnlyHarmonic(signal, 3, 1, 0);
  for (double t : {0.0, 0.1, 0.27}) EXPECT_NEAR(signal.SignalValue(t), std::cos(2 * Pi * 3 * t), 1e-14) << t;
  signal.SetFrequencyHz(false);
  EXPECT_DOUBLE_EQ(signal.GetPeriod(), 2 * Pi);

  OnlyHarmonic(signal, 1, 2, 90);
  signal.SetPhaseDegrees(true);
  const double inDegrees = signal.SignalValue(0.3);
  signal.SetPhaseDegrees(false);
  signal.SetPhase(1, HalfPi);
  EXPECT_NEAR(inDegrees, signal.SignalValue(0.3), 1e-15);
}

TEST(PolyGarmSignal, UncheckedHarmonicsLeaveTheSumButKeepTheirValues) {
  TPolyGarmSignal signal;
  signal.SetRectangular();
  signal.SetOn(0, false);
  EXPECT_NEAR(signal.SignalValue(0), 0.637 - 0.212 + 0.127 - 0.091 + 0.071, 1e-15);
  EXPECT_EQ(signal.GetAmplitude(0), 0.5);
}

TEST(PolyGarmSignal, FundamentalIsKeptInItsRangeAndDrivesTheOthers) {
  TPolyGarmSignal signal;
  signal.SetFundamental(20);
  EXPECT_EQ(signal.GetFrequency(1), 10);
  for (int n = 2; n < HarmonicCount; ++n) EXPECT_EQ(signal.GetFrequency(n), 10 * n);
  signal.SetFundamental(0);
  EXPECT_EQ(signal.GetPeriod(), 2 * Pi / 0.1);
  signal.SetAmplitude(2, 11);
  signal.SetPhase(2, -500);
  EXPECT_EQ(signal.GetAmplitude(2), 10);
  EXPECT_EQ(signal.GetPhase(2), -400);
  signal.SetAmplitude(HarmonicCount, 1);  // ignored
  EXPECT_EQ(signal.GetAmplitude(HarmonicCount), 0);
}

TEST(PolyGarmSignal, RandomSetDrawsAmplitudesThenPhasesInRange) {
  TPolyGarmSignal signal;
  signal.SetAmplitude(0, 3);
  signal.Seed(1234);
  signal.SetRandom();
  std::mt19937 reference(1234);
  for (int n = 1; n < HarmonicCount; ++n)
    EXPECT_DOUBLE_EQ(signal.GetAmplitude(n), ((reference() >> 1) % 10000) * 0.001) << n;
  for (int n = 1; n < HarmonicCount; ++n)
    EXPECT_DOUBLE_EQ(signal.GetPhase(n), ((reference() >> 1) % 62832) * 0.0001 - Pi) << n;
  EXPECT_EQ(signal.GetAmplitude(0), 0);
  EXPECT_EQ(signal.GetPhase(0), 0);
  for (int round = 0; round < 50; ++round) {
    signal.SetRandom();
    for (int n = 1; n < HarmonicCount; ++n) {
      EXPECT_GE(signal.GetAmplitude(n), 0);
      EXPECT_LE(signal.GetAmplitude(n), 9.999 + 1e-12);
      EXPECT_GE(signal.GetPhase(n), -Pi);
      EXPECT_LT(signal.GetPhase(n), Pi);
    }
  }
}

TEST(PolyGarmSignal, ClosingWithoutConfirmingRestoresEverything) {
  TPolyGarmSignal signal;
  signal.SetRectangular();
  signal.BeginShow();
  signal.SetSawtooth();
  signal.SetOn(2, false);
  signal.SetFrequencyHz(true);
  signal.SetPhaseDegrees(true);
  signal.SetFundamental(3);
  signal.Reject();
  signal.Close();
  EXPECT_NEAR(signal.SignalValue(0), 1.032, 1e-15);
  EXPECT_TRUE(signal.IsOn(2));
  EXPECT_FALSE(signal.IsFrequencyHz());
  EXPECT_FALSE(signal.IsPhaseDegrees());
  EXPECT_DOUBLE_EQ(signal.GetPeriod(), 1);

  signal.BeginShow();
  signal.SetFundamental(3);
  signal.Accept();
  signal.Close();
  EXPECT_TRUE(signal.IsAccepted());
  EXPECT_EQ(signal.GetFrequency(1), 3);
}

// Two fragments, two curves: a change of one object reaches its own curve only.
TEST(PolyGarmSignal, EachCurveReadsItsOwnObject) {
  TPolyGarmSignal rectangular, sawtooth;
  rectangular.SetRectangular();
  sawtooth.SetSawtooth();
  const TRealFunction first = rectangular.SignalFunction(), second = sawtooth.SignalFunction();
  rectangular.SetAmplitude(0, 3);
  for (double t : {0.2, 1.3}) {
    EXPECT_EQ(first(t), rectangular.SignalValue(t));
    EXPECT_EQ(second(t), sawtooth.SignalValue(t));
    EXPECT_NE(first(t), second(t));
  }
}
