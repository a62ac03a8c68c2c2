#include "engine/AliasTwin.h"

#include <cmath>

#include "numerics/Mathlib.h"

namespace {

// The fractional part nearest zero: whole turns of a phase are dropped before it is scaled
// by 2 pi, so that a far grid origin costs no accuracy.
double TurnsLeft(double turns) { return turns - std::round(turns); }
}  // namespace

double HarmonicValue(const THarmonic& h, double t) { return h.Amplitude * std::cos(TwoPi * h.Frequency * t + h.Phase); }

// At t = t0 + m T: 2 pi f t = 2 pi (f - k fd) t + 2 pi k fd t0 + 2 pi k m. A negative
// f - k fd turns round with the phase's sign, cos being even.
THarmonic FoldHarmonic(const THarmonic& h, double fd, double t0) {
  if (!(h.Frequency > fd / 2)) return h;
  const double k = std::round(h.Frequency / fd);
  const double alias = h.Frequency - k * fd;
  const double phase = h.Phase + TwoPi * TurnsLeft(k * fd * t0);
  return alias < 0 ? THarmonic{h.Amplitude, -alias, -phase} : THarmonic{h.Amplitude, alias, phase};
}

void TAliasTwin::Fold(std::span<const THarmonic> harmonics, double fd, double t0) {
  Folded.clear();
  Moves.clear();
  for (const THarmonic& h : harmonics) {
    Folded.push_back(FoldHarmonic(h, fd, t0));
    if (h.Amplitude != 0 && h.Frequency > fd / 2) Moves.push_back({h.Frequency, Folded.back().Frequency});
  }
}

double TAliasTwin::Value(double t) const {
  double sum = 0;
  for (const THarmonic& h : Folded) sum += HarmonicValue(h, t);
  return sum;
}
