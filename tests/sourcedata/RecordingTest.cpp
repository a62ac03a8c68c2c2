#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cmath>
#include <fstream>

#include "ArrayCompare.h"
#include "SoundWriter.h"
#include "sourcedata/OverviewColumns.h"
#include "sourcedata/RecordedSignal.h"
#include "sourcedata/SoundFile.h"

namespace {
std::string Path(const QTemporaryDir& dir, const char* name) {
  return dir.filePath(QString::fromUtf8(name)).toStdString();
}

void WriteBytes(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

std::string Bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}
}  // namespace

// Sines of known frequency at several rates, depths and channel counts, written by libsndfile
// and read back sample for sample in every channel choice, within the depth's quantisation.
TEST(SoundFileReading, SinesReadBackSampleForSample) {
  struct TCase {
    const char* Name;
    int Format, Rate, Channels;
    double Tolerance;
  };
  const TCase cases[] = {
      {"u8.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_U8, 8000, 1, 1.0 / 128},
      {"s16.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 44100, 2, 1.0 / 32768},
      {"s24.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_24, 48000, 2, 1e-6},
      {"s32x.wav", SF_FORMAT_WAVEX | SF_FORMAT_PCM_32, 22050, 3, 1e-7},
      {"f32.wav", SF_FORMAT_WAV | SF_FORMAT_FLOAT, 96000, 2, 1e-7},
      {"f64.wav", SF_FORMAT_WAV | SF_FORMAT_DOUBLE, 11025, 1, 1e-7},
      {"s16.flac", SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 16000, 2, 1.0 / 32768},
      {"s16.aiff", SF_FORMAT_AIFF | SF_FORMAT_PCM_16, 32000, 2, 1.0 / 32768},
      {"v.ogg", SF_FORMAT_OGG | SF_FORMAT_VORBIS, 44100, 2, 0.05},
  };
  QTemporaryDir dir;
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    const long long frames = c.Rate / 4;
    const auto wave = Sines(440, c.Rate);
    ASSERT_TRUE(WriteSound(Path(dir, c.Name), c.Format, c.Rate, c.Channels, frames, wave));
    TRecording r;
    ASSERT_EQ(ReadSoundFile(Path(dir, c.Name), c.Name, r).SourceText(), "");
    EXPECT_EQ(r.Rate, c.Rate);
    EXPECT_EQ(r.Channels, c.Channels);
    EXPECT_EQ(r.Frames, frames);
    const long long first = frames / 3, count = 1000;
    for (TRecordingChannel channel : {TRecordingChannel::Left, TRecordingChannel::Right, TRecordingChannel::Sum}) {
      // What the channel choice should give at frame f: one channel, or all of them summed.
      const auto meant = [&](long long f) {
        double v = wave(f, c.Channels > 1 && channel == TRecordingChannel::Right ? 1 : 0);
        for (int k = 1; channel == TRecordingChannel::Sum && k < c.Channels; ++k) v += wave(f, k);
        return v;
      };
      std::vector<double> read, expected;
      double peak = -1;
      for (long long f = 0; f < frames; ++f) peak = std::max(peak, meant(f));
      for (long long f = first; f < first + count; ++f) expected.push_back(meant(f));
      ASSERT_EQ(ReadRecordingFragment(r, channel, first, count, read).SourceText(), "");
      ASSERT_EQ(read.size(), expected.size());
      const TWorstError e = MaxRelativeError(read.data(), expected.data(), int(count), 1);
      EXPECT_LE(e.Error, c.Tolerance * c.Channels) << e;
      float lo = 0, hi = 0;
      ASSERT_EQ(ReadSoundSum(r).SourceText(), "");
      ASSERT_TRUE(r.Overview(channel).Range(0, frames, lo, hi));
      EXPECT_NEAR(hi, peak, 2 * c.Tolerance * c.Channels) << "the overview holds the peak";
    }
  }
}

// Each bad file is refused with a message naming the file and its problem, and the
// recording read before stays as it was.
TEST(SoundFileReading, BadFilesNamedWithTheirProblem) {
  QTemporaryDir dir;
  const std::string good = Path(dir, "good.wav");
  ASSERT_TRUE(WriteSound(good, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 8000, 1, 800, Sines(100, 8000)));
  WriteBytes(Path(dir, "empty.wav"), "");
  WriteBytes(Path(dir, "text.wav"), "это не звук, а текст\n");
  WriteBytes(Path(dir, "cut.wav"), Bytes(good).substr(0, 30));
  std::string codec = Bytes(good);
  codec[20] = '\x34', codec[21] = '\x12';  // a format tag no codec has
  WriteBytes(Path(dir, "codec.wav"), codec);
  ASSERT_TRUE(WriteSound(Path(dir, "nine.wav"), SF_FORMAT_WAV | SF_FORMAT_PCM_16, 8000, 9, 10, Sines(1, 8000)));
  ASSERT_TRUE(WriteSound(Path(dir, "long.wav"), SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, 1, 30 * 60 + 1, Sines(0.1, 1)));
  ASSERT_TRUE(WriteSound(Path(dir, "nan.wav"), SF_FORMAT_WAV | SF_FORMAT_FLOAT, 8000, 2, 100,
                         [](long long f, int c) { return f == 50 && c == 1 ? std::nan("") : 0.0; }));
  ASSERT_TRUE(WriteSound(Path(dir, "inf.wav"), SF_FORMAT_WAV | SF_FORMAT_DOUBLE, 8000, 1, 100,
                         [](long long f, int) { return f == 7 ? INFINITY : 0.0; }));
  ASSERT_TRUE(WriteSound(Path(dir, "three.wav"), SF_FORMAT_WAV | SF_FORMAT_PCM_16, 8000, 1, 3, Sines(1, 8000)));
  const std::pair<const char*, const char*> cases[] = {
      {"empty.wav", "файл пуст"},
      {"text.wav", "это не звукозапись"},
      {"cut.wav", "не"},
      {"codec.wav", "кодек"},
      {"nine.wav", "9 каналов"},
      {"long.wav", "не длиннее 30 минут"},
      {"nan.wav", "кадр 51"},
      {"inf.wav", "кадр 8"},
      {"three.wav", "меньше 4 отсчётов"},
      {"missing.wav", "не открывается"},
  };
  TRecording r;
  ASSERT_EQ(ReadSoundFile(good, "good.wav", r).SourceText(), "");
  for (const auto& [name, problem] : cases) {
    const std::string fault = ReadSoundFile(Path(dir, name), name, r).SourceText();
    EXPECT_EQ(fault.rfind("Не удаётся прочитать звуковой файл «" + std::string(name) + "»: ", 0), 0u) << fault;
    EXPECT_NE(fault.find(problem), std::string::npos) << fault;
    EXPECT_EQ(r.Name, "good.wav");
    EXPECT_EQ(r.Frames, 800);
  }
  // The same bytes through the memory reader the fuzzer drives.
  const std::string bytes = Bytes(good);
  TRecording m;
  EXPECT_EQ(ReadSoundBytes(bytes.data(), bytes.size(), "good.wav", m).SourceText(), "");
  EXPECT_EQ(m.Frames, 800);
  EXPECT_NE(ReadSoundBytes(bytes.data(), 30, "cut.wav", m).SourceText(), "");
}

// The interpolation passes through every sample, and between them equals the windowed sinc
// sum computed directly (with Bessel's function, no table, no shared sine); a sine well inside
// the band is rebuilt between the samples.
TEST(RecordedSignalTest, WindowedSincBetweenSamples) {
  const double rate = 8000, start = 0.25, beta = 8.6;
  TRecordingFragment f{"x.wav", TRecordingChannel::Left, rate, start, {}};
  for (int k = 0; k < 200; ++k) f.Samples.push_back(std::sin(2 * M_PI * 900 * k / rate) + 0.3 * std::cos(0.7 * k * k));
  TRecordedSignal s;
  s.SetFragment(f);
  const auto direct = [&](double t) {
    const double u = (t - start) * rate;
    double sum = 0;
    for (size_t k = 0; k < f.Samples.size(); ++k) {
      const double z = u - double(k);
      if (std::fabs(z) >= 16) continue;
      const double w = std::cyl_bessel_i(0.0, beta * std::sqrt(1 - z * z / 256)) / std::cyl_bessel_i(0.0, beta);
      sum += f.Samples[k] * (z == 0 ? 1 : std::sin(M_PI * z) / (M_PI * z)) * w;
    }
    return sum;
  };
  std::vector<double> got, want;
  for (double u : {-20.0, -15.5, -0.3, 0.0, 1e-9, 3.0, 7 - 1e-9, 50.37, 99.5, 150.0001, 199.0, 210.2, 216.0}) {
    got.push_back(s.SignalValue(start + u / rate));
    want.push_back(direct(start + u / rate));
  }
  const TWorstError e = MaxRelativeError(got.data(), want.data(), int(got.size()), 1);
  EXPECT_LE(e.Error, 5e-9) << e;
  for (int k : {0, 1, 100, 199}) EXPECT_NEAR(s.SignalValue(start + k / rate), f.Samples[size_t(k)], 1e-12);
  EXPECT_DOUBLE_EQ(s.GetLength(), 199 / rate);

  TRecordedSignal tone;
  f.Samples.clear();
  for (int k = 0; k < 200; ++k) f.Samples.push_back(std::sin(2 * M_PI * 1000 * k / rate));
  tone.SetFragment(f);
  double worst = 0;
  for (double u = 40; u < 160; u += 0.37)
    worst = std::max(worst, std::fabs(tone.SignalValue(start + u / rate) - std::sin(2 * M_PI * 1000 * u / rate)));
  EXPECT_LE(worst, 1e-3);
}

// Each pixel column of the overview holds its span's extremes, and the zigzag curve reaches
// both of them from the column or its neighbour; narrow columns follow the samples' line.
TEST(OverviewColumnsTest, ColumnsHoldTheirExtremes) {
  for (long long frames : {1000LL, 5000000LL}) {
    SCOPED_TRACE(frames);
    TRecording r;
    r.Rate = 1000;
    std::vector<double> values(static_cast<size_t>(frames));
    for (long long i = 0; i < frames; ++i) values[size_t(i)] = std::sin(0.001 * double(i) * double(i % 97));
    TakeSeries(r, values);
    const int columns = 400;
    const double x0 = 0, dx = double(frames - 1) / r.Rate / (columns - 1);
    TOverviewColumns o;
    o.Take(r, TRecordingChannel::Left, x0, dx, columns);
    const long long block = r.Overview(TRecordingChannel::Left).BlockSize();
    for (int c : {1, 57, 200, 398}) {
      const long long a = (long long)std::ceil((c - 0.5) * dx * r.Rate),
                      b = (long long)std::floor((c + 0.5) * dx * r.Rate);
      const double lo = *std::min_element(values.begin() + a, values.begin() + b + 1);
      const double hi = *std::max_element(values.begin() + a, values.begin() + b + 1);
      EXPECT_LE(o.Low(c), lo + 1e-6);
      EXPECT_GE(o.High(c), hi - 1e-6);
      if (block == 1) {
        EXPECT_NEAR(o.High(c), hi, 1e-6);
      }
      // The line from column c to column c + 1 sweeps column c's range.
      const double here = o.Value(x0 + c * dx), next = o.Value(x0 + (c + 1) * dx);
      EXPECT_GE(std::max(here, next), hi - 1e-6);
      EXPECT_LE(std::min(here, next), lo + 1e-6);
    }
  }
  TRecording sparse;
  sparse.Rate = 1;
  TakeSeries(sparse, {0, 10, 20, 30});
  TOverviewColumns o;
  o.Take(sparse, TRecordingChannel::Left, 0, 0.25, 13);
  EXPECT_NEAR(o.Low(5), 12.5, 1e-6);
  EXPECT_NEAR(o.High(5), 12.5, 1e-6);
}

// Stereo frames taken both channels at a time give the overviews (and the finiteness probe)
// that each channel taken alone gives, whatever the chunks and however they meet the blocks;
// an infinite or NaN sample anywhere turns the probe.
TEST(OverviewColumnsTest, PairedChannelsMatchChannelsTakenAlone) {
  const long long frames = 3 * MaxOverviewBlocks + 7;  // blocks of 4 frames, the last one short
  std::vector<float> v(size_t(2 * frames));
  for (size_t i = 0; i < v.size(); ++i)
    v[i] = float(std::sin(0.37 * double(i)) * (i % 2 ? 0.5 : 2.0) + 1e-4 * (i % 13));
  TRecordingOverview pair[2], alone[2];
  for (int c = 0; c < 2; ++c) pair[c].Start(frames), alone[c].Start(frames);
  float probe = 0;
  for (long long done = 0, chunk = 1; done < frames; done += chunk, chunk = chunk * 3 % 4099 + 1) {
    chunk = std::min(chunk, frames - done);
    TRecordingOverview::AddPair(pair[0], pair[1], v.data() + 2 * done, chunk, &probe);
    for (int c = 0; c < 2; ++c) alone[c].Add(v.data() + 2 * done + c, chunk, 2);
  }
  EXPECT_EQ(probe, 0.0f);
  for (int c = 0; c < 2; ++c)
    for (long long first = 0; first < frames; first += 9973) {
      float lo[2], hi[2];
      ASSERT_TRUE(pair[c].Range(first, first + 5, lo[0], hi[0]) && alone[c].Range(first, first + 5, lo[1], hi[1]));
      ASSERT_EQ(lo[0], lo[1]) << c << " at " << first;
      ASSERT_EQ(hi[0], hi[1]) << c << " at " << first;
    }
  for (const float bad : {INFINITY, NAN}) {
    v[2 * 4097 + 1] = bad;
    float turned = 0;
    TRecordingOverview::AddPair(pair[0], pair[1], v.data(), 8191, &turned);
    EXPECT_NE(turned, 0.0f) << bad;
  }
}
