#pragma once
// What the enlarged diagram and the diagram editor share: a diagram filling a tool window
// in a scroll box, with its four range up-downs, and the two tools that switch the
// measuring feeler and the up-downs together with their button and menu item.
#include "plotting/RangeTools.h"

class QAction;
class QScrollArea;
class QToolButton;

struct TScrolledDiagram {
  QScrollArea* Box;
  TDiagram* Diagram;
  TRangeUpDowns UpDowns;
};

// The box on the window, resizing its area with it; the diagram on that area in the
// window's diagram fonts, the up-downs over it, hidden. The window watches the box's
// viewport, so that it can lay the diagram out again when the box changes size.
TScrolledDiagram MakeScrolledDiagram(QWidget* window);

// Switches the feeler over; the button (and the menu item, if any) show its new state.
void ToggleFeeler(TDiagram& diagram, QToolButton* button, QAction* item);
// Shows the up-downs when hidden and hides them when shown; the button and the menu item
// show which.
void ToggleRangeUpDowns(const TRangeUpDowns& upDowns, QToolButton* button, QAction* item);
