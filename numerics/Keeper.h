#pragma once
// One plotted series on [xmin, xmax]: a function, a borrowed array of equally
// spaced samples, or a constant, together with the attributes a diagram draws it with.
#include <string>
#include <utility>

#include "numerics/Mathlib.h"

using TKeeperSource = unsigned char;
using TKeeperShape = unsigned char;

enum : TKeeperSource { SourceConstant = 0, SourceFunction = 1, SourceArray = 5 };

enum : TKeeperShape {
  ShapeContinuous = 0,
  ShapeDiscrete = 1,
  ShapeRadio = 2,
  ShapePeriodic = 3,
  ShapePeriodicDiscrete = 4,
  ShapePeriodicRadio = 5,
  ShapeHistogram = 6,
};

enum : unsigned char { SymmetryNone = 0, SymmetryEven = 1, SymmetryOdd = 2 };

class TKeeper {
 public:
  TKeeper() = default;
  ~TKeeper() { Clear(); }
  TKeeper(const TKeeper&) = delete;
  TKeeper& operator=(const TKeeper&) = delete;

  void Clear();

  // Each initialiser leaves the keeper exactly as it was when it refuses. A bound function is
  // borrowed like an array: its object must outlive the keeper's use of it.
  void SetFunction(TRealFunction fn, int count, double xmin, double xmax);
  // The array is borrowed, never copied or freed: a later change of its contents changes the plot.
  void SetArray(double* samples, int count, double xmin, double xmax);
  void SetConstant(double value, double xmin, double xmax);
  // The data of another keeper (what it plots and how: source, range, shape, symmetry,
  // period, scale), leaving this one's colour, pen, visibility, markers and place in its
  // list. A borrowed array or a bound function is shared, not copied.
  void TakeData(const TKeeper& source);

  void SetDiscrete() { Shape = ShapeDiscrete; }
  void SetPeriodic(double period);
  // The shapes without an initialiser of their own (radio, periodic discrete, histogram).
  void SetShape(TKeeperShape shape) { Shape = shape; }
  void SetSymmetry(unsigned char mode) { Symmetry = mode; }
  void SetScale(double factor);
  void SetColor(int colour) { Colour = colour; }
  int GetColor() const { return Colour; }
  int GetPenWidth() const { return PenWidth; }
  void SetPenWidth(int width) { PenWidth = width > 0 ? width : 1; }
  // A curve drawn dashed (stems, bars and bands stay solid): one that stands beside another
  // it follows closely, as a filtered signal beside the original.
  void SetDashed(bool on) { Dashed = on; }
  bool IsDashed() const { return Dashed; }
  // A series drawn beneath the others of its diagram (first, whatever its number), and only
  // over its own span: it adds detail to what the others show, and beyond its data it has none.
  void SetUnderlay(bool on) { Underlay = on; }
  bool IsUnderlay() const { return Underlay; }
  void Show() { Shown = true; }
  void Hide() { Shown = false; }
  bool IsShown() const { return Shown; }
  void SetMarkers(bool on) { Markers = on; }
  bool GetMarkers() const { return Markers; }
  // What the series is, with its unit ("Сигнал, В"; UTF-8), for the column heading of exported
  // data; "" leaves the diagram to name it. Kept like the colour: new data leave it.
  void SetName(std::string name) { Name = std::move(name); }
  const std::string& GetName() const { return Name; }
  // A bounded series is drawn over its own interval only; an unbounded one (the default)
  // reads as zero elsewhere in view, as the program's signals and curves do.
  void SetBounded(bool on) { Bounded = on; }
  bool IsBounded() const { return Bounded; }

  TKeeperShape GetShape() const { return Shape; }
  unsigned char GetSymmetry() const { return Symmetry; }
  TKeeperSource GetSource() const { return Source; }
  int GetCount() const { return Count; }
  double GetXmin() const { return Xmin; }
  double GetXmax() const { return Xmax; }
  double GetYmin() const { return Ymin; }
  double GetYmax() const { return Ymax; }
  double GetStep() const { return Step; }
  double GetPeriod() const { return Period; }
  double GetScale() const { return Scale; }

  void SetNext(TKeeper* keeper) { Next = keeper; }
  TKeeper* GetNext() const { return Next; }
  void ClearNext() { Next = nullptr; }
  void SetNumber(unsigned char n) { Number = n; }
  unsigned char GetNumber() const { return Number; }

  // Continuous reading at abscissa x; 0 outside the data.
  double GetValue(double x) const;
  // Whether GetValue reads the data at x (rather than the 0 beyond it).
  bool Covers(double x) const;
  // Discrete reading of sample k; 0 outside the data.
  double GetSample(int k) const;

 private:
  bool CommonInit(int count, double xmin, double xmax);
  bool Locate(double& x, double& sign) const;
  double ReadSamples(double x) const;
  double ValueAtSample(int k) const;

  TKeeperSource Source = SourceConstant;
  double* Samples = nullptr;
  TRealFunction Function = nullptr;
  double Constant = 0;
  int Count = 0;
  double Xmin = -1, Xmax = 1;
  double Ymin = -1, Ymax = 1;
  double Period = 0;
  double Step = 0.1;
  double Scale = 1;
  int Colour = 0;
  int PenWidth = 2;
  bool Dashed = false;
  TKeeperShape Shape = ShapeContinuous;
  bool Shown = true;
  unsigned char Symmetry = SymmetryNone;
  bool Markers = false;
  std::string Name;
  bool Underlay = false;
  TKeeper* Next = nullptr;
  bool Bounded = false;
  unsigned char Number = 0;
};
