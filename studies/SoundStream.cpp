#include "studies/SoundStream.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {
constexpr double VolumeStep = 1.0 / FadeFrames;

// Raised cosine over the fade: silent at 0, full at FadeFrames.
double Fade(int envelope) { return 0.5 * (1 - std::cos(3.141592653589793 * envelope / FadeFrames)); }
}  // namespace

void TSoundStream::Start(std::vector<float> loop, bool repeat, long long plainFrames) {
  Loop = std::move(loop);
  Previous.clear();
  Position = PreviousPosition = Played = 0;
  CrossFade = 0;
  Repeat = repeat;
  Plain = std::max(plainFrames, 2LL * FadeFrames);
  Remaining = Plain;
  Envelope = 0;
  Volume = TargetVolume;
  State = TState::Playing;
}

void TSoundStream::Follow(std::vector<float> loop) {
  if (State == TState::Silent) return;
  Previous = std::move(Loop);
  PreviousPosition = Position;
  Loop = std::move(loop);
  const long long was = Previous.empty() ? 0 : Position % static_cast<long long>(Previous.size());
  Position = Previous.empty() ? 0 : was * static_cast<long long>(Loop.size()) / static_cast<long long>(Previous.size());
  CrossFade = FadeFrames;
}

void TSoundStream::Stop() {
  if (State == TState::Playing) State = TState::Stopping;
}

void TSoundStream::SetRepeat(bool repeat) {
  // Turning repetition off lets the sound run to the end of its plain length, if not past it.
  if (Repeat && !repeat) Remaining = std::max(Plain - Played, static_cast<long long>(FadeFrames));
  Repeat = repeat;
}

void TSoundStream::SetVolume(double volume) { TargetVolume = std::clamp(volume, 0.0, 1.0); }

float TSoundStream::LoopFrame(const std::vector<float>& loop, long long& position) const {
  if (loop.empty()) return 0;
  const float v = loop[position % static_cast<long long>(loop.size())];
  ++position;
  return v;
}

float TSoundStream::Next() {
  double v = LoopFrame(Loop, Position);
  if (CrossFade > 0) {
    const double w = Fade(CrossFade);  // weight of the old pass, falling to 0
    v = (1 - w) * v + w * LoopFrame(Previous, PreviousPosition);
    if (--CrossFade == 0) Previous.clear();
  }
  if (!Repeat && Remaining <= FadeFrames && State == TState::Playing) State = TState::Stopping;
  if (State == TState::Stopping) {
    --Envelope;
  } else if (Envelope < FadeFrames) {
    ++Envelope;
  }
  if (Volume < TargetVolume) Volume = std::min(TargetVolume, Volume + VolumeStep);
  if (Volume > TargetVolume) Volume = std::max(TargetVolume, Volume - VolumeStep);
  ++Played;
  --Remaining;
  return static_cast<float>(v * Fade(std::max(Envelope, 0)) * Volume);
}

int TSoundStream::Read(std::span<float> out) {
  int n = 0;
  for (; n < static_cast<int>(out.size()) && State != TState::Silent; ++n) {
    out[n] = Next();
    if (State == TState::Stopping && Envelope <= 0) State = TState::Silent;
  }
  return n;
}

std::vector<float> TSoundStream::PlainSound(const std::vector<float>& loop, long long plainFrames) {
  TSoundStream stream;
  stream.Start(loop, false, plainFrames);
  std::vector<float> sound(static_cast<size_t>(stream.Plain));
  sound.resize(stream.Read(sound));
  return sound;
}
