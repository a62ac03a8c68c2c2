#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "DiagramTestSupport.h"
#include "ScriptedPlatform.h"

TEST(DiagramRange, SetRangeOrdersRefusesNarrowAndSetsPrecision) {
  auto d = MakeDiagram(400, 300);
  d->SetRangeX(3, 1);
  EXPECT_EQ(d->GetXmin(), 1);
  EXPECT_EQ(d->GetXmax(), 3);
  EXPECT_EQ(d->GetPrecisionX(), 1);
  d->SetRangeX(0, 5e-7);
  EXPECT_EQ(d->GetXmin(), 1);
  EXPECT_EQ(d->GetXmax(), 3);
  d->SetRangeY(-20, 20);
  EXPECT_EQ(d->GetPrecisionY(), 0);
  d->SetRangeY(0, 0.03);
  EXPECT_EQ(d->GetPrecisionY(), 3);
  EXPECT_TRUE(Scripted().Messages.isEmpty());
}

TEST(DiagramRange, RangeIsClampedToTheLimits) {
  auto d = MakeDiagram(400, 300);
  d->SetRangeX(-200000, 5);
  EXPECT_EQ(d->GetXmin(), -100000);
  EXPECT_EQ(d->GetXmax(), 5);
  d->SetRangeY(-INFINITY, INFINITY);
  EXPECT_EQ(d->GetYmin(), -100000);
  EXPECT_EQ(d->GetYmax(), 100000);
}

TEST(DiagramRange, RangeBeyondALimitOrNotANumberIsRefused) {
  auto d = MakeDiagram(400, 300);
  // Both ends past the upper limit would collapse (or reverse) the range once clamped.
  d->SetRangeX(200000, 300000);
  EXPECT_EQ(d->GetXmin(), -1);
  EXPECT_EQ(d->GetXmax(), 1);
  d->SetRangeX(std::nan(""), 2);
  d->SetRangeY(0, std::nan(""));
  EXPECT_EQ(d->GetXmin(), -1);
  EXPECT_EQ(d->GetXmax(), 1);
  EXPECT_EQ(d->GetYmin(), -1);
  EXPECT_EQ(d->GetYmax(), 1);
}

TEST(DiagramRange, LimitsPullTheRangeIn) {
  auto d = MakeDiagram(400, 300);
  d->SetRangeX(-5, 5);
  d->SetRangeY(-5, 5);
  d->SetLimitX(1, -1);
  EXPECT_EQ(d->GetLimitXmin(), -1);
  EXPECT_EQ(d->GetLimitXmax(), 1);
  EXPECT_EQ(d->GetXmin(), -1);
  EXPECT_EQ(d->GetXmax(), 1);
  d->SetLimitY(-1, 1);
  EXPECT_EQ(d->GetYmin(), -1);
  EXPECT_EQ(d->GetYmax(), 1);
  d->SetLimitX(2, 2);
  EXPECT_EQ(d->GetLimitXmin(), -1);
  EXPECT_EQ(d->GetLimitXmax(), 1);
  d->SetLimitYmax(1e9);
  EXPECT_EQ(d->GetLimitYmax(), 100000);
  EXPECT_EQ(d->GetLimitYmin(), -1);
}

TEST(DiagramRange, LimitsWhollyBesideTheRangeBecomeTheRange) {
  auto d = MakeDiagram(400, 300);
  d->SetLimitX(5, 10);
  EXPECT_EQ(d->GetXmin(), 5);
  EXPECT_EQ(d->GetXmax(), 10);
  // Limits that collapse at the outer bound are refused.
  d->SetLimitY(200000, 300000);
  EXPECT_EQ(d->GetLimitYmin(), -100000);
  EXPECT_EQ(d->GetLimitYmax(), 100000);
  // Limits narrower than the least range are refused: no range could fit inside them.
  d->SetLimitX(0, 5e-7);
  d->SetLimitY(99999.9999999, 200000);
  EXPECT_EQ(d->GetLimitXmin(), 5);
  EXPECT_EQ(d->GetLimitXmax(), 10);
  EXPECT_EQ(d->GetLimitYmax(), 100000);
  d->SetRangeX(6, 7);
  EXPECT_EQ(d->GetXmin(), 6);
}

TEST(DiagramRange, PixelArgumentsAtTheEndsOfIntMapFinitely) {
  auto d = MakeDiagram(400, 300);
  for (int px : {INT_MIN, INT_MAX}) {
    EXPECT_TRUE(std::isfinite(d->PhisToMathX(px)));
    EXPECT_TRUE(std::isfinite(d->PhisToMathY(px)));
  }
  EXPECT_LT(d->PhisToMathX(INT_MIN), -1e6);
  EXPECT_GT(d->PhisToMathY(INT_MIN), 1e6);
}

TEST(DiagramRange, PrecisionSettersTakeTheMagnitudeUpToSeven) {
  auto d = MakeDiagram(400, 300);
  d->SetPrecisionX(-3);
  EXPECT_EQ(d->GetPrecisionX(), 3);
  d->SetPrecisionY(12);
  EXPECT_EQ(d->GetPrecisionY(), 7);
  d->SetPrecisionY(-2147483647 - 1);
  EXPECT_EQ(d->GetPrecisionY(), 7);
}

TEST(DiagramRange, MappingsAreInverseAndPutYmaxAtTheTop) {
  auto d = MakeDiagram(500, 400);
  d->SetRangeX(-2, 6);
  d->SetRangeY(-3, 1);
  EXPECT_EQ(d->MathToPhisX(-2), d->Get_x0_out());
  EXPECT_EQ(d->MathToPhisX(6), d->Get_x0_out() + d->Get_w_out());
  EXPECT_EQ(d->MathToPhisY(1), d->Get_y0_out());
  EXPECT_EQ(d->MathToPhisY(-3), d->Get_y0_out() + d->Get_h_out());
  EXPECT_DOUBLE_EQ(d->PhisToMathX(d->Get_x0_out()), -2);
  EXPECT_DOUBLE_EQ(d->PhisToMathY(d->Get_y0_out() + d->Get_h_out()), -3);
  const double x = 1.37;
  const int px = d->MathToPhisX(x);
  EXPECT_LE(d->PhisToMathX(px), x);
  EXPECT_GT(d->PhisToMathX(px + 1), x);
}

TEST(DiagramRange, Num2charWritesFixedOrExponentForm) {
  char text[TDiagram::NumTextSize];
  EXPECT_EQ(TDiagram::num2char(text, 2, 3.14159), 4);
  EXPECT_STREQ(text, "3.14");
  TDiagram::num2char(text, 9, 31415.9);
  EXPECT_STREQ(text, "3.141590e+04");
}
