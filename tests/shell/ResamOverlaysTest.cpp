// The diagrams' legends and the marked analysis interval, as a student sees them per tab and
// state, and the figures leaving the program in the screen's colours with their legend.
#include <gtest/gtest.h>

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

#include "ResamTestSignals.h"
#include "ScriptedPlatform.h"
#include "plotting/Diagram.h"
#include "plotting/DiagramColours.h"
#include "plotting/DiagramExport.h"
#include "plotting/DiagramFrameUnit.h"
#include "studies/ComparisonPage.h"
#include "studies/ErrorFiguresLabel.h"
#include "studies/TermsView.h"
#include "widgets/EditIntUnit.h"

namespace {
using TLegend = std::vector<TDiagram::TLegendLine>;
// The series' colours as the toolkit writes them.
constexpr int Red = 0x0000FF, Blue = 0xFF0000, Black = 0, Green = 0x008000;

TDiagram::TLegendLine Line(int colour, const char* text, bool marker = false, bool dashed = false) {
  return {colour, QString::fromUtf8(text), marker, dashed};
}

std::string Texts(const TLegend& legend) {
  QStringList texts;
  for (const auto& line : legend) texts << line.Text;
  return texts.join(" | ").toStdString();
}

// Rows of the net whose pixel in column x differs between two pictures of one diagram.
int DifferingRows(const QImage& a, const QImage& b, const TDiagram& d, int x) {
  int rows = 0;
  for (int y = d.Get_yb_net() + 1; y < d.Get_ye_net(); ++y) rows += a.pixel(x, y) != b.pixel(x, y);
  return rows;
}

int BlackRows(const QImage& a, const TDiagram& d, int x) {
  int rows = 0;
  for (int y = d.Get_yb_net() + 1; y < d.Get_ye_net(); ++y) rows += a.pixel(x, y) == qRgb(0, 0, 0);
  return rows;
}
}  // namespace

TEST(ResamOverlays, EachDiagramNamesItsShownSeriesInTheirColours) {
  const double values[] = {1, 2, 3, 2, 1};
  const TLegend signal{Line(Red, "Сигнал"), Line(Black, "Отсчёты", true), Line(Blue, "Интерполирующая функция")};
  const TLegend spectra{Line(Red, "Спектр сигнала"), Line(Black, "Спектр дискретного сигнала"),
                        Line(Blue, "Спектр интерполирующей функции")};
  struct TCase {
    const char* State;
    std::function<void(TResamForm&)> Give;
    TLegend Signal, Spectra, Error;
  };
  const TCase cases[] = {
      {"no signal", [](TResamForm&) {}, {}, {}, {}},
      {"fragment", [](TResamForm& f) { GiveRectangularFragment(f, 8); }, signal, spectra, {Line(Green, "Ошибка")}},
      {"table",
       [&values](TResamForm& f) { GiveTableSignal(f, values, 5); },
       {signal[1], signal[2]},
       {spectra[1], spectra[2]},
       {}},
      {"twin and terms",
       [](TResamForm& f) {
         GiveRectangularFragment(f, 8);
         f.TwinItem->trigger();
         f.Terms->Item->trigger();
       },
       {signal[0], signal[1], signal[2], Line(0xA0A000, "Сигнал-двойник"), Line(TTermsView::Colour(), "Слагаемые")},
       spectra,
       {Line(Green, "Ошибка")}},
      {"filter",
       [](TResamForm& f) {
         GiveRectangularFragment(f, 8);
         TPreFilter butterworth;
         butterworth.Kind = TFilterKind::Butterworth;
         f.Show(f.Engine.SetPreFilter(butterworth));
       },
       {signal[0], Line(Green, "Отфильтрованный сигнал", false, true), signal[1], signal[2]},
       {spectra[0], spectra[1], spectra[2], Line(Green, "АЧХ фильтра")},
       {Line(Green, "Ошибка")}},
      {"samples switched off",
       [](TResamForm& f) {
         GiveRectangularFragment(f, 8);
         f.N25->trigger();
       },
       {signal[0], signal[2]},
       {spectra[0], spectra[2]},
       {Line(Green, "Ошибка")}},
  };
  for (const TCase& c : cases) {
    TResamForm form;
    c.Give(form);
    EXPECT_EQ(form.DFs->Diagram->GetLegend(), c.Signal) << c.State << ": " << Texts(form.DFs->Diagram->GetLegend());
    EXPECT_EQ(form.DFAS->Diagram->GetLegend(), c.Spectra) << c.State << ": " << Texts(form.DFAS->Diagram->GetLegend());
    EXPECT_EQ(form.DFE->Diagram->GetLegend(), c.Error) << c.State << ": " << Texts(form.DFE->Diagram->GetLegend());
    EXPECT_EQ(form.DFs->Diagram->GetLegendRect().isEmpty(), c.Signal.empty()) << c.State;
    // The interval is marked where there is an error to cover.
    EXPECT_EQ(form.DFE->Diagram->GetIntervalMark().On, !c.Error.empty()) << c.State;
    // Off, no legend is left but the twin's own.
    form.LegendItem->trigger();
    EXPECT_TRUE(form.DFAS->Diagram->GetLegend().empty() && form.DFE->Diagram->GetLegend().empty()) << c.State;
    const TLegend rest = form.DFs->Diagram->GetLegend();
    EXPECT_TRUE(rest.empty() || rest == TLegend{Line(0xA0A000, "Сигнал-двойник")}) << c.State << ": " << Texts(rest);
  }
  EXPECT_TRUE(Scripted().Messages.isEmpty()) << Scripted().Messages.join('\n').toStdString();
}

