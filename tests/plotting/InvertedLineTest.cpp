#include <gtest/gtest.h>

#include <QImage>

#include "plotting/InvertedLine.h"

// Drawn once the line inverts the pixels it covers against the colour; drawn again it
// restores them exactly; outside the clip nothing changes. Directly at ratios 1 and 2,
// through a painter for another format.
TEST(InvertedLine, UndoesItselfExactlyWithinTheClip) {
  struct TCase {
    QImage::Format Format;
    double Ratio;
  } cases[] = {{QImage::Format_RGB32, 1}, {QImage::Format_RGB32, 2}, {QImage::Format_RGB16, 1}};
  const QColor colour(200, 30, 90);
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Ratio);
    QImage image(int(64 * c.Ratio), int(48 * c.Ratio), c.Format);
    image.setDevicePixelRatio(c.Ratio);
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) image.setPixelColor(x, y, QColor((x * 7) % 256, (y * 5) % 256, 128));
    const QImage before = image.copy();
    const QRect clip(0, 0, 40, 48);
    InvertLine(image, QPoint(3, 40), QPoint(60, 5), colour, clip);
    int changed = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) {
        if (image.pixel(x, y) == before.pixel(x, y)) continue;
        ++changed;
        EXPECT_LT(x / c.Ratio, clip.right() + 1) << "outside the clip";
      }
    EXPECT_GE(changed, 30 * c.Ratio);
    if (c.Format == QImage::Format_RGB32) {
      const QRgb under = before.pixel(int(3 * c.Ratio), int(40 * c.Ratio));
      EXPECT_EQ(image.pixel(int(3 * c.Ratio), int(40 * c.Ratio)) & 0xFFFFFF, ~(under ^ colour.rgb()) & 0xFFFFFF);
    }
    InvertLine(image, QPoint(3, 40), QPoint(60, 5), colour, clip);
    EXPECT_EQ(image, before);
  }
}
