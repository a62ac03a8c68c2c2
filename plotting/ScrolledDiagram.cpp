#include "plotting/ScrolledDiagram.h"

#include <QAction>
#include <QScrollArea>
#include <QToolButton>

#include "plotting/Diagram.h"

TScrolledDiagram MakeScrolledDiagram(QWidget* window) {
  auto* box = new QScrollArea(window);
  box->setWidgetResizable(true);
  auto* area = new QWidget;
  box->setWidget(area);
  box->viewport()->installEventFilter(window);
  auto* diagram = new TDiagram(area);
  UseWindowDiagramFonts(*diagram);
  return {box, diagram, MakeRangeUpDowns(area)};
}

void ToggleFeeler(TDiagram& diagram, QToolButton* button, QAction* item) {
  diagram.SetShowFeeler(!diagram.GetShowFeeler());
  button->setChecked(diagram.GetShowFeeler());
  if (item) item->setChecked(diagram.GetShowFeeler());
}

void ToggleRangeUpDowns(const TRangeUpDowns& upDowns, QToolButton* button, QAction* item) {
  const bool show = upDowns.Ymax->isHidden();
  ShowRangeUpDowns(upDowns, show);
  button->setChecked(show);
  item->setChecked(show);
}
