#include "plotting/DiagramWindow.h"

#include <QAction>
#include <QScrollArea>
#include <QToolButton>

#include "plotting/Diagram.h"

TDiagramWindow::TDiagramWindow(QWidget* parent) : QDialog(parent) {}

void TDiagramWindow::BuildScrolledDiagram() {
  ScrollBox1 = new QScrollArea(this);
  ScrollBox1->setWidgetResizable(true);
  auto* area = new QWidget;
  ScrollBox1->setWidget(area);
  ScrollBox1->viewport()->installEventFilter(this);
  Diagram1 = new TDiagram(area);
  UseWindowDiagramFonts(*Diagram1);
  const TRangeUpDowns upDowns = MakeRangeUpDowns(area);
  UpDown1 = upDowns.Ymax;
  UpDown2 = upDowns.Ymin;
  UpDown3 = upDowns.Xmin;
  UpDown4 = upDowns.Xmax;
}

void TDiagramWindow::FitDiagramToBox() {
  PlaceDiagramWithUpDowns(*Diagram1, ScrollBox1->viewport()->size(), UpDowns());
}

void TDiagramWindow::SpeedButtonMeasureClick() { ToggleFeeler(*Diagram1, SpeedButtonMeasure, NMeasure); }

void TDiagramWindow::SpeedButtonLimitClick() {
  const bool show = UpDown1->isHidden();
  ShowRangeUpDowns(UpDowns(), show);
  SpeedButtonLimit->setChecked(show);
  NLimit->setChecked(show);
}

void TDiagramWindow::SpeedButtonCloseClick() { close(); }
