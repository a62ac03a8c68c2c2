#pragma once
// Sound files written by the tests themselves through libsndfile, so that what is read back
// is compared with what was meant: sample (f, c) of frame f and channel c is value(f, c).
#include <sndfile.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

inline bool WriteSound(const std::string& path, int format, int rate, int channels, long long frames,
                       const std::function<double(long long, int)>& value) {
  SF_INFO info{};
  info.samplerate = rate;
  info.channels = channels;
  info.format = format;
  SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
  if (!file) return false;
  std::vector<double> frame(static_cast<size_t>(channels));
  bool ok = true;
  for (long long f = 0; f < frames && ok; ++f) {
    for (int c = 0; c < channels; ++c) frame[size_t(c)] = value(f, c);
    ok = sf_writef_double(file, frame.data(), 1) == 1;
  }
  return sf_close(file) == 0 && ok;
}

// A sine of `hz` hertz per channel (channel c at (c + 1) hz), amplitude 0,5.
inline std::function<double(long long, int)> Sines(double hz, int rate) {
  return [hz, rate](long long f, int c) { return 0.5 * std::sin(2 * M_PI * hz * (c + 1) * double(f) / rate); };
}
