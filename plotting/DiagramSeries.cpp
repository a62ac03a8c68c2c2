// Drawing the keepers: curves, stems, radio bands, histogram bars and single points.
// Everything stays inside the net. A series is laid down as pixel spans of its pen's width
// and filled in one call, and its markers are copies of one drawn circle: a wide pen's
// general stroking would cost many times more than the axes it is drawn over.
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "plotting/Diagram.h"
#include "plotting/DiagramColours.h"

namespace {
constexpr int MarkerRadius = 3;
// Sample positions drawn in one view at most: far more than pixel columns, so only a
// series with an absurdly small step is thinned, and a repaint always ends.
constexpr long long MaxPositionsInView = 1 << 20;

// Sample numbers k with lo <= xmin + k * step <= hi, when there are any.
bool IndexRange(double xmin, double step, double lo, double hi, int& kLo, int& kHi) {
  if (!(step > 0) || !std::isfinite(step) || !(lo <= hi)) return false;
  constexpr double IntBound = 1 << 30;
  const double first = std::ceil((lo - xmin) / step), last = std::floor((hi - xmin) / step);
  if (!(first <= IntBound && last >= -IntBound)) return false;
  long long a = static_cast<long long>(std::max(first, -IntBound));
  long long b = static_cast<long long>(std::min(last, IntBound));
  // The divisions may be off by one position; the positions themselves decide.
  while (xmin + (a - 1) * step >= lo) --a;
  while (xmin + a * step < lo) ++a;
  while (xmin + (b + 1) * step <= hi) ++b;
  while (xmin + b * step > hi) --b;
  if (a > b) return false;
  b = std::min(b, a + MaxPositionsInView - 1);
  kLo = int(a);
  kHi = int(b);
  return true;
}

int ClampInt(int v, int lo, int hi) { return v < lo ? lo : (v > hi ? hi : v); }
}  // namespace

void TDiagram::PaintSeries(QPainter& p) {
  for (const TKeeper* k = &BaseKeeper; k; k = k->GetNext()) PaintKeeper(p, *k);
}

void TDiagram::PaintKeeper(QPainter& p, const TKeeper& k) {
  switch (k.GetShape()) {
    case ShapeContinuous:
    case ShapePeriodic:
      PaintAnalog(p, k);
      break;
    case ShapeDiscrete:
    case ShapePeriodicDiscrete:
      PaintDiscret(p, k);
      break;
    case ShapeRadio:
    case ShapePeriodicRadio:
      PaintRadio(p, k);
      break;
    case ShapeHistogram:
      PaintHistogram(p, k);
      break;
    default:
      break;
  }
}

// Series never leave the inside of the net: the clamping keeps their points there, and the
// clip keeps a wide pen from spilling over the border.
bool TDiagram::SetSeriesPen(QPainter& p, const TKeeper& k) {
  if (!k.IsShown()) return false;
  p.setClipRect(xb_net + 1, yb_net + 1, xe_net - xb_net - 1, ye_net - yb_net - 1);
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
  SeriesColour = ColourOf(PrintMode ? ColourBlack : k.GetColor());
  SeriesPenWidth = std::max(1, k.GetPenWidth());
  p.setPen(Qt::NoPen);
  p.setBrush(SeriesColour);
  SpanBuffer.clear();
  MarkerBuffer.clear();
  return true;
}

// The pixels a pen of the series' width covers along a vertical or horizontal line
// (inclusive ends); a width-w pen covers w pixels across, as the toolkit's pens do.
void TDiagram::AddVertical(int x, int y1, int y2) {
  const int half = SeriesPenWidth / 2;
  SpanBuffer.emplace_back(x - half, std::min(y1, y2) - half, SeriesPenWidth, std::abs(y2 - y1) + SeriesPenWidth);
}

void TDiagram::AddHorizontal(int x1, int x2, int y) {
  const int half = SeriesPenWidth / 2;
  SpanBuffer.emplace_back(std::min(x1, x2) - half, y - half, std::abs(x2 - x1) + SeriesPenWidth, SeriesPenWidth);
}

void TDiagram::FlushSpans(QPainter& p) {
  if (!SpanBuffer.empty()) p.drawRects(SpanBuffer.data(), int(SpanBuffer.size()));
  SpanBuffer.clear();
}

void TDiagram::PaintMarkers(QPainter& p) {
  if (MarkerBuffer.empty()) return;
  const int pad = SeriesPenWidth;
  if (MarkerImage.isNull() || MarkerColour != SeriesColour.rgb() || MarkerPenWidth != SeriesPenWidth) {
    MarkerImage = QImage(2 * (MarkerRadius + pad) + 1, 2 * (MarkerRadius + pad) + 1,
                         QImage::Format_ARGB32_Premultiplied);
    MarkerImage.fill(Qt::transparent);
    QPainter circle(&MarkerImage);
    circle.setPen(QPen(SeriesColour, SeriesPenWidth, Qt::SolidLine));
    circle.drawEllipse(pad, pad, 2 * MarkerRadius, 2 * MarkerRadius);
    MarkerColour = SeriesColour.rgb();
    MarkerPenWidth = SeriesPenWidth;
  }
  for (const QPoint& c : MarkerBuffer) p.drawImage(c.x() - MarkerRadius - pad, c.y() - MarkerRadius - pad, MarkerImage);
  MarkerBuffer.clear();
}

