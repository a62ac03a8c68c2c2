#pragma once
// The one enlarged-diagram window: a maximised modal window showing another diagram's
// series (its keepers are shared, never copied) with tools to measure, step the range,
// copy and save; closing it hands the chosen range back to that diagram.
#include <QDialog>

#include "plotting/RangeTools.h"

class QAction;
class QLabel;
class QMenuBar;
class QScrollArea;
class QToolBar;
class QToolButton;
class TDiagram;

class TDiagramIncrease : public QDialog {
  Q_OBJECT

 public:
  explicit TDiagramIncrease(QWidget* parent = nullptr);
  ~TDiagramIncrease() override;

  // With a diagram: takes it over and runs modally; with null: forgets the source, returns 0.
  int Execute(TDiagram* source);
  void TakeOver(TDiagram* source);
  void GiveBack();
  void ShowCoordinates(int x, int y);
  TDiagram* Source() const { return SourceDiagram; }

  // Event handlers.
  void FormShow();
  void FormClose();
  void SpeedButtonMeasureClick();
  void SpeedButtonLimitClick();
  void SpeedButtonRetLimClick();
  void SpeedButtonBmpClick();
  void SpeedButtonCopyClick();
  void SpeedButtonCloseClick();
  void UpDown1Click(TUpDown* sender, TUpDown::TUDBtnType button);
  void UpDown2Click(TUpDown* sender, TUpDown::TUDBtnType button);
  void UpDown3Click(TUpDown* sender, TUpDown::TUDBtnType button);
  void UpDown4Click(TUpDown* sender, TUpDown::TUDBtnType button);
  void UpDown1MouseDown(TUpDown* sender);
  void UpDown1MouseUp(TUpDown* sender);
  void Diagram1MouseMove(TDiagram* sender, Qt::KeyboardModifiers shift, int x, int y);

  QToolBar* ToolBar1;
  QToolButton* SpeedButtonMeasure;
  QToolButton* SpeedButtonLimit;
  QToolButton* SpeedButtonRetLim;
  QToolButton* SpeedButton1;
  QToolButton* SpeedButtonBmp;
  QToolButton* SpeedButtonCopy;
  QToolButton* SpeedButtonClose;
  QLabel* Panel2;
  QMenuBar* MainMenu1;
  QAction* NClose;
  QAction* NMeasure;
  QAction* NLimit;
  QAction* NRetLimit;
  QAction* NBmp;
  QAction* NCopy;
  QScrollArea* ScrollBox1;
  TDiagram* Diagram1;
  TUpDown* UpDown1;
  TUpDown* UpDown2;
  TUpDown* UpDown3;
  TUpDown* UpDown4;

 public slots:
  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildToolBar();
  void BuildMenu();
  void BuildDiagram();
  void PlaceDiagram();

  TDiagram* SourceDiagram = nullptr;
  bool FirstShow = true;
  // The diagram is laid out again while the window settles into its maximised size on
  // its first showing; after the first closing it stays where it is.
  bool Settling = false;
  TStoredRange Stored;
};

// The one instance, created at program start.
extern TDiagramIncrease* DiagramIncrease;
