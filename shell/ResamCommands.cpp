// The main window's commands that are not the engine's: the connections, the display
// toggles, the spectrum settings window, the mouse moves that show and hide the tool panels,
// and "Выход".
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

#include "numerics/SpAnTurnUnit.h"
#include "platform/CoreServices.h"
#include "plotting/Diagram.h"
#include "plotting/DiagramFrameUnit.h"
#include "shell/MethodViews.h"
#include "shell/ResamUnit.h"
#include "widgets/EditFloatUnit.h"
#include "widgets/EditIntUnit.h"

void TResamForm::ConnectCommands() {
  using F = TResamForm;
  const std::pair<QAction*, void (F::*)()> items[] = {{N2, &F::N2Click},
                                                      {N3, &F::N3Click},
                                                      {N28, &F::SpeedButton11Click},
                                                      {N40, &F::N40Click},
                                                      {N6, &F::N6Click},
                                                      {N110, &F::N110Click},
                                                      {N210, &F::N210Click},
                                                      {N310, &F::N310Click},
                                                      {N42, &F::N42Click},
                                                      {N43, &F::N43Click},
                                                      {N44, &F::N44Click},
                                                      {N46, &F::N46Click},
                                                      {N47, &F::N47Click},
                                                      {N9, &F::N9Click},
                                                      {N10, &F::N10Click},
                                                      {OpenRecordingItem, &F::OpenRecordingClick},
                                                      {N13, &F::N13Click},
                                                      {N14, &F::N14Click},
                                                      {N24, &F::N24Click},
                                                      {N25, &F::N25Click},
                                                      {N26, &F::N26Click},
                                                      {N17, &F::N17Click},
                                                      {N18, &F::N18Click},
                                                      {N27, &F::N27Click},
                                                      {N20, &F::N20Click},
                                                      {N21, &F::N21Click},
                                                      {N22, &F::N22Click},
                                                      {N4, &F::N4Click}};
  for (const auto& [item, handler] : items) connect(item, &QAction::triggered, this, handler);
  for (int m = 0; m < TResamEngine::MethodCount; ++m) {
    const auto method = TResamEngine::TMethod(m);
    if (const auto click = MethodView(method).Click)
      connect(MethodActions[m], &QAction::triggered, this, click);
    else
      connect(MethodActions[m], &QAction::triggered, this, [this, method] { ChooseMethod(method); });
  }
  const std::pair<QAbstractButton*, void (F::*)()> buttons[] = {{SpeedButton1, &F::N2Click},
                                                                {SpeedButton2, &F::N3Click},
                                                                {SpeedButton11, &F::SpeedButton11Click},
                                                                {SpeedButton18, &F::N40Click},
                                                                {SpeedButton19, &F::OpenRecordingClick},
                                                                {SpeedButton3, &F::N24Click},
                                                                {SpeedButton4, &F::N25Click},
                                                                {SpeedButton5, &F::N26Click},
                                                                {SpeedButton6, &F::N27Click},
                                                                {SpeedButton7, &F::N20Click},
                                                                {SpeedButton8, &F::N21Click},
                                                                {SpeedButton9, &F::N22Click},
                                                                {SpeedButton10, &F::N4Click},
                                                                {SpeedButton12, &F::SpeedButton12Click},
                                                                {SpeedButton13, &F::SpeedButton13Click},
                                                                {SpeedButton14, &F::SpeedButton14Click},
                                                                {SpeedButton15, &F::SpeedButton15Click},
                                                                {SpeedButton16, &F::SpeedButton16Click},
                                                                {SpeedButton17, &F::SpeedButton17Click},
                                                                {RadioButtonN, &F::N13Click},
                                                                {RadioButtonT, &F::N14Click}};
  for (const auto& [button, handler] : buttons) connect(button, &QAbstractButton::clicked, this, handler);
  connect(EditN, &TEditInt::Exit, this, &F::EditNExit);
  connect(EditN, &QLineEdit::returnPressed, this, &F::EditNExit);
  connect(EditT, &QLineEdit::editingFinished, this, &F::EditTExit);
  EditT->installEventFilter(this);
  connect(EditFloatT1, &TEditFloat::Exit, this, &F::EditFloatT1Exit);
  connect(EditFloatT1, &QLineEdit::returnPressed, this, &F::EditFloatT1Exit);
  connect(EditFloatT2, &TEditFloat::Exit, this, &F::EditFloatT2Exit);
  connect(EditFloatT2, &QLineEdit::returnPressed, this, &F::EditFloatT2Exit);
  connect(ComboBoxLagr, &QComboBox::currentIndexChanged, this, &F::ComboBoxLagrChange);
  connect(PageControl1, &QTabWidget::currentChanged, this, &F::PageControl1Change);
}

// The settings window decides only how the next spectrum is computed; nothing is redone now.
void TResamForm::N6Click() { TurnSpAn(); }

