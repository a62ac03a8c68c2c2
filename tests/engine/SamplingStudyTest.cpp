// Noisy and quantised samples, and the alias twin of a polyharmonic fragment.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "ArrayCompare.h"
#include "EngineTestSignals.h"
#include "engine/ResamEngine.h"
#include "numerics/Mathlib.h"

namespace {

std::vector<double> Wave(int n, double offset) {
  std::vector<double> v(n);
  for (int i = 0; i < n; ++i) v[i] = 1.7 * std::sin(TwoPi * 3.3 * i / n) + offset;
  return v;
}

// Mean square of a - b (b empty: of a).
double MeanSquare(const std::vector<double>& a, const std::vector<double>& b = {}) {
  double s = 0;
  for (size_t i = 0; i < a.size(); ++i) s += std::pow(a[i] - (b.empty() ? 0 : b[i]), 2);
  return s / a.size();
}
}  // namespace

TEST(SampleNoise, MeasuredSnrMatchesTheSettingAndTheSeedFixesTheNoise) {
  const std::vector<double> clean = Wave(500, 0.2);
  for (double snr : {-10.0, 0.0, 20.0, 60.0}) {
    double sum = 0, squares = 0;
    for (int seed = 1; seed <= 200; ++seed) {
      std::vector<double> noisy = clean, again = clean, other = clean;
      ApplySampleNoise({true, snr, false, 8, std::uint64_t(seed)}, noisy);
      ApplySampleNoise({true, snr, false, 8, std::uint64_t(seed)}, again);
      ApplySampleNoise({true, snr, false, 8, std::uint64_t(seed + 1)}, other);
      ASSERT_EQ(noisy, again) << "seed " << seed;
      ASSERT_NE(noisy, other) << "seed " << seed;
      const double measured = 10 * std::log10(MeanSquare(clean) / MeanSquare(noisy, clean));
      sum += measured;
      squares += measured * measured;
    }
    const double mean = sum / 200, spread = std::sqrt(squares / 200 - mean * mean);
    EXPECT_NEAR(mean, snr, 0.5);
    // Independent draws: the power of 500 of them scatters by about sqrt(2/500), 0.27 dB.
    EXPECT_TRUE(spread > 0.15 && spread < 0.45) << snr << " dB: " << spread;
  }
}

// An independent model of the textbook quantiser: 2^b levels spread evenly over the full
// scale [-A, A], half a step in from each end; a sample goes to the nearest of them, found by
// looking at every level.
TEST(SampleNoise, QuantiserIsTheTextbookMidRiseOneAndItsRatioIsSixDecibelsABit) {
  for (int bits : {1, 2, 3, 8, 16}) {
    const int count = 1 << bits;
    for (double offset : {0.2, -0.9, 0.01}) {
      const std::vector<double> clean = Wave(300, offset);
      std::vector<double> q = clean;
      const double measured = ApplySampleNoise({false, 20, true, bits, 1}, q);
      double a = 0, signal = 0, error = 0;
      for (double x : clean) a = std::max(a, std::fabs(x));
      std::vector<double> levels(count);
      for (int k = 0; k < count; ++k) levels[k] = -a + a / count + k * (2 * a / count);
      ASSERT_NEAR(levels[0], -levels[count - 1], 1e-12 * a) << bits << " bits: the levels are symmetric";
      for (size_t i = 0; i < q.size(); ++i) {
        const auto nearest = std::ranges::min_element(levels, {}, [&](double l) { return std::fabs(l - clean[i]); });
        ASSERT_NEAR(q[i], *nearest, 1e-12 * a) << bits << " bits, sample " << i << " of " << clean[i];
        signal += clean[i] * clean[i];
        error += (q[i] - clean[i]) * (q[i] - clean[i]);
      }
      EXPECT_NEAR(measured, 10 * std::log10(signal / error), 1e-9) << bits << " bits";
    }
    // A full-scale sine over many periods: the ratio textbooks give, from four bits up.
    std::vector<double> sine(4000);
    for (size_t i = 0; i < sine.size(); ++i) sine[i] = std::sin(TwoPi * 37.13 * i / sine.size() + 0.1);
    const double ratio = ApplySampleNoise({false, 20, true, bits, 1}, sine);
    if (bits >= 4) {
      EXPECT_NEAR(ratio, TextbookQuantisationSnr(bits), 0.5) << bits << " bits";
    }
  }
  // Noise beyond the full scale is clipped to the outer levels; one bit keeps the sign.
  std::vector<double> wild = {1.0, -1.0, 0.25, 3.0, -7.0, 0.6};
  for (double& v : wild) v = Quantise(v, QuantisationStep(1, 2), 2);
  EXPECT_EQ(wild, (std::vector<double>{0.75, -0.75, 0.25, 0.75, -0.75, 0.75}));
  EXPECT_EQ(Quantise(-0.01, QuantisationStep(1, 1), 1), -0.5);
  // Degenerate signals stay finite: a constant at one bit, a zero signal with noise.
  for (double level : {0.0, 0.75, -0.75}) {
    std::vector<double> v(50, level);
    ApplySampleNoise({level == 0, 20, true, 1, 7}, v);
    EXPECT_TRUE(std::ranges::all_of(v, [level](double x) { return level == 0 ? x == 0 : std::isfinite(x); }));
  }
}

