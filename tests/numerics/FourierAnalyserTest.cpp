#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <complex>
#include <memory>
#include <random>
#include <vector>

#include "ScriptedPlatform.h"
#include "numerics/FourierAnalyser.h"
#include "numerics/Mathlib.h"

namespace {
constexpr long double TwoPiL = 6.283185307179586476925286766559L;

std::unique_ptr<TFourierAnalyser> NewAnalyser() { return std::make_unique<TFourierAnalyser>(); }

std::vector<double> UniformSamples(unsigned count, unsigned seed) {
  std::mt19937 generator(seed);
  std::uniform_real_distribution<double> value(-1.0, 1.0);
  std::vector<double> x(count);
  for (double& v : x) v = value(generator);
  return x;
}

// X_k = Σ x_j e^(−i 2π k j / n) in extended precision, the angle reduced exactly modulo n.
std::complex<long double> ReferenceDft(const std::vector<double>& x, unsigned n, unsigned k) {
  long double re = 0, im = 0;
  for (unsigned j = 0; j < x.size(); ++j) {
    const unsigned long long p = static_cast<unsigned long long>(k) * j % n;
    const long double angle = TwoPiL * p / n;
    re += x[j] * std::cos(angle);
    im -= x[j] * std::sin(angle);
  }
  return {re, im};
}

std::complex<long double> FromPolar(const double* amp, const double* phase, unsigned k) {
  return std::polar<long double>(amp[k], phase[k]);
}

double SumOfMagnitudes(const std::vector<double>& x) {
  double s = 0;
  for (double v : x) s += std::fabs(v);
  return s > 0 ? s : 1;
}

int Count(const TFourierAnalyser& spectrum) {
  int count = -1;
  spectrum.GetAmpSpectrum(count);
  return count;
}
}  // namespace

TEST(SpectrumAnalyser, StartsWithTheDocumentedSettings) {
  auto s = NewAnalyser();
  EXPECT_EQ(s->GetCriterion(), 0);
  EXPECT_FALSE(s->GetIndication());
  EXPECT_EQ(s->GetAmpLevel(), 0.1);
  EXPECT_EQ(s->GetEnergyPart(), 0.99);
  EXPECT_EQ(s->GetFreqLimit(), Pi);
  EXPECT_EQ(s->GetTransformSize(), 0u);
  EXPECT_EQ(Count(*s), 0);
  // Full size is on: any count gives the largest transform.
  const double one = 1;
  s->Calculate(&one, 1);
  EXPECT_EQ(s->GetTransformSize(), TFourierAnalyser::MaxN);
  EXPECT_EQ(s->GetPadLength(), 1u);
}

TEST(SpectrumAnalyser, SettersStoreTheAbsoluteValueClampedAndIgnoreNaN) {
  auto s = NewAnalyser();
  s->SetFreqLimit(-1);
  EXPECT_EQ(s->GetFreqLimit(), 1.0);
  s->SetFreqLimit(10);
  EXPECT_EQ(s->GetFreqLimit(), Pi);
  s->SetFreqLimit(0.001);
  EXPECT_EQ(s->GetFreqLimit(), 0.01);
  s->SetFreqLimit(std::nan(""));
  EXPECT_EQ(s->GetFreqLimit(), 0.01);
  s->SetAmpLevel(0.9);
  EXPECT_EQ(s->GetAmpLevel(), 0.8);
  s->SetAmpLevel(-0.005);
  EXPECT_EQ(s->GetAmpLevel(), 0.01);
  s->SetEnergyPart(0.3);
  EXPECT_EQ(s->GetEnergyPart(), 0.5);
  s->SetEnergyPart(-0.95);
  EXPECT_EQ(s->GetEnergyPart(), 0.95);
  s->SetEnergyPart(std::nan(""));
  EXPECT_EQ(s->GetEnergyPart(), 0.95);
  s->SetEnergyCriterion();
  EXPECT_EQ(s->GetCriterion(), 1);
  s->SetRectCriterion();
  EXPECT_EQ(s->GetCriterion(), 2);
  s->SetAmpCriterion();
  EXPECT_EQ(s->GetCriterion(), 0);
}

TEST(SpectrumAnalyser, PaddedLengthAndTransformSize) {
  auto s = NewAnalyser();
  s->SetFullSize(false);
  s->SetDoublings(5);
  const std::vector<double> x(4096, 0.5);
  struct TCase {
    unsigned Count, Pad, Size;
  };
  for (const TCase c : {TCase{0, 1, 32}, TCase{1, 1, 32}, TCase{3, 4, 128}, TCase{100, 128, 4096},
                        TCase{1024, 1024, 32768}, TCase{3000, 4096, 65536}, TCase{4096, 4096, 65536}}) {
    s->Calculate(x.data(), c.Count);
    EXPECT_EQ(s->GetPadLength(), c.Pad) << c.Count;
    EXPECT_EQ(s->GetTransformSize(), c.Size) << c.Count;
  }
  // Any number of doublings stops at the largest size without overflowing.
  for (unsigned doublings : {16u, 17u, 32u, 33u, 64u, UINT_MAX}) {
    s->SetDoublings(doublings);
    s->Calculate(x.data(), 3);
    EXPECT_EQ(s->GetTransformSize(), TFourierAnalyser::MaxN) << doublings;
  }
  s->SetDoublings(0);
  s->Calculate(x.data(), 5);
  EXPECT_EQ(s->GetTransformSize(), 8u);
  EXPECT_TRUE(Scripted().Messages.isEmpty());
}

