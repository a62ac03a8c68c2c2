// The terms of the interpolating function: they add up to it, and the ones chosen for a view
// are those of the samples nearest its middle among the samples whose terms reach it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

#include "engine/ResamEngine.h"

namespace {
using E = TResamEngine;

double Wave(double t) {
  return std::sin(2 * 3.141592653589793 * 3 * t) + 0.4 * std::cos(2 * 3.141592653589793 * 5 * t);
}

void GiveWave(E& engine, E::TMethod method, int count) {
  engine.SetMethod(method);
  engine.FormulaSignal = {Wave, 1, 0};
  engine.AcceptSignal(E::SourceLibrary);
  engine.TakeAnalogSignal(E::PeriodFromCount);
  engine.SetCount(count);
}
}  // namespace

// Tried across the view, on the nodes and a hair beside them, where the sums are most delicate.
TEST(ReconstructionTerms, AddUpToTheInterpolatingFunction) {
  for (E::TMethod method : {E::MethodKotelnikov, E::MethodPol1, E::MethodSpl32, E::MethodLagrange}) {
    E engine;
    GiveWave(engine, method, 13);
    const TViewRange& view = engine.SignalView();
    engine.ChooseTerms(view.Xmin, view.Xmax);
    const TReconstructionTerms& terms = engine.Terms();
    ASSERT_EQ(terms.Count(), 13) << method;
    ASSERT_EQ(terms.Reaching(), 13);
    std::vector<double> times;
    for (int i = 0; i <= 600; ++i) times.push_back(view.Xmin + (view.Xmax - view.Xmin) * i / 600);
    for (int i = -1; i <= 13; ++i)
      for (double hair : {0.0, 1e-9, -1e-9}) times.push_back(engine.T0() + (i + hair) * engine.T());
    double worst = 0, peak = 0;
    for (double s : engine.SampleValues()) peak = std::max(peak, std::fabs(s));
    for (double t : times) {
      double sum = 0;
      for (int k = 0; k < terms.Count(); ++k) sum += terms.Function(k)(t);
      worst = std::max(worst, std::fabs(sum - engine.CurveSeries().GetValue(t)));
    }
    EXPECT_LE(worst, 1e-12 * peak) << "method " << method;
  }
}

// Against a brute-force choice: every sample whose term is not zero somewhere in the view,
// sorted by distance from the view's middle, the nearest MaxShownTerms kept.
TEST(ReconstructionTerms, ChoosesTheSamplesNearestTheMiddleOfTheView) {
  const struct {
    E::TMethod Method;
    int Count;
    double From, To;  // the view, as shares of the interval [T1, T2]
  } cases[] = {{E::MethodKotelnikov, 500, 0.2, 0.6}, {E::MethodKotelnikov, 500, 0.9, 3.0},
               {E::MethodKotelnikov, 40, -1, 2},     {E::MethodPol0, 500, 0.40, 0.42},
               {E::MethodSpl31, 300, -0.5, 0.05},    {E::MethodPol3, 200, 2, 3}};
  for (const auto& c : cases) {
    E engine;
    GiveWave(engine, c.Method, c.Count);
    const double xmin = engine.T1() + c.From * (engine.T2() - engine.T1());
    const double xmax = engine.T1() + c.To * (engine.T2() - engine.T1());
    engine.ChooseTerms(xmin, xmax);
    std::vector<int> reaching;
    for (int i = 0; i < engine.N(); ++i) {
      bool nonzero = false;
      for (int j = 0; j <= 2000 && !nonzero; ++j)
        nonzero = engine.Terms().Term(i, xmin + (xmax - xmin) * j / 2000) != 0;
      if (nonzero) reaching.push_back(i);
    }
    const double middle = (0.5 * (xmin + xmax) - engine.T0()) / engine.T();
    std::stable_sort(reaching.begin(), reaching.end(),
                     [middle](int a, int b) { return std::fabs(a - middle) < std::fabs(b - middle); });
    const int shown = std::min<int>(reaching.size(), MaxShownTerms);
    std::vector<int> expected(reaching.begin(), reaching.begin() + shown), chosen(shown);
    std::sort(expected.begin(), expected.end());
    for (int k = 0; k < engine.Terms().Count(); ++k) chosen[k] = engine.Terms().SampleIndex(k);
    EXPECT_EQ(engine.Terms().Reaching(), int(reaching.size())) << c.Method << " " << c.From;
    EXPECT_EQ(engine.Terms().Count(), shown);
    EXPECT_EQ(chosen, expected) << c.Method << " " << c.From;
  }
}
