#include "engine/Lagrbfunit.h"

#include <array>
#include <utility>

namespace {
int BasisCount = MinBasisCount;

template <int K>
double BasisFunction(double x) {
  return LagrangeBasis(BasisCount, K, x);
}

// One plain function per basis index, since a series holds a bare function pointer.
template <int... K>
constexpr std::array<TRealFunction, sizeof...(K)> MakeBasisTable(std::integer_sequence<int, K...>) {
  return {&BasisFunction<K>...};
}

constexpr auto BasisFunctions = MakeBasisTable(std::make_integer_sequence<int, MaxBasisCount>());
}  // namespace

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

void SetBasisCount(int count) {
  if (count < MinBasisCount) count = MinBasisCount;
  if (count > MaxBasisCount) count = MaxBasisCount;
  BasisCount = count;
}

int GetBasisCount() { return BasisCount; }

TRealFunction LagrangeBasisFunction(int k) {
  if (k < 0 || k >= MaxBasisCount) return nullptr;
  return BasisFunctions[k];
}
