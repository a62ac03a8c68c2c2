// The application icon as a desktop shows it: drawn at every size, opaque in the middle
// and transparent in the rounded-off corners.
#include <gtest/gtest.h>

#include <QImage>

#include "resources/ApplicationIcon.h"

TEST(ApplicationIcon, RendersAtEverySizeWithTransparentCorners) {
  const QIcon icon = ApplicationIcon();
  ASSERT_FALSE(icon.isNull());
  for (int size : {16, 32, 48, 256}) {
    const QImage image = icon.pixmap(size, size).toImage();
    ASSERT_EQ(image.size(), QSize(size, size)) << size;
    EXPECT_EQ(qAlpha(image.pixel(size / 2, size / 4)), 255) << size;
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << size;
    EXPECT_EQ(qAlpha(image.pixel(size - 1, size - 1)), 0) << size;
  }
}
