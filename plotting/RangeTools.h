#pragma once
// What the frame and the enlarged window share around a diagram: a stored range to go
// back to, and the four up-downs that move the range's edges.
#include "plotting/UpDown.h"

class TDiagram;

struct TStoredRange {
  double Xmin = -1, Xmax = 1, Ymin = -1, Ymax = 1;

  static TStoredRange Of(const TDiagram& diagram);
  // X range and Y range, each set as a whole.
  void RestoreTo(TDiagram& diagram) const;
};

// The edge an up-down moves: top, bottom, left, right.
enum class TRangeEdge { Ymax, Ymin, Xmin, Xmax };

// The up arrow (or right arrow) increases the edge's value, the other one reduces it.
void StepRangeEdge(TDiagram& diagram, TRangeEdge edge, TUpDown::TUDBtnType button);
