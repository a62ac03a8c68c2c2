#pragma once
// Every text a window shows or announces (titles, menus and their items, captions, hints, status
// tips, list items, tabs, group titles, table heads, placeholders, accessible names and
// descriptions), each marked with where it stands, in a fixed order, so that two languages or two
// moments can be compared. Hidden parts (other tabs, closed menus) count: a user meets them one
// click later. What the user typed into an edit box is theirs and is left out.
#include <QRegularExpression>
#include <QStringList>

class QWidget;

QStringList WindowTexts(const QWidget& window);
// A Cyrillic letter anywhere in the text.
const QRegularExpression& CyrillicLetter();
