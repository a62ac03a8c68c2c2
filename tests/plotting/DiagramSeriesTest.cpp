#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "DiagramTestSupport.h"
#include "ScriptedPlatform.h"

namespace {
// 2 cos(pi x / 2): above the net [-1, 1] for |x| < 2/3, inside it elsewhere.
double Arch(double x) { return 2 * std::cos(M_PI * x / 2); }
double NotANumber(double) { return std::numeric_limits<double>::quiet_NaN(); }
double Infinite(double x) { return x < 0 ? -INFINITY : INFINITY; }

std::unique_ptr<TDiagram> Framed(double xmin, double xmax, double ymin, double ymax) {
  auto d = MakeDiagram(500, 400);
  d->EnableLine(false);
  d->SetRangeX(xmin, xmax);
  d->SetRangeY(ymin, ymax);
  d->EnableLine(true);
  return d;
}

int OutsideNet(const TDiagram& d, int colour) {
  const QImage& im = d.Picture();
  return CountColour(im, 0, 0, im.width() - 1, d.Get_yb_net(), colour) +
         CountColour(im, 0, d.Get_ye_net(), im.width() - 1, im.height() - 1, colour) +
         CountColour(im, 0, 0, d.Get_xb_net(), im.height() - 1, colour) +
         CountColour(im, d.Get_xe_net() + 1, 0, im.width() - 1, im.height() - 1, colour);
}

bool RedNear(const TDiagram& d, int x, int y, int reach = 1) {
  return CountColour(d.Picture(), x - reach, y - reach, x + reach, y + reach, Red) > 0;
}
// The arch drawn in red on a net from xmin to 1, with nothing of it outside the net.
std::unique_ptr<TDiagram> ArchOn(double xmin) {
  auto d = Framed(xmin, 1, -1, 1);
  TKeeper* k = d->GetKeeper(0);
  k->SetFunction(Arch, 200, -1, 1);
  k->SetColor(Red);
  d->ShowDiagram();
  EXPECT_EQ(OutsideNet(*d, Red), 0) << "net from " << xmin;
  return d;
}
}  // namespace

TEST(DiagramSeries, CurveLeavingTheNetResumesFromTheBorder) {
  auto d = ArchOn(-1);
  // Inside the net the curve is where the mapping puts it.
  for (double x : {-0.95, -0.8, 0.8, 0.95}) EXPECT_TRUE(RedNear(*d, d->MathToPhisX(x), d->MathToPhisY(Arch(x)))) << x;
  // Where it runs above the net nothing is drawn, not even along the border.
  const int top = d->Get_yb_net() + 1;
  EXPECT_EQ(CountColour(d->Picture(), d->MathToPhisX(-0.5), top - 1, d->MathToPhisX(0.5), top + 2, Red), 0);
  // It comes back from the top border point where it left.
  int back = d->MathToPhisX(0);
  while (d->MathToPhisY(Arch(d->PhisToMathX(back))) < top) ++back;
  EXPECT_TRUE(RedNear(*d, back - 1, top, 1));
}

TEST(DiagramSeries, CurveStartingAboveTheNetIsNotDrawnInFromOutside) { ArchOn(-0.5); }

