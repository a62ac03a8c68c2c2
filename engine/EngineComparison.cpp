// The error figures of every method on the shared comparison grid.
#include "engine/ResamEngine.h"

// The signal itself on the grid, once per signal and interval (AnalyseSignal): each method's
// figures then cost only its own sums.
void TResamEngine::TabulateReference() {
  for (int k = 0; k < ComparisonCount; ++k) Reference[k] = AnalogValueAt(ComparisonPoint(FT1, FT2, k));
}

TErrorFigures TResamEngine::MethodFigures(TMethod method) const {
  TErrorFigures none;
  if (method < 0 || method >= MethodCount || !Given) return none;
  if (SignalSource == SourceTable) {
    none.Gap = TFiguresGap::TableSignal;
    return none;
  }
  if (FN > MethodRow(method).CountLimit) {
    none.Gap = TFiguresGap::LagrangeLimit;
    return none;
  }
  TErrorMeasure measure;
  for (int k = 0; k < ComparisonCount; ++k)
    measure.Add(ReferenceAt(k), MethodValue(method, ComparisonPoint(FT1, FT2, k)));
  return measure.Figures();
}
