#include "sourcedata/RecordingOverview.h"

#include <algorithm>

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

}  // namespace

void TRecordingOverview::Add(const float* v, long long n, int stride, float* probe) {
  float unused = 0;
  float& p = probe ? *probe : unused;
  while (n > 0) {
    const long long take = std::min(n, Block - Filled);
    if (Filled == 0) {
      Lo.push_back(v[0]);
      Hi.push_back(v[0]);
    }
    Extremes(v, take, stride, Lo.back(), Hi.back(), p);
    Filled = (Filled + take) % Block;
    v += take * stride;
    n -= take;
  }
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
