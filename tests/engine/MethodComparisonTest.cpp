// Every method's error figures against the signal itself, computed by the engine without a
// window and checked against a direct computation over the same 4000 points.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>

#include "ScriptedPlatform.h"
#include "engine/Basefunctionsunit.h"
#include "engine/ResamEngine.h"
#include "numerics/Keeper.h"

namespace {
using E = TResamEngine;

double Pulse(double t) { return std::exp(-t * t); }

// The definition of each figure, with the literal Lagrange sum: largest, RMS, relative, SNR.
std::vector<double> Direct(const E& engine, E::TMethod method, const std::function<double(double)>& signal) {
  const TSampleSet set = engine.SampleSet();
  double errors = 0, squares = 0, largest = 0;
  for (int k = 0; k < ComparisonCount; ++k) {
    const double t = engine.T1() + k * (engine.T2() - engine.T1()) / (ComparisonCount - 1);
    const double e = signal(t) - (method == E::MethodKotelnikov ? KotelnikovValue(set, t)
                                  : method == E::MethodLagrange ? LagrangeValue(set, t)
                                                                : LocalValue(set, Pol0, t));
    largest = std::fmax(largest, std::fabs(e));
    errors += e * e, squares += signal(t) * signal(t);
  }
  const double rms = std::sqrt(errors / ComparisonCount), ratio = rms / std::sqrt(squares / ComparisonCount);
  return {largest, rms, 100 * ratio, 20 * std::log10(1 / ratio)};
}

std::vector<double> Values(const TErrorFigures& f) { return {f.MaxError, f.RmsError, f.RelativeRms, f.Snr}; }
}  // namespace

// Two signals (a library pulse, a drawing) and three methods; linear interpolation of the
// smooth pulse at 500 samples has a true error near 1e-6, which the figures must resolve.
TEST(MethodComparison, FiguresAgreeWithADirectComputation) {
  double drawn[101];
  for (int i = 0; i <= 100; ++i) drawn[i] = std::pow(std::sin(3.141592653589793 * i / 100), 2);
  TKeeper curve;
  curve.SetArray(drawn, 101, 0, 1);
  const struct {
    bool Drawn;
    E::TMethod Method;
    int Count;
    double Largest;  // bound on the largest error
  } cases[] = {{false, E::MethodKotelnikov, 40, 0.2}, {false, E::MethodPol0, 500, 3e-6},
               {false, E::MethodLagrange, 8, 1e-5},   {true, E::MethodKotelnikov, 60, 0.1},
               {true, E::MethodPol0, 60, 0.01},       {true, E::MethodLagrange, 10, 0.1}};
  for (const auto& c : cases) {
    E engine;
    engine.SetAnchoredAtZero(false);
    engine.SetMethod(c.Method);
    engine.DrawnSignal = {&curve, drawn, 101};
    engine.FormulaSignal = {Pulse, 1, 1};
    engine.AcceptSignal(c.Drawn ? E::SourceEditor : E::SourceLibrary);
    engine.TakeAnalogSignal(E::PeriodFromCount);
    engine.SetCount(c.Count);
    const std::vector<double> d =
        Direct(engine, c.Method, [&](double t) { return c.Drawn ? curve.GetValue(t) : Pulse(t); });
    const TErrorFigures f = engine.MethodFigures(c.Method);
    // The Lagrange product form and the definition differ by their roundings, some 1e-15 V.
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(Values(f)[i], d[i], 1e-6 * std::fabs(d[i])) << c.Drawn << c.Method << i;
    EXPECT_TRUE(f.MaxError > 0 && f.MaxError < c.Largest) << f.MaxError;
    // The error tab's figures are the current method's, to the bit; asking for another
    // method's changes neither the method nor the curve.
    EXPECT_EQ(Values(engine.ErrorFigures()), Values(f));
    const double t = 0.5 * (engine.T1() + engine.T2()), shown = engine.CurveSeries().GetValue(t);
    EXPECT_TRUE(engine.MethodFigures(E::MethodSpl32).Known() && engine.Method() == c.Method);
    EXPECT_EQ(engine.CurveSeries().GetValue(t), shown);
  }
  EXPECT_TRUE(Scripted().Messages.isEmpty());
}

// A figure that cannot be computed is NaN, never infinite: a zero signal's relative figures, a
// non-finite value on the grid, the ratio of an error that is zero everywhere.
TEST(MethodComparison, FiguresThatCannotBeComputedAreNaN) {
  TErrorMeasure zero, broken, exact;
  zero.Add(0, 0.5);
  broken.Add(1, 0);
  broken.Add(HUGE_VAL, 0);
  exact.Add(2, 2);
  const TErrorFigures z = zero.Figures(), b = broken.Figures(), x = exact.Figures();
  EXPECT_TRUE(z.Known() && z.MaxError == 0.5 && z.RmsError == 0.5 && std::isnan(z.RelativeRms) && std::isnan(z.Snr));
  EXPECT_TRUE(std::isnan(b.MaxError) && std::isnan(b.RmsError) && std::isnan(b.RelativeRms) && std::isnan(b.Snr));
  EXPECT_TRUE(x.RelativeRms == 0 && std::isnan(x.Snr));
}

// At MaxLagrangeCount samples, the limit itself, Lagrange has figures on the comparison row
// (whatever the current method) and on the error tab; one sample more leaves only the gap.
TEST(MethodComparison, LagrangeHasFiguresUpToItsLimit) {
  const struct {
    E::TMethod Method;
    int Count;
    TFiguresGap Gap;
  } cases[] = {{E::MethodLagrange, E::MaxLagrangeCount, TFiguresGap::None},
               {E::MethodKotelnikov, E::MaxLagrangeCount, TFiguresGap::None},
               {E::MethodKotelnikov, E::MaxLagrangeCount + 1, TFiguresGap::LagrangeLimit}};
  for (const auto& c : cases) {
    const auto engine = std::make_unique<E>();
    engine->SetMethod(c.Method);
    engine->FormulaSignal = {Pulse, 1, 1};
    engine->AcceptSignal(E::SourceLibrary);
    engine->TakeAnalogSignal(E::PeriodFromCount);
    engine->SetCount(c.Count);
    ASSERT_EQ(engine->N(), c.Count);
    const TErrorFigures f = engine->MethodFigures(E::MethodLagrange);
    EXPECT_EQ(int(f.Gap), int(c.Gap)) << "Lagrange's gap, method " << c.Method << ", N = " << c.Count;
    EXPECT_EQ(std::isfinite(f.RmsError) && std::isfinite(f.MaxError), c.Gap == TFiguresGap::None) << c.Count;
    if (c.Method == E::MethodLagrange) {
      EXPECT_TRUE(engine->ErrorFigures().Known() && Values(engine->ErrorFigures()) == Values(f)) << c.Count;
    }
  }
}
