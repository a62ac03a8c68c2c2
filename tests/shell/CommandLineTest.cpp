// The program without a window, as a script runs it: the real program started with neither
// DISPLAY nor QT_QPA_PLATFORM set, its exit status, its output and the files it leaves,
// checked against the window's own texts and the engine's figures for the same lesson.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <cstdlib>

#include "EndToEndRoad.h"
#include "ScriptedPlatform.h"
#include "platform/Language.h"
#include "reports/CommandLine.h"
#include "sessions/SessionFile.h"
#include "shell/AboutUnit.h"
#include "widgets/EditIntUnit.h"

namespace {
const QString Lesson = QStringLiteral(RESAM_TEST_DATA "/lesson-library.resam");

struct TRun {
  int Status = -1;
  QString Out, Err;
};

TRun RunProgram(const QStringList& arguments) {
  QProcess program;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.remove(QStringLiteral("DISPLAY"));
  environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
  environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
  program.setProcessEnvironment(environment);
  program.start(QStringLiteral(RESAM_PROGRAM), arguments);
  TRun run;
  if (!program.waitForFinished(120000) || program.exitStatus() != QProcess::NormalExit) return run;
  run.Status = program.exitCode();
  run.Out = QString::fromUtf8(program.readAllStandardOutput());
  run.Err = QString::fromUtf8(program.readAllStandardError());
  return run;
}

QString Tool(const QString& tool, const QStringList& arguments) {
  QProcess p;
  p.start(tool, arguments);
  p.waitForFinished();
  return QString::fromUtf8(p.readAllStandardOutput());
}

// The lesson opened in the program's windows, as the window shows it.
struct TOpenLesson : TProgramWindows {
  TOpenLesson() { EXPECT_TRUE(form.OpenSession(Lesson)); }
};
}  // namespace

TEST(CommandLine, EveryExitStatusWithItsMessage) {
  QTemporaryDir dir;
  const QString damaged = dir.filePath(QStringLiteral("damaged.resam"));
  {
    QFile in(Lesson), out(damaged);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly) && out.open(QIODevice::WriteOnly));
    out.write(in.readAll().left(200));
  }
  const QString missingFolder = dir.filePath(QStringLiteral("no/such"));
  QFile blocker(dir.filePath(QStringLiteral("file")));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  const QString underFile = dir.filePath(QStringLiteral("file/figures"));
  struct TCase {
    QStringList Arguments;
    int Status;
    const char* Says;  // on standard output for status 0, else on standard error
  };
  const TCase cases[] = {
      {{"--version"}, ExitDone, "resam " RESAM_VERSION},
      {{"--help"}, ExitDone, "--compare"},
      {{"--compare"}, ExitWrongArguments, "Использование: resam"},
      {{"--report"}, ExitWrongArguments, "Использование: resam"},
      {{"--compare", "--compare", Lesson}, ExitWrongArguments, "дважды"},
      {{"--figures", dir.path(), "--figures", dir.path(), Lesson}, ExitWrongArguments, "дважды"},
      {{"--frobnicate", Lesson}, ExitWrongArguments, "Использование: resam"},
      {{"--report", dir.filePath("r.txt"), Lesson}, ExitWrongArguments, ".pdf"},
      {{"--figures", dir.path(), "--format", "jpg", Lesson}, ExitWrongArguments, "jpg"},
      {{"--compare", "--report", dir.filePath("r.pdf"), Lesson}, ExitWrongArguments, "Использование: resam"},
      {{"--lang", "de", "--compare", Lesson}, ExitWrongArguments, "Использование: resam"},
      {{"--lang=xx"}, ExitWrongArguments, "неизвестный язык: xx"},
      {{"--lang", "en", "--version"}, ExitDone, "resam " RESAM_VERSION},
      {{"--lang", "en", "--help"}, ExitDone, "--lang ru|en           the program's language for this run"},
      {{"--lang", "en", "--format", "jpg", Lesson}, ExitWrongArguments, "--format goes with --figures\nUsage: resam"},
      {{"--compare", dir.filePath("missing.resam")}, ExitLessonUnreadable, "Не удаётся открыть файл"},
      {{"--compare", damaged}, ExitLessonUnreadable, "Файл сеанса повреждён"},
      {{"--report", missingFolder + "/r.pdf", Lesson}, ExitCannotWrite, "Не удаётся записать"},
      {{"--figures", underFile, Lesson}, ExitCannotWrite, "Не удаётся записать"},
      {{"--csv", underFile, Lesson}, ExitCannotWrite, "Не удаётся записать"},
  };
  for (const TCase& c : cases) {
    const TRun run = RunProgram(c.Arguments);
    const QString said = c.Status == ExitDone ? run.Out : run.Err;
    EXPECT_EQ(run.Status, c.Status) << c.Arguments.join(' ').toStdString() << "\n" << run.Err.toStdString();
    EXPECT_TRUE(said.contains(QString::fromUtf8(c.Says)))
        << c.Arguments.join(' ').toStdString() << ": " << said.toStdString();
  }
  // Nothing partial is left where writing failed.
  EXPECT_FALSE(QDir(missingFolder).exists());
  EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("r.txt"))));
}

