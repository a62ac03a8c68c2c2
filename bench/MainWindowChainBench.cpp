// The chain that runs after the user commits a number of samples: the samples retaken, the
// interpolating function rebuilt, the error tabulated and the signal diagram repainted at
// 1600 x 900, for the Kotelnikov method at N = 500 and the Lagrange method at N = 50. Each is
// timed against the same chain with the literal sums in the same run, in alternation:
// chain_ms is this chain's own time (best round), split into engine_ms (the computation) and
// show_ms (the window showing it); headless_engine_ms is the computation of an engine with no
// window; literal_ms the reference's whole chain.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <chrono>
#include <cmath>

#include "bench/WindowBench.h"
#include "engine/Basefunctionsunit.h"
#include "engine/Lagrbfunit.h"
#include "numerics/Keeper.h"
#include "platform/Platform.h"
#include "plotting/Diagram.h"
#include "plotting/DiagramFrameUnit.h"
#include "shell/ResamUnit.h"

namespace {
constexpr int Width = 1600, Height = 900;
constexpr int Rounds = 5;

double Signal(double t) {
  return std::sin(2 * 3.141592653589793 * 7 * t) + 0.3 * std::cos(2 * 3.141592653589793 * 19 * t);
}

// Term by term, as the sums are defined.
double LiteralKotelnikov(const TSampleSet& set, double t) {
  const double u = SamplePosition(set, t);
  double sum = 0;
  for (int i = 0; i < set.N; ++i) sum = sum + Sinc(u - i) * set.Samples[i];
  return sum;
}

double LiteralLagrange(const TSampleSet& set, double t) {
  const double u = SamplePosition(set, t);
  long double sum = 0;
  for (int k = 0; k < set.N; ++k) {
    double r = 1;
    for (int i = 0; i < set.N; ++i)
      if (i != k) r = static_cast<double>((static_cast<long double>(u) - i) / (static_cast<long double>(k) - i) * r);
    sum += static_cast<long double>(r) * set.Samples[k];
  }
  return static_cast<double>(sum);
}

// Seconds of one chain and of its two parts: the engine's computation and the window
// showing it (the signal diagram's repaint is the one the new visible range makes).
struct TChainTime {
  double Engine = 1e300, Show = 1e300, Whole = 1e300;
  void Keep(double engine, double show) {
    Engine = std::fmin(Engine, engine);
    Show = std::fmin(Show, show);
    Whole = std::fmin(Whole, engine + show);
  }
};

void TimeChain(TResamForm& form, TChainTime& time) {
  using Clock = std::chrono::steady_clock;
  const auto start = Clock::now();
  const TResamEngine::TChanges changes = form.Engine.Resample() | form.Engine.Reconstruct();
  const auto computed = Clock::now();
  form.Show(changes);
  const auto shown = Clock::now();
  time.Keep(std::chrono::duration<double>(computed - start).count(),
            std::chrono::duration<double>(shown - computed).count());
}

// The same chain with no window at all.
double HeadlessSeconds(TResamEngine& engine) {
  const auto start = std::chrono::steady_clock::now();
  engine.Resample();
  engine.Reconstruct();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void GiveSignal(TResamEngine& engine, bool lagrange, int count) {
  if (lagrange) engine.SetMethod(TResamEngine::MethodLagrange);
  engine.FormulaSignal = {Signal, 1, 0};
  engine.AcceptSignal(TResamEngine::SourceLibrary);
  engine.TakeAnalogSignal(TResamEngine::PeriodFromCount);
  engine.SetCount(count);
}

void RunChain(benchmark::State& state, bool lagrange, int count) {
  TResamForm form;
  // The window is never shown, so its layout never runs: the diagram is sized directly.
  form.DFs->resize(Width, Height);
  form.DFs->Diagram->resize(Width, Height);
  if (lagrange) form.N33->trigger();
  form.Engine.FormulaSignal = {Signal, 1, 0};
  form.AcceptSignal(TResamEngine::SourceLibrary);
  form.TakeAnalogSignal(TResamEngine::PeriodFromCount);
  form.Show(form.Engine.SetCount(count));
  TResamEngine headless;
  GiveSignal(headless, lagrange, count);
  TChainTime chain, literal;
  double engineAlone = 1e300;
  const auto round = [&] {
    TimeChain(form, chain);
    engineAlone = std::fmin(engineAlone, HeadlessSeconds(headless));
    form.Engine.UseSums(LiteralKotelnikov, LiteralLagrange);
    TimeChain(form, literal);
    form.Engine.UseSums(nullptr, nullptr);
  };
  for (auto _ : state) round();
  // Interleaved rounds beyond the framework's own, so that both see the same machine.
  for (int r = 0; r < Rounds; ++r) round();
  state.counters["chain_ms"] = chain.Whole * 1e3;
  state.counters["engine_ms"] = chain.Engine * 1e3;
  state.counters["show_ms"] = chain.Show * 1e3;
  state.counters["headless_engine_ms"] = engineAlone * 1e3;
  state.counters["literal_ms"] = literal.Whole * 1e3;
  state.counters["literal_over_chain"] = literal.Whole / chain.Whole;
  state.counters["samples"] = form.Engine.N();
  state.counters["picture_width"] = form.DFs->Diagram->Picture().width();
}

void BM_ChainKotelnikov500(benchmark::State& state) { RunChain(state, false, 500); }
void BM_ChainLagrange50(benchmark::State& state) { RunChain(state, true, 50); }
}  // namespace

BENCHMARK(BM_ChainKotelnikov500)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ChainLagrange50)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  return RunWindowBenchmarks<TSilentPlatform>(argc, argv);
}