void TDiagram::ShowKeeper(TKeeper* keeper, void (TDiagram::*paint)(QPainter&, const TKeeper&)) {
  if (!keeper || Image.isNull()) return;
  QPainter p(&Image);
  (this->*paint)(p, *keeper);
  p.end();
  update();
}

void TDiagram::ShowAnalog(TKeeper* keeper) { ShowKeeper(keeper, &TDiagram::PaintAnalog); }
void TDiagram::ShowDiscret(TKeeper* keeper) { ShowKeeper(keeper, &TDiagram::PaintDiscret); }
void TDiagram::ShowRadio(TKeeper* keeper) { ShowKeeper(keeper, &TDiagram::PaintRadio); }
void TDiagram::ShowHistogram(TKeeper* keeper) { ShowKeeper(keeper, &TDiagram::PaintHistogram); }

// One value per pixel column; the step from one column to the next is drawn in the later
// column. Beyond the net the pen only moves along its border, so the curve re-enters from
// the point where it left. The starting point is held to the border as well: a curve that
// begins outside the net must not be drawn in from there.
void TDiagram::PaintAnalog(QPainter& p, const TKeeper& k) {
  if (!SetSeriesPen(p, k)) return;
  const int top = yb_net + 1, bottom = ye_net - 1;
  int last = ClampInt(MathToPhisY(k.GetValue(PhisToMathX(xb_net))), top, bottom);
  for (int px = xb_net + 1; px <= xe_net; ++px) {
    const int py = MathToPhisY(k.GetValue(PhisToMathX(px)));
    if (py >= top && py <= bottom) AddVertical(px, last, py);
    last = ClampInt(py, top, bottom);
  }
  FlushSpans(p);
}

void TDiagram::PaintZeroLine(int& y0) {
  y0 = MathToPhisY(0);
  if (yb_net < y0 && y0 < ye_net) AddHorizontal(xb_net, xe_net, y0);
  y0 = ClampInt(y0, yb_net + 1, ye_net - 2);
}

// Stems from the zero line at every sample position in view, read through the keeper's
// symmetry and period to the left of its start; markers only on tops inside the net.
void TDiagram::PaintDiscret(QPainter& p, const TKeeper& k) {
  if (!SetSeriesPen(p, k)) return;
  const double va = PhisToMathX(xb_net), vb = PhisToMathX(xe_net);
  int y0 = 0;
  PaintZeroLine(y0);
  int kLo = 0, kHi = -1;
  if (IndexRange(k.GetXmin(), k.GetStep(), va, vb, kLo, kHi)) {
    const int top = yb_net + 1, bottom = ye_net - 2;
    for (int i = kLo; i <= kHi; ++i) {
      const double v = k.GetSample(i);
      if (std::isnan(v)) continue;  // a value that is not a number has no stem
      const int py = MathToPhisY(v);
      const int px = MathToPhisX(k.GetXmin() + i * k.GetStep());
      AddVertical(px, y0, ClampInt(py, top, bottom));
      if (k.GetMarkers() && top < py && py < bottom) MarkerBuffer.emplace_back(px, py);
    }
  }
  FlushSpans(p);
  PaintMarkers(p);
}

void TDiagram::PaintRadio(QPainter& p, const TKeeper& k) {
  if (!SetSeriesPen(p, k)) return;
  const int top = yb_net + 1, bottom = ye_net - 2;
  for (int px = xb_net + 1; px <= xe_net; ++px) {
    const double v = k.GetValue(PhisToMathX(px));
    if (std::isnan(v)) continue;
    AddVertical(px, ClampInt(MathToPhisY(v), top, bottom), ClampInt(MathToPhisY(-v), top, bottom));
  }
  FlushSpans(p);
}

// One bar per sample, one step wide and centred on it; the parts beyond the left or right
// border are left out, and a top held to the border (cut) is not drawn.
void TDiagram::PaintHistogram(QPainter& p, const TKeeper& k) {
  if (!SetSeriesPen(p, k)) return;
  const double va = PhisToMathX(xb_net), vb = PhisToMathX(xe_net);
  int y0 = 0;
  PaintZeroLine(y0);
  const double step = k.GetStep(), half = step / 2;
  int kLo = 0, kHi = -1;
  if (IndexRange(k.GetXmin(), step, va - half, vb + half, kLo, kHi)) {
    const int top = yb_net + 1, bottom = ye_net - 2;
    for (int i = kLo; i <= kHi; ++i) {
      const double x = k.GetXmin() + i * step;
      const double v = k.GetSample(i);
      if (std::isnan(v)) continue;
      const int raw = MathToPhisY(v);
      const int pt = ClampInt(raw, top, bottom);
      const int pl = MathToPhisX(x - half), pr = MathToPhisX(x + half);
      const bool crossesLeft = pl < xb_net, crossesRight = pr > xe_net;
      if (!crossesLeft) AddVertical(pl, y0, pt);
      if (pt == raw) AddHorizontal(crossesLeft ? xb_net : pl, crossesRight ? xe_net : pr, pt);
      if (!crossesRight) AddVertical(pr, pt, y0);
    }
  }
  FlushSpans(p);
}

void TDiagram::ShowPoint(double x, double y, int colour) {
  if (!(Xmin <= x && x <= Xmax && Ymin <= y && y <= Ymax)) return;
  const int px = MathToPhisX(x), py = MathToPhisY(y);
  if (px < 0 || py < 0 || px >= Image.width() || py >= Image.height()) return;
  Image.setPixel(px, py, ColourOf(colour).rgb());
  update(QRect(px, py, 1, 1));
}
