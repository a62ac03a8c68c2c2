#include "sourcedata/LibFormulas.h"

#include <cmath>
#include <complex>
#include <tuple>
#include <utility>

#include "numerics/Mathlib.h"
#include "platform/TextNoop.h"
#include "sourcedata/RotationSums.h"

const char* const LibFamilyNames[LibFamilyCount] = {
    RESAM_TRANSLATE_NOOP("TLibForm", "Степенные"),
    RESAM_TRANSLATE_NOOP("TLibForm", "Степенные чётно-симметричные"),
    RESAM_TRANSLATE_NOOP("TLibForm", "Степенные нечётно-симметричные"),
    RESAM_TRANSLATE_NOOP("TLibForm", "Экспоненциальные"),
    RESAM_TRANSLATE_NOOP("TLibForm", "Экспоненциальные чётно-симметричные"),
    RESAM_TRANSLATE_NOOP("TLibForm", "Экспоненциальные нечётно-симметричные"),
    RESAM_TRANSLATE_NOOP("TLibForm", "Гауссовские"),
};

const float ExpDecayTable[LibMaxK + 1][LibMaxM + 1] = {
    {4.605f, 6.638f, 8.779f, 10.684f, 12.458f},    {7.638f, 9.352f, 11.067f, 12.742f, 14.37f},
    {9.779f, 11.397f, 12.999f, 14.58f, 16.133f},   {11.684f, 13.236f, 14.778f, 16.302f, 17.805f},
    {13.458f, 14.967f, 16.464f, 17.947f, 19.414f},
};
const float GaussDecayTable[LibMaxK + 1] = {4.292f, 5.051f, 5.528f, 5.916f, 6.254f};

namespace {
constexpr double SqrtPi = 1.7724538509055160273;
// Sum points of the numeric spectra: family 1 over [0, tau], families 2 and 3 over [0, tau/2].
constexpr int OneSidedIntervals = 199;
constexpr int HalfIntervals = 299;
constexpr double ViewHeadroom = 1.1;

// x^n by repeated multiplication, x^0 = 1 (also for x = 0).
double Power(double x, int n) {
  double r = 1;
  for (int i = 0; i < n; ++i) r = r * x;
  return r;
}

// A factor base^exponent that counts as 1 when the exponent is 0.
double Factor(double base, double exponent) { return exponent == 0 ? 1.0 : std::pow(base, exponent); }

// Each family's signal and spectrum as a function of the object, so that a curve keeps the
// family it was handed out for while the object moves on to another.
template <int Family>
double SignalOf(const TLibFormulas& lib, double t) {
  return lib.FamilySignal(Family, t);
}

template <int Family>
double SpectrumOf(const TLibFormulas& lib, double f) {
  return lib.FamilySpectrum(Family, f);
}

template <int... F>
std::pair<TRealFunction, TRealFunction> FunctionsOf(const TLibFormulas& lib, int family,
                                                    std::integer_sequence<int, F...>) {
  const TRealFunction signals[] = {TRealFunction::Bind<&SignalOf<F + 1>>(lib)...};
  const TRealFunction spectra[] = {TRealFunction::Bind<&SpectrumOf<F + 1>>(lib)...};
  return {signals[family - 1], spectra[family - 1]};
}
}  // namespace

TLibFormulas::TLibFormulas() { SelectFamily(1); }

double TLibFormulas::ClampParameter(double value) {
  if (!(value >= LibMinParameter)) return LibMinParameter;
  if (value > LibMaxParameter) return LibMaxParameter;
  return value;
}

void TLibFormulas::SetParameters(const TLibParameters& p) {
  SelectFamily(p.Family);
  SetK(p.K);
  SetL(p.L);
  SetM(p.M);
  SetTau(p.Tau);
  SetV0(p.V0);
}

void TLibFormulas::SetK(int k) {
  K = k < 0 ? 0 : (k > LibMaxK ? LibMaxK : k);
  Normalise();
}

void TLibFormulas::SetL(int l) {
  L = l < LibMinL ? LibMinL : (l > LibMaxL ? LibMaxL : l);
  Normalise();
}

void TLibFormulas::SetM(int m) {
  M = m < 0 ? 0 : (m > LibMaxM ? LibMaxM : m);
  Normalise();
}

double TLibFormulas::SetTau(double tau) {
  Tau = ClampParameter(tau);
  return Tau;
}

