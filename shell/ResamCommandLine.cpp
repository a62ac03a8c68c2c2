#include "shell/ResamCommandLine.h"

#include <QByteArray>
#include <QCoreApplication>

#include "platform/ConsolePlatform.h"
#include "reports/ComparisonText.h"
#include "reports/ReportDocument.h"
#include "sessions/SessionCommands.h"
#include "shell/ResamStartUp.h"
#include "shell/ResamUnit.h"

namespace {
struct TFigureChoice {
  TFigureFileFormat Format;
  TFigureFormat Figure;
};
constexpr TFigureChoice FigureChoices[] = {{TFigureFileFormat::Svg, TFigureFormat::Svg},
                                           {TFigureFileFormat::Pdf, TFigureFormat::Pdf},
                                           {TFigureFileFormat::Png, TFigureFormat::Png}};

TFigureFormat FigureFormatOf(TFigureFileFormat format) {
  for (const TFigureChoice& c : FigureChoices)
    if (c.Format == format) return c.Figure;
  return TFigureFormat::Svg;
}

// Opened as the window opens a session, but kept out of the recent list: a script that goes
// through thirty lessons leaves the user's list as it was.
bool OpenLesson(TResamForm& window, const QString& path) {
  QByteArray text;
  return ReadSessionFile(path, text) && window.OpenSessionText(text);
}

int CannotWrite(const QString& path) {
  PrintError(QCoreApplication::translate("TCommandLine", "Не удаётся записать %1").arg(path));
  return ExitCannotWrite;
}

int RunOnLesson(const TCommandLine& line, TResamForm& window) {
  switch (line.Mode) {
    case TRunMode::Compare:
      PrintOutput(ComparisonText(window.ComparisonRows()));
      return ExitDone;
    case TRunMode::Report:
      return WriteReport(window.MakeReport(), line.ReportPath) ? ExitDone : CannotWrite(line.ReportPath);
    case TRunMode::Files:
      if (!line.FiguresFolder.isEmpty() &&
          !window.WriteLessonFigures(line.FiguresFolder, FigureFormatOf(line.Format),
                                     QLatin1Char('.') + FigureFileExtension(line.Format)))
        return CannotWrite(line.FiguresFolder);
      if (!line.CsvFolder.isEmpty() && !window.WriteLessonData(line.CsvFolder)) return CannotWrite(line.CsvFolder);
      return ExitDone;
    default:
      return ExitWrongArguments;
  }
}
}  // namespace

int RunCommandLine(const TCommandLine& line) {
  switch (line.Mode) {
    case TRunMode::Help:
      PrintOutput(HelpText());
      return ExitDone;
    case TRunMode::Version:
      PrintOutput(QStringLiteral("resam ") + ProgramVersion());
      return ExitDone;
    case TRunMode::Wrong:
    case TRunMode::Window:
      PrintError(QStringLiteral("resam: ") + line.Fault + QLatin1Char('\n') + UsageLine());
      return ExitWrongArguments;
    default:
      break;
  }
  TConsolePlatform console;
  InstallPlatform(&console);
  int status = ExitLessonUnreadable;
  {
    const TResamWindows windows;
    if (OpenLesson(windows.Main(), line.Lesson)) status = RunOnLesson(line, windows.Main());
  }
  InstallPlatform(nullptr);
  return status;
}
