#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "NamedKernels.h"
#include "engine/Basefunctionsunit.h"
#include "engine/KernelResponse.h"

namespace {
std::vector<double> Spectrum(TRealFunction kernel, int order, int detail, double step) {
  std::vector<double> g(MaxKernelSpectrumCount, -7);
  const int count = LocalKernelSpectrum(kernel, order, detail, step, g.data());
  g.resize(count);
  return g;
}

// Composite Simpson on [0, b] with n (even) intervals of a uniform grid.
template <typename F>
double Simpson(F f, double b, int n) {
  const double h = b / n;
  double sum = f(0) + f(b);
  for (int i = 1; i < n; ++i) sum += (i % 2 ? 4 : 2) * f(i * h);
  return sum * h / 3;
}
}  // namespace

TEST(TrapezoidCosine, LiteralRuleAndTheNoStepCase) {
  auto one = [](double) { return 1.0; };
  // A step exact in binary reaches b: h * (sum of cos(j h) - (1 + cos 1) / 2).
  double sum = 0;
  for (int j = 0; j <= 8; ++j) sum += std::cos(j * 0.125);
  EXPECT_NEAR(TrapezoidCosine(one, 0, 1, 1, 0.125), 0.125 * (sum - (1 + std::cos(1.0)) * 0.5), 1e-15);
  // With 0.001 the running abscissa passes 1 by a rounding error after 0.999, so the rule
  // integrates over [0, 0.999]: the analysis inherits this, and its tests allow for it.
  EXPECT_NEAR(TrapezoidCosine(one, 0, 1, 1, 0.001), std::sin(0.999), 1e-7);
  // No step fits: the result is h * g0 / 2.
  EXPECT_EQ(TrapezoidCosine(one, 0, 0.5, 0, 1), 0.5);
}

TEST(TrapezoidCosine, StepsThatNeverReachTheEndReturnInsteadOfLooping) {
  auto one = [](double) { return 1.0; };
  EXPECT_EQ(TrapezoidCosine(one, 0, 1, 1, 0), 0.0);
  EXPECT_EQ(TrapezoidCosine(one, 0, 1, 1, -0.1), 0.0);
  EXPECT_EQ(TrapezoidCosine(one, 0, 1, 1, std::nan("")), 0.0);
  EXPECT_EQ(TrapezoidCosine(nullptr, 0, 1, 1, 0.1), 0.0);
  // 1 + 1e-300 is 1: the abscissa stands still at the first point.
  EXPECT_TRUE(std::isfinite(TrapezoidCosine(one, 1, 2, 0, 1e-300)));
  // Far from the origin 1e-9 no longer moves the abscissa, though the interval holds 1000 steps.
  EXPECT_TRUE(std::isfinite(TrapezoidCosine(one, 1e9, 1e9 + 1e-6, 0, 1e-9)));
  // An infinite end, or more steps than any analysis takes, is refused.
  EXPECT_EQ(TrapezoidCosine(one, 0, std::numeric_limits<double>::infinity(), 0, 1e-3), 0.0);
  EXPECT_EQ(TrapezoidCosine(one, 0, 1, 0, 1e-7), 0.0);
  // The finest analysis step over the widest support is computed.
  EXPECT_NEAR(TrapezoidCosine(one, 0, 4, 0, KernelStepFine), 4, 1e-3);
}

TEST(KernelSpectrum, GridSizes) {
  EXPECT_EQ(KernelSpectrumCount(KernelDetailLow), 1090);
  EXPECT_EQ(KernelSpectrumCount(KernelDetailMedium), 2740);
  EXPECT_EQ(KernelSpectrumCount(KernelDetailHigh), MaxKernelSpectrumCount);
  EXPECT_EQ(MaxKernelSpectrumCount, 5490);
  EXPECT_EQ(KernelSpectrumCount(1), 0);
  EXPECT_EQ(KernelSpectrumCount(501), 0);
  EXPECT_DOUBLE_EQ(KernelFrequencyStep(KernelDetailLow) * (KernelSpectrumCount(KernelDetailLow) - 1), 11 * TwoPiShort);
}

TEST(KernelSpectrum, KotelnikovIsTheIdealLowPassWithoutDistortion) {
  std::vector<double> g(MaxKernelSpectrumCount, -1);
  ASSERT_EQ(IdealLowPassSpectrum(KernelDetailLow, g.data()), 1090);
  const double e = KernelFrequencyStep(KernelDetailLow);
  for (int i = 0; i < 1090; ++i) EXPECT_EQ(g[i], i * e < 3.141592653589793 ? 1.0 : 0.0) << i;
  EXPECT_EQ(g[49], 1.0);
  EXPECT_EQ(g[50], 0.0);
  EXPECT_EQ(g[1090], -1.0);  // nothing written past the count
  std::vector<double> d(MaxDistortionCount, -1);
  ASSERT_EQ(ComputeDistortion(g.data(), KernelDetailLow, d.data()), 50);
  for (int i = 0; i < 50; ++i) EXPECT_EQ(d[i], 0.0) << i;
  EXPECT_EQ(d[50], -1.0);
}

