// Start-up: the application object, the platform services, the windows in their
// order of creation, the message loop. Every window is one instance that lives
// until the application ends.
#include <QApplication>
#include <QLocale>
#include <QScreen>

#include "numerics/SpAnUnit.h"
#include "platform/Fonts.h"
#include "platform/QtPlatform.h"
#include "platform/QtTranslation.h"
#include "plotting/DiagramIncreaseUnit.h"
#include "resources/ApplicationIcon.h"
#include "shell/PicViewerUnit.h"
#include "shell/ResamUnit.h"
#include "shell/YesNoDialogUnit.h"
#include "sources/DiagramEditor.h"
#include "sources/LibUnit.h"
#include "sources/PolyGarmUnit.h"
#include "sources/TabEditor08Unit.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Resam"));
  // The interface is Russian, so are its numbers on every machine: every locale-aware
  // conversion writes a decimal comma (typed numbers take a point or a comma).
  QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
  QApplication::setWindowIcon(ApplicationIcon());
  // Matches the installed resam.desktop, so a desktop shows the entry's icon for the windows.
  QGuiApplication::setDesktopFileName(QStringLiteral("resam"));
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
  TDiagramEditor editor;
  DiagramEditor = &editor;
  TYesNoDialogForm question;
  YesNoDialogForm = &question;
  TTabEditorForm tableEditor;
  TabEditorForm = &tableEditor;
  TLibForm library;
  LibForm = &library;
  TPicViewerForm pictureViewer;
  PicViewerForm = &pictureViewer;
  TPolyGarmForm fragment;
  PolyGarmForm = &fragment;

  // Without a window manager a request to maximise goes unanswered; the window then still
  // covers the screen's available area.
  mainWindow.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
  mainWindow.showMaximized();
  const int result = QApplication::exec();

  PolyGarmForm = nullptr;
  PicViewerForm = nullptr;
  LibForm = nullptr;
  TabEditorForm = nullptr;
  YesNoDialogForm = nullptr;
  DiagramEditor = nullptr;
  DiagramIncrease = nullptr;
  SpAnForm = nullptr;
  ResamForm = nullptr;
  InstallPlatform(nullptr);
  return result;
}