TEST(SpectrumAnalyser, MoreThan4096SamplesAreRefusedLeavingZeroArraysAndTheSizes) {
  auto s = NewAnalyser();
  s->SetFullSize(true);
  std::vector<double> x = UniformSamples(4097, 1);
  s->Calculate(x.data(), 4096);  // the largest accepted count
  EXPECT_TRUE(Scripted().Messages.isEmpty());
  EXPECT_EQ(s->GetPadLength(), 4096u);
  int count = 0;
  const double* amp = s->GetAmpSpectrum(count);
  EXPECT_GT(amp[TFourierAnalyser::MaxN], 0);

  s->Calculate(x.data(), 4097);
  ASSERT_EQ(Scripted().Messages.size(), 1);
  EXPECT_EQ(Scripted().Messages[0],
            QStringLiteral("Модуль спектрального анализа: \n Число отсчётов сигнала больше максимального (4096)."));
  EXPECT_EQ(s->GetPadLength(), 4096u);
  EXPECT_EQ(s->GetTransformSize(), TFourierAnalyser::MaxN);
  EXPECT_EQ(Count(*s), int(TFourierAnalyser::MaxN / 2));
  const double* phase = s->GetPhaseSpectrum(count);
  for (unsigned k = 0; k <= TFourierAnalyser::MaxN; ++k) {
    ASSERT_EQ(amp[k], 0.0) << k;
    ASSERT_EQ(phase[k], 0.0) << k;
  }
  EXPECT_TRUE(Scripted().CursorStack.isEmpty());
  EXPECT_EQ(Scripted().CursorsPushed.count(Qt::WaitCursor), 2);
}

TEST(SpectrumAnalyser, SingleUnitSampleHasAFlatSpectrumWithZeroPhase) {
  auto s = NewAnalyser();
  s->SetFullSize(false);
  s->SetDoublings(5);
  const double one = 1;
  s->Calculate(&one, 1);
  EXPECT_EQ(s->GetPadLength(), 1u);
  ASSERT_EQ(s->GetTransformSize(), 32u);
  int count = 0;
  const double* amp = s->GetAmpSpectrum(count);
  const double* phase = s->GetPhaseSpectrum(count);
  EXPECT_EQ(count, 16);
  for (unsigned k = 0; k <= 32; ++k) {
    EXPECT_EQ(amp[k], 1.0) << k;
    EXPECT_EQ(phase[k], 0.0) << k;
  }
}

TEST(SpectrumAnalyser, ConstantSignalPutsEverythingAtZeroFrequencyAndItsRepeat) {
  auto s = NewAnalyser();
  s->SetFullSize(false);
  s->SetDoublings(0);
  const std::vector<double> ones(8, 1.0);
  s->Calculate(ones.data(), 8);
  ASSERT_EQ(s->GetTransformSize(), 8u);
  int count = 0;
  const double* amp = s->GetAmpSpectrum(count);
  const double* phase = s->GetPhaseSpectrum(count);
  EXPECT_EQ(amp[0], 8.0);
  EXPECT_EQ(amp[8], 8.0);
  for (unsigned k = 1; k < 8; ++k) {
    EXPECT_EQ(amp[k], 0.0) << k;
    EXPECT_EQ(phase[k], 0.0) << k;
    EXPECT_FALSE(std::signbit(phase[k])) << k;
  }
}

TEST(SpectrumAnalyser, NoSamplesGiveAZeroSpectrumAndSoundWidths) {
  auto s = NewAnalyser();
  EXPECT_EQ(s->GetSpectrumWidth(), 0.5);  // before any computation: no grid, no width
  s->SetFullSize(false);
  for (const double* samples : {static_cast<const double*>(nullptr), static_cast<const double*>(&Pi)}) {
    s->Calculate(samples, 0);
    EXPECT_EQ(s->GetTransformSize(), 32u);
    int count = 0;
    const double* amp = s->GetAmpSpectrum(count);
    for (unsigned k = 0; k <= 32; ++k) EXPECT_EQ(amp[k], 0.0);
    s->SetAmpCriterion();
    EXPECT_EQ(s->GetSpectrumWidth(), 0.5);
    s->SetEnergyCriterion();
    EXPECT_EQ(s->GetSpectrumWidth(), 0.5);
    s->SetRectCriterion();
    EXPECT_EQ(s->GetSpectrumWidth(), 1.0);
  }
  // A tiny transform (one point) has no points below π: still a defined width.
  s->SetDoublings(0);
  s->SetAmpCriterion();
  s->Calculate(&Pi, 1);
  EXPECT_EQ(s->GetTransformSize(), 1u);
  EXPECT_EQ(Count(*s), 0);
  EXPECT_EQ(s->GetSpectrumWidth(), 0.5);
}

