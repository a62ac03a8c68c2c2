// The filter before the sampler applied and changed at N = 500, as the filter window's
// "Применить" does it: the signal filtered, the samples retaken, the interpolating function,
// the error and the spectra computed, and the signal and spectrum diagrams repainted at
// 1600 x 900 with the filtered signal and |H|. Against it, in alternation in the same window,
// the chain of a count committed with no filter (N 499 and 500 by turns). Processor time, best
// round each: apply_ms (no filter to this one), change_ms (its order or the cut-off's mode
// changed), filter_ms the larger of the two, plain_ms the unfiltered chain, and their ratio.
// One run per filter kind, on a smooth pulse (filtered through its padded spectrum) and on the
// square fragment (filtered harmonic by harmonic).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <algorithm>
#include <cmath>
#include <vector>

#include "bench/WindowBench.h"
#include "plotting/Diagram.h"
#include "plotting/DiagramFrameUnit.h"
#include "shell/ResamUnit.h"

namespace {
using E = TResamEngine;
constexpr int Width = 1600, Height = 900;
constexpr int Count = 500;
constexpr int Rounds = 5;
constexpr double Pi = 3.141592653589793;

double Pulse(double t) { return std::exp(-std::pow((t - 0.5) / 0.08, 2)) * std::cos(2 * Pi * 9 * t); }

// The "Прямоугольный" fragment: a 1 Hz square wave to its ninth harmonic.
const std::vector<THarmonic> Square = {{0.5, 0, 0},   {0.637, 1, 0},  {0.212, 3, Pi},
                                       {0.127, 5, 0}, {0.091, 7, Pi}, {0.071, 9, 0}};
double SquareValue(double t) {
  double s = 0;
  for (const THarmonic& h : Square) s += h.Amplitude * std::cos(2 * Pi * h.Frequency * t + h.Phase);
  return s;
}

// Processor seconds of a command and of the window showing what it changed.
template <class TCommand>
double Timed(TResamForm& form, TCommand command) {
  const double start = ProcessSeconds();
  form.Show(command());
  return ProcessSeconds() - start;
}

void GiveSignal(TResamForm& form, bool fragment) {
  for (TDiagramFrame* frame : {form.DFs, form.DFAS}) {
    // The window is never shown, so its layout never runs: the diagrams are sized directly.
    frame->resize(Width, Height);
    frame->Diagram->resize(Width, Height);
  }
  if (fragment) {
    form.Engine.FormulaSignal = {SquareValue, 1, 1};
    form.Engine.Harmonics = Square;
  } else {
    form.Engine.FormulaSignal = {Pulse, 1, 0};
  }
  form.AcceptSignal(fragment ? E::SourcePolyharmonic : E::SourceLibrary);
  form.TakeAnalogSignal(E::PeriodFromCount);
  form.Show(form.Engine.SetCount(Count));
}

void RunFilterChain(benchmark::State& state, TFilterKind kind, bool fragment) {
  TResamForm form;
  GiveSignal(form, fragment);
  const TPreFilter off{}, on{kind, 4, true, 1}, changed{kind, 5, false, 0.4 / form.Engine.T()};
  double apply = 1e300, change = 1e300, plain = 1e300;
  const auto round = [&] {
    apply = std::fmin(apply, Timed(form, [&] { return form.Engine.SetPreFilter(on); }));
    change = std::fmin(change, Timed(form, [&] { return form.Engine.SetPreFilter(changed); }));
    form.Show(form.Engine.SetPreFilter(off));
    plain = std::fmin(plain, Timed(form, [&] { return form.Engine.SetCount(Count - 1); }));
    plain = std::fmin(plain, Timed(form, [&] { return form.Engine.SetCount(Count); }));
  };
  for (auto _ : state) round();
  // Interleaved rounds beyond the framework's own, so that both see the same machine.
  for (int r = 0; r < Rounds; ++r) round();
  const double filter = std::max(apply, change);
  state.counters["apply_ms"] = apply * 1e3;
  state.counters["change_ms"] = change * 1e3;
  state.counters["filter_ms"] = filter * 1e3;
  state.counters["plain_ms"] = plain * 1e3;
  state.counters["filter_over_plain"] = filter / plain;
  state.counters["samples"] = form.Engine.N();
}

void BM_FilterChain500Pulse(benchmark::State& state) { RunFilterChain(state, TFilterKind(state.range(0)), false); }
void BM_FilterChain500Fragment(benchmark::State& state) { RunFilterChain(state, TFilterKind(state.range(0)), true); }
}  // namespace

BENCHMARK(BM_FilterChain500Pulse)
    ->Arg(int(TFilterKind::Ideal))
    ->Arg(int(TFilterKind::Butterworth))
    ->Arg(int(TFilterKind::RC))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(BM_FilterChain500Fragment)
    ->Arg(int(TFilterKind::Ideal))
    ->Arg(int(TFilterKind::Butterworth))
    ->Arg(int(TFilterKind::RC))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

int main(int argc, char** argv) { return RunWindowBenchmarks<TSilentPlatform>(argc, argv); }
