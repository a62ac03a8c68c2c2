#pragma once
// The platform double of the tests: it records every message in order, answers
// questions and file dialogs from queues the test fills, and fails the running
// test when a dialog opens with no answer queued.
#include <QImage>
#include <QList>
#include <QStringList>
#include <deque>
#include <optional>

#include "platform/Platform.h"

struct TRecordedDialog {
  bool Save = false;
  TFileDialogOptions Options;
};

class TScriptedPlatform : public TPlatform {
 public:
  void Message(const QString& text) override;
  bool Question(const QString& title, const QString& text) override;
  bool OpenFileName(const TFileDialogOptions& options, QString& chosen) override;
  bool SaveFileName(const TFileDialogOptions& options, QString& chosen) override;
  void SetClipboardImage(const QImage& image) override;
  void SetClipboardText(const QString& text) override;
  QString ClipboardText() override { return ClipboardTextToPaste; }
  void PushCursor(Qt::CursorShape shape) override;
  void PopCursor() override;
  void ConfineCursor(const QRect& screenRect) override;
  void ReleaseCursor() override;
  QPoint CursorPos() override;
  void SetCursorPos(const QPoint& screenPos) override;
  void SendKey(int key, const QString& text, Qt::KeyboardModifiers modifiers) override;

  // Scripting.
  void AnswerQuestion(bool yes) { QuestionAnswers.push_back(yes); }
  // The name, and the filter the user leaves selected (-1: the one the dialog opened on).
  void AnswerFile(const QString& name, int filter = -1) { FileAnswers.push_back(TFileAnswer{name, filter}); }
  void CancelFile() { FileAnswers.push_back(std::nullopt); }
  // Forgets the answers no dialog took (a long run answers ahead of every command).
  void DropAnswers() {
    QuestionAnswers.clear();
    FileAnswers.clear();
  }
  void Reset();

  // What happened.
  QStringList Messages;
  QStringList Questions;
  QList<TRecordedDialog> Dialogs;
  QImage Clipboard;
  QString ClipboardTextToPaste;
  QString ClipboardTextCopied;  // the last text put on the clipboard
  int ClipboardWrites = 0;
  QList<Qt::CursorShape> CursorStack;
  QList<Qt::CursorShape> CursorsPushed;
  std::optional<QRect> Confinement;
  QPoint Cursor;
  QList<int> KeysSent;

 private:
  bool NextFile(bool save, const TFileDialogOptions& options, QString& chosen);

  std::deque<bool> QuestionAnswers;
  struct TFileAnswer {
    QString Name;
    int Filter = -1;
  };
  std::deque<std::optional<TFileAnswer>> FileAnswers;
};

// The platform installed for every test; Reset before each test.
TScriptedPlatform& Scripted();
