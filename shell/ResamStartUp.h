#pragma once
// The program's start-up, shared by main(), the screenshot program and the tests that run
// the whole program, so that they all meet the program as it really starts.
#include <QStringList>
#include <memory>

#include "platform/QtPlatform.h"

class TDiagramEditor;
class TDiagramIncrease;
class TLibForm;
class TPicViewerForm;
class TPolyGarmForm;
class TRecordingForm;
class TResamForm;
class TSpAnForm;
class TTabEditorForm;
class TYesNoDialogForm;

// What start-up sets once the application object exists and before any window is made: the
// application's name, icon and desktop entry, the language kept in the settings (its texts, Qt's
// own and its number locale) and the font substitutions.
void SetUpApplication();
// The language the command line names ("ru", "en") for this run only; an empty or unknown code
// keeps the one set up.
void ChooseRunLanguage(const QString& code);

// The desktop services on Qt, installed for as long as this lives. Made before the windows,
// it outlives them: a window that goes away may still give back what it took (the welcome
// card, closed or not, its busy cursor).
class TDesktopServices {
 public:
  TDesktopServices();
  ~TDesktopServices();
  TDesktopServices(const TDesktopServices&) = delete;
  TDesktopServices& operator=(const TDesktopServices&) = delete;

 private:
  TQtPlatform Services;
};

// Every window the program creates at start, each the one instance its global pointer
// names. They are made in the program's order, each pointer set as soon as its window
// exists (a later window may look for an earlier one); the pointers are cleared, last
// first, before the windows go.
class TResamWindows {
 public:
  TResamWindows();
  ~TResamWindows();
  TResamWindows(const TResamWindows&) = delete;
  TResamWindows& operator=(const TResamWindows&) = delete;

  TResamForm& Main() const { return *MainWindow; }

 private:
  std::unique_ptr<TResamForm> MainWindow;
  std::unique_ptr<TSpAnForm> SpectrumModule;
  std::unique_ptr<TDiagramIncrease> EnlargedDiagram;
  std::unique_ptr<TDiagramEditor> Editor;
  std::unique_ptr<TYesNoDialogForm> Question;
  std::unique_ptr<TTabEditorForm> TableEditor;
  std::unique_ptr<TLibForm> Library;
  std::unique_ptr<TPicViewerForm> PictureViewer;
  std::unique_ptr<TPolyGarmForm> Fragment;
  std::unique_ptr<TRecordingForm> Recording;
};

// The main window shown maximised, over the screen's available area.
void ShowMainWindow(TResamForm& window);

// Sessions from start-up on: the last session is kept (every minute while a signal is given),
// and a session file named on the command line is opened; one that cannot be opened says why
// and leaves the program at its usual start.
void StartSessions(TResamForm& window, const QStringList& arguments);
// The state the program ends in, kept as the last session.
void EndSessions(TResamForm& window);
