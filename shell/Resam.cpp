// Start-up: the application object, the platform services, the windows in their
// order of creation, a session named on the command line, the message loop, and the
// last session kept as the program ends. Every window is one instance that lives
// until the application ends. The command line's options run the program without a
// window (shell/ResamCommandLine.h) and end with their exit status.
#include <QApplication>

#include "platform/ConsolePlatform.h"
#include "reports/CommandLine.h"
#include "shell/ResamCommandLine.h"
#include "shell/ResamStartUp.h"

int main(int argc, char* argv[]) {
  // Chosen before the application object connects to a display: the options run over ssh,
  // in CI and in a grading script, where there is none.
  if (RunsWithoutWindow(argc, argv)) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QuietenQtNotes();
  }
  QApplication application(argc, argv);
  SetUpApplication();
  TCommandLine line = ParseCommandLine(QApplication::arguments());
  // Before anything is printed or shown, so that the help, the faults and every window speak it.
  if (!line.Language.isEmpty()) {
    ChooseRunLanguage(line.Language);
    line = ParseCommandLine(QApplication::arguments());
  }
  if (line.Mode != TRunMode::Window) return RunCommandLine(line);
  const TDesktopServices services;
  const TResamWindows windows;
  ShowMainWindow(windows.Main());
  StartSessions(windows.Main(), QApplication::arguments());
  const int result = QApplication::exec();
  EndSessions(windows.Main());
  return result;
}
