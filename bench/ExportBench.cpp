// Saving a full-width diagram with three series: its data as CSV and its figure as SVG, each
// against a repaint of the same diagram, timed in alternation in one run. The files are made
// in memory: the disk's speed is no part of the figure.
#include <benchmark/benchmark.h>

#include <cmath>
#include <string>
#include <vector>

#include "bench/WindowBench.h"
#include "plotting/DataTable.h"
#include "plotting/Diagram.h"
#include "plotting/DiagramExport.h"

namespace {
constexpr int Width = 1600, Height = 900;
constexpr int ArrayCount = 1024, DiscreteCount = 500;
constexpr double Xmin = 0, Xmax = 10;

double Sine(double x) { return std::sin(2 * x); }

// The diagram of DiagramBench: a function, an array and a discrete series with markers.
struct TExportDiagram {
  TDiagram Diagram;
  std::vector<double> Array, Samples;
  TExportDiagram() : Array(ArrayCount), Samples(DiscreteCount) {
    for (int i = 0; i < ArrayCount; ++i) Array[i] = 0.8 * std::cos(0.05 * i);
    for (int i = 0; i < DiscreteCount; ++i) Samples[i] = 0.9 * std::sin(0.03 * i);
    Diagram.resize(Width, Height);
    Diagram.NewKeeperList(3);
    Diagram.GetKeeper(0)->SetFunction(Sine, ArrayCount, Xmin, Xmax);
    Diagram.GetKeeper(1)->SetArray(Array.data(), ArrayCount, Xmin, Xmax);
    TKeeper* discrete = Diagram.GetKeeper(2);
    discrete->SetArray(Samples.data(), DiscreteCount, Xmin, Xmax);
    discrete->SetDiscrete();
    discrete->SetMarkers(true);
    Diagram.EnableLine(false);
    Diagram.SetRangeX(Xmin, Xmax);
    Diagram.SetRangeY(-1.2, 1.2);
    Diagram.EnableLine(true);
    Diagram.ShowDiagram();
  }
};

TExportDiagram& Bench() {
  static TExportDiagram bench;
  return bench;
}

template <class Step>
double Seconds(Step step) {
  const double start = ProcessSeconds();
  step();
  return ProcessSeconds() - start;
}

void Repaint() {
  Bench().Diagram.ShowDiagram();
  benchmark::DoNotOptimize(Bench().Diagram.Picture().constBits());
}

void Csv() {
  TDataTable table;
  Bench().Diagram.VisibleData(table);
  const std::string text = FormatCsv(table);
  benchmark::DoNotOptimize(text.data());
}

void Svg() {
  const QByteArray bytes = FigureBytes({&Bench().Diagram, {}}, TFigureFormat::Svg);
  benchmark::DoNotOptimize(bytes.data());
}

void BM_ExportAgainstRepaint(benchmark::State& state) {
  double repaint = 0, csv = 0, svg = 0;
  for (auto _ : state) {
    repaint += Seconds(Repaint);
    csv += Seconds(Csv);
    svg += Seconds(Svg);
  }
  const double n = double(state.iterations());
  state.counters["repaint_ms"] = 1e3 * repaint / n;
  state.counters["csv_ms"] = 1e3 * csv / n;
  state.counters["svg_ms"] = 1e3 * svg / n;
  state.counters["csv_over_repaint"] = csv / repaint;
  state.counters["svg_over_repaint"] = svg / repaint;
}

BENCHMARK(BM_ExportAgainstRepaint)->Unit(benchmark::kMillisecond)->MinTime(2);
}  // namespace

int main(int argc, char** argv) { return RunWindowBenchmarks(argc, argv); }
