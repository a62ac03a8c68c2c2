// How the picture looks: the program's decimal comma, sharpness at a device pixel ratio of 2,
// antialiased curves under an exactly restoring feeler, an abscissa name clear of numbers, and
// legend strokes drawn as their series are.
#include <gtest/gtest.h>

#include <QApplication>
#include <cmath>

#include "DiagramTestSupport.h"
#include "ScriptedPlatform.h"

namespace {
double Slope(double x) { return 0.7 * x + 0.1 * std::sin(9 * x); }

std::unique_ptr<TDiagram> CurveDiagram(qreal ratio) {
  auto d = MakeDiagram(500, 360);
  d->SetPixelRatio(ratio);
  d->GetKeeper(0)->SetFunction(Slope, 300, -1, 1);
  d->GetKeeper(0)->SetColor(Red);
  d->ShowDiagram();
  return d;
}

// Pixels between the series' red and the net's white: the blend of an antialiased edge.
int BlendedRed(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c.red() == 255 && c.green() == c.blue() && c.green() > 0 && c.green() < 255) ++count;
    }
  return count;
}

// True when some 2 x 2 block of device pixels in the logical rectangle is not of one colour:
// detail finer than a logical pixel, which a stretched picture never has.
bool HasDeviceDetail(const QImage& image, const QRect& logical) {
  for (int y = logical.top(); y <= logical.bottom(); ++y)
    for (int x = logical.left(); x <= logical.right(); ++x) {
      const QRgb c = image.pixel(2 * x, 2 * y);
      if (image.pixel(2 * x + 1, 2 * y) != c || image.pixel(2 * x, 2 * y + 1) != c ||
          image.pixel(2 * x + 1, 2 * y + 1) != c)
        return true;
    }
  return false;
}
}  // namespace

TEST(DiagramRendering, AxisNumbersUseTheProgramsCommaUnderAnyMachineLocale) {
  // The test program runs under the C locale and sets the program's number locale, as the
  // program does at start-up.
  auto d = MakeDiagram(500, 360);
  d->SetRangeX(0, 1);
  d->SetRangeY(-1, 1);
  EXPECT_EQ(d->AxisNumberText(0.5, true), QStringLiteral("0,5"));
  EXPECT_EQ(d->AxisNumberText(0, false), QStringLiteral("0,0"));
  EXPECT_EQ(d->AxisNumberText(-0.5, false), QStringLiteral("-0,5"));
  d->SetRangeX(0, 100);
  EXPECT_EQ(d->AxisNumberText(0, true), QStringLiteral("0"));
  EXPECT_EQ(d->AxisNumberText(40, true), QStringLiteral("40"));
}

TEST(DiagramRendering, RatioTwoPaintsTheSameLayoutWithDeviceDetail) {
  auto one = CurveDiagram(1), two = CurveDiagram(2);
  ASSERT_EQ(two->Picture().size(), QSize(1000, 720));
  EXPECT_EQ(two->Picture().devicePixelRatio(), 2);
  // The mappings and rectangles are in logical pixels, the same at both ratios.
  EXPECT_EQ(two->Get_xb_net(), one->Get_xb_net());
  EXPECT_EQ(two->Get_ye_net(), one->Get_ye_net());
  EXPECT_EQ(two->MathToPhisX(0.3), one->MathToPhisX(0.3));
  EXPECT_EQ(two->GetXNumbersRect(), one->GetXNumbersRect());
  // The net border and a zero grid line fall on the same logical pixels.
  const int xb = one->Get_xb_net(), ymid = (one->Get_yb_net() + one->Get_ye_net()) / 2, x0 = one->MathToPhisX(0);
  for (const QPoint& at : {QPoint(xb, ymid), QPoint(x0, ymid + 37)}) {
    EXPECT_EQ(one->Picture().pixel(at), qRgb(0, 0, 0));
    EXPECT_EQ(two->Picture().pixel(2 * at), qRgb(0, 0, 0));
    EXPECT_EQ(two->Picture().pixel(2 * at + QPoint(1, 1)), qRgb(0, 0, 0));
  }
  // The numbers are drawn with device detail, not stretched.
  EXPECT_TRUE(HasDeviceDetail(two->Picture(), two->GetXNumbersRect()));
  // Exports stay at the control's size.
  EXPECT_EQ(two->PrintPicture().size(), QSize(500, 360));
  EXPECT_EQ(two->Picture().size(), QSize(1000, 720));
}

