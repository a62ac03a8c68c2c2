#pragma once
// What the enlarged diagram and the diagram editor have in common: a maximised modal window
// whose one diagram fills a scroll box, with the diagram's four range up-downs, a read-out
// panel on the tool bar, and the measuring, limits, picture, copy and close tools with
// their menu items. Each window builds and lays out its own menu and tool bar.
#include <QDialog>

#include "plotting/RangeTools.h"

class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QScrollArea;
class QToolBar;
class QToolButton;

class TDiagramWindow : public QDialog {
  Q_OBJECT

 public:
  explicit TDiagramWindow(QWidget* parent = nullptr);

  // Event handlers of the shared tools; returning to the first limits, the picture and the
  // copy are each window's own.
  void SpeedButtonMeasureClick();
  void SpeedButtonLimitClick();
  virtual void SpeedButtonRetLimClick() = 0;
  virtual void SpeedButtonBmpClick() = 0;
  virtual void SpeedButtonCopyClick() = 0;
  // "Сохранить данные...": by default the diagram's shown series.
  virtual void SpeedButtonDataClick();
  void SpeedButtonCloseClick();
  void UpDown1Click(TUpDown* sender, TUpDown::TUDBtnType button);
  void UpDown2Click(TUpDown* sender, TUpDown::TUDBtnType button);
  void UpDown3Click(TUpDown* sender, TUpDown::TUDBtnType button);
  void UpDown4Click(TUpDown* sender, TUpDown::TUDBtnType button);

  QMenuBar* MainMenu1;
  QAction* NClose;
  QAction* NMeasure;
  QAction* NLimit;
  QAction* NBmp;
  QAction* NCopy;
  QAction* NData;
  QToolBar* ToolBar1;
  QToolButton* SpeedButtonMeasure;
  QToolButton* SpeedButtonLimit;
  QToolButton* SpeedButtonRetLim;
  QToolButton* SpeedButtonBmp;
  QToolButton* SpeedButtonCopy;
  QToolButton* SpeedButtonData;
  QToolButton* SpeedButtonClose;
  QLabel* Panel2;
  QScrollArea* ScrollBox1;
  TDiagram* Diagram1;
  TUpDown* UpDown1;
  TUpDown* UpDown2;
  TUpDown* UpDown3;
  TUpDown* UpDown4;

 protected:
  // The box, resizing its area with it; the diagram on that area in the window's diagram
  // fonts and the up-downs over it, hidden, each moving its edge of the range. The window
  // watches the box's viewport, so that it can lay the diagram out again when the box
  // changes size.
  void BuildScrolledDiagram();
  // The shared tool buttons and menu items, and the window's own "Исходные пределы" item,
  // to their handlers.
  void ConnectSharedTools(QAction* returnLimitsItem);
  // The "Сохранить данные..." button and menu item, for each window to place.
  void MakeDataTools(QWidget* toolBar, QMenu* menu);
  // An up-down's step of one edge of the range; by default the diagram's own step.
  virtual void StepEdge(TRangeEdge edge, TUpDown::TUDBtnType button);
  // The diagram fitted into the box, the up-downs at its corners.
  void FitDiagramToBox();
  TRangeUpDowns UpDowns() const { return {UpDown1, UpDown2, UpDown3, UpDown4}; }
};
