#pragma once
// The spectrum of a method's generating function and the distortion coefficient derived
// from it. Frequencies are in radians per sampling period; the spectrum of the even kernel
// g is G(v) = 2 * integral over [0, p + 1] of g(x) cos(v x) dx (the trapezoid rule).
#include "numerics/Mathlib.h"

// 2*pi to 15 significant digits, as the analysis grid and the conversion to Hz use it.
constexpr double TwoPiShort = 6.28318530717958;

// Detail b: the number of frequencies per period 2*pi is b - 1.
constexpr int KernelDetailLow = 100;
constexpr int KernelDetailMedium = 250;
constexpr int KernelDetailHigh = 500;
// Integration steps, in sampling periods.
constexpr double KernelStepCoarse = 0.01;
constexpr double KernelStepMedium = 0.001;
constexpr double KernelStepFine = 0.0001;

// The spectrum covers eleven periods; the distortion sums the leakage of ten images.
constexpr int KernelSpectrumPeriods = 11;
constexpr int DistortionImages = 10;
constexpr int MaxKernelSpectrumCount = KernelSpectrumPeriods * (KernelDetailHigh - 1) + 1;  // 5490
constexpr int MaxDistortionCount = KernelDetailHigh / 2;                                    // 250

// Integral of f(x) cos(w x) over [a, b] by the trapezoid rule with step h, the abscissa
// a running sum and the sum in double: h * (S - (g0 + last) / 2). Refused (0) for a step
// that is not positive or an interval of more than 1e6 steps; the sum ends where a step no
// longer moves the abscissa.
double TrapezoidCosine(TRealFunction f, double a, double b, double w, double h);

// 11 (b - 1) + 1 for a detail b in 2 .. KernelDetailHigh, otherwise 0.
int KernelSpectrumCount(int detail);
// Spacing e = TwoPiShort / (b - 1) of the frequencies v_i = i * e.
double KernelFrequencyStep(int detail);

// The Kotelnikov kernel's spectrum, the ideal low-pass: 1 below pi, 0 from pi on.
// Writes KernelSpectrumCount(detail) values and returns that count (0: nothing written).
int IdealLowPassSpectrum(int detail, double* spectrum);

// 2 * TrapezoidCosine(kernel, 0, order + 1, v_i, step) for every v_i, computed fast:
// the kernel is tabulated once on the integration grid, and the cosines come from exact
// anchors every few hundred points combined with one shared table of cos/sin(v k h).
// Agrees with the literal sum within 1e-9. Returns the count written, 0 when refused
// (detail out of range, order outside 0 .. 3, a step that is not positive or too fine).
int LocalKernelSpectrum(TRealFunction kernel, int order, int detail, double step, double* spectrum);

// b / 2 values: sqrt((1 - G_i)^2 + sum_{k=1..10} G_{i + k(b-1)}^2) for i = 0 .. b/2 - 1.
// Returns the count written (0 for a detail out of range).
int ComputeDistortion(const double* spectrum, int detail, double* distortion);
