#pragma once
// The one enlarged-diagram window: a maximised modal window showing another diagram's
// series (its keepers are shared, never copied) with tools to measure, step the range,
// copy and save; closing it hands the chosen range back to that diagram.
#include "plotting/DiagramWindow.h"

class TDiagramIncrease : public TDiagramWindow {
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
  void SpeedButtonRetLimClick() override;
  void SpeedButtonBmpClick() override;
  void SpeedButtonCopyClick() override;
  void UpDown1MouseDown(TUpDown* sender);
  void UpDown1MouseUp(TUpDown* sender);
  void Diagram1MouseMove(TDiagram* sender, Qt::KeyboardModifiers shift, int x, int y);

  // Besides the shared ones.
  QToolButton* SpeedButton1;
  QAction* NRetLimit;

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
