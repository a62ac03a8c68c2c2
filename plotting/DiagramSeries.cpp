// Drawing the keepers: curves, stems, radio bands, histogram bars and single points.
// Everything stays inside the net; the strokes themselves are in DiagramStrokes.cpp.
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "plotting/Diagram.h"
#include "plotting/DiagramColours.h"
#include "plotting/DiagramStrokes.h"
#include "plotting/SampleRange.h"

namespace {
// Beyond this many sample positions per pixel column a series is drawn column by column
// from the extremes of the samples in each column; stems merge there anyway.
constexpr long long DensePositionsPerColumn = 4;

}  // namespace

// Underlays first, so that every other series is drawn over them.
void TDiagram::PaintSeries(QPainter& p) {
  for (const TKeeper* k = &BaseKeeper; k; k = k->GetNext())
    if (k->IsUnderlay()) PaintKeeper(p, *k);
  for (const TKeeper* k = &BaseKeeper; k; k = k->GetNext())
    if (!k->IsUnderlay()) PaintKeeper(p, *k);
}

void TDiagram::PaintKeeper(QPainter& p, const TKeeper& k) {
  switch (k.GetShape()) {
    case ShapeContinuous:
    case ShapePeriodic:
      PaintAnalog(p, k);
      break;
    case ShapeDiscrete:
    case ShapePeriodicDiscrete:
      PaintDiscret(p, k);
      break;
    case ShapeRadio:
    case ShapePeriodicRadio:
      PaintRadio(p, k);
      break;
    case ShapeHistogram:
      PaintHistogram(p, k);
      break;
    default:
      break;
  }
}

void TDiagram::ShowKeeper(TKeeper* keeper, void (TDiagram::*paint)(QPainter&, const TKeeper&)) {
  if (!keeper || Image.isNull()) return;
  QPainter p(&Image);
  (this->*paint)(p, *keeper);
  p.end();
  update();
}

void TDiagram::ShowAnalog(TKeeper* keeper) { ShowKeeper(keeper, &TDiagram::PaintAnalog); }
void TDiagram::ShowDiscret(TKeeper* keeper) { ShowKeeper(keeper, &TDiagram::PaintDiscret); }
void TDiagram::ShowRadio(TKeeper* keeper) { ShowKeeper(keeper, &TDiagram::PaintRadio); }
void TDiagram::ShowHistogram(TKeeper* keeper) { ShowKeeper(keeper, &TDiagram::PaintHistogram); }

// The net reaches a little beyond the range on either side. Columns there show the series
// where it has data (its continuation, mirror or period); where it has none they stay empty,
// so that a series which ends with the range does not seem to fall to zero in the margin.
bool TDiagram::ColumnValue(const TKeeper& k, int px, double& v) const {
  const double x = PhisToMathX(px);
  if (k.IsBounded() && !k.Covers(x)) return false;
  if (!(x >= Xmin && x <= Xmax) && !k.Covers(x)) return false;
  if (k.IsUnderlay() && !k.Covers(x)) return false;
  v = k.GetValue(x);
  return true;
}

// One value per pixel column, joined column to column into an antialiased polyline. Whether
// a point is inside is decided on its pixel, as ever; inside, it is drawn where the value
// lies within that pixel, so that the curve stays smooth at a device pixel ratio above 1. Beyond
// the net the pen only moves along its border, so the curve re-enters from the point where
// it left. The starting point is held to the border as well: a curve that begins outside
// the net must not be drawn in from there.
void TDiagram::PaintAnalog(QPainter& p, const TKeeper& k) {
  if (!SetSeriesPen(p, k)) return;
  SetCurvePen(p);
  const int top = yb_net + 1, bottom = ye_net - 1;
  int first = xb_net, last = xe_net;
  if (k.IsUnderlay()) {  // nothing is drawn beyond its span: the columns there are not visited
    first = std::max(first, MathToPhisX(k.GetXmin()) - 1);
    last = std::min(last, MathToPhisX(k.GetXmax()) + 1);
  }
  for (int px = first; px <= last; ++px) {
    double v = 0;
    if (!ColumnValue(k, px, v)) {
      LiftCurve(p);
      continue;
    }
    const int py = MathToPhisY(v);
    if (CurveHasPoint && py >= top && py <= bottom)
      LineCurveTo(px, CurveY(v, py));
    else
      MoveCurveTo(p, px, ClampInt(py, top, bottom));
  }
  FinishCurve(p);
}

void TDiagram::PaintZeroLine(int& y0) {
  y0 = MathToPhisY(0);
  if (yb_net < y0 && y0 < ye_net) AddHorizontal(xb_net, xe_net, y0);
  y0 = ClampInt(y0, yb_net + 1, ye_net - 2);
}

// Stems from the zero line at every sample position in view, read through the keeper's
// symmetry and period to the left of its start; markers only on tops inside the net.
void TDiagram::PaintDiscret(QPainter& p, const TKeeper& k) {
  if (!SetSeriesPen(p, k)) return;
  int y0 = 0;
  PaintZeroLine(y0);
  long long nLo = 0, nHi = -1;
  if (SampleNumberRange(k.GetXmin(), k.GetStep(), PhisToMathX(xb_net), PhisToMathX(xe_net), nLo, nHi)) {
    if (IsDense(nLo, nHi)) {
      PaintDenseColumns(k, nLo, nHi, y0, k.GetMarkers());
    } else {
      const int top = yb_net + 1, bottom = ye_net - 2;
      TSampleReader reader(k);
      for (long long n = nLo; n <= nHi; ++n) {
        const double v = reader.Read(n);
        if (std::isnan(v)) continue;  // a value that is not a number has no stem
        const int py = MathToPhisY(v);
        const int px = MathToPhisX(k.GetXmin() + double(n) * k.GetStep());
        AddVertical(px, y0, ClampInt(py, top, bottom));
        if (k.GetMarkers() && top < py && py < bottom) MarkerBuffer.emplace_back(px, py);
      }
    }
  }
  FlushSpans(p);
  PaintMarkers(p);
}

