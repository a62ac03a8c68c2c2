#include "shell/ResamStartUp.h"

#include <QApplication>

#include "numerics/SpAnUnit.h"
#include "platform/Fonts.h"
#include "platform/Language.h"
#include "plotting/DiagramIncreaseUnit.h"
#include "reports/CommandLine.h"
#include "resources/ApplicationIcon.h"
#include "sessions/SessionHistory.h"
#include "shell/ResamUnit.h"
#include "sources/DiagramEditor.h"
#include "sources/LibUnit.h"
#include "sources/PolyGarmUnit.h"
#include "sources/RecordingUnit.h"
#include "sources/TabEditor08Unit.h"
#include "widgets/PicViewerUnit.h"
#include "widgets/ToolWindow.h"
#include "widgets/YesNoDialogUnit.h"

void SetUpApplication() {
  QApplication::setApplicationName(QStringLiteral("Resam"));
  // The interface's language is the one kept (Russian unless English was chosen), whatever the
  // machine's locale; so are its numbers: a decimal comma in Russian, a point in English
  // (typed numbers take a point or a comma in either).
  ApplyLanguage(StoredLanguage());
  QApplication::setWindowIcon(ApplicationIcon());
  // Matches the installed resam.desktop, so a desktop shows the entry's icon for the windows.
  QGuiApplication::setDesktopFileName(QStringLiteral("resam"));
  InstallFontSubstitutions();
}

void ChooseRunLanguage(const QString& code) {
  TLanguage language;
  if (LanguageFromCode(code, language)) ApplyLanguage(language);
}

TDesktopServices::TDesktopServices() { InstallPlatform(&Services); }

TDesktopServices::~TDesktopServices() { InstallPlatform(nullptr); }

namespace {
// Makes the window and points its global pointer at it straight away.
template <class TWindow>
std::unique_ptr<TWindow> MakeInstance(TWindow*& instance) {
  auto window = std::make_unique<TWindow>();
  instance = window.get();
  return window;
}
}  // namespace

TResamWindows::TResamWindows()
    : MainWindow(std::make_unique<TResamForm>()),
      SpectrumModule(MakeInstance(SpAnForm)),
      EnlargedDiagram(MakeInstance(DiagramIncrease)),
      Editor(MakeInstance(DiagramEditor)),
      Question(MakeInstance(YesNoDialogForm)),
      TableEditor(MakeInstance(TabEditorForm)),
      Library(MakeInstance(LibForm)),
      PictureViewer(MakeInstance(PicViewerForm)),
      Fragment(MakeInstance(PolyGarmForm)),
      Recording(MakeInstance(RecordingForm)) {
  // The spectrum module's window is made after the main window; its settings rule from now on.
  MainWindow->UseSpectrumModule(SpAnForm);
}

// The windows themselves go after this, last made first, as the members end.
TResamWindows::~TResamWindows() {
  RecordingForm = nullptr;
  PolyGarmForm = nullptr;
  PicViewerForm = nullptr;
  LibForm = nullptr;
  TabEditorForm = nullptr;
  YesNoDialogForm = nullptr;
  DiagramEditor = nullptr;
  DiagramIncrease = nullptr;
  SpAnForm = nullptr;
}

// Without a window manager a request to maximise goes unanswered; the window then still
// covers the screen's available area.
void ShowMainWindow(TResamForm& window) {
  CoverAvailableArea(&window);
  window.showMaximized();
}

void StartSessions(TResamForm& window, const QStringList& arguments) {
  window.KeepLastSession(LastSessionPath());
  // The lesson as the command line names it: an option's value ("--lang en") is none.
  const QString lesson = ParseCommandLine(arguments).Lesson;
  if (!lesson.isEmpty()) window.OpenSession(lesson);
}

void EndSessions(TResamForm& window) { window.SaveLastSession(); }
