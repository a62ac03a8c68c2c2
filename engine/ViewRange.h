#pragma once
// The part of its data a diagram should show after a computation: what the engine says and
// the main window applies, so that the ranges are decided where the data is made.

struct TViewRange {
  // Scroll limits of the abscissa; left as they were when HasLimits is false.
  bool HasLimits = false;
  double LimitMin = 0, LimitMax = 0;
  double Xmin = 0, Xmax = 0;
  // AutoY fits the ordinate to the series shown instead of [Ymin, Ymax]; FloorAtZero then
  // starts it at 0 (a quantity that is never negative).
  bool AutoY = false;
  bool FloorAtZero = false;
  double Ymin = 0, Ymax = 0;
};
