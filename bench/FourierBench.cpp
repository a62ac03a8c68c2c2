// The spectrum module's transform against FFTW's complex transform of the same size, in the
// same run. The table gives each operation's time; the FftwRatios rows give the ratios (our
// time / FFTW's time, counters *_over_fftw) from a second measurement that takes the
// operations in turn, round after round, and keeps each one's best batch, so that a busy
// machine slows them alike; bit_equal is 1 when the module's result is the textbook loop's
// bit for bit. The operations:
//   Calculate      the whole computation the main window asks for (clearing, copying, the
//                  transform, amplitudes and phases of all N + 1 points);
//   Transform      the transform alone (reordering and butterflies), as FFTW's;
//   TextbookFFT    the textbook loop the module reproduces bit for bit, for scale;
//   FFTW           FFTW's complex transform of the zero-padded samples, planned beforehand;
//   FftwPolar      FFTW followed by the same amplitude and phase conversion as the module.
#include <benchmark/benchmark.h>
#include <fftw3.h>

#include <algorithm>
#include <array>
#include <bit>
#include <chrono>
#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "numerics/FourierAnalyser.h"
#include "numerics/FourierTransform.h"
#include "tests/numerics/FourierLiteral.h"

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

enum TKind { Calculate, Transform, TextbookFFT, FFTW, FftwPolar, KindCount };
constexpr const char* KindNames[KindCount] = {"Calculate", "Transform", "TextbookFFT", "FFTW", "FftwPolar"};

class TOperation {
 public:
  virtual ~TOperation() = default;
  virtual void Run() = 0;
};

class TCalculate : public TOperation {
 public:
  explicit TCalculate(const TUse& use) : Use(use), X(Samples(use.Count)) {
    Spectrum->SetFullSize(use.FullSize);
    Spectrum->SetDoublings(use.Doublings);
  }
  void Run() override {
    Spectrum->Calculate(X.data(), Use.Count);
    int count = 0;
    benchmark::DoNotOptimize(Spectrum->GetAmpSpectrum(count)[1]);
  }

 private:
  TUse Use;
  std::vector<double> X;
  std::unique_ptr<TFourierAnalyser> Spectrum = std::make_unique<TFourierAnalyser>();
};

class TTransform : public TOperation {
 public:
  explicit TTransform(const TUse& use)
      : N(use.Size), Pad(std::bit_ceil(use.Count)), X(Samples(use.Count)), Re(N), Im(N) {
    X.resize(Pad, 0.0);
    Table->Prepare(N);
  }
  void Run() override {
    const unsigned stages = std::countr_zero(N);
    std::fill(Im.begin(), Im.end(), 0.0);
    unsigned done = SpreadPaddedSamples(X.data(), Pad, Re.data(), N);
    if (done < stages) done = RunEarlyStages(Re.data(), Im.data(), N, done + 1, *Table);
    while (done < stages) done += RunLateStages(Re.data(), Im.data(), N, done + 1, *Table);
    benchmark::DoNotOptimize(Re[1]);
  }

 private:
  unsigned N, Pad;
  std::vector<double> X, Re, Im;
  std::unique_ptr<TTwiddleTable> Table = std::make_unique<TTwiddleTable>();
};

class TTextbook : public TOperation {
 public:
  explicit TTextbook(const TUse& use) : N(use.Size), X(Samples(use.Count)), Re(N), Im(N) {}
  void Run() override {
    std::fill(Re.begin(), Re.end(), 0.0);
    std::fill(Im.begin(), Im.end(), 0.0);
    std::copy(X.begin(), X.end(), Re.begin());
    literal::FastFT(Re, Im, N);
    benchmark::DoNotOptimize(Re[1]);
  }

 private:
  unsigned N;
  std::vector<double> X, Re, Im;
};

