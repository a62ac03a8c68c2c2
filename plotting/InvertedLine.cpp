#include "plotting/InvertedLine.h"

#include <QPainter>
#include <cmath>
#include <cstdlib>

namespace {
bool DirectFormat(const QImage& image) {
  const QImage::Format f = image.format();
  return f == QImage::Format_RGB32 || f == QImage::Format_ARGB32 || f == QImage::Format_ARGB32_Premultiplied;
}

// Other formats and fractional ratios go through a painter, which gives the same result slower.
void PaintInverted(QImage& image, QPoint from, QPoint to, const QColor& colour, const QRect& clip) {
  QPainter p(&image);
  p.setClipRect(clip);
  p.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
  p.setPen(QPen(colour, 1));
  p.drawLine(from, to);
}
}  // namespace

void InvertLine(QImage& image, QPoint from, QPoint to, const QColor& colour, const QRect& clip) {
  if (image.isNull()) return;
  const double ratio = image.devicePixelRatio();
  const int scale = int(std::lround(ratio));
  if (!DirectFormat(image) || scale < 1 || ratio != scale) return PaintInverted(image, from, to, colour, clip);
  const QRect allowed = clip & QRect(0, 0, image.width() / scale, image.height() / scale);
  const quint32 source = colour.rgb() & 0xFFFFFFu;
  uchar* bits = image.bits();
  const qsizetype stride = image.bytesPerLine();
  auto invert = [&](int x, int y) {
    if (!allowed.contains(x, y)) return;
    for (int dy = 0; dy < scale; ++dy) {
      auto* row = reinterpret_cast<quint32*>(bits + (y * scale + dy) * stride) + x * scale;
      for (int dx = 0; dx < scale; ++dx) row[dx] = (row[dx] & 0xFF000000u) | (~(row[dx] ^ source) & 0xFFFFFFu);
    }
  };
  // Bresenham: each pixel of the line once, so that the operation undoes itself.
  const int dx = std::abs(to.x() - from.x()), sx = from.x() < to.x() ? 1 : -1;
  const int dy = -std::abs(to.y() - from.y()), sy = from.y() < to.y() ? 1 : -1;
  int x = from.x(), y = from.y(), error = dx + dy;
  for (;;) {
    invert(x, y);
    if (x == to.x() && y == to.y()) return;
    const int twice = 2 * error;
    if (twice >= dy) error += dy, x += sx;
    if (twice <= dx) error += dx, y += sy;
  }
}
