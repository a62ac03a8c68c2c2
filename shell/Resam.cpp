// Start-up: the application object, the platform services, the windows, the message loop.
#include <QApplication>

#include "platform/Fonts.h"
#include "platform/QtPlatform.h"
#include "shell/ResamUnit.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Resam"));
  InstallFontSubstitutions();
  TQtPlatform platform;
  InstallPlatform(&platform);

  TResamForm mainWindow;
  ResamForm = &mainWindow;
  mainWindow.show();
  const int result = QApplication::exec();
  ResamForm = nullptr;
  InstallPlatform(nullptr);
  return result;
}
