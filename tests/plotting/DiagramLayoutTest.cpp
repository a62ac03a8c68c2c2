#include <gtest/gtest.h>

#include <QFontMetrics>
#include <cmath>

#include "DiagramTestSupport.h"
#include "ScriptedPlatform.h"

namespace {
// The layout written out once more from its definition, for a diagram whose fonts are all the same.
struct TExpectedLayout {
  int xb, yb, xe, ye, x0, y0, w, h;
  bool numbers;
};

TExpectedLayout ExpectedLayout(const TDiagram& d) {
  const QFontMetrics fm(d.GetFontNet(), &d.Picture());
  const int th = fm.height(), hh = th / 2, cw = fm.horizontalAdvance(QLatin1Char('0'));
  const int aw = d.width() - fm.horizontalAdvance(d.GetNameX()), ah = d.height() - hh;
  const auto decades = [](double a, double b) {
    return int(std::trunc(std::log10(std::max(std::fabs(a), std::fabs(b)))));
  };
  const int lx = cw * (decades(d.GetXmin(), d.GetXmax()) + d.GetPrecisionX() + 3);
  const int ly = cw * (std::abs(decades(d.GetYmin(), d.GetYmax())) + d.GetPrecisionY() + 3);
  const int s = (4 * lx < aw && 4 * th < ah) ? 1 : 0;
  TExpectedLayout e;
  e.numbers = s == 1;
  e.xb = (ly + 5) * s + 2;
  e.yb = int(th * 0.5 * s + hh + 1);
  e.xe = e.xb + int(aw - e.xb - lx * 0.5 * s - 1);
  e.ye = e.yb + hh + ah - e.yb - (th + 5) * s - 2;
  e.x0 = e.xb + cw * s;
  e.y0 = e.yb + th * s;
  e.w = e.xe - e.x0 - cw * s;
  e.h = e.ye - e.y0 - th * s;
  return e;
}

void ExpectLayout(const TDiagram& d) {
  const TExpectedLayout e = ExpectedLayout(d);
  EXPECT_EQ(d.Get_xb_net(), e.xb);
  EXPECT_EQ(d.Get_yb_net(), e.yb);
  EXPECT_EQ(d.Get_xe_net(), e.xe);
  EXPECT_EQ(d.Get_ye_net(), e.ye);
  EXPECT_EQ(d.Get_x0_out(), e.x0);
  EXPECT_EQ(d.Get_y0_out(), e.y0);
  EXPECT_EQ(d.Get_w_out(), e.w);
  EXPECT_EQ(d.Get_h_out(), e.h);
}

QRgb At(const TDiagram& d, int x, int y) { return d.Picture().pixel(x, y); }
}  // namespace

TEST(DiagramLayout, NetAndOutputRectanglesWithNumbers) {
  auto d = MakeDiagram(500, 350);
  d->SetRangeX(-20, 300);
  d->SetRangeY(-0.5, 2);
  ASSERT_GT(d->Get_xb_net(), 2);  // numbers shown
  ExpectLayout(*d);
  EXPECT_EQ(d->Picture().size(), QSize(500, 350));
  // Small values: the Y numbers count the decades below one as characters too.
  d->SetRangeY(-0.002, 0.003);
  d->SetRangeX(0.25, 0.75);
  ExpectLayout(*d);
}

TEST(DiagramLayout, SmallControlDrawsNoNumbersAndKeepsItsPrecision) {
  auto d = MakeDiagram(60, 60);
  d->SetRangeX(0, 1);
  EXPECT_EQ(d->Get_xb_net(), 2);
  ExpectLayout(*d);
  EXPECT_EQ(d->GetPrecisionX(), 1);
  // Without numbers the output rectangle is the net itself.
  EXPECT_EQ(d->Get_x0_out(), d->Get_xb_net());
  EXPECT_EQ(d->Get_w_out(), d->Get_xe_net() - d->Get_xb_net());
}