// FFTW's complex transform of the zero-padded samples, planned outside the timed loop;
// with `polar`, followed by the module's conversion to amplitudes and phases.
class TFftw : public TOperation {
 public:
  TFftw(const TUse& use, bool polar) : N(use.Size), Polar(polar), Amp(N + 1), Phase(N + 1) {
    In = fftw_alloc_complex(N);
    Out = fftw_alloc_complex(N);
    Plan = fftw_plan_dft_1d(int(N), In, Out, FFTW_FORWARD, FFTW_MEASURE);
    const std::vector<double> x = Samples(use.Count);
    std::memset(In, 0, sizeof(fftw_complex) * N);
    for (unsigned j = 0; j < use.Count; ++j) In[j][0] = x[j];
  }
  ~TFftw() override {
    fftw_destroy_plan(Plan);
    fftw_free(In);
    fftw_free(Out);
  }
  void Run() override {
    fftw_execute(Plan);
    if (Polar) ToPolar();
    benchmark::DoNotOptimize(Out[1][0]);
  }

 private:
  void ToPolar() {
    for (unsigned k = 0; k < N; ++k) {
      const double re = Out[k][0], im = Out[k][1];
      const double re2 = re * re, im2 = im * im;
      Phase[k] = (re == 0 && im == 0) ? 0.0 : std::atan2(im, re);
      Amp[k] = std::sqrt(re2 + im2);
    }
    Amp[N] = Amp[0];
    Phase[N] = Phase[0];
    benchmark::DoNotOptimize(Amp[1]);
  }

  unsigned N;
  bool Polar;
  std::vector<double> Amp, Phase;
  fftw_complex* In;
  fftw_complex* Out;
  fftw_plan Plan;
};

std::unique_ptr<TOperation> MakeOperation(TKind kind, const TUse& use) {
  switch (kind) {
    case Calculate:
      return std::make_unique<TCalculate>(use);
    case Transform:
      return std::make_unique<TTransform>(use);
    case TextbookFFT:
      return std::make_unique<TTextbook>(use);
    case FFTW:
      return std::make_unique<TFftw>(use, false);
    case FftwPolar:
      return std::make_unique<TFftw>(use, true);
    case KindCount:
      break;
  }
  return nullptr;
}

void Measure(benchmark::State& state, TKind kind, TUse use) {
  const std::unique_ptr<TOperation> operation = MakeOperation(kind, use);
  for (auto _ : state) operation->Run();
}

// Best time per run of each operation over rounds that take them in turn, in seconds.
std::array<double, KindCount> InterleavedBest(const TUse& use) {
  constexpr int Rounds = 15;
  constexpr int Batch[KindCount] = {4, 8, 1, 8, 4};
  std::array<std::unique_ptr<TOperation>, KindCount> operations;
  std::array<double, KindCount> best;
  for (int kind = 0; kind < KindCount; ++kind) {
    operations[kind] = MakeOperation(TKind(kind), use);
    operations[kind]->Run();  // warm the caches and the twiddle table
    best[kind] = std::numeric_limits<double>::infinity();
  }
  for (int round = 0; round < Rounds; ++round)
    for (int kind = 0; kind < KindCount; ++kind) {
      const auto start = std::chrono::steady_clock::now();
      for (int i = 0; i < Batch[kind]; ++i) operations[kind]->Run();
      const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
      best[kind] = std::min(best[kind], elapsed.count() / Batch[kind]);
    }
  return best;
}

// Checks once that the module's result is the textbook loop's, bit for bit.
bool BitEqual(const TUse& use) {
  auto spectrum = std::make_unique<TFourierAnalyser>();
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

void MeasureRatios(benchmark::State& state, TUse use) {
  std::array<double, KindCount> t{};
  for (auto _ : state) t = InterleavedBest(use);
  state.counters["transform_over_fftw"] = t[Transform] / t[FFTW];
  state.counters["calculate_over_fftw"] = t[Calculate] / t[FFTW];
  state.counters["calculate_over_fftw_polar"] = t[Calculate] / t[FftwPolar];
  state.counters["textbook_over_fftw"] = t[TextbookFFT] / t[FFTW];
  state.counters["bit_equal"] = BitEqual(use) ? 1 : 0;
}
}  // namespace

int main(int argc, char** argv) {
  for (const TUse& use : Uses)
    for (int kind = 0; kind < KindCount; ++kind)
      benchmark::RegisterBenchmark((std::string(KindNames[kind]) + "/" + use.Name).c_str(), Measure, TKind(kind), use)
          ->Unit(benchmark::kMicrosecond);
  for (const TUse& use : Uses)
    benchmark::RegisterBenchmark((std::string("FftwRatios/") + use.Name).c_str(), MeasureRatios, use)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
