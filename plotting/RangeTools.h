#pragma once
// What the frame and the enlarged window share around a diagram: a stored range to go
// back to, and the four up-downs that move the range's edges.
#include "plotting/UpDown.h"

class QLabel;
class QSize;
class QString;
class QWidget;
class TDiagram;

struct TStoredRange {
  double Xmin = -1, Xmax = 1, Ymin = -1, Ymax = 1;

  static TStoredRange Of(const TDiagram& diagram);
  // X range and Y range, each set as a whole.
  void RestoreTo(TDiagram& diagram) const;
};

// The edge an up-down moves: top, bottom, left, right.
enum class TRangeEdge { Ymax, Ymin, Xmin, Xmax };

// The up arrow (or right arrow) increases the edge's value, the other one reduces it.
void StepRangeEdge(TDiagram& diagram, TRangeEdge edge, TUpDown::TUDBtnType button);

// The four up-downs of a diagram shown in a scroll box: upper and lower ordinate bound on the
// left, left and right abscissa bound underneath.
struct TRangeUpDowns {
  TUpDown* Ymax;
  TUpDown* Ymin;
  TUpDown* Xmin;
  TUpDown* Xmax;
};

// Fits the diagram into the area (pixels of the scroll box) with room for the up-downs to
// its left and below it, repaints it, and puts each up-down at its corner of the net.
void PlaceDiagramWithUpDowns(TDiagram& diagram, const QSize& area, const TRangeUpDowns& upDowns);

// Inside the net less a border of 2 pixels: where a point is worth measuring or drawing.
bool InNetInterior(const TDiagram& diagram, int x, int y);
// "(X; Y)" of a pixel in InNetInterior, with two decimals more than the axis numbers; ""
// elsewhere.
QString CoordinateReadout(const TDiagram& diagram, int x, int y);

// The four up-downs at their designed sizes on the area, hidden.
TRangeUpDowns MakeRangeUpDowns(QWidget* area);
void ShowRangeUpDowns(const TRangeUpDowns& upDowns, bool visible);
// The titles and numbers of a diagram that fills a window: Times New Roman, 16 pixels high,
// the titles bold italic.
void UseWindowDiagramFonts(TDiagram& diagram);
// The sunken panel on a tool bar where the read-out is shown.
QLabel* MakeReadoutPanel(QWidget* parent);

class QAction;
class QToolButton;
// Switches the measuring feeler over; the button (and the menu item, if any) show its new state.
void ToggleFeeler(TDiagram& diagram, QToolButton* button, QAction* item);
