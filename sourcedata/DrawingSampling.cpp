#include "sourcedata/DrawingSampling.h"

#include "numerics/Keeper.h"

int SampleSegment(double x0, double y0, double x1, double y1, double step, double* samples, int count, int capacity) {
  if (!samples || !(x1 > x0)) return count;
  const double slope = (y1 - y0) / (x1 - x0);
  const double intercept = y0 - slope * x0;
  // A step that cannot advance t would never reach x1.
  if (!(step > 0)) step = x1 - x0;
  for (double t = x0; t < x1 && count < capacity; t = t + step) samples[count++] = slope * t + intercept;
  return count;
}

void DrawnSeries(TKeeper& series, double* samples, int count, double xmin, double xlast) {
  if (count > 0)
    series.SetArray(samples, count, xmin, xlast);
  else
    series.SetConstant(0, xmin, xlast + 1);
}
