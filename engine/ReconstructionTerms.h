#pragma once
// The terms the interpolating function is the sum of: sample i contributes
// s[i] * phi((t - T0) / T - i) with the method's generating function phi, or s[i] * l_i(u)
// with the Lagrange basis polynomial l_i. The terms whose curves reach a range of time are
// chosen here, at most MaxShownTerms of them, those of the samples nearest the range's
// middle; each chosen term is a curve of t in seconds (volts), bound to this object.
#include "engine/SampleSet.h"
#include "numerics/Mathlib.h"

constexpr int MaxShownTerms = 60;

class TReconstructionTerms {
 public:
  // How far a term reaches: without bound (Kotelnikov, Lagrange), or `Reach` sampling
  // periods either side of its sample (a local method of order p: p + 1).
  struct TMethod {
    TRealFunction Kernel = nullptr;  // phi in sampling periods; null: the Lagrange basis
    bool Local = false;              // the terms are those of the local sum (LocalTerm)
    int Reach = 0;                   // used when Local
  };

  TReconstructionTerms();
  // The curves point into the object: it is neither copied nor moved.
  TReconstructionTerms(const TReconstructionTerms&) = delete;
  TReconstructionTerms& operator=(const TReconstructionTerms&) = delete;

  // Chooses the terms of `set` (its samples borrowed, read at each evaluation) that reach
  // [xmin, xmax] seconds. The curves keep N, T and T0 as they are now: choose again after
  // the samples change.
  void Choose(const TSampleSet& set, const TMethod& method, double xmin, double xmax);
  void Clear();

  // Terms chosen (at most MaxShownTerms) and terms that reach the range.
  int Count() const { return Shown; }
  int Reaching() const { return Total; }
  // The sample whose term is curve k (0 <= k < Count()).
  int SampleIndex(int k) const { return First + k; }
  // Curve k for k in 0 .. MaxShownTerms - 1; a curve beyond Count() reads 0. Null for any other k.
  TRealFunction Function(int k) const;
  // The term of sample i at time t, chosen or not.
  double Term(int i, double t) const;

 private:
  struct TEntry {
    const TReconstructionTerms* Owner;
    int Slot;
    double Value(double t) const;
  };

  TSampleSet Set;
  TMethod Method;
  int First = 0, Shown = 0, Total = 0;
  TEntry Entries[MaxShownTerms];
};
