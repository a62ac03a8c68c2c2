// What noise and quantisation of the samples add to the chain that runs after the user
// commits a number of samples (samples retaken, spectra, interpolating function, error), at
// N = 500 with the Kotelnikov method, engine alone. The chain is timed with both off and with
// both on, in alternation, best round each: chain_off_ms, chain_on_ms and their difference
// added_ms; apply_us is the noise and quantisation of 500 samples alone.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <vector>

#include "engine/ResamEngine.h"

namespace {
constexpr int Count = 500;
constexpr int Rounds = 30;
const TSampleNoise Both{true, 20, true, 8, 1};

double Signal(double t) {
  return std::sin(2 * 3.141592653589793 * 7 * t) + 0.3 * std::cos(2 * 3.141592653589793 * 19 * t);
}

double ChainSeconds(TResamEngine& engine) {
  const auto start = std::chrono::steady_clock::now();
  engine.Resample();
  engine.Reconstruct();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_NoiseChain500(benchmark::State& state) {
  TResamEngine off, on;
  for (TResamEngine* e : {&off, &on}) {
    e->FormulaSignal = {Signal, 1, 0};
    e->AcceptSignal(TResamEngine::SourceLibrary);
    e->TakeAnalogSignal(TResamEngine::PeriodFromCount);
    e->SetCount(Count);
  }
  on.SetSampleNoise(Both);
  double bestOff = 1e300, bestOn = 1e300;
  const auto round = [&] {
    bestOff = std::fmin(bestOff, ChainSeconds(off));
    bestOn = std::fmin(bestOn, ChainSeconds(on));
  };
  for (auto _ : state) round();
  for (int r = 0; r < Rounds; ++r) round();
  std::vector<double> samples(on.SampleValues().begin(), on.SampleValues().end());
  double bestApply = 1e300;
  for (int r = 0; r < Rounds; ++r) {
    const auto start = std::chrono::steady_clock::now();
    ApplySampleNoise(Both, samples);
    bestApply = std::fmin(bestApply, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  state.counters["chain_off_ms"] = bestOff * 1e3;
  state.counters["chain_on_ms"] = bestOn * 1e3;
  state.counters["added_ms"] = (bestOn - bestOff) * 1e3;
  state.counters["apply_us"] = bestApply * 1e6;
  state.counters["samples"] = on.N();
}
}  // namespace

BENCHMARK(BM_NoiseChain500)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_MAIN();
