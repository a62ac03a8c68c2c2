#include "sourcedata/SoundFile.h"

#include <sndfile.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>

namespace {
constexpr sf_count_t ChunkFrames = 4096;
// Above this the rate is no sound's: the fragment's period would be below a microsecond.
constexpr int MaxSoundRate = 1000000;

struct TCloser {
  void operator()(SNDFILE* f) const { sf_close(f); }
};
using TSoundHandle = std::unique_ptr<SNDFILE, TCloser>;

// libsndfile's virtual input over bytes in memory.
struct TMemoryInput {
  const unsigned char* Data = nullptr;
  sf_count_t Size = 0;
  sf_count_t Position = 0;
};

sf_count_t MemoryLength(void* user) { return static_cast<TMemoryInput*>(user)->Size; }

sf_count_t MemorySeek(sf_count_t offset, int whence, void* user) {
  auto* m = static_cast<TMemoryInput*>(user);
  const sf_count_t base = whence == SEEK_CUR ? m->Position : whence == SEEK_END ? m->Size : 0;
  const sf_count_t to = base + offset;
  if (to < 0 || to > m->Size) return -1;
  return m->Position = to;
}

sf_count_t MemoryRead(void* out, sf_count_t count, void* user) {
  auto* m = static_cast<TMemoryInput*>(user);
  const sf_count_t n = std::clamp<sf_count_t>(m->Size - m->Position, 0, std::max<sf_count_t>(count, 0));
  if (n > 0) std::memcpy(out, m->Data + m->Position, size_t(n));
  m->Position += n;
  return n;
}

sf_count_t MemoryWrite(const void*, sf_count_t, void*) { return 0; }
sf_count_t MemoryTell(void* user) { return static_cast<TMemoryInput*>(user)->Position; }

// The library's error, in the user's words.
TMessage OpenProblem(int error) {
  switch (error) {
    case SF_ERR_UNRECOGNISED_FORMAT:
      return RESAM_MESSAGE("SoundFile", "это не звукозапись или запись в формате, который программа не читает.");
    case SF_ERR_MALFORMED_FILE:
      return RESAM_MESSAGE("SoundFile", "файл повреждён или оборван.");
    case SF_ERR_UNSUPPORTED_ENCODING:
      return RESAM_MESSAGE("SoundFile", "кодек, которым сделана запись, программа не читает.");
    case SF_ERR_SYSTEM:
      return RESAM_MESSAGE("SoundFile", "файл не открывается (его нет или к нему нет доступа).");
    default:
      return RESAM_MESSAGE("SoundFile", "файл повреждён, оборван или записан кодеком, который программа не читает.");
  }
}

// What the header says, checked before a sample is read.
TMessage InfoProblem(const SF_INFO& info) {
  if (info.channels < 1) return RESAM_MESSAGE("SoundFile", "в записи нет ни одного канала.");
  if (info.channels > MaxRecordingChannels)
    return RESAM_MESSAGE("SoundFile", "в записи %1 каналов, а программа читает не более %2.")
        .Arg(info.channels)
        .Arg(MaxRecordingChannels);
  if (info.samplerate < 1 || info.samplerate > MaxSoundRate)
    return RESAM_MESSAGE("SoundFile", "частота дискретизации %1 Гц вне пределов 1 … %2 Гц.")
        .Arg(info.samplerate)
        .Arg(MaxSoundRate);
  if (info.frames <= 0) return RESAM_MESSAGE("SoundFile", "в записи нет ни одного отсчёта.");
  if (info.frames < MinFragmentSamples)
    return RESAM_MESSAGE("SoundFile", "в записи меньше %1 отсчётов, из них не выбрать фрагмент.")
        .Arg(MinFragmentSamples);
  const double seconds = double(info.frames) / info.samplerate;
  if (seconds > MaxRecordingSeconds)
    return RESAM_MESSAGE("SoundFile", "запись длится %1 мин, а программа читает записи не длиннее %2 минут.")
        .Arg(seconds / 60, 1)
        .Arg(int(MaxRecordingSeconds / 60));
  return {};
}

// The first value that is no number (x * 0 is 0 only for a finite x), or -1.
long long FirstNotFinite(const float* v, long long n) {
  for (long long i = 0; i < n; ++i)
    if (!std::isfinite(v[i])) return i;
  return -1;
}

void AddSums(TRecordingOverview& o, const float* chunk, long long frames, int ch, std::vector<float>& sums) {
  sums.resize(size_t(frames));
  for (long long f = 0; f < frames; ++f) {
    float s = 0;
    for (int c = 0; c < ch; ++c) s += chunk[f * ch + c];
    sums[size_t(f)] = s;
  }
  o.Add(sums.data(), frames, 1);
}

// One pass over every frame: the overviews of the first two channels (and of their sum when
// asked: a stereo file is opened on its left channel, and the sum is taken when chosen), and a
// check that every sample is a number.
TMessage ReadOverviews(SNDFILE* file, const SF_INFO& info, TRecording& r, bool sum) {
  const int ch = info.channels;
  const int kept = ch > 1 ? 2 : 1;
  for (int c = 0; c < kept; ++c) r.Overviews[c].Start(info.frames);
  if (sum && ch > 1) r.Overviews[2].Start(info.frames);
  std::vector<float> chunk(size_t(ChunkFrames * ch)), sums;
  sf_count_t done = 0;
  while (done < info.frames) {
    const sf_count_t got = sf_readf_float(file, chunk.data(), std::min(ChunkFrames, info.frames - done));
    if (got <= 0) break;
    float probe = 0;
    if (ch == 2)
      TRecordingOverview::AddPair(r.Overviews[0], r.Overviews[1], chunk.data(), got, &probe);
    else
      for (int c = 0; c < kept; ++c) r.Overviews[c].Add(chunk.data() + c, got, ch, &probe);
    // Channels beyond the first two are checked on their own.
    const long long bad = probe != 0 || ch > kept ? FirstNotFinite(chunk.data(), got * ch) : -1;
    if (bad >= 0)
      return RESAM_MESSAGE("SoundFile", "в записи есть отсчёт, который не является конечным числом (кадр %1).")
          .Arg(done + bad / ch + 1);
    if (sum && ch > 1) AddSums(r.Overviews[2], chunk.data(), got, ch, sums);
    done += got;
  }
  if (done < info.frames)
    return RESAM_MESSAGE("SoundFile", "файл оборван: прочитано %1 кадров из %2.").Arg(done).Arg(info.frames);
  return {};
}

TMessage ReadOpened(SNDFILE* file, int openError, const SF_INFO& info, const std::string& name, bool sum,
                    TRecording& out) {
  if (!file) return SoundFault(name, OpenProblem(openError));
  TMessage problem = InfoProblem(info);
  TRecording r;
  if (problem.Empty()) problem = ReadOverviews(file, info, r, sum);
  if (!problem.Empty()) return SoundFault(name, std::move(problem));
  r.Name = name;
  r.Rate = info.samplerate;
  r.Channels = info.channels;
  r.Frames = info.frames;
  out = std::move(r);
  return {};
}

float ChannelValue(const float* frame, int channels, TRecordingChannel c) {
  if (channels == 1 || c == TRecordingChannel::Left) return frame[0];
  if (c == TRecordingChannel::Right) return frame[1];
  float sum = 0;
  for (int k = 0; k < channels; ++k) sum += frame[k];
  return sum;
}
}  // namespace

