#pragma once
// The desktop services every window calls. Two implementations: TQtPlatform
// (the real one) and the scripted double used by the tests.
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <Qt>

struct TFileDialogOptions {
  QString Title;
  // Pairs "description|pattern|description|pattern", e.g. "Bitmaps (*.bmp)|*.bmp".
  QString Filter;
  QString DefaultExt;  // without the dot; added to a chosen name that has no extension
  QString FileName;    // proposed name
  bool OverwritePrompt = false;
};

class TPlatform {
 public:
  virtual ~TPlatform() = default;

  // Modal message box with an OK button.
  virtual void Message(const QString& text) = 0;
  // Modal question with the buttons yes and no; true for yes.
  virtual bool Question(const QString& title, const QString& text) = 0;

  // File dialogs: true and the chosen name, or false when the user cancels.
  virtual bool OpenFileName(const TFileDialogOptions& options, QString& chosen) = 0;
  virtual bool SaveFileName(const TFileDialogOptions& options, QString& chosen) = 0;

  virtual void SetClipboardImage(const QImage& image) = 0;
  virtual void SetClipboardText(const QString& text) = 0;
  // The clipboard's text ("" when it holds none).
  virtual QString ClipboardText() = 0;

  // Application-wide cursor, stacked: every push is matched by one pop.
  virtual void PushCursor(Qt::CursorShape shape) = 0;
  virtual void PopCursor() = 0;

  // Keeps the mouse cursor inside a rectangle in screen coordinates until released.
  virtual void ConfineCursor(const QRect& screenRect) = 0;
  virtual void ReleaseCursor() = 0;
  virtual QPoint CursorPos() = 0;
  virtual void SetCursorPos(const QPoint& screenPos) = 0;

  // Key press and release sent to the focused control.
  virtual void SendKey(int key, const QString& text, Qt::KeyboardModifiers modifiers = Qt::NoModifier) = 0;
};

// The installed platform. Installing also routes the numeric code's messages
// and wait cursor (CoreServices.h) to it. The caller keeps ownership.
TPlatform& Platform();
void InstallPlatform(TPlatform* platform);

// Turns a "description|pattern|..." filter into Qt's "description (pattern);;..." form.
QString QtFilterFromPairs(const QString& pairs);
// The chosen name with the default extension added when it has none.
QString WithDefaultExtension(const QString& name, const QString& defaultExt);
