#pragma once
// Number texts that do not depend on the user's locale, key filters for plain
// edit boxes, and the picture helpers shared by several windows.
#include <QChar>
#include <QImage>
#include <QString>

class QLineEdit;
class QWidget;

// The value in fixed notation with 0 .. 7 decimals (any other count: exponent
// notation), with the interface language's separator (a comma in Russian) whatever the locale.
QString FormatFixed(unsigned decimals, QString& text, double value);
// Reads a number written with the locale's separator, a point or a comma.
// An unreadable text gives 0 and false.
bool TextToDouble(const QString& text, double& value);
// Shortest form with at most `digits` significant digits and a point, as printf's "%.*g"
// would write it in the C locale ("" for a value that does not fit the buffer).
QString GeneralForm(double value, int digits);
// The general float-to-text conversion: up to 15 (or `digits`) significant digits, shortest
// form, the interface language's separator.
constexpr int GeneralDigits = 15;
QString FloatToText(double value, int digits = GeneralDigits);
QString PointToComma(const QString& text, QString& out);
QString CommaToPoint(const QString& text, QString& out);

// Key filter of an edit holding a non-negative decimal number; a refused key becomes '\0'.
// A point or a comma becomes the interface language's separator.
void FilterDecimalKey(QChar& key, const QLineEdit* edit);
bool FilterDigitKey(QChar& key);

// Puts a parameter field right after the picture of its symbol, vertically centred.
void PlaceEditBesideImage(const QWidget* image, QWidget* edit);
// Copies the rectangle [left, right) x [top, bottom) of the window's client area to the clipboard.
void CopyFormRectToClipboard(QWidget* form, int left, int top, int right, int bottom);
// Asks for a ".bmp" name (the dialog titled and proposing the name given, "Рисунок.bmp" in the
// interface language by default) and writes the picture there.
void SaveImageAsBmp(const QImage& picture, const QString& title = QString(), const QString& proposedName = QString());
