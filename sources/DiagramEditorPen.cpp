// Drawing in the editor: the pen that only moves right, the rubber band from the pen to
// the cursor (drawn inverting, so that drawing it again restores every pixel), fixing a
// point with the sampling of the new segment, and the mouse and keys that drive them.
#include <QLabel>
#include <QPainter>
#include <vector>

#include "platform/Platform.h"
#include "plotting/Diagram.h"
#include "plotting/DiagramColours.h"
#include "plotting/InvertedLine.h"
#include "sourcedata/DrawingSampling.h"
#include "sources/DiagramEditor.h"
#include "widgets/ToolWindow.h"

namespace {
constexpr int CurveWidth = 2;
}  // namespace

bool TDiagramEditor::InNet(int x, int y) const { return InNetInterior(*Diagram1, x, y); }

void TDiagramEditor::ResetPen() { Pen = QPoint(Diagram1->MathToPhisX(Diagram1->GetXmin()), Diagram1->MathToPhisY(0)); }

// The pixel row of 0 stands for 0 itself. Read back through the mapping it may be off by a
// fraction of a pixel (when the plot's height is odd), and a drawing that rests on the zero
// line would then never be zero: its support, found where it leaves zero, would be lost.
double TDiagramEditor::OrdinateOf(int py) const {
  return py == Diagram1->MathToPhisY(0) ? 0.0 : Diagram1->PhisToMathY(py);
}

double TDiagramEditor::PixelStep() const {
  const double width = Diagram1->GetXmax() - Diagram1->GetXmin();
  const int w = Diagram1->Get_w_out();
  return w > 1 ? width / (w - 1) : width;
}

QRect TDiagramEditor::NetRect() const {
  const TDiagram& d = *Diagram1;
  return QRect(QPoint(d.Get_xb_net(), d.Get_yb_net()), QPoint(d.Get_xe_net(), d.Get_ye_net()));
}

// Antialiased, with square caps: round ones send a long antialiased line down a
// path-filling route some fifty times slower, which a fast mouse would feel.
void TDiagramEditor::PaintSegment(QPoint from, QPoint to) {
  QImage& canvas = Diagram1->Canvas();
  if (canvas.isNull()) return;
  QPainter p(&canvas);
  p.setClipRect(NetRect());
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(ColourOf(DrawColor), CurveWidth, Qt::SolidLine, Qt::SquareCap));
  p.drawLine(from, to);
  p.end();
  UpdateAround(from, to, CurveWidth);
}

// The band stays crisp and inverting: drawn again, it restores every pixel it covered.
void TDiagramEditor::InvertBand() {
  InvertLine(Diagram1->Canvas(), Pen, BandEnd, ColourOf(DrawColor), NetRect());
  UpdateAround(Pen, BandEnd, 1);
}

void TDiagramEditor::UpdateAround(QPoint from, QPoint to, int width) {
  Diagram1->update(QRect(from, to).normalized().adjusted(-width - 1, -width - 1, width + 1, width + 1));
}

void TDiagramEditor::EraseBand() {
  if (BandShown) InvertBand();
  BandShown = false;
}

void TDiagramEditor::DrawBand(int x, int y) {
  EraseBand();
  if (!InNet(x, y)) return;
  BandEnd = QPoint(x, y);
  InvertBand();
  BandShown = true;
}

// The cursor may go anywhere right of the pen over the diagram, never back left of it.
void TDiagramEditor::ClipToPen() {
  const QPoint topLeft = Diagram1->mapToGlobal(QPoint(Pen.x(), 0));
  const QPoint bottomRight = Diagram1->mapToGlobal(QPoint(Diagram1->width() - 1, Diagram1->height() - 1));
  Platform().ConfineCursor(QRect(topLeft, bottomRight));
}

