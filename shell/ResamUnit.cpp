#include "shell/ResamUnit.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QScrollArea>

#include "numerics/SpAnUnit.h"
#include "plotting/Diagram.h"
#include "plotting/DiagramFrameUnit.h"
#include "shell/HelloUnit.h"
#include "shell/MethodViews.h"
#include "widgets/AccessibleNames.h"
#include "widgets/EditFloatUnit.h"
#include "widgets/EditIntUnit.h"
#include "widgets/TranslatedTexts.h"

TResamForm::TResamForm(QWidget* parent) : QMainWindow(parent) {
  UseSpectrumModule(SpAnForm);
  BuildToolBar();
  BuildMenu();
  BuildPages();
  ConnectCommands();
  ConnectMouseMoves();
  // The series exist from the start (rather than from the first paint), so that a signal
  // that arrives before the window has ever painted still finds them.
  SetUpSeries();
  ShowFrequencyCaptions();
  EnableResults(false);
  PutText(this, TTextRole::WindowTitle, TextContext, MethodView(Engine.Method()).Caption);
  resize(1000, 700);
  Show(TResamEngine::ChangeKernel);
  ComboBoxLagr->setCurrentIndex(0);
  ShowWelcome();
  Retranslate();
}

// Qt posts the change to every window when a translator comes or goes.
void TResamForm::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    Retranslate();
    ShowComposedTexts();
    // The names some controls take from the composed notes beside them.
    GiveAccessibleNames(this);
    RenderPicturesAgain();
    ShowFrequencyCaptions();
    for (TDiagramFrame* frame : {DFs, DFAS, DFE, DFBF, DFBFS, DFK, DFLagr}) frame->Diagram->ShowDiagram();
    // Captions take the size of their new texts.
    Label5->adjustSize();
    if (!FirstPaint) ApplyLayout();
  }
  QMainWindow::changeEvent(event);
}

void TResamForm::Retranslate() {
  RetranslateTexts(this);
  NameDiagrams();
  // The items' hints that depend on the signal.
  ShowTwinItem();
  ShowFilterItem();
  // After the diagrams' names: the names it gave are renewed from them.
  GiveAccessibleNames(this);
}

// Closing a window moves the focus out of its edits, which commit on leaving: by then this
// window is half destroyed, so its edits are parted from it first.
TResamForm::~TResamForm() {
  for (QLineEdit* edit : {static_cast<QLineEdit*>(EditN), EditT, static_cast<QLineEdit*>(EditFloatT1),
                          static_cast<QLineEdit*>(EditFloatT2)})
    edit->disconnect(this);
}

// The welcome card shows while the rest of start-up runs. It is a separate top-level
// window that frees itself when it closes; parenting it here only makes sure it goes
// with the main window should the application end first.
void TResamForm::ShowWelcome() {
  auto* hello = new THelloForm(this);
  hello->show();
  hello->repaint();
}

void TResamForm::UseSpectrumModule(TFourierAnalyser* module) { Engine.SetSpectrumModule(module); }

TKeeper* TResamForm::Series(TDiagramFrame* frame, int number) {
  return frame->Diagram->GetKeeper(static_cast<unsigned char>(number));
}

void TResamForm::paintEvent(QPaintEvent* event) {
  QMainWindow::paintEvent(event);
  if (FirstPaint) FormPaint();
}

// The first paint lays the window out; every later resize lays it out again with the same
// proportions, so that the panes follow the window.
void TResamForm::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (!FirstPaint) ApplyLayout();
}

void TResamForm::FormPaint() {
  if (!FirstPaint) return;
  FirstPaint = false;
  ApplyLayout();
  GroupBox1->setVisible(Engine.SignalGiven());
}

bool TResamForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == EditT && event->type() == QEvent::KeyPress && FilterPeriodKey(static_cast<QKeyEvent*>(event)))
    return true;
  // A click on the formula panel, its scroll box or a picture shows the picture enlarged.
  if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    const QWidget* w = qobject_cast<QWidget*>(watched);
    if (w && (w == PanelBF || PanelBF->isAncestorOf(w))) {
      SpeedButton12Click();
      return true;
    }
  }
  if (event->type() == QEvent::MouseMove) {
    const QWidget* w = qobject_cast<QWidget*>(watched);
    const bool formulaPanel = w && (PanelBF->isAncestorOf(w) || w == PanelBF);
    const bool lagrangeGroup = w && (GroupBoxLagr->isAncestorOf(w) || w == GroupBoxLagr);
    // A move the panel or the group handled ends here: passed on, it would reach the tab page,
    // whose rule hides the tools just shown.
    if (formulaPanel) {
      PanelBFMouseMove();
      return true;
    }
    if (lagrangeGroup) {
      GroupBoxLagrMouseMove();
      return true;
    }
    FormMouseMove();
  }
  return QMainWindow::eventFilter(watched, event);
}
