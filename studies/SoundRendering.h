#pragma once
// What the listening window plays, free of Qt: the signal, its samples held until the next
// one, the interpolating function and the error, read from the engine's curves at the audio
// rate over one pass of the analysis interval [T1, T2] (a loop), with one gain for all four.
// Values are sound amplitudes: full scale is 1.
#include <span>
#include <vector>

class TResamEngine;

enum class TSoundKind { Signal, Samples, Curve, Error };
constexpr int SoundKindCount = 4;

constexpr int SoundRate = 48000;        // frames per second, mono
constexpr double PeakLevelDb = -3;      // the loudest of the four sounds peaks here
constexpr double FadeSeconds = 0.005;   // fades at start and stop, and every cross-fade
constexpr double PlainPlaySeconds = 2;  // what plays without "Повторять", and what is saved
constexpr int FadeFrames = 240;         // FadeSeconds at SoundRate
static_assert(FadeFrames == int(FadeSeconds * SoundRate + 0.5));

// The listening window's settings: the pitch of one pass (Hz), whether it repeats, and the
// volume in steps of its slider.
constexpr int MinPitch = 50, MaxPitch = 2000, DefaultPitch = 220;
constexpr int VolumeSteps = 100, DefaultVolume = 80;
struct TListeningSettings {
  int Pitch = DefaultPitch;
  bool Repeat = true;
  int Volume = DefaultVolume;
  bool operator==(const TListeningSettings&) const = default;
};

// How signal time becomes sound time.
struct TSoundScale {
  double T1 = 0, T2 = 1;      // the signal seconds one pass plays
  double SoundPerSignal = 1;  // seconds of sound per second of signal
  // A recording plays at its own time (SoundPerSignal 1, no pitch): the listening window
  // then hides the pitch from the user. SoundScaleOf sets it for a source that keeps time.
  bool OwnTime = false;
  // Frames of one pass, at least 1. Rounding to whole frames moves the pitch by at most
  // half a frame a period (0.05 % at 220 Hz).
  int LoopFrames(int rate = SoundRate) const;
};

// Any other signal is one period of a tone of `pitchHz`: the period of a polyharmonic
// fragment (its harmonics keep their pitches whatever interval is analysed), otherwise the
// analysis interval itself. A recording plays at its own time scale.
TSoundScale SoundScaleOf(const TResamEngine& engine, double pitchHz);

// Whether the engine has the sound at all: the error needs an analog signal (a table has
// none), and nothing sounds before a signal is given.
bool SoundAvailable(const TResamEngine& engine, TSoundKind kind);

// The value of a sound at signal time t, before the gain (volts). Samples: s[k] from the
// k-th sample's time until the next one, 0 before the first, the last one held after it.
double SoundValue(const TResamEngine& engine, TSoundKind kind, double t);

// One pass of every sound, at the shared gain.
struct TSoundLoops {
  std::vector<float> Loop[SoundKindCount];  // LoopFrames() frames each; empty when unavailable
  double Gain = 0;                          // amplitude per volt; 0 for a silent signal
  bool NonNumbers = false;                  // some value was NaN or infinite (played as 0)
};

// Renders the four passes. The gain brings the largest magnitude among them to PeakLevelDb;
// each pass's last frames bend towards its first value so that the repeat is seamless.
TSoundLoops RenderLoops(const TResamEngine& engine, const TSoundScale& scale, int rate = SoundRate);

// The volts of one pass on its frame grid t_n = T1 + n (T2 - T1) / frames (exposed for the
// benchmarks and the seam): `values` gets frames + 1 values, the last one at T2, non-numbers
// replaced by 0; returns whether there were any.
bool TabulateSound(const TResamEngine& engine, TSoundKind kind, const TSoundScale& scale, int frames,
                   std::span<double> values);
