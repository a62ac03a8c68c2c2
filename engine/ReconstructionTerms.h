#pragma once
// The terms the interpolating function is the sum of: sample i contributes
// s[i] * phi((t - T0) / T - i) with the method's generating function phi, or s[i] * l_i(u)
// with the Lagrange basis polynomial l_i. The terms whose curves reach a range of time are
// chosen here, at most MaxShownTerms of them, those of the samples nearest the range's
// middle; each chosen term is a curve of t in seconds (volts), bound to this object.
#include <span>
#include <vector>

#include "engine/SampleSet.h"
#include "numerics/Mathlib.h"

constexpr int MaxShownTerms = 60;

class TReconstructionTerms {
 public:
  // Which sum the terms are of. The Kotelnikov and Lagrange terms reach without bound, those
  // of a local method of order p only Reach = p + 1 sampling periods either side of their sample.
  enum TSum { Kotelnikov, Lagrange, Local };
  struct TMethod {
    TSum Sum = Kotelnikov;
    TRealFunction Kernel = nullptr;  // Local: phi in sampling periods
    int Reach = 0;                   // Local
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
  // The times, increasing, the curves are about to be read at (a diagram's pixel columns):
  // read there, the Kotelnikov terms share one sine per time instead of taking one each.
  // Any other time is computed afresh, to the same value. Valid until the next Choose.
  void ExpectTimes(std::span<const double> times);

  // Terms chosen (at most MaxShownTerms) and terms that reach the range.
  int Count() const { return Shown; }
  int Reaching() const { return Total; }
  // The sample whose term is curve k (0 <= k < Count()).
  int SampleIndex(int k) const { return First + k; }
  // Curve k for k in 0 .. MaxShownTerms - 1; a curve beyond Count() reads 0. Null for any other k.
  TRealFunction Function(int k) const;
  // The term of sample i at time t, chosen or not.
  double Term(int i, double t) const;
  // Where curve k can reach `negligible` volts in magnitude, in seconds: beyond [from, to] it
  // stays below. Without bound (+-infinity) for the Lagrange terms.
  void Extent(int k, double negligible, double& from, double& to) const;

 private:
  // A time in sampling periods from s[0], u = m + f with m whole and |f| <= 1/2, and
  // SinePi = (-1)^m sin(pi f) / pi = sin(pi u) / pi: sin(pi (u - i)) / pi = (-1)^i SinePi.
  struct TPosition {
    double T = 0, U = 0, SinePi = 0;
  };
  TPosition PositionAt(double t) const;
  double KotelnikovTerm(int i, double t) const;

  struct TEntry {
    const TReconstructionTerms* Owner;
    int Slot;
    double Value(double t) const;
  };

  TSampleSet Set;
  TMethod Method;
  int First = 0, Shown = 0, Total = 0;
  TEntry Entries[MaxShownTerms];
  // The expected times' positions; each curve reads them in order, so the next is tried first.
  std::vector<TPosition> Expected;
  mutable size_t NextExpected = 0;
};
