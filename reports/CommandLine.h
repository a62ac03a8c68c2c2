#pragma once
// The program without a window: what the command line asks for, read before anything is
// shown. `resam LESSON.resam` (or nothing) starts the window as always; the options make a
// report, print the comparison of the methods, or write the diagrams and their data, and
// end with an exit status a script can test.
#include <QString>
#include <QStringList>

// The exit statuses of the options, as the help text states them.
enum TExitStatus {
  ExitDone = 0,
  ExitLessonUnreadable = 1,  // the lesson is missing or damaged (the reader's message on standard error)
  ExitWrongArguments = 2,    // the usage line on standard error
  ExitCannotWrite = 3,       // the output file or folder cannot be written
};

enum class TRunMode { Window, Help, Version, Report, Compare, Files, Wrong };
enum class TFigureFileFormat { Svg, Pdf, Png };

struct TCommandLine {
  TRunMode Mode = TRunMode::Window;
  QString Lesson;         // the ".resam" file (Window: may be empty)
  QString ReportPath;     // Report: ".pdf" or ".html"
  QString FiguresFolder;  // Files: "" when only the data are asked for
  QString CsvFolder;      // Files: "" when only the figures are asked for
  TFigureFileFormat Format = TFigureFileFormat::Svg;
  QString Language;  // --lang's code for this run ("ru", "en"); empty: the one kept in the settings
  QString Fault;     // Wrong: what was wrong, in Russian
};

// Whether argv asks for something other than the window: any argument that looks like an
// option of ours but --lang (with its value), which only chooses the window's language. Read from the raw arguments,
// before the application object exists, so that the program can choose the offscreen platform and run with no display
// at all.
bool RunsWithoutWindow(int argc, const char* const* argv);
// Reads the arguments (the program's name first, Qt's own options already taken out).
TCommandLine ParseCommandLine(const QStringList& arguments);

// "Использование: ..." on one line, and the whole help text (it ends with the usage of
// each option and the exit statuses).
QString UsageLine();
QString HelpText();
// The program's version ("1.0.0"), the project version the build was configured with.
QString ProgramVersion();
// The extension a figure file of the format takes, without its dot.
QString FigureFileExtension(TFigureFileFormat format);
