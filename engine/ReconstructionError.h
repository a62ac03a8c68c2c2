#pragma once
// The reconstruction error: the analog signal minus the interpolating function, tabulated
// on a uniform grid around the analysis interval [T1, T2] (seconds).

class TKeeper;

constexpr int ErrorCount = 4000;

// Where the error is tabulated ([A, B]) and the part of it shown at first ([ViewMin, ViewMax]):
// one sampling period beyond the interval for the Lagrange polynomial, which is only drawn
// there; 30 periods tabulated and 5 shown for every other method.
struct TErrorInterval {
  double A = 0, B = 0;
  double ViewMin = 0, ViewMax = 0;
};
TErrorInterval ErrorInterval(double T1, double T2, double T, bool lagrange);

// error[i] = analog(t) - interpolating(t) for ErrorCount points from a to b, t a running sum
// advanced by (b - a) / 3999. Both are read continuously (TKeeper::GetValue).
void TabulateError(const TKeeper& analog, const TKeeper& interpolating, double a, double b, double* error);
