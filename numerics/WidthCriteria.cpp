#include "numerics/WidthCriteria.h"

#include <algorithm>

namespace {
constexpr double WidthWhenZero = 0.5;      // radians per sample
constexpr double RectWidthWhenFlat = 1.0;  // every amplitude zero
}  // namespace

double AmplitudeWidth(const double* amplitudes, unsigned count, long double step, double level) {
  if (count == 0) return 0;
  const double threshold = *std::max_element(amplitudes, amplitudes + count) * level;
  bool quiet = false;
  unsigned edge = 0;
  for (unsigned k = 0; k < count; ++k) {
    if (amplitudes[k] <= threshold && !quiet) {
      edge = k;
      quiet = true;
    } else if (amplitudes[k] > threshold) {
      quiet = false;
    }
  }
  return static_cast<double>(edge * step);
}

double EnergyWidth(const double* amplitudes, unsigned count, long double step, double part) {
  long double energy = 0;
  for (unsigned k = 0; k < count; ++k) energy += static_cast<long double>(amplitudes[k]) * amplitudes[k];
  const long double target = energy * part;
  unsigned i = 0;
  double sum = 0;
  while (target > sum && i < count) {
    sum = sum + amplitudes[i] * amplitudes[i];
    ++i;
  }
  // With no energy at all no harmonic is needed: the width is 0, which the final rule
  // turns into the same 0.5 the amplitude criterion gives for an all-zero spectrum.
  if (i == 0) return 0;
  return static_cast<double>((i - 1) * step);
}

double RectangleWidth(const double* amplitudes, unsigned count, long double step) {
  long double area = 0;
  double highest = 0;
  for (unsigned k = 0; k < count; ++k) {
    area += amplitudes[k];
    if (k == 0 || amplitudes[k] > highest) highest = amplitudes[k];
  }
  if (highest == 0) return RectWidthWhenFlat;
  return static_cast<double>(step * area / highest);
}

double SpectrumWidth(TWidthCriterion criterion, const double* amplitudes, unsigned count, long double step,
                     double level, double part) {
  double width = 0;
  switch (criterion) {
    case TWidthCriterion::Amplitude:
      width = AmplitudeWidth(amplitudes, count, step, level);
      break;
    case TWidthCriterion::Energy:
      width = EnergyWidth(amplitudes, count, step, part);
      break;
    case TWidthCriterion::Rectangle:
      width = RectangleWidth(amplitudes, count, step);
      break;
  }
  return width == 0 ? WidthWhenZero : width;
}
