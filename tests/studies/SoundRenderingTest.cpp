#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "../support/ArrayCompare.h"
#include "SoundTestSignals.h"

namespace {
const double PeakAmplitude = std::pow(10.0, -3.0 / 20);

// The interpolating function written out as the textbook has it.
double LiteralKotelnikov(const TSampleSet& set, double t) {
  double sum = 0;
  for (int k = 0; k < set.N; ++k) {
    const double x = (t - set.T0) / set.T - k;
    sum += set.Samples[k] * (x == 0 ? 1 : std::sin(TestPi * x) / (TestPi * x));
  }
  return sum;
}

// The sample whose time last passed, held; none before the first.
double LiteralHeld(const TSampleSet& set, double t) {
  double held = 0;
  for (int k = 0; k < set.N; ++k)
    if (set.T0 + k * set.T <= t + 1e-9 * set.T) held = set.Samples[k];
  return held;
}

double Reference(const TResamEngine& engine, TSoundKind kind, double t) {
  switch (kind) {
    case TSoundKind::Signal:
      return engine.SignalSeries().GetValue(t);
    case TSoundKind::Samples:
      return LiteralHeld(engine.SampleSet(), t);
    case TSoundKind::Curve:
      return LiteralKotelnikov(engine.SampleSet(), t);
    case TSoundKind::Error:
      return engine.SignalSeries().GetValue(t) - LiteralKotelnikov(engine.SampleSet(), t);
  }
  return 0;
}
}  // namespace

// Each pass is one period of the pitch and reads the engine's curves on the audio grid at the
// one gain that brings the loudest of the four to -3 dBFS; only the last frames, which bend
// towards the start, may differ.
TEST(SoundRendering, PassesReadTheCurvesAtOneGain) {
  TResamEngine engine;
  GiveFragment(engine, FifthHarmonic, 1, 8);
  for (const double pitch : {50.0, 220.0, 2000.0}) {
    const TSoundScale scale = SoundScaleOf(engine, pitch);
    const TSoundLoops loops = RenderLoops(engine, scale);
    const int frames = scale.LoopFrames();
    EXPECT_EQ(frames, std::lround(SoundRate / pitch)) << pitch;
    double peak = 0;
    for (int k = 0; k < SoundKindCount; ++k) {
      const auto kind = static_cast<TSoundKind>(k);
      ASSERT_EQ(int(loops.Loop[k].size()), frames);
      const int kept = frames - std::min(FadeFrames, frames / 2);
      std::vector<double> actual(kept), expected(kept);
      for (int n = 0; n < kept; ++n) {
        actual[n] = loops.Loop[k][n];
        expected[n] = loops.Gain * Reference(engine, kind, scale.T1 + n * (scale.T2 - scale.T1) / frames);
      }
      const TWorstError worst = MaxRelativeError(actual.data(), expected.data(), kept, 1);
      EXPECT_LT(worst.Error, 1e-5) << pitch << " Hz, sound " << k << ": " << worst;
      for (float v : loops.Loop[k]) peak = std::max(peak, double(std::fabs(v)));
    }
    EXPECT_NEAR(peak, PeakAmplitude, 1e-6) << pitch;
  }
}

// A pulse that starts at 1 and ends at 0 repeats without a click: the jump of most of full
// scale where the pass starts again is spread so that no step there exceeds 1 % of full
// scale; a whole period of a fragment is left as it is.
TEST(SoundRendering, RepeatsWithoutAJump) {
  TResamEngine pulse;
  GivePulse(pulse, FallingRamp, 1, 20);
  const TSoundScale scale = SoundScaleOf(pulse, 50);
  const TSoundLoops loops = RenderLoops(pulse, scale);
  for (const TSoundKind kind : {TSoundKind::Signal, TSoundKind::Curve}) {
    const std::vector<float>& loop = loops.Loop[int(kind)];
    const double jump = loops.Gain * std::fabs(SoundValue(pulse, kind, scale.T1) - SoundValue(pulse, kind, scale.T2));
    EXPECT_GT(jump, 0.5) << int(kind);
    std::vector<float> seam(loop.end() - FadeFrames, loop.end());
    seam.insert(seam.end(), loop.begin(), loop.begin() + 2);
    EXPECT_LT(LargestStep(seam), 0.01) << int(kind);
  }
  TResamEngine fragment;
  GiveFragment(fragment, FifthHarmonic, 1, 40);
  const TSoundScale whole = SoundScaleOf(fragment, 220);
  const TSoundLoops periodic = RenderLoops(fragment, whole);
  const std::vector<float>& signal = periodic.Loop[int(TSoundKind::Signal)];
  const int frames = whole.LoopFrames();
  for (int n = frames - FadeFrames / 2; n < frames; ++n)
    ASSERT_NEAR(signal[n], periodic.Gain * FifthHarmonic(whole.T1 + n * 1.0 / frames), 1e-3) << n;
}

// Silence where the signal is not a number, and the window is told; a zero signal is silent.
TEST(SoundRendering, NonNumbersAndZeroAreSilent) {
  TResamEngine engine;
  GiveFragment(
      engine, [](double t) { return t > 0 ? std::nan("") : std::sin(2 * TestPi * t); }, 1, 30);
  const TSoundScale scale = SoundScaleOf(engine, 100);
  const TSoundLoops loops = RenderLoops(engine, scale);
  EXPECT_TRUE(loops.NonNumbers);
  const std::vector<float>& signal = loops.Loop[int(TSoundKind::Signal)];
  for (size_t n = signal.size() / 2 + 5; n < signal.size() - FadeFrames; ++n) ASSERT_EQ(signal[n], 0.0f) << n;
  EXPECT_GT(LargestStep(signal), 0);
  for (const std::vector<float>& loop : loops.Loop)
    for (float v : loop) ASSERT_TRUE(std::isfinite(v));

  TResamEngine zero;
  GiveFragment(
      zero, [](double) { return 0.0; }, 1, 10);
  const TSoundLoops silent = RenderLoops(zero, SoundScaleOf(zero, 220));
  EXPECT_FALSE(silent.NonNumbers);
  EXPECT_EQ(silent.Gain, 0);
  for (const std::vector<float>& loop : silent.Loop)
    for (float v : loop) ASSERT_EQ(v, 0.0f);
}

// A table gives samples only: its held samples and its interpolating function sound, no
// signal and no error, also at the moment it arrives, while the last signal's error is known.
TEST(SoundRendering, ATableHasOnlySamplesAndCurve) {
  TResamEngine engine;
  GiveFragment(engine, FifthHarmonic, 1, 8);
  const double table[] = {0, 1, 0.5, -1, 0};
  engine.TableSignal = {table, 5};
  for (int step = 0; step < 2; ++step) {
    if (step == 0) engine.AcceptSignal(TResamEngine::SourceTable);
    if (step == 1) engine.TakeTableSignal();
    const TSoundLoops loops = RenderLoops(engine, SoundScaleOf(engine, 220));
    EXPECT_TRUE(loops.Loop[int(TSoundKind::Signal)].empty()) << step;
    EXPECT_TRUE(loops.Loop[int(TSoundKind::Error)].empty()) << step;
    EXPECT_FALSE(loops.Loop[int(TSoundKind::Samples)].empty()) << step;
    EXPECT_FALSE(loops.Loop[int(TSoundKind::Curve)].empty()) << step;
  }
}
