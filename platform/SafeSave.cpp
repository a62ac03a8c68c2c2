#include "platform/SafeSave.h"

#include <QSaveFile>

TSaveResult SaveFileSafely(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return TSaveResult::CannotCreate;
  if (file.write(bytes) != bytes.size()) {
    file.cancelWriting();
    file.commit();
    return TSaveResult::CannotWrite;
  }
  return file.commit() ? TSaveResult::Saved : TSaveResult::CannotWrite;
}
