#pragma once
// Numbers shown by the diagrams carry the program's decimal separator (the comma of the
// Russian number locale the program sets at start-up), whatever the machine's locale.
#include <QLocale>
#include <QString>

inline QString WithProgramSeparator(QString text) {
  const QString separator = QLocale().decimalPoint();
  if (!separator.isEmpty()) text.replace(QLatin1Char('.'), separator.at(0));
  return text;
}
