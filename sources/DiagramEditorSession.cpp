// The editor's drawing as a session keeps it, and a drawing taken back from a session.
#include <algorithm>
#include <cmath>

#include "plotting/Diagram.h"
#include "sources/DiagramEditor.h"

namespace {
// How far, in pixel columns, a drawing's last abscissa may lie from the end of its samples on
// this plot and still be taken as drawn on it: a drawing loaded from a file covers one column
// more than a drawn one.
constexpr double ColumnSlack = 1.5;
}  // namespace

TDrawingRecord TDiagramEditor::Drawing() const {
  TDrawingRecord record;
  record.Xmin = Diagram1->GetXmin();
  record.Xmax = Diagram1->GetXmax();
  record.XLast = LastAbscissa();
  record.Ymin = Diagram1->GetYmin();
  record.Ymax = Diagram1->GetYmax();
  record.Samples.assign(Samples.begin(), Samples.begin() + std::clamp(Count, 0, int(Samples.size())));
  return record;
}

bool TDiagramEditor::AcceptsDrawing(const TDrawingRecord& record) {
  if (Samples.empty() || record.Samples.size() > size_t(Capacity) || !DrawingValuesUsable(record)) return false;
  return TakeRanges(record, false);
}

bool TDiagramEditor::TakeDrawing(const TDrawingRecord& record) {
  if (!AcceptsDrawing(record)) return false;
  EraseBand();
  TakeRanges(record);
  Restored = record;
  TakeRestoredSamples();
  ShowDrawing();
  StoreSignal();
  RememberAtShow();
  return true;
}

// The samples exactly as recorded, the pen at their end.
void TDiagramEditor::TakeRestoredSamples() {
  const TDrawingRecord& r = *Restored;
  Count = int(r.Samples.size());
  std::copy(r.Samples.begin(), r.Samples.end(), Samples.begin());
  PlacePen(r.XLast);
}

// The pen at the drawing's end, or afresh when nothing is drawn.
void TDiagramEditor::PlacePen(double xLast) {
  if (Count > 0)
    Pen = QPoint(Diagram1->MathToPhisX(xLast), Diagram1->MathToPhisY(Samples[Count - 1]));
  else
    ResetPen();
}

// The drawing taken in shown, the range tools open only while nothing is drawn.
void TDiagramEditor::ShowDrawing() {
  EnableLimits(Count == 0);
  Diagram1->ShowDiagram();
  DrawCurve(DrawColor);
}

// Drawn on a plot of this width, the samples stand for its columns as they are; otherwise
// they are resampled to the columns, as a loaded drawing is, so that what is drawn next
// joins them. Either way the drawing is handed over as recorded until it is drawn on.
void TDiagramEditor::FitRestoredDrawing() {
  const TDrawingRecord& r = *Restored;
  const double columns = (r.XLast - r.Xmin) / PixelStep();
  if (r.Samples.empty() || std::fabs(columns - double(r.Samples.size())) <= ColumnSlack) {
    TakeRestoredSamples();
  } else {
    Count = ResampleDrawing(r, PixelStep(), Samples.data(), Capacity);
    PlacePen(r.XLast);
  }
  ShowDrawing();
}
