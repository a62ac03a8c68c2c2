// The generating-function analysis at its most precise setting (high detail, step 1e-4,
// an order-3 kernel), fast form against the literal trapezoid in the same run. Counters:
// literal_over_fast (the "/s" is an artefact of forming it as a rate), literal_s, and
// max_deviation, the largest difference of the 5490 spectrum values from the literal ones.
#include <benchmark/benchmark.h>

#include <cmath>
#include <ctime>
#include <vector>

#include "engine/Basefunctionsunit.h"
#include "engine/KernelResponse.h"

namespace {
struct TLiteralRun {
  std::vector<double> Spectrum;
  double Seconds = 0;
};

TLiteralRun LiteralAnalysis(TRealFunction kernel, int order) {
  TLiteralRun run;
  const int count = KernelSpectrumCount(KernelDetailHigh);
  const double e = KernelFrequencyStep(KernelDetailHigh);
  run.Spectrum.resize(count);
  // The best of two runs (processor time): the literal form takes seconds, so only two.
  run.Seconds = 1e300;
  for (int repeat = 0; repeat < 2; ++repeat) {
    const std::clock_t start = std::clock();
    for (int i = 0; i < count; ++i) run.Spectrum[i] = 2 * TrapezoidCosine(kernel, 0, order + 1, i * e, KernelStepFine);
    run.Seconds = std::fmin(run.Seconds, static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC);
  }
  return run;
}

void FastAgainstLiteral(benchmark::State& state, TRealFunction kernel) {
  constexpr int Order = 3;
  const TLiteralRun literal = LiteralAnalysis(kernel, Order);
  std::vector<double> fast(MaxKernelSpectrumCount);
  for (auto _ : state) {
    benchmark::DoNotOptimize(LocalKernelSpectrum(kernel, Order, KernelDetailHigh, KernelStepFine, fast.data()));
    benchmark::ClobberMemory();
  }
  double deviation = 0;
  for (size_t i = 0; i < literal.Spectrum.size(); ++i)
    deviation = std::fmax(deviation, std::fabs(fast[i] - literal.Spectrum[i]));
  state.counters["literal_s"] = literal.Seconds;
  // literal seconds per iteration divided by the fast seconds per iteration
  state.counters["literal_over_fast"] =
      benchmark::Counter(literal.Seconds * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
  state.counters["max_deviation"] = deviation;
}

void BM_KernelAnalysisPol3(benchmark::State& state) { FastAgainstLiteral(state, Pol3); }
void BM_KernelAnalysisSpl32(benchmark::State& state) { FastAgainstLiteral(state, Spl32); }
}  // namespace

BENCHMARK(BM_KernelAnalysisPol3)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_KernelAnalysisSpl32)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK_MAIN();
