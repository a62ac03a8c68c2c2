// All twelve methods compared as the comparison tab asks for them: the error figures of each
// on the 4000-point grid over the analysis interval, at N = 500 (Lagrange at its 50, in an
// engine of its own). Timed against the same comparison with the literal Kotelnikov and Lagrange
// sums, in alternation, processor time of the calling thread, best round of each:
// compare_ms is the program's comparison, literal_ms the reference's.
#include <benchmark/benchmark.h>

#include <cmath>

#include "bench/WindowBench.h"
#include "engine/Basefunctionsunit.h"
#include "engine/Lagrbfunit.h"
#include "engine/ResamEngine.h"

namespace {
constexpr int Rounds = 5;
constexpr int Count = 500;

double Signal(double t) { return std::exp(-8 * t * t) * std::cos(2 * 3.141592653589793 * 5 * t); }

double LiteralKotelnikov(const TSampleSet& set, double t) {
  const double u = SamplePosition(set, t);
  double sum = 0;
  for (int i = 0; i < set.N; ++i) sum = sum + Sinc(u - i) * set.Samples[i];
  return sum;
}

void GiveSignal(TResamEngine& engine, TResamEngine::TMethod method, int count) {
  engine.SetMethod(method);
  engine.FormulaSignal = {Signal, 2, 1};
  engine.AcceptSignal(TResamEngine::SourceLibrary);
  engine.TakeAnalogSignal(TResamEngine::PeriodFromCount);
  engine.SetCount(count);
}

// Every method's figures, Lagrange's from the engine that holds 50 samples.
double Compare(const TResamEngine& wide, const TResamEngine& lagrange) {
  double sum = 0;
  for (int m = 0; m < TResamEngine::MethodCount; ++m) {
    const TResamEngine::TMethod method = TResamEngine::TMethod(m);
    const TResamEngine& engine = method == TResamEngine::MethodLagrange ? lagrange : wide;
    sum += engine.MethodFigures(method).RmsError;
  }
  return sum;
}

double Seconds(const TResamEngine& wide, const TResamEngine& lagrange, double& sink) {
  const double start = ThreadSeconds();
  sink += Compare(wide, lagrange);
  return ThreadSeconds() - start;
}

void BM_CompareMethods500(benchmark::State& state) {
  TResamEngine wide, lagrange;
  GiveSignal(wide, TResamEngine::MethodKotelnikov, Count);
  GiveSignal(lagrange, TResamEngine::MethodLagrange, TResamEngine::MaxLagrangeCount);
  double fast = 1e300, literal = 1e300, sink = 0;
  const auto round = [&] {
    fast = std::fmin(fast, Seconds(wide, lagrange, sink));
    for (TResamEngine* e : {&wide, &lagrange}) e->UseSums(LiteralKotelnikov, LagrangeValue);
    literal = std::fmin(literal, Seconds(wide, lagrange, sink));
    for (TResamEngine* e : {&wide, &lagrange}) e->UseSums(nullptr, nullptr);
  };
  for (auto _ : state) round();
  for (int r = 0; r < Rounds; ++r) round();
  benchmark::DoNotOptimize(sink);
  state.counters["compare_ms"] = fast * 1e3;
  state.counters["literal_ms"] = literal * 1e3;
  state.counters["literal_over_fast"] = literal / fast;
  state.counters["samples"] = wide.N();
  state.counters["lagrange_samples"] = lagrange.N();
}
}  // namespace

BENCHMARK(BM_CompareMethods500)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_MAIN();
