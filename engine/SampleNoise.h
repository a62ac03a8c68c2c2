#pragma once
// What a real converter does to the samples after sampling: white Gaussian noise at a given
// signal-to-noise ratio, then uniform mid-rise quantisation. Values in volts.
#include <cstdint>
#include <random>
#include <span>

// The settings of the noise and quantisation study; both off by default.
struct TSampleNoise {
  bool Noise = false;
  double SnrDb = 20;  // signal-to-noise ratio: mean square of the samples over the noise power, dB
  bool Quantise = false;
  int Bits = 8;  // 2^Bits levels
  std::uint64_t Seed = 1;

  bool Active() const { return Noise || Quantise; }
  bool operator==(const TSampleNoise&) const = default;
};

constexpr double MinSnrDb = -10, MaxSnrDb = 100;
constexpr int MinBits = 1, MaxBits = 16;
constexpr std::uint64_t MaxSeed = 2147483647;  // what the seed's integer field holds

// The same settings with every value inside the limits above.
TSampleNoise LimitedNoise(TSampleNoise settings);

// Standard normal numbers from std::mt19937_64 through the Box-Muller transform written out
// here: the library's normal distribution differs between standard libraries, this stream
// does not.
class TGaussianNoise {
 public:
  explicit TGaussianNoise(std::uint64_t seed) : Random(seed) {}
  double Next();

 private:
  std::mt19937_64 Random;
  double Second = 0;  // the transform gives two numbers a draw; the second waits here
  bool HasSecond = false;
};

// Noise first, then quantisation, in place, as the settings say; nothing at all when both are
// off. The noise power is the samples' mean square divided by 10^(SnrDb/10), so a zero signal
// gets no noise. The quantiser's full scale is [-A, A], A the largest |sample| before the
// noise. Returns the measured signal-to-quantisation-noise ratio in dB (the mean square of
// the values entering the quantiser over that of what it changed them by); NaN when nothing
// is quantised or the ratio has no finite value.
double ApplySampleNoise(const TSampleNoise& settings, std::span<double> samples);

// The step of the textbook mid-rise quantiser: 2^bits levels (k + 1/2) step,
// k = -2^(bits-1) .. 2^(bits-1) - 1, symmetric about zero and filling the full scale [-A, A]:
// 2A / 2^bits. 0 when A is 0.
double QuantisationStep(double amplitude, int bits);
// v on that grid: the nearest level, the outer levels for values beyond the full scale.
double Quantise(double v, double step, int bits);
// What a full-scale sine gets from b bits, as textbooks write it: 6,02 b + 1,76 dB.
double TextbookQuantisationSnr(int bits);
