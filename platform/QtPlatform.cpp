#include "platform/QtPlatform.h"

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMessageBox>

#include "platform/FileDialogTexts.h"

namespace {
QString Caption() { return QApplication::applicationDisplayName(); }

// Qt's own dialog, never the desktop's: a desktop's dialog speaks the machine's language, and
// the program's interface is Russian on every machine.
QFileDialog::Options DialogOptions(const TFileDialogOptions& options) {
  QFileDialog::Options result = QFileDialog::DontUseNativeDialog;
  if (!options.OverwritePrompt) result |= QFileDialog::DontConfirmOverwrite;
  return result;
}

// A save dialog whose filters name formats follows the chosen one: it becomes the default
// extension, and a typed name with another filter's extension takes the chosen one's.
void FollowChosenFilter(QFileDialog& dialog, const TFileDialogOptions& options, const QStringList& filters) {
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, options, filters](const QString& f) {
    const QString ext = FilterExtension(options.Filter, int(filters.indexOf(f)));
    dialog.setDefaultSuffix(ext.isEmpty() ? options.DefaultExt : ext);
    const QStringList typed = dialog.selectedFiles();
    if (ext.isEmpty() || typed.size() != 1) return;
    const QFileInfo name(typed.first());
    bool offered = false;
    for (int i = 0; i < filters.size(); ++i)
      offered |= FilterExtension(options.Filter, i).compare(name.suffix(), Qt::CaseInsensitive) == 0;
    if (offered && !name.suffix().isEmpty()) dialog.selectFile(name.completeBaseName() + QLatin1Char('.') + ext);
  });
}

// The first chosen name, or "" when the user cancels.
QString RunFileDialog(QFileDialog::AcceptMode mode, const TFileDialogOptions& options) {
  const QString qtFilters = QtFilterFromPairs(options.Filter);
  const QStringList filters = qtFilters.split(QStringLiteral(";;"));
  QFileDialog dialog(QApplication::activeWindow(), options.Title, options.FileName, qtFilters);
  dialog.setOptions(DialogOptions(options));
  dialog.setAcceptMode(mode);
  if (options.FilterIndex > 0 && options.FilterIndex < filters.size())
    dialog.selectNameFilter(filters[options.FilterIndex]);
  if (mode == QFileDialog::AcceptOpen) {
    dialog.setFileMode(QFileDialog::ExistingFile);
  } else {
    const QString ext = FilterExtension(options.Filter, options.FilterIndex);
    dialog.setDefaultSuffix(ext.isEmpty() ? options.DefaultExt : ext);
    FollowChosenFilter(dialog, options, filters);
  }
  UseFileDetails(dialog);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  if (options.ChosenFilter) *options.ChosenFilter = std::max(0, int(filters.indexOf(dialog.selectedNameFilter())));
  return dialog.selectedFiles().first();
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
  const QString name = RunFileDialog(QFileDialog::AcceptOpen, options);
  if (name.isEmpty()) return false;
  chosen = name;
  return true;
}

bool TQtPlatform::SaveFileName(const TFileDialogOptions& options, QString& chosen) {
  const QString name = RunFileDialog(QFileDialog::AcceptSave, options);
  if (name.isEmpty()) return false;
  chosen = WithDefaultExtension(name, options.DefaultExt);
  return true;
}

void TQtPlatform::SetClipboardImage(const QImage& image) { QGuiApplication::clipboard()->setImage(image); }

void TQtPlatform::SetClipboardText(const QString& text) { QGuiApplication::clipboard()->setText(text); }

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
