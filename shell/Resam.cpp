// Start-up: the application object, the platform services, the windows in their
// order of creation, the message loop. Every window is one instance that lives
// until the application ends.
#include <QApplication>

#include "numerics/SpAnUnit.h"
#include "platform/Fonts.h"
#include "platform/QtPlatform.h"
#include "platform/QtTranslation.h"
#include "plotting/DiagramIncreaseUnit.h"
#include "shell/PicViewerUnit.h"
#include "shell/ResamUnit.h"
#include "shell/YesNoDialogUnit.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Resam"));
  InstallFontSubstitutions();
  InstallQtTranslation();
  TQtPlatform platform;
  InstallPlatform(&platform);

  TResamForm mainWindow;
  ResamForm = &mainWindow;
  TSpAnForm spectrumModule;
  SpAnForm = &spectrumModule;
  TDiagramIncrease enlargedDiagram;
  DiagramIncrease = &enlargedDiagram;
  TYesNoDialogForm question;
  YesNoDialogForm = &question;
  TPicViewerForm pictureViewer;
  PicViewerForm = &pictureViewer;

  mainWindow.show();
  const int result = QApplication::exec();

  PicViewerForm = nullptr;
  YesNoDialogForm = nullptr;
  DiagramIncrease = nullptr;
  SpAnForm = nullptr;
  ResamForm = nullptr;
  InstallPlatform(nullptr);
  return result;
}
