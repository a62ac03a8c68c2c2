#include "numerics/FourierTransform.h"

#include <bit>
#include <cmath>
#include <cstddef>

#include "numerics/Mathlib.h"

// The vector types below never cross a function boundary that is not inlined, so the
// ABI note GCC gives for them does not concern us.
#pragma GCC diagnostic ignored "-Wpsabi"

namespace {
constexpr double FullTurn = TwoPi;

// Stages whose groups fit in this many points run block by block: 1024 points of real and
// imaginary parts take 16 KB, so a block and its twiddles stay in the first-level cache.
constexpr unsigned EarlyBlock = 1024;
constexpr unsigned Lanes = 4;

// Four doubles; Load and Store reach them at any double-aligned address. On plain x86-64 the
// compiler splits them into SSE2 pairs; the AVX2 clone uses whole registers.
typedef double TVec __attribute__((vector_size(Lanes * sizeof(double))));
typedef double TUnalignedVec __attribute__((vector_size(Lanes * sizeof(double)), aligned(sizeof(double)), may_alias));

[[gnu::always_inline]] inline TVec Load(const double* p) { return *reinterpret_cast<const TUnalignedVec*>(p); }
[[gnu::always_inline]] inline void Store(double* p, const TVec v) { *reinterpret_cast<TUnalignedVec*>(p) = v; }

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
      double* const x = re + b + j;
      double* const y = im + b + j;
      TVec xr = Load(x), xi = Load(y), yr = Load(x + h), yi = Load(y + h);
      Butterfly(xr, xi, yr, yi, Load(t.A + h + j), Load(t.ApB + h + j), Load(t.BmA + h + j));
      Store(x, xr);
      Store(y, xi);
      Store(x + h, yr);
      Store(y + h, yi);
    }
}

[[gnu::target_clones("avx2", "default")]] void EarlyBlocks(double* re, double* im, unsigned n, unsigned block,
                                                           unsigned firstHalf, const TTwiddleTable& t) {
  for (unsigned base = 0; base < n; base += block)
    for (unsigned h = firstHalf; h < block; h *= 2) Stage(re + base, im + base, block, h, t);
}

// Stages h and 2h together: every group of 4h points is read once for both, and each
// butterfly of the second stage runs after the two of the first that feed it.
[[gnu::target_clones("avx2", "default")]] void StagePair(double* re, double* im, unsigned n, unsigned h,
                                                         const TTwiddleTable& t) {
  const double* const a1 = t.A + h;
  const double* const p1 = t.ApB + h;
  const double* const m1 = t.BmA + h;
  const double* const a2 = t.A + 2 * h;
  const double* const p2 = t.ApB + 2 * h;
  const double* const m2 = t.BmA + 2 * h;
  for (unsigned b = 0; b < n; b += 4 * h) {
    double* const r = re + b;
    double* const i = im + b;
    for (unsigned j = 0; j < h; j += Lanes) {
      TVec r0 = Load(r + j), r1 = Load(r + j + h), r2 = Load(r + j + 2 * h), r3 = Load(r + j + 3 * h);
      TVec i0 = Load(i + j), i1 = Load(i + j + h), i2 = Load(i + j + 2 * h), i3 = Load(i + j + 3 * h);
      const TVec a = Load(a1 + j), p = Load(p1 + j), m = Load(m1 + j);
      Butterfly(r0, i0, r1, i1, a, p, m);
      Butterfly(r2, i2, r3, i3, a, p, m);
      Butterfly(r0, i0, r2, i2, Load(a2 + j), Load(p2 + j), Load(m2 + j));
      Butterfly(r1, i1, r3, i3, Load(a2 + j + h), Load(p2 + j + h), Load(m2 + j + h));
      Store(r + j, r0);
      Store(r + j + h, r1);
      Store(r + j + 2 * h, r2);
      Store(r + j + 3 * h, r3);
      Store(i + j, i0);
      Store(i + j + h, i1);
      Store(i + j + 2 * h, i2);
      Store(i + j + 3 * h, i3);
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

unsigned SpreadPaddedSamples(const double* x, unsigned padLength, double* re, unsigned n) {
  static const TByteReversal bytes;
  const unsigned run = n / padLength;
  const unsigned shift = 32 - std::countr_zero(padLength);  // reverses within log2(padLength) bits
  for (unsigned j = 0; j < padLength; ++j) {
    const unsigned full = (unsigned(bytes.Table[j & 0xFF]) << 24) | (unsigned(bytes.Table[(j >> 8) & 0xFF]) << 16) |
                          (unsigned(bytes.Table[(j >> 16) & 0xFF]) << 8) | bytes.Table[j >> 24];
    const unsigned group = shift < 32 ? full >> shift : 0;
    double* const head = re + std::size_t(group) * run;
    const double value = x[j], passed = x[j] + 0.0;
    for (unsigned p = 0; p + 1 < run; ++p) head[p] = passed;
    head[run - 1] = value;
  }
  return std::countr_zero(run);
}

unsigned RunEarlyStages(double* re, double* im, unsigned n, unsigned firstStage, const TTwiddleTable& table) {
  const unsigned block = n < EarlyBlock ? n : EarlyBlock;
  const unsigned lastStage = std::countr_zero(block);
  if (firstStage > lastStage) return firstStage - 1;
  EarlyBlocks(re, im, n, block, 1u << (firstStage - 1), table);
  return lastStage;
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
