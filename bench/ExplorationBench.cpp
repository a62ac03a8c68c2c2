// Exploring by slider, and the terms drawn under the interpolating function, in the main
// window at 1600 x 900 with the Kotelnikov method:
// - one step of the count slider at N = 500 (499 and 500 in turn): the chain and the showing
//   of its results with the repaint of the signal tab, in processor time (step_ms, within one
//   60 Hz frame), beside the repaint of the signal diagram alone (repaint_ms) and the same
//   step with the terms shown (step_with_terms_ms);
// - the signal diagram's repaint at N = 500 with the 60 terms drawn, over the same repaint
//   without them (terms_over_plain: drawing the terms adds at most one repaint's time).
#include <benchmark/benchmark.h>

#include <QAction>
#include <QSlider>
#include <cmath>

#include "bench/WindowBench.h"
#include "plotting/Diagram.h"
#include "plotting/DiagramFrameUnit.h"
#include "shell/ResamUnit.h"
#include "studies/ParameterSliders.h"
#include "studies/ParameterStepper.h"
#include "studies/TermsView.h"

namespace {
constexpr int Width = 1600, Height = 900;
constexpr int Rounds = 5;

double Signal(double t) {
  return std::sin(2 * 3.141592653589793 * 7 * t) + 0.3 * std::cos(2 * 3.141592653589793 * 19 * t);
}

// The window as a user has it after a library signal, at N = `count`; never shown, so the
// signal diagram is sized directly.
void Prepare(TResamForm& form, int count) {
  form.DFs->resize(Width, Height);
  form.DFs->Diagram->resize(Width, Height);
  form.Engine.FormulaSignal = {Signal, 1, 0};
  form.AcceptSignal(TResamEngine::SourceLibrary);
  form.TakeAnalogSignal(TResamEngine::PeriodFromCount);
  form.Show(form.Engine.SetCount(count));
}

template <class F>
double BestSeconds(int rounds, F step) {
  double best = 1e300;
  for (int r = 0; r < rounds; ++r) {
    const double start = ProcessSeconds();
    step();
    best = std::fmin(best, ProcessSeconds() - start);
  }
  return best;
}

void BM_SliderStepKotelnikov500(benchmark::State& state) {
  TResamForm form;
  Prepare(form, 499);
  QSlider& slider = *form.Sliders->CountSlider;
  // The slider's scale is logarithmic: the positions of the two counts, not the counts.
  const int limit = form.Engine.CountLimit();
  const int at499 = TParameterSliders::PositionOf(499, limit), at500 = TParameterSliders::PositionOf(500, limit);
  const auto step = [&] {
    slider.setValue(slider.value() == at500 ? at499 : at500);
    form.Stepper->Flush();
  };
  double best = 1e300, repaint = 1e300, withTerms = 1e300;
  for (auto _ : state) {
    best = std::fmin(best, BestSeconds(Rounds, step));
    repaint = std::fmin(repaint, BestSeconds(Rounds, [&] { form.DFs->Diagram->ShowDiagram(); }));
    form.Terms->Item->setChecked(true);
    withTerms = std::fmin(withTerms, BestSeconds(Rounds, step));
    form.Terms->Item->setChecked(false);
  }
  state.counters["step_ms"] = best * 1e3;
  state.counters["step_with_terms_ms"] = withTerms * 1e3;
  state.counters["repaint_ms"] = repaint * 1e3;
  state.counters["samples"] = form.Engine.N();
}

void BM_TermsRepaint500(benchmark::State& state) {
  TResamForm form;
  Prepare(form, 500);
  TDiagram& d = *form.DFs->Diagram;
  double plain = 1e300, terms = 1e300;
  for (auto _ : state) {
    form.Terms->Item->setChecked(false);
    plain = std::fmin(plain, BestSeconds(Rounds, [&] { d.ShowDiagram(); }));
    form.Terms->Item->setChecked(true);
    terms = std::fmin(terms, BestSeconds(Rounds, [&] { d.ShowDiagram(); }));
  }
  state.counters["plain_ms"] = plain * 1e3;
  state.counters["terms_ms"] = terms * 1e3;
  state.counters["terms_over_plain"] = terms / plain;
  state.counters["terms_drawn"] = form.Engine.Terms().Count();
}
}  // namespace

BENCHMARK(BM_SliderStepKotelnikov500)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_TermsRepaint500)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv) { return RunWindowBenchmarks<TSilentPlatform>(argc, argv); }
