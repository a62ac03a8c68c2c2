#pragma once
// The arithmetic of a diagram's axes, free of widgets so that it can be checked on its own:
// number precision, grid step, first grid line, range steps and the number texts.
// Every value here is in the axis's own units (seconds, volts, ...), never pixels.
#include <cstddef>
#include <string>

// Decimals that suit a range of width d: 0 for d >= 10, one more per decade below, 7 at most.
int PrecisionForWidth(double d);

// Grid step for the range [vmin, vmax] drawn over `pixels` pixels when one interval needs
// `perInterval` pixels (number width times 1.2 for X, text height times 1.3 for Y).
// When even the coarsest factor gives too many intervals the coarsest factor is used:
// a handful of lines is better than none, and the step stays positive.
double GridStep(double vmin, double vmax, double pixels, double perInterval);

// The first grid value of [vmin, vmax] for the given step, and the tolerance eps that
// every comparison of grid values uses.
double FirstGridLine(double vmin, double vmax, double step);
double GridTolerance(double vmin, double vmax);

// The step of the no-argument range steps for a range of width w shown with `precision` decimals.
double RangeStep(double w, int precision);

// Writes `value` with `precision` decimals ("%.Nf" for 0..7, "%e" otherwise) whatever the
// locale, always with a point. Writes at most size-1 characters and a terminating zero;
// returns the number of characters written.
int FormatAxisNumber(char* buffer, std::size_t size, int precision, double value);

// Pixel coordinate of a mapped value: cut toward zero, with values beyond any picture
// (and NaN) pinned far outside it, so that a wild value never overflows an int.
int TruncPixel(double v);

// A coordinate for the read-out: rounded to 5 significant digits (or fewer decimals when
// `decimals` asks for fewer), written with exactly `decimals` decimals, zeros padding the
// digits beyond the significant ones; exponent form when more than 5 digits stand before
// the point. The decimal separator is a point; the caller puts the system's in its place.
std::string FormatReadout(double value, int decimals);
