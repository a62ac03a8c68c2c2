// What sampling does to a signal: noisy and quantised samples, and the alias twin of a
// polyharmonic fragment, the lower-frequency signal through the same samples.
#include <cmath>

#include "engine/ResamEngine.h"
#include "platform/CoreServices.h"

namespace {
constexpr int TwinEstimateCount = 10;
}  // namespace

TSampleNoise TResamEngine::NoiseWithin(const TSampleNoise& settings) const {
  TSampleNoise limited = LimitedNoise(settings);
  if (!std::isfinite(settings.SnrDb)) limited.SnrDb = Noise.SnrDb;
  return limited;
}

TResamEngine::TChanges TResamEngine::SetSampleNoise(const TSampleNoise& settings) {
  const TSampleNoise limited = NoiseWithin(settings);
  if (limited == Noise) return ChangeNone;
  Noise = limited;
  if (!Given) return ChangeNoise;
  TWaitCursor wait;
  TChanges changes = ChangeNoise | Resample() | Reconstruct();
  return changes | SetSpectrumRange();
}

TResamEngine::TChanges TResamEngine::SetTwinShown(bool on) {
  if (on == TwinOn) return ChangeNone;
  TwinOn = on;
  TwinKnown = false;
  return ChangeTwin | FoldTwin();
}

TResamEngine::TChanges TResamEngine::SetExactSamples(bool on) {
  if (on == ExactSamples) return ChangeNone;
  ExactSamples = on;
  if (!IsAnalog()) return ChangeNone;
  TWaitCursor wait;
  TChanges changes = Resample() | Reconstruct();
  return changes | SetSpectrumRange();
}

// Only a polyharmonic fragment has harmonics to fold; the grid is the one just sampled.
TResamEngine::TChanges TResamEngine::FoldTwin() {
  if (!TwinOn || !Given || SignalSource != SourcePolyharmonic || !(FFd > 0)) return ChangeNone;
  Twin.Fold(Harmonics, FFd, FT0);
  TwinCurve.SetFunction(TRealFunction::Bind<TwinValue>(*this), TwinEstimateCount, FT1, FT2);
  TwinKnown = true;
  return ChangeTwin;
}

double TResamEngine::TwinValue(const TResamEngine& engine, double t) { return engine.Twin.Value(t); }
