#include "studies/SoundFile.h"

#include <sndfile.h>

#include <algorithm>
#include <cstring>

namespace {
// A growing byte buffer that libsndfile writes into as into a file (it seeks back to fill
// in the header's sizes).
struct TMemoryFile {
  std::vector<char> Bytes;
  sf_count_t Position = 0;
};

sf_count_t Length(void* file) { return static_cast<sf_count_t>(static_cast<TMemoryFile*>(file)->Bytes.size()); }

sf_count_t Seek(sf_count_t offset, int whence, void* file) {
  auto& f = *static_cast<TMemoryFile*>(file);
  const sf_count_t base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? f.Position : Length(file);
  if (base + offset < 0) return -1;
  f.Position = base + offset;
  return f.Position;
}

sf_count_t Read(void* to, sf_count_t count, void* file) {
  auto& f = *static_cast<TMemoryFile*>(file);
  const sf_count_t n = std::clamp<sf_count_t>(Length(file) - f.Position, 0, count);
  if (n > 0) std::memcpy(to, f.Bytes.data() + f.Position, static_cast<size_t>(n));
  f.Position += n;
  return n;
}

sf_count_t Write(const void* from, sf_count_t count, void* file) {
  auto& f = *static_cast<TMemoryFile*>(file);
  if (count <= 0) return 0;
  if (f.Position + count > Length(file)) f.Bytes.resize(static_cast<size_t>(f.Position + count));
  std::memcpy(f.Bytes.data() + f.Position, from, static_cast<size_t>(count));
  f.Position += count;
  return count;
}

sf_count_t Tell(void* file) { return static_cast<TMemoryFile*>(file)->Position; }
}  // namespace

std::vector<char> EncodeSound(std::span<const float> sound, TSoundFormat format, int rate) {
  SF_VIRTUAL_IO io{Length, Seek, Read, Write, Tell};
  SF_INFO info{};
  info.samplerate = rate;
  info.channels = 1;
  info.format = (format == TSoundFormat::Flac ? SF_FORMAT_FLAC : SF_FORMAT_WAV) | SF_FORMAT_PCM_16;
  TMemoryFile file;
  SNDFILE* sf = sf_open_virtual(&io, SFM_WRITE, &info, &file);
  if (!sf) return {};
  // A value beyond full scale is clipped rather than wrapped round to the other sign.
  sf_command(sf, SFC_SET_CLIPPING, nullptr, SF_TRUE);
  const auto count = static_cast<sf_count_t>(sound.size());
  const bool written = sf_write_float(sf, sound.data(), count) == count;
  const bool closed = sf_close(sf) == 0;
  if (!written || !closed) return {};
  return std::move(file.Bytes);
}