TEST(DiagramSeries, StemsAreClampedInsideTheNetAndLoseTheirMarkers) {
  auto d = Framed(-0.25, 1.25, -1, 1);
  static double samples[] = {0.5, 3, -3};
  TKeeper* k = d->GetKeeper(0);
  k->SetArray(samples, 3, 0, 1);
  k->SetDiscrete();
  k->SetMarkers(true);
  k->SetColor(Red);
  d->ShowDiagram();
  EXPECT_EQ(OutsideNet(*d, Red), 0);
  const int y0 = d->MathToPhisY(0);
  // The zero line.
  EXPECT_TRUE(RedNear(*d, d->MathToPhisX(-0.1), y0, 0));
  // Stem 0 ends inside, with its marker around the top.
  const int px0 = d->MathToPhisX(0), py0 = d->MathToPhisY(0.5);
  EXPECT_TRUE(RedNear(*d, px0, (py0 + y0) / 2, 0));
  EXPECT_TRUE(RedNear(*d, px0 + 3, py0));
  EXPECT_TRUE(RedNear(*d, px0 - 3, py0));
  // Stem 1 is held one pixel inside the top, stem 2 two pixels inside the bottom; no markers there.
  const int px1 = d->MathToPhisX(0.5), px2 = d->MathToPhisX(1);
  EXPECT_TRUE(RedNear(*d, px1, d->Get_yb_net() + 1, 0));
  EXPECT_FALSE(RedNear(*d, px1 + 3, d->Get_yb_net() + 2, 0));
  EXPECT_TRUE(RedNear(*d, px2, d->Get_ye_net() - 2, 0));
  EXPECT_FALSE(RedNear(*d, px2 + 3, d->Get_ye_net() - 3, 0));
}

TEST(DiagramSeries, StemsLeftOfTheStartFollowTheSymmetry) {
  auto d = Framed(-1.2, 1.2, -2, 2);
  static double samples[] = {0, 1, 1.5};
  TKeeper* k = d->GetKeeper(0);
  k->SetArray(samples, 3, 0, 1);
  k->SetDiscrete();
  k->SetSymmetry(SymmetryOdd);
  k->SetColor(Red);
  d->ShowDiagram();
  const int y0 = d->MathToPhisY(0);
  // Sample -2 reads -1.5: a stem below the zero line at x = -1.
  const int px = d->MathToPhisX(-1), py = d->MathToPhisY(-1.5);
  EXPECT_TRUE(RedNear(*d, px, py - 1, 0));
  EXPECT_FALSE(RedNear(*d, px, y0 - 5, 0));
}

TEST(DiagramSeries, HistogramBarsAcrossEachBorder) {
  auto d = Framed(0.2, 1.8, -1, 1);
  static double samples[] = {0.5, 5, 0.5};
  TKeeper* k = d->GetKeeper(0);
  k->SetArray(samples, 3, 0, 2);
  k->SetShape(ShapeHistogram);
  k->SetColor(Red);
  d->ShowDiagram();
  EXPECT_EQ(OutsideNet(*d, Red), 0);
  const int pt = d->MathToPhisY(0.5), y0 = d->MathToPhisY(0);
  // Bar 0 crosses the left border: its top starts at the border, its right edge goes down.
  EXPECT_TRUE(RedNear(*d, d->Get_xb_net() + 2, pt, 0));
  EXPECT_TRUE(RedNear(*d, d->MathToPhisX(0.5), (pt + y0) / 2));
  // Bar 2 crosses the right border: left edge up, top to the border.
  EXPECT_TRUE(RedNear(*d, d->MathToPhisX(1.5), (pt + y0) / 2));
  EXPECT_TRUE(RedNear(*d, d->Get_xe_net() - 2, pt, 0));
  // Bar 1 is cut at the top: its top is not drawn.
  EXPECT_FALSE(RedNear(*d, d->MathToPhisX(1), d->Get_yb_net() + 1, 1));
  EXPECT_FALSE(RedNear(*d, d->MathToPhisX(1), pt, 1));
}

TEST(DiagramSeries, HistogramBarWiderThanTheNetShowsOnlyItsTop) {
  auto d = Framed(0.2, 0.4, -1, 1);
  static double samples[] = {0.5, 0.5};
  TKeeper* k = d->GetKeeper(0);
  k->SetArray(samples, 2, 0, 1);
  k->SetShape(ShapeHistogram);
  k->SetColor(Red);
  d->ShowDiagram();
  const int pt = d->MathToPhisY(0.5);
  EXPECT_TRUE(RedNear(*d, d->Get_xb_net() + 2, pt, 0));
  EXPECT_TRUE(RedNear(*d, d->Get_xe_net() - 2, pt, 0));
  EXPECT_FALSE(RedNear(*d, d->Get_xb_net() + 2, (pt + d->MathToPhisY(0)) / 2, 1));
}

