#pragma once
// The tab "Сравнение методов": every method's error figures in a table, beside a bar chart of
// their relative RMS errors in the program's own diagram. The page shows what it is given,
// sorts on a click of a column's header, and reports the method the user picks (double click
// or Enter on a row); the main window does the choosing.
#include <QString>
#include <QStringList>
#include <QWidget>
#include <vector>

#include "engine/MethodComparison.h"
#include "engine/ResamEngine.h"

class QLabel;
class QPushButton;
class QTableWidget;
class TDiagram;
class TDiagramFrame;

// A figure as the program writes it: three significant digits in the shortest form, with the
// interface language's separator ("0,0172", "4,21", "9,5e-07" in Russian); "—" for one that
// cannot be computed.
QString FigureText(double value);
// The table's column headings, left to right.
QStringList ComparisonHeadings();

class TComparisonPage : public QWidget {
  Q_OBJECT

 public:
  struct TRow {
    QString Name;  // the method menu's item
    TErrorFigures Figures;
    QString ShortName;  // under its bar; the full name is the bar's tool tip
  };
  // Columns of the table, left to right.
  enum TColumn { ColumnMethod, ColumnMax, ColumnRms, ColumnRelative, ColumnSnr, ColumnCount };

  explicit TComparisonPage(QWidget* parent = nullptr);

  // One row per method in the method menu's order (its number there, from 1, heads the row and
  // places its bar); `current` is the current method's. A table signal's rows leave the table
  // empty under the note that says why, as do the rows before any signal.
  void ShowRows(const std::vector<TRow>& rows, int current);
  // What is done to the samples (the parameter panel's note), over the table; empty: nothing.
  void ShowStudyNote(const QString& note);
  // The table as tab-separated text: the header row, then the rows in the order shown.
  QString TableText() const;
  // "Копировать таблицу" and Ctrl+C: the table's text onto the clipboard.
  void CopyTable();
  // The method (its place in the menu's order) of a row as shown; -1 for none.
  int MethodOfRow(int row) const;

  QLabel* Note;
  QLabel* StudyNote;
  QTableWidget* Table;
  QPushButton* ButtonCopy;
  TDiagramFrame* DFC;

 signals:
  void MethodChosen(int method);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void BuildTable();
  void BuildChart();
  void FillTable();
  void FillRow(int row, int method, bool best);
  std::vector<int> ShownOrder() const;
  int BestMethod() const;
  void ShowChart();
  void ShowBars(int count);
  void ShowBarName(TDiagram* d, int x);
  void RowActivated(int row);

  std::vector<TRow> Rows;
  int Current = -1;
  // One bar per method at abscissa 1, 2, ... with a gap between bars: values every half unit
  // from 0,5, the bars at the odd places, 0 elsewhere (a zero bar lies on the zero line).
  static constexpr int BarValues = 2 * TResamEngine::MethodCount + 1;
  double CurrentBar[BarValues] = {};
  double OtherBars[BarValues] = {};
};
