#pragma once
// The current method's error figures under the caption of the error diagram, e.g.
// "Макс. ошибка = 0,0172   СКО = 0,0064 (4,21 %)". The label lies on the diagram, in the strip
// between the caption and the plotted area that only the grid crosses, and keeps its place
// there as the diagram is resized.
#include <QLabel>

#include "engine/MethodComparison.h"

class TDiagram;

class TErrorFiguresLabel : public QLabel {
 public:
  explicit TErrorFiguresLabel(TDiagram* diagram);

  // The figures' text; hidden when they are not known (a table signal, no signal).
  void ShowFigures(const TErrorFigures& figures);
  static QString FiguresText(const TErrorFigures& figures);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Place();
  TDiagram* Diagram;
};