bool TDiagram::IsDense(long long nLo, long long nHi) const {
  return double(nHi) - double(nLo) + 1 > double(DensePositionsPerColumn) * (xe_net - xb_net + 1);
}

// Every stem of one pixel column runs from the zero line, so together they cover the zero
// line up to the column's highest and down to its lowest top: two spans per column say all
// that billions of stems would. Markers go on those two tops only (chosen: the rest would
// lie inside a blot of overlapping circles anyway).
void TDiagram::PaintDenseColumns(const TKeeper& k, long long nLo, long long nHi, int y0, bool markers) {
  const double xmin = k.GetXmin(), step = k.GetStep();
  const auto column = [this](double x) { return MathToPhisX(x); };
  const int top = yb_net + 1, bottom = ye_net - 2;
  const int lastColumn = column(xmin + double(nHi) * step);
  TSampleReader reader(k);
  long long start = nLo;
  for (int px = column(xmin + double(nLo) * step); px <= lastColumn && start <= nHi; ++px) {
    long long next =
        px == lastColumn ? nHi + 1 : FirstNumberAtColumn(xmin, step, PhisToMathX(px + 1), px + 1, start, column);
    next = std::min(next, nHi + 1);
    if (next <= start) continue;
    const TSampleExtremes e = reader.Extremes(start, next - 1);
    start = next;
    if (!e.Any()) continue;
    const int pyHi = MathToPhisY(e.Hi), pyLo = MathToPhisY(e.Lo);
    AddVertical(px, y0, ClampInt(pyHi, top, bottom));
    if (pyLo != pyHi) AddVertical(px, y0, ClampInt(pyLo, top, bottom));
    if (!markers) continue;
    if (top < pyHi && pyHi < bottom) MarkerBuffer.emplace_back(px, pyHi);
    if (pyLo != pyHi && top < pyLo && pyLo < bottom) MarkerBuffer.emplace_back(px, pyLo);
  }
}

void TDiagram::PaintRadio(QPainter& p, const TKeeper& k) {
  if (!SetSeriesPen(p, k)) return;
  const int top = yb_net + 1, bottom = ye_net - 2;
  for (int px = xb_net + 1; px <= xe_net; ++px) {
    double v = 0;
    if (!ColumnValue(k, px, v) || std::isnan(v)) continue;
    AddVertical(px, ClampInt(MathToPhisY(v), top, bottom), ClampInt(MathToPhisY(-v), top, bottom));
  }
  FlushSpans(p);
}

// One bar per sample, one step wide and centred on it; the parts beyond the left or right
// border are left out, and a top held to the border (cut) is not drawn.
void TDiagram::PaintHistogram(QPainter& p, const TKeeper& k) {
  if (!SetSeriesPen(p, k)) return;
  const double va = PhisToMathX(xb_net), vb = PhisToMathX(xe_net);
  int y0 = 0;
  PaintZeroLine(y0);
  const double step = k.GetStep(), half = step / 2;
  long long nLo = 0, nHi = -1;
  if (SampleNumberRange(k.GetXmin(), step, va - half, vb + half, nLo, nHi)) {
    if (IsDense(nLo, nHi)) {
      // Bars narrower than a quarter pixel: their edges fill each column like stems.
      PaintDenseColumns(k, nLo, nHi, y0, false);
    } else {
      TSampleReader reader(k);
      for (long long n = nLo; n <= nHi; ++n) PaintBar(k.GetXmin() + double(n) * step, half, reader.Read(n), y0);
    }
  }
  FlushSpans(p);
}

void TDiagram::PaintBar(double x, double half, double v, int y0) {
  if (std::isnan(v)) return;
  const int top = yb_net + 1, bottom = ye_net - 2;
  const int raw = MathToPhisY(v);
  const int pt = ClampInt(raw, top, bottom);
  const int pl = MathToPhisX(x - half), pr = MathToPhisX(x + half);
  const bool crossesLeft = pl<xb_net, crossesRight = pr> xe_net;
  if (!crossesLeft) AddVertical(pl, y0, pt);
  if (pt == raw) AddHorizontal(crossesLeft ? xb_net : pl, crossesRight ? xe_net : pr, pt);
  if (!crossesRight) AddVertical(pr, pt, y0);
}

void TDiagram::ShowPoint(double x, double y, int colour) {
  if (!(Xmin <= x && x <= Xmax && Ymin <= y && y <= Ymax)) return;
  const int px = MathToPhisX(x), py = MathToPhisY(y);
  if (px < 0 || py < 0 || px >= width() || py >= height() || Image.isNull()) return;
  // One logical pixel: as many device pixels as the picture's ratio makes of it.
  QPainter p(&Image);
  p.fillRect(px, py, 1, 1, ColourOf(colour));
  p.end();
  update(QRect(px, py, 1, 1));
}
