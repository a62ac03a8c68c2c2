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
constexpr int NameInset = 2;                  // the end's name from its line and from the net's foot
constexpr int BreakGap = 4, BreakDepth = 12;  // the break mark of a bar above the view
const QString BestStar = QStringLiteral("★");
}  // namespace

void TDiagram::SetBars(const std::vector<TBarMark>& bars) {
  if (bars == Bars) return;
  Bars = bars;
  ShowDiagram();
}

// The bars first, then their texts, so that no bar covers a text moved over it.
void TDiagram::PaintBars(QPainter& p) {
  if (Bars.empty()) return;
  p.save();
  p.setClipRect(xb_net + 1, yb_net + 1, xe_net - xb_net - 1, ye_net - yb_net - 1);
  p.setRenderHint(QPainter::Antialiasing, false);
  const int zero = std::clamp(MathToPhisY(std::max(0.0, Ymin)), yb_net + 1, ye_net - 1);
  for (const TBarMark& bar : Bars) PaintBar(p, bar, zero);
  BarTextRects.clear();
  for (const TBarMark& bar : Bars) PaintBarTexts(p, bar);
  p.restore();
}

int TDiagram::BarTop(const TBarMark& bar) const {
  return bar.Value > Ymax ? yb_net + 1 : std::max(yb_net + 1, MathToPhisY(bar.Value));
}

void TDiagram::PaintBar(QPainter& p, const TBarMark& bar, int zero) {
  if (!(bar.Value > 0)) return;
  const int left = MathToPhisX(bar.X - bar.Half), right = MathToPhisX(bar.X + bar.Half);
  const int top = BarTop(bar);
  p.fillRect(QRect(QPoint(left, top), QPoint(right, zero)), SeriesColourOf(bar.Colour));
  if (bar.Value > Ymax) {
    // Two slanted cuts across the bar, the background showing between them.
    const int y = top + BreakDepth;
    p.setPen(QPen(ColourOf(PrintMode ? ColourWhite : ColorBackNet), BreakGap));
    p.drawLine(left - 1, y + BreakGap, right + 1, y - BreakGap);
  }
}

// Over the bar, or under the break of one above the view with its value.
void TDiagram::PaintBarTexts(QPainter& p, const TBarMark& bar) {
  if (!(bar.Value > 0)) return;
  const int left = MathToPhisX(bar.X - bar.Half), right = MathToPhisX(bar.X + bar.Half);
  const int top = BarTop(bar);
  const QFontMetrics fm = Image.isNull() ? QFontMetrics(FontNet) : QFontMetrics(FontNet, &Image);
  const int centre = (left + right) / 2;
  const bool above = bar.Value > Ymax;
  int textTop = top - fm.height();
  if (above) {
    const int y = top + BreakDepth + BreakGap + 2;
    PaintBarText(p, std::max(xb_net + 1, centre - fm.horizontalAdvance(bar.ValueText) / 2), y, bar.ValueText);
    textTop = y + fm.height();
  }
  const QString label = bar.Best ? bar.Label + BestStar : bar.Label;
  if (!above && textTop < yb_net + 1) textTop = top + 1;
  PaintBarText(p, centre - fm.horizontalAdvance(label) / 2, textTop, label);
}

// Bars narrower than their names (a small chart, a large scale) would write the names over
// each other: a name meeting one already written moves up a line at a time while the net has
// room above it.
void TDiagram::PaintBarText(QPainter& p, int left, int top, const QString& text) {
  const QFontMetrics fm = Image.isNull() ? QFontMetrics(FontNet) : QFontMetrics(FontNet, &Image);
  QRect r(left, top, fm.horizontalAdvance(text), fm.height());
  const auto meets = [this](const QRect& a) {
    return std::any_of(BarTextRects.begin(), BarTextRects.end(),
                       [&a](const QRect& b) { return a.adjusted(-1, 0, 1, 0).intersects(b); });
  };
  while (meets(r) && r.top() - fm.height() >= yb_net + 1) r.translate(0, -fm.height());
  BarTextRects.push_back(r);
  PaintNetLabel(p, r.left(), r.top(), text);
}

// A bar's texts on the net's own background: the grid line through each bar's middle would
// otherwise cross out its name.
void TDiagram::PaintNetLabel(QPainter& p, int left, int top, const QString& text) {
  const QFontMetrics fm = Image.isNull() ? QFontMetrics(FontNet) : QFontMetrics(FontNet, &Image);
  p.fillRect(left, top, fm.horizontalAdvance(text), fm.height(), ColourOf(PrintMode ? ColourWhite : ColorBackNet));
  PaintText(p, FontNet, left, top, text, false);
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

// A translucent fill in bands of fewer device rows than the raster engine hands out to its
// thread pool: the same pixels, while the pool's start-up and waiting cost more processor time
// than so light a blend (a tenth of a count change). A vector file keeps one rectangle, which
// a reader would otherwise show with seams between the bands.
void TDiagram::FillShade(QPainter& p, const QRectF& area, const QColor& shade) const {
  constexpr int BandDeviceRows = 64;
  if (PaintsVector()) {
    p.fillRect(area, shade);
    return;
  }
  const double band = std::max(1.0, std::floor(BandDeviceRows / PaintRatio()));
  for (double y = area.top(); y < area.bottom(); y += band)
    p.fillRect(QRectF(area.left(), y, area.width(), std::min(band, area.bottom() - y)), shade);
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
  if (from > left) FillShade(p, QRectF(left, top, from - left, bottom - top + 1), shade);
  if (to < right) FillShade(p, QRectF(to + 1, top, right - to, bottom - top + 1), shade);
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
    if (x >= left && x + width <= right) PaintText(p, FontNet, x, bottom - NameInset - fm.height(), end.Name, false);
  }
  p.restore();
}