TEST(SpectrumAnalyser, PointCountFollowsTheFrequencyLimit) {
  auto s = NewAnalyser();
  s->SetFullSize(false);
  s->SetDoublings(6);
  const double one = 1;
  s->Calculate(&one, 1);
  EXPECT_EQ(Count(*s), 32);  // π: half the transform
  EXPECT_DOUBLE_EQ(double(s->GetFreqStep()), 2 * Pi / 64);
  s->SetFreqLimit(1);
  s->Calculate(&one, 1);
  EXPECT_EQ(Count(*s), 10);  // 10 steps of 2π/64 lie below 1
  s->SetFreqLimit(3.14);
  s->Calculate(&one, 1);
  EXPECT_EQ(Count(*s), 31);
  s->SetFreqLimit(0.01);
  s->Calculate(&one, 1);
  EXPECT_EQ(Count(*s), 0);  // a limit below one step leaves no point
}

// The fast transform and the direct one against a complex DFT computed here in extended
// precision, on random inputs, with and without the full size.
TEST(SpectrumAnalyser, FastAndDirectTransformsAgreeWithAnIndependentDft) {
  constexpr double FastTolerance = 1e-14;    // relative to Σ|x_j|, the bound of every |X_k|
  constexpr double DirectTolerance = 1e-13;  // the direct sum rounds its growing angles to double
  constexpr double WorkLimit = 3e5;          // reference terms per checked transform
  auto s = NewAnalyser();
  s->SetDoublings(5);
  for (const unsigned count : {1u, 3u, 100u, 1024u, 4096u})
    for (const bool full : {false, true}) {
      SCOPED_TRACE(::testing::Message() << "count " << count << (full ? ", full size" : ""));
      const std::vector<double> x = UniformSamples(count, count);
      const double scale = SumOfMagnitudes(x);
      s->SetFullSize(full);
      s->SetFFT(true);
      s->SetFreqLimit(Pi);
      s->Calculate(x.data(), count);
      const unsigned n = s->GetTransformSize();
      int m = 0;
      const std::vector<double> amp(s->GetAmpSpectrum(m), s->GetAmpSpectrum(m) + n + 1);
      const std::vector<double> phase(s->GetPhaseSpectrum(m), s->GetPhaseSpectrum(m) + n + 1);
      const unsigned stride = std::max(1u, unsigned(double(n) * count / WorkLimit));
      double worst = 0;
      for (unsigned k = 0; k <= n; k += (k + stride > n && k < n) ? n - k : stride) {
        const std::complex<long double> reference = ReferenceDft(x, n, k);
        worst = std::max(worst, double(std::abs(FromPolar(amp.data(), phase.data(), k) - reference)) / scale);
        if (k == n) break;
      }
      EXPECT_LT(worst, FastTolerance);

      // The direct transform over the first points (limited so the test stays quick).
      const double limit = std::min(Pi, WorkLimit / count * 2 * Pi / n);
      s->SetFreqLimit(limit);
      s->SetFFT(false);
      s->Calculate(x.data(), count);
      int points = 0;
      const double* directAmp = s->GetAmpSpectrum(points);
      const double* directPhase = s->GetPhaseSpectrum(points);
      ASSERT_GT(points, 0);
      worst = 0;
      for (int k = 0; k < points; ++k) {
        const std::complex<long double> fast = FromPolar(amp.data(), phase.data(), k);
        worst = std::max(worst, double(std::abs(FromPolar(directAmp, directPhase, k) - fast)) / scale);
      }
      EXPECT_LT(worst, DirectTolerance);
      EXPECT_EQ(directAmp[points], 0.0);  // the direct transform fills only its points
    }
}

TEST(SpectrumAnalyser, WidthOfASampledCosineIsItsFrequency) {
  // A cosine of 0.25 rad/sample under a smooth window: every criterion puts the width near 0.25.
  constexpr unsigned Count = 1024;
  constexpr double Frequency = 0.25;
  std::vector<double> x(Count);
  for (unsigned j = 0; j < Count; ++j) x[j] = std::cos(Frequency * j) * std::pow(std::sin(Pi * (j + 0.5) / Count), 4);
  auto s = NewAnalyser();
  s->SetFullSize(false);
  s->SetDoublings(4);
  s->Calculate(x.data(), Count);
  s->SetAmpCriterion();
  EXPECT_NEAR(s->GetSpectrumWidth(), Frequency, 0.02);
  s->SetEnergyCriterion();
  EXPECT_NEAR(s->GetSpectrumWidth(), Frequency, 0.02);
  s->SetRectCriterion();
  EXPECT_LT(s->GetSpectrumWidth(), 0.05);  // the area of one narrow peak over its height
}
