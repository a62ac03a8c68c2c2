#pragma once
// The drawn curve as samples, one per pixel column: each straight segment the user fixes is
// sampled at its left end and every step to the right of it, its right end excluded (that
// column belongs to the next segment).

// Appends to samples[count ...] the values of the straight line through (x0, y0) and
// (x1, y1) at t = x0, x0 + step, x0 + 2 step, ... (a running sum) while t < x1 and fewer
// than capacity samples are held. Returns the new count. A segment with x1 <= x0 adds
// nothing; a step that is not positive adds only the value at x0.
int SampleSegment(double x0, double y0, double x1, double y1, double step, double* samples, int count, int capacity);

class TKeeper;
// The series a drawing is handed over as: count samples equally spaced over [xmin, xlast],
// borrowed (the series reads them in place); with nothing drawn, zero over [xmin, xlast + 1].
void DrawnSeries(TKeeper& series, double* samples, int count, double xmin, double xlast);
