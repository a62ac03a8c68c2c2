#include "numerics/SpectrumTransform.h"

#include <bit>
#include <cmath>
#include <utility>

// The vector types below never cross a function boundary that is not inlined, so the
// ABI note GCC gives for them does not concern us.
#pragma GCC diagnostic ignored "-Wpsabi"

namespace {
constexpr double FullTurn = 6.283185307179586;  // 2π rounded to double

// Stages whose groups fit in this many points run block by block: 1024 points of real and
// imaginary parts take 16 KB, so a block and its twiddles stay in the first-level cache.
constexpr unsigned EarlyBlock = 1024;
constexpr unsigned Lanes = 4;

// Four doubles, loaded from and stored to any double-aligned address. On plain x86-64 the
// compiler splits them into SSE2 pairs; the AVX2 clone uses whole registers.
typedef double TVec __attribute__((vector_size(Lanes * sizeof(double)), aligned(sizeof(double)), may_alias));

// One butterfly, in the order of operations of the textbook loop (see the header).
template <class V>
[[gnu::always_inline]] inline void Butterfly(V& xr, V& xi, V& yr, V& yi, const V a, const V apb, const V bma) {
  const V c = yr, d = yi;
  const V k1 = (c + d) * a;
  const V k2 = apb * d;
  const V k3 = bma * c;
  const V tr = k1 - k2, ti = k1 + k3;
  yr = xr - tr;
  yi = xi - ti;
  xr = xr + tr;
  xi = xi + ti;
}

// One stage with half-group h over the points [0, count) of re/im, count a multiple of 2h.
[[gnu::always_inline]] inline void Stage(double* re, double* im, unsigned count, unsigned h, const TTwiddleTable& t) {
  const unsigned le = 2 * h;
  if (h < Lanes) {
    for (unsigned b = 0; b < count; b += le)
      for (unsigned j = 0; j < h; ++j)
        Butterfly(re[b + j], im[b + j], re[b + j + h], im[b + j + h], t.A[h + j], t.ApB[h + j], t.BmA[h + j]);
    return;
  }
  for (unsigned b = 0; b < count; b += le)
    for (unsigned j = 0; j < h; j += Lanes) {
      TVec* xr = reinterpret_cast<TVec*>(re + b + j);
      TVec* xi = reinterpret_cast<TVec*>(im + b + j);
      TVec* yr = reinterpret_cast<TVec*>(re + b + j + h);
      TVec* yi = reinterpret_cast<TVec*>(im + b + j + h);
      Butterfly(*xr, *xi, *yr, *yi, *reinterpret_cast<const TVec*>(t.A + h + j),
                *reinterpret_cast<const TVec*>(t.ApB + h + j), *reinterpret_cast<const TVec*>(t.BmA + h + j));
    }
}

[[gnu::target_clones("avx2", "default")]] void EarlyBlocks(double* re, double* im, unsigned n, unsigned block,
                                                              const TTwiddleTable& t) {
  for (unsigned base = 0; base < n; base += block)
    for (unsigned h = 1; h < block; h *= 2) Stage(re + base, im + base, block, h, t);
}

// Stages h and 2h together: every group of 4h points is read once for both, and each
// butterfly of the second stage runs after the two of the first that feed it.
[[gnu::target_clones("avx2", "default")]] void StagePair(double* re, double* im, unsigned n, unsigned h,
                                                            const TTwiddleTable& t) {
  const TVec* a1 = reinterpret_cast<const TVec*>(t.A + h);
  const TVec* p1 = reinterpret_cast<const TVec*>(t.ApB + h);
  const TVec* m1 = reinterpret_cast<const TVec*>(t.BmA + h);
  const TVec* a2 = reinterpret_cast<const TVec*>(t.A + 2 * h);
  const TVec* p2 = reinterpret_cast<const TVec*>(t.ApB + 2 * h);
  const TVec* m2 = reinterpret_cast<const TVec*>(t.BmA + 2 * h);
  const unsigned hv = h / Lanes;  // h in vectors
  for (unsigned b = 0; b < n; b += 4 * h) {
    TVec* r = reinterpret_cast<TVec*>(re + b);
    TVec* i = reinterpret_cast<TVec*>(im + b);
    for (unsigned j = 0; j < hv; ++j) {
      TVec& r0 = r[j];
      TVec& r1 = r[j + hv];
      TVec& r2 = r[j + 2 * hv];
      TVec& r3 = r[j + 3 * hv];
      TVec& i0 = i[j];
      TVec& i1 = i[j + hv];
      TVec& i2 = i[j + 2 * hv];
      TVec& i3 = i[j + 3 * hv];
      Butterfly(r0, i0, r1, i1, a1[j], p1[j], m1[j]);
      Butterfly(r2, i2, r3, i3, a1[j], p1[j], m1[j]);
      Butterfly(r0, i0, r2, i2, a2[j], p2[j], m2[j]);
      Butterfly(r1, i1, r3, i3, a2[j + hv], p2[j + hv], m2[j + hv]);
    }
  }
}

[[gnu::target_clones("avx2", "default")]] void SingleStage(double* re, double* im, unsigned n, unsigned h,
                                                              const TTwiddleTable& t) {
  Stage(re, im, n, h, t);
}

unsigned char ReversedByte(unsigned b) {
  unsigned r = 0;
  for (int bit = 0; bit < 8; ++bit) r |= ((b >> bit) & 1u) << (7 - bit);
  return static_cast<unsigned char>(r);
}

struct TByteReversal {
  unsigned char Table[256];
  TByteReversal() {
    for (unsigned b = 0; b < 256; ++b) Table[b] = ReversedByte(b);
  }
};
}  // namespace