TEST(DiagramSeries, RadioBandFillsBetweenMinusAndPlusValue) {
  auto d = Framed(-1, 1, -1, 1);
  TKeeper* k = d->GetKeeper(0);
  k->SetConstant(0.5, -0.5, 0.5);
  k->SetShape(ShapeRadio);
  k->SetColor(Red);
  d->ShowDiagram();
  const int px = d->MathToPhisX(0.1);
  EXPECT_TRUE(RedNear(*d, px, d->MathToPhisY(0.45), 0));
  EXPECT_TRUE(RedNear(*d, px, d->MathToPhisY(-0.45), 0));
  EXPECT_FALSE(RedNear(*d, px, d->MathToPhisY(0.7), 0));
  EXPECT_FALSE(RedNear(*d, d->MathToPhisX(0.8), d->MathToPhisY(0.1), 0));
}

TEST(DiagramSeries, HiddenKeepersAndTheSeriesSwitchDrawNothing) {
  auto d = Framed(-1, 1, -1, 1);
  d->NewKeeperList(2);
  d->GetKeeper(0)->SetConstant(0.5, -1, 1);
  d->GetKeeper(0)->SetColor(Red);
  d->GetKeeper(1)->SetConstant(-0.5, -1, 1);
  d->GetKeeper(1)->SetColor(Blue);
  d->GetKeeper(1)->Hide();
  d->ShowDiagram();
  const QImage& im = d->Picture();
  EXPECT_GT(CountColour(im, 0, 0, im.width(), im.height(), Red), 0);
  EXPECT_EQ(CountColour(im, 0, 0, im.width(), im.height(), Blue), 0);
  d->EnableLine(false);
  d->ShowDiagram();
  EXPECT_EQ(CountColour(d->Picture(), 0, 0, im.width(), im.height(), Red), 0);
  EXPECT_EQ(d->GetKeeper(0)->GetXmax(), 1);  // the data stay
}

TEST(DiagramSeries, SeriesAreBlackInPrintMode) {
  auto d = Framed(-1, 1, -1, 1);
  d->GetKeeper(0)->SetConstant(0.5, -1, 1);
  d->GetKeeper(0)->SetColor(Red);
  d->SetPrintMode();
  const int py = d->MathToPhisY(0.5);
  EXPECT_EQ(CountColour(d->Picture(), 0, 0, 999, 999, Red), 0);
  EXPECT_EQ(d->Picture().pixel(d->MathToPhisX(0.3), py), qRgb(0, 0, 0));
}

TEST(DiagramSeries, ValuesThatAreNotNumbersOrInfiniteStayInsideTheNet) {
  auto d = Framed(-1, 1, -1, 1);
  d->NewKeeperList(4);
  d->GetKeeper(0)->SetFunction(NotANumber, 10, -1, 1);
  d->GetKeeper(1)->SetFunction(Infinite, 10, -1, 1);
  d->GetKeeper(2)->SetFunction(NotANumber, 10, -1, 1);
  d->GetKeeper(2)->SetDiscrete();
  d->GetKeeper(3)->SetFunction(Infinite, 10, -1, 1);
  d->GetKeeper(3)->SetShape(ShapeHistogram);
  for (int i = 0; i < 4; ++i) d->GetKeeper(i)->SetColor(Red);
  d->ShowDiagram();
  EXPECT_EQ(OutsideNet(*d, Red), 0);
  d->GetKeeper(1)->SetShape(ShapeRadio);
  d->ShowDiagram();
  EXPECT_EQ(OutsideNet(*d, Red), 0);
  d->AutoRangeY();  // a NaN extreme must not spoil the range
  EXPECT_TRUE(std::isfinite(d->GetYmin()));
  EXPECT_TRUE(std::isfinite(d->GetYmax()));
}

