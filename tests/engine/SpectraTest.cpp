#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <memory>
#include <vector>

#include "engine/Basefunctionsunit.h"
#include "engine/KernelAnalysis.h"
#include "engine/ReconstructionError.h"
#include "engine/SignalSpectra.h"
#include "engine/SpectrumRange.h"
#include "numerics/Keeper.h"
#include "numerics/Mathlib.h"

namespace {
constexpr TFrequencyUnit Circular = TFrequencyUnit::Circular;
constexpr TFrequencyUnit Cyclic = TFrequencyUnit::Cyclic;

// Sampling at T = 0.1 s: Wd = 20 pi rad/s, Fd = 10 Hz; the signal reaches 3 Hz.
TSpectrumScales TenHertz() { return {20 * Pi, 10, 6 * Pi, 3}; }
}  // namespace

TEST(SpectrumRange, EachViewAndUnitShowsItsShareOfThePeriod) {
  struct TCase {
    TSpectrumView View;
    TFrequencyUnit Unit;
    double Half;
  };
  const TCase cases[] = {
      {TSpectrumView::OnePeriod, Circular, 11 * Pi},   {TSpectrumView::TwoPeriods, Circular, 22 * Pi},
      {TSpectrumView::FourPeriods, Circular, 44 * Pi}, {TSpectrumView::SignalBand, Circular, 6 * Pi},
      {TSpectrumView::OnePeriod, Cyclic, 5.5},         {TSpectrumView::TwoPeriods, Cyclic, 11},
      {TSpectrumView::FourPeriods, Cyclic, 22},        {TSpectrumView::SignalBand, Cyclic, 3},
  };
  for (const TCase& c : cases) {
    const TSpectrumRange r = SpectrumRangeFor(c.View, c.Unit, TenHertz(), 0.1, 2, -1);
    SCOPED_TRACE(static_cast<int>(c.View) * 2 + static_cast<int>(c.Unit));
    EXPECT_NEAR(r.Xmin, -c.Half, 1e-12);
    EXPECT_NEAR(r.Xmax, c.Half, 1e-12);
    const double period = c.Unit == Circular ? 20 * Pi : 10;
    EXPECT_NEAR(r.LimitMin, -5 * period, 1e-12);
    EXPECT_NEAR(r.LimitMax, 5 * period, 1e-12);
  }
}

TEST(SpectrumRange, HeightFollowsTheLargerSpectrumAndNeverCollapses) {
  struct TCase {
    double DiscreteMax, AnalogMax, Top;
  };
  const TCase cases[] = {
      {2, -1, 1.1 * 0.2},    // table signal: T times the discrete maximum
      {2, 0.15, 1.1 * 0.2},  // the analog spectrum lower
      {2, 0.5, 1.1 * 0.5},   // the analog spectrum higher
      {0, -1, 1},            // all zero: still a range
      {0, 0, 1},
      {std::nan(""), -1, 1},  // nothing readable
  };
  for (const TCase& c : cases) {
    const TSpectrumRange r =
        SpectrumRangeFor(TSpectrumView::TwoPeriods, Circular, TenHertz(), 0.1, c.DiscreteMax, c.AnalogMax);
    EXPECT_EQ(r.Ymin, 0);
    EXPECT_NEAR(r.Ymax, c.Top, 1e-12) << c.DiscreteMax << " " << c.AnalogMax;
  }
}

TEST(SignalSpectra, AnalogBandIsTheLowerHalfOfTheTabulationsBand) {
  // The width estimate's transform: 1024 points doubled four times, 16384 lines.
  const long double step = 2 * 3.14159265358979323846L / 16384;
  const double analogStep = 1.0 / 1023;
  const double w = AnalogSpectrumBand(step, analogStep, Circular);
  EXPECT_NEAR(w, 2 * Pi / 16384 * 4095 * 1023, 1e-9);
  EXPECT_NEAR(AnalogSpectrumBand(step, analogStep, Cyclic), w / (2 * Pi), 1e-9);
  EXPECT_EQ(AnalogSpectrumBand(step, 0, Circular), 0);
  EXPECT_EQ(AnalogSpectrumBand(step, std::nan(""), Cyclic), 0);
}

TEST(SignalSpectra, DiscreteSpectrumIsOneClosedPeriodOfTheDft) {
  auto module = std::make_unique<TFourierAnalyser>();
  const double samples[] = {1, 0.5, -0.25, 2, 0, 0, 1, -1, 0.75, 0.125};  // N = 10
  int count = -1;
  const double* a = DiscreteSpectrum(*module, samples, 10, count);
  ASSERT_NE(a, nullptr);
  // Padded to 16, doubled five times: 512 lines, the period closed by its 513th point.
  ASSERT_EQ(count, 513);
  for (int k : {0, 1, 37, 255, 256, 400, 511, 512}) {
    std::complex<double> x = 0;
    for (int j = 0; j < 10; ++j) x += samples[j] * std::polar(1.0, -2 * Pi * k * j / 512);
    EXPECT_NEAR(a[k], std::abs(x), 1e-12) << k;
  }
  for (int n : {0, -3, 4097}) {
    EXPECT_EQ(DiscreteSpectrum(*module, samples, n, count), nullptr);
    EXPECT_EQ(count, 0);
  }
}

namespace {
constexpr double SampleT = 0.1;
constexpr double SampleWd = 2 * Pi / SampleT;
// A discrete spectrum with the period Wd: 1 + cos(w T) in rad/s, the same in Hz.
double DiscreteInRad(double w) { return 1 + std::cos(w * SampleT); }
double DiscreteInHz(double f) { return 1 + std::cos(2 * Pi * f * SampleT); }
double Triangle(double v) {
  const double half = std::sin(v / 2) / (v / 2);
  return v == 0 ? 1 : half * half;
}
}  // namespace

