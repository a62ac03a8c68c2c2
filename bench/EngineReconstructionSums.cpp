// The reconstruction sums as the signal diagram and the error tabulation call them:
// 4000 points across a record of the largest size. Each figure is a ratio to the
// term-by-term Kotelnikov sum over the same points, measured in the same run (counters:
// literal_kotelnikov_over_this is that ratio; the "/s" Google Benchmark appends is an artefact
// of how the ratio is formed, reference seconds per iteration over this code's seconds).
#include <benchmark/benchmark.h>

#include <cmath>
#include <ctime>
#include <random>
#include <vector>

#include "engine/Basefunctionsunit.h"
#include "engine/Lagrbfunit.h"

namespace {
constexpr int Points = 4000;
constexpr int MaxSamples = 500;
constexpr int MaxLagrangeSamples = 50;
constexpr int ReferenceRuns = 5;

std::vector<double> RandomSamples(int count) {
  std::mt19937 random(11);
  std::uniform_real_distribution<double> value(-1, 1);
  std::vector<double> s(count);
  for (double& v : s) v = value(random);
  return s;
}

// The points of the error tabulation: 30 periods either side of the record.
double PointAt(const TSampleSet& set, int i) {
  const double a = set.T0 - 30 * set.T, b = set.T0 + (set.N - 1 + 30) * set.T;
  return a + i * (b - a) / (Points - 1);
}

double LiteralKotelnikov(const TSampleSet& set, double t) {
  const double u = SamplePosition(set, t);
  double sum = 0;
  for (int i = 0; i < set.N; ++i) sum = sum + Sinc(u - i) * set.Samples[i];
  return sum;
}

double CpuSeconds(std::clock_t start) { return static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC; }

struct TReference {
  std::vector<double> Values;
  double Seconds = 0;
  double AbsSum = 0;
};

// The literal Kotelnikov sum over the 4000 points of a 500-sample record.
const TReference& Reference() {
  static TReference reference = [] {
    TReference r;
    static const std::vector<double> s = RandomSamples(MaxSamples);
    const TSampleSet set{s.data(), MaxSamples, 0.01, -2};
    for (double v : s) r.AbsSum += std::fabs(v);
    r.Values.resize(Points);
    // The best of a few runs (processor time), as steady a figure as a shared machine gives.
    r.Seconds = 1e300;
    for (int run = 0; run < ReferenceRuns; ++run) {
      const std::clock_t start = std::clock();
      for (int i = 0; i < Points; ++i) r.Values[i] = LiteralKotelnikov(set, PointAt(set, i));
      r.Seconds = std::fmin(r.Seconds, CpuSeconds(start));
    }
    return r;
  }();
  return reference;
}

void SetRatio(benchmark::State& state) {
  state.counters["literal_kotelnikov_over_this"] =
      benchmark::Counter(Reference().Seconds * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

// Literal and fast sums timed in alternation, best of each: both see the same machine
// conditions, which a shared machine otherwise skews between the two.
double InterleavedRatio(const TSampleSet& set) {
  constexpr int Rounds = 5;
  constexpr int FastRepeats = 10;
  double literal = 1e300, fast = 1e300, sink = 0;
  for (int round = 0; round < Rounds; ++round) {
    std::clock_t start = std::clock();
    for (int i = 0; i < Points; ++i) sink += LiteralKotelnikov(set, PointAt(set, i));
    literal = std::fmin(literal, CpuSeconds(start));
    start = std::clock();
    for (int repeat = 0; repeat < FastRepeats; ++repeat)
      for (int i = 0; i < Points; ++i) sink += KotelnikovValue(set, PointAt(set, i));
    fast = std::fmin(fast, CpuSeconds(start) / FastRepeats);
  }
  benchmark::DoNotOptimize(sink);
  return literal / fast;
}

void BM_KotelnikovValue500(benchmark::State& state) {
  const std::vector<double> s = RandomSamples(MaxSamples);
  const TSampleSet set{s.data(), MaxSamples, 0.01, -2};
  std::vector<double> values(Points);
  for (auto _ : state) {
    for (int i = 0; i < Points; ++i) values[i] = KotelnikovValue(set, PointAt(set, i));
    benchmark::ClobberMemory();
  }
  double deviation = 0;
  for (int i = 0; i < Points; ++i) deviation = std::fmax(deviation, std::fabs(values[i] - Reference().Values[i]));
  SetRatio(state);
  state.counters["interleaved_ratio"] = InterleavedRatio(set);
  state.counters["deviation_over_abs_sum"] = deviation / Reference().AbsSum;
}

void BM_LocalValue500(benchmark::State& state) {
  const std::vector<double> s = RandomSamples(MaxSamples);
  const TSampleSet set{s.data(), MaxSamples, 0.01, -2};
  for (auto _ : state) {
    double sum = 0;
    for (int i = 0; i < Points; ++i) sum += LocalValue(set, Pol3, PointAt(set, i));
    benchmark::DoNotOptimize(sum);
  }
  SetRatio(state);
}

void BM_LagrangeValue50(benchmark::State& state) {
  const std::vector<double> s = RandomSamples(MaxLagrangeSamples);
  const TSampleSet set{s.data(), MaxLagrangeSamples, 0.01, -2};
  for (auto _ : state) {
    double sum = 0;
    for (int i = 0; i < Points; ++i) sum += LagrangeValue(set, set.T0 - set.T + i * (set.N + 1) * set.T / (Points - 1));
    benchmark::DoNotOptimize(sum);
  }
  SetRatio(state);
}
}  // namespace

BENCHMARK(BM_KotelnikovValue500)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LocalValue500)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LagrangeValue50)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
