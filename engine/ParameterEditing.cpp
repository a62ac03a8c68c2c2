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

#include "engine/SamplingGrid.h"
#include "platform/CoreServices.h"
#include "shell/ResamUnit.h"
#include "widgets/Comfun.h"
#include "widgets/EditFloatUnit.h"
#include "widgets/EditIntUnit.h"

namespace {
constexpr double PeriodChange = 1e-6;
}  // namespace

void TResamForm::EditNExit() {
  if (EditN->isReadOnly()) return;
  EditN->GetModify();
  // The chain is rebuilt only for a new count: leaving the box unchanged (or Enter followed
  // by the focus leaving) would otherwise throw away the user's zoom for nothing.
  if (EditN->Val() == N) return;
  N = EditN->Val();
  TWaitCursor wait;
  Resample();
  Reconstruct();
}

void TResamForm::EditTExit() {
  if (EditT->isReadOnly()) return;
  double typed = 0;
  const bool readable = TextToDouble(EditT->text(), typed);
  double period = CorrectedPeriod(readable, typed, T1, T2);
  // A table's interval is made from the period itself, (N - 1) T: bounding the period by that
  // interval would forbid ever lengthening a short table's period. It is bounded instead by
  // the longest interval the diagrams can show.
  if (SignalSource == SourceTable && readable && typed >= T2 - T1) period = std::min(typed, LargestTablePeriod(N));
  if (!readable || period != typed) {
    QString text;
    EditT->setText(FormatFixed(4, text, period));
  }
  if (!(std::fabs(period - T) >= PeriodChange)) return;
  T = period;
  TWaitCursor wait;
  Resample();
  Reconstruct();
}

void TResamForm::EditFloatT1Exit() {
  EditFloatT1->GetModify();
  if (EditFloatT1->Val() == T1) return;
  T1 = EditFloatT1->Val();
  CommitInterval();
}

void TResamForm::EditFloatT2Exit() {
  EditFloatT2->GetModify();
  if (EditFloatT2->Val() == T2) return;
  T2 = EditFloatT2->Val();
  CommitInterval();
}

void TResamForm::CommitInterval() {
  ResetInterval = false;
  if (!SignalGiven) return;
  TWaitCursor wait;
  AnalyseSignal();
  ShowAnalogSpectrum();
  PageControl1->setCurrentIndex(0);
  Resample();
  Reconstruct();
}

// A table signal is entered by its period only; its radio button stays as it is and the
// menu keeps the mode the next analog signal will use.
void TResamForm::N13Click() {
  if (SignalGiven && SignalSource == SourceTable) return;
  SetInputMode(true);
  PageControl1->setCurrentIndex(0);
  EditN->setFocus();
}

void TResamForm::N14Click() {
  if (SignalGiven && SignalSource == SourceTable) return;
  SetInputMode(false);
  PageControl1->setCurrentIndex(0);
  EditT->setFocus();
}

void TResamForm::SetInputMode(bool countMode) {
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
  if (!SignalGiven) return;
  TWaitCursor wait;
  Resample();
  Reconstruct();
  SetSpectrumRange();
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
