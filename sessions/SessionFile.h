#pragma once
// The session file ".resam": a JSON text a person can read and compare, an object with the
// format name "resam-session", the version 2 (version-1 files, without the studies, are read
// too) and one member per part of the session (see SessionFile.cpp for the members and their
// ranges). Numbers are written in the shortest form
// that reads back to the same double, so that a session comes back bit for bit; only a
// negative zero, which JSON numbers cannot carry, is written as the string "-0".
#include <QByteArray>
#include <QString>

#include "sessions/SessionRecord.h"

// Larger files are refused before they are parsed: a session of the largest drawing takes
// well under a megabyte.
constexpr qint64 MaxSessionFileSize = 16 << 20;
// More drawing values than this are refused while reading; the editor's own store (smaller,
// known only at run time) is checked by SessionFault.
constexpr int MaxSessionDrawingValues = 1 << 16;

// The file's text; only the data of the session's own source is written.
QByteArray SessionText(const TSession& session);

// Reads a file's text: the format name, the version, and every member the session's source
// needs, each present, of its type and within its range. Returns "" with the session filled
// in, or the first problem found (Russian, naming the member as "part.member") with the
// session untouched.
QString ReadSession(const QByteArray& text, TSession& session);
