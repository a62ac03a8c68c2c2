#include "sourcedata/OverviewColumns.h"

#include <algorithm>
#include <cmath>

namespace {
// Between the samples around frame position u (linear), for a column narrower than a sample.
float Between(const TRecordingOverview& o, double u) {
  const long long k = static_cast<long long>(std::floor(u));
  float a = 0, b = 0, unused = 0;
  if (!o.Range(k, k + 1, a, unused)) return 0;
  if (!o.Range(k + 1, k + 2, b, unused)) return a;
  return float(a + (b - a) * (u - double(k)));
}
}  // namespace

void TOverviewColumns::Take(const TRecording& recording, TRecordingChannel channel, double x0, double dx, int count) {
  X0 = x0;
  Dx = dx;
  Lo.assign(size_t(std::max(count, 0)), 0.f);
  Hi.assign(Lo.size(), 0.f);
  const TRecordingOverview& o = recording.Overview(channel);
  const double rate = recording.Rate;
  for (int c = 0; c < count; ++c) {
    const double from = (x0 + (c - 0.5) * dx - recording.Origin) * rate;
    const double to = (x0 + (c + 0.5) * dx - recording.Origin) * rate;
    if (!(to >= 0 && from <= double(recording.Frames - 1))) continue;
    const long long first = static_cast<long long>(std::ceil(std::max(from, 0.0)));
    const long long last = static_cast<long long>(std::floor(std::min(to, double(recording.Frames - 1)))) + 1;
    if (first < last && o.Range(first, last, Lo[size_t(c)], Hi[size_t(c)])) continue;
    Lo[size_t(c)] = Hi[size_t(c)] = Between(o, std::clamp(0.5 * (from + to), 0.0, double(recording.Frames - 1)));
  }
}

double TOverviewColumns::Value(double x) const {
  if (Lo.empty() || !(Dx > 0)) return 0;
  const double at = std::nearbyint((x - X0) / Dx);
  const int c = int(std::clamp(at, 0.0, double(Lo.size() - 1)));
  const int left = std::max(c - 1, 0);
  return (c & 1) ? std::min(Lo[size_t(c)], Lo[size_t(left)]) : std::max(Hi[size_t(c)], Hi[size_t(left)]);
}
