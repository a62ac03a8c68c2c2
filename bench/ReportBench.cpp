// A full report of a lesson at N = 500 (the library lesson the tests use, N typed to 500),
// made as the menu item and --report make it, against one repaint of every diagram of the
// lesson on all tabs at the window's size, measured in the same run, processor time of the
// whole process, best round of each: report_over_repaint is how many such repaints a report
// costs (PDF and HTML each).
#include <benchmark/benchmark.h>

#include <QFile>
#include <cmath>

#include "bench/WindowBench.h"
#include "plotting/Diagram.h"
#include "reports/ReportDocument.h"
#include "shell/ResamStartUp.h"
#include "shell/ResamUnit.h"
#include "widgets/EditIntUnit.h"

namespace {
constexpr int Rounds = 3;
constexpr int Count = 500;

// The lesson opened, then N typed and committed as a user would.
bool OpenAt500(TResamForm& window) {
  QFile file(QStringLiteral(RESAM_BENCH_LESSON));
  if (!file.open(QIODevice::ReadOnly) || !window.OpenSessionText(file.readAll())) return false;
  window.EditN->setText(QString::number(Count));
  window.EditNExit();
  return window.Engine.N() == Count;
}

double RepaintAll(TResamForm& window) {
  const double start = ProcessSeconds();
  for (const TResamForm::TLessonDiagram& d : window.LessonDiagrams()) d.Diagram->ShowDiagram();
  return ProcessSeconds() - start;
}

double Report(TResamForm& window, TReportFormat format, qsizetype& bytes) {
  const double start = ProcessSeconds();
  bytes += ReportBytes(window.MakeReport(), format).size();
  return ProcessSeconds() - start;
}

void ReportAgainstRepaint(benchmark::State& state, TReportFormat format) {
  const TResamWindows windows;
  TResamForm& window = windows.Main();
  window.resize(1600, 1000);
  window.show();
  QApplication::processEvents();
  if (!OpenAt500(window)) {
    state.SkipWithError("the lesson did not open at N = 500");
    return;
  }
  double repaint = 1e300, report = 1e300;
  qsizetype bytes = 0;
  const auto round = [&] {
    repaint = std::fmin(repaint, RepaintAll(window));
    report = std::fmin(report, Report(window, format, bytes));
  };
  for (auto _ : state) round();
  for (int r = 0; r < Rounds; ++r) round();
  state.counters["report_ms"] = report * 1e3;
  state.counters["repaint_ms"] = repaint * 1e3;
  state.counters["report_over_repaint"] = report / repaint;
  state.counters["samples"] = window.Engine.N();
  benchmark::DoNotOptimize(bytes);
}

void BM_ReportPdf500(benchmark::State& state) { ReportAgainstRepaint(state, TReportFormat::Pdf); }
void BM_ReportHtml500(benchmark::State& state) { ReportAgainstRepaint(state, TReportFormat::Html); }
}  // namespace

BENCHMARK(BM_ReportPdf500)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_ReportHtml500)->Unit(benchmark::kMillisecond)->Iterations(2);

int main(int argc, char** argv) { return RunWindowBenchmarks<TSilentPlatform>(argc, argv); }
