#include <gtest/gtest.h>

#include <cmath>
#include <complex>

#include "numerics/Mathlib.h"
#include "sourcedata/LibFormulas.h"

namespace {

void Choose(TLibFormulas& lib, int family, int k, int l, int m, double tau = 1, double v0 = 1) {
  lib.SelectFamily(family);
  lib.SetK(k);
  lib.SetL(l);
  lib.SetM(m);
  lib.SetTau(tau);
  lib.SetV0(v0);
}

double PeakMagnitude(const TLibFormulas& lib) {
  const double tau = lib.GetTau();
  double peak = 0;
  constexpr int Points = 6000;
  for (int i = 0; i <= Points; ++i) peak = std::fmax(peak, std::fabs(lib.Signal(-tau + 2.5 * tau * i / Points)));
  return peak;
}

// |integral of s(t) e^(-j w t) dt| by Simpson's rule on [0, b], independent of the library's
// spectra; the even and odd signals are integrated on t >= 0 only (2 x the cosine or sine
// part), so that the jump or kink at t = 0 sits at the end of the interval.
double FourierMagnitude(const TLibFormulas& lib, double f, double b) {
  constexpr int Intervals = 20000;
  const double h = b / Intervals, w = TwoPi * f;
  std::complex<double> sum = 0;
  for (int i = 0; i <= Intervals; ++i) {
    const double t = i * h;
    const double weight = (i == 0 || i == Intervals) ? 1 : (i % 2 ? 4 : 2);
    sum += weight * lib.Signal(t) * std::polar(1.0, -w * t);
  }
  sum *= h / 3.0;
  if (lib.GetSymmetry() == 1) return 2 * std::fabs(sum.real());
  if (lib.GetSymmetry() == 2) return 2 * std::fabs(sum.imag());
  return std::abs(sum);
}
}  // namespace

TEST(LibFormulas, RectangleAndItsSpectrumAtZero) {
  TLibFormulas lib;
  Choose(lib, 1, 0, 1, 0, 3, 2);
  EXPECT_EQ(lib.GetAmpFactor(), 2);
  EXPECT_EQ(lib.Signal(1.5), 2);
  EXPECT_EQ(lib.Signal(0), 2);
  EXPECT_EQ(lib.Signal(-0.01), 0);
  EXPECT_EQ(lib.Signal(3.01), 0);
  // Delta times the number of sum points times V0: 199 or 200 points, as the running
  // abscissa's rounding decides whether tau itself is reached; about V0 tau either way.
  const double delta = 3.0 / 199;
  EXPECT_GE(lib.Spectrum(0), 199 * delta * 2 - 1e-12);
  EXPECT_LE(lib.Spectrum(0), 200 * delta * 2 + 1e-12);
}

TEST(LibFormulas, QuarterPeakIsScaledToV0) {
  TLibFormulas lib;
  Choose(lib, 1, 1, 1, 1, 2, 3);
  EXPECT_NEAR(lib.GetAmpFactor(), 12, 1e-12);
  EXPECT_NEAR(lib.Signal(1), 3, 1e-12);
}

TEST(LibFormulas, ExponentialAndGaussianClosedForms) {
  TLibFormulas lib;
  Choose(lib, 4, 0, 1, 0, 2, 1.5);
  const double alpha = double(4.605f) / 2;
  EXPECT_NEAR(lib.Signal(0.7), 1.5 * std::exp(-alpha * 0.7), 1e-14);
  EXPECT_EQ(lib.Signal(-0.1), 0);
  for (double f : {0.0, 0.3, 2.0, 11.0}) {
    const double w = TwoPi * f;
    EXPECT_NEAR(lib.Spectrum(f), 1.5 / std::sqrt(alpha * alpha + w * w), 1e-14) << f;
  }
  Choose(lib, 7, 0, 1, 0, 2, 1.5);
  const double a7 = double(4.292f) / 2;
  EXPECT_NEAR(lib.Signal(0.5), 1.5 * std::exp(-(a7 * 0.5) * (a7 * 0.5)), 1e-14);
  EXPECT_NEAR(lib.Signal(1) / 1.5, 0.01, 1e-4);
  EXPECT_NEAR(lib.Signal(-1) / 1.5, 0.01, 1e-4);
  for (double f : {0.0, 0.4, 1.3}) {
    const double e = Pi * f / a7;
    EXPECT_NEAR(lib.Spectrum(f), 1.5 * (std::sqrt(Pi) / a7) * std::exp(-e * e), 1e-14) << f;
  }
}

