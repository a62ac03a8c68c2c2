// One step of drawing with the mouse held, from the left end to the right end of a
// 1600-pixel diagram (read-out, cursor confinement, the rubber band drawn and erased, the
// segment drawn and sampled per pixel column), against a full repaint of the same diagram,
// measured in one run. A step must cost no more than a tenth of the repaint.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "bench/WindowBench.h"
#include "platform/QtPlatform.h"
#include "plotting/Diagram.h"
#include "sources/DiagramEditor.h"

namespace {
constexpr int Width = 1600, Height = 900;

struct TEditorBench {
  TDiagramEditor Editor;
  TDiagram& D = *Editor.Diagram1;
  int Right = 0, Top = 0, Bottom = 0;
  TEditorBench() {
    D.resize(Width, Height);
    D.ShowDiagram();
    Editor.NewDrawing();
    Right = D.Get_xe_net() - 2;
    Top = D.Get_yb_net() + 2;
    Bottom = D.Get_ye_net() - 2;
  }
  // The button goes down on the pen, where it adds nothing.
  void Start() {
    Editor.NewDrawing();
    const QPoint pen = Editor.GetPen();
    Editor.Diagram1MouseDown(&D, Qt::LeftButton, Qt::NoModifier, pen.x(), pen.y());
  }
};

// Made once, destroyed before the application ends.
std::unique_ptr<TEditorBench> Editor;

TEditorBench& Bench() {
  if (!Editor) Editor = std::make_unique<TEditorBench>();
  return *Editor;
}

// Processor time of the process (pooled painting threads included): time spent waiting
// for a shared machine belongs to neither side.
double Seconds(const std::function<void()>& act) {
  const double start = ProcessSeconds();
  act();
  return ProcessSeconds() - start;
}

// Both interleaved, so that machine noise falls on both alike; the drawing is started
// afresh outside the timed part.
void BM_MouseStepToRepaintRatio(benchmark::State& state) {
  TEditorBench& b = Bench();
  double step = 0, repaint = 0;
  int samples = 0;
  bool high = false;
  for (auto _ : state) {
    b.Start();
    high = !high;
    step += Seconds([&] { b.Editor.Diagram1MouseMove(&b.D, Qt::NoModifier, b.Right, high ? b.Top : b.Bottom); });
    samples = b.Editor.GetCount();
    repaint += Seconds([&] { b.D.ShowDiagram(); });
  }
  b.Editor.Diagram1MouseUp(&b.D, Qt::LeftButton, Qt::NoModifier, b.Right, b.Top);
  state.counters["step_ms"] = 1e3 * step / state.iterations();
  state.counters["repaint_ms"] = 1e3 * repaint / state.iterations();
  state.counters["ratio"] = step / repaint;
  state.counters["samples_per_step"] = samples;
}

BENCHMARK(BM_MouseStepToRepaintRatio)->Unit(benchmark::kMillisecond);
}  // namespace

// The offscreen screen is as wide as the program's users' screens, so that the editor's
// samples cover the whole 1600-pixel plot area as they do on such a screen.
int main(int argc, char** argv) {
  QTemporaryDir folder;
  const QString config = folder.filePath(QStringLiteral("screen.json"));
  QFile file(config);
  if (file.open(QIODevice::WriteOnly))
    file.write(R"({"screens": [{"name": "bench", "x": 0, "y": 0, "width": 1920, "height": 1080}]})");
  file.close();
  qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toLocal8Bit());
  return RunWindowBenchmarks<TQtPlatform>(argc, argv, [] { Editor.reset(); });
}
