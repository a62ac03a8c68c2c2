#include "widgets/EditFloatUnit.h"

#include <QLocale>
#include <cmath>

#include "widgets/Comfun.h"

namespace {
constexpr int ShortDigits = 6;  // C's "%g"
constexpr int LongDigits = GeneralDigits;
constexpr int CorrectionScanLimit = 3001;
const QChar Point = QLatin1Char('.');
const QChar Comma = QLatin1Char(',');

QChar LocaleSeparator() {
  const QString separator = QLocale().decimalPoint();
  return separator.isEmpty() ? Point : separator.at(0);
}

bool IsSeparator(QChar key) { return key == Point || key == Comma || key == LocaleSeparator(); }
}  // namespace

TEditFloat::TEditFloat(QWidget* owner) : TNumericEdit(owner) { ValToText(); }

// Infinite bounds are refused as NaN ones are: an unreadable text falls back to a bound,
// and the control would then hold and show an infinity.
void TEditFloat::SetMax(double x) {
  if (!std::isfinite(x) || !(x >= FMin)) {
    Platform().Message(tr("TEditFloat: Максимальное значение должно быть больше минимального."));
    return;
  }
  FMax = x;
  if (FVal > FMax) SetVal0(FMax);
}

void TEditFloat::SetMin(double x) {
  if (!std::isfinite(x) || !(x <= FMax)) {
    Platform().Message(tr("TEditFloat: Минимальное значение должно быть меньше максимального."));
    return;
  }
  FMin = x;
  if (!(FVal >= FMin)) SetVal0(FMin);
}

void TEditFloat::SetVal(double x) {
  SetVal0(x);
  // The shown text may round a value next to a bound past it (0.1234567 shown
  // as 0.123457 with Max 0.1234567); then the checked value stays, so that Val
  // never leaves the range.
  const double checked = FVal;
  if (TextToVal() && !(FVal >= FMin && FVal <= FMax)) FVal = checked;
}

void TEditFloat::SetVal0(double x) {
  const double result = RangeChecked(x, FVal, FMin, FMax);
  Modified = result != FVal;
  if (Modified) FVal = result;
  ValToText();
}

void TEditFloat::ValToText() {
  setText(GeneralForm(FVal, GFormat ? ShortDigits : LongDigits));
  CorrectText();
}

void TEditFloat::CorrectText() {
  QString corrected = text();
  const qsizetype limit = std::min<qsizetype>(corrected.size(), CorrectionScanLimit);
  for (qsizetype i = 0; i < limit; ++i) {
    if (corrected[i] == Point || corrected[i] == Comma) {
      corrected[i] = LocaleSeparator();
      break;
    }
  }
  if (corrected != text()) setText(corrected);
}

bool TEditFloat::TextToVal() {
  CorrectText();
  QLocale locale;
  // A group separator would read "1,500" as 1500 under a locale that groups with commas.
  locale.setNumberOptions(QLocale::RejectGroupSeparator);
  bool converted = false;
  const double x = locale.toDouble(text(), &converted);
  // Infinities and NaN (from "inf", "nan" or an overflowing exponent) are not numbers one can enter.
  if (!converted || !std::isfinite(x)) return false;
  FVal = x;
  return true;
}

// The plain midpoint overflows when both bounds are huge; the halves do not.
double TEditFloat::MidRange() const {
  const double middle = (FMin + FMax) * 0.5;
  if (std::isfinite(middle)) return middle;
  const double halves = FMin * 0.5 + FMax * 0.5;
  return std::isnan(halves) ? 0.0 : halves;
}

bool TEditFloat::GetModify() {
  const double old = FVal;
  if (!TextToVal()) {
    ReportUnreadableText();
    FVal = CorrType ? MidRange() : old;
  }
  const double x = FVal;
  FVal = old;
  SetVal0(x);
  return Modified;
}

bool TEditFloat::HasSeparator() const {
  const QString current = text();
  return current.contains(Point) || current.contains(Comma) || current.contains(LocaleSeparator());
}

void TEditFloat::KeyPress(QChar& key) {
  if (ExpInp) {
    const bool free = key == QLatin1Char('-') || key == QLatin1Char('+') || IsSeparator(key) ||
                      key == QLatin1Char('e') || key == QLatin1Char('E');
    if (!free) FilterDigitKey(key);
    return;
  }
  if (key == QLatin1Char('-') && FMin < 0.0) {
    if (!SignKeyAccepted()) key = QChar();
    return;
  }
  if (IsSeparator(key)) {
    if (HasSeparator()) key = QChar();
    return;
  }
  if (CaretBeforeSign())
    key = QChar();
  else
    FilterDigitKey(key);
}
