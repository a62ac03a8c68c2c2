// The diagram's legend: which colour is which curve, for the diagrams that say so.
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "plotting/Diagram.h"
#include "plotting/DiagramColours.h"

namespace {
constexpr int LegendInset = 6;  // from the net's border
constexpr int LegendPad = 4;    // inside the legend's frame
constexpr int StrokeLength = 24, StrokeGap = 5, StrokeWidth = 2;
constexpr int MarkerRadius = 3;
// The dashes of a dashed series (one pixel wide), so that its stroke here reads as its curve.
constexpr qreal DashLength = 6, DashGap = 4;
}  // namespace

void TDiagram::SetLegend(const std::vector<TLegendLine>& lines) {
  if (lines == Legend) return;
  Legend = lines;
  ShowDiagram();
}

// Drawn over the series, on the net's own background, so that no curve runs through the text.
void TDiagram::PaintLegend(QPainter& p) {
  if (Legend.empty()) return;
  const QFontMetrics fm = Image.isNull() ? QFontMetrics(FontNet) : QFontMetrics(FontNet, &Image);
  int textWidth = 0;
  for (const TLegendLine& line : Legend) textWidth = std::max(textWidth, fm.horizontalAdvance(line.Text));
  const int width = 2 * LegendPad + StrokeLength + StrokeGap + textWidth;
  const int height = 2 * LegendPad + fm.height() * static_cast<int>(Legend.size());
  const QRect box(xe_net - LegendInset - width, yb_net + LegendInset, width, height);
  if (box.left() < xb_net + LegendInset || box.bottom() > ye_net - LegendInset) return;
  p.fillRect(box, ColourOf(PrintMode ? ColourWhite : ColorBackNet));
  p.setPen(QPen(NetColour(), 1, Qt::SolidLine));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5));
  int top = box.top() + LegendPad;
  for (const TLegendLine& line : Legend) {
    const int y = top + fm.height() / 2;
    PaintLegendSymbol(p, line, box.left() + LegendPad, y);
    PaintText(p, FontNet, box.left() + LegendPad + StrokeLength + StrokeGap, top, line.Text, false);
    top += fm.height();
  }
  LegendRect = box;
}

// A stroke for a curve; for samples a stem with its marker, as the series draws them.
void TDiagram::PaintLegendSymbol(QPainter& p, const TLegendLine& line, int left, int y) {
  const QColor colour = SeriesColourOf(line.Colour);
  if (line.Dashed && !line.Marker) {
    QPen pen(colour, 1, Qt::SolidLine, Qt::FlatCap);
    pen.setDashPattern({DashLength, DashGap});
    p.setPen(pen);
    p.drawLine(left, y, left + StrokeLength, y);
    return;
  }
  if (!line.Marker) {
    p.setPen(QPen(colour, StrokeWidth, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(left, y, left + StrokeLength, y);
    return;
  }
  const int x = left + StrokeLength / 2;
  p.setPen(QPen(colour, StrokeWidth, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(x, y + MarkerRadius * 2, x, y);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(x, y - MarkerRadius + 1), MarkerRadius, MarkerRadius);
  p.setRenderHint(QPainter::Antialiasing, false);
}
