#pragma once
// The file side of the session commands, for the window that captures and applies the state:
// the save and open dialogs, the file read or written with the messages of a failure, and the
// recent list as a menu. A file saved or opened goes first in the recent list.
#include <QByteArray>
#include <QString>
#include <functional>
#include <string>

#include "platform/TextMessage.h"

class QMenu;
struct TSession;

// "Сохранить сеанс" (the name given the extension ".resam") and "Открыть сеанс"; false when cancelled.
bool AskSessionToSave(QString& name);
bool AskSessionToOpen(QString& name);
// Writes the text, remembering the file, or says why it could not.
void WriteSessionFile(const QString& name, const QByteArray& text);
// The file's text (at most MaxSessionFileSize + 1 bytes, so that a larger one is refused), or
// false with the message that it cannot be opened.
bool ReadSessionFile(const QString& path, QByteArray& text);
// The session the text holds, or false with the message that names the damage.
bool ReadSessionText(const QByteArray& text, TSession& session);
// "Файл сеанса повреждён: " and the problem.
void ReportDamagedSession(const TMessage& fault);
// The menu lists the recent files, numbered, and is enabled when it lists any; an item opens
// its file with `open`, and a file gone from its place then leaves the list.
void ListRecentSessions(QMenu* menu, const std::function<bool(const QString&)>& open);
