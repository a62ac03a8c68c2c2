#pragma once
// What the integer and the floating-point entry controls share: the switches that
// say how an unacceptable value is treated, the range check with its messages,
// the sign rule of the key filters and the routing of typed characters through
// KeyPress. The owner commits the text with GetModify, as a rule on Exit.
#include <QLineEdit>
#include <QString>

#include "platform/Platform.h"

class TNumericEdit : public QLineEdit {
  Q_OBJECT
 public:
  explicit TNumericEdit(QWidget* owner = nullptr);

  // true: an out-of-range value is replaced by the bound it violates, an unreadable
  // text by the middle of the range; false: the previous value stays.
  bool CorrType = true;
  // true: every correction or restoration is announced in a message box.
  bool CorrMsg = false;

  // The key filter of the control; a refused key becomes the null character.
  virtual void KeyPress(QChar& key) = 0;

  // At most this many characters may be typed (0: no limit). Unlike QLineEdit's
  // maxLength it binds typing only: a value the program shows (a preset phase of
  // -1,5708 in a six-character field) keeps all its digits instead of being cut
  // to a different number.
  void SetTypedLengthLimit(int chars) { TypedLengthLimit = chars; }

 signals:
  // Focus went to another control (not merely to another window or a pop-up).
  // Enter in the field is reported by QLineEdit::returnPressed.
  void Exit();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

  // x checked against [min, max]: the bound it violates or old, as CorrType says.
  // A NaN is below every minimum, so it never passes.
  template <typename T>
  T RangeChecked(T x, T old, T min, T max) const;
  // An unreadable text on commit: announces what is done, as CorrType says.
  void ReportUnreadableText() const;

  // The start of the selection, or the caret when nothing is selected.
  int Caret() const;
  // A '-' typed while negative values are allowed: only at the start, and only
  // once unless the selection it replaces is at the start.
  bool SignKeyAccepted() const;
  // Nothing may be typed in front of a sign.
  bool CaretBeforeSign() const;
  static bool IsBackspaceKey(QChar key) { return key == QChar(BackspaceCode); }

  static constexpr char16_t BackspaceCode = 8;

  bool Modified = false;

 private:
  // A typed character would make the text longer than the limit.
  bool TypingLimitReached() const;

  int TypedLengthLimit = 0;
};

namespace NumericEditTexts {
QString BelowMinCorrected();
QString BelowMinRestored();
QString AboveMaxCorrected();
QString AboveMaxRestored();
}  // namespace NumericEditTexts

template <typename T>
T TNumericEdit::RangeChecked(T x, T old, T min, T max) const {
  using namespace NumericEditTexts;
  if (!(x >= min)) {
    x = CorrType ? min : old;
    if (CorrMsg) Platform().Message(CorrType ? BelowMinCorrected() : BelowMinRestored());
  }
  if (x > max) {
    x = CorrType ? max : old;
    if (CorrMsg) Platform().Message(CorrType ? AboveMaxCorrected() : AboveMaxRestored());
  }
  return x;
}