TEST(SignalSpectra, InterpolatingSpectrumFiltersTheDiscreteOneByTheMethod) {
  TKeeper inRad, inHz, kernelSpectrum;
  inRad.SetFunction(DiscreteInRad, 100, 0, SampleWd);
  inRad.SetPeriodic(SampleWd);
  inHz.SetFunction(DiscreteInHz, 100, 0, 1 / SampleT);
  inHz.SetPeriodic(1 / SampleT);
  std::vector<double> g(MaxKernelSpectrumCount), d(MaxDistortionCount);
  const TKernelAnalysis triangle =
      AnalyseKernel(false, Pol0, 0, KernelDetailHigh, KernelStepMedium, g.data(), d.data());
  kernelSpectrum.SetArray(g.data(), triangle.SpectrumCount, 0, triangle.SpectrumEnd);
  kernelSpectrum.SetSymmetry(SymmetryEven);

  struct TCase {
    TReconKind Kind;
    TFrequencyUnit Unit;
    const TKeeper* Discrete;
  };
  const TCase cases[] = {{TReconKind::Kotelnikov, Circular, &inRad},
                         {TReconKind::Kotelnikov, Cyclic, &inHz},
                         {TReconKind::Local, Circular, &inRad},
                         {TReconKind::Local, Cyclic, &inHz},
                         {TReconKind::Lagrange, Circular, &inRad}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.Kind) * 2 + static_cast<int>(c.Unit));
    std::vector<double> psi(ReconSpectrumCount, -1);
    EXPECT_DOUBLE_EQ(ReconstructionSpectrum(c.Kind, *c.Discrete, kernelSpectrum, SampleWd, SampleT, c.Unit, psi.data()),
                     5 * SampleWd);
    for (int i = 0; i < ReconSpectrumCount; i += 13) {
      const double w = i * 5 * SampleWd / 3999;
      double expected = 0;
      if (c.Kind == TReconKind::Kotelnikov) expected = w < SampleWd / 2 ? DiscreteInRad(w) : 0;
      if (c.Kind == TReconKind::Local) expected = Triangle(w * SampleT) * DiscreteInRad(w);
      // The cutoff itself is not on the grid (0.5 Wd falls between points 399 and 400).
      ASSERT_NEAR(psi[i], expected, 2e-5) << "w " << w;
    }
  }
}

TEST(ReconstructionError, IntervalsAndTheDifferenceOfTheTwoCurves) {
  struct TCase {
    bool Lagrange;
    double A, B, ViewMin, ViewMax;
  };
  const TCase cases[] = {{false, 0.25 - 3, 1.25 + 3, 0.25 - 0.5, 1.25 + 0.5}, {true, 0.15, 1.35, 0.15, 1.35}};
  // The analog signal t on its interval (0 outside); the interpolating function t / 2 everywhere.
  TKeeper analog, interpolating;
  analog.SetFunction([](double t) { return t; }, 10, 0.25, 1.25);
  interpolating.SetFunction([](double t) { return t / 2; }, 10, -100, 100);
  for (const TCase& c : cases) {
    const TErrorInterval e = ErrorInterval(0.25, 1.25, 0.1, c.Lagrange);
    EXPECT_NEAR(e.A, c.A, 1e-12);
    EXPECT_NEAR(e.B, c.B, 1e-12);
    EXPECT_NEAR(e.ViewMin, c.ViewMin, 1e-12);
    EXPECT_NEAR(e.ViewMax, c.ViewMax, 1e-12);
    std::vector<double> error(ErrorCount + 1, 7);
    TabulateError(analog, interpolating, e.A, e.B, error.data());
    EXPECT_EQ(error[ErrorCount], 7);  // nothing beyond the 4000 points
    for (int i = 0; i < ErrorCount; i += 17) {
      const double t = e.A + i * (e.B - e.A) / 3999;
      // Near the interval's ends the running abscissa may fall on either side.
      if (std::fabs(t - 0.25) < 1e-9 || std::fabs(t - 1.25) < 1e-9) continue;
      const double expected = t >= 0.25 && t <= 1.25 ? t / 2 : -t / 2;
      ASSERT_NEAR(error[i], expected, 1e-12) << t;
    }
  }
}

TEST(KernelAnalysis, GridsFollowTheDetailForBothKindsOfKernel) {
  std::vector<double> g(MaxKernelSpectrumCount), d(MaxDistortionCount, -1);
  for (int detail : {KernelDetailLow, KernelDetailMedium, KernelDetailHigh}) {
    for (bool ideal : {true, false}) {
      const TKernelAnalysis a = AnalyseKernel(ideal, Spl11, 1, detail, KernelStepCoarse, g.data(), d.data());
      const double e = TwoPiShort / (detail - 1);
      EXPECT_EQ(a.SpectrumCount, 11 * (detail - 1) + 1);
      EXPECT_DOUBLE_EQ(a.SpectrumEnd, 11 * TwoPiShort);
      EXPECT_EQ(a.DistortionCount, detail / 2);
      EXPECT_NEAR(a.DistortionEnd, (detail / 2 - 1) * e, 1e-12);
      // The distortion's last frequency lies just below pi.
      EXPECT_LT(a.DistortionEnd, Pi);
      EXPECT_GT(a.DistortionEnd, Pi - 2 * e);
      if (!ideal) continue;
      for (int i = 0; i < a.DistortionCount; ++i) ASSERT_EQ(d[i], 0.0);
    }
  }
  const TKernelAnalysis refused =
      AnalyseKernel(false, nullptr, 1, KernelDetailLow, KernelStepCoarse, g.data(), d.data());
  EXPECT_EQ(refused.SpectrumCount, 0);
  EXPECT_EQ(refused.DistortionCount, 0);
}
