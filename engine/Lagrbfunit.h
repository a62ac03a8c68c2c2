#pragma once
// The Lagrange polynomial through all samples, and the Lagrange basis functions that
// the basis-function tab plots for a chosen number of nodes.
#include "engine/SampleSet.h"
#include "numerics/Mathlib.h"

constexpr int MinBasisCount = 2;
constexpr int MaxBasisCount = 50;

// l_k(x) on the nodes 0, 1, ..., n-1: the product of (x - i)/(k - i) over i != k, each
// factor formed and multiplied in extended precision, the product rounded to double after it.
double LagrangeBasis(int n, int k, double x);

// The polynomial through the samples at time t: sum_i LagrangeBasis(N, i, u) * s[i]
// with u = SamplePosition(t), accumulated in extended precision.
double LagrangeValue(const TSampleSet& set, double t);

// The basis functions that the basis-function tab plots: their number of nodes, kept within
// MinBasisCount .. MaxBasisCount, and each function l_k as a curve of x in sampling periods
// bound to this object, reading its count at every evaluation. The curves point into the
// object, so it is neither copied nor moved.
class TLagrangeBasis {
 public:
  TLagrangeBasis();
  TLagrangeBasis(const TLagrangeBasis&) = delete;
  TLagrangeBasis& operator=(const TLagrangeBasis&) = delete;

  void SetCount(int count);
  int Count() const { return BasisCount; }
  // l_k for k in 0 .. MaxBasisCount-1; null for any other k.
  TRealFunction Function(int k) const;

 private:
  struct TEntry {
    const TLagrangeBasis* Owner;
    int K;
    double Value(double x) const { return LagrangeBasis(Owner->BasisCount, K, x); }
  };

  int BasisCount = MinBasisCount;
  TEntry Entries[MaxBasisCount];
};
