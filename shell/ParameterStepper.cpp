#include "shell/ParameterStepper.h"

#include <QAccessible>
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <algorithm>
#include <cmath>

#include "shell/ResamUnit.h"
#include "widgets/Comfun.h"
#include "widgets/EditIntUnit.h"

namespace {
constexpr int MinCount = 2;

void AnnounceValue(QLineEdit* edit) {
  QAccessibleValueChangeEvent event(edit, edit->text());
  QAccessible::updateAccessibility(&event);
}
}  // namespace

TParameterStepper::TParameterStepper(TResamForm& form)
    : QObject(&form),
      Form(form),
      Count([this](double n) { ApplyCount(n); }, this),
      Period([this](double period) { ApplyPeriod(period); }, this),
      Method([this](double index) { ApplyMethod(index); }, this) {}

bool TParameterStepper::CountTyped() const { return Form.Engine.SignalGiven() && !Form.EditN->isReadOnly(); }

bool TParameterStepper::PeriodTyped() const { return Form.Engine.SignalGiven() && !Form.EditT->isReadOnly(); }

QList<QAction*> TParameterStepper::MethodItems() const {
  QList<QAction*> items;
  for (QAction* a : Form.N30->actions())
    if (a->isCheckable()) items.append(a);
  return items;
}

int TParameterStepper::CurrentMethod() const {
  const QList<QAction*> items = MethodItems();
  for (int i = 0; i < items.size(); ++i)
    if (items[i]->isChecked()) return i;
  return 0;
}

int TParameterStepper::CountTarget() const { return Count.IsPending() ? int(Count.Latest()) : Form.Engine.N(); }

int TParameterStepper::MethodTarget() const { return Method.IsPending() ? int(Method.Latest()) : CurrentMethod(); }

void TParameterStepper::RequestCount(int n) { Count.Request(std::clamp(n, MinCount, Form.Engine.CountLimit())); }

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
  const QString count = Form.EditN->text(), period = Form.EditT->text();
  apply();
  if (Form.EditN->text() != count) AnnounceValue(Form.EditN);
  if (Form.EditT->text() != period) AnnounceValue(Form.EditT);
}

// Typed and committed as a user would: the box's own commit takes it from there.
void TParameterStepper::ApplyCount(double n) {
  if (!CountTyped()) return;
  const int count = std::clamp(int(n), MinCount, Form.Engine.CountLimit());
  if (count == Form.Engine.N()) return;
  Announcing([&] {
    Form.EditN->setText(QString::number(count));
    Form.EditNExit();
  });
}

void TParameterStepper::ApplyPeriod(double period) {
  if (!PeriodTyped()) return;
  const TPeriodSpan span = Form.Engine.SlidablePeriods(PeriodDecimals);
  if (!span.Usable()) return;
  QString text;
  FormatFixed(PeriodDecimals, text, std::clamp(period, span.Lo, span.Hi));
  Announcing([&] {
    Form.EditT->setText(text);
    Form.EditTExit();
  });
}

void TParameterStepper::ApplyMethod(double index) {
  const QList<QAction*> items = MethodItems();
  const int i = int(index);
  if (i < 0 || i >= items.size() || i == CurrentMethod()) return;
  Announcing([&] { items[i]->trigger(); });
}
