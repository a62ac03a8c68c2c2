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
constexpr int NameInset = 2;                  // the end's name from its line and from the net's top
constexpr int BreakGap = 4, BreakDepth = 12;  // the break mark of a bar above the view
const QString BestStar = QStringLiteral("★");
}  // namespace

void TDiagram::SetBars(const std::vector<TBarMark>& bars) {
  if (bars == Bars) return;
  Bars = bars;
  ShowDiagram();
}

void TDiagram::PaintBars(QPainter& p) {
  if (Bars.empty()) return;
  p.save();
  p.setClipRect(xb_net + 1, yb_net + 1, xe_net - xb_net - 1, ye_net - yb_net - 1);
  p.setRenderHint(QPainter::Antialiasing, false);
  const int zero = std::clamp(MathToPhisY(std::max(0.0, Ymin)), yb_net + 1, ye_net - 1);
  for (const TBarMark& bar : Bars) PaintBar(p, bar, zero);
  p.restore();
}

void TDiagram::PaintBar(QPainter& p, const TBarMark& bar, int zero) {
  if (!(bar.Value > 0)) return;
  const int left = MathToPhisX(bar.X - bar.Half), right = MathToPhisX(bar.X + bar.Half);
  const bool above = bar.Value > Ymax;
  const int top = above ? yb_net + 1 : std::max(yb_net + 1, MathToPhisY(bar.Value));
  const QColor colour = SeriesColourOf(bar.Colour);
  p.fillRect(QRect(QPoint(left, top), QPoint(right, zero)), colour);
  const QFontMetrics fm = Image.isNull() ? QFontMetrics(FontNet) : QFontMetrics(FontNet, &Image);
  const int centre = (left + right) / 2;
  int textTop = top - fm.height();
  if (above) {
    // Two slanted cuts across the bar, the background showing between them.
    const int y = top + BreakDepth;
    p.setPen(QPen(ColourOf(PrintMode ? ColourWhite : ColorBackNet), BreakGap));
    p.drawLine(left - 1, y + BreakGap, right + 1, y - BreakGap);
    const QString value = bar.ValueText;
    PaintText(p, FontNet, std::max(xb_net + 1, centre - fm.horizontalAdvance(value) / 2), y + BreakGap + 2, value,
              true);
    textTop = y + BreakGap + 2 + fm.height();
  }
  const QString label = bar.Best ? bar.Label + BestStar : bar.Label;
  if (!above && textTop < yb_net + 1) textTop = top + 1;
  PaintText(p, FontNet, centre - fm.horizontalAdvance(label) / 2, textTop, label, above);
}

void TDiagram::SetIntervalMark(const TIntervalMark& mark) {
  if (mark == IntervalMark) return;
  IntervalMark = mark;
  ShowDiagram();
}

QColor TDiagram::SeriesColourOf(int colour) const {
  return ColourOf(PrintMode && !ColourFigure ? ColourBlack : colour);
}

void TDiagram::PaintOverlay(QPainter& p) {
  PaintBars(p);
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