void TDiagramEditor::FixPoint(int x, int y) {
  if (Samples.empty() || !InNet(x, y) || x < Pen.x()) return;
  Restored.reset();
  EraseBand();
  const bool feeler = Diagram1->GetShowFeeler();
  Diagram1->SetShowFeeler(false);
  const QPoint to(x, y);
  PaintSegment(Pen, to);
  // The same column again adds no sample: the pen only jumps vertically.
  if (x > Pen.x()) {
    const TDiagram& d = *Diagram1;
    Count = SampleSegment(d.PhisToMathX(Pen.x()), OrdinateOf(Pen.y()), d.PhisToMathX(x), OrdinateOf(y), PixelStep(),
                          Samples.data(), Count, Capacity);
  }
  Pen = to;
  ClipToPen();
  EnableLimits(false);
  Diagram1->SetShowFeeler(feeler);
}

void TDiagramEditor::DrawCurve(int colour) {
  EraseBand();
  if (Count <= 0) return;
  QImage& canvas = Diagram1->Canvas();
  if (canvas.isNull()) return;
  QPainter p(&canvas);
  PaintCurve(p, colour);
  p.end();
  Diagram1->update();
}

// The drawing through its samples, one per pixel column from Xmin: on the screen's picture
// and onto every exported figure.
void TDiagramEditor::PaintCurve(QPainter& p, int colour) const {
  if (Count <= 0) return;
  const TDiagram& d = *Diagram1;
  const int x0 = d.MathToPhisX(d.GetXmin());
  std::vector<QPoint> points(Count);
  for (int i = 0; i < Count; ++i) points[i] = QPoint(x0 + i, d.MathToPhisY(Samples[i]));
  p.setClipRect(NetRect());
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(ColourOf(colour), CurveWidth, Qt::SolidLine, Qt::SquareCap));
  p.drawPolyline(points.data(), Count);
}

// Samples that stopped at the capacity cover less than the pen's reach, and a pen left at
// Xmin (a one-value drawing loaded from a file) covers nothing: the samples' own extent is
// handed over then, so that they keep their abscissas.
double TDiagramEditor::LastAbscissa() const {
  if (Restored) return Restored->XLast;
  const double xmin = Diagram1->GetXmin();
  const double pen = Diagram1->PhisToMathX(Pen.x());
  if (Count > 0 && (Count == Capacity || !(pen > xmin))) return xmin + Count * PixelStep();
  return pen;
}

void TDiagramEditor::StoreSignal() {
  DrawnSeries(*Diagram1->GetKeeper(0), Samples.data(), Count, Diagram1->GetXmin(), LastAbscissa());
}

void TDiagramEditor::ShowCoords(int x, int y) {
  const QString text = CoordinateReadout(*Diagram1, x, y);
  if (Panel2->text() != text) Panel2->setText(text);
}

void TDiagramEditor::Diagram1MouseMove(TDiagram*, Qt::KeyboardModifiers, int x, int y) {
  ShowCoords(x, y);
  KeepMaximized(this);
  if (InNet(x, y))
    ClipToPen();
  else
    ReleaseCursor();
  DrawBand(x, y);
  if (LeftButtonDown) FixPoint(x, y);
}

void TDiagramEditor::Diagram1MouseDown(TDiagram*, Qt::MouseButton button, Qt::KeyboardModifiers, int x, int y) {
  if (button != Qt::LeftButton) return;
  LeftButtonDown = true;
  FixPoint(x, y);
}

void TDiagramEditor::Diagram1MouseUp(TDiagram*, Qt::MouseButton button, Qt::KeyboardModifiers, int, int) {
  if (button == Qt::LeftButton) LeftButtonDown = false;
}

void TDiagramEditor::FormKeyDown(int key) {
  const QPoint at = Diagram1->mapFromGlobal(Platform().CursorPos());
  if (!InNet(at.x(), at.y())) return;
  QPoint step;
  switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      FixPoint(at.x(), at.y());
      return;
    case Qt::Key_Left:
      step = QPoint(-1, 0);
      break;
    case Qt::Key_Up:
      step = QPoint(0, -1);
      break;
    case Qt::Key_Right:
      step = QPoint(1, 0);
      break;
    case Qt::Key_Down:
      step = QPoint(0, 1);
      break;
    default:
      return;
  }
  const QPoint next = at + step;
  if (InNet(next.x(), next.y())) Platform().SetCursorPos(Diagram1->mapToGlobal(next));
}
