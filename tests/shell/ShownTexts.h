#pragma once
// Every text a window shows or announces, each with where it stands: captions, labels, buttons,
// group and tab titles, list items, table heads, menus and their items, tool tips, accessible
// names and descriptions, and the diagrams' titles, axis names and legends. Hidden parts
// (other tabs, closed menus) count too: a user meets them one click later. What the user
// typed into an edit box is theirs and is left out.
#include <QStringList>

class QWidget;

QStringList ShownTexts(QWidget* window);
// The lines of texts that hold a Cyrillic letter.
QStringList WithCyrillic(const QStringList& texts);
