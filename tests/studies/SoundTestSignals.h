#pragma once
// Signals for the sound tests, handed to the engine as the source commands hand them over.
#include <cmath>
#include <vector>

#include "engine/ResamEngine.h"
#include "studies/SoundRendering.h"
#include "studies/SoundStream.h"

constexpr double TestPi = 3.141592653589793;
// A one-second fragment whose fifth harmonic alone sounds: 7 samples a period fold it to the
// second, 39 keep it.
inline double FifthHarmonic(double t) { return std::sin(2 * TestPi * 5 * t); }
// Starts at 1 and ends at 0: a loop of it jumps where it repeats.
inline double FallingRamp(double t) { return 1 - t; }

inline void GiveFragment(TResamEngine& engine, TRealFunction f, double period, int count) {
  engine.FormulaSignal = {f, period, 0};
  engine.AcceptSignal(TResamEngine::SourcePolyharmonic);
  engine.TakeAnalogSignal(TResamEngine::PeriodFromCount);
  engine.SetCount(count);
}

inline void GivePulse(TResamEngine& engine, TRealFunction f, double tau, int count) {
  engine.FormulaSignal = {f, tau, 0};
  engine.AcceptSignal(TResamEngine::SourceLibrary);
  engine.TakeAnalogSignal(TResamEngine::PeriodFromCount);
  engine.SetCount(count);
}

// The largest step between neighbouring frames of `frames`.
inline double LargestStep(const std::vector<float>& frames, size_t from = 0, size_t to = SIZE_MAX) {
  double step = 0;
  for (size_t n = from + 1; n < std::min(to, frames.size()); ++n)
    step = std::max(step, std::fabs(double(frames[n]) - frames[n - 1]));
  return step;
}

// What the stream gives for `frames` frames (fewer once it ends).
inline std::vector<float> ReadFrames(TSoundStream& stream, size_t frames) {
  std::vector<float> out(frames);
  out.resize(stream.Read(out));
  return out;
}
