#include "engine/SampleNoise.h"

#include <algorithm>
#include <cmath>

#include "numerics/Mathlib.h"

namespace {
constexpr int MantissaShift = 11;                       // 64 random bits to the 53 of a double
constexpr double UnitScale = 1.0 / 9007199254740992.0;  // 2^-53
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

double QuantisationStep(double amplitude, int bits) { return 2 * amplitude / (std::ldexp(1.0, bits) - 1); }

double Quantise(double v, double step, int bits) {
  if (!(step > 0)) return v;
  const double top = std::ldexp(1.0, bits - 1);
  const double level = std::clamp(std::floor(v / step + 0.5), -top, top - 1);
  return level * step;
}

void ApplySampleNoise(const TSampleNoise& settings, std::span<double> samples) {
  if (!settings.Active() || samples.empty()) return;
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
  if (settings.Quantise) {
    const double step = QuantisationStep(peak, settings.Bits);
    for (double& v : samples) v = Quantise(v, step, settings.Bits);
  }
}
