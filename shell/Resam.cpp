// Start-up: the application object, the platform services, the windows in their
// order of creation, the message loop. Every window is one instance that lives
// until the application ends.
#include <QApplication>

#include "shell/ResamStartUp.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  SetUpApplication();
  const TDesktopServices services;
  const TResamWindows windows;
  ShowMainWindow(windows.Main());
  return QApplication::exec();
}