TEST(KernelSpectrum, TriangleIsOneAtZeroAndMatchesSincSquared) {
  const std::vector<double> g = Spectrum(Pol0, 0, KernelDetailLow, KernelStepMedium);
  ASSERT_EQ(g.size(), 1090u);
  // Within the trapezoid error, including the rule's last step short of x = 1 (about h^2).
  EXPECT_NEAR(g[0], 1.0, 2e-6);
  // Transform of the triangle 1 - |x|: (sin(v/2) / (v/2))^2; the trapezoid error grows like (v h)^2.
  const double e = KernelFrequencyStep(KernelDetailLow);
  for (int i = 1; i < 1090; i += 7) {
    const double v = i * e;
    const double half = std::sin(v / 2) / (v / 2);
    EXPECT_NEAR(g[i], half * half, 2e-6 + 1e-7 * v * v) << v;
  }
  // The triangle's images all vanish at v = 0, so its distortion there is ~0.
  std::vector<double> d(MaxDistortionCount);
  ASSERT_EQ(ComputeDistortion(g.data(), KernelDetailLow, d.data()), 50);
  EXPECT_NEAR(d[0], 0.0, 1e-5);
}

TEST(KernelSpectrum, SplineSpectrumAgreesWithAnIndependentFineQuadrature) {
  const std::vector<double> g = Spectrum(Spl32, 3, KernelDetailLow, KernelStepFine);
  const double e = KernelFrequencyStep(KernelDetailLow);
  for (int i = 0; i < 1090; i += 53) {
    const double v = i * e;
    // Simpson piece by piece, so the kernel's breakpoints fall on the grid.
    double exact = 0;
    for (int piece = 0; piece < 4; ++piece)
      exact += Simpson([&](double x) { return Spl32(piece + x) * std::cos(v * (piece + x)); }, 1.0, 2000);
    // The trapezoid rule with step 1e-4 is off by about h^2 v^2 / 12, and by up to h * |Spl32(4)|
    // (1e-8) where its running abscissa stops one step short of the end.
    EXPECT_NEAR(g[i], 2 * exact, 5e-8 + 2e-9 * v * v) << v;
  }
}

TEST(KernelSpectrum, FastFormAgreesWithTheLiteralTrapezoidEverywhereChecked) {
  struct TSetting {
    int Detail;
    double Step;
    int Stride;
  };
  const TSetting settings[] = {{KernelDetailLow, KernelStepCoarse, 1},
                               {KernelDetailMedium, KernelStepMedium, 37},
                               {KernelDetailHigh, KernelStepFine, 137}};
  // Every method at every setting, the finest included: there the chirp-z transform sums
  // 40001 points for each of 5490 frequencies, and the abscissae drift most.
  for (const TSetting& s : settings) {
    for (const TNamedKernel& k : LocalKernels) {
      SCOPED_TRACE(k.Name);
      const std::vector<double> g = Spectrum(k.Kernel, k.Order, s.Detail, s.Step);
      ASSERT_EQ(static_cast<int>(g.size()), KernelSpectrumCount(s.Detail));
      const double e = KernelFrequencyStep(s.Detail);
      for (int i = 0; i < static_cast<int>(g.size()); i += s.Stride) {
        const double literal = 2 * TrapezoidCosine(k.Kernel, 0, k.Order + 1, i * e, s.Step);
        ASSERT_NEAR(g[i], literal, 1e-9) << "detail " << s.Detail << " step " << s.Step << " i " << i;
      }
      const int last = static_cast<int>(g.size()) - 1;
      EXPECT_NEAR(g[last], 2 * TrapezoidCosine(k.Kernel, 0, k.Order + 1, last * e, s.Step), 1e-9);
    }
  }
}

TEST(KernelSpectrum, RefusesWhatItCannotComputeAndWritesNothing) {
  std::vector<double> g(MaxKernelSpectrumCount, -1);
  EXPECT_EQ(LocalKernelSpectrum(Pol1, 1, 1, KernelStepCoarse, g.data()), 0);
  EXPECT_EQ(LocalKernelSpectrum(Pol1, 1, KernelDetailHigh + 1, KernelStepCoarse, g.data()), 0);
  EXPECT_EQ(LocalKernelSpectrum(Pol1, 4, KernelDetailLow, KernelStepCoarse, g.data()), 0);
  EXPECT_EQ(LocalKernelSpectrum(Pol1, -1, KernelDetailLow, KernelStepCoarse, g.data()), 0);
  EXPECT_EQ(LocalKernelSpectrum(Pol1, 1, KernelDetailLow, 0, g.data()), 0);
  EXPECT_EQ(LocalKernelSpectrum(Pol1, 1, KernelDetailLow, -0.01, g.data()), 0);
  EXPECT_EQ(LocalKernelSpectrum(Pol1, 1, KernelDetailLow, std::nan(""), g.data()), 0);
  EXPECT_EQ(LocalKernelSpectrum(Pol1, 1, KernelDetailLow, 1e-9, g.data()), 0);
  EXPECT_EQ(LocalKernelSpectrum(nullptr, 1, KernelDetailLow, KernelStepCoarse, g.data()), 0);
  EXPECT_EQ(IdealLowPassSpectrum(0, g.data()), 0);
  EXPECT_EQ(ComputeDistortion(g.data(), 1, g.data()), 0);
  for (double v : g) ASSERT_EQ(v, -1.0);
  // A step wider than the support: the literal rule's single point, h * g0 / 2, doubled.
  ASSERT_EQ(LocalKernelSpectrum(Pol0, 0, KernelDetailLow, 2, g.data()), 1090);
  EXPECT_EQ(g[5], 2.0);
}
