// The editor's drawings in ".dkr" files, its figure and its numbers saved, and its picture
// on the clipboard.
#include <QFile>
#include <QPainter>
#include <QSaveFile>
#include <sstream>

#include "platform/FileExtension.h"
#include "platform/FileMessages.h"
#include "platform/Platform.h"
#include "plotting/Diagram.h"
#include "plotting/DiagramColours.h"
#include "plotting/DiagramExport.h"
#include "sourcedata/DrawingFile.h"
#include "sources/DiagramEditor.h"

namespace {
TFileDialogOptions DrawingDialog(bool save) {
  TFileDialogOptions options;
  if (save) options.Title = TDiagramEditor::tr("Сохранить");
  options.Filter = TDiagramEditor::tr("Графики (*.dkr)|*.dkr");
  options.DefaultExt = QStringLiteral("dkr");
  options.FileName = TDiagramEditor::tr("График.dkr");
  options.OverwritePrompt = save;
  return options;
}

void ShowFileMessage(TDrawingStatus status, const QString& name) {
  ShowMessage(DrawingFileMessage(status, name.toStdString()));
}

bool SameRanges(const TStoredRange& a, const TStoredRange& b) {
  return a.Xmin == b.Xmin && a.Xmax == b.Xmax && a.Ymin == b.Ymin && a.Ymax == b.Ymax;
}
}  // namespace

// The file dialogs ask once the band and the cursor are let go, and only of an editor made ready.
bool TDiagramEditor::AskDrawingFile(bool save, QString& name) {
  EraseBand();
  ReleaseCursor();
  if (Samples.empty()) return false;
  return save ? Platform().SaveFileName(DrawingDialog(true), name)
              : Platform().OpenFileName(DrawingDialog(false), name);
}

void TDiagramEditor::SpeedButtonSaveClick() {
  QString name;
  if (!AskDrawingFile(true, name)) return;
  CorrectFileExtension(name, QStringLiteral(".dkr"));
  SaveDrawing(name);
}

// Written to a temporary file that replaces the named one only once complete, so that a
// failed save (an unwritable folder, a full disk) leaves a file from before intact.
void TDiagramEditor::SaveDrawing(const QString& name) {
  std::ostringstream bytes;
  WriteDrawing(bytes, Drawing());
  const std::string data = bytes.str();
  QSaveFile file(name);
  // Unbuffered, so that a short write (a full disk) shows in write's count: a buffered one
  // is flushed by commit, which takes a partly written buffer for success.
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
    ShowMessage(CannotCreateFileJoined(name.toStdString()));
    return;
  }
  const bool written = file.write(data.data(), qint64(data.size())) == qint64(data.size());
  if (!written) file.cancelWriting();
  if (!file.commit()) ShowMessage(CannotWriteFileMessage(name.toStdString()));
}

void TDiagramEditor::NOpenClick() {
  QString name;
  if (!AskDrawingFile(false, name)) return;
  LoadDrawing(name);
}

// Every check comes before the drawing is touched: a refused file changes nothing.
bool TDiagramEditor::LoadDrawing(const QString& name) {
  TDrawingRecord record;
  TDrawingStatus status = ReadDrawingFile(QFile::encodeName(name).toStdString(), record);
  if (status == TDrawingStatus::Ok && !DrawingValuesUsable(record)) status = TDrawingStatus::Damaged;
  if (status == TDrawingStatus::Ok && !TakeRanges(record)) status = TDrawingStatus::Damaged;
  if (status != TDrawingStatus::Ok) {
    ShowFileMessage(status, name);
    return false;
  }
  Restored.reset();
  Count = ResampleDrawing(record, PixelStep(), Samples.data(), Capacity);
  // A file of no samples leaves nothing drawn: the pen starts afresh and the ranges may move.
  PlacePen(record.XLast);
  ShowDrawing();
  return true;
}

// The file's ranges are taken only as they stand: ranges the diagram would clamp or refuse
// (beyond its limits, too narrow, not finite) would move the samples off their columns.
// Refused ones (and, unless kept, taken ones) leave the ranges and the drawing on the screen
// as they were.
bool TDiagramEditor::TakeRanges(const TDrawingRecord& record, bool keep) {
  const TStoredRange before = TStoredRange::Of(*Diagram1);
  const QImage shown = Diagram1->Picture().copy();
  const TStoredRange wanted{record.Xmin, record.Xmax, record.Ymin, record.Ymax};
  wanted.RestoreTo(*Diagram1);
  const bool taken = SameRanges(TStoredRange::Of(*Diagram1), wanted);
  if (taken && keep) return true;
  before.RestoreTo(*Diagram1);
  // The curve as drawn segment by segment, not as redrawn from the samples.
  Diagram1->Canvas() = shown;
  Diagram1->update();
  return taken;
}

// The picture as exported: print mode, the curve in black.
QImage TDiagramEditor::PrintPicture() {
  EraseBand();
  Diagram1->SetPrintMode();
  DrawCurve(ColourBlack);
  const QImage picture = Diagram1->Picture().copy();
  Diagram1->ResetPrintMode();
  DrawCurve(DrawColor);
  return picture;
}

// The figure is the diagram's with the drawing over it, in black as every export has it.
void TDiagramEditor::SpeedButtonBmpClick() {
  EraseBand();
  ReleaseCursor();
  SaveFigure({Diagram1, [this](QPainter& p) { PaintCurve(p, ColourBlack); }}, tr("Сохранить рисунок"));
}

// The drawing as it would be handed over: Count samples from Xmin to the last abscissa.
void TDiagramEditor::SpeedButtonDataClick() {
  EraseBand();
  ReleaseCursor();
  TDataGroup drawing;
  drawing.X.Name = Diagram1->GetDataNameX().toStdString();
  drawing.Series.push_back({Diagram1->GetNameY().trimmed().toStdString(), {}});
  const double xmin = Diagram1->GetXmin();
  const double step = Count > 1 ? (LastAbscissa() - xmin) / (Count - 1) : 0;
  for (int i = 0; i < Count; ++i) {
    drawing.X.Values.push_back(xmin + i * step);
    drawing.Series.front().Values.push_back(Samples[i]);
  }
  SaveData({drawing});
}

void TDiagramEditor::SpeedButtonCopyClick() { Platform().SetClipboardImage(PrintPicture()); }
