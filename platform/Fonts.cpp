#include "platform/Fonts.h"

#include <QApplication>
#include <QFont>

void InstallFontSubstitutions() {
  QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
  QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
  QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPointSize(9);
  QApplication::setFont(font);
}
