#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <algorithm>
#include <cmath>

#include "DiagramTestSupport.h"
#include "FullDisk.h"
#include "ScriptedPlatform.h"
#include "plotting/DiagramExport.h"
#include "plotting/DiagramFrameUnit.h"

namespace {
double Wave(double x) { return std::sin(3 * x); }
double Ramp(double x) { return 0.5 * x; }

// A frame with two curves (one named, one taking the ordinate's name), a discrete series with
// a hole, and a hidden curve that nothing exported may show.
struct TPlot {
  TDiagramFrame Frame;
  TDiagram& D = *Frame.Diagram;
  double Samples[9] = {0.1, -0.2, 0.3, NAN, 0.5, -0.6, 0.7, -0.8, 0.9};
  TPlot() {
    Frame.resize(420, 320);
    D.NewKeeperList(4);
    D.SetNameX(QStringLiteral("t,c"));
    D.SetNameY(QStringLiteral("s(t),В"));
    D.GetKeeper(0)->SetFunction(Wave, 100, -1, 1);
    D.GetKeeper(0)->SetName("Сигнал, В");
    D.GetKeeper(1)->SetFunction(Ramp, 100, -1, 1);
    TKeeper* discrete = D.GetKeeper(2);
    discrete->SetArray(Samples, 9, -1, 1);
    discrete->SetDiscrete();
    discrete->SetMarkers(true);
    discrete->SetName("Отсчёты, В");
    D.GetKeeper(3)->SetFunction(Ramp, 100, -1, 1);
    D.GetKeeper(3)->Hide();
    D.SetRangeX(-0.9, 0.9);
    D.SetRangeY(-1, 1);
    D.ShowDiagram();
  }
};

QStringList Cells(const QString& line) { return line.split(QLatin1Char(',')); }

// The heading row's quoted names; a name holds commas, never quotes here.
QStringList Headings(const QString& line) {
  QStringList names;
  for (const QRegularExpressionMatch& m : QRegularExpression(QStringLiteral("\"([^\"]*)\"")).globalMatch(line))
    names << m.captured(1);
  return names;
}

double Cell(const QStringList& row, int column) {
  return row[column] == QStringLiteral("nan") ? NAN : row[column].toDouble();
}

bool SameValue(double a, double b) { return (std::isnan(a) && std::isnan(b)) || a == b; }

// The PDF's page as a reader shows it, rasterised by poppler's pdftoppm; null when it could not.
QImage PdfPage(const QString& pdf, int dpi) {
  const QString picture = pdf + QStringLiteral(".png");
  QProcess pdftoppm;
  pdftoppm.start(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-gray"), QStringLiteral("-r"),
                                              QString::number(dpi), QStringLiteral("-singlefile"), pdf, pdf});
  if (!pdftoppm.waitForFinished() || pdftoppm.exitCode() != 0) return {};
  return QImage(picture);
}

// The smallest rectangle holding every pixel that is not white.
QRect Ink(const QImage& page) {
  QRect ink;
  for (int y = 0; y < page.height(); ++y)
    for (int x = 0; x < page.width(); ++x)
      if (qGray(page.pixel(x, y)) < 255) ink |= QRect(x, y, 1, 1);
  return ink;
}
}  // namespace

TEST(DiagramExport, DataFileHoldsTheShownSeriesAtTheirAbscissae) {
  QTemporaryDir dir;
  TPlot plot;
  const QString name = dir.filePath(QStringLiteral("plot.csv"));
  Scripted().AnswerFile(name);
  QTest::mouseClick(plot.Frame.SpeedButtonData, Qt::LeftButton);
  EXPECT_TRUE(Scripted().Messages.isEmpty());
  QFile file(name);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  EXPECT_EQ(Headings(lines[0]),
            QStringList({QStringLiteral("t,c"), QStringLiteral("Сигнал, В"), QStringLiteral("s(t),В"),
                         QStringLiteral("t,c (Отсчёты)"), QStringLiteral("Отсчёты, В")}));
  const TDiagram& d = plot.D;
  const int columns = d.Get_w_out() + 1;
  ASSERT_EQ(lines.size(), 1 + columns);
  int worst = -1;
  for (int i = 0; i < columns; ++i) {
    const QStringList row = Cells(lines[1 + i]);
    ASSERT_EQ(row.size(), 5);
    const double x = d.PhisToMathX(d.Get_x0_out() + i);
    const bool curves = Cell(row, 0) == x && Cell(row, 1) == Wave(x) && Cell(row, 2) == Ramp(x);
    // The samples at -0.75, -0.5, ... 0.75 (those in view), then nothing.
    const int n = i + 1;
    const double sx = n < 8 ? -1 + 0.25 * n : NAN, sv = n < 8 ? plot.Samples[n] : NAN;
    if (!curves || !SameValue(Cell(row, 3), sx) || !SameValue(Cell(row, 4), sv)) worst = i;
  }
  EXPECT_EQ(worst, -1) << lines[1 + std::max(0, worst)].toStdString();

  // Nothing shown: the abscissa heading alone.
  for (int k = 0; k < 4; ++k) plot.D.GetKeeper(k)->Hide();
  Scripted().AnswerFile(name);
  plot.Frame.SpeedButtonDataClick();
  file.close();
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), QByteArray("\xEF\xBB\xBF\"t,c\"\n"));
}