namespace {
struct TFragment {
  std::vector<THarmonic> Harmonics;
  double Value(double t) const {
    double s = 0;
    for (const THarmonic& h : Harmonics) s += h.Amplitude * std::cos(TwoPi * h.Frequency * t + h.Phase);
    return s;
  }
};

void GiveFragment(TResamEngine& engine, const TFragment& fragment) {
  engine.FormulaSignal = {TRealFunction::Bind<&TFragment::Value>(fragment), 1, 1};
  engine.Harmonics = fragment.Harmonics;
  engine.AcceptSignal(TResamEngine::SourcePolyharmonic);
  engine.TakeAnalogSignal(TResamEngine::PeriodFromCount);
}
}  // namespace

// With noise or quantisation off again, every figure is that of an engine that never had them.
TEST(SampleNoise, BothOffGivesEveryFigureOfTheProgramWithoutThem) {
  const TFragment fragment{{{0.3, 0, 0}, {1, 2, 0.4}, {0.5, 9, -1}}};
  TResamEngine plain, studied;
  GiveFragment(plain, fragment);
  GiveFragment(studied, fragment);
  const auto figures = [](const TResamEngine& e) {
    std::vector<double> all(e.SampleValues().begin(), e.SampleValues().end());
    for (auto part : {e.ErrorValues(), e.ReconSpectrum(), e.AnalogValues()})
      all.insert(all.end(), part.begin(), part.end());
    all.insert(all.end(), {e.SignalView().Ymin, e.SignalView().Ymax, e.SpectrumView().Ymax});
    return all;
  };
  ASSERT_NE(studied.SetSampleNoise({true, 10, true, 4, 3}), TResamEngine::ChangeNone);
  EXPECT_NE(figures(studied), figures(plain));
  EXPECT_TRUE(std::ranges::equal(studied.AnalogValues(), plain.AnalogValues()));  // the analog signal stays clean
  studied.SetSampleNoise({});
  plain.SetSpectrumRange();
  EXPECT_EQ(figures(studied), figures(plain));
}

