#include "engine/ReconstructionTerms.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/Basefunctionsunit.h"
#include "engine/Lagrbfunit.h"
#include "numerics/Mathlib.h"

TReconstructionTerms::TReconstructionTerms() {
  for (int k = 0; k < MaxShownTerms; ++k) Entries[k] = {this, k};
}

namespace {}  // namespace

void TReconstructionTerms::Clear() {
  Set = {};
  Method = {};
  First = Shown = Total = 0;
  Expected.clear();
  NextExpected = 0;
}

// Sample numbers are worked out in doubles and held to 0 .. N-1 before they become ints, so
// that a view zoomed far away from the samples overflows nothing.
void TReconstructionTerms::Choose(const TSampleSet& set, const TMethod& method, double xmin, double xmax) {
  Clear();
  if (!set.Samples || set.N <= 0 || !(set.T > 0)) return;
  const double umin = SamplePosition(set, std::min(xmin, xmax)), umax = SamplePosition(set, std::max(xmin, xmax));
  if (!std::isfinite(umin) || !std::isfinite(umax)) return;
  double lo = 0, hi = set.N - 1;
  if (method.Sum == Local) {
    lo = std::max(lo, std::ceil(umin - method.Reach));
    hi = std::min(hi, std::floor(umax + method.Reach));
  }
  if (hi < lo) return;
  Set = set;
  Method = method;
  Total = static_cast<int>(hi - lo) + 1;
  Shown = std::min(Total, MaxShownTerms);
  // The Shown consecutive samples nearest the middle: the window centred on it, held inside
  // the samples that reach the range.
  const double middle = std::clamp((umin + umax) * 0.5, lo, hi);
  First = static_cast<int>(std::clamp(std::round(middle - (Shown - 1) * 0.5), lo, hi - (Shown - 1)));
}

// The sine of the reduced argument keeps its accuracy next to the nodes, where sin(pi u)
// itself is tiny (as in SincSeries).
TReconstructionTerms::TPosition TReconstructionTerms::PositionAt(double t) const {
  TPosition p{t, SamplePosition(Set, t), 0};
  if (!std::isfinite(p.U)) return p;
  const double m = std::nearbyint(p.U);
  const double half = m * 0.5;
  const double sign = half == std::floor(half) ? 1.0 : -1.0;
  p.SinePi = sign * std::sin(Pi * (p.U - m)) * (1 / Pi);
  return p;
}

void TReconstructionTerms::ExpectTimes(std::span<const double> times) {
  Expected.clear();
  NextExpected = 0;
  if (Method.Sum != Kotelnikov) return;
  for (double t : times) Expected.push_back(PositionAt(t));
}

double TReconstructionTerms::KotelnikovTerm(int i, double t) const {
  TPosition p;
  if (NextExpected < Expected.size() && Expected[NextExpected].T == t) {
    p = Expected[NextExpected++];
  } else {
    const auto at = std::lower_bound(Expected.begin(), Expected.end(), t,
                                     [](const TPosition& e, double time) { return e.T < time; });
    p = at != Expected.end() && at->T == t ? *at : PositionAt(t);
    NextExpected = at != Expected.end() && at->T == t ? size_t(at - Expected.begin()) + 1 : 0;
  }
  if (!std::isfinite(p.U)) return 0;
  const double d = p.U - i;
  if (d == 0) return Set.Samples[i];  // on its own node; on the others SinePi is 0
  return Set.Samples[i] * ((i % 2 == 0 ? p.SinePi : -p.SinePi) / d);
}

double TReconstructionTerms::Term(int i, double t) const {
  if (!Set.Samples || i < 0 || i >= Set.N) return 0;
  switch (Method.Sum) {
    case Kotelnikov:
      return KotelnikovTerm(i, t);
    case Lagrange:
      return LagrangeBasis(Set.N, i, SamplePosition(Set, t)) * Set.Samples[i];
    case Local:
      return LocalTerm(Set, Method.Kernel, i, t);
  }
  return 0;
}

// |sinc(x)| <= 1 / (pi |x|): a Kotelnikov term stays below `negligible` further than
// |s| / (pi negligible) periods from its sample, and its main lobe is always included.
void TReconstructionTerms::Extent(int k, double negligible, double& from, double& to) const {
  from = -std::numeric_limits<double>::infinity();
  to = std::numeric_limits<double>::infinity();
  if (k < 0 || k >= Shown) return;
  const int i = First + k;
  double reach = 0;
  switch (Method.Sum) {
    case Lagrange:
      return;
    case Local:
      reach = Method.Reach;
      break;
    case Kotelnikov:
      reach = std::fmax(1, std::fabs(Set.Samples[i]) / (Pi * negligible));
      if (!std::isfinite(reach)) return;
      break;
  }
  from = Set.T0 + (i - reach) * Set.T;
  to = Set.T0 + (i + reach) * Set.T;
}

double TReconstructionTerms::TEntry::Value(double t) const {
  return Slot < Owner->Shown ? Owner->Term(Owner->First + Slot, t) : 0;
}

TRealFunction TReconstructionTerms::Function(int k) const {
  if (k < 0 || k >= MaxShownTerms) return nullptr;
  return TRealFunction::Bind<&TEntry::Value>(Entries[k]);
}
