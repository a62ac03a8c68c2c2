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

bool TRecordingOverview::Range(long long first, long long last, float& lo, float& hi) const {
  const long long blocks = static_cast<long long>(Lo.size());
  const long long b0 = std::max(first, 0LL) / Block;
  const long long b1 = std::min((std::min(last, Total) + Block - 1) / Block, blocks);
  if (b0 >= b1) return false;
  lo = *std::min_element(Lo.begin() + b0, Lo.begin() + b1);
  hi = *std::max_element(Hi.begin() + b0, Hi.begin() + b1);
  return true;
}