TEST(DiagramLayout, DegenerateSizesKeepMappingsFinite) {
  for (QSize size : {QSize(0, 0), QSize(1, 1), QSize(8, 300), QSize(300, 6)}) {
    auto d = MakeDiagram(size.width(), size.height());
    EXPECT_GE(d->Get_w_out(), 1);
    EXPECT_GE(d->Get_h_out(), 1);
    EXPECT_GE(d->Get_xe_net(), d->Get_xb_net());
    EXPECT_TRUE(std::isfinite(d->PhisToMathX(3)));
    EXPECT_TRUE(std::isfinite(d->PhisToMathY(3)));
    TKeeper* k = d->GetKeeper(0);
    k->SetConstant(0.5, -1, 1);
    d->ShowDiagram();
    d->ShowPoint(0, 0, Red);
    d->MouseMove(Qt::NoModifier, 1, 1);
    EXPECT_EQ(d->Picture().size(), size.isEmpty() ? QSize(0, 0) : size);
  }
}

TEST(DiagramLayout, PrecisionRisesUntilNeighbouringNumbersDiffer) {
  auto d = MakeDiagram(1200, 300);
  d->SetRangeX(0, 1);
  // 0.05 and 0.1 both read 0.1 with one decimal.
  EXPECT_EQ(d->GetPrecisionX(), 2);
  // The raised precision lasts until the next range change.
  d->ShowDiagram();
  EXPECT_EQ(d->GetPrecisionX(), 2);
  d->SetRangeX(0, 100);
  EXPECT_EQ(d->GetPrecisionX(), 0);
}

TEST(DiagramLayout, RepaintingTwiceGivesTheSamePicture) {
  auto d = MakeDiagram(1200, 300);
  d->SetRangeX(0, 1);
  const QImage first = d->Picture().copy();
  d->ShowDiagram();
  EXPECT_EQ(d->Picture(), first);
}

TEST(DiagramLayout, GridLineAtZeroIsSolidOthersDotted) {
  auto d = MakeDiagram(400, 300);
  d->SetRangeX(-4, 4);  // grid step 1 at this size
  d->SetRangeY(-1, 1);
  const int px0 = d->MathToPhisX(0), pxHalf = d->MathToPhisX(2);
  const int black = 0;
  const int span = d->Get_ye_net() - d->Get_yb_net() - 1;
  EXPECT_EQ(CountColour(d->Picture(), px0, d->Get_yb_net() + 1, px0, d->Get_ye_net() - 1, black), span);
  const int dotted = CountColour(d->Picture(), pxHalf, d->Get_yb_net() + 1, pxHalf, d->Get_ye_net() - 1, black);
  EXPECT_GT(dotted, span / 4);
  EXPECT_LT(dotted, span);
  // Between grid values only the crossing horizontal lines.
  const int between = d->MathToPhisX(2.5);
  EXPECT_LT(CountColour(d->Picture(), between, d->Get_yb_net() + 1, between, d->Get_ye_net() - 1, black), span / 10);
  // Ticks below the net at the grid values.
  EXPECT_EQ(At(*d, px0, d->Get_ye_net() + 3), qRgb(0, 0, 0));
}

TEST(DiagramLayout, PrintModeWhitensBackgroundsAndBlackensTheNet) {
  auto d = MakeDiagram(400, 300);
  d->SetColorBackNet(0x00FFFF);
  d->SetColorNetLine(Blue);
  EXPECT_NE(At(*d, 0, d->height() - 1), qRgb(255, 255, 255));
  EXPECT_EQ(At(*d, d->Get_xb_net(), d->Get_yb_net() + 5), ColourOf(Blue).rgb());
  d->SetPrintMode();
  EXPECT_EQ(At(*d, 0, d->height() - 1), qRgb(255, 255, 255));
  EXPECT_EQ(At(*d, d->Get_xb_net() + 3, d->Get_ye_net() - 3), qRgb(255, 255, 255));
  EXPECT_EQ(At(*d, d->Get_xb_net(), d->Get_yb_net() + 5), qRgb(0, 0, 0));
  d->ResetPrintMode();
  EXPECT_EQ(At(*d, d->Get_xb_net() + 3, d->Get_ye_net() - 3), ColourOf(0x00FFFF).rgb());
}

