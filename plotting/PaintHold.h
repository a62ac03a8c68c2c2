#pragma once
// One repaint per diagram for one action of a window: while a hold lives, every diagram
// within the widget it was given only notes the repaints asked of it, and each diagram that
// was asked paints once when the hold ends.
#include <QPointer>
#include <vector>

class QWidget;
class TDiagram;

class TPaintHold {
 public:
  explicit TPaintHold(QWidget& root);
  ~TPaintHold();
  TPaintHold(const TPaintHold&) = delete;
  TPaintHold& operator=(const TPaintHold&) = delete;

 private:
  // A diagram the action deletes is simply left out at the end.
  std::vector<QPointer<TDiagram>> Held;
};
