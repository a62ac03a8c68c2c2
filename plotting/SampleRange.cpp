#include "plotting/SampleRange.h"

#include <algorithm>

namespace {
// A period beyond this folds nothing any bounded number could reach.
constexpr double MaxFoldingPeriod = double(SampleNumberBound);
constexpr int RightOfPeriodEnd = 0, LeftOfStart = 1;

long long Mod(long long a, long long p) { return ((a % p) + p) % p; }

void AddSigned(const TSampleExtremes& from, double sign, TSampleExtremes& e) {
  if (!from.Any()) return;
  e.Add(sign * from.Lo);
  e.Add(sign * from.Hi);
}
}  // namespace

bool SampleNumberRange(double xmin, double step, double lo, double hi, long long& nLo, long long& nHi) {
  if (!(step > 0) || !std::isfinite(step) || !(lo <= hi)) return false;
  const double bound = double(SampleNumberBound);
  const double first = std::ceil((lo - xmin) / step), last = std::floor((hi - xmin) / step);
  if (!(first <= bound && last >= -bound && first <= last + 2)) return false;
  long long a = static_cast<long long>(std::max(first, -bound));
  long long b = static_cast<long long>(std::min(last, bound));
  // The divisions may be off by a position; one correction each way settles it.
  if (a > -SampleNumberBound && xmin + double(a - 1) * step >= lo) --a;
  if (xmin + double(a) * step < lo) ++a;
  if (b < SampleNumberBound && xmin + double(b + 1) * step <= hi) ++b;
  if (xmin + double(b) * step > hi) --b;
  if (a > b) return false;
  nLo = a;
  nHi = b;
  return true;
}

TSampleReader::TSampleReader(const TKeeper& keeper) : Keeper(keeper) {
  const double period = keeper.GetPeriod();
  Folds = keeper.GetShape() == ShapePeriodicDiscrete && period >= 1 && period < MaxFoldingPeriod;
  if (!Folds) return;
  Period = static_cast<long long>(period);
  PeriodEnd = static_cast<long long>(std::ceil(period));
}

TSampleExtremes TSampleReader::Extremes(long long from, long long to) {
  TSampleExtremes e;
  from = std::clamp(from, -SampleNumberBound, SampleNumberBound);
  to = std::clamp(to, -SampleNumberBound, SampleNumberBound);
  if (from > to) return e;
  if (from < 0) AddNegative(from, std::min(to, -1LL), e);
  if (to >= 0) AddNonNegative(std::max(from, 0LL), to, 1, e);
  return e;
}

double TSampleReader::Read(long long number) {
  if (number > std::numeric_limits<int>::min() && number <= std::numeric_limits<int>::max())
    return Keeper.GetSample(int(number));
  const TSampleExtremes e = Extremes(number, number);
  return e.Any() ? e.Lo : std::numeric_limits<double>::quiet_NaN();
}

// Stored samples a..b (numbers no rule moves any more), 0 for those beyond the data.
void TSampleReader::AddStored(long long a, long long b, double sign, TSampleExtremes& e) const {
  const long long lo = std::max(a, 0LL), hi = std::min(b, (long long)Keeper.GetCount() - 1);
  for (long long i = lo; i <= hi; ++i) e.Add(sign * Keeper.GetSample(int(i)));
  if (a < lo || b > hi) e.Add(0);
}

void TSampleReader::AddWholePeriod(int cache, long long base, double sign, TSampleExtremes& e) {
  if (!WholePeriodKnown[cache]) {
    AddStored(base, base + Period - 1, 1, WholePeriod[cache]);
    WholePeriodKnown[cache] = true;
  }
  AddSigned(WholePeriod[cache], sign, e);
}

// Numbers a..b read as base + ((n - base) mod period).
void TSampleReader::AddFolded(int cache, long long a, long long b, long long base, double sign, TSampleExtremes& e) {
  if (b - a + 1 >= Period) return AddWholePeriod(cache, base, sign, e);
  const long long f = base + Mod(a - base, Period), g = f + (b - a);
  if (g < base + Period) return AddStored(f, g, sign, e);
  AddStored(f, base + Period - 1, sign, e);
  AddStored(base, g - Period, sign, e);
}

// Numbers 0 <= a..b: those below the period stand as they are, later ones fold onto the
// last period's worth of numbers below its end.
void TSampleReader::AddNonNegative(long long a, long long b, double sign, TSampleExtremes& e) {
  if (!Folds) return AddStored(a, b, sign, e);
  if (a < PeriodEnd) {
    AddStored(a, std::min(b, PeriodEnd - 1), sign, e);
    a = PeriodEnd;
  }
  if (a <= b) AddFolded(RightOfPeriodEnd, a, b, PeriodEnd - Period, sign, e);
}

// Numbers a..b <= -1: mirrored by a symmetry (negated when odd), otherwise folded by the
// period onto 0 .. period - 1, otherwise beyond the data.
void TSampleReader::AddNegative(long long a, long long b, TSampleExtremes& e) {
  const unsigned char symmetry = Keeper.GetSymmetry();
  if (symmetry == SymmetryEven || symmetry == SymmetryOdd)
    return AddNonNegative(-b, -a, symmetry == SymmetryOdd ? -1 : 1, e);
  if (Folds) return AddFolded(LeftOfStart, a, b, 0, 1, e);
  e.Add(0);
}
