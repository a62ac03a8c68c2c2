// Signal arrival: the four source commands, the steps common to every arrival and the
// computations for an analog and for a table signal.
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>

#include "numerics/Keeper.h"
#include "platform/CoreServices.h"
#include "plotting/Diagram.h"
#include "plotting/DiagramColours.h"
#include "plotting/DiagramFrameUnit.h"
#include "shell/ResamUnit.h"
#include "sources/DiagramEditor.h"
#include "sources/LibUnit.h"
#include "sources/PolyGarmUnit.h"
#include "sources/TabEditor08Unit.h"
#include "widgets/EditFloatUnit.h"
#include "widgets/EditIntUnit.h"

// Graphical editor: on its first use it gets the signal's titles and the red pen; a drawing
// ended with "Обработать график" becomes the signal (its curve and its node values, which the
// editor keeps until the next one is confirmed).
void TResamForm::N2Click() {
  if (!DiagramEditor) return;
  if (EditorFirstUse) {
    EditorFirstUse = false;
    TDiagram* d = DiagramEditor->Diagram1;
    d->SetNameDiagram(QStringLiteral("Сигнал"));
    d->SetNameY(QStringLiteral("s(t),В"));
    d->SetNameX(QStringLiteral("t,c"));
    DiagramEditor->SetDrawColor(EditorColour);
    DiagramEditor->setWindowTitle(QStringLiteral("Кварнел: Графическое задание сигнала"));
  }
  DiagramEditor->Execute();
  if (!DiagramEditor->IsProcessed()) return;
  int count = 0;
  const double* values = DiagramEditor->GetData(count);
  DrawnSignal = {DiagramEditor->GetSignal(), values, count};
  AcceptSignal(SourceEditor);
  TakeAnalogSignal(PeriodFromCount);
}

// Table editor: shows TabEditorForm; on confirmed values sets TableSignal, then
// AcceptSignal(SourceTable) and TakeTableSignal(). The values stay in the editor, unchanged
// until the user processes another table.
void TResamForm::N3Click() {
  if (!TabEditorForm) return;
  if (TableFirstUse) {
    TabEditorForm->setWindowTitle(QStringLiteral("Кварнел: Табличное задание сигнала"));
    TabEditorForm->SetPlotColor(ColourBlack);
    TabEditorForm->DF->Diagram->GetKeeper(0)->SetMarkers(true);
    TableFirstUse = false;
  }
  TabEditorForm->exec();
  if (!TabEditorForm->IsProcessed()) return;
  TableSignal.Values = TabEditorForm->GetData(TableSignal.Count);
  AcceptSignal(SourceTable);
  TakeTableSignal();
}

// Signal library: shows LibForm; on a chosen signal sets FormulaSignal (function, duration,
// symmetry), then AcceptSignal(SourceLibrary) and TakeAnalogSignal(PeriodHalfTmax).
void TResamForm::SpeedButton11Click() {
  if (!LibForm) return;
  LibForm->Execute();
  if (!LibForm->IsAccepted()) return;
  FormulaSignal = {LibForm->GetSignalFunction(), LibForm->GetTau(), LibForm->GetSymmetry()};
  AcceptSignal(SourceLibrary);
  TakeAnalogSignal(PeriodHalfTmax);
}

void TResamForm::N40Click() {
  if (!PolyGarmForm) return;
  PolyGarmForm->Execute();
  if (!PolyGarmForm->IsAccepted()) return;
  FormulaSignal = {PolyGarmForm->GetSignalFunction(), PolyGarmForm->GetPeriod(), 1};
  AcceptSignal(SourcePolyharmonic);
  TakeAnalogSignal(PeriodFromCount);
}

void TResamForm::AcceptSignal(TSignalSource source) {
  EnableResults(true);
  GroupBox1->show();
  Label5->hide();
  SignalSource = source;
  SignalGiven = true;
  AdaptToSource();
}

void TResamForm::TakeAnalogSignal(TPeriodRule rule) {
  if (!SignalGiven || SignalSource == SourceTable) return;
  TWaitCursor wait;
  ResetInterval = true;
  AnalyseSignal();
  ShowAnalogSpectrum();
  N = 2 * Nmin;
  T = rule == PeriodFromCount ? (T2 - T1) / (N - 1) : Tmax * 0.5;
  LimitCount();
  PageControl1->setCurrentIndex(0);
  Resample();
  Reconstruct();
}

void TResamForm::TakeTableSignal() {
  if (!SignalGiven || SignalSource != SourceTable) return;
  TWaitCursor wait;
  T = 1.0;
  PageControl1->setCurrentIndex(0);
  Resample();
  Reconstruct();
}

void TResamForm::EnableResults(bool on) {
  for (QMenu* menu : {N7, N12, N16}) menu->menuAction()->setEnabled(on);
  for (QToolButton* b :
       {SpeedButton3, SpeedButton4, SpeedButton5, SpeedButton6, SpeedButton7, SpeedButton8, SpeedButton9})
    b->setEnabled(on);
}

void TResamForm::AdaptToSource() {
  const bool analog = SignalSource != SourceTable;
  for (QWidget* w : {Label13, Label18, Label19, Label20, Label21, Label14, Label22, Label15, Label23})
    w->setVisible(analog);
  N7->menuAction()->setEnabled(analog);
  N12->menuAction()->setEnabled(analog);
  N24->setEnabled(analog);
  SpeedButton3->setEnabled(analog);
  for (TEditFloat* e : {EditFloatT1, EditFloatT2}) {
    e->setEnabled(analog);
    SetBaseColour(e, !analog);
  }
  RadioButtonN->setEnabled(analog);
  if (analog) {
    SetInputMode(N13->isChecked());
  } else {
    EditN->setReadOnly(true);
    EditT->setReadOnly(false);
    RadioButtonT->setChecked(true);
  }
  SetEditColours();
  ApplyDisplay();
}