// The error diagram of a library pulse shows more than the interval its figures cover: the
// marks draw a line at T1 and at T2 and shade beyond them, and change nothing between them
// but the legend; the label says what the figures cover.
TEST(ResamOverlays, AnalysisIntervalIsMarkedAndTheFiguresSayTheyCoverIt) {
  TResamForm form;
  GiveLibrarySignal(form, SlowWave, 1, 0);
  for (TDiagramFrame* frame : {form.DFs, form.DFE}) {
    TDiagram& d = *frame->Diagram;
    d.SetRangeX(form.Engine.T1() - 0.25, form.Engine.T2() + 0.25);
    const QImage marked = d.Picture();
    form.LegendItem->setChecked(false);
    const QImage plain = d.Picture();
    form.LegendItem->setChecked(true);
    const int net = d.Get_ye_net() - d.Get_yb_net() - 1;
    const int x1 = d.MathToPhisX(form.Engine.T1()), x2 = d.MathToPhisX(form.Engine.T2());
    const int middle = (x1 + x2) / 2;
    ASSERT_LT(d.GetLegendRect().right(), d.Get_xe_net());
    for (int x : {x1, x2}) EXPECT_GT(BlackRows(marked, d, x), net * 3 / 4) << d.GetNameDiagram().toStdString();
    // Shading leaves the black of a dotted grid line black.
    for (int x : {(d.Get_xb_net() + x1) / 2, (x2 + d.Get_xe_net()) / 2})
      EXPECT_GT(DifferingRows(marked, plain, d, x), net / 2) << d.GetNameDiagram().toStdString() << " at " << x;
    EXPECT_EQ(DifferingRows(marked, plain, d, middle), 0) << d.GetNameDiagram().toStdString();
  }
  EXPECT_TRUE(form.LabelErrorFigures->text().startsWith(QStringLiteral("На интервале анализа: макс. ошибка = ")))
      << form.LabelErrorFigures->text().toStdString();
}

