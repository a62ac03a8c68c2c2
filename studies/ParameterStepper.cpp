#include "studies/ParameterStepper.h"

#include <QAccessible>
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <algorithm>
#include <cmath>
#include <utility>

#include "engine/ResamEngine.h"
#include "widgets/Comfun.h"

namespace {
constexpr int MinCount = 2;

void AnnounceValue(QLineEdit* edit) {
  QAccessibleValueChangeEvent event(edit, edit->text());
  QAccessible::updateAccessibility(&event);
}
}  // namespace

TParameterStepper::TParameterStepper(QObject* owner, TResamEngine& engine, TParameterBoxes boxes, QMenu* methodMenu)
    : QObject(owner),
      Engine(engine),
      Boxes(std::move(boxes)),
      MethodMenu(methodMenu),
      Count([this](double n) { ApplyCount(n); }, this),
      Period([this](double period) { ApplyPeriod(period); }, this),
      Method([this](double index) { ApplyMethod(index); }, this) {}

bool TParameterStepper::CountTyped() const { return Engine.SignalGiven() && !CountBox()->isReadOnly(); }

bool TParameterStepper::PeriodTyped() const { return Engine.SignalGiven() && !PeriodBox()->isReadOnly(); }

QList<QAction*> TParameterStepper::MethodItems() const {
  QList<QAction*> items;
  for (QAction* a : MethodMenu->actions())
    if (a->isCheckable()) items.append(a);
  return items;
}

int TParameterStepper::CurrentMethod() const {
  const QList<QAction*> items = MethodItems();
  for (int i = 0; i < items.size(); ++i)
    if (items[i]->isChecked()) return i;
  return 0;
}

int TParameterStepper::CountTarget() const { return Count.IsPending() ? int(Count.Latest()) : Engine.N(); }

int TParameterStepper::MethodTarget() const { return Method.IsPending() ? int(Method.Latest()) : CurrentMethod(); }

void TParameterStepper::RequestCount(int n) { Count.Request(std::clamp(n, MinCount, Engine.CountLimit())); }

void TParameterStepper::RequestPeriod(double period) { Period.Request(period); }

void TParameterStepper::RequestMethod(int index) {
  Method.Request(std::clamp(index, 0, int(MethodItems().size()) - 1));
}

// The method first: it may lower the count's limit that a waiting count is then held to.
void TParameterStepper::Flush() {
  Method.Flush();
  Count.Flush();
  Period.Flush();
}

template <class F>
void TParameterStepper::Announcing(F apply) {
  QLineEdit *countBox = CountBox(), *periodBox = PeriodBox();
  const QString count = countBox->text(), period = periodBox->text();
  apply();
  if (countBox->text() != count) AnnounceValue(countBox);
  if (periodBox->text() != period) AnnounceValue(periodBox);
}

// Typed and committed as a user would: the box's own commit takes it from there.
void TParameterStepper::ApplyCount(double n) {
  if (!CountTyped()) return;
  const int count = std::clamp(int(n), MinCount, Engine.CountLimit());
  if (count == Engine.N()) return;
  Announcing([&] {
    CountBox()->setText(QString::number(count));
    Boxes.CommitCount();
  });
}

void TParameterStepper::ApplyPeriod(double period) {
  if (!PeriodTyped()) return;
  const TPeriodSpan span = Engine.SlidablePeriods(PeriodDecimals);
  if (!span.Usable()) return;
  QString text;
  FormatFixed(PeriodDecimals, text, std::clamp(period, span.Lo, span.Hi));
  Announcing([&] {
    PeriodBox()->setText(text);
    Boxes.CommitPeriod();
  });
}

void TParameterStepper::ApplyMethod(double index) {
  const QList<QAction*> items = MethodItems();
  const int i = int(index);
  if (i < 0 || i >= items.size() || i == CurrentMethod()) return;
  Announcing([&] { items[i]->trigger(); });
}
