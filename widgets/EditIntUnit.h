#pragma once
// The integer entry control: a value kept within [Min, Max], typed digits and one
// leading sign, and a commit (GetModify) that corrects or restores what is typed.
#include "widgets/NumericEditUnit.h"

class TEditInt : public TNumericEdit {
  Q_OBJECT
 public:
  explicit TEditInt(QWidget* owner = nullptr);

  int Max() const { return FMax; }
  int Min() const { return FMin; }
  int Val() const { return FVal; }

  // A bound that would cross the other one is refused with a message.
  void SetMax(int a);
  void SetMin(int a);
  // Range-checked value; the text shows it, the modified flag tells whether it changed.
  void SetVal(int a);
  // Commits the text: true when Val changed.
  bool GetModify();

  void KeyPress(QChar& key) override;

 private:
  int MidRange() const;

  int FMax = 10;
  int FMin = -10;
  int FVal = 0;
};
