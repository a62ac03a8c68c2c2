#include "engine/Lagrbfunit.h"

double LagrangeBasis(int n, int k, double x) {
  double r = 1;
  for (int i = 0; i < n; ++i) {
    if (i == k) continue;
    // The factor and its product with r are formed in extended precision and rounded to
    // double once; k - i in extended too, as the int difference could overflow.
    const long double factor = (static_cast<long double>(x) - i) / (static_cast<long double>(k) - i);
    r = static_cast<double>(factor * r);
  }
  return r;
}

double LagrangeValue(const TSampleSet& set, double t) {
  if (!set.Samples || set.N <= 0) return 0;
  const double u = SamplePosition(set, t);
  long double sum = 0;
  for (int i = 0; i < set.N; ++i) sum += static_cast<long double>(LagrangeBasis(set.N, i, u)) * set.Samples[i];
  return static_cast<double>(sum);
}

TLagrangeBasis::TLagrangeBasis() {
  for (int k = 0; k < MaxBasisCount; ++k) Entries[k] = {this, k};
}

void TLagrangeBasis::SetCount(int count) {
  if (count < MinBasisCount) count = MinBasisCount;
  if (count > MaxBasisCount) count = MaxBasisCount;
  BasisCount = count;
}

TRealFunction TLagrangeBasis::Function(int k) const {
  if (k < 0 || k >= MaxBasisCount) return nullptr;
  return TRealFunction::Bind<&TEntry::Value>(Entries[k]);
}