TEST(CommandLine, OnlyAKnownLanguageKeepsTheWindow) {
  const struct {
    std::vector<const char*> Arguments;
    bool WithoutWindow;
    TRunMode Mode;
    const char* Language;
  } cases[] = {
      {{"resam"}, false, TRunMode::Window, ""},
      {{"resam", "--lang", "en"}, false, TRunMode::Window, "en"},
      {{"resam", "--lang=ru", "lesson.resam"}, false, TRunMode::Window, "ru"},
      {{"resam", "--lang", "en", "--compare", "lesson.resam"}, true, TRunMode::Compare, "en"},
      {{"resam", "--lang", "--compare"}, true, TRunMode::Wrong, ""},
      {{"resam", "--lang", "de"}, true, TRunMode::Wrong, ""},
      {{"resam", "--lang", "en", "--frobnicate"}, true, TRunMode::Wrong, "en"},
      {{"resam", "--lang"}, true, TRunMode::Wrong, ""},
      {{"resam", "--language=en"}, true, TRunMode::Wrong, ""},
  };
  for (const auto& c : cases) {
    QStringList arguments;
    for (const char* a : c.Arguments) arguments << QString::fromLatin1(a);
    SCOPED_TRACE(arguments.join(' ').toStdString());
    EXPECT_EQ(RunsWithoutWindow(int(c.Arguments.size()), c.Arguments.data()), c.WithoutWindow);
    const TCommandLine line = ParseCommandLine(arguments);
    EXPECT_EQ(line.Mode, c.Mode);
    EXPECT_EQ(line.Language, QString::fromLatin1(c.Language)) << "a fault is told in a known language";
  }
}

// Every figure read back from the printed text is the engine's own double, bit for bit.
TEST(CommandLine, CompareEqualsTheEngineFiguresExactly) {
  const TRun run = RunProgram({QStringLiteral("--compare"), Lesson});
  ASSERT_EQ(run.Status, ExitDone) << run.Err.toStdString();
  TOpenLesson w;
  const QStringList lines = run.Out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 1 + TResamEngine::MethodCount);
  EXPECT_EQ(lines[0], ComparisonHeadings().join(QLatin1Char('\t')));
  QString worst;
  for (int m = 0; m < TResamEngine::MethodCount; ++m) {
    const QStringList cells = lines[1 + m].split(QLatin1Char('\t'));
    const TErrorFigures f = w.form.Engine.MethodFigures(TResamEngine::TMethod(m));
    const double figures[] = {f.MaxError, f.RmsError, f.RelativeRms, f.Snr};
    bool same = cells.size() == 5 && cells[0] == w.form.MethodItem(TResamEngine::TMethod(m))->text();
    for (int i = 0; same && i < 4; ++i) {
      const QByteArray text = cells[1 + i].toLatin1();
      same = std::strtod(text.constData(), nullptr) == figures[i] && !text.contains(',');
    }
    if (!same) worst = lines[1 + m];
  }
  EXPECT_TRUE(worst.isEmpty()) << worst.toStdString();
}