TEST(DiagramExport, EveryFigureFormatFromThePictureDialog) {
  QTemporaryDir dir;
  TPlot plot;
  const QSize size = plot.D.size();
  struct TCase {
    int Filter;
    const char* Name;
  };
  const TCase cases[] = {{0, "a.bmp"}, {1, "b.png"}, {2, "c.png"}, {3, "d.svg"}, {4, "e.pdf"}};
  for (const TCase& c : cases) {
    Scripted().AnswerFile(dir.filePath(QString::fromLatin1(c.Name)), c.Filter);
    plot.Frame.SpeedButtonSaveClick();
  }
  EXPECT_TRUE(Scripted().Messages.isEmpty());
  const QImage bmp(dir.filePath(QStringLiteral("a.bmp")), "BMP");
  EXPECT_EQ(bmp.convertToFormat(QImage::Format_RGB32), plot.D.PrintPicture().convertToFormat(QImage::Format_RGB32));
  EXPECT_EQ(QImage(dir.filePath(QStringLiteral("b.png"))).size(), size);
  EXPECT_EQ(QImage(dir.filePath(QStringLiteral("c.png"))).size(), 2 * size);

  QFile svgFile(dir.filePath(QStringLiteral("d.svg")));
  ASSERT_TRUE(svgFile.open(QIODevice::ReadOnly));
  const QByteArray svg = svgFile.readAll();
  QSvgRenderer renderer(svg);
  ASSERT_TRUE(renderer.isValid());
  EXPECT_EQ(renderer.defaultSize(), size);
  EXPECT_EQ(QString::fromUtf8(svg).count(QStringLiteral("<path")), 2);  // the two shown curves
  EXPECT_TRUE(svg.contains(">t,c</text>"));

  QFile pdf(dir.filePath(QStringLiteral("e.pdf")));
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  const QByteArray bytes = pdf.readAll();
  EXPECT_TRUE(bytes.startsWith("%PDF"));
  EXPECT_EQ(QString::fromLatin1(bytes).count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))), 1);
}

// A full disk: the write fails part way.
TEST(DiagramExport, FailedWriteIsSaidAndLeavesTheOldFileIntact) {
  QTemporaryDir dir;
  TPlot plot;
  const QString name = dir.filePath(QStringLiteral("old.svg"));
  QFile old(name);
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.write("old");
  old.close();
  bool written = true;
  {
    TFullDisk full(1024);
    written = WriteFigure({&plot.D, {}}, name, TFigureFormat::Svg);
  }
  EXPECT_FALSE(written);
  EXPECT_EQ(Scripted().Messages, QStringList(QStringLiteral("Не удаётся записать файл ") + name));
  ASSERT_TRUE(old.open(QIODevice::ReadOnly));
  EXPECT_EQ(old.readAll(), QByteArray("old"));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList(QStringLiteral("old.svg")));
}

