// The recording readers on arbitrary bytes: a sound file through libsndfile's virtual input,
// and a CSV series. What is accepted keeps the window's limits; what is refused is named.
#include <cmath>
#include <string_view>

#include "FuzzReaders.h"
#include "sourcedata/RecordedSignal.h"
#include "sourcedata/SeriesCsv.h"
#include "sourcedata/SoundFile.h"

std::string FuzzSoundReader(const uint8_t* data, size_t size) {
  TRecording r;
  const std::string fault = ReadSoundBytes(data, size, "fuzz", r).SourceText();
  if (!fault.empty())
    return fault.rfind(SoundFault("fuzz", TMessage("", "")).SourceText(), 0) == 0 && r.Frames == 0
               ? ""
               : "a refusal not named: " + fault;
  if (r.Channels < 1 || r.Channels > MaxRecordingChannels) return "channels beyond the limit";
  if (r.Frames < MinFragmentSamples || !(r.Duration() <= MaxRecordingSeconds)) return "length beyond the limits";
  for (TRecordingChannel c : {TRecordingChannel::Left, TRecordingChannel::Right, TRecordingChannel::Sum}) {
    float lo = 0, hi = 0;
    if (!r.Overview(c).Range(0, r.Frames, lo, hi) || !std::isfinite(lo) || !std::isfinite(hi) || lo > hi)
      return "an overview without finite extremes";
  }
  return "";
}

std::string FuzzSeriesReader(const uint8_t* data, size_t size) {
  TSeriesCsv s;
  const std::string problem =
      ParseSeriesCsv(std::string_view(reinterpret_cast<const char*>(data), size), s).SourceText();
  if (!problem.empty()) return s.Values.empty() ? "" : "a refused series was taken";
  if (s.Values.size() < MinSeriesValues) return "too few values taken";
  for (double v : s.Values)
    if (!std::isfinite(v)) return "a value that is no number taken";
  if (s.HasTime && !(s.Rate > 0 && std::isfinite(s.Rate) && std::isfinite(s.Start)))
    return "a time column without a rate";
  TRecordedSignal signal;
  signal.SetFragment({"fuzz", TRecordingChannel::Left, s.HasTime ? s.Rate : 1, s.Start, s.Values});
  const double t = s.Start + 0.5 / signal.GetFragment().Rate;
  if (std::isnan(signal.SignalValue(t))) return "an interpolated value that is no number";
  return "";
}