TEST(DiagramSeries, ShowPointSetsOnePixelWithinTheRange) {
  auto d = Framed(-1, 1, -1, 1);
  d->ShowPoint(0.25, 0.5, Blue);
  EXPECT_EQ(d->Picture().pixel(d->MathToPhisX(0.25), d->MathToPhisY(0.5)), ColourOf(Blue).rgb());
  EXPECT_EQ(CountColour(d->Picture(), 0, 0, 999, 999, Blue), 1);
  d->ShowPoint(1.5, 0, Blue);
  d->ShowPoint(0, -1.01, Blue);
  EXPECT_EQ(CountColour(d->Picture(), 0, 0, 999, 999, Blue), 1);
}

TEST(DiagramSeries, DrawingOperationsPaintOnlyTheirKeeper) {
  auto d = Framed(-1, 1, -1, 1);
  TKeeper extra;
  extra.SetConstant(0.5, -1, 1);
  extra.SetColor(Blue);
  d->ShowAnalog(&extra);
  EXPECT_GT(CountColour(d->Picture(), 0, 0, 999, 999, Blue), 0);
  d->ShowAnalog(nullptr);
  EXPECT_TRUE(Scripted().Messages.isEmpty());
  extra.SetDiscrete();
  d->ShowAnalog(&extra);  // the keeper's own complaint, once per reading
  EXPECT_FALSE(Scripted().Messages.isEmpty());
  EXPECT_EQ(Scripted().Messages.first(), QStringLiteral("Keeper:Попытка считать дискретный график как непрерывный"));
}

// A series of 100,001 samples on [0, 1] in the widest view: billions of sample positions in
// view, 200 units to a pixel column. Each column must show its samples' highest and lowest
// reading, read through symmetry and period, and the repaint must end at once.
TEST(DiagramSeries, FineSeriesInAWideViewShowsEveryColumnsExtremes) {
  struct TWideCase {
    TKeeperShape Shape;
    unsigned char Symmetry;
    bool FarColumnFilled, NegativeTops;
  };
  const TWideCase cases[] = {
      {ShapeDiscrete, SymmetryNone, false, false},        {ShapeHistogram, SymmetryNone, false, false},
      {ShapeDiscrete, SymmetryOdd, false, true},          {ShapeHistogram, SymmetryOdd, false, true},
      {ShapePeriodicDiscrete, SymmetryNone, true, false}, {ShapePeriodicDiscrete, SymmetryOdd, true, true},
  };
  constexpr int Count = 100001;
  static std::vector<double> arch(Count);
  for (int i = 0; i < Count; ++i) arch[i] = 0.8 * std::sin(M_PI * i / (Count - 1));
  for (const TWideCase& c : cases) {
    auto d = Framed(-1e5, 1e5, -1, 1);
    TKeeper* k = d->GetKeeper(0);
    k->SetArray(arch.data(), Count, 0, 1);
    k->SetShape(c.Shape);
    if (c.Shape == ShapePeriodicDiscrete) k->SetPeriodic(Count - 1);
    k->SetShape(c.Shape);
    k->SetSymmetry(c.Symmetry);
    k->SetColor(Red);
    d->ShowDiagram();
    const int top = d->MathToPhisY(0.8), bottom = d->MathToPhisY(-0.8), y0 = d->MathToPhisY(0);
    const int px = d->MathToPhisX(0.5), far = d->MathToPhisX(5e4);
    EXPECT_TRUE(RedNear(*d, px, top + 1)) << int(c.Shape);
    EXPECT_EQ(RedNear(*d, px, bottom - 1), c.NegativeTops) << int(c.Shape);
    EXPECT_EQ(RedNear(*d, far, top + 1), c.FarColumnFilled) << int(c.Shape);
    EXPECT_TRUE(RedNear(*d, far, y0)) << int(c.Shape);  // the zero line, stems of zero height
    EXPECT_EQ(OutsideNet(*d, Red), 0);
  }
}

