#pragma once
// The generating functions (kernels) of the reconstruction methods and the sums that
// rebuild the signal from its samples. A kernel's argument is in sampling periods.
#include "engine/SampleSet.h"
#include "numerics/Mathlib.h"

// Each kernel is evaluated in extended precision and rounded to double once, on return,
// so that every kernel is a TRealFunction a series can plot directly.
double Sinc(double x);
double Pol0(double x);
double Pol1(double x);
double Pol2(double x);
double Pol3(double x);
double Spl11(double x);
double Spl21(double x);
double Spl31(double x);
double Spl12(double x);
double Spl22(double x);
double Spl32(double x);

// Kotelnikov series sum_i Sinc(u - i) * s[i], u = SamplePosition(t), over all samples.
// Uses sin(pi (u - i)) = (-1)^i sin(pi u), so one sine per point; agrees with the
// term-by-term sum within about 1e-14 * sum |s[i]|.
double KotelnikovValue(const TSampleSet& set, double t);

// Local interpolation: sum over k = -3 .. 4 of kernel(a - k) * s[b + k], where b is u
// truncated toward zero and a = u - b; samples outside 0 .. N-1 count as 0.
double LocalValue(const TSampleSet& set, TRealFunction kernel, double t);
// Sample i's part of LocalValue(t), computed as the sum computes it (0 where the sum does not
// visit sample i), so that the parts of all samples add up to LocalValue exactly.
double LocalTerm(const TSampleSet& set, TRealFunction kernel, int i, double t);
