#include "studies/SoundRendering.h"

#include <algorithm>
#include <cmath>

#include "engine/ResamEngine.h"
#include "numerics/Mathlib.h"

namespace {
// A time meant to fall on a sample may come out a hair before it after the running sums.
constexpr double NodeSnap = 1e-9;

double HeldSample(const TSampleSet& set, double t) {
  const double u = SamplePosition(set, t) + NodeSnap;
  if (!(u >= 0) || set.N <= 0) return 0;
  const long long k = std::min<long long>(static_cast<long long>(std::floor(std::min(u, 1e15))), set.N - 1);
  return SampleAt(set, k);
}

// 0 to 1 over frames 0 .. count-1 of a stretch that reaches 1 one frame after it.
double Rise(int i, int count) { return 0.5 * (1 - std::cos(Pi * (i + 1) / (count + 1))); }

// The pass ends where the signal goes on, which need not be where the pass begins: the last
// frames take up the difference gradually, so the jump never sounds.
void BendTowardsStart(std::span<double> values, int frames) {
  const double jump = values[0] - values[frames];
  if (jump == 0) return;
  const int count = std::min(FadeFrames, frames / 2);
  for (int i = 0; i < count; ++i) values[frames - count + i] += jump * Rise(i, count);
}
}  // namespace

int TSoundScale::LoopFrames(int rate) const {
  const double frames = std::round((T2 - T1) * SoundPerSignal * rate);
  return frames >= 1 && frames < 1e9 ? static_cast<int>(frames) : 1;
}

TSoundScale SoundScaleOf(const TResamEngine& engine, double pitchHz) {
  TSoundScale scale;
  scale.T1 = engine.T1();
  scale.T2 = engine.T2();
  if (engine.Source() == TResamEngine::SourceRecording) {
    scale.OwnTime = true;  // SoundPerSignal stays 1: a recording is heard as it was recorded
    return scale;
  }
  const bool fragment = engine.Source() == TResamEngine::SourcePolyharmonic;
  const double period = fragment ? engine.FormulaSignal.Duration : scale.T2 - scale.T1;
  scale.SoundPerSignal = period > 0 && pitchHz > 0 ? 1 / (period * pitchHz) : 1;
  return scale;
}

bool SoundAvailable(const TResamEngine& engine, TSoundKind kind) {
  if (!engine.SignalGiven()) return false;
  if (kind == TSoundKind::Signal) return engine.IsAnalog();
  // Between a table's arrival and its samples the error of the signal before may still be known.
  if (kind == TSoundKind::Error) return engine.IsAnalog() && engine.HasError();
  return true;
}

double SoundValue(const TResamEngine& engine, TSoundKind kind, double t) {
  switch (kind) {
    case TSoundKind::Signal:
      return engine.SignalSeries().GetValue(t);
    case TSoundKind::Samples:
      return HeldSample(engine.SampleSet(), t);
    case TSoundKind::Curve:
      return engine.CurveSeries().GetValue(t);
    case TSoundKind::Error:
      // As the engine defines it, but exact at every frame rather than read off its table.
      return engine.SignalSeries().GetValue(t) - engine.CurveSeries().GetValue(t);
  }
  return 0;
}

bool TabulateSound(const TResamEngine& engine, TSoundKind kind, const TSoundScale& scale, int frames,
                   std::span<double> values) {
  const double step = (scale.T2 - scale.T1) / frames;
  bool nonNumbers = false;
  for (int n = 0; n <= frames; ++n) {
    const double v = SoundValue(engine, kind, n < frames ? scale.T1 + n * step : scale.T2);
    nonNumbers |= !std::isfinite(v);
    values[n] = std::isfinite(v) ? v : 0;
  }
  return nonNumbers;
}

TSoundLoops RenderLoops(const TResamEngine& engine, const TSoundScale& scale, int rate) {
  TSoundLoops loops;
  const int frames = scale.LoopFrames(rate);
  std::vector<double> values[SoundKindCount];
  double peak = 0;
  for (int k = 0; k < SoundKindCount; ++k) {
    const auto kind = static_cast<TSoundKind>(k);
    if (!SoundAvailable(engine, kind)) continue;
    values[k].resize(frames + 1);
    if (kind == TSoundKind::Error) {
      // The signal and the curve are at hand (they come first): their difference is the error.
      for (int n = 0; n <= frames; ++n)
        values[k][n] = values[int(TSoundKind::Signal)][n] - values[int(TSoundKind::Curve)][n];
    } else {
      loops.NonNumbers |= TabulateSound(engine, kind, scale, frames, values[k]);
    }
  }
  for (int k = 0; k < SoundKindCount; ++k) {
    if (values[k].empty()) continue;
    BendTowardsStart(values[k], frames);
    for (int n = 0; n < frames; ++n) peak = std::max(peak, std::fabs(values[k][n]));
  }
  loops.Gain = peak > 0 ? std::pow(10.0, PeakLevelDb / 20) / peak : 0;
  for (int k = 0; k < SoundKindCount; ++k) {
    if (values[k].empty()) continue;
    loops.Loop[k].resize(frames);
    for (int n = 0; n < frames; ++n) loops.Loop[k][n] = static_cast<float>(values[k][n] * loops.Gain);
  }
  return loops;
}
