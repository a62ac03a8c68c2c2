#pragma once
// Whole-array comparison: one assertion per array that names the worst index and its values.
#include <cmath>
#include <limits>
#include <ostream>

struct TWorstError {
  double Error = 0;
  int Index = -1;
  double Actual = 0;
  double Expected = 0;
};

inline std::ostream& operator<<(std::ostream& out, const TWorstError& w) {
  return out << "worst at index " << w.Index << ": " << w.Actual << " against " << w.Expected << " (error " << w.Error
             << ")";
}

// The largest |actual - expected| / max(|expected|, floor) over count values; the floor keeps
// values near zero from being judged relatively. A NaN on either side is the worst error.
inline TWorstError MaxRelativeError(const double* actual, const double* expected, int count, double floor) {
  TWorstError worst;
  for (int i = 0; i < count; ++i) {
    double error = std::fabs(actual[i] - expected[i]) / std::fmax(std::fabs(expected[i]), floor);
    if (std::isnan(error)) error = std::numeric_limits<double>::infinity();
    if (worst.Index >= 0 && !(error > worst.Error)) continue;
    worst = {error, i, actual[i], expected[i]};
  }
  return worst;
}
