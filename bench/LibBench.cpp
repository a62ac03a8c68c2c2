// One redraw of the signal library (both diagrams 800 x 600) for a power family, whose
// spectrum is a sum over the signal at every column of the spectrum diagram: the window's
// Redraw (tabulated signal, rotated phases) against the same two diagrams drawn with the
// literal sums (a cosine and a sine per point), interleaved in one run. Counters:
// redraw_ms and literal_ms, processor time per redraw, literal_over_fast their ratio, and max_deviation,
// the largest difference of the drawn spectrum from the literal one relative to its peak.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cmath>

#include "bench/WindowBench.h"
#include "plotting/Diagram.h"
#include "sources/LibUnit.h"

namespace {
constexpr int Width = 800, Height = 600;

template <int Family>
double LiteralSpectrumOf(const TLibFormulas& lib, double f) {
  return lib.LiteralSpectrum(Family, f);
}

// The literal sums of the shown power family, as a curve bound to the window's formulas.
TRealFunction LiteralSpectrum(const TLibFormulas& lib) {
  const TRealFunction spectra[] = {TRealFunction::Bind<&LiteralSpectrumOf<1>>(lib),
                                   TRealFunction::Bind<&LiteralSpectrumOf<2>>(lib),
                                   TRealFunction::Bind<&LiteralSpectrumOf<3>>(lib)};
  return spectra[lib.GetFamily() - 1];
}

// The window as the benchmark measures it: never shown, diagrams at the measured size, a
// power signal with every term of its sums in use.
struct TBenchLib {
  TLibForm Form;
  explicit TBenchLib(int family) {
    Form.DiagramSignal->setGeometry(0, 0, Width, Height);
    Form.DiagramSpectr->setGeometry(Width, 0, Width, Height);
    Form.SelectFamily(family);
    Form.ComboBoxKChange(2);
    Form.ComboBoxLChange(1);
    Form.ComboBoxMChange(3);
  }
};

// Processor time of this thread: on a machine shared with other work, wall time measures
// the other work as much as this one.
double Seconds(void (*draw)(TLibForm&), TLibForm& form) {
  const double start = ThreadSeconds();
  draw(form);
  benchmark::DoNotOptimize(form.DiagramSpectr->Picture().constBits());
  return ThreadSeconds() - start;
}

void Fast(TLibForm& form) { form.Redraw(); }

void Literal(TLibForm& form) {
  form.ShowSignal();
  form.ShowSpectrum(LiteralSpectrum(form.Formulas()));
}

double MaxDeviation(const TLibForm& form) {
  const int family = form.Formulas().GetFamily();
  const TDiagram& d = *form.DiagramSpectr;
  double deviation = 0, peak = 0;
  for (int x = d.Get_xb_net(); x <= d.Get_xe_net(); ++x) {
    const double f = d.PhisToMathX(x), literal = form.Formulas().LiteralSpectrum(family, f);
    peak = std::fmax(peak, literal);
    deviation = std::fmax(deviation, std::fabs(form.Formulas().Spectrum(f) - literal));
  }
  return deviation / peak;
}

void BM_LibRedraw(benchmark::State& state) {
  TBenchLib bench(int(state.range(0)));
  for (auto _ : state) Fast(bench.Form);
}

void BM_LibRedrawAgainstLiteral(benchmark::State& state) {
  TBenchLib bench(int(state.range(0)));
  double fast = 0, literal = 0;
  for (auto _ : state) {
    literal += Seconds(Literal, bench.Form);
    fast += Seconds(Fast, bench.Form);
  }
  state.counters["redraw_ms"] = 1e3 * fast / state.iterations();
  state.counters["literal_ms"] = 1e3 * literal / state.iterations();
  state.counters["literal_over_fast"] = literal / fast;
  state.counters["max_deviation"] = MaxDeviation(bench.Form);
}

BENCHMARK(BM_LibRedraw)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LibRedrawAgainstLiteral)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->MinTime(2);
}  // namespace

int main(int argc, char** argv) { return RunWindowBenchmarks(argc, argv); }
