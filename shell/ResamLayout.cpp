// The layout of the four tabs. The first paint applies it and every resize applies it
// again with the same proportions, so that the panes follow the window.
#include <QGroupBox>
#include <QLabel>
#include <QScrollArea>
#include <QTabWidget>
#include <algorithm>

#include "plotting/DiagramFrameUnit.h"
#include "shell/MethodViews.h"
#include "shell/ResamUnit.h"

namespace {
constexpr int Gap = 2;
constexpr int PanelBottomMargin = 5;
constexpr int KernelGap = 5, KernelShrink = 10;
constexpr int PanelInset = 10;
constexpr int ToolPanelRightMargin = 30;
constexpr int LagrMargin = 20, LagrDiagramShrink = 10;
constexpr int MinPane = 40;
constexpr int MinFontPixels = 6;
constexpr int ReadoutGap = 4;  // between two read-outs sharing a row, at the design scale

// A pane never shrinks below a size the diagram can still draw in.
int Pane(int size) { return std::max(size, MinPane); }
}  // namespace

// The page control sizes only its current page; the others take the same size here, so
// that every tab is laid out before it is first shown.
void TResamForm::ApplyLayout() {
  const QSize page = PageControl1->currentWidget()->size();
  for (QWidget* sheet : {TabSheet1, TabSheet2, TabSheet3, TabSheet4}) sheet->resize(page);
  LayoutSignalTab();
  LayoutSpectrumTab();
  LayoutKernelTab();
  LayoutBasisTab();
}

void TResamForm::RecordDesignGeometry() {
  DesignGeometry.clear();
  DesignFonts.clear();
  for (QWidget* w : GroupBox1->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    DesignGeometry.append({w, w->geometry()});
    DesignFonts.append({w, w->font()});
  }
}

// Below the design width the panel and everything in it shrink by the same factor, so that
// no control is cut off; at or above it the controls keep their designed places.
void TResamForm::ScaleParameterPanel(double factor) {
  PanelScale = factor;
  for (const auto& [w, f] : DesignFonts) {
    QFont font = f;
    if (f.pixelSize() > 0) font.setPixelSize(std::max(MinFontPixels, qRound(f.pixelSize() * factor)));
    w->setFont(font);
  }
  for (const auto& [w, r] : DesignGeometry) {
    // A label's text changes with the signal: it keeps the size of its current text.
    if (auto* label = qobject_cast<QLabel*>(w)) {
      label->move(qRound(r.x() * factor), qRound(r.y() * factor));
      label->adjustSize();
    } else {
      w->setGeometry(qRound(r.x() * factor), qRound(r.y() * factor), qRound(r.width() * factor),
                     qRound(r.height() * factor));
    }
  }
  PlaceSideReadouts();
}

// fд and ωд, ωm and fm share a row: a first value wider than its column (ωm of a few
// thousand rad/s) moves the second one right instead of running into it.
void TResamForm::PlaceSideReadouts() {
  FollowReadout(Label7, {Label16, Label17, Label12});
  FollowReadout(Label20, {Label21});
}

// The labels beside keep their design spacing among themselves and their design place
// whenever the first one leaves room for it.
void TResamForm::FollowReadout(const QLabel* first, std::initializer_list<QLabel*> beside) {
  const auto designLeft = [this](const QWidget* w) {
    for (const auto& [widget, r] : DesignGeometry)
      if (widget == w) return qRound(r.x() * PanelScale);
    return w->x();
  };
  const int needed = first->x() + first->width() + qRound(ReadoutGap * PanelScale);
  const int shift = std::max(0, needed - designLeft(*beside.begin()));
  for (QLabel* label : beside) label->move(designLeft(label) + shift, label->y());
}

void TResamForm::LayoutSignalTab() {
  const int width = TabSheet1->width(), height = TabSheet1->height();
  const double factor = std::min(1.0, (width - Gap) / double(DesignPanelWidth));
  ScaleParameterPanel(factor);
  const int panelHeight = qRound(DesignPanelHeight * factor);
  GroupBox1->setGeometry(0, height - panelHeight - PanelBottomMargin, std::max(1, width - Gap), panelHeight);
  if (LabelFilter) PlaceFilterLabel();
  DFs->setGeometry(0, 0, Pane(width - Gap), Pane(GroupBox1->y() - Gap - TwinListHeight()));
  if (LabelTwin) LabelTwin->move(DFs->x() + Gap, DFs->y() + DFs->height());
  PlaceNoSignalLabel();
}

void TResamForm::PlaceNoSignalLabel() {
  Label5->move((GroupBox1->width() - Label5->width()) / 2,
               GroupBox1->y() + GroupBox1->height() / 4 - Label5->height() / 2);
}

void TResamForm::LayoutSpectrumTab() {
  const int width = TabSheet2->width(), height = TabSheet2->height();
  DFAS->setGeometry(0, 0, Pane(width - Gap), Pane(height / 2 - Gap));
  DFE->setGeometry(0, DFAS->height() + Gap, DFAS->width(), DFAS->height());
}

void TResamForm::LayoutKernelTab() {
  const int width = TabSheet3->width(), height = TabSheet3->height();
  const int w = Pane(width / 2 - KernelShrink), h = Pane(height / 2 - KernelShrink);
  DFBF->setGeometry(0, 0, w, h);
  DFBFS->setGeometry(w + KernelGap, 0, w, h);
  DFK->setGeometry(0, h + KernelGap, w, h);
  PanelBF->setGeometry(DFBFS->x() + PanelInset, DFK->y() + PanelInset, Pane(w - 2 * PanelInset),
                       Pane(h - 2 * PanelInset));
  for (QLabel* image : MethodImages)
    if (image) CentreImage(image);
  PanelImage->move(PanelBF->x() + PanelBF->width() - PanelImage->width() - ToolPanelRightMargin, PanelBF->y() + Gap);
  PanelImage->raise();
}

void TResamForm::LayoutBasisTab() {
  const int width = TabSheet4->width(), height = TabSheet4->height();
  GroupBoxLagr->setGeometry(LagrMargin, height - GroupBoxLagr->height() - LagrMargin, Pane(width - 2 * LagrMargin),
                            GroupBoxLagr->height());
  PanelLagr->resize(Pane(GroupBoxLagr->width() - PanelLagr->x() - LagrMargin), PanelLagr->height());
  DFLagr->setGeometry(0, 0, Pane(width - LagrDiagramShrink), Pane(GroupBoxLagr->y() - LagrMargin));
  ImageLagr->move((PanelLagr->width() - ImageLagr->width()) / 2, ImageLagr->y());
  PanelLagrImg->move(PanelLagr->width() - PanelLagrImg->width() - ToolPanelRightMargin, Gap);
  PanelLagrImg->raise();
}
