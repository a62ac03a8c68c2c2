// What a repaint keeps: the axes until something they show changes, a hidden diagram's repaint
// until it comes into sight; and curves as column spans that look like yesterday's strokes.
#include <gtest/gtest.h>

#include <QPainter>
#include <QTabWidget>
#include <cmath>
#include <functional>

#include "DiagramTestSupport.h"
#include "plotting/DiagramStrokes.h"

namespace {
double Wave(double x) { return 0.8 * std::sin(7 * x) + 0.15 * std::sin(40 * x); }
// Edges climbing up to about twenty pixels a column, and a sharp peak between them.
double Edges(double x) { return 0.8 * std::tanh(40 * x) - 0.6 * std::exp(-900 * (x - 0.5) * (x - 0.5)); }

std::unique_ptr<TDiagram> WaveDiagram(qreal ratio, int penWidth, double (*curve)(double) = Wave) {
  auto d = MakeDiagram(600, 400);
  d->SetPixelRatio(ratio);
  d->GetKeeper(0)->SetFunction(curve, 300, -1, 1);
  d->GetKeeper(0)->SetColor(Red);
  d->GetKeeper(0)->SetPenWidth(penWidth);
  return d;
}

// Where a value lies on the picture, before it is cut to a pixel row.
double ExactY(const TDiagram& d, double v) {
  return d.Get_h_out() * (v - d.GetYmax()) / (d.GetYmin() - d.GetYmax()) + d.Get_y0_out();
}

// Yesterday's drawing of the same curve: an antialiased polyline of the pen's width through
// the column points, over the same axes, clipped to the inside of the net.
QImage StrokedReference(TDiagram& d, qreal ratio, int penWidth, double (*curve)(double), QImage& axes) {
  d.GetKeeper(0)->Hide();
  d.ShowDiagram();
  axes = d.Picture().copy();
  QImage image = axes;
  d.GetKeeper(0)->Show();
  d.ShowDiagram();
  QPainter p(&image);
  p.setClipRect(d.Get_xb_net() + 1, d.Get_yb_net() + 1, d.Get_xe_net() - d.Get_xb_net() - 1,
                d.Get_ye_net() - d.Get_yb_net() - 1);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(ColourOf(Red), penWidth, Qt::SolidLine, Qt::SquareCap));
  QPolygonF line;
  for (int px = d.Get_xb_net(); px <= d.Get_xe_net(); ++px) {
    const double exact = ExactY(d, curve(d.PhisToMathX(px))), py = std::trunc(exact);
    line << QPointF(PenCentre(px, penWidth), PenCentre(py, penWidth) + std::floor((exact - py) * ratio) / ratio);
  }
  p.drawPolyline(line);
  return image;
}
}  // namespace

// A range setter alone repaints once; what moves or recolours the axes draws them anew.
TEST(DiagramPaint, KeptAxesAreDrawnAnewOnEveryRangeSizeRatioAndPrintModeChange) {
  auto d = WaveDiagram(1, 1);
  const struct {
    const char* Name;
    std::function<void(TDiagram&)> Change;
    int NewAxes;
  } cases[] = {
      {"series only", [](TDiagram& x) { x.GetKeeper(0)->SetColor(Blue), x.ShowDiagram(); }, 0},
      {"the same name again", [](TDiagram& x) { x.SetNameX(x.GetNameX()); }, 0},
      {"another name", [](TDiagram& x) { x.SetNameX(x.GetNameX() + QStringLiteral("ё")); }, 1},
      {"abscissa range", [](TDiagram& x) { x.SetRangeX(-0.7, 0.9); }, 1},
      {"ordinate range", [](TDiagram& x) { x.SetRangeY(-3, 3); }, 1},
      {"size", [](TDiagram& x) { x.resize(640, 380), x.ShowDiagram(); }, 1},
      {"pixel ratio", [](TDiagram& x) { x.SetPixelRatio(2); }, 1},
      {"print mode", [](TDiagram& x) { x.SetPrintMode(); }, 1},
      {"print mode off", [](TDiagram& x) { x.ResetPrintMode(); }, 1},
  };
  for (const auto& c : cases) {
    const int axes = d->StaticRepaintCount(), pictures = d->RepaintCount();
    c.Change(*d);
    EXPECT_EQ(d->StaticRepaintCount() - axes, c.NewAxes) << c.Name;
    EXPECT_EQ(d->RepaintCount() - pictures, 1) << c.Name;
  }
  const QImage kept = d->Picture().copy();
  const QString name = d->GetNameDiagram();
  d->SetNameDiagram(name + QStringLiteral("!"));
  d->SetNameDiagram(name);  // drawn anew: the same pixels as the kept axes
  EXPECT_EQ(d->Picture(), kept);
}

