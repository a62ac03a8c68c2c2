// The spectrum module's transform against FFTW's complex transform of the same size, in the
// same run. Printed at the end as ratios (our time / FFTW's time), so the figures survive a
// noisy machine (CPU times, less disturbed by other programs than wall-clock ones):
//   Calculate      the whole computation the main window asks for (clearing, copying, the
//                  transform, amplitudes and phases of all N + 1 points);
//   Transform      the transform alone (bit reversal and butterflies), as FFTW's;
//   TextbookFFT    the textbook loop the module reproduces bit for bit, for scale;
//   FftwPolar      FFTW followed by the same amplitude and phase conversion as the module.
#include <benchmark/benchmark.h>
#include <fftw3.h>

#include <bit>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "numerics/SpectrumAnalyser.h"
#include "numerics/SpectrumTransform.h"
#include "tests/numerics/SpectrumLiteral.h"

namespace {
std::vector<double> Samples(unsigned count) {
  std::mt19937 generator(count);
  std::uniform_real_distribution<double> value(-1.0, 1.0);
  std::vector<double> x(count);
  for (double& v : x) v = value(generator);
  return x;
}

// The three uses: (samples, doublings, full size) and the transform size they give.
struct TUse {
  const char* Name;
  unsigned Count;
  unsigned Doublings;
  bool FullSize;
  unsigned Size;
};
constexpr TUse Uses[] = {
    {"1024x16", 1024, 4, false, 16384},
    {"500x32", 500, 5, false, 16384},
    {"4096full", 4096, 5, true, 65536},
};

void Calculate(benchmark::State& state, TUse use) {
  auto spectrum = std::make_unique<TSpectrumAnalyser>();
  spectrum->SetFullSize(use.FullSize);
  spectrum->SetDoublings(use.Doublings);
  const std::vector<double> x = Samples(use.Count);
  for (auto _ : state) {
    spectrum->Calculate(x.data(), use.Count);
    int count = 0;
    benchmark::DoNotOptimize(spectrum->GetAmpSpectrum(count)[1]);
  }
}

void Transform(benchmark::State& state, TUse use) {
  auto table = std::make_unique<TTwiddleTable>();
  const unsigned n = use.Size, stages = std::countr_zero(n);
  const unsigned pad = std::bit_ceil(use.Count);
  table->Prepare(n);
  std::vector<double> x = Samples(use.Count);
  x.resize(pad, 0.0);
  std::vector<double> re(n), im(n);
  for (auto _ : state) {
    std::fill(im.begin(), im.end(), 0.0);
    unsigned done = SpreadPaddedSamples(x.data(), pad, re.data(), n);
    if (done < stages) done = RunEarlyStages(re.data(), im.data(), n, done + 1, *table);
    while (done < stages) done += RunLateStages(re.data(), im.data(), n, done + 1, *table);
    benchmark::DoNotOptimize(re[1]);
  }
}

void TextbookFFT(benchmark::State& state, TUse use) {
  const unsigned n = use.Size;
  const std::vector<double> x = Samples(use.Count);
  std::vector<double> re(n), im(n);
  for (auto _ : state) {
    std::fill(re.begin(), re.end(), 0.0);
    std::fill(im.begin(), im.end(), 0.0);
    std::copy(x.begin(), x.end(), re.begin());
    literal::FastFT(re, im, n);
    benchmark::DoNotOptimize(re[1]);
  }
}

// FFTW's complex transform of the zero-padded samples, planned outside the timed loop.
class TFftw {
 public:
  explicit TFftw(const TUse& use) : N(use.Size) {
    In = fftw_alloc_complex(N);
    Out = fftw_alloc_complex(N);
    Plan = fftw_plan_dft_1d(int(N), In, Out, FFTW_FORWARD, FFTW_MEASURE);
    const std::vector<double> x = Samples(use.Count);
    std::memset(In, 0, sizeof(fftw_complex) * N);
    for (unsigned j = 0; j < use.Count; ++j) In[j][0] = x[j];
  }
  ~TFftw() {
    fftw_destroy_plan(Plan);
    fftw_free(In);
    fftw_free(Out);
  }
  void Run() { fftw_execute(Plan); }
  unsigned N;
  fftw_complex* In;
  fftw_complex* Out;
  fftw_plan Plan;
};

void Fftw(benchmark::State& state, TUse use) {
  TFftw fftw(use);
  for (auto _ : state) {
    fftw.Run();
    benchmark::DoNotOptimize(fftw.Out[1][0]);
  }
}

void FftwPolar(benchmark::State& state, TUse use) {
  TFftw fftw(use);
  std::vector<double> amp(fftw.N + 1), phase(fftw.N + 1);
  for (auto _ : state) {
    fftw.Run();
    for (unsigned k = 0; k < fftw.N; ++k) {
      const double re = fftw.Out[k][0], im = fftw.Out[k][1];
      const double re2 = re * re, im2 = im * im;
      phase[k] = (re == 0 && im == 0) ? 0.0 : std::atan2(im, re);
      amp[k] = std::sqrt(re2 + im2);
    }
    amp[fftw.N] = amp[0];
    phase[fftw.N] = phase[0];
    benchmark::DoNotOptimize(amp[1]);
  }
}

// Checks once that the module's result is the textbook loop's, bit for bit.
bool BitEqual(const TUse& use) {
  auto spectrum = std::make_unique<TSpectrumAnalyser>();
  spectrum->SetFullSize(use.FullSize);
  spectrum->SetDoublings(use.Doublings);
  const std::vector<double> x = Samples(use.Count);
  spectrum->Calculate(x.data(), use.Count);
  std::vector<double> re(use.Size + 1, 0.0), im(use.Size + 1, 0.0);
  std::copy(x.begin(), x.end(), re.begin());
  literal::FastFT(re, im, use.Size);
  literal::ToPolar(re, im, use.Size);
  int count = 0;
  return std::memcmp(spectrum->GetAmpSpectrum(count), re.data(), use.Size * sizeof(double)) == 0 &&
         std::memcmp(spectrum->GetPhaseSpectrum(count), im.data(), use.Size * sizeof(double)) == 0;
}

// Keeps every run's time per iteration, by name, to print the ratios at the end.
class TRecorder : public benchmark::ConsoleReporter {
 public:
  TRecorder() : ConsoleReporter(OO_None) {}
  void ReportRuns(const std::vector<Run>& runs) override {
    // With repetitions the median stands for the benchmark; without, its one run does.
    for (const Run& run : runs) {
      const std::string& name = run.run_name.function_name;
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
        Times[name] = run.GetAdjustedCPUTime();
        Medians.insert(name);
      } else if (run.run_type == Run::RT_Iteration && !Medians.count(name)) {
        Times[name] = run.GetAdjustedCPUTime();
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> Times;
  std::set<std::string> Medians;
};
}  // namespace

int main(int argc, char** argv) {
  using TBench = void (*)(benchmark::State&, TUse);
  const std::pair<const char*, TBench> kinds[] = {
      {"Calculate", Calculate}, {"Transform", Transform}, {"TextbookFFT", TextbookFFT},
      {"FFTW", Fftw},           {"FftwPolar", FftwPolar},
  };
  for (const TUse& use : Uses)
    for (const auto& [kind, function] : kinds)
      benchmark::RegisterBenchmark((std::string(kind) + "/" + use.Name).c_str(), function, use)
          ->Unit(benchmark::kMicrosecond);
  benchmark::Initialize(&argc, argv);
  TRecorder recorder;
  benchmark::RunSpecifiedBenchmarks(&recorder);

  std::printf("\nRatios to FFTW's complex transform of the same size (this run):\n");
  for (const TUse& use : Uses) {
    const auto time = [&](const char* kind) { return recorder.Times[std::string(kind) + "/" + use.Name]; };
    const double fftw = time("FFTW");
    if (fftw <= 0) continue;
    std::printf("  %-9s N=%-6u Transform/FFTW %5.2f  Calculate/FFTW %5.2f  Calculate/(FFTW+polar) %5.2f  "
                "Textbook/FFTW %5.2f  bit-equal to textbook: %s\n",
                use.Name, use.Size, time("Transform") / fftw, time("Calculate") / fftw,
                time("Calculate") / time("FftwPolar"), time("TextbookFFT") / fftw, BitEqual(use) ? "yes" : "NO");
  }
  benchmark::Shutdown();
  return 0;
}
