// The chain that runs after the user commits a number of samples: the samples retaken, the
// interpolating function rebuilt, the error tabulated and the signal diagram repainted at
// 1600 x 900 (the one full repaint is the one Reconstruct's new visible range makes), for the Kotelnikov method at N =
// 500 and the Lagrange method at N = 50. Each is timed against the same chain with the literal sums in the same run, in
// alternation; chain_ms is this chain's own time (best round), literal_ms the reference's.
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
constexpr int ErrorPoints = 4000;

// Benchmarks meet no dialog; whatever would ask or tell is answered silently.
class TSilentPlatform : public TPlatform {
  void Message(const QString&) override {}
  bool Question(const QString&, const QString&) override { return true; }
  bool OpenFileName(const TFileDialogOptions&, QString&) override { return false; }
  bool SaveFileName(const TFileDialogOptions&, QString&) override { return false; }
  void SetClipboardImage(const QImage&) override {}
  QString ClipboardText() override { return {}; }
  void PushCursor(Qt::CursorShape) override {}
  void PopCursor() override {}
  void ConfineCursor(const QRect&) override {}
  void ReleaseCursor() override {}
  QPoint CursorPos() override { return {}; }
  void SetCursorPos(const QPoint&) override {}
  void SendKey(int, const QString&, Qt::KeyboardModifiers) override {}
};

double Signal(double t) {
  return std::sin(2 * 3.141592653589793 * 7 * t) + 0.3 * std::cos(2 * 3.141592653589793 * 19 * t);
}

// Term by term, as the sums are defined.
double LiteralKotelnikov(double t) {
  const TSampleSet set = TResamForm::Engine->SampleSet();
  const double u = SamplePosition(set, t);
  double sum = 0;
  for (int i = 0; i < set.N; ++i) sum = sum + Sinc(u - i) * set.Samples[i];
  return sum;
}

double LiteralLagrange(double t) {
  const TSampleSet set = TResamForm::Engine->SampleSet();
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

// The error as the second tab tabulates it: analog minus interpolating function on 4000
// points. Done here only while the window's own tabulation is not filling its diagram.
void TabulateErrorIfMissing(TResamForm& form) {
  if (form.DFE->Diagram->GetKeeper(0)->GetCount() == ErrorPoints) return;
  const bool lagrange = form.Engine.IsLagrange();
  const double a = form.Engine.T1() - (lagrange ? 1 : 30) * form.Engine.T(), b = form.Engine.T2() + (lagrange ? 1 : 30) * form.Engine.T();
  const TKeeper* analog = form.DFs->Diagram->GetKeeper(0);
  const TKeeper* curve = form.DFs->Diagram->GetKeeper(1);
  double t = a;
  for (int i = 0; i < ErrorPoints; ++i, t = t + (b - a) / (ErrorPoints - 1))
    form.Engine.ErrorValues()[i] = analog->GetValue(t) - curve->GetValue(t);
}

double ChainSeconds(TResamForm& form, int count) {
  const auto start = std::chrono::steady_clock::now();
  form.Engine.N() = count;
  form.Resample();
  form.Reconstruct();
  TabulateErrorIfMissing(form);
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
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
  TRealFunction& sum = lagrange ? TResamForm::LagrangeSum : TResamForm::KotelnikovSum;
  const TRealFunction fast = sum;
  const TRealFunction literal = lagrange ? LiteralLagrange : LiteralKotelnikov;
  double best = 1e300, reference = 1e300;
  for (auto _ : state) {
    best = std::fmin(best, ChainSeconds(form, count));
    state.PauseTiming();
    sum = literal;
    reference = std::fmin(reference, ChainSeconds(form, count));
    sum = fast;
    state.ResumeTiming();
  }
  // Interleaved rounds beyond the framework's own, so that both see the same machine.
  for (int round = 0; round < Rounds; ++round) {
    best = std::fmin(best, ChainSeconds(form, count));
    sum = literal;
    reference = std::fmin(reference, ChainSeconds(form, count));
    sum = fast;
  }
  state.counters["chain_ms"] = best * 1e3;
  state.counters["literal_ms"] = reference * 1e3;
  state.counters["literal_over_chain"] = reference / best;
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
