#pragma once
// The sound as it leaves for the speaker, free of Qt: one pass (a loop) played over and over,
// or for PlainPlaySeconds, with FadeFrames fades at start and stop, a cross-fade to a new pass
// at the same phase when the signal changes, and a volume that glides instead of jumping, so
// that nothing the user does clicks. Read from the audio thread's pull, on the GUI thread.
#include <span>
#include <vector>

#include "studies/SoundRendering.h"

constexpr long long PlainFrames = static_cast<long long>(PlainPlaySeconds * SoundRate);

class TSoundStream {
 public:
  // Starts `loop` from silence. Repeating: until Stop; otherwise `plainFrames` frames (by
  // default PlainPlaySeconds), fading out at the end. An empty loop plays silence.
  void Start(std::vector<float> loop, bool repeat, long long plainFrames = PlainFrames);
  // The same sound, changed: the new pass takes over at the same point of the period.
  void Follow(std::vector<float> loop);
  // Fades out; Read returns 0 frames once the fade is done.
  void Stop();
  void SetRepeat(bool repeat);
  // 0 .. 1, reached gradually over FadeFrames.
  void SetVolume(double volume);
  bool Playing() const { return State != TState::Silent; }

  // Fills `out` with up to out.size() frames; fewer, and finally none, once stopped.
  int Read(std::span<float> out);

  // What the stream plays of `loop` without repeating, at full volume (the saved sound).
  static std::vector<float> PlainSound(const std::vector<float>& loop, long long plainFrames = PlainFrames);

 private:
  enum class TState { Silent, Playing, Stopping };
  float Next();
  float LoopFrame(const std::vector<float>& loop, long long& position) const;

  TState State = TState::Silent;
  std::vector<float> Loop, Previous;  // Previous: the pass being faded out
  long long Position = 0, PreviousPosition = 0;
  int CrossFade = 0;        // frames left of the cross-fade from Previous
  long long Played = 0;     // frames since Start
  long long Remaining = 0;  // frames until the end (not repeating)
  long long Plain = PlainFrames;
  bool Repeat = true;
  int Envelope = 0;  // 0 .. FadeFrames: silent .. full
  double Volume = 1, TargetVolume = 1;
};
