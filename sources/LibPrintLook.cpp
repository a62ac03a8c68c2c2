// Copying the library window as a picture: the window is first given a plain look (white,
// no tool bar, no edit borders, diagrams in print mode), then copied once it has repainted,
// then given its usual look back; timers leave the event loop room to repaint in between.
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QTimer>
#include <QToolBar>

#include "platform/Platform.h"
#include "plotting/Diagram.h"
#include "sources/LibUnit.h"
#include "widgets/Comfun.h"
#include "widgets/DecimalEditUnit.h"

void TLibForm::PrintLook() {
  CommitEdits();
  ComboBoxF->setFocus();
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);
  DiagramSignal->SetPrintMode();
  DiagramSpectr->SetPrintMode();
  EditTay->setFrame(false);
  EditV0->setFrame(false);
  ToolBar1->hide();
  // The family list hides with the tool bar and would pass the focus on to an edit, whose
  // text would then be copied selected; no control keeps the focus while the copy is taken.
  if (QWidget* focused = focusWidget()) focused->clearFocus();
}

void TLibForm::NormalLook() {
  QPalette saved = palette();
  saved.setColor(QPalette::Window, SavedColour);
  setPalette(saved);
  DiagramSignal->ResetPrintMode();
  DiagramSpectr->ResetPrintMode();
  EditTay->setFrame(true);
  EditV0->setFrame(true);
  ToolBar1->show();
  ComboBoxF->setFocus();
}

void TLibForm::CopyAllClick() {
  PrintLook();
  Timer1->start();
}

void TLibForm::CopyDiagramsClick() {
  PrintLook();
  Timer3->start();
}

// The client area is everything under the menu; with the tool bar hidden that is Panel1.
void TLibForm::Timer1Timer() {
  Timer1->stop();
  CopyPanelRows(Panel1->height());
  Timer2->start();
}

void TLibForm::Timer3Timer() {
  Timer3->stop();
  CopyPanelRows(DiagramSignal->y() + DiagramSignal->height());
  Timer2->start();
}

void TLibForm::Timer2Timer() {
  Timer2->stop();
  NormalLook();
}

// Rows 0 .. bottom of Panel1, in the window's coordinates.
void TLibForm::CopyPanelRows(int bottom) {
  const QRect area = Panel1->geometry();
  CopyFormRectToClipboard(this, area.left(), area.top(), area.right() + 1, area.top() + bottom);
}

const QImage* TLibForm::VisibleFormulaPicture() const {
  const int family = Lib.GetFamily();
  if (family < 1 || family > LibFamilyCount || FormulaPictures[family - 1].isNull()) return nullptr;
  return &FormulaPictures[family - 1];
}

void TLibForm::N13Click() {
  if (const QImage* picture = VisibleFormulaPicture()) Platform().SetClipboardImage(*picture);
}

void TLibForm::N14Click() {
  if (const QImage* picture = VisibleFormulaPicture()) SaveImageAsBmp(*picture, QString(), tr("Рисунок.bmp"));
}
