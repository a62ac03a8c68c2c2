// The methods of the engine with no window: the interpolating function each one plots.
#include <gtest/gtest.h>

#include "EngineTestSignals.h"
#include "ScriptedPlatform.h"
#include "engine/Basefunctionsunit.h"
#include "engine/Lagrbfunit.h"
#include "engine/ResamEngine.h"
#include "numerics/Keeper.h"

namespace {
struct TMethodCase {
  TResamEngine::TMethod Method;
  const char* Name;
  TRealFunction Kernel;  // null: Lagrange
};
const TMethodCase Rows[] = {
    {TResamEngine::MethodKotelnikov, "Kotelnikov", Sinc},
    {TResamEngine::MethodLagrange, "Lagrange", nullptr},
    {TResamEngine::MethodPol0, "Pol0", Pol0},
    {TResamEngine::MethodPol1, "Pol1", Pol1},
    {TResamEngine::MethodPol2, "Pol2", Pol2},
    {TResamEngine::MethodPol3, "Pol3", Pol3},
    {TResamEngine::MethodSpl11, "Spl11", Spl11},
    {TResamEngine::MethodSpl21, "Spl21", Spl21},
    {TResamEngine::MethodSpl31, "Spl31", Spl31},
    {TResamEngine::MethodSpl12, "Spl12", Spl12},
    {TResamEngine::MethodSpl22, "Spl22", Spl22},
    {TResamEngine::MethodSpl32, "Spl32", Spl32},
};

// The interpolating function as the diagram reads it, against the method's own sum.
double Expected(const TResamEngine& engine, const TMethodCase& row, double t) {
  if (!row.Kernel) return LagrangeValue(engine.SampleSet(), t);
  if (row.Kernel == Sinc) return KotelnikovValue(engine.SampleSet(), t);
  return LocalValue(engine.SampleSet(), row.Kernel, t);
}
}  // namespace

TEST(ResamEngineMethod, EachMethodRebuildsTheCurve) {
  TResamEngine engine;
  GiveLibrarySignal(engine, SlowWave, 1, 0);
  for (const TMethodCase& row : Rows) {
    engine.SetMethod(row.Method);
    const TKeeper& curve = engine.CurveSeries();
    for (double t : {0.013, 0.31, 0.5, 0.777}) {
      // The Lagrange curve is the product form; the definition it is checked against carries
      // rounding errors of its own, some 1e-11 near the ends at this count.
      EXPECT_NEAR(curve.GetValue(t), Expected(engine, row, t), row.Kernel ? 1e-12 : 1e-10) << row.Name;
      // Every method rebuilds this smooth signal closely inside the interval.
      EXPECT_NEAR(curve.GetValue(t), SlowWave(t), 0.1) << row.Name << " " << t;
    }
  }
  EXPECT_TRUE(Scripted().Messages.isEmpty());
}
