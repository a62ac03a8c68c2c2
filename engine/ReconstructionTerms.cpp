#include "engine/ReconstructionTerms.h"

#include <algorithm>
#include <cmath>

#include "engine/Basefunctionsunit.h"
#include "engine/Lagrbfunit.h"

TReconstructionTerms::TReconstructionTerms() {
  for (int k = 0; k < MaxShownTerms; ++k) Entries[k] = {this, k};
}

void TReconstructionTerms::Clear() {
  Set = {};
  Method = {};
  First = Shown = Total = 0;
}

// Sample numbers are worked out in doubles and held to 0 .. N-1 before they become ints, so
// that a view zoomed far away from the samples overflows nothing.
void TReconstructionTerms::Choose(const TSampleSet& set, const TMethod& method, double xmin, double xmax) {
  Clear();
  if (!set.Samples || set.N <= 0 || !(set.T > 0)) return;
  const double umin = SamplePosition(set, std::min(xmin, xmax)), umax = SamplePosition(set, std::max(xmin, xmax));
  if (!std::isfinite(umin) || !std::isfinite(umax)) return;
  double lo = 0, hi = set.N - 1;
  if (method.Local) {
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

double TReconstructionTerms::Term(int i, double t) const {
  if (!Set.Samples || i < 0 || i >= Set.N) return 0;
  if (!Method.Kernel) return LagrangeBasis(Set.N, i, SamplePosition(Set, t)) * Set.Samples[i];
  if (Method.Local) return LocalTerm(Set, Method.Kernel, i, t);
  return Method.Kernel(SamplePosition(Set, t) - i) * Set.Samples[i];
}

double TReconstructionTerms::TEntry::Value(double t) const {
  return Slot < Owner->Shown ? Owner->Term(Owner->First + Slot, t) : 0;
}

TRealFunction TReconstructionTerms::Function(int k) const {
  if (k < 0 || k >= MaxShownTerms) return nullptr;
  return TRealFunction::Bind<&TEntry::Value>(Entries[k]);
}
