// The strokes a series is made of. Stems, bars and bands are pixel spans of the pen's width,
// collected and filled in one call: crisp, and far cheaper than a wide pen's general
// stroking. On a raster device a curve is one antialiased vertical span per pixel column
// (a tenth of what stroking the polyline costs); on a vector device it is one path. Markers
// are antialiased circles.
#include "plotting/DiagramStrokes.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <algorithm>
#include <cmath>

#include "plotting/Diagram.h"
#include "plotting/DiagramColours.h"

namespace {
constexpr int MarkerRadius = 3;
// A dashed curve's dash and gap, in pen widths.
constexpr qreal DashLength = 6, DashGap = 4;
}  // namespace

// Series never leave the inside of the net: the clamping keeps their points there, and the
// clip keeps a wide pen from spilling over the border.
bool TDiagram::SetSeriesPen(QPainter& p, const TKeeper& k) {
  if (!k.IsShown()) return false;
  p.setClipRect(xb_net + 1, yb_net + 1, xe_net - xb_net - 1, ye_net - yb_net - 1);
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
  p.setRenderHint(QPainter::Antialiasing, false);  // stems, bars and bands stay crisp
  SeriesColour = SeriesColourOf(k.GetColor());
  SeriesPenWidth = std::max(1, k.GetPenWidth());
  SeriesDashed = k.IsDashed();
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

// One antialiased circle, drawn once per colour, width and picture ratio and copied onto
// every sample top (stroking each circle anew would cost more than the axes).
void TDiagram::PaintMarkers(QPainter& p) {
  if (MarkerBuffer.empty()) return;
  if (PaintsVector()) {
    p.setPen(QPen(SeriesColour, SeriesPenWidth, Qt::SolidLine));
    p.setBrush(Qt::NoBrush);
    for (const QPoint& c : MarkerBuffer)
      p.drawEllipse(QPointF(PenCentre(c.x(), SeriesPenWidth), PenCentre(c.y(), SeriesPenWidth)), MarkerRadius,
                    MarkerRadius);
    MarkerBuffer.clear();
    return;
  }
  const int reach = MarkerRadius + SeriesPenWidth + 1;
  const qreal ratio = PaintRatio();
  if (MarkerImage.isNull() || MarkerColour != SeriesColour.rgb() || MarkerPenWidth != SeriesPenWidth ||
      MarkerImage.devicePixelRatio() != ratio) {
    const int side = qCeil(2 * reach * ratio);
    MarkerImage = QImage(side, side, QImage::Format_ARGB32_Premultiplied);
    MarkerImage.setDevicePixelRatio(ratio);
    MarkerImage.fill(Qt::transparent);
    QPainter circle(&MarkerImage);
    circle.setRenderHint(QPainter::Antialiasing);
    circle.setPen(QPen(SeriesColour, SeriesPenWidth, Qt::SolidLine));
    const double centre = PenCentre(reach, SeriesPenWidth);
    circle.drawEllipse(QPointF(centre, centre), MarkerRadius, MarkerRadius);
    MarkerColour = SeriesColour.rgb();
    MarkerPenWidth = SeriesPenWidth;
  }
  for (const QPoint& c : MarkerBuffer) p.drawImage(c.x() - reach, c.y() - reach, MarkerImage);
  MarkerBuffer.clear();
}

// Curves: antialiased, their points where a span of the same width would be centred, so
// that curves and stems of one series line up. The column-to-column segments are drawn as
// separate lines with square caps (which close the joins): the raster engine draws single
// antialiased lines on a fast path, while one long polyline is stroked as a whole path at
// ten times the cost.
void TDiagram::SetCurvePen(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing, true);
  QPen pen(SeriesColour, SeriesPenWidth, Qt::SolidLine, Qt::SquareCap);
  if (SeriesDashed) {
    pen.setDashPattern({DashLength, DashGap});
    pen.setCapStyle(Qt::FlatCap);
  }
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);
  CurveBuffer.clear();
  PieceBuffer.clear();
  CurveHasPoint = false;
}

