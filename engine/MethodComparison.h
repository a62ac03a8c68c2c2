#pragma once
// How closely a method rebuilds the signal over the analysis interval [T1, T2]: its error
// against the signal itself (not against the analog tabulation, which cannot show errors
// below some 1e-5), on one grid that every method shares, so that the figures of different
// methods compare like with like.
#include <limits>

// Points of the shared grid, evenly spaced over [T1, T2], both ends included.
constexpr int ComparisonCount = 4000;

// Why a method has no figures.
enum class TFiguresGap {
  None,           // it has them
  NoSignal,       // no analog signal yet
  TableSignal,    // a table gives samples only: there is nothing to compare with
  LagrangeLimit,  // the Lagrange polynomial takes at most 50 samples
};

// A method's error figures. A figure that cannot be computed is NaN, never infinite: one that
// meets a non-finite value on the grid, the relative ones of a signal that is zero everywhere,
// the ratio of an error that is zero everywhere.
struct TErrorFigures {
  static constexpr double None = std::numeric_limits<double>::quiet_NaN();
  TFiguresGap Gap = TFiguresGap::NoSignal;
  double MaxError = None;     // V: the largest |signal - interpolating function|
  double RmsError = None;     // V: the root mean square of that difference
  double RelativeRms = None;  // %: RmsError over the signal's root mean square, times 100
  double Snr = None;          // dB: 20 log10 of the signal's root mean square over RmsError
  bool Known() const { return Gap == TFiguresGap::None; }
};

// Time (s) of grid point k, 0 <= k < ComparisonCount: t1 + k (t2 - t1) / (ComparisonCount - 1),
// the last one t2 itself.
double ComparisonPoint(double t1, double t2, int k);

// Collects the signal's and the interpolating function's values point by point; the sums of
// squares in extended precision, so that 4000 small errors keep their digits.
class TErrorMeasure {
 public:
  void Add(double signal, double rebuilt);
  TErrorFigures Figures() const;

 private:
  long double ErrorSquares = 0, SignalSquares = 0;
  double Largest = 0;
  int Count = 0;
  bool Finite = true;
};