double TLibFormulas::SetV0(double v0) {
  V0 = ClampParameter(v0);
  Normalise();
  return V0;
}

void TLibFormulas::SelectFamily(int n) {
  if (n < 1 || n > LibFamilyCount) return;
  if (n == 1 && Family == 7) {
    K = 0;
    L = 1;
    M = 0;
  }
  Family = n;
  const auto functions = FunctionsOf(*this, n, std::make_integer_sequence<int, LibFamilyCount>());
  SignalFunction = functions.first;
  SpectrumFunction = functions.second;
  Normalise();
}

bool TLibFormulas::StepParameter(int& value, int a, int low, int high) {
  value += a;
  if (value < low) {
    value = high;
    return true;
  }
  if (value > high) {
    value = low;
    return true;
  }
  return false;
}

void TLibFormulas::StepSignal(int a) {
  bool carry;
  if (Family <= 3)
    carry = StepParameter(M, a, 0, LibMaxM) && StepParameter(L, a, LibMinL, LibMaxL) && StepParameter(K, a, 0, LibMaxK);
  else if (Family <= 6)
    carry = StepParameter(M, a, 0, LibMaxM) && StepParameter(K, a, 0, LibMaxK);
  else
    carry = StepParameter(K, a, 0, LibMaxK);
  if (carry) {
    int next = Family + a;
    if (next < 1) next = LibFamilyCount;
    if (next > LibFamilyCount) next = 1;
    SelectFamily(next);
  }
  Normalise();
}

void TLibFormulas::Normalise() {
  double smax = 1;
  if (Family <= 3) {
    const int d = K + L * M;
    if (d != 0) smax = Factor(double(K) / d, double(K) / L) * Factor(double(L * M) / d, M);
    Symmetry = static_cast<unsigned char>(Family - 1);
  } else if (Family <= 6) {
    const double b = K + M - 1;
    const double peak = (b + std::sqrt(4.0 * K + b * b)) / 2;
    // x* = 0 only when k = 0, where Power gives the 1 that x*^k must count as.
    smax = Power(peak, K) * Power(1 + peak, M) * std::exp(-peak);
    Symmetry = static_cast<unsigned char>(Family - 4);
  } else {
    smax = Power(std::sqrt(K / 2.0), K) * std::exp(-K / 2.0);
    Symmetry = K % 2 == 1 ? 2 : 1;
  }
  AmpFactor = V0 / smax;
}

double TLibFormulas::FamilySignal(int family, double t) const {
  if (family >= 1 && family <= 3) return PowerSignal(family, t);
  if (family >= 4 && family <= 6) return ExponentialSignal(family, t);
  if (family == 7) return GaussSignal(t);
  return 0;
}

double TLibFormulas::PowerSignal(int family, double t) const {
  if (family == 3 && t < 0) return -PowerSignal(2, t);
  double u;
  if (family == 1) {
    if (t < 0 || t > Tau) return 0;
    u = t / Tau;
  } else {
    if (std::fabs(t) > Tau / 2) return 0;
    u = 2 * std::fabs(t) / Tau;
  }
  return AmpFactor * Power(u, K) * Power(1 - Power(u, L), M);
}

double TLibFormulas::ExpAlpha(int family) const {
  const double decay = ExpDecayTable[K][M];
  return family == 4 ? decay / Tau : 2 * decay / Tau;
}

double TLibFormulas::ExponentialSignal(int family, double t) const {
  if (family == 6 && t < 0) return -ExponentialSignal(5, t);
  const double decay = ExpDecayTable[K][M];
  double x;
  if (family == 4) {
    if (t < 0) return 0;
    x = t * decay / Tau;
  } else {
    x = std::fabs(t) * 2 * decay / Tau;
  }
  return AmpFactor * Power(x, K) * Power(1 + x, M) * std::exp(-x);
}

double TLibFormulas::GaussSignal(double t) const {
  const double x = (GaussDecayTable[K] / Tau) * t;
  return AmpFactor * Power(x, K) * std::exp(-(x * x));
}

double TLibFormulas::FamilySpectrum(int family, double f) const {
  if (family >= 1 && family <= 3) return NumericSpectrum(family, f);
  if (family >= 4 && family <= 6) return ExponentialSpectrum(family, f);
  if (family == 7) return GaussSpectrum(f);
  return 0;
}

