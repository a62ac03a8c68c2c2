#pragma once
// A frame holding a diagram, with a small tool panel that appears when the mouse moves over
// the diagram and four up-downs at the ends of the axes that move the range's edges.
#include <QFrame>

#include "plotting/RangeTools.h"

class QToolButton;
class TDiagram;

class TDiagramFrame : public QFrame {
  Q_OBJECT

 public:
  explicit TDiagramFrame(QWidget* parent = nullptr);

  // The range SpeedButtonRetLim goes back to; owners store each new natural range.
  void StoreRange();
  void PlaceTools();
  void HideTools();
  void ShowTools();
  bool IsSuppressed() const { return Suppressed; }
  const TStoredRange& StoredRange() const { return Stored; }

  // Event handlers; owners that take the diagram's mouse-move event call DiagramMouseMove.
  void FrameResize();
  void DiagramMouseMove(TDiagram* sender, Qt::KeyboardModifiers shift, int x, int y);
  void DiagramClick();
  void DiagramMouseDown(TDiagram* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
  void SpeedButtonLimClick();
  void SpeedButtonRetLimClick();
  void SpeedButtonIncreaseClick();
  void SpeedButtonSaveClick();
  void SpeedButtonCopyClick();
  void SpeedButtonDataClick();
  void UpDown1Click(TUpDown* sender, TUpDown::TUDBtnType button);
  void UpDown2Click(TUpDown* sender, TUpDown::TUDBtnType button);
  void UpDown3Click(TUpDown* sender, TUpDown::TUDBtnType button);
  void UpDown4Click(TUpDown* sender, TUpDown::TUDBtnType button);

  TDiagram* Diagram;
  QFrame* Panel;
  QToolButton* SpeedButtonMeasure;
  QToolButton* SpeedButtonLim;
  QToolButton* SpeedButtonRetLim;
  QToolButton* SpeedButtonIncrease;
  QToolButton* SpeedButtonSave;
  QToolButton* SpeedButtonCopy;
  QToolButton* SpeedButtonData;
  TUpDown* UpDown1;
  TUpDown* UpDown2;
  TUpDown* UpDown3;
  TUpDown* UpDown4;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void SetDiagramDefaults();
  void BuildPanel();
  void BuildUpDowns();
  void SetUpDownsVisible(bool visible);
  void KeepRoomForUpDowns();
  void StepEdge(TRangeEdge edge, TUpDown::TUDBtnType button);

  TStoredRange Stored;
  bool Suppressed = false;
};
