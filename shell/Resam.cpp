// Start-up: the application object, the platform services, the windows in their
// order of creation, a session named on the command line, the message loop, and the
// last session kept as the program ends. Every window is one instance that lives
// until the application ends.
#include <QApplication>

#include "shell/ResamStartUp.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  SetUpApplication();
  const TDesktopServices services;
  const TResamWindows windows;
  ShowMainWindow(windows.Main());
  StartSessions(windows.Main(), QApplication::arguments());
  const int result = QApplication::exec();
  EndSessions(windows.Main());
  return result;
}