// A picture drawn for a high-density screen (more image pixels per logical pixel) sits
// where one of the same logical size does and covers the same logical pixels.
TEST(DiagramLayout, CornerPicturesSitThreePixelsInsideTheNet) {
  for (const int ratio : {1, 2}) {
    SCOPED_TRACE(ratio);
    auto d = MakeDiagram(400, 300);
    QImage green(6 * ratio, 4 * ratio, QImage::Format_RGB32);
    green.setDevicePixelRatio(ratio);
    green.fill(Qt::green);
    d->SetBitmapY(&green);
    d->SetBitmapX(&green);
    const int xb = d->Get_xb_net(), yb = d->Get_yb_net(), xe = d->Get_xe_net(), ye = d->Get_ye_net();
    EXPECT_EQ(At(*d, xb + 3, yb + 3), qRgb(0, 255, 0));
    EXPECT_EQ(At(*d, xb + 8, yb + 6), qRgb(0, 255, 0));
    EXPECT_NE(At(*d, xb + 2, yb + 2), qRgb(0, 255, 0));
    EXPECT_NE(At(*d, xb + 9, yb + 7), qRgb(0, 255, 0));
    EXPECT_EQ(At(*d, xe - 4, ye - 4), qRgb(0, 255, 0));
    EXPECT_EQ(At(*d, xe - 9, ye - 7), qRgb(0, 255, 0));
    EXPECT_NE(At(*d, xe - 3, ye - 3), qRgb(0, 255, 0));
    EXPECT_NE(At(*d, xe - 10, ye - 8), qRgb(0, 255, 0));
    d->SetBitmapX(nullptr);
    EXPECT_TRUE(d->GetBitmapX().isNull());
  }
}

TEST(DiagramLayout, DefaultsOfANewDiagram) {
  TDiagram d;
  EXPECT_EQ(d.GetNameX(), QStringLiteral("x"));
  EXPECT_EQ(d.GetNameY(), QStringLiteral("y"));
  EXPECT_EQ(d.GetNameDiagram(), QStringLiteral("График"));
  EXPECT_EQ(d.GetColorBackNet(), 0xFFFFFF);
  EXPECT_EQ(d.GetColorNetLine(), 0);
  EXPECT_EQ(d.GetPenStyleNetLine(), Qt::DotLine);
  EXPECT_TRUE(d.GetShowFeeler());
  EXPECT_EQ(d.GetPenWidthFeeler(), 1);
  EXPECT_EQ(d.GetNetCursor(), Qt::CrossCursor);
  EXPECT_EQ(d.GetLimitXmin(), -100000);
  EXPECT_EQ(d.GetLimitYmax(), 100000);
  EXPECT_EQ(d.GetXmin(), -1);
  EXPECT_EQ(d.GetYmax(), 1);
  EXPECT_EQ(d.GetKeeperListLength(), 1);
  EXPECT_TRUE(d.GetEnableLine());
  EXPECT_FALSE(d.GetPrintMode());
}

TEST(DiagramLayout, FullSizeGivesAFreshPictureOfTheControlsSize) {
  auto d = MakeDiagram(300, 200);
  d->resize(320, 240);
  d->FullSize();
  EXPECT_EQ(d->Picture().size(), QSize(320, 240));
  d->FullSize();
  EXPECT_EQ(CountColour(d->Picture(), 0, 0, 319, 239, 0xFFFFFF), 320 * 240);
  d->ShowDiagram();
  EXPECT_LT(CountColour(d->Picture(), 0, 0, 319, 239, 0xFFFFFF), 320 * 240);
}

TEST(DiagramLayout, WidgetShowsExactlyItsPicture) {
  auto d = MakeDiagram(300, 200);
  d->GetKeeper(0)->SetConstant(0.5, -1, 1);
  d->ShowDiagram();
  EXPECT_EQ(d->grab().toImage().convertToFormat(QImage::Format_RGB32), d->Picture());
}
