#pragma once
// The width of an amplitude spectrum A_0 .. A_(count−1) on a grid of `step` radians per
// sample, by one of three criteria. A width of exactly 0 becomes 0.5 rad/sample.

enum class TWidthCriterion { Amplitude = 0, Energy = 1, Rectangle = 2 };

// Amplitude: the frequency from which on no amplitude rises above level·max (0 when all do).
double AmplitudeWidth(const double* amplitudes, unsigned count, long double step, double level);
// Energy: the frequency of the last harmonic needed to reach part of the total energy.
double EnergyWidth(const double* amplitudes, unsigned count, long double step, double part);
// Rectangle: the width of a rectangle of the largest amplitude's height with the same area
// as the spectrum; 1.0 when every amplitude is zero.
double RectangleWidth(const double* amplitudes, unsigned count, long double step);

// The chosen criterion's width, with the final rule applied.
double SpectrumWidth(TWidthCriterion criterion, const double* amplitudes, unsigned count, long double step,
                     double level, double part);
