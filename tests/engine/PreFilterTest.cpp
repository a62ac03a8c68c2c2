// The filter before the sampler: its response against the textbook's figures, what it does
// to a fragment's harmonics and to a pulse, and that with it off nothing changes.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <vector>

#include "ArrayCompare.h"
#include "EngineTestSignals.h"
#include "engine/ResamEngine.h"
#include "numerics/Mathlib.h"

namespace {
double Decibels(std::complex<double> h) { return 20 * std::log10(std::abs(h)); }

struct TFragment {
  std::vector<THarmonic> Harmonics;
  double Value(double t) const {
    double s = 0;
    for (const THarmonic& h : Harmonics) s += h.Amplitude * std::cos(TwoPi * h.Frequency * t + h.Phase);
    return s;
  }
};

void GiveFragment(TResamEngine& engine, const TFragment& fragment, int count) {
  engine.FormulaSignal = {TRealFunction::Bind<&TFragment::Value>(fragment), 1, 1};
  engine.Harmonics = fragment.Harmonics;
  engine.AcceptSignal(TResamEngine::SourcePolyharmonic);
  engine.TakeAnalogSignal(TResamEngine::PeriodFromCount);
  engine.SetCount(count);
}

// A square wave of 1 Hz to its ninth harmonic, as the "Прямоугольный" fragment is.
const TFragment Square{{{0.5, 0, 0}, {0.637, 1, 0}, {0.212, 3, Pi}, {0.127, 5, 0}, {0.091, 7, Pi}, {0.071, 9, 0}}};

double EarlyPulse(double t) { return std::exp(-std::pow((t + 0.2) / 0.03, 2)); }

// First moment over zeroth of a tabulation from t1 with step h.
double Centroid(std::span<const double> v, double t1, double h) {
  double m0 = 0, m1 = 0;
  for (size_t i = 0; i < v.size(); ++i) {
    m0 += v[i];
    m1 += v[i] * (t1 + i * h);
  }
  return m1 / m0;
}
}  // namespace

// -3,01 dB at the cut-off and 20 n dB a decade beyond it for n poles; the ideal one passes or stops.
TEST(PreFilter, ResponseAtTheCutoffAndItsSlopeAreTheTextbooks) {
  const double fc = 3.5;
  for (int n = MinFilterOrder; n <= MaxFilterOrder + 1; ++n) {
    const bool rc = n > MaxFilterOrder;
    const TFilterKind kind = rc ? TFilterKind::RC : TFilterKind::Butterworth;
    const int poles = rc ? 1 : n;
    SCOPED_TRACE(rc ? std::string("RC") : "Butterworth, order " + std::to_string(n));
    EXPECT_NEAR(Decibels(FilterResponse(kind, n, fc, fc)), -10 * std::log10(2.0), 1e-9);
    EXPECT_NEAR(std::abs(FilterResponse(kind, n, fc, 0)), 1, 1e-12);
    const double decade =
        Decibels(FilterResponse(kind, n, fc, 1000 * fc)) - Decibels(FilterResponse(kind, n, fc, 100 * fc));
    EXPECT_NEAR(decade, -20 * poles, 1e-3);
    EXPECT_NEAR(std::abs(FilterResponse(kind, n, fc, -1.7)), std::abs(FilterResponse(kind, n, fc, 1.7)), 1e-12);
  }
  EXPECT_EQ(std::abs(FilterResponse(TFilterKind::Ideal, 1, fc, 3.49)), 1);
  EXPECT_EQ(std::abs(FilterResponse(TFilterKind::Ideal, 1, fc, 3.51)), 0);
}

// The ideal filter keeps the harmonics below the cut-off as they are and removes the others.
TEST(PreFilter, IdealFilterRemovesExactlyTheHarmonicsAboveTheCutoff) {
  for (double fc : {0.5, 4.0, 8.0}) {
    TResamEngine engine;
    GiveFragment(engine, Square, 40);
    engine.SetPreFilter({TFilterKind::Ideal, 4, false, fc});
    ASSERT_TRUE(engine.HasFilter());
    TFragment kept;
    for (const THarmonic& h : Square.Harmonics)
      if (h.Frequency <= fc) kept.Harmonics.push_back(h);
    std::vector<double> expected(TResamEngine::AnalogCount);
    const double step = (engine.T2() - engine.T1()) / (TResamEngine::AnalogCount - 1);
    for (int i = 0; i < TResamEngine::AnalogCount; ++i) expected[i] = kept.Value(engine.T1() + i * step);
    std::vector<double> filtered(TResamEngine::AnalogCount);
    for (int i = 0; i < TResamEngine::AnalogCount; ++i)
      filtered[i] = engine.FilteredSeries().GetValue(engine.T1() + i * step);
    const TWorstError worst = MaxRelativeError(filtered.data(), expected.data(), TResamEngine::AnalogCount, 1);
    EXPECT_LE(worst.Error, 1e-12) << "fc = " << fc << ": " << worst;
  }
}

