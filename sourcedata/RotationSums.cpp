#include "sourcedata/RotationSums.h"

#include <cmath>

namespace {
constexpr int Lanes = 4;
}

TCosSinSums RotationSums(const double* values, int count, double theta) {
  // Lane r starts at phase r theta and turns by 4 theta per step.
  const double c1 = std::cos(theta), s1 = std::sin(theta);
  const double c2 = c1 * c1 - s1 * s1, s2 = 2 * c1 * s1;
  const double c4 = c2 * c2 - s2 * s2, s4 = 2 * c2 * s2;
  double re[Lanes] = {1, c1, c2, c2 * c1 - s2 * s1};
  double im[Lanes] = {0, s1, s2, s2 * c1 + c2 * s1};
  double sumC[Lanes] = {0, 0, 0, 0}, sumS[Lanes] = {0, 0, 0, 0};
  int i = 0;
  for (; i + Lanes <= count; i += Lanes) {
    for (int r = 0; r < Lanes; ++r) {
      sumC[r] += values[i + r] * re[r];
      sumS[r] += values[i + r] * im[r];
      const double next = re[r] * c4 - im[r] * s4;
      im[r] = re[r] * s4 + im[r] * c4;
      re[r] = next;
    }
  }
  for (int r = 0; i + r < count; ++r) {
    sumC[r] += values[i + r] * re[r];
    sumS[r] += values[i + r] * im[r];
  }
  TCosSinSums sums;
  sums.C = (sumC[0] + sumC[1]) + (sumC[2] + sumC[3]);
  sums.S = (sumS[0] + sumS[1]) + (sumS[2] + sumS[3]);
  return sums;
}
