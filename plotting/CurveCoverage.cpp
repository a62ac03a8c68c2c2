#include "plotting/CurveCoverage.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {
// Below this difference a linear run is taken as level (its closed form divides by it).
constexpr double LevelRun = 1e-9;

// A column key's unit: quarter pixels.
constexpr int Quarters = 4;
// Beyond this a place is too far out for an int of quarter pixels.
constexpr double LatticeReach = 1 << 26;

// A place in quarter pixels, or TCurveCoverage's OffLattice when it is not a whole number of them.
int Quarter(double v) {
  const double q = Quarters * v;
  if (!(std::fabs(q) < LatticeReach) || q != std::floor(q)) return -(1 << 30);
  return int(q);
}

// A primitive of clamp(g, 0, 1): over a length along which g runs linearly from g0 to g1, the
// clamped value integrates to length * (Primitive(g1) - Primitive(g0)) / (g1 - g0).
inline double Primitive(double g) { return g <= 0 ? 0.0 : (g >= 1 ? g - 0.5 : 0.5 * g * g); }

// How much of [lo, hi) lies within [a, a + 1).
double UnitOverlap(double lo, double hi, double a) { return std::max(0.0, std::min(hi, a + 1) - std::max(lo, a)); }
}  // namespace

void TCurveCoverage::Reset(const TCurvePoint* points, int count, double half, int rows) {
  Clear();
  Points = points;
  Count = count;
  Half = half;
  Rows = std::max(0, rows);
  if (int(Segments.size()) < Rows) {
    Segments.resize(size_t(Rows), 0.0f);
    Caps.resize(size_t(Rows), 0.0f);
  }
  First = End = 0;
  Start = 0;
  LastColumn = std::numeric_limits<int>::min();
  if (KeptHalf != Half || KeptRows != Rows) {
    Kept.assign(KeptColumns, TKeptColumn());
    KeptHalf = Half;
    KeptRows = Rows;
  }
  if (Count < 2) return;
  Capped.resize(size_t(Count));
  QuarterX.resize(size_t(Count));
  QuarterY.resize(size_t(Count));
  for (int i = 0; i < Count; ++i) {
    Capped[size_t(i)] = NeedsCap(i);
    QuarterX[size_t(i)] = Quarter(Points[i].X);
    QuarterY[size_t(i)] = Quarter(Points[i].Y);
  }
  ShapeSegments();
  const double reach = Half * std::sqrt(2.0);
  First = int(std::floor(Points[0].X - reach));
  End = int(std::ceil(Points[Count - 1].X + reach));
}

void TCurveCoverage::Clear() {
  CoverTop = Rows;
  CoverBottom = 0;
}

// The rows worked out into Packed, the work rows cleared for the next column.
void TCurveCoverage::Pack() {
  if (CoverTop >= CoverBottom) {
    CoverTop = CoverBottom = 0;
    Out = nullptr;
    return;
  }
  Packed.resize(size_t(CoverBottom - CoverTop));
  for (int row = CoverTop; row < CoverBottom; ++row) {
    float& segment = Segments[size_t(row)];
    float& cap = Caps[size_t(row)];
    Packed[size_t(row - CoverTop)] = std::min(1.0f, std::max(segment, cap));
    segment = cap = 0.0f;
  }
  Out = Packed.data();
}

void TCurveCoverage::Touch(int top, int bottom) {
  CoverTop = std::min(CoverTop, std::max(0, top));
  CoverBottom = std::max(CoverBottom, std::min(Rows, bottom));
}

void TCurveCoverage::Cover(int column) {
  Clear();
  Out = nullptr;
  if (Count < 2) {
    CoverTop = CoverBottom = 0;
    return;
  }
  const double reach = Half * std::sqrt(2.0);
  // Columns come left to right: the first point that can reach this one only moves on.
  if (column < LastColumn) Start = 0;
  LastColumn = column;
  while (Start + 1 < Count && Points[Start + 1].X < column - reach) ++Start;
  int stop = Start;
  while (stop < Count && Points[stop].X <= column + 1 + reach) ++stop;
  TColumnKey key;
  int base = 0;
  size_t slot = 0;
  if (!MakeKey(stop, column, key, base, slot)) {
    Work(stop, column);
    Pack();
    return;
  }
  TKeptColumn& kept = Kept[slot];
  if (kept.Key == key) {
    CoverTop = kept.Top + base;
    CoverBottom = kept.Bottom + base;
    Out = kept.Values.data();
    return;
  }
  Work(stop, column);
  const bool cut = CoverTop < CoverBottom && (CoverTop == 0 || CoverBottom == Rows);
  Pack();
  if (cut) return;
  kept.Key = key;
  kept.Top = CoverTop - base;
  kept.Bottom = CoverBottom - base;
  kept.Values.assign(Packed.begin(), Packed.end());
}

