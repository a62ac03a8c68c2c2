// Start-up: the application object, the platform services, the windows in their
// order of creation, the message loop. Every window is one instance that lives
// until the application ends.
#include <QApplication>

#include "platform/QtPlatform.h"
#include "shell/ResamStartUp.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  SetUpApplication();
  TQtPlatform platform;
  InstallPlatform(&platform);

  const TResamWindows windows;
  ShowMainWindow(windows.Main());
  const int result = QApplication::exec();

  InstallPlatform(nullptr);
  return result;
}
