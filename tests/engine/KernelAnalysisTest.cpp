#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string_view>
#include <vector>

#include "ArrayCompare.h"
#include "NamedKernels.h"
#include "engine/KernelAnalysis.h"
#include "engine/SignalSpectra.h"
#include "numerics/Keeper.h"
#include "numerics/Mathlib.h"

namespace {
constexpr double T = 0.1;
constexpr double Wd = 2 * Pi / T;
// A discrete spectrum positive everywhere, so that the product takes the kernel spectrum's sign.
double Discrete(double w) { return 2 + std::cos(w * T); }
}  // namespace

// The spline kernels' spectra change sign: the interpolating spectrum, an amplitude, takes |G|.
TEST(SignalSpectra, SplineInterpolatingSpectrumIsTheAbsoluteProduct) {
  TKeeper discrete;
  discrete.SetFunction(Discrete, 100, 0, Wd);
  discrete.SetPeriodic(Wd);
  for (const TNamedKernel& k : LocalKernels) {
    if (!std::string_view(k.Name).starts_with("Spl")) continue;
    SCOPED_TRACE(k.Name);
    std::vector<double> g(MaxKernelSpectrumCount), d(MaxDistortionCount), psi(ReconSpectrumCount);
    const TKernelAnalysis a =
        AnalyseKernel(false, k.Kernel, k.Order, KernelDetailLow, KernelStepCoarse, g.data(), d.data());
    TKeeper kernelSpectrum;
    kernelSpectrum.SetArray(g.data(), a.SpectrumCount, 0, a.SpectrumEnd);
    kernelSpectrum.SetSymmetry(SymmetryEven);
    const double band = ReconstructionSpectrum(TReconKind::Local, discrete, kernelSpectrum, Wd, T,
                                               TFrequencyUnit::Circular, psi.data());
    std::vector<double> expected(ReconSpectrumCount);
    int negative = 0;
    // The frequencies as the computation forms them, a running sum.
    const double step = band / (ReconSpectrumCount - 1);
    double w = 0;
    for (int i = 0; i < ReconSpectrumCount; ++i, w = w + step) {
      const double G = kernelSpectrum.GetValue(w * T);
      negative += G < 0;
      expected[i] = std::fabs(G * discrete.GetValue(w));
    }
    EXPECT_GT(negative, 0);  // the case reaches where the sign matters
    EXPECT_GE(*std::min_element(psi.begin(), psi.end()), 0);
    const TWorstError worst = MaxRelativeError(psi.data(), expected.data(), ReconSpectrumCount, 1e-9);
    EXPECT_LE(worst.Error, 1e-9) << worst;
  }
}

// Distortion at v_i: sqrt((1 - G(v_i))^2 + sum of G(v_i + 2 pi k)^2 over the ten images k),
// each value of G by the literal trapezoid rule rather than the analysis' fast form.
TEST(KernelAnalysis, DistortionCountsThePassbandAndAllTenImages) {
  constexpr int Detail = KernelDetailLow;
  const double e = KernelFrequencyStep(Detail);
  for (const TNamedKernel& k : LocalKernels) {
    SCOPED_TRACE(k.Name);
    std::vector<double> g(MaxKernelSpectrumCount), d(MaxDistortionCount);
    const int count =
        AnalyseKernel(false, k.Kernel, k.Order, Detail, KernelStepCoarse, g.data(), d.data()).DistortionCount;
    ASSERT_EQ(count, Detail / 2);
    auto G = [&](int j) { return 2 * TrapezoidCosine(k.Kernel, 0, k.Order + 1, j * e, KernelStepCoarse); };
    std::vector<double> expected(count);
    for (int i = 0; i < count; ++i) {
      double squares = (1 - G(i)) * (1 - G(i));
      for (int image = 1; image <= 10; ++image) squares += G(i + image * (Detail - 1)) * G(i + image * (Detail - 1));
      expected[i] = std::sqrt(squares);
    }
    // The fast and the literal spectrum differ by about 1e-15; leaving out the tenth image moves
    // the distortion by 4e-6 or more.
    const TWorstError worst = MaxRelativeError(d.data(), expected.data(), count, 1e-6);
    EXPECT_LE(worst.Error, 1e-8) << worst;
  }
}
