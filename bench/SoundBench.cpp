// The listening window's sounds at N = 500, Kotelnikov, engine alone, processor time, best
// round of each:
//  - BM_FirstSoundBuffer500: from a button press to the first buffer handed to the sink (the
//    four passes rendered at the lowest pitch, 50 Hz, whose pass is the longest, and one
//    sink buffer read from the stream) against rendering the whole two seconds frame by frame
//    from the interpolating function: first_buffer_ms, whole_ms, whole_over_first;
//  - BM_SoundSecond500: one second of the interpolating function at 48 kHz as the window
//    renders it against the literal Kotelnikov sum at every frame: render_ms, literal_ms,
//    literal_over_render and the largest difference over the peak.
#include <benchmark/benchmark.h>

#include <cmath>
#include <ctime>
#include <vector>

#include "engine/ResamEngine.h"
#include "studies/SoundRendering.h"
#include "studies/SoundStream.h"

namespace {
constexpr int Count = 500;
constexpr int Rounds = 5;
constexpr int SinkBufferFrames = SoundRate * 80 / 1000;

double Fragment(double t) {
  return std::sin(2 * 3.141592653589793 * 5 * t) + 0.3 * std::cos(2 * 3.141592653589793 * 37 * t);
}

void GiveFragment(TResamEngine& engine) {
  engine.FormulaSignal = {Fragment, 1, 0};
  engine.AcceptSignal(TResamEngine::SourcePolyharmonic);
  engine.TakeAnalogSignal(TResamEngine::PeriodFromCount);
  engine.SetCount(Count);
}

double ProcessorSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return t.tv_sec + t.tv_nsec * 1e-9;
}

template <class F>
double Best(F&& f) {
  double best = 1e300;
  for (int r = 0; r < Rounds; ++r) {
    const double start = ProcessorSeconds();
    f();
    best = std::fmin(best, ProcessorSeconds() - start);
  }
  return best;
}

double LiteralKotelnikov(const TSampleSet& set, double t) {
  double sum = 0;
  for (int k = 0; k < set.N; ++k) {
    const double x = (t - set.T0) / set.T - k;
    sum += set.Samples[k] * (x == 0 ? 1 : std::sin(3.141592653589793 * x) / (3.141592653589793 * x));
  }
  return sum;
}

void BM_FirstSoundBuffer500(benchmark::State& state) {
  TResamEngine engine;
  GiveFragment(engine);
  std::vector<float> buffer(SinkBufferFrames);
  const auto press = [&] {
    TSoundStream stream;
    const TSoundLoops loops = RenderLoops(engine, SoundScaleOf(engine, 50));
    stream.Start(loops.Loop[int(TSoundKind::Curve)], true);
    benchmark::DoNotOptimize(stream.Read(buffer));
  };
  const TSoundScale whole{engine.T1(), engine.T2(), PlainPlaySeconds / (engine.T2() - engine.T1())};
  std::vector<double> values(whole.LoopFrames() + 1);
  const auto everything = [&] { TabulateSound(engine, TSoundKind::Curve, whole, whole.LoopFrames(), values); };
  for (auto _ : state) press();
  const double first = Best(press), all = Best(everything);
  state.counters["first_buffer_ms"] = first * 1e3;
  state.counters["whole_ms"] = all * 1e3;
  state.counters["whole_over_first"] = all / first;
}

void BM_SoundSecond500(benchmark::State& state) {
  TResamEngine engine;
  GiveFragment(engine);
  const TSoundScale second{engine.T1(), engine.T2(), 1 / (engine.T2() - engine.T1())};
  const int frames = second.LoopFrames();
  std::vector<double> rendered(frames + 1), literal(frames + 1);
  const auto render = [&] { TabulateSound(engine, TSoundKind::Curve, second, frames, rendered); };
  const auto sums = [&] {
    const double step = (second.T2 - second.T1) / frames;
    for (int n = 0; n < frames; ++n) literal[n] = LiteralKotelnikov(engine.SampleSet(), second.T1 + n * step);
  };
  for (auto _ : state) render();
  const double fast = Best(render), slow = Best(sums);
  double peak = 0, worst = 0;
  for (int n = 0; n < frames; ++n) {
    peak = std::fmax(peak, std::fabs(literal[n]));
    worst = std::fmax(worst, std::fabs(rendered[n] - literal[n]));
  }
  state.counters["render_ms"] = fast * 1e3;
  state.counters["literal_ms"] = slow * 1e3;
  state.counters["literal_over_render"] = slow / fast;
  state.counters["deviation_over_peak"] = worst / peak;
}
}  // namespace

BENCHMARK(BM_FirstSoundBuffer500)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_SoundSecond500)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_MAIN();
