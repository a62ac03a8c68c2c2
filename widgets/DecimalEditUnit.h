#pragma once
// A plain edit for a non-negative decimal number whose owner reads and checks the text
// itself: only digits, backspace and one decimal separator can be typed (a point becomes
// a comma). Typing sets QLineEdit's modified flag; Exit and returnPressed tell the owner
// when to read it.
#include "widgets/NumericEditUnit.h"

class TDecimalEdit : public TNumericEdit {
  Q_OBJECT
 public:
  explicit TDecimalEdit(QWidget* owner = nullptr);

  void KeyPress(QChar& key) override;
};