// The points that reach the column, relative to its left edge and to the first one's row, and
// the slot of the kept columns they belong in. False when they are too many, too far apart or
// off the quarter-pixel lattice to be told apart by the key.
bool TCurveCoverage::MakeKey(int stop, int column, TColumnKey& key, int& base, size_t& slot) const {
  constexpr int ColumnBits = 5, RowReach = 128, ColumnReach = 1 << (ColumnBits - 1);
  const int last = std::min(stop, Count - 1), points = last - Start + 1;
  if (points > MaxKeyPoints || QuarterY[size_t(Start)] == OffLattice) return false;
  base = QuarterY[size_t(Start)] >> 2;  // the first point's row (a shift floors)
  const int left = Quarters * column, top = Quarters * base;
  std::uint64_t rows = 0, columns = std::uint64_t(points) | std::uint64_t(stop == Count) << 4;
  for (int i = Start; i <= last; ++i) {
    const int qx = QuarterX[size_t(i)], qy = QuarterY[size_t(i)];
    if (qx == OffLattice || qy == OffLattice) return false;
    const int x = qx - left, y = qy - top;
    if (x < -ColumnReach || x >= ColumnReach || y < -RowReach || y >= RowReach) return false;
    const int j = i - Start;
    rows |= std::uint64_t(std::uint8_t(y)) << (8 * j);
    columns |= std::uint64_t(x & ((1 << ColumnBits) - 1)) << (5 + ColumnBits * j);
    if (i < stop && Capped[size_t(i)]) columns |= std::uint64_t(1) << (5 + ColumnBits * MaxKeyPoints + j);
  }
  key.Rows = rows;
  key.Columns = columns;
  std::uint64_t hash = (rows ^ (columns * 0x9E3779B97F4A7C15ull)) * 0xFF51AFD7ED558CCDull;
  slot = size_t((hash ^ (hash >> 33)) % KeptColumns);
  return true;
}

// The segments and caps that reach the column, added up row by row.
void TCurveCoverage::Work(int stop, int column) {
  for (int i = Start; i < stop; ++i) {
    const TCurvePoint& p = Points[i];
    if (Capped[size_t(i)]) AddCap(p, column);
    if (i + 1 == Count) break;
    if (Shapes[size_t(i)].Steep)
      AddSteep(i, column);
    else
      AddFlat(i, column);
  }
}

bool TCurveCoverage::IsSteep(const TCurvePoint& a, const TCurvePoint& b) { return std::fabs(b.Y - a.Y) > b.X - a.X; }

// Two flat segments share the vertical edge at their common point, two steep ones climbing
// the same way the horizontal one: no gap to close. Elsewhere a corner or an end is open.
bool TCurveCoverage::NeedsCap(int i) const {
  if (i == 0 || i == Count - 1) return true;
  const TCurvePoint *p = Points + i, &before = *(p - 1), &after = *(p + 1);
  const bool steepBefore = IsSteep(before, *p), steepAfter = IsSteep(*p, after);
  if (steepBefore != steepAfter) return true;
  return steepBefore && (p->Y - before.Y) * (after.Y - p->Y) < 0;
}

// A flat segment is thickened vertically, a steep one horizontally, by as much as makes the
// pen's width across it.
void TCurveCoverage::ShapeSegments() {
  Shapes.resize(size_t(Count - 1));
  for (int i = 0; i + 1 < Count; ++i) {
    const TCurvePoint &a = Points[i], &b = Points[i + 1];
    TSegmentShape& shape = Shapes[size_t(i)];
    shape.Steep = IsSteep(a, b);
    shape.Gradient = shape.Steep ? (b.X - a.X) / (b.Y - a.Y) : (b.Y - a.Y) / (b.X - a.X);
    shape.Thick = Half * std::sqrt(1 + shape.Gradient * shape.Gradient);
    shape.Rise = shape.Steep && a.X != b.X ? (b.Y - a.Y) / (b.X - a.X) : 0;
  }
}