// The points of the sums run from 0 by a running sum while they stay within the interval,
// as in the literal sums, so both tabulate the same points.
const std::vector<double>& TLibFormulas::SumPoints(int family) const {
  const TSumKey key{family, K, L, M, Tau, AmpFactor};
  if (key == SumKey) return SumValues;
  SumValues.clear();
  const double end = family == 1 ? Tau : Tau / 2;
  const double step = end / (family == 1 ? OneSidedIntervals : HalfIntervals);
  for (double t = 0; t <= end; t = t + step) SumValues.push_back(PowerSignal(family, t));
  SumKey = key;
  return SumValues;
}

double TLibFormulas::NumericSpectrum(int family, double f) const {
  const std::vector<double>& values = SumPoints(family);
  const double step = family == 1 ? Tau / OneSidedIntervals : (Tau / 2) / HalfIntervals;
  const TCosSinSums sums = RotationSums(values.data(), static_cast<int>(values.size()), TwoPi * f * step);
  if (family == 1) return std::sqrt((step * sums.C) * (step * sums.C) + (step * sums.S) * (step * sums.S));
  return std::fabs(family == 2 ? sums.C : sums.S) * 2 * step;
}

double TLibFormulas::LiteralSpectrum(int family, double f) const {
  if (family < 1 || family > 3) return FamilySpectrum(family, f);
  const double w = TwoPi * f;
  if (family == 1) {
    const double step = Tau / OneSidedIntervals;
    double c = 0, s = 0;
    for (double t = 0; t <= Tau; t = t + step) {
      const double value = PowerSignal(1, t);
      c += value * std::cos(w * t);
      s += value * std::sin(w * t);
    }
    return std::sqrt((step * c) * (step * c) + (step * s) * (step * s));
  }
  const double step = (Tau / 2) / HalfIntervals;
  double sum = 0;
  for (double t = 0; t <= Tau / 2; t = t + step)
    sum += PowerSignal(family, t) * (family == 2 ? std::cos(w * t) : std::sin(w * t));
  return std::fabs(sum) * 2 * step;
}

double TLibFormulas::ExponentialSpectrum(int family, double f) const {
  const double alpha = ExpAlpha(family);
  const double x = TwoPi * f / alpha;
  const std::complex<double> z(1, x);
  // z^k in polar form, then one more factor z per term: term i divides by z^(k + i + 1).
  std::complex<double> power(1, 0);
  if (x != 0) {
    const double theta = std::atan2(x, 1.0);
    power = std::pow(std::abs(z), K) * std::complex<double>(std::cos(K * theta), std::sin(K * theta));
  }
  std::complex<double> sum(0, 0);
  for (int i = 0; i <= M; ++i) {
    power *= z;
    sum += static_cast<double>(Binomial(M, i) * Factorial(K + i)) / power;
  }
  const double scale = AmpFactor / alpha;
  if (family == 4) return scale * std::abs(sum);
  if (family == 5) return std::fabs(2 * scale * sum.real());
  return std::fabs(2 * scale * sum.imag());
}

double TLibFormulas::GaussSpectrum(double f) const {
  const double alpha = GaussDecayTable[K] / Tau;
  const double x = TwoPi * f / alpha;
  const double base = std::exp(-(x * x) / 4) * (SqrtPi / alpha) * AmpFactor;
  const double x2 = x * x;
  switch (K) {
    case 0:
      return base;
    case 1:
      return 0.5 * std::fabs(x) * base;
    case 2:
      return 0.25 * std::fabs(x2 - 2) * base;
    case 3:
      return 0.125 * std::fabs(x * (x2 - 6)) * base;
    default:
      return 0.0625 * std::fabs(x2 * x2 - 12 * x2 + 12) * base;
  }
}

TLibSignalView TLibFormulas::SignalView() const {
  TLibSignalView view{-Tau, Tau, 0, ViewHeadroom * V0};
  if (Symmetry == 2) view.Ymin = -view.Ymax;
  if (Family == 1 || Family == 4) {
    view.Xmin = -0.5 * Tau;
    view.Xmax = 1.5 * Tau;
  }
  return view;
}

void TLibFormulas::Accept() {
  AcceptedParameters = Parameters();
  Accepted = true;
}

void TLibFormulas::RestoreAccepted() {
  const TLibParameters& a = AcceptedParameters;
  std::tie(K, L, M, Family, V0, Tau) = std::tie(a.K, a.L, a.M, a.Family, a.V0, a.Tau);
  SelectFamily(a.Family);
}
