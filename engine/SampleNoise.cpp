#include "engine/SampleNoise.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "numerics/Mathlib.h"

namespace {
constexpr int MantissaShift = 11;                         // 64 random bits to the 53 of a double
constexpr double UnitScale = 1.0 / 9007199254740992.0;    // 2^-53
constexpr double SnrPerBit = 6.02, SineSnrOffset = 1.76;  // dB, the textbook's rounded figures
constexpr double DecibelsPerDecade = 10;                  // of a power ratio
}  // namespace

TSampleNoise LimitedNoise(TSampleNoise settings) {
  settings.SnrDb = std::clamp(settings.SnrDb, MinSnrDb, MaxSnrDb);
  settings.Bits = std::clamp(settings.Bits, MinBits, MaxBits);
  return settings;
}

// Box-Muller: the first uniform lies in (0, 1], so that its logarithm is finite.
double TGaussianNoise::Next() {
  if (HasSecond) {
    HasSecond = false;
    return Second;
  }
  const double u1 = static_cast<double>((Random() >> MantissaShift) + 1) * UnitScale;
  const double u2 = static_cast<double>(Random() >> MantissaShift) * UnitScale;
  const double radius = std::sqrt(-2 * std::log(u1));
  const double angle = TwoPi * u2;
  Second = radius * std::sin(angle);
  HasSecond = true;
  return radius * std::cos(angle);
}

double QuantisationStep(double amplitude, int bits) { return 2 * amplitude / std::ldexp(1.0, bits); }

// The decision thresholds of a mid-rise quantiser are the multiples of the step, so the level
// of v is the step it lies in; a value on a threshold goes up, as a converter's comparator does.
double Quantise(double v, double step, int bits) {
  if (!(step > 0)) return v;
  const double top = std::ldexp(1.0, bits - 1);
  const double k = std::clamp(std::floor(v / step), -top, top - 1);
  return (k + 0.5) * step;
}

double TextbookQuantisationSnr(int bits) { return SnrPerBit * bits + SineSnrOffset; }

double ApplySampleNoise(const TSampleNoise& settings, std::span<double> samples) {
  constexpr double none = std::numeric_limits<double>::quiet_NaN();
  if (!settings.Active() || samples.empty()) return none;
  double peak = 0, square = 0;
  for (double v : samples) {
    peak = std::max(peak, std::fabs(v));
    square += v * v;
  }
  if (settings.Noise) {
    const double power = square / static_cast<double>(samples.size()) / std::pow(10.0, settings.SnrDb / 10);
    const double deviation = std::sqrt(power);
    TGaussianNoise noise(settings.Seed);
    for (double& v : samples) v += deviation * noise.Next();
  }
  if (!settings.Quantise) return none;
  const double step = QuantisationStep(peak, settings.Bits);
  long double signal = 0, error = 0;
  for (double& v : samples) {
    const double q = Quantise(v, step, settings.Bits);
    signal += static_cast<long double>(v) * v;
    error += static_cast<long double>(q - v) * (q - v);
    v = q;
  }
  const double ratio = static_cast<double>(DecibelsPerDecade * std::log10(signal / error));
  return std::isfinite(ratio) ? ratio : none;
}
