#include "widgets/Comfun.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QLocale>
#include <QWidget>
#include <array>
#include <charconv>
#include <cmath>
#include <new>
#include <string>

#include "platform/FileExtension.h"
#include "platform/FileMessages.h"
#include "platform/Language.h"
#include "platform/Platform.h"

namespace {
constexpr unsigned MaxFixedDecimals = 7;
constexpr int ScanLimit = 30001;
constexpr char16_t Backspace = 8;
constexpr int TextBufferSize = 100;

// std::to_chars never consults the C locale that QApplication sets from the environment.
std::string FormatC(double value, unsigned decimals) {
  const bool fixed = decimals <= MaxFixedDecimals;
  const auto format = fixed ? std::chars_format::fixed : std::chars_format::scientific;
  const int precision = fixed ? static_cast<int>(decimals) : 6;
  std::string buffer(64, '\0');
  for (;;) {
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format, precision);
    if (result.ec == std::errc()) {
      buffer.resize(result.ptr - buffer.data());
      return buffer;
    }
    buffer.resize(buffer.size() * 2);
  }
}

QString ReplaceFirst(const QString& text, QChar from, QChar to) {
  QString out = text;
  const int limit = std::min<qsizetype>(out.size(), ScanLimit);
  for (int i = 0; i < limit; ++i) {
    if (out[i] == from) {
      out[i] = to;
      break;
    }
  }
  return out;
}

bool LocaleToDouble(const QString& text, double& value) {
  QLocale locale;
  // Group separators would turn "1,500" into 1500 under a locale that groups with commas.
  locale.setNumberOptions(QLocale::RejectGroupSeparator);
  bool ok = false;
  const double v = locale.toDouble(text, &ok);
  // "nan" and "inf" are words, not numbers a user measures; they would poison every sum.
  if (!ok || !std::isfinite(v)) return false;
  value = v;
  return true;
}

bool IsDigit(QChar key) { return key >= QLatin1Char('0') && key <= QLatin1Char('9'); }
}  // namespace

QString FormatFixed(unsigned decimals, QString& text, double value) {
  text = ReplaceFirst(QString::fromStdString(FormatC(value, decimals)), QLatin1Char('.'), ShownDecimalSeparator());
  return text;
}

bool TextToDouble(const QString& text, double& value) {
  if (LocaleToDouble(text, value)) return true;
  QString changed;
  PointToComma(text, changed);
  if (LocaleToDouble(changed, value)) return true;
  CommaToPoint(changed, changed);
  if (LocaleToDouble(changed, value)) return true;
  value = 0.0;
  return false;
}

QString GeneralForm(double value, int digits) {
  std::array<char, TextBufferSize> buffer{};
  const auto result =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general, digits);
  if (result.ec != std::errc()) return QString();
  return QString::fromLatin1(buffer.data(), result.ptr - buffer.data());
}

QString FloatToText(double value, int digits) {
  return ReplaceFirst(GeneralForm(value, digits), QLatin1Char('.'), ShownDecimalSeparator());
}

QString PointToComma(const QString& text, QString& out) {
  out = ReplaceFirst(text, QLatin1Char('.'), QLatin1Char(','));
  return out;
}

QString CommaToPoint(const QString& text, QString& out) {
  out = ReplaceFirst(text, QLatin1Char(','), QLatin1Char('.'));
  return out;
}

void FilterDecimalKey(QChar& key, const QLineEdit* edit) {
  if (key == QLatin1Char('.') || key == QLatin1Char(',')) {
    key = ShownDecimalSeparator();
    if (edit && edit->text().contains(key)) key = QChar();
    return;
  }
  if (key == QChar(Backspace)) return;
  if (!IsDigit(key)) key = QChar();
}

bool FilterDigitKey(QChar& key) {
  if (key == QChar(Backspace) || IsDigit(key)) return true;
  key = QChar();
  return false;
}

void PlaceEditBesideImage(const QWidget* image, QWidget* edit) {
  const int left = image->x() + image->width();
  const int top = image->y() + (image->height() - edit->height()) / 2 + 1;
  edit->move(left, top);
}

void CopyFormRectToClipboard(QWidget* form, int left, int top, int right, int bottom) {
  if (right <= left || bottom <= top) return;
  QImage bitmap(right - left, bottom - top, QImage::Format_RGB32);
  bitmap.fill(form->palette().window().color());
  form->render(&bitmap, QPoint(), QRegion(left, top, right - left, bottom - top));
  Platform().SetClipboardImage(bitmap);
}

void SaveImageAsBmp(const QImage& picture, const QString& title, const QString& proposedName) {
  try {
    TFileDialogOptions options;
    options.Title = title;
    options.Filter = QStringLiteral("Bitmaps (*.bmp)|*.bmp");
    options.DefaultExt = QStringLiteral("bmp");
    options.FileName = proposedName.isEmpty() ? QCoreApplication::translate("Comfun", "Рисунок.bmp") : proposedName;
    options.OverwritePrompt = true;
    QString name;
    if (!Platform().SaveFileName(options, name)) return;
    CorrectFileExtension(name, QStringLiteral(".bmp"));
    // The formula pictures are JPEG at heart; they are written as true bitmaps.
    if (!picture.save(name, "BMP")) ShowMessage(CannotWriteFileMessage(name.toStdString()));
  } catch (const std::bad_alloc&) {
    ShowMessage(NoMemoryToSaveMessage());
  }
}
