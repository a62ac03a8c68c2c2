#pragma once
// The signal library: a modal window offering pulse signals given by formulas, in seven
// families with the shape parameters k, l, m, the duration tau (seconds) and the amplitude
// V0 (volts). It draws the chosen signal s(t) and its amplitude spectrum |S(f)| and hands
// the selected one to the main window as a curve of time bound to it. The formulas themselves
// live in TLibFormulas; this window shows them and keeps its controls in step with them.
#include <QDialog>
#include <QImage>

#include "numerics/Mathlib.h"
#include "sourcedata/LibFormulas.h"

class QAction;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QMenu;
class QMenuBar;
class QTimer;
class QToolBar;
class QToolButton;
class TDecimalEdit;
class TDiagram;

class TLibForm : public QDialog {
  Q_OBJECT

 public:
  explicit TLibForm(QWidget* parent = nullptr);

  // Shows the window modally, maximised; it comes back when the window closes.
  void Execute();

  // What the main window reads after a showing.
  bool IsAccepted() const { return Lib.IsAccepted(); }
  unsigned char GetSymmetry() const { return Lib.GetSymmetry(); }
  double GetTau() const { return Lib.GetTau(); }
  // s(t), t in seconds; it reads this window's state when called.
  TRealFunction GetSignalFunction() const { return Lib.GetSignalFunction(); }
  const TLibFormulas& Formulas() const { return Lib; }
  // A signal chosen elsewhere (a session): it becomes the selected signal and the controls
  // show it, as after "Выбрать сигнал".
  void TakeParameters(const TLibParameters& parameters);

  void Redraw();
  void ReadTau();
  void ReadV0();
  void SelectFamily(int n);
  void StepSignal(int a);
  // Both diagrams drawn for the shown signal, with the given spectrum function.
  void ShowSignal();
  void ShowSpectrum(TRealFunction spectrum);
  void PrintLook();
  void NormalLook();

  // Event handlers.
  void FormShow();
  void FormClose();
  void SelectSignalClick();
  void CloseClick();
  void NextClick();
  void PreviousClick();
  void ComboBoxFChange(int index);
  void ComboBoxKChange(int index);
  void ComboBoxLChange(int index);
  void ComboBoxMChange(int index);
  void EditTayKeyEnter();
  void EditV0KeyEnter();
  void EditExit();
  void DiagramSignalClick();
  void DiagramSpectrClick();
  void SpeedButtonISigClick();
  void SpeedButtonISpClick();
  void DiagramMouseMove(TDiagram* sender, Qt::KeyboardModifiers shift, int x, int y);
  void DiagramMouseDown(TDiagram* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
  void FormMouseMove();
  void N13Click();
  void N14Click();
  void CopyAllClick();
  void CopyDiagramsClick();
  void Timer1Timer();
  void Timer2Timer();
  void Timer3Timer();

  QMenuBar* MainMenu1;
  QAction *N3, *N4, *N5, *N7, *N9, *N10, *N11, *N12;
  QToolBar* ToolBar1;
  QToolButton *SpeedButton1, *SpeedButton2, *SpeedButton3, *SpeedButton4, *SpeedButton5;
  QComboBox *ComboBoxF, *ComboBoxK, *ComboBoxL, *ComboBoxM;
  // Everything under the tool bar: the diagrams, the formula panel and the parameters.
  QWidget* Panel1;
  TDiagram *DiagramSignal, *DiagramSpectr;
  QFrame *PanelSignal, *PanelSpectr;
  QToolButton *SpeedButtonISig, *SpeedButtonMSig, *SpeedButtonISp, *SpeedButtonMSp;
  QLabel* PanelFormul;
  QLabel* Images[LibFamilyCount];
  QMenu* PopupMenu1;
  QAction *N13, *N14;
  QGroupBox* GroupBox1;
  QLabel *ImageTi, *ImageTi001, *ImageV0;
  TDecimalEdit *EditTay, *EditV0;
  QLabel *LabelK, *LabelL, *LabelM;
  QTimer *Timer1, *Timer2, *Timer3;

 public slots:
  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void BuildMenu();
  void BuildToolBar();
  void BuildDiagrams();
  void NameDiagrams();
  void ShowFamilyNames();
  QFrame* BuildToolPanel(TDiagram* diagram, QToolButton*& increase, QToolButton*& measure);
  void BuildFormulaPanel();
  void BuildGroupBox();
  void BuildTimers();
  void ConnectCommands();
  void PlaceControls();
  void PlaceFormulaPictures();
  void PlaceToolPanel(QFrame* panel, const TDiagram* diagram);
  void RenderPictures();
  void ShowFamilyControls();
  void SetComboBoxes();
  void ShowParameterLabels();
  void ReadParameter(TDecimalEdit* edit, double (TLibFormulas::*get)() const, double (TLibFormulas::*set)(double));
  void MouseMoveElsewhere(QWidget* receiver, const QMouseEvent& event);
  void CommitEdits();
  void ToggleFeeler(TDiagram* diagram, QToolButton* button);
  void EnlargeDiagram(TDiagram* diagram);
  void CopyPanelRows(int bottom);
  const QImage* VisibleFormulaPicture() const;

  TLibFormulas Lib;
  QColor SavedColour;
  bool SignalPanelArmed = true, SpectrPanelArmed = true;
  // The formula pictures as rendered for the panel, for copying and saving.
  QImage FormulaPictures[LibFamilyCount];
};

// The one instance, created at program start.
extern TLibForm* LibForm;
