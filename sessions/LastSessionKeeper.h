#pragma once
// The last session: the state the program was in when it last closed (or a minute before a
// crash), kept in one file. The keeper offers what the file held when keeping began, and from
// then on writes the state it is given every minute and whenever Save is called.
#include <QByteArray>
#include <QObject>
#include <QString>
#include <functional>

class QTimer;

class TLastSessionKeeper : public QObject {
 public:
  // `capture` gives the session text of the state to keep, or an empty text while there is
  // nothing to keep (no signal). Lives as long as `owner`.
  TLastSessionKeeper(QObject* owner, std::function<QByteArray()> capture);

  // Reads what `path` holds (the state of the last close) and keeps the state in it from now on.
  void Keep(const QString& path);
  // Writes the state now, quietly, unless it is unchanged since the last write.
  void Save();
  // The file's text as keeping began; empty when there was none.
  const QByteArray& PreviousText() const { return Previous; }

 private:
  const std::function<QByteArray()> Capture;
  QString File;
  QByteArray Previous;
  QTimer* Timer = nullptr;
  QByteArray Written;  // as last written, so that an unchanged state is not written again
};
