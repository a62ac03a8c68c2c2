// The session reader driven by arbitrary bytes: a refused text leaves the session as it was;
// an accepted one holds only values its checks allow, is written and read back to the same
// text, and can be checked against a signal without fault.
#include <QByteArray>

#include "FuzzReaders.h"
#include "sessions/SessionFile.h"
#include "sourcedata/TableFile.h"

namespace {
// One engine for every input: the checks only ask it for a signal's interval.
const TResamEngine& CheckingEngine() {
  static const TResamEngine* engine = new TResamEngine;
  return *engine;
}

constexpr int EditorCapacity = 1920;
}  // namespace

std::string FuzzSessionReader(const uint8_t* data, size_t size) {
  TSession session;
  session.Engine.N = 77;
  session.Table = {1, 2};
  const QByteArray before = SessionText(session);
  const QString fault = ReadSession(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)), session);
  if (!fault.isEmpty()) return SessionText(session) == before ? "" : "a refused text changed the session";
  if (session.Table.size() > size_t(MaxTableValues) || session.Drawing.Samples.size() > size_t(MaxSessionDrawingValues))
    return "more values than the reader allows";
  const QByteArray text = SessionText(session);
  TSession again;
  if (!ReadSession(text, again).isEmpty()) return "a written session was refused";
  if (SessionText(again) != text) return "the written session reads back otherwise";
  SessionFault(session, CheckingEngine(), EditorCapacity);
  return "";
}
