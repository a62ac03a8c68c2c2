// The engine on its own, with no window: what its commands do that no window shows alone.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "ScriptedPlatform.h"
#include "engine/ResamEngine.h"

namespace {
// 1 V on the closed interval [0, 1]: the analog tabulation's last point, whose running sum may
// land a rounding step past 1, still reads the pulse.
double Rectangle(double t) { return t >= 0 && t <= 1 + 1e-12 ? 1 : 0; }

double Wave(double t) { return std::sin(2 * 3.141592653589793 * 3 * t); }

void GivePulse(TResamEngine& engine, TRealFunction f) {
  engine.FormulaSignal = {f, 1, 0};
  engine.AcceptSignal(TResamEngine::SourceLibrary);
  engine.TakeAnalogSignal(TResamEngine::PeriodFromCount);
}
}  // namespace

// The grid's running sum may carry its last point a rounding step past T2; that sample still
// reads the signal at T2, not the zero beyond it.
TEST(ResamEngine, LastSampleOfAGridThatOvershootsT2IsTakenAtT2) {
  for (int n : {10, 12, 19, 21}) {
    TResamEngine engine;
    GivePulse(engine, Rectangle);
    engine.SetCount(n);
    ASSERT_EQ(engine.N(), n);
    ASSERT_TRUE(engine.Settings().AnchoredAtZero);
    EXPECT_NEAR(engine.SampleValues()[n - 1], 1.0, 1e-9) << "N = " << n;
  }
  EXPECT_TRUE(Scripted().Messages.isEmpty());
}

// Each engine's curves read that engine: a second one with another signal and count changes
// nothing in the first.
TEST(ResamEngine, TwoEnginesKeepTheirOwnSamplesAndCurves) {
  TResamEngine first, second;
  GivePulse(first, Wave);
  first.SetCount(40);
  const std::vector<double> samples(first.SampleValues().begin(), first.SampleValues().end());
  const double t = 0.37;
  const double curve = first.CurveSeries().GetValue(t);
  GivePulse(second, Rectangle);
  second.SetCount(12);
  second.SetMethod(TResamEngine::MethodPol1);
  EXPECT_EQ(std::vector<double>(first.SampleValues().begin(), first.SampleValues().end()), samples);
  EXPECT_EQ(first.CurveSeries().GetValue(t), curve);
  EXPECT_NEAR(curve, Wave(t), 1e-2);
  EXPECT_NE(second.CurveSeries().GetValue(t), curve);
}

// A count, period or interval end that no edit would give is refused at the engine's door with
// the message an unreadable entry gets, and nothing changes.
TEST(ResamEngine, NonFiniteInputIsRefused) {
  TResamEngine engine;
  GivePulse(engine, Wave);
  const double t = engine.T(), t1 = engine.T1(), t2 = engine.T2();
  const std::vector<double> samples(engine.SampleValues().begin(), engine.SampleValues().end());
  const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
  using E = TResamEngine;
  const struct {
    E::TChanges (E::*Command)(double);
    double Value;
  } cases[] = {{&E::SetPeriod, nan}, {&E::SetPeriod, inf}, {&E::SetIntervalStart, nan}, {&E::SetIntervalEnd, -inf}};
  for (const auto& c : cases) {
    Scripted().Messages.clear();
    EXPECT_EQ((engine.*c.Command)(c.Value), E::ChangeNone);
    EXPECT_EQ(Scripted().Messages,
              QStringList{QStringLiteral(
                  "Строка ввода имеет некорректный формат или пуста. \n Значение параметра восстановлено.")});
  }
  EXPECT_EQ(engine.T(), t);
  EXPECT_EQ(engine.T1(), t1);
  EXPECT_EQ(engine.T2(), t2);
  EXPECT_EQ(std::vector<double>(engine.SampleValues().begin(), engine.SampleValues().end()), samples);
  EXPECT_EQ(engine.PeriodFor(true, nan), engine.PeriodFor(false, 0));
  Scripted().Messages.clear();
}