// A slow pulse comes out of a causal filter later by the filter's group delay at zero
// frequency: 1 / (2 pi fc sin(pi / 2n)) for Butterworth (the sum of its poles' real parts),
// 1 / (2 pi fc) for RC. Its spectrum is whole on the tabulation, so the padding decides.
TEST(PreFilter, CausalFiltersDelayAPulseByTheirGroupDelay) {
  const double fc = 20;
  for (int n = MinFilterOrder; n <= MaxFilterOrder + 1; ++n) {
    const bool rc = n > MaxFilterOrder;
    TResamEngine engine;
    GiveLibrarySignal(engine, EarlyPulse, 1, 1);
    engine.SetPreFilter({rc ? TFilterKind::RC : TFilterKind::Butterworth, n, false, fc});
    const double step = (engine.T2() - engine.T1()) / (TResamEngine::AnalogCount - 1);
    std::vector<double> filtered(TResamEngine::AnalogCount);
    for (int i = 0; i < TResamEngine::AnalogCount; ++i)
      filtered[i] = engine.FilteredSeries().GetValue(engine.T1() + i * step);
    const double delay = Centroid(filtered, engine.T1(), step) - Centroid(engine.AnalogValues(), engine.T1(), step);
    const double analytic = 1 / (TwoPi * fc * std::sin(Pi / (2 * (rc ? 1 : n))));
    EXPECT_NEAR(delay, analytic, 1e-4 * analytic) << (rc ? "RC" : "Butterworth, order ") << n;
  }
}

// Off, the filter leaves no trace: every figure of an engine that had one is that of one that never did.
TEST(PreFilter, OffGivesEveryFigureBitForBit) {
  const auto figures = [](const TResamEngine& e) {
    std::vector<double> all(e.SampleValues().begin(), e.SampleValues().end());
    for (auto part : {e.ErrorValues(), e.ReconSpectrum(), e.AnalogValues(), e.AnalogSpectrum()})
      all.insert(all.end(), part.begin(), part.end());
    const TErrorFigures f = e.MethodFigures(TResamEngine::MethodPol1);
    all.insert(all.end(), {e.SignalView().Ymin, e.SignalView().Ymax, e.SpectrumView().Ymax, f.MaxError, f.RmsError});
    return all;
  };
  for (TFilterKind kind : {TFilterKind::Ideal, TFilterKind::Butterworth, TFilterKind::RC}) {
    TResamEngine plain, filtered;
    GiveFragment(plain, Square, 8);
    GiveFragment(filtered, Square, 8);
    ASSERT_NE(filtered.SetPreFilter({kind, 3, true, 1}), TResamEngine::ChangeNone);
    EXPECT_NE(figures(filtered), figures(plain));
    filtered.SetPreFilter({TFilterKind::None, 3, true, 1});
    EXPECT_FALSE(filtered.HasFilter());
    plain.SetSpectrumRange();
    EXPECT_EQ(figures(filtered), figures(plain));
    // A table that follows has no analog signal to filter: the filter goes off with the signal.
    ASSERT_NE(plain.SetPreFilter({kind, 3, true, 1}), TResamEngine::ChangeNone);
    const double table[] = {1, -0.5, 0.25};
    plain.TableSignal = {table, 3};
    plain.AcceptSignal(TResamEngine::SourceTable);
    EXPECT_NE(plain.TakeTableSignal() & TResamEngine::ChangeFilter, 0u);
    EXPECT_FALSE(plain.HasFilter());
  }
}

// Sampled at N = 8 the square fragment's harmonics 5, 7 and 9 Hz lie above fd/2 and fold onto
// the ones below; filtered out first, they only go missing, which costs less.
TEST(PreFilter, FilterAtHalfTheSamplingRateLowersKotelnikovsErrorUnderAliasing) {
  TResamEngine plain;
  GiveFragment(plain, Square, 8);
  const double without = plain.MethodFigures(TResamEngine::MethodKotelnikov).RmsError;
  std::printf("Square fragment, N = 8, fd = %.4f Hz: Kotelnikov rms error without filter %.5g", plain.Fd(), without);
  for (TFilterKind kind : {TFilterKind::Ideal, TFilterKind::Butterworth, TFilterKind::RC}) {
    TResamEngine engine;
    GiveFragment(engine, Square, 8);
    engine.SetPreFilter({kind, 4, true, 1});
    ASSERT_DOUBLE_EQ(engine.Cutoff(), engine.Fd() / 2);
    const double with = engine.MethodFigures(TResamEngine::MethodKotelnikov).RmsError;
    std::printf(", %s %.5g",
                kind == TFilterKind::Ideal ? "ideal"
                : kind == TFilterKind::RC  ? "RC"
                                           : "Butterworth 4",
                with);
    if (kind == TFilterKind::Ideal) {
      EXPECT_LT(with, 0.8 * without);
    }
  }
  std::printf("\n");
}
