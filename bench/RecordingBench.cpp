// The recording window's two costs on a user's path.
// BM_RecordingOverview10min: opening a 10-minute stereo 44,1 kHz 16-bit WAV and taking the
// overview of a 1600-column diagram, against libsndfile alone reading every sample of it in
// the same run. Counters: read_ms, open_ms (processor time), open_over_read their ratio.
// BM_RecordingChain500: a chosen fragment (0,1 s of 44,1 kHz) taken by the engine up to
// N = 500 (analysis, spectra, samples, curve, error), against the same chain for a formula
// signal. Counters: chain_ms, formula_ms, recording_over_formula.
#include <benchmark/benchmark.h>
#include <sndfile.h>

#include <QDir>
#include <cmath>
#include <vector>

#include "bench/WindowBench.h"
#include "engine/ResamEngine.h"
#include "sourcedata/OverviewColumns.h"
#include "sourcedata/RecordedSignal.h"
#include "sourcedata/SoundFile.h"

namespace {
constexpr int Rate = 44100, Minutes = 10, Columns = 1600;

std::string LongFile() {
  static const std::string path = [] {
    const std::string p = QDir::temp().filePath(QStringLiteral("resam-bench-10min.wav")).toStdString();
    SF_INFO info{};
    info.samplerate = Rate;
    info.channels = 2;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* f = sf_open(p.c_str(), SFM_WRITE, &info);
    std::vector<short> chunk(2 * Rate);
    for (int s = 0; s < Minutes * 60; ++s) {
      for (int i = 0; i < Rate; ++i) {
        const double t = s + double(i) / Rate;
        chunk[size_t(2 * i)] = short(12000 * std::sin(2 * M_PI * 220 * t) * std::sin(0.3 * t));
        chunk[size_t(2 * i + 1)] = short(9000 * std::sin(2 * M_PI * 330 * t));
      }
      sf_writef_short(f, chunk.data(), Rate);
    }
    sf_close(f);
    return p;
  }();
  return path;
}

double ReadAlone(const std::string& path) {
  const double start = ThreadSeconds();
  SF_INFO info{};
  SNDFILE* f = sf_open(path.c_str(), SFM_READ, &info);
  std::vector<float> chunk(size_t(4096 * info.channels));
  float sum = 0;
  while (sf_readf_float(f, chunk.data(), 4096) > 0) sum += chunk[0];
  sf_close(f);
  benchmark::DoNotOptimize(sum);
  return ThreadSeconds() - start;
}

double OpenAndOverview(const std::string& path) {
  const double start = ThreadSeconds();
  TRecording r;
  ReadSoundFile(path, "x.wav", r);
  TOverviewColumns columns;
  columns.Take(r, TRecordingChannel::Left, 0, r.Duration() / (Columns - 1), Columns);
  benchmark::DoNotOptimize(columns.High(Columns / 2));
  return ThreadSeconds() - start;
}

void BM_RecordingOverview10min(benchmark::State& state) {
  const std::string path = LongFile();
  double read = 0, open = 0;
  for (auto _ : state) {
    read += ReadAlone(path);
    open += OpenAndOverview(path);
  }
  const double n = double(state.iterations());
  state.counters["read_ms"] = 1000 * read / n;
  state.counters["open_ms"] = 1000 * open / n;
  state.counters["open_over_read"] = open / read;
}

double Formula(double t) { return std::sin(2 * M_PI * 300 * t) + 0.5 * std::sin(2 * M_PI * 1700 * t + 1); }

double Chain(TResamEngine& engine, TResamEngine::TSignalSource source) {
  const double start = ThreadSeconds();
  engine.AcceptSignal(source);
  engine.TakeAnalogSignal(TResamEngine::PeriodFromCount);
  engine.SetCount(500);
  return ThreadSeconds() - start;
}

void BM_RecordingChain500(benchmark::State& state) {
  TRecordedSignal signal;
  TRecordingFragment f{"x.wav", TRecordingChannel::Left, Rate, 1.0, {}};
  for (int k = 0; k < Rate / 10; ++k) f.Samples.push_back(Formula(1.0 + double(k) / Rate));
  signal.SetFragment(f);
  double chain = 0, formula = 0;
  for (auto _ : state) {
    TResamEngine recorded, formulaic;
    recorded.FormulaSignal = {signal.SignalFunction(), signal.GetLength(), 0, signal.GetStart()};
    chain += Chain(recorded, TResamEngine::SourceRecording);
    formulaic.FormulaSignal = {Formula, signal.GetLength(), 0};
    formula += Chain(formulaic, TResamEngine::SourceLibrary);
  }
  const double n = double(state.iterations());
  state.counters["chain_ms"] = 1000 * chain / n;
  state.counters["formula_ms"] = 1000 * formula / n;
  state.counters["recording_over_formula"] = chain / formula;
}
}  // namespace

BENCHMARK(BM_RecordingOverview10min)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_RecordingChain500)->Unit(benchmark::kMillisecond)->Iterations(5);

int main(int argc, char** argv) { return RunWindowBenchmarks<TSilentPlatform>(argc, argv); }
