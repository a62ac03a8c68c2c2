#include "engine/ChirpSums.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {
constexpr double TwoPi = 6.283185307179586476925286766559;
using TComplex = std::complex<double>;

// Written out: the library's product checks for infinities at every call.
inline TComplex Times(TComplex a, TComplex b) {
  return {a.real() * b.real() - a.imag() * b.imag(), a.real() * b.imag() + a.imag() * b.real()};
}

// e^{i theta n^2 / 2}, with n^2 exact (n < 2^26).
TComplex Chirp(double theta, long long n) {
  const double angle = theta * 0.5 * double(n * n);
  return {std::cos(angle), std::sin(angle)};
}

// In-place radix-2 transform, sum_j a_j e^{-2 pi i j l / n} (e^{+...} when inverse), unscaled.
// The roots of each stage lie side by side (those of the stage of length L from L/2 on), so
// the butterflies read them in order; the inverse is the forward transform conjugated.
class TFourier {
 public:
  explicit TFourier(int n) : N(n), Roots(size_t(std::max(n, 2))) {
    for (int half = 1; half < n; half <<= 1)
      for (int j = 0; j < half; ++j)
        Roots[size_t(half + j)] = {std::cos(TwoPi * j / (2 * half)), -std::sin(TwoPi * j / (2 * half))};
  }
  int Size() const { return N; }
  void Transform(std::vector<TComplex>& a, bool inverse) const {
    if (inverse)
      for (TComplex& z : a) z = std::conj(z);
    for (int i = 1, j = 0; i < N; ++i) {
      int bit = N >> 1;
      for (; j & bit; bit >>= 1) j ^= bit;
      j ^= bit;
      if (i < j) std::swap(a[size_t(i)], a[size_t(j)]);
    }
    for (int half = 1; half < N; half <<= 1) {
      const TComplex* w = Roots.data() + half;
      for (int start = 0; start < N; start += 2 * half) {
        TComplex* lo = a.data() + start;
        TComplex* hi = lo + half;
        for (int j = 0; j < half; ++j) {
          const TComplex u = lo[j], v = Times(hi[j], w[j]);
          lo[j] = u + v;
          hi[j] = u - v;
        }
      }
    }
    if (inverse)
      for (TComplex& z : a) z = std::conj(z);
  }

 private:
  int N;
  std::vector<TComplex> Roots;
};

// The transformed chirp filter of the last call, kept: an analysis repeats with the same
// frequencies and integration step (the program has one thread).
struct TChirpFilter {
  double Theta = 0;
  int M = 0, K = 0;
  std::vector<TComplex> Spectrum;
  std::vector<TComplex> Chirps;  // e^{i theta n^2 / 2} for n < max(m, k)
};

const TChirpFilter& Filter(const TFourier& fourier, double theta, int m, int k) {
  static TChirpFilter kept;
  if (kept.Theta == theta && kept.M == m && kept.K == k && int(kept.Spectrum.size()) == fourier.Size()) return kept;
  const int n = fourier.Size();
  kept.Chirps.resize(size_t(std::max(m, k)));
  for (size_t d = 0; d < kept.Chirps.size(); ++d) kept.Chirps[d] = Chirp(theta, (long long)d);
  kept.Spectrum.assign(size_t(n), TComplex(0, 0));
  for (int d = 0; d < k; ++d) kept.Spectrum[size_t(d)] = std::conj(kept.Chirps[size_t(d)]);
  for (int d = 1; d < m; ++d) kept.Spectrum[size_t(n - d)] = std::conj(kept.Chirps[size_t(d)]);
  fourier.Transform(kept.Spectrum, false);
  kept.Theta = theta, kept.M = m, kept.K = k;
  return kept;
}

int PowerOfTwoAtLeast(int v) {
  int n = 1;
  while (n < v) n <<= 1;
  return n;
}
}  // namespace

bool ChirpSums(const double* x, int m, int k, double theta, std::complex<double>* out) {
  if (!x || !out || m <= 0 || k <= 0 || m + k - 1 > MaxChirpSize) return false;
  const int n = PowerOfTwoAtLeast(m + k - 1);
  static TFourier fourier(2);
  if (fourier.Size() != n) fourier = TFourier(n);
  const TChirpFilter& kept = Filter(fourier, theta, m, k);
  const std::vector<TComplex>& filter = kept.Spectrum;
  std::vector<TComplex> a(size_t(n), TComplex(0, 0));
  for (int j = 0; j < m; ++j) a[size_t(j)] = kept.Chirps[size_t(j)] * x[j];
  fourier.Transform(a, false);
  for (int l = 0; l < n; ++l) a[size_t(l)] = Times(a[size_t(l)], filter[size_t(l)]);
  fourier.Transform(a, true);
  for (int i = 0; i < k; ++i) out[i] = Times(kept.Chirps[size_t(i)], a[size_t(i)]) / double(n);
  return true;
}
