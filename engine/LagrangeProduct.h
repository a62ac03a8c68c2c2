#pragma once
// The Lagrange polynomial through N samples in its product form, N operations per point
// instead of the N² of the definition (Lagrbfunit.h, which stays the reference):
//   p(u) = l(u) * sum_i w_i s[i] / (u - i),  l(u) = prod_j (u - j),
//   w_i = (-1)^(N-1-i) / (i! (N-1-i)!),
// u in sampling periods from s[0]; the nodes are the integers 0 .. N-1, so the weights depend
// on N alone and are computed once per sample set.
#include "engine/SampleSet.h"

class TLagrangeProduct {
 public:
  // The largest count with weights of its own: the Lagrange method's limit.
  static constexpr int Capacity = 50;

  // Weights for n nodes; nothing to do when they are already those. A count beyond Capacity
  // keeps none, and Value then falls back to the definition.
  void Prepare(int n);
  int Count() const { return FCount; }

  // The polynomial at time t through set's samples (0 with no samples). On a node it is that
  // sample exactly. Formed in extended precision: l(u) stays finite for |u| up to about 1e90
  // at 50 nodes, and the rounding of each term is far below that of the definition's
  // basis products. A set whose count is not the prepared one is evaluated by the definition.
  double Value(const TSampleSet& set, double t) const;

 private:
  int FCount = 0;
  long double Weights[Capacity] = {};
};
