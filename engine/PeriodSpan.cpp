#include "engine/PeriodSpan.h"

#include <algorithm>
#include <cmath>

double TPeriodSpan::At(int step, int steps) const {
  if (!Usable() || steps <= 0) return Lo;
  const double share = std::clamp(double(step) / steps, 0.0, 1.0);
  // The ends exactly, whatever the powers round to.
  if (share == 0) return Lo;
  if (share == 1) return Hi;
  return std::clamp(Lo * std::pow(Hi / Lo, share), Lo, Hi);
}

int TPeriodSpan::StepOf(double period, int steps) const {
  if (!Usable() || steps <= 0 || !(period > Lo)) return 0;
  if (!(period < Hi)) return steps;
  return std::clamp(static_cast<int>(std::lround(std::log(period / Lo) / std::log(Hi / Lo) * steps)), 0, steps);
}
