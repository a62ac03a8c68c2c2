#pragma once
// How much of each pixel a stroked curve covers, worked out one pixel column at a time: the
// antialiasing of a polyline drawn with a wide pen and square caps, without the general
// stroker. Everything is in device pixels, rows growing downwards; pixel (c, r) is the unit
// square [c, c + 1) x [r, r + 1).
//
// Each segment is thickened across its run: a flat one (rising at most one pixel per pixel)
// vertically, a steep one horizontally, so that neighbouring segments meet edge to edge with
// no gap or overlap, and a steep run shares its rows between the columns it crosses as an
// antialiased stroke does, instead of standing in one column as a solid bar. A square of the
// pen's width closes the corners where the two kinds meet or a steep run turns, and caps the ends.
#include <algorithm>
#include <cstdint>
#include <vector>

struct TCurvePoint {
  double X = 0, Y = 0;
};

class TCurveCoverage {
 public:
  // The polyline points[0 .. count-1] (X increasing), half the pen's width either side of it;
  // only rows [0, rows) are worked out. The points are borrowed until the next Reset.
  void Reset(const TCurvePoint* points, int count, double half, int rows);
  // The columns the stroke reaches: [FirstColumn(), EndColumn()).
  int FirstColumn() const { return First; }
  int EndColumn() const { return End; }
  // Works out one column; its covered rows are then [Top(), Bottom()), each At(row) in 0..1.
  void Cover(int column);
  int Top() const { return CoverTop; }
  int Bottom() const { return CoverBottom; }
  float At(int row) const { return Out[row - CoverTop]; }

 private:
  void Clear();
  void Work(int stop, int column);
  void Pack();
  static bool IsSteep(const TCurvePoint& a, const TCurvePoint& b);
  bool NeedsCap(int i) const;
  void ShapeSegments();
  void AddFlat(int i, int column);
  void AddSteep(int i, int column);
  void AddCap(const TCurvePoint& p, int column);
  void Touch(int top, int bottom);
  const TCurvePoint* Points = nullptr;
  int Count = 0;
  double Half = 0.5;
  int Rows = 0;
  int First = 0, End = 0;
  int CoverTop = 0, CoverBottom = 0;
  int Start = 0, LastColumn = 0;
  // The column worked out last, rows [CoverTop, CoverBottom): Packed, or a remembered column's.
  std::vector<float> Packed;
  const float* Out = nullptr;
  // Columns whose points lie alike relative to the column and a whole row cover alike, shifted by
  // those rows; at a whole device pixel ratio the points sit on a lattice, so the level tails and
  // the repeated slopes of a curve (and of the next curve of the same pen) come again and again.
  // Remembered by the points' places relative to the column's left edge and the first point's
  // row, with their caps; only columns that no edge of the picture cut.
  static constexpr int MaxKeyPoints = 8, KeptColumns = 1024;
  // Each point's place in quarter pixels: the row as a byte, the column beside the caps.
  struct TColumnKey {
    std::uint64_t Rows = 0, Columns = ~std::uint64_t(0);
    bool operator==(const TColumnKey&) const = default;
  };
  struct TKeptColumn {
    TColumnKey Key;
    int Top = 0, Bottom = 0;
    std::vector<float> Values;
  };
  bool MakeKey(int stop, int column, TColumnKey& key, int& base, size_t& slot) const;
  std::vector<TKeptColumn> Kept;
  // Per point: its place in quarter pixels, or OffLattice.
  static constexpr int OffLattice = -(1 << 30);
  std::vector<int> QuarterX, QuarterY;
  double KeptHalf = -1;
  int KeptRows = -1;
  // Per row: the segments' areas (they meet without overlapping, so they add up) and the
  // largest cap's (caps overlap the segments, so the greater of the two counts).
  std::vector<float> Segments, Caps;
  // Per point: whether its square is drawn (worked out once per polyline).
  std::vector<char> Capped;
  // Per segment (from point i to i + 1), worked out once per polyline rather than in each of the
  // columns it reaches: its rise per column (flat) or run per row (steep), and the band's half
  // thickness across its run, vertical (flat) or horizontal (steep); a steep one's rise per
  // column too, which finds the rows where it passes a column without a division.
  struct TSegmentShape {
    bool Steep = false;
    double Gradient = 0, Thick = 0, Rise = 0;
  };
  std::vector<TSegmentShape> Shapes;
};
