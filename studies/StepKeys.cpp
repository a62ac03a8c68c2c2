#include "studies/StepKeys.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <algorithm>

#include "engine/ResamEngine.h"
#include "studies/ParameterStepper.h"
#include "widgets/TranslatedTexts.h"

namespace {
constexpr int MinCount = 2;
constexpr int BigStep = 10;

enum class TKeyAction { Count, Method, ResetCount };

struct TKeyRow {
  const char* Caption;  // a source text of the context TStepKeys
  QKeyCombination Keys;
  const char16_t* KeyText;  // as the list window writes it, with arrows
  TKeyAction Action;
  int Step;
};

const TKeyRow KeyRows[] = {
    {QT_TRANSLATE_NOOP("TStepKeys", "Увеличить N на 1"), Qt::CTRL | Qt::Key_Up, u"Ctrl+↑", TKeyAction::Count, 1},
    {QT_TRANSLATE_NOOP("TStepKeys", "Уменьшить N на 1"), Qt::CTRL | Qt::Key_Down, u"Ctrl+↓", TKeyAction::Count, -1},
    {QT_TRANSLATE_NOOP("TStepKeys", "Увеличить N на 10"), Qt::CTRL | Qt::SHIFT | Qt::Key_Up, u"Ctrl+Shift+↑",
     TKeyAction::Count, BigStep},
    {QT_TRANSLATE_NOOP("TStepKeys", "Уменьшить N на 10"), Qt::CTRL | Qt::SHIFT | Qt::Key_Down, u"Ctrl+Shift+↓",
     TKeyAction::Count, -BigStep},
    {QT_TRANSLATE_NOOP("TStepKeys", "Предыдущий метод интерполяции"), Qt::CTRL | Qt::Key_Left, u"Ctrl+←",
     TKeyAction::Method, -1},
    {QT_TRANSLATE_NOOP("TStepKeys", "Следующий метод интерполяции"), Qt::CTRL | Qt::Key_Right, u"Ctrl+→",
     TKeyAction::Method, 1},
    {QT_TRANSLATE_NOOP("TStepKeys", "Вернуть N = 2·Nmin"), Qt::CTRL | Qt::Key_Home, u"Ctrl+Home",
     TKeyAction::ResetCount, 0},
};

constexpr char Context[] = "TStepKeys";
}  // namespace

TStepKeys::TStepKeys(QWidget* window, TResamEngine& engine, TParameterStepper& stepper, QMenu* menu)
    : QObject(window), MainWindow(window), Engine(engine), Stepper(stepper) {
  QMenu* steps = AddTranslatedMenu(menu, Context, QT_TR_NOOP("Перебор параметров"));
  for (const TKeyRow& row : KeyRows) {
    QAction* item = AddTranslatedItem(steps, Context, row.Caption);
    item->setShortcut(QKeySequence(row.Keys));
    KeyItems.append(item);
    connect(item, &QAction::triggered, this, [this, &row] {
      if (row.Action == TKeyAction::Count) StepCount(row.Step);
      if (row.Action == TKeyAction::Method) StepMethod(row.Step);
      if (row.Action == TKeyAction::ResetCount) ResetCount();
    });
  }
  KeysItem = AddTranslatedItem(menu, Context, QT_TR_NOOP("Клавиши..."));
  connect(KeysItem, &QAction::triggered, this, [this] {
    KeysWindow()->show();
    KeysWindow()->raise();
  });
  // The edit boxes would take Ctrl+arrows and Ctrl+Home for moving the caret.
  qApp->installEventFilter(this);
}

void TStepKeys::StepCount(int step) {
  TParameterStepper& stepper = Stepper;
  if (!stepper.CountTyped()) return;
  stepper.RequestCount(stepper.CountTarget() + step);
}

void TStepKeys::StepMethod(int step) {
  TParameterStepper& stepper = Stepper;
  stepper.RequestMethod(stepper.MethodTarget() + step);
}

void TStepKeys::ResetCount() {
  TParameterStepper& stepper = Stepper;
  if (!stepper.CountTyped()) return;
  stepper.RequestCount(std::max(MinCount, 2 * Engine.Nmin()));
}

bool TStepKeys::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::ShortcutOverride) return false;
  const auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget || widget->window() != MainWindow) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  const QKeyCombination pressed(key->modifiers() & ~Qt::KeypadModifier, Qt::Key(key->key()));
  for (const TKeyRow& row : KeyRows) {
    if (row.Keys != pressed) continue;
    event->ignore();  // not the edit's: the shortcut goes ahead
    return true;
  }
  return false;
}

QDialog* TStepKeys::KeysWindow() {
  if (Window) return Window;
  Window = new QDialog(MainWindow, Qt::Tool);
  PutText(Window, TTextRole::WindowTitle, Context, QT_TR_NOOP("Клавиши"));
  auto* grid = new QGridLayout(Window);
  int line = 0;
  for (const TKeyRow& row : KeyRows) {
    auto* keys = new QLabel(QString::fromUtf16(row.KeyText), Window);
    QFont bold = keys->font();
    bold.setBold(true);
    keys->setFont(bold);
    grid->addWidget(keys, line, 0);
    grid->addWidget(AddTranslatedLabel(Window, Context, row.Caption), line, 1);
    ++line;
  }
  grid->addWidget(
      AddTranslatedLabel(Window, Context, QT_TR_NOOP("Число отсчётов меняется клавишами, пока оно вводится.")), line++,
      0, 1, 2);
  auto* close = new QPushButton(Window);
  PutText(close, TTextRole::Text, Context, QT_TR_NOOP("Закрыть"));
  connect(close, &QPushButton::clicked, Window, &QDialog::close);
  grid->addWidget(close, line, 1, Qt::AlignRight);
  return Window;
}