void TCurveCoverage::AddFlat(int i, int column) {
  const TCurvePoint &a = Points[i], &b = Points[i + 1];
  const double u0 = std::max(double(column), a.X), u1 = std::min(column + 1.0, b.X);
  if (!(u0 < u1)) return;
  const double slope = Shapes[size_t(i)].Gradient, thick = Shapes[size_t(i)].Thick;
  const double f0 = a.Y + slope * (u0 - a.X), f1 = a.Y + slope * (u1 - a.X);
  const double low = std::min(f0, f1), high = std::max(f0, f1), length = u1 - u0;
  const int top = std::max(0, int(std::floor(low - thick)));
  const int bottom = std::min(Rows, int(std::ceil(high + thick)));
  if (high - low < LevelRun) {  // a level stretch (the long tails of the terms): no integral
    for (int row = top; row < bottom; ++row)
      Segments[size_t(row)] += float(length * UnitOverlap(low - thick, low + thick, row));
    Touch(top, bottom);
    return;
  }
  // Both edges of the band rise alike, so one division serves every row's two integrals.
  const double perRise = length / (f1 - f0);
  for (int row = top; row < bottom; ++row) {
    // A row inside the band all along the segment's stretch of the column is covered there.
    const bool inside = high - thick <= row && low + thick >= row + 1;
    const double upper = f0 + thick - row, lower = f0 - thick - row, rise = f1 - f0;
    Segments[size_t(row)] += float(
        inside ? length
               : perRise * (Primitive(upper + rise) - Primitive(upper) - Primitive(lower + rise) + Primitive(lower)));
  }
  Touch(top, bottom);
}

// Row by row over the rows where it passes the column.
void TCurveCoverage::AddSteep(int i, int column) {
  const TCurvePoint &a = Points[i], &b = Points[i + 1];
  const double run = Shapes[size_t(i)].Gradient, thick = Shapes[size_t(i)].Thick;
  const double left = column - thick, right = column + 1 + thick;
  if (std::min(a.X, b.X) >= right || std::max(a.X, b.X) <= left) return;
  double yLow = std::min(a.Y, b.Y), yHigh = std::max(a.Y, b.Y);
  if (run != 0) {
    const double rise = Shapes[size_t(i)].Rise;
    const double yLeft = a.Y + (left - a.X) * rise, yRight = a.Y + (right - a.X) * rise;
    yLow = std::max(yLow, std::min(yLeft, yRight));
    yHigh = std::min(yHigh, std::max(yLeft, yRight));
  }
  const int top = std::max(0, int(std::floor(yLow))), bottom = std::min(Rows, int(std::ceil(yHigh)));
  if (top >= bottom) return;
  // The band's share of a row is taken at the row's middle height: it changes linearly
  // within the row except where an edge of the band crosses an edge of the column. Only the
  // first and the last row may be crossed in part.
  const auto share = [&](double middle) {
    return std::max(0.0, std::min(1.0, middle + thick) - std::max(0.0, middle - thick));
  };
  const auto partRow = [&](int row) {
    const double v0 = std::max(double(row), yLow), v1 = std::min(row + 1.0, yHigh);
    if (v0 < v1) Segments[size_t(row)] += float(share(a.X + (0.5 * (v0 + v1) - a.Y) * run - column) * (v1 - v0));
  };
  partRow(top);
  if (bottom - 1 > top) partRow(bottom - 1);
  double middle = a.X + (top + 1.5 - a.Y) * run - column;
  for (int row = top + 1; row < bottom - 1; ++row, middle += run) Segments[size_t(row)] += float(share(middle));
  Touch(top, bottom);
}

void TCurveCoverage::AddCap(const TCurvePoint& p, int column) {
  const double across = UnitOverlap(p.X - Half, p.X + Half, column);
  if (across <= 0) return;
  const int top = std::max(0, int(std::floor(p.Y - Half))), bottom = std::min(Rows, int(std::ceil(p.Y + Half)));
  for (int row = top; row < bottom; ++row) {
    float& cap = Caps[size_t(row)];
    cap = std::max(cap, float(across * UnitOverlap(p.Y - Half, p.Y + Half, row)));
  }
  Touch(top, bottom);
}