// PNG, SVG and PDF in the screen's colours with the legend; BMP and the clipboard black on white.
TEST(ResamOverlays, FiguresKeepTheScreenColoursAndTheLegend) {
  TResamForm form;
  GiveRectangularFragment(form, 8);
  TDiagram& d = *form.DFs->Diagram;
  const QString svg = QString::fromUtf8(FigureBytes({&d, {}}, TFigureFormat::Svg));
  for (const char* colour : {"#ff0000", "#0000ff"})
    EXPECT_TRUE(svg.contains(QStringLiteral("stroke=\"%1\"").arg(QLatin1String(colour)))) << colour;
  for (const char* text : {"Сигнал", "Отсчёты", "Интерполирующая функция"})
    EXPECT_TRUE(svg.contains(QStringLiteral(">%1</text>").arg(QString::fromUtf8(text)))) << text;
  const auto redPixels = [](const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) count += image.pixel(x, y) == qRgb(255, 0, 0);
    return count;
  };
  EXPECT_GT(redPixels(QImage::fromData(FigureBytes({&d, {}}, TFigureFormat::Png), "PNG")), 0);
  EXPECT_EQ(redPixels(QImage::fromData(FigureBytes({&d, {}}, TFigureFormat::Bmp), "BMP")), 0);
  EXPECT_EQ(redPixels(d.PrintPicture()), 0);
}

// Noise, quantisation, a filter or exact samples in force: the error and comparison tabs say
// so in one line, as the panel does; a table signal has no exact samples to speak of.
TEST(ResamOverlays, StudyStateIsNotedOnTheErrorAndComparisonTabs) {
  const double values[] = {1, 2, 3, 2, 1};
  const struct {
    bool Table;
    TSampleNoise Noise;
    TFilterKind Filter;
    bool ErrorToFiltered, Exact;
    const char* Note;
  } cases[] = {
      {false, {true, 30, false, 8, 1}, TFilterKind::None, false, false, "Шум: ОСШ 30 дБ"},
      {false, {true, 30, true, 6, 1}, TFilterKind::None, false, false, "Шум: ОСШ 30 дБ; квантование: 6 бит"},
      {false,
       {false, 30, true, 6, 1},
       TFilterKind::None,
       false,
       true,
       "Квантование: 6 бит; отсчёты из точного сигнала"},
      {false, {}, TFilterKind::RC, false, false, "Фильтр: RC-цепь, fср = 0,50 Гц"},
      {false,
       {true, 20, false, 8, 1},
       TFilterKind::Ideal,
       true,
       true,
       "Шум: ОСШ 20 дБ; фильтр: идеальный ФНЧ, fср = 0,50 Гц; ошибка относительно отфильтрованного сигнала; отсчёты "
       "из точного сигнала"},
      {false, {}, TFilterKind::None, true, true, "Отсчёты из точного сигнала"},
      {false, {}, TFilterKind::None, false, false, ""},
      {true, {}, TFilterKind::None, false, true, ""},
  };
  for (const auto& c : cases) {
    TResamForm form;
    if (c.Table)
      GiveTableSignal(form, values, 5);
    else
      GiveLibrarySignal(form, SlowWave, 1, 0);
    form.ComparisonItem->trigger();
    TPreFilter filter;
    filter.Kind = c.Filter;
    filter.FollowsFd = false;
    filter.CutoffHz = 0.5;
    filter.ErrorToFiltered = c.ErrorToFiltered;
    form.Show(form.Engine.SetSampleNoise(c.Noise));
    form.Show(form.Engine.SetPreFilter(filter));
    if (c.Exact) form.ExactSamplesItem->trigger();
    const QString note = QString::fromUtf8(c.Note);
    const QStringList error = form.LabelErrorFigures->text().split(QLatin1Char('\n'));
    EXPECT_EQ(error.size() > 1 ? error[1] : QString(), note) << c.Note;
    EXPECT_EQ(form.TabSheetComparison->StudyNote->text(), note);
    EXPECT_EQ(form.TabSheetComparison->StudyNote->isHidden(), note.isEmpty()) << c.Note;
    // The figures hide none of the error curve: the top of its automatic range lies below them.
    if (c.Table) continue;
    TDiagram& d = *form.DFE->Diagram;
    const double raised = d.GetYmax();
    d.AutoRangeY();
    const double highest = d.GetYmax();
    d.SetYmax(raised);
    EXPECT_GT(d.MathToPhisY(highest), form.LabelErrorFigures->geometry().bottom()) << c.Note;
  }
}

