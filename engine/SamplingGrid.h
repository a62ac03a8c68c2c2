#pragma once
// The arithmetic of sampling set-up, free of any window: where the sampling grid starts,
// how many grid points a period gives, the least number of samples for a highest frequency,
// the support of a drawn signal, the corrections of a typed period and the count limit.
// Times in seconds, circular frequencies in rad/s.

// Abscissa of the first sample. Anchored at zero: the multiple of T next to t1 on the side
// of zero, found by running sums from 0 (so with t1 > 0 it may lie before t1); anchored at
// the interval's start: t1. T must be positive.
double GridOrigin(double t1, double T, bool anchoredAtZero);

// Grid points t0, t0 + T, ... (running sum) that lie before t2; at most `cap`.
int CountGridPoints(double t0, double t2, double T, int cap);

// trunc((t2 - t1) * wm / pi + 1), kept within 1 .. MaxMinimumCount.
constexpr int MaxMinimumCount = 1000000;
int MinimumCount(double t1, double t2, double wm);

// The largest admissible sampling period pi / wm. A signal without a highest frequency
// (zero or constant: wm = 0) admits any period; the whole interval is used then, so that
// the quantities shown and the periods derived from them stay finite.
double LargestPeriod(double wm, double t1, double t2);

// The part of a drawn signal where its magnitude reaches level times its peak: the drawn
// curve's range [xmin, xmax] with step h, its extremes ymin and ymax, and its n node values.
// Falls back to [xmin, xmax] when nothing reaches the threshold or the support is empty.
struct TSupportInput {
  const double* Values = nullptr;
  int Count = 0;
  double Xmin = 0, Xmax = 1, Step = 0, Ymin = 0, Ymax = 0;
};
void FindSupportInterval(const TSupportInput& in, double level, double& t1, double& t2);

// A typed period checked against the interval: unreadable or below Tmin = 0.002 (t2 - t1)
// gives Tmin; not below t2 - t1 gives 0.9 (t2 - t1).
double CorrectedPeriod(bool readable, double value, double t1, double t2);

// The longest period a table of n samples may take: its interval (n - 1) T follows the
// period, and beyond the diagrams' reach (+-100000) it could be neither shown nor, for a
// period near the largest double, kept finite in the spectra scaled by T.
constexpr double LongestTableInterval = 100000;
double LargestTablePeriod(int n);

// A sample time the running sum has carried a rounding beyond an end of [t1, t2] is put
// back on that end, so that a sample meant for the end reads the signal there, not the
// zero outside it. Times further out are left as they are.
double SnapToInterval(double t, double t1, double t2);

// Keeps the count within limit: above it, n = limit and T = (t2 - t1) / (limit - 1).
// True when it corrected them.
bool LimitSampleCount(int& n, double& T, double t1, double t2, int limit);
