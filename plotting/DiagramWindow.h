#pragma once
// What the enlarged diagram and the diagram editor have in common: a maximised modal window
// whose one diagram fills a scroll box, with the diagram's four range up-downs, a read-out
// panel on the tool bar, and the measuring, limits, picture, copy and close tools with
// their menu items. Each window builds and lays out its own menu and tool bar.
#include <QDialog>

#include "plotting/RangeTools.h"

class QAction;
class QLabel;
class QMenuBar;
class QScrollArea;
class QToolBar;
class QToolButton;

class TDiagramWindow : public QDialog {
  Q_OBJECT

 public:
  explicit TDiagramWindow(QWidget* parent = nullptr);

  // Event handlers both windows share.
  void SpeedButtonMeasureClick();
  void SpeedButtonLimitClick();
  void SpeedButtonCloseClick();

  QMenuBar* MainMenu1;
  QAction* NClose;
  QAction* NMeasure;
  QAction* NLimit;
  QAction* NBmp;
  QAction* NCopy;
  QToolBar* ToolBar1;
  QToolButton* SpeedButtonMeasure;
  QToolButton* SpeedButtonLimit;
  QToolButton* SpeedButtonRetLim;
  QToolButton* SpeedButtonBmp;
  QToolButton* SpeedButtonCopy;
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
  // fonts and the up-downs over it, hidden. The window watches the box's viewport, so that
  // it can lay the diagram out again when the box changes size.
  void BuildScrolledDiagram();
  // The diagram fitted into the box, the up-downs at its corners.
  void FitDiagramToBox();
  TRangeUpDowns UpDowns() const { return {UpDown1, UpDown2, UpDown3, UpDown4}; }
};
