#include "widgets/EditIntUnit.h"

#include <cstdint>

#include "widgets/Comfun.h"

TEditInt::TEditInt(QWidget* owner) : TNumericEdit(owner) { setText(QString::number(FVal)); }

void TEditInt::SetMax(int a) {
  if (a < FMin) {
    Platform().Message(tr("TEditInt: Максимальное значение должно быть больше минимального."));
    return;
  }
  FMax = a;
  if (FVal > FMax) SetVal(FMax);
}

void TEditInt::SetMin(int a) {
  if (a > FMax) {
    Platform().Message(tr("TEditInt: Минимальное значение должно быть меньше максимального."));
    return;
  }
  FMin = a;
  if (FVal < FMin) SetVal(FMin);
}

void TEditInt::SetVal(int a) {
  const int result = RangeChecked(a, FVal, FMin, FMax);
  setText(QString::number(result));
  Modified = result != FVal;
  FVal = result;
}

// Summed in 64 bits: Min + Max may overflow an int; the halving truncates toward zero.
int TEditInt::MidRange() const { return static_cast<int>((std::int64_t{FMin} + FMax) / 2); }

bool TEditInt::GetModify() {
  bool converted = false;
  int v = text().toInt(&converted, 10);
  if (!converted) {
    ReportUnreadableText();
    v = CorrType ? MidRange() : FVal;
    setText(QString::number(v));
  }
  SetVal(v);
  return Modified;
}

void TEditInt::KeyPress(QChar& key) {
  if (key == QLatin1Char('-') && FMin < 0) {
    if (!SignKeyAccepted()) key = QChar();
    return;
  }
  if (IsBackspaceKey(key)) return;
  if (CaretBeforeSign())
    key = QChar();
  else
    FilterDigitKey(key);
}
