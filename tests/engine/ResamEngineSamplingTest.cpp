// Sampling set-up of the engine with no window: the grid anchoring, the count a new signal
// takes, short and long tables, a zero signal and the edge guard of a flat-topped drawing.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "EngineTestSignals.h"
#include "ScriptedPlatform.h"
#include "engine/ResamEngine.h"
#include "numerics/Keeper.h"

namespace {
const QString Limit500 = QStringLiteral("Количество отсчётов должно быть не более 500");
const QString Limit50 =
    QStringLiteral("Интерполяция многочленом Лагранжа доступна только при количестве отсчётов не более 50");

// The one-sided test signal on [0, 1], the interval then moved to [t1, t2] as a user types it.
void SignalOn(TResamEngine& engine, double t1, double t2) {
  GiveLibrarySignal(engine, SlowWave, 1, 0);
  engine.SetIntervalEnd(t2);
  engine.SetIntervalStart(t1);
  ASSERT_DOUBLE_EQ(engine.T1(), t1);
  ASSERT_DOUBLE_EQ(engine.T2(), t2);
}
}  // namespace

TEST(ResamEngineSampling, GridAnchoringInCountMode) {
  const struct {
    double T1, T2;
    bool AtZero;
    double T0;
  } cases[] = {{0, 1, true, 0},
               {0.25, 1.25, true, 0.2},
               {0.25, 1.25, false, 0.25},
               {-0.25, 0.75, true, -0.2},
               {-0.25, 0.75, false, -0.25}};
  for (const auto& c : cases) {
    TResamEngine engine;
    SignalOn(engine, c.T1, c.T2);
    engine.SetAnchoredAtZero(c.AtZero);
    engine.SetCount(11);
    EXPECT_EQ(engine.N(), 11);
    EXPECT_NEAR(engine.T(), 0.1, 1e-12);
    EXPECT_NEAR(engine.T0(), c.T0, 1e-9) << c.T1 << (c.AtZero ? " at zero" : " at start");
    const TKeeper& samples = engine.SampleSeries();
    EXPECT_EQ(samples.GetCount(), 11);
    EXPECT_NEAR(samples.GetXmin(), c.T0, 1e-9);
    // Each sample is the analog signal at its own grid point, 0 outside the interval.
    for (int i = 0; i < 11; ++i) {
      const double t = engine.T0() + i * engine.T();
      const bool inside = t > engine.T1() - 1e-12 && t < engine.T2() + 1e-12;
      EXPECT_NEAR(engine.SampleValues()[i], inside ? SlowWave(t) : 0, 1e-3) << i << " at " << t;
    }
  }
  EXPECT_TRUE(Scripted().Messages.isEmpty());
}

TEST(ResamEngineSampling, ANewSignalTakesTwiceNminWithinTheLimit) {
  TResamEngine engine;
  GiveLibrarySignal(engine, FastWave, 1, 0);
  EXPECT_GT(2 * engine.Nmin(), 500);
  EXPECT_EQ(Scripted().Messages, QStringList{Limit500});
  EXPECT_EQ(engine.N(), 500);
  EXPECT_NEAR(engine.T(), 1.0 / 499, 1e-15);
  Scripted().Messages.clear();

  TResamEngine slow;
  GiveLibrarySignal(slow, SlowWave, 1, 0);
  EXPECT_EQ(slow.N(), 2 * slow.Nmin());
  EXPECT_NEAR(slow.T(), 1.0 / (slow.N() - 1), 1e-12);  // count mode derives T from N again
  EXPECT_TRUE(Scripted().Messages.isEmpty());
}

TEST(ResamEngineSampling, ShortAndLongTablesArePaddedOrLimited) {
  TResamEngine engine;
  const double one[] = {5};
  GiveTableSignal(engine, one, 1);
  EXPECT_EQ(engine.N(), 2);
  EXPECT_EQ(engine.SampleValues()[1], 0);
  EXPECT_EQ(engine.T2(), engine.T());
  GiveTableSignal(engine, nullptr, 0);
  EXPECT_EQ(engine.N(), 2);
  EXPECT_TRUE(Scripted().Messages.isEmpty());

  engine.SetMethod(TResamEngine::MethodLagrange);
  double many[51];
  for (int i = 0; i < 51; ++i) many[i] = i;
  GiveTableSignal(engine, many, 51);
  EXPECT_EQ(Scripted().Messages, QStringList{Limit50});
  EXPECT_EQ(engine.N(), 50);
}

TEST(ResamEngineSampling, ZeroSignalGivesFiniteQuantities) {
  TResamEngine engine;
  GiveLibrarySignal(engine, Zero, 0.5, 1);
  EXPECT_EQ(engine.T1(), -0.25);
  EXPECT_TRUE(std::isfinite(engine.Wm()));
  EXPECT_GE(engine.N(), 2);
  EXPECT_TRUE(std::isfinite(engine.T()) && engine.T() > 0);
  for (int i = 0; i < engine.N(); ++i) EXPECT_EQ(engine.SampleValues()[i], 0);
  EXPECT_TRUE(Scripted().Messages.isEmpty());
}

TEST(ResamEngineSampling, DrawnFlatToppedSignalShortensThePeriodBelowAHundredSamples) {
  // A drawn rectangle on nodes 30 .. 70 of 101 over [0, 1]: its support at half height and
  // at the least level are the same, so the edge guard is on.
  double values[101] = {};
  for (int i = 30; i <= 70; ++i) values[i] = 1;
  TKeeper curve;
  curve.SetArray(values, 101, 0, 1);
  TResamEngine engine;
  GiveDrawnSignal(engine, curve, values, 101);
  EXPECT_NEAR(engine.T1(), 0.3, 1e-12);
  EXPECT_NEAR(engine.T2(), 0.7, 1e-12);
  EXPECT_TRUE(engine.EdgeGuard());
  engine.SetCount(50);
  EXPECT_NEAR(engine.T(), 0.99 * 0.4 / 49, 1e-15);
  engine.SetCount(100);
  EXPECT_NEAR(engine.T(), 0.4 / 99, 1e-15);

  // A triangle reaches half height on a narrower support: no guard.
  for (int i = 0; i <= 100; ++i) values[i] = std::max(0.0, 1 - std::fabs(i - 50) / 20.0);
  curve.SetArray(values, 101, 0, 1);
  GiveDrawnSignal(engine, curve, values, 101);
  EXPECT_FALSE(engine.EdgeGuard());
  engine.SetCount(50);
  EXPECT_NEAR(engine.T(), (engine.T2() - engine.T1()) / 49, 1e-15);
  EXPECT_TRUE(Scripted().Messages.isEmpty());
}
