#include "plotting/DiagramWindow.h"

#include <QAction>
#include <QMenu>
#include <QScrollArea>
#include <QToolButton>

#include "plotting/Diagram.h"
#include "plotting/DiagramExport.h"
#include "plotting/ToolGlyphs.h"
#include "widgets/TranslatedTexts.h"

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
  connect(UpDown1, &TUpDown::Click, this, &TDiagramWindow::UpDown1Click);
  connect(UpDown2, &TUpDown::Click, this, &TDiagramWindow::UpDown2Click);
  connect(UpDown3, &TUpDown::Click, this, &TDiagramWindow::UpDown3Click);
  connect(UpDown4, &TUpDown::Click, this, &TDiagramWindow::UpDown4Click);
}

// A tool button and its menu item run one handler.
void TDiagramWindow::ConnectSharedTools(QAction* returnLimitsItem) {
  using THandler = void (TDiagramWindow::*)();
  const struct {
    QToolButton* Button;
    QAction* Item;
    THandler Handler;
  } tools[] = {
      {SpeedButtonMeasure, NMeasure, &TDiagramWindow::SpeedButtonMeasureClick},
      {SpeedButtonLimit, NLimit, &TDiagramWindow::SpeedButtonLimitClick},
      {SpeedButtonRetLim, returnLimitsItem, &TDiagramWindow::SpeedButtonRetLimClick},
      {SpeedButtonBmp, NBmp, &TDiagramWindow::SpeedButtonBmpClick},
      {SpeedButtonCopy, NCopy, &TDiagramWindow::SpeedButtonCopyClick},
      {SpeedButtonData, NData, &TDiagramWindow::SpeedButtonDataClick},
      {SpeedButtonClose, NClose, &TDiagramWindow::SpeedButtonCloseClick},
  };
  for (const auto& tool : tools) {
    connect(tool.Button, &QToolButton::clicked, this, tool.Handler);
    connect(tool.Item, &QAction::triggered, this, tool.Handler);
  }
}

void TDiagramWindow::MakeDataTools(QWidget* toolBar, QMenu* menu) {
  const char* text = QT_TR_NOOP("Сохранить данные...");
  SpeedButtonData = MakeSpeedButton(toolBar, TToolGlyph::SaveData, QString(), false);
  PutText(SpeedButtonData, TTextRole::ToolTip, "TDiagramWindow", text);
  NData = AddTranslatedItem(menu, "TDiagramWindow", text);
}

void TDiagramWindow::SpeedButtonDataClick() { SaveDiagramData(*Diagram1); }

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

void TDiagramWindow::StepEdge(TRangeEdge edge, TUpDown::TUDBtnType button) { StepRangeEdge(*Diagram1, edge, button); }

void TDiagramWindow::UpDown1Click(TUpDown*, TUpDown::TUDBtnType b) { StepEdge(TRangeEdge::Ymax, b); }
void TDiagramWindow::UpDown2Click(TUpDown*, TUpDown::TUDBtnType b) { StepEdge(TRangeEdge::Ymin, b); }
void TDiagramWindow::UpDown3Click(TUpDown*, TUpDown::TUDBtnType b) { StepEdge(TRangeEdge::Xmin, b); }
void TDiagramWindow::UpDown4Click(TUpDown*, TUpDown::TUDBtnType b) { StepEdge(TRangeEdge::Xmax, b); }
