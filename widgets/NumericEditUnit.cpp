#include "widgets/NumericEditUnit.h"

#include <QFocusEvent>
#include <QKeyEvent>

namespace {
const QChar Minus = QLatin1Char('-');

// Control with a letter (the clipboard and undo shortcuts among them) or with
// backspace types a control character, which both filters refuse. Control with
// Alt is AltGr on some keyboards and types an ordinary character.
bool TypesControlCharacter(const QKeyEvent* event) {
  const Qt::KeyboardModifiers modifiers = event->modifiers();
  if (!(modifiers & Qt::ControlModifier) || (modifiers & Qt::AltModifier)) return false;
  const int key = event->key();
  return (key >= Qt::Key_A && key <= Qt::Key_Z) || key == Qt::Key_Backspace;
}

// Keys that never make a typed character for the filter: navigation and editing
// keys without text, with or without Control (moving by words, Ctrl+Insert), and
// the keys that a form reacts to (Enter, Escape, Tab). Some platforms give the
// clipboard shortcuts no text either; those are still control characters.
// Selecting all and copying change no text, so a user keeps those habits.
bool PassesUnfiltered(const QKeyEvent* event) {
  if (event->matches(QKeySequence::SelectAll) || event->matches(QKeySequence::Copy)) return true;
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
      return true;
    default:
      return event->text().isEmpty() && !TypesControlCharacter(event);
  }
}
}  // namespace

namespace NumericEditTexts {
QString BelowMinCorrected() {
  return TNumericEdit::tr("Введённое значение параметра меньше минимально-допустимого.\n Произведена коррекция.");
}
QString BelowMinRestored() {
  return TNumericEdit::tr(
      "Введённое значение параметра меньше минимально-допустимого.\n Прежнее значение параметра восстановлено.");
}
QString AboveMaxCorrected() {
  return TNumericEdit::tr("Введённое значение параметра больше максимально-допустимого.\n Произведена коррекция.");
}
QString AboveMaxRestored() {
  return TNumericEdit::tr(
      "Введённое значение параметра больше максимально-допустимого.\n Прежнее значение параметра восстановлено.");
}
}  // namespace NumericEditTexts

TNumericEdit::TNumericEdit(QWidget* owner) : QLineEdit(owner) {}

void TNumericEdit::keyPressEvent(QKeyEvent* event) {
  if (PassesUnfiltered(event)) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  const QString typed = event->text();
  // One key types one character; anything else is not typing and is refused.
  if (TypesControlCharacter(event) || typed.size() != 1) {
    event->accept();
    return;
  }
  QChar key = typed.at(0);
  KeyPress(key);
  if (!key.isNull() && !IsBackspaceKey(key) && TypingLimitReached()) key = QChar();
  if (key.isNull()) {
    event->accept();
    return;
  }
  if (key == typed.at(0)) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  QKeyEvent replaced(event->type(), event->key(), event->modifiers(), QString(key), event->isAutoRepeat(),
                     event->count());
  QLineEdit::keyPressEvent(&replaced);
  event->setAccepted(replaced.isAccepted());
}

void TNumericEdit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  const Qt::FocusReason reason = event->reason();
  if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) emit Exit();
}

void TNumericEdit::ReportUnreadableText() const {
  if (!CorrMsg) return;
  Platform().Message(
      CorrType ? tr("Строка ввода имеет некорректный формат или пуста. \n Произведена коррекция.")
               : tr("Строка ввода имеет некорректный формат или пуста. \n Значение параметра восстановлено."));
}

bool TNumericEdit::TypingLimitReached() const {
  return TypedLengthLimit > 0 && text().size() - selectedText().size() >= TypedLengthLimit;
}

int TNumericEdit::Caret() const { return hasSelectedText() ? selectionStart() : cursorPosition(); }

bool TNumericEdit::SignKeyAccepted() const {
  if (Caret() != 0) return false;
  return hasSelectedText() || !text().contains(Minus);
}

bool TNumericEdit::CaretBeforeSign() const { return text().contains(Minus) && Caret() == 0; }
