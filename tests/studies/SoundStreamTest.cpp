#include <gtest/gtest.h>

#include <cmath>

#include "SoundTestSignals.h"

namespace {
TSoundLoops FragmentLoops(TResamEngine& engine, int count) {
  GiveFragment(engine, FifthHarmonic, 1, count);
  return RenderLoops(engine, SoundScaleOf(engine, 220));
}
}  // namespace

// Start fades in over 5 ms from silence, then the pass repeats as rendered at the volume; the
// plain sound lasts two seconds and fades out; "Стоп" ends a repeating one within 5 ms.
TEST(SoundStream, FadesInRepeatsAndFadesOut) {
  TResamEngine engine;
  const TSoundLoops loops = FragmentLoops(engine, 40);
  const std::vector<float>& loop = loops.Loop[int(TSoundKind::Signal)];
  TSoundStream stream;
  stream.SetVolume(0.5);
  stream.Start(loop, true);
  const std::vector<float> heard = ReadFrames(stream, SoundRate / 10);
  ASSERT_EQ(heard.size(), size_t(SoundRate / 10));
  EXPECT_LT(std::fabs(heard[0]), 1e-4);
  for (size_t n = FadeFrames; n < heard.size(); ++n) ASSERT_FLOAT_EQ(heard[n], 0.5f * loop[n % loop.size()]) << n;
  stream.Stop();
  const std::vector<float> tail = ReadFrames(stream, SoundRate);
  EXPECT_EQ(tail.size(), size_t(FadeFrames));
  EXPECT_LT(std::fabs(tail.back()), 1e-6);
  EXPECT_FALSE(stream.Playing());

  const std::vector<float> plain = TSoundStream::PlainSound(loop);
  ASSERT_EQ(plain.size(), size_t(PlainPlaySeconds * SoundRate));
  EXPECT_LT(std::fabs(plain.front()) + std::fabs(plain.back()), 1e-4);
  EXPECT_FLOAT_EQ(plain[SoundRate], loop[SoundRate % loop.size()]);
  EXPECT_LE(LargestStep(plain), LargestStep(loop) * 1.01);
}

// A change while the sound plays is heard at once and without a click: the new pass takes over
// at the same point of the period within 5 ms, no step larger than the two passes' own, and a
// moved volume glides.
TEST(SoundStream, FollowsAChangeWithoutAClick) {
  TResamEngine engine;
  const std::vector<float> before = FragmentLoops(engine, 8).Loop[int(TSoundKind::Curve)];
  TSoundStream stream;
  stream.Start(before, true);
  std::vector<float> heard = ReadFrames(stream, 1000);
  engine.SetCount(40);
  const std::vector<float> after = RenderLoops(engine, SoundScaleOf(engine, 220)).Loop[int(TSoundKind::Curve)];
  stream.Follow(after);
  stream.SetVolume(0.25);
  const std::vector<float> next = ReadFrames(stream, 2000);
  heard.insert(heard.end(), next.begin(), next.end());
  EXPECT_LE(LargestStep(heard), std::max(LargestStep(before), LargestStep(after)) * 1.05);
  for (size_t n = 1000 + FadeFrames; n < heard.size(); ++n)
    ASSERT_FLOAT_EQ(heard[n], 0.25f * after[n % after.size()]) << n;
}
