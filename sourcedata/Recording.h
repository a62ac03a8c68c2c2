#pragma once
// A recording as the recording window holds it: a sound file read through libsndfile, or a
// measured series read from CSV. Times are in seconds from the recording's origin (0 for a
// sound file, the first time of a two-column series), values in volts (a sound file's
// samples scaled to [-1, 1], a series' numbers as written).
//
// A sound file keeps only its overviews in memory (a 30-minute file would take gigabytes);
// a fragment is read from the file again when it is chosen. A series is small and keeps its
// values.
#include <string>
#include <vector>

#include "platform/TextMessage.h"
#include "sourcedata/RecordingOverview.h"

// The channel a fragment is taken from; a mono recording has the same values in all three.
enum class TRecordingChannel { Left, Right, Sum };
constexpr int RecordingChannelCount = 3;

constexpr int MaxRecordingChannels = 8;
constexpr double MaxRecordingSeconds = 30 * 60;
// A fragment holds at most this many samples (some 6 s at 44,1 kHz): the engine takes at most
// 500 samples of it, and a session keeps it whole.
constexpr long long MaxFragmentSamples = 1 << 18;
// ... and at least this many, so that it has an interval and a spectrum.
constexpr long long MinFragmentSamples = 4;

struct TRecording {
  std::string Name;  // the file's name, UTF-8, as messages and the window show it
  std::string Path;  // a sound file: where its fragments are read; "" for a series
  double Rate = 0;   // samples per second
  int Channels = 0;
  long long Frames = 0;
  double Origin = 0;  // time of the first sample, s
  // A one-column series has no time of its own: its rate is typed in the window.
  bool RateTyped = false;
  TRecordingOverview Overviews[RecordingChannelCount];
  std::vector<double> Series;  // a series' values

  bool IsSound() const { return !Path.empty(); }
  double Duration() const { return Rate > 0 ? double(Frames) / Rate : 0; }
  const TRecordingOverview& Overview(TRecordingChannel c) const { return Overviews[Channels > 1 ? int(c) : 0]; }
};

// The samples [first, first + count) of channel c (a sound file read again from its path).
// No message, or the problem with `values` untouched.
TMessage ReadRecordingFragment(const TRecording& recording, TRecordingChannel channel, long long first, long long count,
                               std::vector<double>& values);

// A series file (CSV) as a recording with one channel; a one-column series gets `typedRate`.
// No message, or the problem (naming the file) with `recording` untouched.
TMessage ReadSeriesFile(const std::string& path, const std::string& name, double typedRate, TRecording& recording);
// A series' values as a recording (its overview made).
void TakeSeries(TRecording& recording, std::vector<double> values);