// The Nmin read-out warns below Nmin only; Lagrange lowering the count says so until the next change.
TEST(ResamHints, NminWarningAndTheCountLagrangeLowered) {
  TResamForm form;
  GiveLibrarySignal(form, SlowWave, 1, 0);
  const int least = form.Engine.Nmin();
  const QColor plain = form.GroupBox1->palette().color(QPalette::WindowText);
  for (int n : {2, least - 1, least, least + 1, 2 * least}) {
    form.EditN->SetVal(n);
    form.EditNExit();
    const bool below = n < least;
    EXPECT_EQ(form.Label23->toolTip(), below ? QStringLiteral("N меньше Nmin: возможно наложение спектров") : QString())
        << n;
    EXPECT_EQ(form.Label23->palette().color(QPalette::WindowText) != plain, below) << n;
  }
  const struct {
    int Count;
    const char* Note;
  } cases[] = {{51, "N уменьшено до 50: многочлен Лагранжа строится не более чем по 50 отсчётам"}, {30, ""}};
  for (const auto& c : cases) {
    form.MethodItem(TResamEngine::MethodKotelnikov)->trigger();
    form.EditN->SetVal(c.Count);
    form.EditNExit();
    form.MethodItem(TResamEngine::MethodLagrange)->trigger();
    EXPECT_EQ(form.LabelCountNote->text(), QString::fromUtf8(c.Note));
    EXPECT_EQ(form.LabelCountNote->isHidden(), !*c.Note) << c.Count;
    form.EditN->SetVal(40);
    form.EditNExit();
    EXPECT_TRUE(form.LabelCountNote->isHidden());
  }
}

// Filled bars named under the method menu's short names, the best starred in the chart and in
// the table's row heading (which a selection does not cover), a bar far above the others cut
// with its value written; a table signal leaves only the note.
TEST(ResamOverlays, ComparisonChartNamesItsBarsMarksTheBestAndCutsTheOffScaleOne) {
  TComparisonPage page;
  page.resize(900, 500);
  page.show();
  std::vector<TComparisonPage::TRow> rows;
  for (int m = 0; m < TResamEngine::MethodCount; ++m) {
    TErrorFigures f;
    f.Gap = TFiguresGap::None;
    f.MaxError = f.RmsError = 0.01 * (m + 2);
    f.RelativeRms = m == 1 ? 900 : 2.0 + m;
    f.Snr = 20;
    rows.push_back({QStringLiteral("Метод %1").arg(m), f, QStringLiteral("М%1").arg(m)});
  }
  rows[5].Figures.RmsError = 0.001;  // the best
  page.ShowRows(rows, 5);
  TDiagram& d = *page.DFC->Diagram;
  const std::vector<TDiagram::TBarMark>& bars = d.GetBars();
  ASSERT_EQ(int(bars.size()), TResamEngine::MethodCount);
  for (int m = 0; m < TResamEngine::MethodCount; ++m) {
    EXPECT_EQ(bars[m].Label, rows[m].ShortName);
    EXPECT_EQ(bars[m].Best, m == 5) << m;
  }
  EXPECT_EQ(bars[5].Colour, Blue);
  EXPECT_GT(bars[1].Value, d.GetYmax());
  EXPECT_EQ(bars[1].ValueText, QStringLiteral("900"));
  // The cut bar reaches the net's top in its colour.
  const QRgb top = d.Picture().pixel(d.MathToPhisX(bars[1].X), d.Get_yb_net() + 2);
  EXPECT_EQ(top, ColourOf(bars[1].Colour).rgb());
  EXPECT_TRUE(page.Table->verticalHeaderItem(page.Table->currentRow())->text().endsWith(QStringLiteral("★")));
  for (auto& row : rows) row.Figures = TErrorFigures{TFiguresGap::TableSignal};
  page.ShowRows(rows, 5);
  EXPECT_FALSE(page.Note->isHidden());
  EXPECT_TRUE(page.Table->isHidden() && page.DFC->isHidden() && page.ButtonCopy->isHidden());
}
