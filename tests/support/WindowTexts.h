#pragma once
// Every text a window shows or announces (title, menus and their items, captions, hints, list
// items, tabs, group titles, accessible names), each marked with where it stands, in a fixed
// order, so that two languages or two moments can be compared.
#include <QRegularExpression>
#include <QStringList>

class QWidget;

QStringList WindowTexts(const QWidget& window);
// A Cyrillic letter anywhere in the text.
const QRegularExpression& CyrillicLetter();
