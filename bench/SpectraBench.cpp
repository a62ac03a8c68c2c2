// The second and third tabs through the main window at 1600x1000, each timed against a
// straightforward computation of the same thing in the same run:
//  - the generating-function analysis at its finest setting ("Поточнее": step 1e-4, high
//    detail) for Pol3 and Spl32, the three diagrams plotted, against a plain trapezoid sum
//    for every frequency (plotting left out of the reference, so the ratio is conservative);
//  - a method change at N = 500 (Kotelnikov): Reconstruct with the error tabulation, the
//    interpolating function's spectrum, the spectrum range, and with them the repaints of the
//    signal, spectrum and error diagrams; against the same steps with the plain Kotelnikov
//    sum (a sine per term) evaluated by the signal diagram and by the error tabulation.
// Counters: *_ms absolute times per run, literal_over_fast the ratio.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <cmath>
#include <vector>

#include "bench/WindowBench.h"
#include "engine/Basefunctionsunit.h"
#include "engine/KernelResponse.h"
#include "engine/ReconstructionError.h"
#include "engine/SignalSpectra.h"
#include "numerics/Keeper.h"
#include "platform/QtPlatform.h"
#include "plotting/Diagram.h"
#include "plotting/DiagramFrameUnit.h"
#include "shell/ResamUnit.h"

namespace {
double Since(double start) { return ProcessSeconds() - start; }

TKeeper* Series(TDiagramFrame* frame, int number) {
  return frame->Diagram->GetKeeper(static_cast<unsigned char>(number));
}

double Signal(double t) {
  return std::sin(2 * 3.141592653589793 * 3 * t) + 0.5 * std::cos(2 * 3.141592653589793 * 11 * t);
}

// The one window, shown at the size of a maximised window so that layout and repaints are real.
TResamForm& Form() {
  static TResamForm* form = [] {
    auto* f = new TResamForm;
    f->resize(1600, 1000);
    f->show();
    QApplication::processEvents();
    return f;
  }();
  return *form;
}

// ---- The generating-function analysis ----

double LiteralAnalysisSeconds(TRealFunction kernel, int order) {
  std::vector<double> spectrum(MaxKernelSpectrumCount), distortion(MaxDistortionCount);
  const int count = KernelSpectrumCount(KernelDetailHigh);
  const double e = KernelFrequencyStep(KernelDetailHigh);
  // One run: the plain form takes tens of seconds of processor time.
  const double start = ProcessSeconds();
  for (int i = 0; i < count; ++i) spectrum[i] = 2 * TrapezoidCosine(kernel, 0, order + 1, i * e, KernelStepFine);
  ComputeDistortion(spectrum.data(), KernelDetailHigh, distortion.data());
  return Since(start);
}

void FinestAnalysis(benchmark::State& state, QAction* TResamForm::*method, TRealFunction kernel) {
  TResamForm& form = Form();
  (form.*method)->trigger();
  form.N47->trigger();
  const double literal = LiteralAnalysisSeconds(kernel, form.Engine.KernelOrder());
  double fast = 0;
  for (auto _ : state) {
    const double start = ProcessSeconds();
    form.Show(form.Engine.AnalyseGeneratingFunction());
    fast += Since(start);
  }
  fast /= static_cast<double>(state.iterations());
  state.counters["fast_ms"] = 1e3 * fast;
  state.counters["literal_ms"] = 1e3 * literal;
  state.counters["literal_over_fast"] = literal / fast;
}

void BM_AnalysisFinestPol3(benchmark::State& state) { FinestAnalysis(state, &TResamForm::N312, Pol3); }
void BM_AnalysisFinestSpl32(benchmark::State& state) { FinestAnalysis(state, &TResamForm::N321, Spl32); }

// ---- The method change ----

double LiteralKotelnikov(double t) {
  const TSampleSet set = Form().Engine.SampleSet();
  const double u = SamplePosition(set, t);
  double sum = 0;
  for (int i = 0; i < set.N; ++i) sum = sum + Sinc(u - i) * set.Samples[i];
  return sum;
}

void GiveSignalAt500(TResamForm& form) {
  form.N31->trigger();
  form.Engine.FormulaSignal = {Signal, 1, 0};
  form.AcceptSignal(TResamEngine::SourceLibrary);
  form.TakeAnalogSignal(TResamEngine::PeriodHalfTmax);
  form.Show(form.Engine.SetCount(500));
}

double FastMethodChange(TResamForm& form) {
  const double start = ProcessSeconds();
  TResamEngine& engine = form.Engine;
  form.Show(engine.Reconstruct() | engine.ComputeReconSpectrum() | engine.SetSpectrumRange());
  return Since(start);
}

// The same steps with the plain sum in the signal diagram's curve and in the error.
double LiteralMethodChange(TResamForm& form, std::vector<double>& error, std::vector<double>& recon) {
  TKeeper* curve = Series(form.DFs, 1);
  const TErrorInterval interval = ErrorInterval(form.Engine.T1(), form.Engine.T2(), form.Engine.T(), false);
  const double start = ProcessSeconds();
  curve->SetFunction(LiteralKotelnikov, 10, curve->GetXmin(), curve->GetXmax());
  form.DFs->Diagram->ShowDiagram();
  TabulateError(*Series(form.DFs, 0), *curve, interval.A, interval.B, error.data());
  form.DFE->Diagram->ShowDiagram();
  ReconstructionSpectrum(TReconKind::Kotelnikov, *Series(form.DFAS, 1), *Series(form.DFBFS, 0), form.Engine.Wd(),
                         form.Engine.T(), TFrequencyUnit::Circular, recon.data());
  form.DFAS->Diagram->ShowDiagram();
  const double seconds = Since(start);
  form.Show(form.Engine.Reconstruct());  // the window's own curve back
  return seconds;
}

void BM_MethodChange500(benchmark::State& state) {
  TResamForm& form = Form();
  GiveSignalAt500(form);
  std::vector<double> error(ErrorCount), recon(ReconSpectrumCount);
  double fast = 0, literal = 0;
  for (auto _ : state) {
    form.Engine.ForgetSpectrumRange();
    fast += FastMethodChange(form);
    literal += LiteralMethodChange(form, error, recon);
  }
  state.counters["N"] = form.Engine.N();
  state.counters["fast_ms"] = 1e3 * fast / static_cast<double>(state.iterations());
  state.counters["literal_ms"] = 1e3 * literal / static_cast<double>(state.iterations());
  state.counters["literal_over_fast"] = literal / fast;
}
}  // namespace

BENCHMARK(BM_AnalysisFinestPol3)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_AnalysisFinestSpl32)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_MethodChange500)->Unit(benchmark::kMillisecond)->MinTime(2);

int main(int argc, char** argv) { return RunWindowBenchmarks<TQtPlatform>(argc, argv); }
