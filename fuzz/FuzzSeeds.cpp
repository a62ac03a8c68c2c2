// Writes the fuzzers' seeds with the program's own writers: drawings, tables and number
// texts as the editors save and show them, and a session of each source. Usage: FuzzSeeds
// <folder>; it fills <folder>/drawing, <folder>/table, <folder>/number and <folder>/session.
#include <QApplication>
#include <QDir>
#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "numerics/Mathlib.h"
#include "sessions/SessionFile.h"
#include "sourcedata/DrawingFile.h"
#include "sourcedata/TableFile.h"
#include "widgets/Comfun.h"
#include "widgets/EditFloatUnit.h"

namespace {

void Save(const QString& path, const std::string& bytes) {
  std::ofstream(path.toStdString(), std::ios::binary) << bytes;
}

std::vector<double> Sine(int n) {
  std::vector<double> v(n);
  for (int i = 0; i < n; ++i) v[i] = std::sin(2 * Pi * i / 25.0);
  return v;
}

void WriteDrawingSeeds(const QDir& dir) {
  const std::vector<TDrawingRecord> records = {
      {},
      {0, 10, 10, -1, 1, Sine(100)},
      {-5, 5, 4.5, -2, 2, Sine(1)},
      {1, 1, 1, 0, 1, Sine(3)},
      {0, 1e6, 1e6, -1e-3, 1e-3, Sine(40)},
  };
  for (size_t i = 0; i < records.size(); ++i) {
    std::ostringstream out;
    WriteDrawing(out, records[i]);
    Save(dir.filePath(QStringLiteral("seed%1.dkr").arg(i)), out.str());
  }
}

void WriteTableSeeds(const QDir& dir) {
  const int counts[] = {0, 1, 10, MaxTableValues, MaxTableValues + 3};
  for (int count : counts) {
    const std::vector<double> values = Sine(count);
    std::ostringstream out;
    WriteTable(out, values.data(), count);
    Save(dir.filePath(QStringLiteral("seed%1.tbl").arg(count)), out.str());
  }
}

// First byte: locale and decimals; then the value; then the text a user would see or type.
std::string NumberSeed(unsigned char selector, double value, const QString& text) {
  std::string bytes(1, char(selector));
  bytes.append(reinterpret_cast<const char*>(&value), sizeof value);
  return bytes + text.toStdString();
}

void WriteNumberSeeds(const QDir& dir) {
  const double values[] = {0, 1.5, -0.001, 12345.678, 1e-5, 3e10};
  TEditFloat edit;
  int n = 0;
  for (double value : values) {
    for (unsigned decimals : {0u, 3u, 7u, 9u}) {
      QString text;
      FormatFixed(decimals, text, value);
      Save(dir.filePath(QStringLiteral("fixed%1").arg(n++)), NumberSeed(char(decimals * 2), value, text));
    }
    edit.SetMin(-1e12);
    edit.SetMax(1e12);
    edit.SetVal(value);
    Save(dir.filePath(QStringLiteral("edit%1").arg(n++)), NumberSeed(1, value, edit.text()));
  }
}
// A session of each source, with values away from their defaults, the studies among them.
void WriteSessionSeeds(const QDir& dir) {
  for (int source = TResamEngine::SourceEditor; source <= TResamEngine::SourceTable; ++source) {
    TSession s;
    s.Engine.Source = TResamEngine::TSignalSource(source);
    s.Engine.Method = TResamEngine::TMethod(source * 3 % TResamEngine::MethodCount);
    s.Engine.CountMode = source % 2 == 0;
    s.Engine.N = 10 + source;
    s.Drawing = {0, 10, 7.5, -1, 1, Sine(120)};
    s.Table = Sine(30);
    s.Library = {1 + source, source, 2, 3, 0.5, 2};
    s.Fragment.Amplitude[1] = 1.5;
    s.Fragment.FrequencyHz = true;
    s.Page = source == TResamEngine::SourceLibrary ? 1 : 0;
    TSessionStudies& studies = s.Studies.emplace();
    studies.Engine.Noise = {source % 2 == 1, 15.5 + source, source > 1, 2 + source, 40u + unsigned(source)};
    studies.Engine.Filter = {TFilterKind(source), 2 + source, source % 2 == 0, 0.75 * (1 + source), source == 3};
    studies.Engine.Twin = studies.Terms = source == TResamEngine::SourcePolyharmonic;
    studies.Engine.ExactSamples = studies.Comparison = source != TResamEngine::SourcePolyharmonic;
    studies.Listening = {110 * (1 + source), source % 2 == 0, 20 * source};
    Save(dir.filePath(QStringLiteral("seed%1.resam").arg(source)), SessionText(s).toStdString());
  }
}
}  // namespace

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  if (argc != 2) return 2;
  const QDir root(QString::fromLocal8Bit(argv[1]));
  for (const char* folder : {"drawing", "table", "number", "session"}) root.mkpath(QLatin1String(folder));
  WriteDrawingSeeds(QDir(root.filePath(QStringLiteral("drawing"))));
  WriteTableSeeds(QDir(root.filePath(QStringLiteral("table"))));
  WriteNumberSeeds(QDir(root.filePath(QStringLiteral("number"))));
  WriteSessionSeeds(QDir(root.filePath(QStringLiteral("session"))));
  return 0;
}
