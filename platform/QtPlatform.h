#pragma once
#include "platform/CursorConfiner.h"
#include "platform/Platform.h"

class TQtPlatform : public TPlatform {
 public:
  void Message(const QString& text) override;
  bool Question(const QString& title, const QString& text) override;
  bool OpenFileName(const TFileDialogOptions& options, QString& chosen) override;
  bool SaveFileName(const TFileDialogOptions& options, QString& chosen) override;
  void SetClipboardImage(const QImage& image) override;
  void SetClipboardText(const QString& text) override;
  QString ClipboardText() override;
  void PushCursor(Qt::CursorShape shape) override;
  void PopCursor() override;
  void ConfineCursor(const QRect& screenRect) override;
  void ReleaseCursor() override;
  QPoint CursorPos() override;
  void SetCursorPos(const QPoint& screenPos) override;
  void SendKey(int key, const QString& text, Qt::KeyboardModifiers modifiers) override;

 private:
  TCursorConfiner Confiner;
};