// The centre line of a curve through value v (in pixel row py): where a span over that row
// is centred, moved down by the device pixels of the row the value lies below. At a ratio
// of 1 that is the span's centre itself, so that flat runs stay as crisp as stems; at 2 the
// curve follows the value to half a pixel and stays smooth.
double TDiagram::CurveY(double v, int py) const {
  const double exact = h_out * (v - Ymax) / (Ymin - Ymax) + y0_out;
  if (PaintsVector()) return PenCentre(py, SeriesPenWidth) + (exact - py);
  const qreal ratio = PaintRatio();
  return PenCentre(py, SeriesPenWidth) + std::floor((exact - py) * ratio) / ratio;
}

// A level run of columns is one segment: the same pixels, stroked once (the tails of the
// terms under the interpolating function are long level runs).
void TDiagram::LineCurveTo(int x, double y) {
  const QPointF next(PenCentre(x, SeriesPenWidth), y);
  if (!StrokesWholeCurve()) {
    if (PieceBuffer.empty() && CurveHasPoint) PieceBuffer.push_back(CurvePoint);
    PieceBuffer.push_back(next);
    CurvePoint = next;
    CurveHasPoint = true;
    return;
  }
  const bool level = !CurveBuffer.empty() && CurveBuffer.back().p2() == CurvePoint && CurveBuffer.back().y1() == y &&
                     CurvePoint.y() == y;
  if (CurveHasPoint && level)
    CurveBuffer.back().setP2(next);
  else if (CurveHasPoint)
    CurveBuffer.emplace_back(CurvePoint, next);
  CurvePoint = next;
  CurveHasPoint = true;
}

void TDiagram::MoveCurveTo(QPainter& p, int x, int y) {
  FlushCurve(p);
  CurvePoint = QPointF(PenCentre(x, SeriesPenWidth), PenCentre(y, SeriesPenWidth));
  CurveHasPoint = true;
}

// On a vector device, or dashed, the pieces are kept until the curve is finished: one path per curve.
void TDiagram::FlushCurve(QPainter& p) {
  if (!StrokesWholeCurve()) SpanCurvePiece(p);
}

// Each pixel column covers the curve's centre line within half the pen's width of the
// column's middle, widened by half the width above and below: a level run is as thick as
// the pen and crisp, a step between rows is blended over the columns either side of it, a
// steep run is as tall as it climbs there.
void TDiagram::SpanCurvePiece(QPainter& p) {
  if (PieceBuffer.size() >= 2) {
    QImage* direct = DirectTarget(p);
    const double half = SeriesPenWidth / 2.0;
    const double xFirst = PieceBuffer.front().x(), xLast = PieceBuffer.back().x();
    const int first = int(std::ceil(xFirst - half - 0.5)), last = int(std::floor(xLast + half - 0.5));
    for (int c = first; c <= last; ++c) {
      const double a = std::max(xFirst, c + 0.5 - half), b = std::min(xLast, c + 0.5 + half);
      if (a > b) continue;
      double lo = 0, hi = 0;
      PieceExtent(a, b, lo, hi);
      FillColumnSpan(p, direct, c, lo - half, hi + half);
    }
  }
  PieceBuffer.clear();
}

// The least and greatest height of the piece's centre line over [a, b] (within the piece):
// its values at both ends and at the points between, one per column.
void TDiagram::PieceExtent(double a, double b, double& lo, double& hi) const {
  const double x0 = PieceBuffer.front().x();
  const int count = int(PieceBuffer.size());
  const auto at = [&](double x) {
    const int i = std::clamp(int(std::floor(x - x0)), 0, count - 2);
    const double f = x - x0 - i;
    return PieceBuffer[size_t(i)].y() + f * (PieceBuffer[size_t(i) + 1].y() - PieceBuffer[size_t(i)].y());
  };
  lo = hi = at(a);
  const double yb = at(b);
  lo = std::min(lo, yb), hi = std::max(hi, yb);
  for (int i = std::max(0, int(std::ceil(a - x0))); i < count && x0 + i < b; ++i) {
    lo = std::min(lo, PieceBuffer[size_t(i)].y());
    hi = std::max(hi, PieceBuffer[size_t(i)].y());
  }
}

