// The engine's error and spectra with no window: a table signal's reconstruction spectrum,
// the Lagrange error interval, and finite results and ranges at the extremes of sampling.
// The spectrum range is set as opening the spectrum tab sets it (SetSpectrumRange).
#include <gtest/gtest.h>

#include <cmath>

#include "EngineTestSignals.h"
#include "ScriptedPlatform.h"
#include "engine/ResamEngine.h"
#include "numerics/Keeper.h"

namespace {
// A table signal sampled with the period 0.1 s: Wd = 20 pi rad/s, Fd = 10 Hz.
void GiveTenHertzTable(TResamEngine& engine, const double* values, int count) {
  GiveTableSignal(engine, values, count);
  engine.SetPeriod(0.1);
}

const double TableValues[] = {0, 1, 3, 2, -1, 0.5, 0, 2, 1, 0};
}  // namespace

TEST(ResamEngineSpectra, TableSignalKotelnikovSpectrumAndItsRange) {
  TResamEngine engine;
  GiveTenHertzTable(engine, TableValues, 10);
  engine.SetSpectrumRange();
  // Kotelnikov: the discrete spectrum up to half the sampling frequency, nothing beyond.
  EXPECT_NEAR(engine.ReconSpectrum()[0], 0.85, 1e-12);
  EXPECT_EQ(engine.ReconSpectrum()[3999], 0);
  EXPECT_NEAR(engine.SpectrumView().Ymax, 1.1 * engine.DiscreteSpectrumSeries().GetYmax() * 0.1, 1e-12);
}

TEST(ResamEngineSpectra, LagrangeHasNoInterpolatingSpectrumAndAShortErrorInterval) {
  TResamEngine engine;
  GiveLibrarySignal(engine, SlowWave, 1, 0);
  const TKeeper& error = engine.ErrorSeries();
  EXPECT_NEAR(error.GetXmin(), engine.T1() - 30 * engine.T(), 1e-12);
  engine.SetMethod(TResamEngine::MethodLagrange);
  for (double v : engine.ReconSpectrum()) ASSERT_EQ(v, 0.0);
  EXPECT_NEAR(error.GetXmin(), engine.T1() - engine.T(), 1e-12);
  EXPECT_NEAR(error.GetXmax(), engine.T2() + engine.T(), 1e-12);
  EXPECT_NEAR(engine.ErrorView().Xmin, engine.T1() - engine.T(), 1e-12);
  // Within the interval the error is the analog signal less the polynomial.
  const double t = engine.T1() + 0.37;
  const int i = static_cast<int>(std::lround((t - error.GetXmin()) / error.GetStep()));
  const double ti = error.GetXmin() + i * error.GetStep();
  EXPECT_NEAR(engine.ErrorValues()[i], engine.SignalSeries().GetValue(ti) - engine.CurveSeries().GetValue(ti), 1e-9);
}

TEST(ResamEngineSpectra, ExtremeSamplingGivesFiniteSpectraAndAUsableRange) {
  struct TCase {
    TRealFunction Signal;
    int N;
  };
  TResamEngine engine;
  for (const TCase& c : {TCase{SlowWave, 2}, TCase{SlowWave, 500}, TCase{Zero, 20}}) {
    GiveLibrarySignal(engine, c.Signal, 1, 1);
    engine.SetCount(c.N);
    engine.SetSpectrumRange();
    for (double v : engine.ReconSpectrum()) ASSERT_TRUE(std::isfinite(v));
    for (double v : engine.ErrorValues()) ASSERT_TRUE(std::isfinite(v));
    const TViewRange& view = engine.SpectrumView();
    EXPECT_EQ(view.Ymin, 0);
    EXPECT_GT(view.Ymax, 0);
    EXPECT_NEAR(view.Xmax, 1.1 * engine.Wd(), 1e-9 * engine.Wd());
  }
  EXPECT_TRUE(Scripted().Messages.isEmpty());
}
