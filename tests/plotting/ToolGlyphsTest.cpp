#include <gtest/gtest.h>

#include <QImage>
#include <QSet>
#include <QToolButton>

#include "plotting/ToolGlyphs.h"

TEST(ToolGlyphs, EveryGlyphIsDrawnAndDistinct) {
  const TToolGlyph all[] = {TToolGlyph::Measure,   TToolGlyph::Limits,     TToolGlyph::ReturnLimits,
                            TToolGlyph::Increase,  TToolGlyph::Save,       TToolGlyph::Copy,
                            TToolGlyph::Close,     TToolGlyph::HideSeries, TToolGlyph::ArrowUp,
                            TToolGlyph::ArrowDown, TToolGlyph::ArrowLeft,  TToolGlyph::ArrowRight,
                            TToolGlyph::NewSheet,  TToolGlyph::Open,       TToolGlyph::Picture,
                            TToolGlyph::Accept,    TToolGlyph::SaveData};
  QSet<QByteArray> seen;
  for (TToolGlyph g : all) {
    const QImage picture = ToolIcon(g).pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(picture.size(), QSize(16, 16));
    int inked = 0;
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x) inked += qAlpha(picture.pixel(x, y)) > 128;
    EXPECT_GT(inked, 8) << int(g);
    seen.insert(QByteArray(reinterpret_cast<const char*>(picture.constBits()), int(picture.sizeInBytes())));
  }
  EXPECT_EQ(seen.size(), int(std::size(all)));
}

TEST(ToolGlyphs, SpeedButtonCarriesHintAndToggle) {
  QWidget parent;
  QToolButton* b = MakeSpeedButton(&parent, TToolGlyph::Copy, QStringLiteral("Копировать"), true);
  EXPECT_EQ(b->toolTip(), QStringLiteral("Копировать"));
  EXPECT_TRUE(b->isCheckable());
  EXPECT_TRUE(b->autoRaise());
  EXPECT_FALSE(b->icon().isNull());
}
