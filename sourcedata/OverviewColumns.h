#pragma once
// A recording's picture, one pixel column at a time: the smallest and largest value in each
// column's span of time, handed to a diagram as one curve that zigzags between them (the
// largest at even columns, the smallest at odd ones, each taken with its left neighbour's),
// so that the line joining the columns sweeps every column's whole range and a long file
// draws as a filled band, as fast as a short one. Where a column holds no sample (zoomed in
// beyond the samples) it takes the straight line between the two around it.
#include <vector>

#include "numerics/RealFunction.h"
#include "sourcedata/Recording.h"

class TOverviewColumns {
 public:
  // Columns 0 .. count-1 at times x0 + c dx (s); the recording's channel c. The recording
  // must stay alive and unchanged while the columns are read.
  void Take(const TRecording& recording, TRecordingChannel channel, double x0, double dx, int count);
  // The curve's value at time x (its column's), 0 before Take.
  double Value(double x) const;
  TRealFunction Function() const { return TRealFunction::Bind<&TOverviewColumns::Value>(*this); }
  // The extremes of column c as taken.
  float Low(int c) const { return Lo[size_t(c)]; }
  float High(int c) const { return Hi[size_t(c)]; }
  int Count() const { return int(Lo.size()); }

 private:
  double X0 = 0, Dx = 1;
  std::vector<float> Lo, Hi;
};