TEST(DiagramPaint, ADiagramOnAHiddenTabPaintsWhenShownOrRead) {
  QTabWidget tabs;
  auto* back = new TDiagram;
  tabs.addTab(new QWidget, QStringLiteral("1"));
  tabs.addTab(back, QStringLiteral("2"));
  tabs.resize(500, 400);
  tabs.show();
  back->GetKeeper(0)->SetFunction(Wave, 300, -1, 1), back->GetKeeper(0)->SetColor(Red);
  const int before = back->RepaintCount();
  back->SetRangeX(-0.5, 0.5);
  back->SetRangeY(-1, 1);
  EXPECT_EQ(back->RepaintCount(), before);
  EXPECT_EQ(back->GetXmin(), -0.5);  // the ranges and the mapping are already the new ones
  tabs.setCurrentIndex(1);
  EXPECT_EQ(back->RepaintCount(), before + 1);
  tabs.setCurrentIndex(0);
  back->SetRangeY(-2, 2);
  EXPECT_GT(CountColour(back->Picture(), 0, 0, 500, 400, Red), 50);  // reading it paints it
  EXPECT_EQ(back->RepaintCount(), before + 2);
  tabs.setCurrentIndex(1);
  EXPECT_EQ(back->RepaintCount(), before + 2);
}

// Every column holds the curve's value there; against the stroked polyline the pixels differ
// little, on average over the picture and against the curve's own ink (one solid span per
// column, with no blending along a steep run, differs by 15-55% of it; the blended columns by
// 1-17%), and each device column carries about as much ink.
TEST(DiagramPaint, ColumnSpansLookLikeTheStrokedCurve) {
  for (double (*curve)(double) : {Wave, Edges})
    for (const qreal ratio : {1.0, 2.0})
      for (const int width : {1, 2}) {
        const std::string name = std::string(curve == Wave ? "wave" : "edges") + " ratio " +
                                 std::to_string(int(ratio)) + " width " + std::to_string(width);
        auto d = WaveDiagram(ratio, width, curve);
        QImage axes;
        const QImage reference = StrokedReference(*d, ratio, width, curve, axes);
        const QImage& picture = d->Picture();
        int missing = 0;
        for (int px = d->Get_x0_out(); px <= d->Get_x0_out() + d->Get_w_out(); ++px) {
          const double exact = ExactY(*d, curve(d->PhisToMathX(px)));
          if (exact > d->Get_yb_net() + 1 && exact < d->Get_ye_net() &&
              qGreen(picture.pixel(int(px * ratio), int(exact * ratio))) > 128)
            ++missing;
        }
        EXPECT_EQ(missing, 0) << name;
        long long total = 0, curveInk = 0;
        double worst = 0;
        for (int x = 0; x < picture.width(); ++x) {
          double ink = 0, referenceInk = 0;
          for (int y = 0; y < picture.height(); ++y) {
            total += std::abs(qGreen(picture.pixel(x, y)) - qGreen(reference.pixel(x, y)));
            ink += 255 - qGreen(picture.pixel(x, y));
            referenceInk += 255 - qGreen(reference.pixel(x, y));
            curveInk += std::abs(qGreen(reference.pixel(x, y)) - qGreen(axes.pixel(x, y)));
          }
          worst = std::max(worst, std::abs(ink - referenceInk) / std::max(referenceInk, 4 * 255.0));
        }
        EXPECT_LT(double(total) / (picture.width() * picture.height()), 1.5) << name;
        EXPECT_LT(double(total) / double(curveInk), 0.2) << name;
        EXPECT_LE(worst, 0.4) << name;
      }
}
