#pragma once
// The current method's error figures under the caption of the error diagram, saying what they
// cover, e.g. "На интервале анализа: макс. ошибка = 0,0172; СКО = 0,0064 (4,21 %)", and under
// them, while noise, quantisation, a filter or exact samples are in force, the panel's note. The label lies on the
// diagram, in the strip between the caption and the plotted area that only the grid crosses, and keeps its place there
// as the diagram is resized.
#include <QLabel>

#include "engine/MethodComparison.h"

class TDiagram;

class TErrorFiguresLabel : public QLabel {
 public:
  explicit TErrorFiguresLabel(TDiagram* diagram);

  // The figures' text; hidden when they are not known (a table signal, no signal).
  void ShowFigures(const TErrorFigures& figures, const QString& studyNote = QString());
  static QString FiguresText(const TErrorFigures& figures);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Place();
  TDiagram* Diagram;
};
