#include "plotting/PaintHold.h"

#include "plotting/Diagram.h"

TPaintHold::TPaintHold(QWidget& root) {
  for (TDiagram* d : root.findChildren<TDiagram*>()) {
    d->HoldPaint();
    Held.emplace_back(d);
  }
}

TPaintHold::~TPaintHold() {
  for (const QPointer<TDiagram>& d : Held)
    if (d) d->ReleasePaint();
}
