// The parameter panel's edits and the two setting groups of sampling: committing the
// count, the period or an interval end, the input mode and the grid anchoring.
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <algorithm>
#include <cmath>

#include "platform/CoreServices.h"
#include "shell/ResamUnit.h"
#include "widgets/Comfun.h"
#include "widgets/EditFloatUnit.h"
#include "widgets/EditIntUnit.h"

void TResamForm::EditNExit() {
  if (EditN->isReadOnly()) return;
  EditN->GetModify();
  // The chain is rebuilt only for a new count: leaving the box unchanged (or Enter followed
  // by the focus leaving) would otherwise throw away the user's zoom for nothing.
  if (EditN->Val() == Engine.N()) return;
  TWaitCursor wait;
  Show(Engine.SetCount(EditN->Val()));
}

void TResamForm::EditTExit() {
  if (EditT->isReadOnly()) return;
  double typed = 0;
  const bool readable = TextToDouble(EditT->text(), typed);
  const double period = Engine.PeriodFor(readable, typed);
  if (!readable || period != typed) {
    QString text;
    EditT->setText(FormatFixed(4, text, period));
  }
  TWaitCursor wait;
  Show(Engine.SetPeriod(period));
}

void TResamForm::EditFloatT1Exit() {
  EditFloatT1->GetModify();
  CommitInterval(Engine.SetIntervalStart(EditFloatT1->Val()));
}

void TResamForm::EditFloatT2Exit() {
  EditFloatT2->GetModify();
  CommitInterval(Engine.SetIntervalEnd(EditFloatT2->Val()));
}

// A new interval is analysed afresh and shown from the signal tab.
void TResamForm::CommitInterval(TResamEngine::TChanges changes) {
  if (changes == TResamEngine::ChangeNone) return;
  PageControl1->setCurrentIndex(0);
  Show(changes);
}

// A table signal is entered by its period only; its radio button stays as it is and the
// menu keeps the mode the next analog signal will use.
void TResamForm::N13Click() {
  if (Engine.SignalGiven() && Engine.Source() == TResamEngine::SourceTable) return;
  SetInputMode(true);
  PageControl1->setCurrentIndex(0);
  EditN->setFocus();
}

void TResamForm::N14Click() {
  if (Engine.SignalGiven() && Engine.Source() == TResamEngine::SourceTable) return;
  SetInputMode(false);
  PageControl1->setCurrentIndex(0);
  EditT->setFocus();
}

void TResamForm::SetInputMode(bool countMode) {
  Engine.SetCountMode(countMode);
  N13->setChecked(countMode);
  N14->setChecked(!countMode);
  RadioButtonN->setChecked(countMode);
  RadioButtonT->setChecked(!countMode);
  EditN->setReadOnly(!countMode);
  EditT->setReadOnly(countMode);
  SetEditColours();
}

void TResamForm::SetBaseColour(QWidget* edit, bool panelColour) {
  QPalette palette = edit->palette();
  const QPalette standard = QApplication::palette(edit);
  palette.setColor(QPalette::Base, panelColour ? standard.color(QPalette::Window) : standard.color(QPalette::Base));
  edit->setPalette(palette);
}

void TResamForm::SetEditColours() {
  SetBaseColour(EditN, EditN->isReadOnly());
  SetBaseColour(EditT, EditT->isReadOnly());
}

void TResamForm::N9Click() { ChooseAnchoring(N9); }

void TResamForm::N10Click() { ChooseAnchoring(N10); }

void TResamForm::ChooseAnchoring(QAction* item) {
  item->setChecked(true);
  TWaitCursor wait;
  Show(Engine.SetAnchoredAtZero(item == N9));
}

// The period box filters typed characters as a decimal number: digits, one separator (a
// point becomes a comma) and Backspace.
bool TResamForm::FilterPeriodKey(QKeyEvent* event) {
  if (event->text().size() != 1) return false;
  QChar key = event->text().at(0);
  // Enter, Tab and the control shortcuts (copy, paste) keep their usual meaning.
  if (key.unicode() < 0x20 && key.unicode() != 8) return false;
  const QChar typed = key;
  FilterDecimalKey(key, EditT);
  if (key.isNull()) return true;
  if (key == typed) return false;
  EditT->insert(QString(key));
  return true;
}
