#include "platform/QtPlatform.h"

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMessageBox>

namespace {
QString Caption() { return QApplication::applicationDisplayName(); }

QFileDialog::Options DialogOptions(const TFileDialogOptions& options) {
  QFileDialog::Options result;
  if (!options.OverwritePrompt) result |= QFileDialog::DontConfirmOverwrite;
  return result;
}
}  // namespace

void TQtPlatform::Message(const QString& text) {
  QMessageBox::information(QApplication::activeWindow(), Caption(), text, QMessageBox::Ok);
}

bool TQtPlatform::Question(const QString& title, const QString& text) {
  return QMessageBox::question(QApplication::activeWindow(), title, text, QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::No) == QMessageBox::Yes;
}

bool TQtPlatform::OpenFileName(const TFileDialogOptions& options, QString& chosen) {
  const QString name = QFileDialog::getOpenFileName(QApplication::activeWindow(), options.Title, options.FileName,
                                                    QtFilterFromPairs(options.Filter), nullptr, DialogOptions(options));
  if (name.isEmpty()) return false;
  chosen = name;
  return true;
}

bool TQtPlatform::SaveFileName(const TFileDialogOptions& options, QString& chosen) {
  QFileDialog dialog(QApplication::activeWindow(), options.Title, options.FileName, QtFilterFromPairs(options.Filter));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(options.DefaultExt);
  dialog.setOptions(DialogOptions(options));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
  chosen = WithDefaultExtension(dialog.selectedFiles().first(), options.DefaultExt);
  return true;
}

void TQtPlatform::SetClipboardImage(const QImage& image) { QGuiApplication::clipboard()->setImage(image); }

QString TQtPlatform::ClipboardText() { return QGuiApplication::clipboard()->text(); }

void TQtPlatform::PushCursor(Qt::CursorShape shape) { QGuiApplication::setOverrideCursor(QCursor(shape)); }

void TQtPlatform::PopCursor() { QGuiApplication::restoreOverrideCursor(); }

void TQtPlatform::ConfineCursor(const QRect& screenRect) { Confiner.Confine(screenRect); }

void TQtPlatform::ReleaseCursor() { Confiner.Release(); }

QPoint TQtPlatform::CursorPos() { return QCursor::pos(); }

void TQtPlatform::SetCursorPos(const QPoint& screenPos) { QCursor::setPos(screenPos); }

void TQtPlatform::SendKey(int key, const QString& text, Qt::KeyboardModifiers modifiers) {
  QWidget* target = QApplication::focusWidget();
  if (!target) return;
  QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
  QApplication::sendEvent(target, &press);
  QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
  QApplication::sendEvent(target, &release);
}
