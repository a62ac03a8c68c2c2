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
#include "sources/RecordingUnit.h"
#include "sources/TabEditor08Unit.h"
#include "widgets/EditFloatUnit.h"
#include "widgets/EditIntUnit.h"
#include "widgets/TranslatedTexts.h"

// Graphical editor: on its first use it gets the signal's titles and the red pen; a drawing
// ended with "Обработать график" becomes the signal (its curve and its node values, which the
// editor keeps until the next one is confirmed).
void TResamForm::N2Click() {
  if (!DiagramEditor) return;
  DressEditor();
  DiagramEditor->Execute();
  if (!DiagramEditor->IsProcessed()) return;
  TakeConfirmedSignal(TResamEngine::SourceEditor, TResamEngine::PeriodFromCount);
}

void TResamForm::DressEditor() {
  if (!EditorFirstUse) return;
  EditorFirstUse = false;
  DiagramEditor->NameDiagram(TextContext, QT_TR_NOOP("Сигнал"), QT_TR_NOOP("s(t),В"), QT_TR_NOOP("t,c"));
  DiagramEditor->SetDrawColor(EditorColour);
  PutText(DiagramEditor, TTextRole::WindowTitle, TextContext, QT_TR_NOOP("Кварнел: Графическое задание сигнала"));
}

// A source's confirmed signal handed to the engine and shown.
void TResamForm::TakeConfirmedSignal(TResamEngine::TSignalSource source, TResamEngine::TPeriodRule rule) {
  TakeSourceInput(source);
  AcceptSignal(source);
  TakeAnalogSignal(rule);
}

// What each source hands over; the source window keeps it alive and unchanged until the user
// confirms another signal there.
void TResamForm::TakeSourceInput(TResamEngine::TSignalSource source) {
  switch (source) {
    case TResamEngine::SourceEditor: {
      int count = 0;
      const double* values = DiagramEditor->GetData(count);
      Engine.DrawnSignal = {DiagramEditor->GetSignal(), values, count};
      break;
    }
    case TResamEngine::SourceTable:
      Engine.TableSignal.Values = TabEditorForm->GetData(Engine.TableSignal.Count);
      break;
    case TResamEngine::SourceLibrary:
      Engine.FormulaSignal = {LibForm->GetSignalFunction(), LibForm->GetTau(), LibForm->GetSymmetry()};
      break;
    case TResamEngine::SourcePolyharmonic:
      Engine.FormulaSignal = {PolyGarmForm->GetSignalFunction(), PolyGarmForm->GetPeriod(), 1};
      TakeHarmonics(PolyGarmForm->Values());
      break;
    case TResamEngine::SourceRecording:
      Engine.FormulaSignal = {RecordingForm->GetSignalFunction(), RecordingForm->GetLength(), 0,
                              RecordingForm->GetStart()};
      break;
  }
}

// Table editor: shows TabEditorForm (dressed for this window on its first use); on confirmed
// values sets TableSignal, then AcceptSignal(SourceTable) and TakeTableSignal(). The values
// stay in the editor, unchanged until the user processes another table.
void TResamForm::N3Click() {
  if (!TabEditorForm) return;
  DressTableEditor();
  TabEditorForm->exec();
  if (!TabEditorForm->IsProcessed()) return;
  TakeSourceInput(TResamEngine::SourceTable);
  AcceptSignal(TResamEngine::SourceTable);
  TakeTableSignal();
}

void TResamForm::DressTableEditor() {
  if (!TableFirstUse) return;
  PutText(TabEditorForm, TTextRole::WindowTitle, TextContext, QT_TR_NOOP("Кварнел: Табличное задание сигнала"));
  TabEditorForm->SetPlotColor(ColourBlack);
  TabEditorForm->DF->Diagram->GetKeeper(0)->SetMarkers(true);
  TableFirstUse = false;
}

// Signal library: shows LibForm; on a chosen signal sets FormulaSignal (function, duration,
// symmetry), then AcceptSignal(SourceLibrary) and TakeAnalogSignal(PeriodHalfTmax).
void TResamForm::SpeedButton11Click() {
  if (!LibForm) return;
  LibForm->Execute();
  if (!LibForm->IsAccepted()) return;
  TakeConfirmedSignal(TResamEngine::SourceLibrary, TResamEngine::PeriodHalfTmax);
}

void TResamForm::N40Click() {
  if (!PolyGarmForm) return;
  PolyGarmForm->Execute();
  if (!PolyGarmForm->IsAccepted()) return;
  TakeConfirmedSignal(TResamEngine::SourcePolyharmonic, TResamEngine::PeriodFromCount);
}

// A recording: the file is asked for and read first; its window then offers the fragment.
void TResamForm::OpenRecordingClick() {
  if (!RecordingForm || !RecordingForm->AskFile()) return;
  RecordingForm->Execute();
  if (!RecordingForm->IsAccepted()) return;
  TakeConfirmedSignal(TResamEngine::SourceRecording, TResamEngine::PeriodFromCount);
}

void TResamForm::AcceptSignal(TResamEngine::TSignalSource source) { Show(Engine.AcceptSignal(source)); }

void TResamForm::ShowAcceptedSignal() {
  EnableResults(true);
  GroupBox1->show();
  Label5->hide();
  AdaptToSource();
}

// A new signal is shown from the signal tab.
void TResamForm::TakeAnalogSignal(TResamEngine::TPeriodRule rule) {
  TWaitCursor wait;
  const TResamEngine::TChanges changes = Engine.TakeAnalogSignal(rule);
  if (changes != TResamEngine::ChangeNone) PageControl1->setCurrentIndex(0);
  Show(changes);
}

void TResamForm::TakeTableSignal() {
  TWaitCursor wait;
  const TResamEngine::TChanges changes = Engine.TakeTableSignal();
  if (changes != TResamEngine::ChangeNone) PageControl1->setCurrentIndex(0);
  Show(changes);
}

void TResamForm::EnableResults(bool on) {
  for (QMenu* menu : {N7, N12, N16}) menu->menuAction()->setEnabled(on);
  for (QToolButton* b :
       {SpeedButton3, SpeedButton4, SpeedButton5, SpeedButton6, SpeedButton7, SpeedButton8, SpeedButton9})
    b->setEnabled(on);
}

void TResamForm::AdaptToSource() {
  const bool analog = Engine.Source() != TResamEngine::SourceTable;
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
    SetInputMode(Engine.CountModeOn());
  } else {
    EditN->setReadOnly(true);
    EditT->setReadOnly(false);
    RadioButtonT->setChecked(true);
  }
  SetEditColours();
  ApplyDisplay();
}
