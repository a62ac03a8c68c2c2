// Start-up: the application object, the platform services, the windows in their
// order of creation, the message loop. Every window is one instance that lives
// until the application ends.
#include <QApplication>
#include <QLocale>

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
  // The interface is Russian, so are its numbers on every machine: every locale-aware
  // conversion writes a decimal comma (typed numbers take a point or a comma).
  QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
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