TEST(DiagramRendering, CurvesAreAntialiasedAndTheFeelerRestoresThemExactly) {
  for (qreal ratio : {1.0, 2.0}) {
    auto d = CurveDiagram(ratio);
    EXPECT_GT(BlendedRed(d->Picture()), 100) << ratio;
    // Stems stay crisp: a discrete series adds no blended pixels of its own.
    const QImage before = d->Picture().copy();
    const int x = d->MathToPhisX(0.2), y = d->MathToPhisY(Slope(0.2)) + 3;
    d->MouseMove(Qt::NoModifier, x, y);
    ASSERT_TRUE(d->IsFeelerDrawn());
    EXPECT_NE(d->Picture(), before);
    d->MouseMove(Qt::NoModifier, x + 17, y - 9);
    d->MouseMove(Qt::NoModifier, 0, 0);  // outside the net: erased
    EXPECT_FALSE(d->IsFeelerDrawn());
    EXPECT_EQ(d->Picture(), before) << ratio;
  }
}

TEST(DiagramRendering, StemsBarsAndBandsStayCrisp) {
  static double samples[] = {0.5, -0.7, 0.9, 0.3};
  for (TKeeperShape shape : {ShapeDiscrete, ShapeHistogram, ShapeRadio}) {
    auto d = MakeDiagram(500, 360);
    TKeeper* k = d->GetKeeper(0);
    k->SetArray(samples, 4, -0.6, 0.6);
    k->SetShape(shape);
    k->SetColor(Red);
    d->ShowDiagram();
    EXPECT_EQ(BlendedRed(d->Picture()), 0) << int(shape);
  }
}

TEST(DiagramRendering, AbscissaNameKeepsAGapFromTheLastNumber) {
  struct TNameCase {
    double Xmin, Xmax;
    const char* Name;
  };
  const TNameCase cases[] = {
      {-1, 1, "t,c"}, {99000, 100000, "t,c"}, {-100000, 100000, "t,c"}, {99000, 100000, "очень длинное имя"}};
  for (const TNameCase& c : cases) {
    auto d = MakeDiagram(400, 300);
    d->SetNameX(QString::fromUtf8(c.Name));
    d->SetRangeX(c.Xmin, c.Xmax);
    const QRect name = d->GetNameXRect(), numbers = d->GetXNumbersRect();
    ASSERT_FALSE(numbers.isEmpty());
    EXPECT_FALSE(name.intersects(numbers.adjusted(-2, -2, 2, 2))) << c.Xmax << " " << c.Name;
    EXPECT_TRUE(d->rect().contains(name)) << c.Xmax << " " << c.Name;
  }
}

// A legend line looks like its series: a solid stroke without a break, a dashed one with gaps.
TEST(DiagramRendering, LegendStrokeIsDashedForADashedSeries) {
  // The stroke is 24 pixels long; dashes of 6 leave gaps of 4.
  const struct {
    bool Dashed;
    int Least, Most;
  } cases[] = {{false, 24, 26}, {true, 12, 20}};
  for (const auto& c : cases) {
    auto d = MakeDiagram(500, 360);
    d->SetLegend({{Red, QStringLiteral("Кривая"), false, c.Dashed}});
    const QRect box = d->GetLegendRect();
    const QImage& im = d->Picture();
    int columns = 0;
    for (int x = box.left(); x <= box.right(); ++x)
      for (int y = box.top(); y <= box.bottom(); ++y) {
        const QColor p = im.pixelColor(x, y);
        if (p.red() > 160 && p.green() < 128 && p.blue() < 128) {
          ++columns;
          break;
        }
      }
    EXPECT_GE(columns, c.Least) << c.Dashed;
    EXPECT_LE(columns, c.Most) << c.Dashed;
  }
}
