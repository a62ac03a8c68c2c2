#pragma once
// The floating-point entry control: a value kept within [Min, Max], shown in the
// "%g" form or with up to 15 significant digits, typed with a point or a comma
// (the text is always put right to the locale's decimal separator), committed
// by GetModify.
#include "widgets/NumericEditUnit.h"

class TEditFloat : public TNumericEdit {
  Q_OBJECT
 public:
  explicit TEditFloat(QWidget* owner = nullptr);

  // true: sign, exponent and separator keys pass the filter freely (for 1e-3 and the like).
  bool ExpInp = false;
  // true: the value is shown as C's "%g" (6 significant digits); false: up to 15.
  bool GFormat = true;

  double Max() const { return FMax; }
  double Min() const { return FMin; }
  double Val() const { return FVal; }

  // A bound that would cross the other one (or is not a number) is refused with a message.
  void SetMax(double x);
  void SetMin(double x);
  // SetVal0, then Val is read back from the text, so Val is the number shown.
  void SetVal(double x);
  // Range-checked value shown in the control's format; the text is not re-read.
  void SetVal0(double x);
  void ValToText();
  // The first point or comma becomes the locale's decimal separator.
  void CorrectText();
  // Val from the text, without a range check; false when the text is no finite number.
  bool TextToVal();
  // Commits the text: true when Val changed.
  bool GetModify();

  void KeyPress(QChar& key) override;

 private:
  double MidRange() const;
  bool HasSeparator() const;

  double FMax = 1.0;
  double FMin = 0.0;
  double FVal = 0.0;
};