void TResamForm::N4Click() { QApplication::quit(); }

void TResamForm::N24Click() {
  ToggleDisplay(N24, SpeedButton3);
  Show(Engine.SetSpectrumRange());
}

void TResamForm::N25Click() { ToggleDisplay(N25, SpeedButton4); }

void TResamForm::N26Click() { ToggleDisplay(N26, SpeedButton5); }

// The menu item and its tool button are one switch, whichever of them was used: the item
// takes the state the user asked for, the button follows it.
void TResamForm::ToggleDisplay(QAction* item, QToolButton* button) {
  const bool on = sender() == button ? button->isChecked() : item->isChecked();
  item->setChecked(on);
  button->setChecked(on);
  ApplyDisplay();
  ShowLegends();
  DFAS->Diagram->ShowDiagram();
  DFs->Diagram->ShowDiagram();
}

// Which series the signal and spectrum diagrams show: nothing before a signal, then what the
// three switches say, except that a table signal has no analog curve or spectrum.
void TResamForm::ApplyDisplay() {
  const bool given = Engine.SignalGiven();
  const bool analog = Engine.IsAnalog();
  const struct {
    TDiagramFrame* Frame;
    int Number;
    bool Shown;
  } rows[] = {{DFs, 0, analog && N24->isChecked()}, {DFAS, 0, analog && N24->isChecked()},
              {DFs, 2, given && N25->isChecked()},  {DFAS, 1, given && N25->isChecked()},
              {DFs, 1, given && N26->isChecked()},  {DFAS, 2, given && N26->isChecked()}};
  for (const auto& row : rows) {
    TKeeper* k = Series(row.Frame, row.Number);
    row.Shown ? k->Show() : k->Hide();
  }
}

void TResamForm::HideAllTools() {
  for (TDiagramFrame* f : {DFs, DFAS, DFE, DFBF, DFBFS, DFK, DFLagr}) f->HideTools();
  PanelImage->hide();
  PanelLagrImg->hide();
}

void TResamForm::TrackMouse(QWidget* widget) {
  widget->setMouseTracking(true);
  widget->installEventFilter(this);
}

void TResamForm::ConnectMouseMoves() {
  for (QWidget* w : {static_cast<QWidget*>(this), static_cast<QWidget*>(ToolBar1), static_cast<QWidget*>(PageControl1),
                     TabSheet1, TabSheet2, TabSheet3, TabSheet4, static_cast<QWidget*>(GroupBox1)})
    TrackMouse(w);
  for (QWidget* w : {static_cast<QWidget*>(PanelBF), PanelBF->viewport(), ScrollBox1}) TrackMouse(w);
  for (QLabel* image : MethodImages)
    if (image) TrackMouse(image);
  for (QWidget* w : {static_cast<QWidget*>(GroupBoxLagr), static_cast<QWidget*>(GroupBoxLagrPar),
                     static_cast<QWidget*>(PanelLagr), static_cast<QWidget*>(ImageLagr)})
    TrackMouse(w);
  const std::pair<TDiagramFrame*, void (TResamForm::*)()> diagrams[] = {
      {DFAS, &TResamForm::DFASDiagramMouseMove}, {DFE, &TResamForm::DFPSDiagramMouseMove},
      {DFBF, &TResamForm::DFBFDiagramMouseMove}, {DFBFS, &TResamForm::DFBFSDiagramMouseMove},
      {DFK, &TResamForm::DFKDiagramMouseMove},   {DFLagr, &TResamForm::DFLagrDiagramMouseMove}};
  for (const auto& [frame, handler] : diagrams) connect(frame->Diagram, &TDiagram::OnMouseMove, this, handler);
}

void TResamForm::FormMouseMove() { HideAllTools(); }

void TResamForm::DFASDiagramMouseMove() { DFE->HideTools(); }

void TResamForm::DFPSDiagramMouseMove() { DFAS->HideTools(); }

void TResamForm::DFBFDiagramMouseMove() {
  DFBFS->HideTools();
  DFK->HideTools();
  PanelImage->hide();
}

void TResamForm::DFBFSDiagramMouseMove() {
  DFBF->HideTools();
  DFK->HideTools();
  PanelImage->hide();
}

void TResamForm::DFKDiagramMouseMove() {
  DFBF->HideTools();
  DFBFS->HideTools();
  PanelImage->hide();
}

void TResamForm::DFLagrDiagramMouseMove() { PanelLagrImg->hide(); }

void TResamForm::PanelBFMouseMove() {
  for (TDiagramFrame* f : {DFBF, DFBFS, DFK}) f->HideTools();
  PanelImage->show();
  PanelImage->raise();
}

void TResamForm::GroupBoxLagrMouseMove() {
  DFLagr->HideTools();
  PanelLagrImg->show();
  PanelLagrImg->raise();
}
