// What is drawn over the series once they are painted: the marked interval and the legend.
// Neither changes the series' pixels inside the interval, so a diagram without them is the
// diagram as it always was.
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "plotting/Diagram.h"
#include "plotting/DiagramColours.h"

namespace {
// Light enough that curves stay readable beneath it, dark enough to see on white and grey.
constexpr int ShadeAlpha = 40;
constexpr int NameInset = 2;  // the end's name from its line and from the net's top
}  // namespace

void TDiagram::SetIntervalMark(const TIntervalMark& mark) {
  if (mark == IntervalMark) return;
  IntervalMark = mark;
  ShowDiagram();
}

QColor TDiagram::SeriesColourOf(int colour) const {
  return ColourOf(PrintMode && !ColourFigure ? ColourBlack : colour);
}

void TDiagram::PaintOverlay(QPainter& p) {
  PaintIntervalMark(p);
  PaintLegend(p);
}

// The shading covers the inside of the net beyond either end; an end outside the view draws
// no line, and an interval covering the whole view draws nothing at all.
void TDiagram::PaintIntervalMark(QPainter& p) {
  if (!IntervalMark.On || !(IntervalMark.From < IntervalMark.To)) return;
  const int top = yb_net + 1, bottom = ye_net - 1, left = xb_net + 1, right = xe_net - 1;
  if (bottom <= top || right <= left) return;
  const double from = std::clamp(double(MathToPhisX(IntervalMark.From)), double(left), double(right + 1));
  const double to = std::clamp(double(MathToPhisX(IntervalMark.To)), double(left - 1), double(right));
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  QColor shade = NetColour();
  shade.setAlpha(ShadeAlpha);
  if (from > left) p.fillRect(QRectF(left, top, from - left, bottom - top + 1), shade);
  if (to < right) p.fillRect(QRectF(to + 1, top, right - to, bottom - top + 1), shade);
  p.setPen(QPen(NetColour(), 1, Qt::SolidLine));
  const QFontMetrics fm = Image.isNull() ? QFontMetrics(FontNet) : QFontMetrics(FontNet, &Image);
  const struct {
    double X;
    const QString& Name;
    bool NameLeft;
  } ends[] = {{from, IntervalMark.FromName, false}, {to, IntervalMark.ToName, true}};
  for (const auto& end : ends) {
    if (end.X < left || end.X > right) continue;
    p.drawLine(QPointF(end.X + LineOffset(), top), QPointF(end.X + LineOffset(), bottom));
    const int width = fm.horizontalAdvance(end.Name);
    const int x = end.NameLeft ? int(end.X) - NameInset - width : int(end.X) + NameInset + 1;
    if (x >= left && x + width <= right) PaintText(p, FontNet, x, top + NameInset, end.Name, false);
  }
  p.restore();
}
