// What a user does with a diagram besides looking at it: the cross-hair (feeler), the
// cursor over the net, the mouse events handed to the owner, range steps and export.
#include <QMouseEvent>
#include <QPainter>
#include <new>

#include "platform/FileExtension.h"
#include "platform/FileMessages.h"
#include "platform/Platform.h"
#include "plotting/Diagram.h"
#include "plotting/DiagramColours.h"
#include "plotting/DiagramScale.h"

namespace {
// The cursor point and this many pixels below and to the left of it stay free.
constexpr int FeelerGap = 11;
}  // namespace

// Not-xor drawing: the same two lines drawn again restore every pixel under them.
void TDiagram::DrawFeeler(int x, int y) {
  if (Image.isNull()) return;
  QPainter p(&Image);
  p.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
  p.setPen(QPen(ColourOf(ColorFeeler), PenWidthFeeler, PenStyleFeeler));
  DrawNetLine(p, x, y + FeelerGap, x, ye_net);
  DrawNetLine(p, x - FeelerGap, y, xb_net, y);
  p.end();
  update();
}

void TDiagram::EraseFeeler() {
  if (!FeelerDrawn) return;
  DrawFeeler(FeelerX, FeelerY);
  FeelerDrawn = false;
}

void TDiagram::SetShowFeeler(bool on) {
  if (ShowFeeler == on) return;
  ShowFeeler = on;
  if (!on) EraseFeeler();
}

void TDiagram::SetCursorShape(Qt::CursorShape shape) {
  if (cursor().shape() != shape) setCursor(shape);
}

void TDiagram::MouseMove(Qt::KeyboardModifiers shift, int x, int y) {
  if (!CursorSaved) {
    SavedCursor = cursor().shape();
    CursorSaved = true;
  }
  const bool inside = xb_net < x && x < xe_net && yb_net < y && y < ye_net;
  SetCursorShape(inside ? (ShowFeeler ? Qt::CrossCursor : NetCursor) : SavedCursor);
  if (ShowFeeler) {
    EraseFeeler();
    if (inside) {
      DrawFeeler(x, y);
      FeelerX = x;
      FeelerY = y;
      FeelerDrawn = true;
    }
  }
  emit OnMouseMove(this, shift, x, y);
}

void TDiagram::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  MouseMove(event->modifiers(), at.x(), at.y());
  QWidget::mouseMoveEvent(event);
}

// The mouse can leave the net without a move over the diagram's edge: onto a tool panel
// that floats over it, or straight into another window.
void TDiagram::leaveEvent(QEvent* event) {
  EraseFeeler();
  QWidget::leaveEvent(event);
}

void TDiagram::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (event->button() == Qt::LeftButton) LeftPressed = true;
  emit OnMouseDown(this, event->button(), event->modifiers(), at.x(), at.y());
  QWidget::mousePressEvent(event);
}

void TDiagram::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  const bool click = event->button() == Qt::LeftButton && LeftPressed && rect().contains(at);
  if (event->button() == Qt::LeftButton) LeftPressed = false;
  emit OnMouseUp(this, event->button(), event->modifiers(), at.x(), at.y());
  if (click) emit OnClick(this);
  QWidget::mouseReleaseEvent(event);
}

double TDiagram::StepX() const { return RangeStep(Xmax - Xmin, PrecisionX); }

double TDiagram::StepY() const { return RangeStep(Ymax - Ymin, PrecisionY); }

// Exports are of the control's size in logical pixels, as the picture file of a diagram has
// always been: what a user pastes or opens is as large as the diagram looked on the screen
// (at a ratio of 2 a device-size copy would open twice as large elsewhere).
QImage TDiagram::PrintPicture() {
  ExportRatio = 1;
  SetPrintMode();
  QImage printed = Picture();
  ExportRatio = 0;
  ResetPrintMode();
  return printed;
}

void TDiagram::CopyToClipboard() { Platform().SetClipboardImage(PrintPicture()); }

void TDiagram::SaveBmpFile() {
  try {
    TFileDialogOptions options;
    options.OverwritePrompt = true;
    options.DefaultExt = QStringLiteral("bmp");
    options.Filter = QStringLiteral("Bitmaps (*.bmp)|*.bmp");
    options.FileName = tr("Диаграмма.bmp");
    QString name;
    if (!Platform().SaveFileName(options, name)) return;
    SaveBmpFile(name);
  } catch (const std::bad_alloc&) {
    ShowMessage(NoMemoryToSaveMessage());
  }
}

void TDiagram::SaveBmpFile(QString name) {
  CorrectFileExtension(name, QStringLiteral(".bmp"));
  const bool written = PrintPicture().save(name, "BMP");
  // A file that could not be written is said so, never passed over as saved.
  if (!written) ShowMessage(CannotWriteFileMessage(name.toStdString()));
}