TMessage SoundFault(const std::string& name, TMessage problem) {
  return RESAM_MESSAGE("SoundFile", "Не удаётся прочитать звуковой файл «%1»: %2").Arg(name).Arg(std::move(problem));
}

TMessage ReadSoundFile(const std::string& path, const std::string& name, TRecording& recording) {
  std::error_code error;
  const auto size = std::filesystem::file_size(path, error);
  if (!error && size == 0) return SoundFault(name, RESAM_MESSAGE("SoundFile", "файл пуст."));
  SF_INFO info{};
  TSoundHandle file(sf_open(path.c_str(), SFM_READ, &info));
  TMessage fault = ReadOpened(file.get(), sf_error(nullptr), info, name, false, recording);
  if (fault.Empty()) recording.Path = path;
  return fault;
}

TMessage ReadSoundBytes(const void* bytes, std::size_t size, const std::string& name, TRecording& recording) {
  if (size == 0) return SoundFault(name, RESAM_MESSAGE("SoundFile", "файл пуст."));
  TMemoryInput input{static_cast<const unsigned char*>(bytes), sf_count_t(size), 0};
  SF_VIRTUAL_IO io{&MemoryLength, &MemorySeek, &MemoryRead, &MemoryWrite, &MemoryTell};
  SF_INFO info{};
  TSoundHandle file(sf_open_virtual(&io, SFM_READ, &info, &input));
  return ReadOpened(file.get(), sf_error(nullptr), info, name, true, recording);
}

TMessage ReadSoundFragment(const std::string& path, const std::string& name, TRecordingChannel channel, long long first,
                           long long count, std::vector<double>& values) {
  SF_INFO info{};
  TSoundHandle file(sf_open(path.c_str(), SFM_READ, &info));
  if (!file) return SoundFault(name, OpenProblem(sf_error(nullptr)));
  if (info.channels < 1 || info.channels > MaxRecordingChannels || first < 0 || count < 1 ||
      first + count > info.frames)
    return SoundFault(
        name, RESAM_MESSAGE("SoundFile", "фрагмент выходит за пределы записи (файл изменился после открытия?)."));
  if (sf_seek(file.get(), first, SEEK_SET) != first)
    return SoundFault(name, RESAM_MESSAGE("SoundFile", "файл повреждён или оборван."));
  std::vector<double> out;
  out.reserve(size_t(count));
  std::vector<float> chunk(size_t(ChunkFrames * info.channels));
  while (static_cast<long long>(out.size()) < count) {
    const sf_count_t want = std::min<sf_count_t>(ChunkFrames, count - static_cast<long long>(out.size()));
    const sf_count_t got = sf_readf_float(file.get(), chunk.data(), want);
    if (got <= 0) return SoundFault(name, RESAM_MESSAGE("SoundFile", "файл оборван."));
    for (sf_count_t f = 0; f < got; ++f) {
      const float v = ChannelValue(&chunk[size_t(f * info.channels)], info.channels, channel);
      if (!std::isfinite(v))
        return SoundFault(name,
                          RESAM_MESSAGE("SoundFile", "в записи есть отсчёт, который не является конечным числом."));
      out.push_back(v);
    }
  }
  values = std::move(out);
  return {};
}

TMessage ReadSoundSum(TRecording& recording) {
  if (recording.Channels < 2 || recording.Overviews[2].Started()) return {};
  SF_INFO info{};
  TSoundHandle file(sf_open(recording.Path.c_str(), SFM_READ, &info));
  if (!file) return SoundFault(recording.Name, OpenProblem(sf_error(nullptr)));
  if (info.channels != recording.Channels || info.frames != recording.Frames)
    return SoundFault(recording.Name, RESAM_MESSAGE("SoundFile", "файл изменился после открытия."));
  TRecording again;
  if (TMessage problem = ReadOverviews(file.get(), info, again, true); !problem.Empty())
    return SoundFault(recording.Name, std::move(problem));
  recording.Overviews[2] = std::move(again.Overviews[2]);
  return {};
}
