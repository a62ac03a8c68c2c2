#pragma once
// The desktop services for the program run from a command line with no window: a message
// goes to standard error (a line of UTF-8), a question is answered no, a file dialog is
// cancelled and the clipboard is left alone, since nobody is there to answer or paste.
#include "platform/QtPlatform.h"

class TConsolePlatform : public TQtPlatform {
 public:
  void Message(const QString& text) override;
  bool Question(const QString& title, const QString& text) override;
  bool OpenFileName(const TFileDialogOptions& options, QString& chosen) override;
  bool SaveFileName(const TFileDialogOptions& options, QString& chosen) override;
  void SetClipboardImage(const QImage& image) override;
  void SetClipboardText(const QString& text) override;
  QString ClipboardText() override;
};

// A line of UTF-8 text on standard error, or on standard output.
void PrintError(const QString& text);
void PrintOutput(const QString& text);
// Qt's own notes (a platform plugin that cannot do what a window would ask of it) say nothing
// to a user of the command line; only its critical messages reach standard error from now on.
void QuietenQtNotes();