// The net reaches one character beyond the range on either side. A series drawn there where
// it has data (continuation, mirror) must show it; where it has none it must not seem to fall
// to zero, and the range's last column must read the series' last value.
TEST(DiagramSeries, CurveEndingWithTheRangeDoesNotFallToZeroInTheMargin) {
  struct TMarginCase {
    double DataMin, DataMax, ViewMin, ViewMax;
    unsigned char Symmetry;
    int Height;                // low enough, and the numbers and with them the margins are left out
    bool LeftEdge, RightEdge;  // drawn at the net's first and last inner column
  };
  const TMarginCase cases[] = {
      {0, 1, 0, 1, SymmetryNone, 300, false, false},        {-1.7, 3.1, -1.7, 3.1, SymmetryNone, 300, false, false},
      {0, 2.9, 0, 2.9, SymmetryEven, 300, true, false},     {-1, 2, 0, 1, SymmetryNone, 300, true, true},
      {-2.2, 0.7, -2.2, 0.7, SymmetryNone, 40, true, true},
  };
  static double ones[] = {1, 1, 1, 1, 1};
  const auto reddish = [](const TDiagram& d, int left, int top, int right, int bottom) {
    for (int y = top; y <= bottom; ++y)
      for (int x = left; x <= right; ++x)
        if (const QRgb c = d.Picture().pixel(x, y); qRed(c) - qGreen(c) > 40) return true;
    return false;
  };
  for (const TMarginCase& c : cases) {
    auto d = MakeDiagram(500, c.Height);
    d->EnableLine(false);
    d->SetRangeX(c.ViewMin, c.ViewMax);
    d->SetRangeY(-0.5, 1.5);
    d->EnableLine(true);
    TKeeper* k = d->GetKeeper(0);
    k->SetArray(ones, 5, c.DataMin, c.DataMax);
    k->SetSymmetry(c.Symmetry);
    k->SetColor(Red);
    d->ShowDiagram();
    const int xb = d->Get_xb_net(), xe = d->Get_xe_net(), py = d->MathToPhisY(1);
    SCOPED_TRACE(testing::Message() << c.ViewMin << ".." << c.ViewMax << " height " << c.Height);
    EXPECT_FALSE(reddish(*d, xb + 1, py + 3, xe - 1, d->Get_ye_net() - 1));
    EXPECT_TRUE(reddish(*d, d->MathToPhisX(c.ViewMax), py - 1, d->MathToPhisX(c.ViewMax), py + 1));
    EXPECT_EQ(reddish(*d, xb + 1, py - 1, xb + 1, py + 1), c.LeftEdge);
    EXPECT_EQ(reddish(*d, xe - 1, py - 1, xe - 1, py + 1), c.RightEdge);
  }
}

// A dashed curve leaves about two fifths of its length blank, its dashes running on from
// column to column along a slope; the same curve solid (the default) has no gap.
TEST(DiagramSeries, DashedCurveLeavesGapsAlongItsLength) {
  for (const bool dashed : {false, true}) {
    auto d = Framed(-1, 1, -1, 1);
    TKeeper* k = d->GetKeeper(0);
    k->SetFunction([](double x) { return 0.4 * x; }, 200, -1, 1);
    k->SetColor(Red);
    k->SetPenWidth(1);
    k->SetDashed(dashed);
    d->ShowDiagram();
    const QImage& im = d->Picture();
    const auto reddish = [&im](int x, int y) { return qRed(im.pixel(x, y)) > qGreen(im.pixel(x, y)) + 100; };
    int inked = 0, columns = 0;
    for (int x = d->MathToPhisX(-0.8); x <= d->MathToPhisX(0.8); ++x, ++columns) {
      const int y = d->MathToPhisY(0.4 * d->PhisToMathX(x));
      inked += reddish(x, y - 1) || reddish(x, y) || reddish(x, y + 1);
    }
    EXPECT_TRUE(dashed ? inked > 0.45 * columns && inked < 0.8 * columns : inked == columns)
        << inked << " of " << columns;
  }
}
