#include "plotting/RangeTools.h"

#include "plotting/Diagram.h"

TStoredRange TStoredRange::Of(const TDiagram& diagram) {
  return {diagram.GetXmin(), diagram.GetXmax(), diagram.GetYmin(), diagram.GetYmax()};
}

void TStoredRange::RestoreTo(TDiagram& diagram) const {
  diagram.SetRangeX(Xmin, Xmax);
  diagram.SetRangeY(Ymin, Ymax);
}

void StepRangeEdge(TDiagram& diagram, TRangeEdge edge, TUpDown::TUDBtnType button) {
  const bool increase = button == TUpDown::btNext;
  switch (edge) {
    case TRangeEdge::Ymax:
      increase ? diagram.IncreaseYmax() : diagram.ReduceYmax();
      break;
    case TRangeEdge::Ymin:
      increase ? diagram.IncreaseYmin() : diagram.ReduceYmin();
      break;
    case TRangeEdge::Xmin:
      increase ? diagram.IncreaseXmin() : diagram.ReduceXmin();
      break;
    case TRangeEdge::Xmax:
      increase ? diagram.IncreaseXmax() : diagram.ReduceXmax();
      break;
  }
}