// The picture painted directly, when p paints onto an image at its own device pixel ratio
// with nothing but that scale: the spans are then blended pixel by pixel. Null otherwise.
QImage* TDiagram::DirectTarget(QPainter& p) const {
  QPaintDevice* device = p.device();
  if (!device || device->devType() != QInternal::Image) return nullptr;
  auto* image = static_cast<QImage*>(device);
  if (image->format() != QImage::Format_RGB32 && image->format() != QImage::Format_ARGB32_Premultiplied) return nullptr;
  const QTransform t = p.deviceTransform();
  const qreal r = image->devicePixelRatio();
  if (t.type() > QTransform::TxScale || t.m11() != r || t.m22() != r) return nullptr;
  if (p.compositionMode() != QPainter::CompositionMode_SourceOver) return nullptr;
  return image;
}

namespace {
// dst + (src - dst) * alpha / 256, for each of the four channels.
inline QRgb Blend(QRgb dst, QRgb src, int alpha) {
  const auto mix = [&](int shift) {
    const int d = int((dst >> shift) & 0xFF), s = int((src >> shift) & 0xFF);
    return QRgb((d + (((s - d) * alpha) >> 8)) & 0xFF) << shift;
  };
  return mix(24) | mix(16) | mix(8) | mix(0);
}
}  // namespace

// One column's span from `top` to `bottom` (logical pixels), its end rows covered in part,
// inside the net only.
void TDiagram::FillColumnSpan(QPainter& p, QImage* direct, int column, double top, double bottom) {
  top = std::max(top, double(yb_net + 1));
  bottom = std::min(bottom, double(ye_net));
  if (column <= xb_net || column >= xe_net || !(top < bottom)) return;
  if (!direct) {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.fillRect(QRectF(column, top, 1, bottom - top), SeriesColour);
    return;
  }
  const qreal r = direct->devicePixelRatio();
  const int dx0 = std::max(0, qRound(column * r)), dx1 = std::min(direct->width(), qRound((column + 1) * r));
  const double y0 = top * r, y1 = bottom * r;
  const int row0 = std::max(0, int(std::floor(y0))), row1 = std::min(direct->height(), int(std::ceil(y1)));
  const QRgb colour = SeriesColour.rgb();
  for (int row = row0; row < row1; ++row) {
    const double cover = std::min(y1, row + 1.0) - std::max(y0, double(row));
    const int alpha = std::clamp(int(cover * 256 + 0.5), 0, 256);
    if (alpha == 0) continue;
    auto* line = reinterpret_cast<QRgb*>(direct->scanLine(row));
    for (int x = dx0; x < dx1; ++x) line[x] = alpha == 256 ? colour : Blend(line[x], colour, alpha);
  }
}

void TDiagram::FinishCurve(QPainter& p) {
  if (!StrokesWholeCurve()) {
    SpanCurvePiece(p);
    return;
  }
  QPainterPath path;
  for (const QLineF& segment : CurveBuffer) {
    if (path.isEmpty() || path.currentPosition() != segment.p1()) path.moveTo(segment.p1());
    path.lineTo(segment.p2());
  }
  if (!path.isEmpty()) p.drawPath(path);
  CurveBuffer.clear();
}

qreal TDiagram::PaintRatio() const {
  if (Target) return Target->Ratio;
  return Image.isNull() ? 1 : Image.devicePixelRatio();
}

// The next point starts a new piece of the curve.
void TDiagram::LiftCurve(QPainter& p) {
  FlushCurve(p);
  CurveHasPoint = false;
}