// The PDF's text holds the title, the parameters and the method as the window shows them, and
// a number on each of its A4 pages, in the language the program was run in: an English report
// has no Cyrillic letter at all (the library lesson carries no words of its own).
TEST(CommandLine, PdfReportHoldsWhatTheWindowShows) {
  const struct {
    TLanguage Language;
    const char* Title;
    const char* Family;
    const char* Comparison;
  } cases[] = {
      {TLanguage::Russian, "Отчёт: восстановление сигнала по отсчётам", "Степенные чётно-симметричные",
       "Сравнение методов"},
      {TLanguage::English, "Report: rebuilding a signal from its samples", "Power-law, even", "Method comparison"},
  };
  const QRegularExpression cyrillic(QStringLiteral("\\p{Cyrillic}+"));
  for (const auto& c : cases) {
    const QString code = LanguageCode(c.Language);
    SCOPED_TRACE(code.toStdString());
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
    const TRun run = RunProgram({QStringLiteral("--lang"), code, QStringLiteral("--report"), pdf, Lesson});
    ASSERT_EQ(run.Status, ExitDone) << run.Err.toStdString();
    const QString info = Tool(QStringLiteral("pdfinfo"), {pdf});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Page size:\\s+595(\\.\\d+)? x 842"))))
        << info.toStdString();
    const int pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info).captured(1).toInt();
    EXPECT_GE(pages, 3);
    ApplyLanguage(c.Language);
    TOpenLesson w;
    QStringList expected = {QString::fromUtf8(c.Title),  w.form.MethodItem(w.form.Engine.Method())->text(),
                            w.form.EditN->text(),        w.form.EditT->text(),
                            w.form.Label22->text(),      w.form.Label23->text(),
                            QString::fromUtf8(c.Family), QString::fromUtf8(c.Comparison)};
    ApplyLanguage(TLanguage::Russian);
    QStringList russianWords;
    for (int page = 1; page <= pages; ++page) {
      const QString text =
          Tool(QStringLiteral("pdftotext"), {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                                             QString::number(page), pdf, QStringLiteral("-")});
      const QStringList lines = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
      EXPECT_TRUE(lines.contains(QString::number(page))) << "page " << page << " has no number";
      expected.erase(
          std::remove_if(expected.begin(), expected.end(), [&](const QString& t) { return text.contains(t); }),
          expected.end());
      for (auto words = cyrillic.globalMatch(text); words.hasNext();) russianWords << words.next().captured();
    }
    EXPECT_TRUE(expected.isEmpty()) << expected.join(QStringLiteral(" | ")).toStdString();
    EXPECT_EQ(russianWords.isEmpty(), c.Language == TLanguage::English) << russianWords.join(u' ').toStdString();
  }
}