// A wide and a tall diagram on the A4 landscape page: all of it within the 10 mm margins, and
// its longer side (for the page's shape) from margin to margin.
TEST(DiagramExport, PdfFigureFitsWithinTheMarginsAndFillsThem) {
  constexpr int Dpi = 50;
  constexpr double PageMm[] = {297, 210}, MarginMm = 10, Tolerance = 1;  // pixels
  const QSize sizes[] = {{900, 300}, {300, 900}};
  QTemporaryDir dir;
  for (const QSize& size : sizes) {
    const auto diagram = MakeDiagram(size.width(), size.height());
    // The diagram leaves a border blank; an outline over its bounds shows where the figure ends.
    const auto outline = [&](QPainter& p) { p.drawRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1)); };
    const QString name = dir.filePath(QStringLiteral("figure.pdf"));
    ASSERT_TRUE(WriteFigure({diagram.get(), outline}, name, TFigureFormat::Pdf));
    const QImage page = PdfPage(name, Dpi);
    ASSERT_FALSE(page.isNull()) << "pdftoppm (poppler-utils, scripts/install-deps) could not rasterise the figure";
    const double perMm = Dpi / 25.4, margin = MarginMm * perMm;
    ASSERT_NEAR(page.width(), PageMm[0] * perMm, 1);
    ASSERT_NEAR(page.height(), PageMm[1] * perMm, 1);
    const QRectF inside(margin, margin, page.width() - 2 * margin, page.height() - 2 * margin);
    const QRectF ink = Ink(page);
    const auto report = [&] {
      return QStringLiteral("%1x%2: ink %3..%4 x %5..%6 px, within margins %7..%8 x %9..%10 px")
          .arg(size.width())
          .arg(size.height())
          .arg(ink.left())
          .arg(ink.right())
          .arg(ink.top())
          .arg(ink.bottom())
          .arg(inside.left())
          .arg(inside.right())
          .arg(inside.top())
          .arg(inside.bottom())
          .toStdString();
    };
    EXPECT_TRUE(inside.adjusted(-Tolerance, -Tolerance, Tolerance, Tolerance).contains(ink)) << report();
    const bool wide = size.width() * inside.height() > size.height() * inside.width();
    const double spanned = wide ? ink.width() / inside.width() : ink.height() / inside.height();
    EXPECT_NEAR(spanned, 1, 2 * Tolerance / (wide ? inside.width() : inside.height())) << report();
  }
}

// The zeros a diagram draws at grid positions beyond a series' samples are no data: the
// samples column holds the series' own values (with their mirror, or all periods, where the
// series has them), so that a script reads exactly its samples.
TEST(DiagramExport, DataHoldsEachSeriesOwnSamplesOnly) {
  double samples[5] = {1, 2, 3, 4, 5};
  struct TCase {
    const char* Name;
    TKeeperShape Shape;
    unsigned char Symmetry;
    std::vector<double> Values;  // the samples column over the view [-2, 3]
  };
  const TCase cases[] = {
      {"plain", ShapeDiscrete, SymmetryNone, {1, 2, 3, 4, 5}},
      {"even", ShapeDiscrete, SymmetryEven, {5, 4, 3, 2, 1, 2, 3, 4, 5}},
      {"odd", ShapeDiscrete, SymmetryOdd, {-5, -4, -3, -2, 1, 2, 3, 4, 5}},
      {"periodic", ShapePeriodicDiscrete, SymmetryNone, {}},
  };
  for (const TCase& c : cases) {
    TDiagramFrame frame;
    frame.resize(420, 320);
    TDiagram& d = *frame.Diagram;
    TKeeper* k = d.GetKeeper(0);
    k->SetArray(samples, 5, 0, 1);
    if (c.Shape == ShapePeriodicDiscrete) k->SetPeriodic(5);  // five samples a period
    k->SetShape(c.Shape);
    k->SetSymmetry(c.Symmetry);
    d.SetLimitX(-10, 10);
    d.SetRangeX(-2, 3);
    d.ShowDiagram();
    TDataTable table;
    ASSERT_TRUE(d.VisibleData(table)) << c.Name;
    ASSERT_EQ(table.size(), 1u) << c.Name;
    ASSERT_EQ(table[0].Series.size(), 1u) << c.Name;
    const std::vector<double>& values = table[0].Series[0].Values;
    EXPECT_EQ(table[0].X.Values.size(), values.size()) << c.Name;
    if (c.Shape == ShapePeriodicDiscrete) {  // every grid position in view, -2 .. 3 by 0.25, all data
      EXPECT_EQ(values.size(), 21u) << c.Name;
      EXPECT_EQ(std::count(values.begin(), values.end(), 0.0), 0) << c.Name;
    } else
      EXPECT_EQ(values, c.Values) << c.Name;
  }
}
