// What the parameter panel says beyond its read-outs: N below Nmin marked on the Nmin read-out,
// and a count a method has lowered (Lagrange's 50), said once beside the N slider.
#include <QGroupBox>
#include <QLabel>

#include "shell/ResamUnit.h"

namespace {
using E = TResamEngine;
// Beside the N slider, in the panel's row under its last read-outs.
constexpr int CountNoteLeft = 310, CountNoteTop = 119;
const QColor WarningColour(0xC0, 0x30, 0x00);
}  // namespace

void TResamForm::BuildHintLabels() {
  LabelCountNote = new QLabel(GroupBox1);
  LabelCountNote->move(CountNoteLeft, CountNoteTop);
  LabelCountNote->hide();
}

void TResamForm::ShowHints(TResamEngine::TChanges changes) {
  if (changes & (E::ChangeSignal | E::ChangeAnalysis | E::ChangeSamples)) ShowNminWarning();
  if (!(changes & (E::ChangeSignal | E::ChangeSamples | E::ChangeMethod))) return;
  // The method's limit lowered the count the user had: said until the next change of either.
  const bool lowered = (changes & E::ChangeMethod) && Engine.SignalGiven() && Engine.N() < ShownCount &&
                       Engine.N() == Engine.CountLimit() && Engine.Method() == E::MethodLagrange;
  ShowCountNote(lowered);
  ShownCount = Engine.N();
}

void TResamForm::ShowCountNote(bool lowered) {
  LabelCountNote->setText(
      lowered ? tr("N уменьшено до %1: многочлен Лагранжа строится не более чем по %1 отсчётам").arg(Engine.N())
              : QString());
  LabelCountNote->adjustSize();
  LabelCountNote->setVisible(lowered);
  if (lowered) LabelCountNote->raise();
}

void TResamForm::ShowNminWarning() {
  const bool warn = Engine.IsAnalog() && Engine.N() < Engine.Nmin();
  QPalette palette = GroupBox1->palette();
  if (warn) palette.setColor(QPalette::WindowText, WarningColour);
  Label23->setPalette(palette);
  Label23->setToolTip(warn ? tr("N меньше Nmin: возможно наложение спектров") : QString());
}
