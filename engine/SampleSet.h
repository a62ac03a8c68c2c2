#pragma once
// The samples a reconstruction reads: N values s[0 .. N-1] taken every T seconds,
// the first at T0. The array is borrowed; the owner keeps it alive.

struct TSampleSet {
  const double* Samples = nullptr;
  int N = 0;
  double T = 1;   // sampling period, seconds
  double T0 = 0;  // abscissa of s[0], seconds
};

// s[k] for 0 <= k < N, otherwise 0 (also when there are no samples).
double SampleAt(const TSampleSet& set, long long k);
// (t - T0) / T, each step rounded to double: the time in sampling periods from s[0].
double SamplePosition(const TSampleSet& set, double t);
