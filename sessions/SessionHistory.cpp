#include "sessions/SessionHistory.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <memory>

namespace {
const QString RecentKey = QStringLiteral("sessions/recent");

// One settings file of the program's own, whatever the organisation name says.
std::unique_ptr<QSettings> Settings() {
  return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Resam"),
                                     QStringLiteral("Resam"));
}

// The same file reached by another spelling of its path is one entry.
QString Canonical(const QString& path) { return QFileInfo(path).absoluteFilePath(); }
}  // namespace

QStringList RecentSessions() { return Settings()->value(RecentKey).toStringList().mid(0, RecentSessionCount); }

void RememberSession(const QString& path) {
  QStringList list = RecentSessions();
  list.removeAll(Canonical(path));
  list.prepend(Canonical(path));
  Settings()->setValue(RecentKey, list.mid(0, RecentSessionCount));
}

void ForgetSession(const QString& path) {
  QStringList list = RecentSessions();
  list.removeAll(Canonical(path));
  Settings()->setValue(RecentKey, list);
}

QString LastSessionPath() {
  return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).filePath(QStringLiteral("last.resam"));
}
