#include "ScriptedPlatform.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

void TScriptedPlatform::Message(const QString& text) { Messages << text; }

bool TScriptedPlatform::Question(const QString& title, const QString& text) {
  Questions << text;
  if (QuestionAnswers.empty()) {
    ADD_FAILURE() << "A question was asked with no answer queued: " << text.toStdString() << " (" << title.toStdString()
                  << ")";
    return false;
  }
  const bool answer = QuestionAnswers.front();
  QuestionAnswers.pop_front();
  return answer;
}

bool TScriptedPlatform::NextFile(bool save, const TFileDialogOptions& options, QString& chosen) {
  Dialogs << TRecordedDialog{save, options};
  if (FileAnswers.empty()) {
    ADD_FAILURE() << "A file dialog was opened with no answer queued: " << options.Title.toStdString();
    return false;
  }
  const std::optional<QString> answer = FileAnswers.front();
  FileAnswers.pop_front();
  if (!answer) return false;
  chosen = save ? WithDefaultExtension(*answer, options.DefaultExt) : *answer;
  return true;
}

bool TScriptedPlatform::OpenFileName(const TFileDialogOptions& options, QString& chosen) {
  return NextFile(false, options, chosen);
}

bool TScriptedPlatform::SaveFileName(const TFileDialogOptions& options, QString& chosen) {
  return NextFile(true, options, chosen);
}

void TScriptedPlatform::SetClipboardImage(const QImage& image) {
  Clipboard = image;
  ++ClipboardWrites;
}

void TScriptedPlatform::SetClipboardText(const QString& text) {
  ClipboardTextCopied = text;
  ++ClipboardWrites;
}

void TScriptedPlatform::PushCursor(Qt::CursorShape shape) {
  CursorStack << shape;
  CursorsPushed << shape;
}

void TScriptedPlatform::PopCursor() {
  if (CursorStack.isEmpty()) {
    ADD_FAILURE() << "The cursor was put back more often than it was changed";
    return;
  }
  CursorStack.removeLast();
}

void TScriptedPlatform::ConfineCursor(const QRect& screenRect) { Confinement = screenRect; }

void TScriptedPlatform::ReleaseCursor() { Confinement.reset(); }

QPoint TScriptedPlatform::CursorPos() { return Cursor; }

void TScriptedPlatform::SetCursorPos(const QPoint& screenPos) { Cursor = screenPos; }

void TScriptedPlatform::SendKey(int key, const QString& text, Qt::KeyboardModifiers modifiers) {
  KeysSent << key;
  QWidget* target = QApplication::focusWidget();
  if (!target) return;
  QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
  QApplication::sendEvent(target, &press);
  QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
  QApplication::sendEvent(target, &release);
}

void TScriptedPlatform::Reset() {
  Messages.clear();
  Questions.clear();
  Dialogs.clear();
  Clipboard = QImage();
  ClipboardTextToPaste.clear();
  ClipboardTextCopied.clear();
  ClipboardWrites = 0;
  CursorStack.clear();
  CursorsPushed.clear();
  Confinement.reset();
  Cursor = QPoint();
  KeysSent.clear();
  QuestionAnswers.clear();
  FileAnswers.clear();
}