TEST(LibFormulas, SymmetryCodesOfTheFamilies) {
  TLibFormulas lib;
  const unsigned char expected[] = {0, 1, 2, 0, 1, 2};
  for (int family = 1; family <= 6; ++family) {
    lib.SelectFamily(family);
    EXPECT_EQ(lib.GetSymmetry(), expected[family - 1]) << family;
  }
  lib.SelectFamily(7);
  lib.SetK(1);
  EXPECT_EQ(lib.GetSymmetry(), 2);
  lib.SetK(2);
  EXPECT_EQ(lib.GetSymmetry(), 1);
  // Odd families are odd functions, even ones even.
  Choose(lib, 3, 2, 2, 1, 1, 1);
  EXPECT_EQ(lib.Signal(-0.2), -lib.Signal(0.2));
  Choose(lib, 6, 1, 1, 2, 1, 1);
  EXPECT_EQ(lib.Signal(-0.2), -lib.Signal(0.2));
  Choose(lib, 5, 1, 1, 2, 1, 1);
  EXPECT_EQ(lib.Signal(-0.2), lib.Signal(0.2));
  Choose(lib, 3, 0, 1, 0, 1, 1);
  EXPECT_EQ(lib.Signal(0), 1);  // family 3 with k = 0 reads A at t = 0
}

TEST(LibFormulas, OdometerWrapsAndCarries) {
  TLibFormulas lib;
  Choose(lib, 1, 4, 4, 4);
  lib.StepSignal(+1);
  EXPECT_EQ(lib.GetFamily(), 2);
  EXPECT_EQ(lib.GetK(), 0);
  EXPECT_EQ(lib.GetL(), 1);
  EXPECT_EQ(lib.GetM(), 0);

  Choose(lib, 1, 0, 1, 0);
  lib.StepSignal(-1);
  EXPECT_EQ(lib.GetFamily(), 7);
  EXPECT_EQ(lib.GetK(), 4);
  EXPECT_EQ(lib.GetSymmetry(), 1);

  lib.StepSignal(+1);  // family 7, k = 4 -> family 1 with k, l, m reset
  EXPECT_EQ(lib.GetFamily(), 1);
  EXPECT_EQ(lib.GetK(), 0);
  EXPECT_EQ(lib.GetL(), 1);
  EXPECT_EQ(lib.GetM(), 0);

  // The exponential families skip l, which keeps its value.
  Choose(lib, 4, 2, 3, 4);
  lib.StepSignal(+1);
  EXPECT_EQ(lib.GetK(), 3);
  EXPECT_EQ(lib.GetM(), 0);
  EXPECT_EQ(lib.GetL(), 3);
  lib.StepSignal(-1);
  EXPECT_EQ(lib.GetK(), 2);
  EXPECT_EQ(lib.GetM(), 4);
}

TEST(LibFormulas, EveryFamilyPeaksAtV0) {
  TLibFormulas lib;
  for (int family = 1; family <= 7; ++family)
    for (int k = 0; k <= LibMaxK; ++k)
      for (int l = 1; l <= (TLibFormulas::UsesL(family) ? LibMaxL : 1); ++l)
        for (int m = 0; m <= (TLibFormulas::UsesM(family) ? LibMaxM : 0); ++m) {
          Choose(lib, family, k, l, m, 0.8, 2.5);
          EXPECT_NEAR(PeakMagnitude(lib), 2.5, 2.5e-4) << family << " k" << k << " l" << l << " m" << m;
        }
}

TEST(LibFormulas, ClosedFormSpectraMatchAFourierIntegralOfTheSignal) {
  TLibFormulas lib;
  // Every k: the odd ones carry the Gaussian family's odd Hermite forms and its odd symmetry.
  for (int family = 4; family <= 7; ++family)
    for (int k = 0; k <= LibMaxK; ++k)
      for (int m = 0; m <= (family == 7 ? 0 : LibMaxM); m += 2) {
        Choose(lib, family, k, 1, m, 1.5, 2);
        // The exponential shapes die out within a few tau; 12 tau leaves less than 1e-15.
        const double b = 12 * 1.5;
        const double scale = lib.Spectrum(0) + FourierMagnitude(lib, 0.05, b);
        for (double f : {0.0, 0.05, 0.31, 1.2, 3.7}) {
          EXPECT_NEAR(lib.Spectrum(f), FourierMagnitude(lib, f, b), 1e-6 * scale)
              << "family " << family << " k" << k << " m" << m << " f " << f;
        }
      }
}

TEST(LibFormulas, NumericSpectraOfTheSymmetricRectangleFollowSinc) {
  TLibFormulas lib;
  Choose(lib, 2, 0, 1, 0, 2, 1);
  for (double f : {0.1, 0.33, 0.8}) {
    const double x = Pi * f * 2;
    EXPECT_NEAR(lib.Spectrum(f), 2 * std::fabs(std::sin(x) / x), 0.02) << f;
  }
  // Family 3 of the same shape: the odd rectangle, |S| = 2 (1 - cos(w tau / 2)) / w = (1 - cos(pi f tau)) / (pi f).
  lib.SelectFamily(3);
  for (double f : {0.1, 0.33, 0.8}) EXPECT_NEAR(lib.Spectrum(f), (1 - std::cos(Pi * f * 2)) / (Pi * f), 0.02) << f;
}

