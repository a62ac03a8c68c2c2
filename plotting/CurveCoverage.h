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
  float At(int row) const {
    return Segments[size_t(row)] > Caps[size_t(row)] ? std::min(1.0f, Segments[size_t(row)])
                                                     : std::min(1.0f, Caps[size_t(row)]);
  }

 private:
  void Clear();
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
  // Whether the rows worked out last are those of a level run at height LevelY.
  bool LevelKept = false;
  double LevelY = 0;
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
