#pragma once
// The table editor: a discrete signal s(n) typed value after value into a grid of label and
// value rows, plotted, kept in ".tbl" files, exported for a spreadsheet and handed to the
// main window. Each showing is one modal editing run; a run that does not end with
// "Обработать данные" leaves the grid as it was handed over last time.
#include <QDialog>
#include <array>

class QAction;
class QMenuBar;
class QLineEdit;
class QTabWidget;
class QToolBar;
class QToolButton;
class TDiagramFrame;
class TTableGrid;

class TTabEditorForm : public QDialog {
  Q_OBJECT

 public:
  explicit TTabEditorForm(QWidget* parent = nullptr);

  static constexpr int Columns = 10;
  static constexpr int Rows = 100;

  // Offered to the main window.
  void SetPlotColor(int colour);
  bool IsProcessed() const { return Processed; }
  // The values handed over by the last "Обработать данные" and their number.
  double* GetData(int& count);
  // Values from elsewhere (a session), at most MaxTableValues of them, become the ones handed over
  // and fill the grid, as if they had been typed and processed.
  void TakeValues(const double* values, int count);

  // Value k lies in column k mod 10 of the value row below its label row.
  static void IndexToCell(int k, int& col, int& row);
  static int CellToIndex(int col, int row);
  // Fills every gap before the last value with "0" and reads the values into the working array.
  void CollectTable();
  void SwapCells(int a, int b);
  void WriteLabels(const QString& name);
  int EnteredCount() const { return Count; }
  const double* WorkingValues() const { return Working.data(); }

  // Event handlers.
  void SpeedButton1Click();
  void SpeedButton2Click();
  void SpeedButton3Click();
  void SpeedButton4Click();
  void SpeedButton5Click();
  void SpeedButton6Click();
  void SpeedButton7Click();
  void SpeedButton8Click();
  void N16Click();
  void N17Click();
  void N19Click();
  void PageControl1Change(int index);
  void FormMouseMove();
  void FormShow();
  void FormClose();
  void FormPaint();
  bool StringGrid1SelectCell(int col, int row);
  bool StringGrid1KeyDown(int key);
  void StringGrid1KeyPress(QChar& key, const QLineEdit* editor);
  void StringGrid1SetEditText(int col, int row, const QString& value);
  void StringGrid1MouseWheel(bool up);

  QMenuBar* MainMenu1;
  QAction* N8;
  QAction* N4;
  QAction* N5;
  QAction* N6;
  QAction* N2;
  QAction* N11;
  QAction* N12;
  QAction* N16;
  QAction* N17;
  QAction* N19;
  QAction* Enter1;
  QAction* N9;
  QToolBar* ToolBar1;
  QToolButton* SpeedButton1;
  QToolButton* SpeedButton2;
  QToolButton* SpeedButton3;
  QToolButton* SpeedButton4;
  QToolButton* SpeedButton5;
  QToolButton* SpeedButton6;
  QToolButton* SpeedButton7;
  QToolButton* SpeedButton8;
  QTabWidget* PageControl1;
  QWidget* TabSheet1;
  QWidget* TabSheet2;
  TTableGrid* StringGrid1;
  TDiagramFrame* DF;

 public slots:
  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  static constexpr int Capacity = 500;

  void BuildMenu();
  void BuildToolBar();
  void BuildPages();
  void ConnectCommands();
  void ConnectGrid();
  void WatchMouseMoves();
  void EmptyValueCells();
  void MoveFreely(int col, int row);
  void SetCursorMode(bool cursor);
  int CurrentIndex() const;
  QString CellOf(int k) const;
  void SetCellOf(int k, const QString& text);
  void LoadValues(const double* values, int count);
  void WriteFile(const QString& name, const QByteArray& bytes);

  QString SeriesName = QStringLiteral("s");
  int IndexBase = 0;
  int CellLengthLimit = 8;
  int Count = 0;
  std::array<double, Capacity> Working{};
  std::array<double, Capacity> HandedOver{};
  int HandedCount = 0;
  // The one-value plot: the value and two zeros, lent to the diagram.
  std::array<double, 3> PlotPad{};
  QString LastOpenName;
  bool FirstPaint = true;
  bool MovingUp = false;
  bool Processed = false;
  bool RestoreOnClose = false;
};

// The one instance, created at program start.
extern TTabEditorForm* TabEditorForm;
