#pragma once
// Sample numbers of a discrete keeper in a view, and its readings over runs of numbers far
// longer than a picture is wide. A wide view of a fine series holds billions of sample
// positions; they are found by division and summarised by the keeper's own reading rules
// (symmetry left of sample 0, period folding, 0 beyond the data), never walked one by one.
#include <cmath>
#include <limits>

#include "numerics/Keeper.h"

// Sample numbers are kept within +-2^52, where every one is still exact in a double; a step
// so fine that a view needs more reads the outermost number for all beyond it.
constexpr long long SampleNumberBound = 1LL << 52;

// Sample numbers n with lo <= xmin + n * step <= hi (the positions themselves decide, after
// one division); false when there are none or the step is not a positive finite number.
bool SampleNumberRange(double xmin, double step, double lo, double hi, long long& nLo, long long& nHi);

// The least sample number n >= `from` whose position xmin + n * step maps (through `column`)
// onto pixel column px or to its right. `column` maps an abscissa to its pixel column.
template <class Column>
long long FirstNumberAtColumn(double xmin, double step, double columnStart, int px, long long from, Column column);

struct TSampleExtremes {
  double Lo = std::numeric_limits<double>::infinity();
  double Hi = -std::numeric_limits<double>::infinity();
  bool Any() const { return Lo <= Hi; }
  void Add(double v) {
    if (v < Lo) Lo = v;
    if (v > Hi) Hi = v;  // NaN passes neither test: a value that is not a number has no stem
  }
};

// Reads one keeper's samples by number, as TKeeper::GetSample does, for numbers of any size
// and for whole runs of them. Made afresh for each drawing: it keeps the extremes of a whole
// period once read, so that every pixel column of a wide view costs no more than a lookup.
class TSampleReader {
 public:
  explicit TSampleReader(const TKeeper& keeper);
  // The least and greatest reading over the numbers [from, to].
  TSampleExtremes Extremes(long long from, long long to);
  // The reading of one number.
  double Read(long long number);

 private:
  void AddStored(long long a, long long b, double sign, TSampleExtremes& e) const;
  void AddWholePeriod(int cache, long long base, double sign, TSampleExtremes& e);
  void AddFolded(int cache, long long a, long long b, long long base, double sign, TSampleExtremes& e);
  void AddNonNegative(long long a, long long b, double sign, TSampleExtremes& e);
  void AddNegative(long long a, long long b, TSampleExtremes& e);

  const TKeeper& Keeper;
  bool Folds = false;
  long long Period = 0;     // whole samples of the period
  long long PeriodEnd = 0;  // the least number that is folded
  // A whole period's extremes, right of the period's end (0) and left of sample 0 (1).
  TSampleExtremes WholePeriod[2];
  bool WholePeriodKnown[2] = {false, false};
};

template <class Column>
long long FirstNumberAtColumn(double xmin, double step, double columnStart, int px, long long from, Column column) {
  constexpr int MaxCorrection = 4;
  double guess = std::ceil((columnStart - xmin) / step);
  if (!(guess >= double(from))) guess = double(from);
  if (guess > double(SampleNumberBound)) guess = double(SampleNumberBound);
  long long n = static_cast<long long>(guess);
  // The division may miss by a position; the mapping itself decides, a few steps at most.
  for (int i = 0; i < MaxCorrection && n > from && column(xmin + double(n - 1) * step) >= px; ++i) --n;
  for (int i = 0; i < MaxCorrection && n < SampleNumberBound && column(xmin + double(n) * step) < px; ++i) ++n;
  return n;
}
