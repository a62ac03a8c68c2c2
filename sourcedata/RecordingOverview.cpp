#include "sourcedata/RecordingOverview.h"

#include <algorithm>
#include <cassert>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

void TRecordingOverview::Start(long long count) {
  Total = std::max(count, 0LL);
  Block = std::max(1LL, (Total + MaxOverviewBlocks - 1) / MaxOverviewBlocks);
  Filled = 0;
  Lo.clear();
  Hi.clear();
  Lo.reserve(size_t((Total + Block - 1) / Block));
  Hi.reserve(Lo.capacity());
}

namespace {
// Four independent extremes, so that the comparisons of one run overlap in the processor.
void Extremes(const float* v, long long n, int stride, float& lo, float& hi, float& probe) {
  float l[4] = {lo, lo, lo, lo}, h[4] = {hi, hi, hi, hi}, p[4] = {};
  long long i = 0;
  for (; i + 4 <= n; i += 4)
    for (int k = 0; k < 4; ++k) {
      const float x = v[(i + k) * stride];
      l[k] = x < l[k] ? x : l[k];
      h[k] = x > h[k] ? x : h[k];
      p[k] += x * 0.f;
    }
  for (; i < n; ++i) {
    const float x = v[i * stride];
    l[0] = x < l[0] ? x : l[0];
    h[0] = x > h[0] ? x : h[0];
    p[0] += x * 0.f;
  }
  probe += p[0] + p[1] + p[2] + p[3];
  lo = std::min({l[0], l[1], l[2], l[3]});
  hi = std::max({h[0], h[1], h[2], h[3]});
}

// The extremes of both channels of interleaved stereo frames. Four lanes hold left, right,
// left, right, so that the frames are taken four values at a time as they lie in memory; this
// pass is what opening a long recording costs beyond libsndfile's own reading.
void PairExtremes(const float* v, long long frames, float lo[2], float hi[2], float& probe) {
  long long i = 0;
#ifdef __SSE2__
  __m128 l = _mm_setr_ps(lo[0], lo[1], lo[0], lo[1]), h = _mm_setr_ps(hi[0], hi[1], hi[0], hi[1]);
  __m128 l2 = l, h2 = h, p = _mm_setzero_ps();
  const __m128 zero = _mm_setzero_ps();
  for (; i + 4 <= frames; i += 4) {
    const __m128 a = _mm_loadu_ps(v + 2 * i), b = _mm_loadu_ps(v + 2 * i + 4);
    l = _mm_min_ps(l, a), h = _mm_max_ps(h, a), l2 = _mm_min_ps(l2, b), h2 = _mm_max_ps(h2, b);
    p = _mm_add_ps(p, _mm_add_ps(_mm_mul_ps(a, zero), _mm_mul_ps(b, zero)));
  }
  float lanes[3][4];
  _mm_storeu_ps(lanes[0], _mm_min_ps(l, l2));
  _mm_storeu_ps(lanes[1], _mm_max_ps(h, h2));
  _mm_storeu_ps(lanes[2], p);
  for (int c = 0; c < 2; ++c) {
    lo[c] = std::min(lanes[0][c], lanes[0][c + 2]);
    hi[c] = std::max(lanes[1][c], lanes[1][c + 2]);
  }
  probe += lanes[2][0] + lanes[2][1] + lanes[2][2] + lanes[2][3];
#endif
  for (; i < frames; ++i)
    for (int c = 0; c < 2; ++c) {
      const float x = v[2 * i + c];
      lo[c] = x < lo[c] ? x : lo[c];
      hi[c] = x > hi[c] ? x : hi[c];
      probe += x * 0.f;
    }
}

}  // namespace

template <class TPiece>
void TRecordingOverview::WalkBlocks(long long n, TPiece piece) {
  while (n > 0) {
    const long long take = std::min(n, Block - Filled);
    piece(take, Filled == 0);
    Filled = (Filled + take) % Block;
    n -= take;
  }
}

void TRecordingOverview::AddPair(TRecordingOverview& left, TRecordingOverview& right, const float* v, long long frames,
                                 float* probe) {
  assert(left.Block == right.Block && left.Filled == right.Filled);
  float unused = 0;
  float& p = probe ? *probe : unused;
  left.WalkBlocks(frames, [&](long long take, bool opens) {
    if (opens)
      for (TRecordingOverview* o : {&left, &right}) {
        const float first = v[o == &right];
        o->Lo.push_back(first);
        o->Hi.push_back(first);
      }
    float lo[2] = {left.Lo.back(), right.Lo.back()}, hi[2] = {left.Hi.back(), right.Hi.back()};
    PairExtremes(v, take, lo, hi, p);
    left.Lo.back() = lo[0], right.Lo.back() = lo[1], left.Hi.back() = hi[0], right.Hi.back() = hi[1];
    v += 2 * take;
  });
  right.Filled = left.Filled;
}

void TRecordingOverview::Add(const float* v, long long n, int stride, float* probe) {
  float unused = 0;
  float& p = probe ? *probe : unused;
  WalkBlocks(n, [&](long long take, bool opens) {
    if (opens) {
      Lo.push_back(v[0]);
      Hi.push_back(v[0]);
    }
    Extremes(v, take, stride, Lo.back(), Hi.back(), p);
    v += take * stride;
  });
}

bool TRecordingOverview::Range(long long first, long long last, float& lo, float& hi) const {
  const long long blocks = static_cast<long long>(Lo.size());
  const long long b0 = std::max(first, 0LL) / Block;
  const long long b1 = std::min((std::min(last, Total) + Block - 1) / Block, blocks);
  if (b0 >= b1) return false;
  lo = *std::min_element(Lo.begin() + b0, Lo.begin() + b1);
  hi = *std::max_element(Hi.begin() + b0, Hi.begin() + b1);
  return true;
}
