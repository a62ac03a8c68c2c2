#pragma once
// The graphical signal editor: a maximised modal window where the user draws a signal y(x)
// with the mouse, or with the arrow keys and Enter, as a polyline that only moves to the
// right. The drawing is a list of samples, one per pixel column of the plot area from the
// column of Xmin on; "Обработать график" hands it to the main window as series 0 of the
// diagram, every other way of closing undoes what was done since the window was shown.
// Pixels are those of Diagram1, origin at its top left.
#include <QImage>
#include <QPoint>
#include <optional>
#include <vector>

#include "plotting/DiagramWindow.h"
#include "sourcedata/DrawingFile.h"

class QPainter;
class TKeeper;

class TDiagramEditor : public TDiagramWindow {
  Q_OBJECT

 public:
  explicit TDiagramEditor(QWidget* parent = nullptr);

  // Offered to the main window.
  void SetDrawColor(int colour);
  // The diagram's title and axis captions, given as source texts of the owner's translation
  // context, so that they follow the interface language.
  void NameDiagram(const char* context, const char* title, const char* nameY, const char* nameX);
  int Execute();
  bool IsProcessed() const { return Processed; }
  // Series 0 of the diagram: the drawing as last handed over (or restored on closing).
  TKeeper* GetSignal();
  // The samples and their count; null (count 0) when the editor could not allocate them.
  double* GetData(int& count);

  // The drawing as GetSignal hands it over: the ranges, the last abscissa and the samples.
  TDrawingRecord Drawing() const;
  // Whether TakeDrawing takes the drawing: it fits the store and the diagram shows its ranges
  // as they stand. Changes nothing.
  bool AcceptsDrawing(const TDrawingRecord& record);
  // A drawing from elsewhere (a session) becomes the one handed over, exactly as recorded,
  // as if it had been drawn and processed. The editor shows it when next shown, resampled to
  // its pixel columns should the plot be of another width than the one it was drawn on.
  bool TakeDrawing(const TDrawingRecord& record);

  // Drawing.
  bool InNet(int x, int y) const;
  void ResetPen();
  // Abscissa units per pixel column.
  double PixelStep() const;
  // The ordinate a pixel row stands for in the drawing.
  double OrdinateOf(int py) const;
  void DefaultRanges();
  void EnableLimits(bool on);
  void EraseBand();
  void DrawBand(int x, int y);
  void ClipToPen();
  void FixPoint(int x, int y);
  void DrawCurve(int colour);
  void PaintCurve(QPainter& p, int colour) const;
  void StoreSignal();
  void ShowCoords(int x, int y);
  // What "Создать" does once confirmed: nothing drawn, the default ranges, the pen at the start.
  void NewDrawing();

  // What the window shows and holds, for its owner and its tests.
  int GetCapacity() const { return Capacity; }
  int GetCount() const { return Count; }
  QPoint GetPen() const { return Pen; }
  bool IsBandShown() const { return BandShown; }
  int GetDrawColor() const { return DrawColor; }

  // Event handlers.
  void FormShow();
  bool FormCloseQuery();
  void FormClose();
  void FormKeyDown(int key);
  void Diagram1MouseMove(TDiagram* sender, Qt::KeyboardModifiers shift, int x, int y);
  void Diagram1MouseDown(TDiagram* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
  void Diagram1MouseUp(TDiagram* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
  void SpeedButtonInputClick();
  void SpeedButtonNewClick();
  void SpeedButtonSaveClick();
  void NOpenClick();
  void SpeedButtonRetLimClick() override;
  void SpeedButtonBmpClick() override;
  void SpeedButtonCopyClick() override;
  void SpeedButtonDataClick() override;

  // Besides the shared ones.
  QAction* NNew;
  QAction* NOpen;
  QAction* NSave;
  QAction* NCalc;
  QAction* NRetLim;
  QToolButton* SpeedButtonInput;
  QToolButton* SpeedButtonNew;
  QToolButton* SpeedButtonOpen;
  QToolButton* SpeedButtonSave;

 public slots:
  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildMenu();
  void BuildToolBar();
  void BuildDiagram();
  void ShowDiagramNames();
  void FormCreate();
  bool AllocateArrays();
  void FirstShow();
  void PlaceDiagram();
  void ReleaseCursor();
  QRect NetRect() const;
  void PaintSegment(QPoint from, QPoint to);
  void InvertBand();
  void UpdateAround(QPoint from, QPoint to, int width);
  double LastAbscissa() const;
  void RestoreAtShow();
  void KeepRangeAroundZero();
  void StepEdge(TRangeEdge edge, TUpDown::TUDBtnType button) override;
  QImage PrintPicture();
  bool LoadDrawing(const QString& name);
  bool TakeRanges(const TDrawingRecord& record, bool keep = true);
  void RememberAtShow();
  void TakeRestoredSamples();
  void PlacePen(double xLast);
  void ShowDrawing();
  void FitRestoredDrawing();
  void SaveDrawing(const QString& name);
  bool AskDrawingFile(bool save, QString& name);

  std::vector<double> Samples, Backup;
  int Capacity = 0, Count = 0, BackupCount = 0;
  QPoint Pen, PenAtShow;
  QPoint BandEnd;
  bool BandShown = false;
  int DrawColor;
  bool Processed = true;
  bool FirstShowPending = true;
  // The diagram follows the scroll box while the window settles into its maximised size on
  // its first showing, as long as nothing is drawn that its pixel columns would misplace.
  bool Settling = false;
  bool LeftButtonDown = false;
  TStoredRange RangesAtShow;
  // A drawing taken by TakeDrawing and not drawn on since, and the one at the last showing.
  std::optional<TDrawingRecord> Restored, RestoredAtShow;
  bool DontAskNew = false, DontAskClose = false;
  // The context and source texts of the title and axis captions, once named.
  const char* NamesContext = nullptr;
  const char* Names[3] = {};
};

// The one instance, created at program start.
extern TDiagramEditor* DiagramEditor;