// The HTML is one well-formed file with one inline SVG per diagram of the lesson and one
// for the method's formula; the figures and data files are named after the same diagrams.
TEST(CommandLine, HtmlReportFiguresAndDataOfEveryDiagram) {
  QTemporaryDir dir;
  const QString html = dir.filePath(QStringLiteral("report.html"));
  ASSERT_EQ(RunProgram({QStringLiteral("--report"), html, Lesson}).Status, ExitDone);
  const QString figures = dir.filePath(QStringLiteral("figures")), data = dir.filePath(QStringLiteral("data"));
  ASSERT_EQ(RunProgram({QStringLiteral("--figures"), figures, QStringLiteral("--format"), QStringLiteral("png"),
                        QStringLiteral("--csv"), data, Lesson})
                .Status,
            ExitDone);
  TOpenLesson w;
  QFile file(html);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  QXmlStreamReader xml(&file);
  int figureCount = 0, svgInFigures = 0, depthInFigure = 0;
  while (!xml.atEnd()) {
    xml.readNext();
    if (xml.isStartElement() && xml.name() == QLatin1String("figure")) ++figureCount, depthInFigure = 0;
    if (xml.isStartElement() && xml.name() == QLatin1String("svg") && depthInFigure++ == 0) ++svgInFigures;
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  const std::vector<TResamForm::TLessonDiagram> diagrams = w.form.LessonDiagrams();
  EXPECT_EQ(figureCount, int(diagrams.size()) + 1);
  EXPECT_EQ(svgInFigures, figureCount);
  for (const TResamForm::TLessonDiagram& d : diagrams) {
    EXPECT_FALSE(QImage(QDir(figures).filePath(d.Name + QStringLiteral(".png"))).isNull()) << d.Name.toStdString();
    EXPECT_TRUE(QFile::exists(QDir(data).filePath(d.Name + QStringLiteral(".csv")))) << d.Name.toStdString();
  }
  // The signal's data hold exactly the N samples beside the curves.
  QFile signal(QDir(data).filePath(QStringLiteral("signal.csv")));
  ASSERT_TRUE(signal.open(QIODevice::ReadOnly));
  const QStringList rows = QString::fromUtf8(signal.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  int samples = 0;
  for (const QString& row : rows.mid(1)) samples += row.section(QLatin1Char(','), -1) != QStringLiteral("nan");
  EXPECT_EQ(samples, w.form.Engine.N());
}

// "Сигнал" › "Отчёт...": the chosen kind corrects the name's extension and the file is the
// report; "Справка" › "О программе" names the version --version prints.
TEST(CommandLine, ReportAndAboutFromTheMenus) {
  QTemporaryDir dir;
  TOpenLesson w;
  w.form.N1->aboutToShow();
  ASSERT_TRUE(w.form.ReportItem->isEnabled());
  Scripted().AnswerFile(dir.filePath(QStringLiteral("lesson.txt")), 1);
  w.form.ReportItem->trigger();
  EXPECT_TRUE(Scripted().Messages.size() == 1 && Scripted().Messages[0].contains(QStringLiteral("коррекция")))
      << Scripted().Messages.join(' ').toStdString();
  QFile html(dir.filePath(QStringLiteral("lesson.html")));
  ASSERT_TRUE(html.open(QIODevice::ReadOnly));
  EXPECT_TRUE(html.readAll().contains("<h1>Отчёт: восстановление сигнала по отсчётам</h1>"));
  EXPECT_TRUE(TAboutForm::AboutText().contains(QStringLiteral("Версия " RESAM_VERSION)));
  EXPECT_EQ(w.form.AboutItem->text(), QStringLiteral("О программе"));
}

// The report's study conditions name the filter as the panel does, and where the samples come from.
TEST(CommandLine, ReportNamesTheFilterAsThePanelAndTheSamplesSource) {
  TOpenLesson w;
  TResamForm& f = w.form;
  const struct {
    TPreFilter Filter;
    bool Exact;
    const char* Lines;  // after the noise line; %1 stands for the panel's filter line
  } cases[] = {
      {{}, false, "Фильтр: нет\nОтсчёты из точного сигнала: нет"},
      {{TFilterKind::Butterworth, 4, true, 1, true},
       true,
       "%1\nОшибка относительно отфильтрованного сигнала\nОтсчёты из точного сигнала: да"},
      {{TFilterKind::RC, 4, true, 1, false}, false, "%1\nОтсчёты из точного сигнала: нет"},
  };
  for (const auto& c : cases) {
    f.Show(f.Engine.SetPreFilter(c.Filter));
    if (f.ExactSamplesItem->isChecked() != c.Exact) f.ExactSamplesItem->trigger();
    EXPECT_EQ(f.MakeReport().Blocks.back().Text.section(QLatin1Char('\n'), 1).toStdString(),
              QString::fromUtf8(c.Lines).replace(QStringLiteral("%1"), f.LabelFilter->text()).toStdString());
  }
}