TEST(LibFormulas, ParametersStayInRange) {
  TLibFormulas lib;
  EXPECT_EQ(lib.SetTau(250), 100);
  EXPECT_EQ(lib.SetTau(0), 0.01);
  EXPECT_EQ(lib.SetV0(std::nan("")), 0.01);
  lib.SetK(9);
  lib.SetL(0);
  lib.SetM(-3);
  EXPECT_EQ(lib.GetK(), 4);
  EXPECT_EQ(lib.GetL(), 1);
  EXPECT_EQ(lib.GetM(), 0);
  lib.SelectFamily(8);
  lib.SelectFamily(0);
  EXPECT_EQ(lib.GetFamily(), 1);
}

TEST(LibFormulas, ViewsOfTheSignalDiagram) {
  TLibFormulas lib;
  Choose(lib, 1, 0, 1, 0, 2, 3);
  TLibSignalView view = lib.SignalView();
  EXPECT_EQ(view.Xmin, -1);
  EXPECT_EQ(view.Xmax, 3);
  EXPECT_EQ(view.Ymin, 0);
  EXPECT_NEAR(view.Ymax, 3.3, 1e-15);
  Choose(lib, 6, 0, 1, 0, 2, 3);
  view = lib.SignalView();
  EXPECT_EQ(view.Xmin, -2);
  EXPECT_EQ(view.Xmax, 2);
  EXPECT_EQ(view.Ymin, -view.Ymax);
  EXPECT_EQ(lib.SpectrumBand(), 2.5);
}

TEST(LibFormulas, ClosingWithoutSelectingBringsBackTheAcceptedSignal) {
  TLibFormulas lib;
  Choose(lib, 5, 2, 1, 3, 4, 6);
  lib.Accept();
  lib.BeginShow();
  EXPECT_FALSE(lib.IsAccepted());
  Choose(lib, 7, 1, 1, 0, 9, 9);
  lib.RestoreAccepted();
  EXPECT_EQ(lib.GetFamily(), 5);
  EXPECT_EQ(lib.GetK(), 2);
  EXPECT_EQ(lib.GetM(), 3);
  EXPECT_EQ(lib.GetTau(), 4);
  EXPECT_EQ(lib.GetV0(), 6);
  EXPECT_EQ(lib.GetSymmetry(), 1);
  EXPECT_NEAR(PeakMagnitude(lib), 6, 6e-4);
}

TEST(LibFormulas, CurvesReadTheirOwnObject) {
  TLibFormulas lib, other;
  Choose(lib, 4, 1, 1, 1, 2, 2);
  Choose(other, 4, 1, 1, 1, 2, 5);
  const TRealFunction signal = lib.GetSignalFunction(), spectrum = lib.GetSpectrumFunction();
  EXPECT_EQ(signal(0.3), lib.Signal(0.3));
  EXPECT_EQ(spectrum(0.7), lib.Spectrum(0.7));
  lib.SetV0(4);  // the same function sees the change
  EXPECT_EQ(signal(0.3), lib.Signal(0.3));
  EXPECT_EQ(other.GetSignalFunction()(0.3), other.Signal(0.3));  // and the other object keeps its own
  EXPECT_NE(other.GetSignalFunction(), signal);
  lib.SelectFamily(7);
  EXPECT_NE(lib.GetSignalFunction(), signal);
}

// The spectra drawn for the power families come from a table of the signal that is formed
// once per signal; they must equal the literal sums for every signal, duration and
// frequency, also right after a change of tau or V0 alone.
TEST(LibFormulas, TabulatedPowerSpectraEqualTheLiteralSums) {
  TLibFormulas lib;
  struct TShape {
    int K, L, M;
  };
  const TShape shapes[] = {{0, 1, 0}, {1, 1, 1}, {2, 3, 1}, {4, 4, 4}, {0, 2, 3}};
  for (int family = 1; family <= 3; ++family)
    for (const TShape& shape : shapes)
      for (double tau : {0.01, 37.0, 100.0})
        for (double v0 : {0.01, 100.0}) {
          Choose(lib, family, shape.K, shape.L, shape.M, tau, v0);
          const double top = 75 / tau, scale = v0 * tau;
          for (int j = -40; j <= 40; ++j) {
            const double f = top * j / 40 + (j % 3) * 1e-7 / tau;
            EXPECT_NEAR(lib.Spectrum(f), lib.LiteralSpectrum(family, f), 1e-12 * scale)
                << "family " << family << " k" << shape.K << " l" << shape.L << " m" << shape.M << " tau " << tau
                << " f " << f;
          }
        }
}
