#include "engine/SincSeries.h"

#include <cmath>

#include "engine/VectorLanes.h"
#include "numerics/Mathlib.h"

namespace {
// Far from the record the product of four distances could overflow; there the terms are
// summed one by one (the value is tiny there anyway).
constexpr double QuadSumLimit = 1e6;

// sum_i (-1)^i s[i] / (u - i). Lane l of a block of 16 samples holds the terms
// l, l + 4, l + 8, l + 12, which share a sign; the four share one division:
//   a/d + b/(d-4) + c/(d-8) + e/(d-12) = (n1 p2 + n2 p1) / (p1 p2),
//   p1 = d (d-4), p2 = (d-8)(d-12), n1 = a (d-4) + b d, n2 = c (d-12) + e (d-8).
// Each term keeps its own relative accuracy (nothing is subtracted before the division
// that the term-by-term sum would not subtract after it), at a quarter of the divisions.
//
// One block of 16 terms starting at distance d0 = u - i; inlined into each compiled
// version of the sum (the vector travels by reference, never by value across a call).
inline __attribute__((always_inline)) void AddBlock(const double* block, double d0, TLanes& sum) {
  const TLanes offsets = {0, 1, 2, 3};
  TLanes a, b, c, e;
  RESAM_LOAD_LANES(a, block);
  RESAM_LOAD_LANES(b, block + 4);
  RESAM_LOAD_LANES(c, block + 8);
  RESAM_LOAD_LANES(e, block + 12);
  const TLanes d = d0 - offsets, d4 = d - 4, d8 = d - 8, d12 = d - 12;
  const TLanes p1 = d * d4, p2 = d8 * d12;
  const TLanes n1 = a * d4 + b * d, n2 = c * d12 + e * d8;
  sum += (n1 * p2 + n2 * p1) / (p1 * p2);
}

// sum_i (-1)^i s[i] / (u - i): blocks of 16, then single terms four lanes at a time, then
// the last few one by one. Every block and lane group starts at an index divisible by 4,
// so lane l carries the sign (-1)^l.
inline __attribute__((always_inline)) double AlternatingSum(const double* s, int count, double u) {
  constexpr int Block = 4 * LaneCount;
  const TLanes offsets = {0, 1, 2, 3};
  TLanes sum = {0, 0, 0, 0};
  int i = 0;
  for (; i + Block <= count; i += Block) AddBlock(s + i, u - i, sum);
  for (; i + LaneCount <= count; i += LaneCount) {
    TLanes a;
    RESAM_LOAD_LANES(a, s + i);
    sum += a / ((u - i) - offsets);
  }
  double total = (sum[0] - sum[1]) + (sum[2] - sum[3]);
  for (; i < count; ++i) total += (i % 2 == 0 ? s[i] : -s[i]) / (u - i);
  return total;
}
}  // namespace

RESAM_WIDE_LANES double SincSeries(const double* s, int count, double u) {
  const double m = std::nearbyint(u);
  const double f = u - m;
  // On a node the sum is that sample alone (0 off the record): sin(pi f) is exactly 0.
  if (f == 0) return m >= 0 && m < count ? s[static_cast<int>(m)] : 0;
  const double half = m * 0.5;
  const double sign = half == std::floor(half) ? 1.0 : -1.0;  // (-1)^m, m possibly beyond int
  const double sinePi = std::sin(Pi * f) * (1 / Pi);
  if (std::fabs(u) <= QuadSumLimit) return sign * sinePi * AlternatingSum(s, count, u);
  double total = 0;
  for (int i = 0; i < count; ++i) total += (i % 2 == 0 ? s[i] : -s[i]) / (u - i);
  return sign * sinePi * total;
}
