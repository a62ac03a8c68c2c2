#include "engine/PreFilter.h"

#include <algorithm>
#include <cmath>

#include "numerics/Mathlib.h"

namespace {
using TComplex = std::complex<double>;

// A causal response has decayed below e^-40 (4e-18) after this many time constants of its
// slowest pole.
constexpr double TailTimeConstants = 40;
constexpr size_t MaxTransform = size_t(1) << 20;
// The ideal filter's response reaches both ways; the pulse's own span and both reaches fit in
// four spans.
constexpr size_t SpanMultiple = 4;

// In place, radix 2, unscaled; inverse with the conjugate twiddles.
void Transform(std::vector<TComplex>& a, bool inverse) {
  const size_t n = a.size();
  for (size_t i = 1, j = 0; i < n; ++i) {
    size_t bit = n >> 1;
    for (; j & bit; bit >>= 1) j ^= bit;
    j ^= bit;
    if (i < j) std::swap(a[i], a[j]);
  }
  for (size_t len = 2; len <= n; len <<= 1) {
    const double angle = (inverse ? TwoPi : -TwoPi) / static_cast<double>(len);
    for (size_t k = 0; k < len / 2; ++k) {
      const TComplex w = std::polar(1.0, angle * static_cast<double>(k));
      for (size_t i = k; i < n; i += len) {
        const TComplex u = a[i], v = a[i + len / 2] * w;
        a[i] = u + v;
        a[i + len / 2] = u - v;
      }
    }
  }
}

// Time constant (s) of the slowest pole: Butterworth's poles lie on the circle of radius 2 pi fc,
// the slowest sin(pi / 2n) of it from the imaginary axis; RC's one pole at -2 pi fc.
double SlowestTimeConstant(TFilterKind kind, int order, double fc) {
  const int n = kind == TFilterKind::Butterworth ? order : 1;
  return 1 / (TwoPi * fc * std::sin(Pi / (2 * n)));
}

// The padding rule. The pulse is zero outside its M points, and the transform of L points turns
// the product of spectra into a circular convolution; it equals the linear one on the pulse's
// span when whatever the response puts beyond the span lands in padding before it could wrap
// round: L >= 4M (the ideal filter's response, cut to the 2M - 1 lags that reach from any point
// of the span to any other, on either side of M, needs 3M - 2), and L >= M plus 40 time
// constants of the slowest pole for a causal filter, whose tail follows the pulse.
size_t TransformLength(TFilterKind kind, int order, double fc, double step, size_t m) {
  size_t need = SpanMultiple * m;
  if (kind != TFilterKind::Ideal)
    need = std::max(
        need, m + static_cast<size_t>(std::ceil(TailTimeConstants * SlowestTimeConstant(kind, order, fc) / step)));
  size_t l = 1;
  while (l < need && l < MaxTransform) l <<= 1;
  return l;
}

// The ideal filter's discrete response, sin(2 pi fc step j) / (pi j), on the lags that reach
// within the span; its transform replaces the response's jump at fc, which sampled on the
// transform's grid would ring round the whole buffer.
std::vector<TComplex> IdealResponseSpectrum(double fc, double step, size_t m, size_t l) {
  std::vector<TComplex> h(l);
  const double w = TwoPi * fc * step;
  h[0] = 2 * fc * step;
  for (size_t j = 1; j < m; ++j) {
    const double v = std::sin(w * static_cast<double>(j)) / (Pi * static_cast<double>(j));
    h[j] = v;
    h[l - j] = v;
  }
  Transform(h, false);
  return h;
}
}  // namespace

TComplex FilterResponse(TFilterKind kind, int order, double fc, double f) {
  const double x = f / fc;
  switch (kind) {
    case TFilterKind::None:
      return 1;
    case TFilterKind::Ideal:
      return std::fabs(x) <= 1 ? 1 : 0;
    case TFilterKind::RC:
      return 1.0 / TComplex(1, x);
    case TFilterKind::Butterworth: {
      // H(s) = 1 / prod (s - p_k), s = i f / fc, the poles p_k on the left half of the unit circle.
      TComplex d = 1;
      for (int k = 1; k <= order; ++k) d *= TComplex(0, x) - std::polar(1.0, Pi * (2 * k + order - 1) / (2 * order));
      return 1.0 / d;
    }
  }
  return 1;
}

std::vector<THarmonic> FilteredHarmonics(std::span<const THarmonic> harmonics, TFilterKind kind, int order, double fc) {
  std::vector<THarmonic> out;
  for (const THarmonic& h : harmonics) {
    const TComplex r = FilterResponse(kind, order, fc, h.Frequency);
    out.push_back({h.Amplitude * std::abs(r), h.Frequency, h.Phase + std::arg(r)});
  }
  return out;
}

void FilterTabulation(TFilterKind kind, int order, double fc, double step, std::span<const double> values,
                      std::span<double> out) {
  const size_t m = values.size(), l = TransformLength(kind, order, fc, step, m);
  std::vector<TComplex> a(l);
  std::copy(values.begin(), values.end(), a.begin());
  Transform(a, false);
  if (kind == TFilterKind::Ideal) {
    const std::vector<TComplex> h = IdealResponseSpectrum(fc, step, m, l);
    for (size_t k = 0; k < l; ++k) a[k] *= h[k];
  } else {
    const double binHz = 1 / (static_cast<double>(l) * step);
    for (size_t k = 0; k < l; ++k) {
      const double f = (k <= l / 2 ? static_cast<double>(k) : static_cast<double>(k) - static_cast<double>(l)) * binHz;
      a[k] *= FilterResponse(kind, order, fc, f);
    }
  }
  Transform(a, true);
  for (size_t i = 0; i < std::min(m, out.size()); ++i) out[i] = a[i].real() / static_cast<double>(l);
}
