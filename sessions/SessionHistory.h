#pragma once
// Where sessions are remembered between runs: the list of session files opened or saved
// last (newest first, at most RecentSessionCount, kept with QSettings) and the file that
// keeps the state the program was in when it last closed. Tests enable QStandardPaths' test
// mode, which moves both away from the user's own.
#include <QString>
#include <QStringList>

constexpr int RecentSessionCount = 8;

QStringList RecentSessions();
// Puts the file first in the list (an existing entry moves), dropping the oldest beyond eight.
void RememberSession(const QString& path);
void ForgetSession(const QString& path);

// The last session's file in the application's data folder ("last.resam").
QString LastSessionPath();