// Sampled at fd, each harmonic above fd/2 folds into [0, fd/2]; the folded sum meets the
// signal at every grid time, on a grid through zero and on one through the interval's start.
TEST(AliasTwin, FoldedHarmonicsPassThroughEverySample) {
  const TFragment seven{{{1, 7, 0.3}}};
  const TFragment square{{{0.5, 0, 0}, {0.637, 1, 0}, {0.212, 3, 3.14159}, {0.127, 5, 0}, {0.091, 7, 3.14159}}};
  const struct {
    const TFragment* Fragment;
    int N;
    bool AtZero;
    std::vector<std::pair<double, double>> Folds;
  } cases[] = {
      {&seven, 11, true, {{7, 3}}},         {&seven, 11, false, {{7, 3}}}, {&square, 8, false, {{5, 2}, {7, 0}}},
      {&square, 9, true, {{5, 3}, {7, 1}}}, {&square, 16, true, {}},
  };
  for (const auto& c : cases) {
    TResamEngine engine;
    engine.SetTwinShown(true);
    engine.SetAnchoredAtZero(c.AtZero);
    GiveFragment(engine, *c.Fragment);
    engine.SetCount(c.N);
    SCOPED_TRACE(testing::Message() << "N = " << c.N << (c.AtZero ? ", at zero" : ", at the start"));
    std::vector<std::pair<double, double>> folds;
    for (const TFolding& f : engine.TwinFoldings()) folds.push_back({f.From, std::round(f.To * 1e9) / 1e9});
    EXPECT_EQ(folds, c.Folds);
    double largest = 0, worst = 0;
    for (int m = 0; m < engine.N(); ++m) {
      const double t = engine.T0() + m * engine.T(), s = c.Fragment->Value(t);
      if (t < engine.T1() || t > engine.T2()) continue;  // the signal is zero outside its interval
      largest = std::max(largest, std::fabs(s));
      worst = std::max(worst, std::fabs(engine.TwinSeries().GetValue(t) - s));
    }
    EXPECT_LE(worst, 1e-12 * largest);
  }
}

namespace {
double Gaussian(double t) { return std::exp(-(t / 0.06) * (t / 0.06)); }
}  // namespace

// The tabulation's interpolation error (some 1e-5 of the peak) hides the better method at
// N = 500; samples of the signal itself let each method show its own error.
TEST(ExactSamples, SamplesAreTheSignalAtTheSampleTimesAndTheComparisonRanksByOwnError) {
  TResamEngine engine;
  GiveLibrarySignal(engine, Gaussian, 1, 1);
  engine.SetCount(500);
  const TErrorFigures kotelnikovTabulated = engine.MethodFigures(TResamEngine::MethodKotelnikov);
  const TErrorFigures linearTabulated = engine.MethodFigures(TResamEngine::MethodPol1);
  ASSERT_NE(engine.SetExactSamples(true), TResamEngine::ChangeNone);
  std::vector<double> expected(engine.N());
  for (int i = 0; i < engine.N(); ++i) expected[i] = Gaussian(engine.T0() + i * engine.T());
  const TWorstError worst = MaxRelativeError(engine.SampleValues().data(), expected.data(), engine.N(), 1e-12);
  EXPECT_LE(worst.Error, 1e-12) << worst;
  const TErrorFigures kotelnikov = engine.MethodFigures(TResamEngine::MethodKotelnikov);
  const TErrorFigures linear = engine.MethodFigures(TResamEngine::MethodPol1);
  std::printf(
      "N = 500, Gaussian: tabulated samples: Kotelnikov max %.5g, linear max %.5g; exact samples: "
      "Kotelnikov max %.5g, linear max %.5g\n",
      kotelnikovTabulated.MaxError, linearTabulated.MaxError, kotelnikov.MaxError, linear.MaxError);
  EXPECT_LT(kotelnikov.MaxError, 1e-3 * linear.MaxError);
  EXPECT_LT(kotelnikov.MaxError, 1e-3 * kotelnikovTabulated.MaxError);
  // Off again: the samples read the tabulation as before.
  engine.SetExactSamples(false);
  EXPECT_EQ(engine.MethodFigures(TResamEngine::MethodKotelnikov).MaxError, kotelnikovTabulated.MaxError);
}