TTwiddle Twiddle(unsigned n, unsigned k) {
  if (n == 0) return {1.0, 0.0};  // no angle exists; the neutral factor keeps data finite
  const long double angle = static_cast<long double>(k) * static_cast<long double>(FullTurn) / n;
  const double theta = static_cast<double>(angle);
  return {std::cos(theta), -std::sin(theta)};
}

void TTwiddleTable::Prepare(unsigned n) {
  if (n > MaxSize) n = MaxSize;
  for (; Ready < n; Ready *= 2) {
    const unsigned le = 2 * Ready, h = Ready;
    for (unsigned j = 0; j < h; ++j) {
      const TTwiddle u = Twiddle(le, j);
      A[h + j] = u.Re;
      ApB[h + j] = u.Re + u.Im;
      BmA[h + j] = u.Im - u.Re;
    }
  }
}

void BitReverse(double* re, unsigned n) {
  static const TByteReversal bytes;
  if (n < 2) return;
  const unsigned shift = 32 - std::countr_zero(n);
  for (unsigned i = 1; i + 1 < n; ++i) {
    const unsigned full = (unsigned(bytes.Table[i & 0xFF]) << 24) | (unsigned(bytes.Table[(i >> 8) & 0xFF]) << 16) |
                          (unsigned(bytes.Table[(i >> 16) & 0xFF]) << 8) | bytes.Table[i >> 24];
    const unsigned j = full >> shift;
    if (i < j) std::swap(re[i], re[j]);
  }
}

unsigned RunEarlyStages(double* re, double* im, unsigned n, const TTwiddleTable& table) {
  const unsigned block = n < EarlyBlock ? n : EarlyBlock;
  EarlyBlocks(re, im, n, block, table);
  return std::countr_zero(block);
}

unsigned RunLateStages(double* re, double* im, unsigned n, unsigned stage, const TTwiddleTable& table) {
  const unsigned h = 1u << (stage - 1);
  if (4 * h <= n && h >= Lanes) {
    StagePair(re, im, n, h, table);
    return 2;
  }
  SingleStage(re, im, n, h, table);
  return 1;
}
