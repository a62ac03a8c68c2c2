#include "platform/FileExtension.h"

#include <QCoreApplication>

#include "platform/Platform.h"

namespace {
// Position of the extension's dot, or -1; a dot inside a folder name does not count.
int ExtensionDot(const QString& name) {
  const int dot = name.lastIndexOf(QLatin1Char('.'));
  const int slash = name.lastIndexOf(QLatin1Char('/'));
  return dot > slash ? dot : -1;
}
}  // namespace

QString FileExtension(const QString& name) {
  const int dot = ExtensionDot(name);
  return dot < 0 ? QString() : name.mid(dot);
}

bool CorrectFileExtension(QString& name, const QString& wantedExt) {
  const QString ext = FileExtension(name).toLower();
  if (ext == wantedExt) return false;
  Platform().Message(
      QCoreApplication::translate("FileExtension", "%1:\nФормат файлов %2 не поддерживается.Произведена коррекция.")
          .arg(name, ext));
  const int dot = ExtensionDot(name);
  name = (dot < 0 ? name : name.left(dot)) + wantedExt;
  return true;
}
