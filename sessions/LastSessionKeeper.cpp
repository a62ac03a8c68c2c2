#include "sessions/LastSessionKeeper.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <utility>

#include "platform/SafeSave.h"
#include "sessions/SessionFile.h"

namespace {
constexpr int KeepInterval = 60 * 1000;  // ms: a crash loses at most a minute
}  // namespace

TLastSessionKeeper::TLastSessionKeeper(QObject* owner, std::function<QByteArray()> capture)
    : QObject(owner), Capture(std::move(capture)) {}

// The file is read first: "Последний сеанс" is the state of the last close (or of the last
// minute before a crash), not one this run has written since.
void TLastSessionKeeper::Keep(const QString& path) {
  File = path;
  QFile previous(path);
  Previous = previous.open(QIODevice::ReadOnly) ? previous.read(MaxSessionFileSize + 1) : QByteArray();
  if (!Timer) {
    Timer = new QTimer(this);
    Timer->setInterval(KeepInterval);
    connect(Timer, &QTimer::timeout, this, &TLastSessionKeeper::Save);
  }
  Timer->start();
}

// Quietly: a message every minute would stand in the user's way. Not while a window of the
// program runs modally: a source window may hold a signal half changed.
void TLastSessionKeeper::Save() {
  if (File.isEmpty() || QApplication::activeModalWidget()) return;
  const QByteArray text = Capture();
  if (text.isEmpty() || text == Written) return;
  QDir().mkpath(QFileInfo(File).absolutePath());
  if (SaveFileSafely(File, text) == TSaveResult::Saved) Written = text;
}
