// A full repaint of a large diagram with three series against the same repaint with the
// series switched off, measured in one run; and the allocations one repaint makes, which
// must not grow with the number of pixel columns.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <new>
#include <vector>

#include "bench/WindowBench.h"
#include "plotting/Diagram.h"

namespace {
std::atomic<long> Allocations{0};

constexpr int Width = 1600, Height = 900;
constexpr int ArrayCount = 1024, DiscreteCount = 500;
constexpr double Xmin = 0, Xmax = 10;

double Sine(double x) { return std::sin(2 * x); }

struct TBenchDiagram {
  TDiagram Diagram;
  std::vector<double> Array, Samples;
  TBenchDiagram() : Array(ArrayCount), Samples(DiscreteCount) {
    for (int i = 0; i < ArrayCount; ++i) Array[i] = 0.8 * std::cos(0.05 * i);
    for (int i = 0; i < DiscreteCount; ++i) Samples[i] = 0.9 * std::sin(0.03 * i);
    Diagram.resize(Width, Height);
    Diagram.NewKeeperList(3);
    Diagram.GetKeeper(0)->SetFunction(Sine, ArrayCount, Xmin, Xmax);
    Diagram.GetKeeper(0)->SetColor(0x0000FF);
    Diagram.GetKeeper(1)->SetArray(Array.data(), ArrayCount, Xmin, Xmax);
    Diagram.GetKeeper(1)->SetColor(0xFF0000);
    TKeeper* discrete = Diagram.GetKeeper(2);
    discrete->SetArray(Samples.data(), DiscreteCount, Xmin, Xmax);
    discrete->SetDiscrete();
    discrete->SetMarkers(true);
    discrete->SetColor(0x008000);
    Diagram.EnableLine(false);
    Diagram.SetRangeX(Xmin, Xmax);
    Diagram.SetRangeY(-1.2, 1.2);
    Diagram.EnableLine(true);
    Diagram.ShowDiagram();
  }
};

TBenchDiagram& Bench() {
  static TBenchDiagram bench;
  return bench;
}

void Repaint(bool series) {
  TDiagram& d = Bench().Diagram;
  d.EnableLine(series);
  d.ShowDiagram();
  benchmark::DoNotOptimize(d.Picture().constBits());
}

void BM_ShowDiagramAxesOnly(benchmark::State& state) {
  for (auto _ : state) Repaint(false);
}

void BM_ShowDiagramWithSeries(benchmark::State& state) {
  for (auto _ : state) Repaint(true);
}

// A repaint that draws the axes anew as well: the ordinate's top moves by a hair between two
// values (the same grid and numbers), so that the kept axes never serve.
void FullRepaint(bool series) {
  static bool nudged = false;
  nudged = !nudged;
  TDiagram& d = Bench().Diagram;
  const TDiagram::TOnePaint once(d);
  d.SetRangeY(-1.2, nudged ? 1.2 + 1e-9 : 1.2);
  Repaint(series);
}

template <class F>
double Seconds(F repaint, bool series) {
  const auto start = std::chrono::steady_clock::now();
  repaint(series);
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Both repaints interleaved, so that machine noise falls on both alike. ratio: whole repaints
// (axes drawn too), as every repaint was before the axes were kept; over_kept_axes: repaints
// over the kept axes, where the axes alone are a copy of the kept picture.
void BM_SeriesToAxesRatio(benchmark::State& state) {
  double withSeries = 0, axesOnly = 0, keptSeries = 0, keptAxes = 0;
  for (auto _ : state) {
    axesOnly += Seconds(FullRepaint, false);
    withSeries += Seconds(FullRepaint, true);
    keptAxes += Seconds(Repaint, false);
    keptSeries += Seconds(Repaint, true);
  }
  state.counters["series_ms"] = 1e3 * withSeries / state.iterations();
  state.counters["axes_ms"] = 1e3 * axesOnly / state.iterations();
  state.counters["ratio"] = withSeries / axesOnly;
  state.counters["kept_axes_ms"] = 1e3 * keptAxes / state.iterations();
  state.counters["over_kept_axes"] = keptSeries / keptAxes;
}

// Allocations of one settled repaint at the given width.
long AllocationsOfRepaint(TDiagram& d, int width, bool series) {
  d.resize(width, Height);
  Repaint(series);
  const long before = Allocations.load();
  Repaint(series);
  return Allocations.load() - before;
}

// Allocations of one repaint at two widths, with and without the series. A wider picture
// has more grid numbers (each a text), so the totals differ; what the series add must not.
void BM_AllocationsPerRepaint(benchmark::State& state) {
  TDiagram& d = Bench().Diagram;
  long narrow = 0, wide = 0, axesNarrow = 0, axesWide = 0;
  for (auto _ : state) {
    narrow = AllocationsOfRepaint(d, Width / 2, true);
    wide = AllocationsOfRepaint(d, Width, true);
    axesNarrow = AllocationsOfRepaint(d, Width / 2, false);
    axesWide = AllocationsOfRepaint(d, Width, false);
  }
  d.EnableLine(true);
  state.counters["allocs_half_width"] = double(narrow);
  state.counters["allocs_full_width"] = double(wide);
  // Equal figures: the series cost the same allocations whatever the number of columns.
  state.counters["series_allocs_half_width"] = double(narrow - axesNarrow);
  state.counters["series_allocs_full_width"] = double(wide - axesWide);
}

// A fine series (100,001 samples on [0, 1]) in the widest view, where billions of sample
// positions fall into the net: discrete and periodic discrete, against the same diagram's
// axes-only repaint. The positions are found by division, so the ratio stays small.
struct TWideDiagram {
  TDiagram Diagram;
  std::vector<double> Samples;
  TWideDiagram() : Samples(100001) {
    for (std::size_t i = 0; i < Samples.size(); ++i) Samples[i] = 0.8 * std::sin(0.001 * double(i));
    Diagram.resize(Width, Height);
    Diagram.NewKeeperList(2);
    TKeeper* plain = Diagram.GetKeeper(0);
    plain->SetArray(Samples.data(), int(Samples.size()), 0, 1);
    plain->SetDiscrete();
    plain->SetMarkers(true);
    TKeeper* periodic = Diagram.GetKeeper(1);
    periodic->SetArray(Samples.data(), int(Samples.size()), 0, 1);
    periodic->SetPeriodic(double(Samples.size() - 1));
    periodic->SetShape(ShapePeriodicDiscrete);
    periodic->SetSymmetry(SymmetryOdd);
    Diagram.EnableLine(false);
    Diagram.SetRangeX(-1e5, 1e5);
    Diagram.EnableLine(true);
  }
};

void BM_WideViewFineSeriesRatio(benchmark::State& state) {
  static TWideDiagram wide;
  double withSeries = 0, axesOnly = 0;
  for (auto _ : state) {
    for (bool series : {false, true}) {
      wide.Diagram.EnableLine(series);
      const auto start = std::chrono::steady_clock::now();
      wide.Diagram.ShowDiagram();
      (series ? withSeries : axesOnly) +=
          std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
  }
  state.counters["series_ms"] = 1e3 * withSeries / state.iterations();
  state.counters["axes_ms"] = 1e3 * axesOnly / state.iterations();
  state.counters["ratio"] = withSeries / axesOnly;
}

BENCHMARK(BM_ShowDiagramAxesOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShowDiagramWithSeries)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SeriesToAxesRatio)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WideViewFineSeriesRatio)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AllocationsPerRepaint)->Unit(benchmark::kMillisecond)->Iterations(3);
}  // namespace

void* operator new(std::size_t size) {
  Allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

int main(int argc, char** argv) { return RunWindowBenchmarks(argc, argv); }
