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
#include <cstring>

#include "plotting/Diagram.h"
#include "plotting/DiagramColours.h"

namespace {
constexpr int MarkerRadius = 3;
// A dashed curve's dash and gap, in pen widths.
constexpr qreal DashLength = 6, DashGap = 4;

// (src * alpha + dst * (256 - alpha)) / 256 for each of the four channels, two at a time.
inline QRgb Blend(QRgb dst, QRgb src, int alpha) {
  const QRgb rest = QRgb(256 - alpha), a = QRgb(alpha);
  const QRgb redBlue = (((src & 0xFF00FF) * a + (dst & 0xFF00FF) * rest) >> 8) & 0xFF00FF;
  const QRgb alphaGreen = (((src >> 8) & 0xFF00FF) * a + ((dst >> 8) & 0xFF00FF) * rest) & 0xFF00FF00;
  return redBlue | alphaGreen;
}
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

// On the picture itself at a whole device pixel ratio the spans are written straight into
// its rows: the general rectangle fill costs several times as much per stem.
void TDiagram::FlushSpans(QPainter& p) {
  if (SpanBuffer.empty()) return;
  QImage* direct = DirectTarget(p);
  const qreal ratio = direct ? direct->devicePixelRatio() : 1;
  if (direct && ratio == std::round(ratio) && SeriesColour.alpha() == 255)
    FillSpans(*direct, int(ratio));
  else
    p.drawRects(SpanBuffer.data(), int(SpanBuffer.size()));
  SpanBuffer.clear();
}

void TDiagram::FillSpans(QImage& image, int ratio) {
  const QRect inside = QRect(xb_net + 1, yb_net + 1, xe_net - xb_net - 1, ye_net - yb_net - 1) &
                       QRect(0, 0, image.width() / ratio, image.height() / ratio);
  const QRgb colour = SeriesColour.rgb();
  uchar* const bits = image.bits();
  const qsizetype stride = image.bytesPerLine();
  for (const QRect& span : SpanBuffer) {
    const QRect cut = span & inside;
    if (cut.isEmpty()) continue;
    const int across = cut.width() * ratio;
    uchar* line = bits + cut.top() * ratio * stride + cut.left() * ratio * qsizetype(sizeof(QRgb));
    const int rows = cut.height() * ratio;
    if (across == 2) {  // a stem of the default pen: two pixels a row in one store
      const quint64 pair = quint64(colour) << 32 | colour;
      for (int row = 0; row < rows; ++row, line += stride) std::memcpy(line, &pair, sizeof pair);
      continue;
    }
    for (int row = 0; row < rows; ++row, line += stride) {
      auto* pixel = reinterpret_cast<QRgb*>(line);
      for (int x = 0; x < across; ++x) pixel[x] = colour;
    }
  }
}

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

// On the picture itself each device pixel is blended by the share of it the stroke covers
// (TCurveCoverage): a level run as crisp as the pen, a steep run shared between the columns it
// crosses as the antialiased stroke shares it. Elsewhere (a painter with a transform of its
// own) each pixel column is one span: the curve's centre line within half the pen's width of
// the column's middle, widened by half the width above and below.
void TDiagram::SpanCurvePiece(QPainter& p) {
  if (PieceBuffer.size() >= 2) {
    if (QImage* direct = DirectTarget(p))
      BlendCurvePiece(*direct);
    else
      FillCurvePiece(p);
  }
  PieceBuffer.clear();
}

void TDiagram::BlendCurvePiece(QImage& image) {
  const qreal r = image.devicePixelRatio();
  CoverPoints.clear();
  for (const QPointF& point : PieceBuffer) CoverPoints.push_back({point.x() * r, point.y() * r});
  Coverage.Reset(CoverPoints.data(), int(CoverPoints.size()), SeriesPenWidth * r / 2, image.height());
  // The inside of the net in device pixels, as a span there would be cut.
  const int left = std::max(Coverage.FirstColumn(), qRound((xb_net + 1) * r));
  const int right = std::min({Coverage.EndColumn(), qRound(xe_net * r), image.width()});
  const int top = qRound((yb_net + 1) * r), bottom = std::min(image.height(), qRound(ye_net * r));
  const QRgb colour = SeriesColour.rgb();
  uchar* const bits = image.bits();
  const qsizetype stride = image.bytesPerLine();
  for (int column = left; column < right; ++column) {
    Coverage.Cover(column);
    for (int row = std::max(top, Coverage.Top()); row < std::min(bottom, Coverage.Bottom()); ++row) {
      const int alpha = int(Coverage.At(row) * 256 + 0.5f);
      if (alpha == 0) continue;
      QRgb& pixel = reinterpret_cast<QRgb*>(bits + row * stride)[column];
      pixel = alpha >= 256 ? colour : Blend(pixel, colour, alpha);
    }
  }
}

void TDiagram::FillCurvePiece(QPainter& p) {
  const double half = SeriesPenWidth / 2.0;
  const double xFirst = PieceBuffer.front().x(), xLast = PieceBuffer.back().x();
  const int first = int(std::ceil(xFirst - half - 0.5)), last = int(std::floor(xLast + half - 0.5));
  for (int c = first; c <= last; ++c) {
    const double a = std::max(xFirst, c + 0.5 - half), b = std::min(xLast, c + 0.5 + half);
    if (a > b) continue;
    double lo = 0, hi = 0;
    PieceExtent(a, b, lo, hi);
    FillColumnSpan(p, c, lo - half, hi + half);
  }
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
// with nothing but that scale: the curve is then blended pixel by pixel. Null otherwise.
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

// One column's span from `top` to `bottom` (logical pixels), its end rows covered in part,
// inside the net only.
void TDiagram::FillColumnSpan(QPainter& p, int column, double top, double bottom) {
  top = std::max(top, double(yb_net + 1));
  bottom = std::min(bottom, double(ye_net));
  if (column <= xb_net || column >= xe_net || !(top < bottom)) return;
  p.setRenderHint(QPainter::Antialiasing, true);
  p.fillRect(QRectF(column, top, 1, bottom - top), SeriesColour);
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
