// The table editor's grid: where values lie, collecting them, moving them, and the rules
// every move of the cursor and every typed character obey.
#include <QLineEdit>

#include "platform/Platform.h"
#include "plotting/Diagram.h"
#include "plotting/DiagramFrameUnit.h"
#include "sources/TabEditor08Unit.h"
#include "sources/TableGrid.h"
#include "widgets/Comfun.h"

namespace {
const QChar Minus = QLatin1Char('-');
constexpr char16_t Backspace = 8, Tab = 9, Enter = 13;

bool IsLabelRow(int row) { return row % 2 == 0; }
}  // namespace

void TTabEditorForm::IndexToCell(int k, int& col, int& row) {
  col = k % Columns;
  row = (k / Columns) * 2 + 1;
}

int TTabEditorForm::CellToIndex(int col, int row) { return col + ((row - 1) / 2) * Columns; }

QString TTabEditorForm::CellOf(int k) const {
  int col = 0, row = 0;
  IndexToCell(k, col, row);
  return StringGrid1->Cell(col, row);
}

void TTabEditorForm::SetCellOf(int k, const QString& text) {
  int col = 0, row = 0;
  IndexToCell(k, col, row);
  StringGrid1->SetCell(col, row, text);
}

int TTabEditorForm::CurrentIndex() const { return CellToIndex(StringGrid1->Col(), StringGrid1->Row()); }

void TTabEditorForm::CollectTable() {
  int last = 0;
  for (int k = 0; k < Capacity; ++k)
    if (!CellOf(k).isEmpty()) last = k;
  Count = last + 1;
  for (int k = 0; k <= last; ++k) {
    if (CellOf(k).isEmpty()) SetCellOf(k, QStringLiteral("0"));
    // An unreadable cell counts as 0; the conversion never yields NaN or infinity.
    TextToDouble(CellOf(k), Working[k]);
  }
}

void TTabEditorForm::SwapCells(int a, int b) {
  const int c = Capacity - 1;
  const bool aInside = a >= 0 && a <= c, bInside = b >= 0 && b <= c;
  if (!aInside && !bInside) return;
  if (aInside && !bInside) {
    SetCellOf(a, QString());
  } else if (bInside && !aInside) {
    SetCellOf(b, QString());
  } else {
    const QString text = CellOf(a);
    SetCellOf(a, CellOf(b));
    SetCellOf(b, text);
  }
}

void TTabEditorForm::WriteLabels(const QString& name) {
  for (int k = 0; k < Capacity; k += Columns) {
    int col = 0, row = 0;
    IndexToCell(k, col, row);
    for (int c = 0; c < Columns; ++c)
      StringGrid1->SetCell(c, row - 1, name + QLatin1Char('(') + QString::number(k + c + IndexBase) + QLatin1Char(')'));
  }
  SeriesName = name;
  DF->Diagram->SetNameY(name + QStringLiteral("(n)"));
}

void TTabEditorForm::EmptyValueCells() {
  for (int k = 0; k < Capacity; ++k) SetCellOf(k, QString());
}

void TTabEditorForm::SpeedButton2Click() {
  EmptyValueCells();
  MoveFreely(0, 1);
}

void TTabEditorForm::SpeedButton3Click() {
  CollectTable();
  const int a = CurrentIndex();
  for (int i = Count; i >= a; --i) SwapCells(i + 1, i);
}

void TTabEditorForm::SpeedButton4Click() {
  CollectTable();
  int i = CurrentIndex();
  SetCellOf(i, QString());
  for (; i <= Count - 1; ++i) SwapCells(i, i + 1);
}

bool TTabEditorForm::StringGrid1SelectCell(int col, int row) {
  if (IsLabelRow(row)) {
    const int next = MovingUp ? row - 1 : row + 1;
    MovingUp = false;
    if (next >= 1 && next < Rows) StringGrid1->MoveTo(col, next);
    return false;
  }
  const int index = CellToIndex(col, row);
  if (N19->isChecked() && index != 0) {
    CollectTable();
    if (index > Count) return false;
  }
  return true;
}

bool TTabEditorForm::StringGrid1KeyDown(int key) {
  MovingUp = key == Qt::Key_Up;
  const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
  if (!enter || !StringGrid1->EditorActive() || !Enter1->isChecked()) return false;
  const int col = StringGrid1->Col(), row = StringGrid1->Row();
  if (StringGrid1->Cell(col, row).isEmpty()) StringGrid1->SetCell(col, row, QStringLiteral("0"));
  const int j = std::min(CellToIndex(col, row) + 1, Capacity - 1);
  if (!CellOf(j).isEmpty()) return false;
  int nextCol = 0, nextRow = 0;
  IndexToCell(j, nextCol, nextRow);
  StringGrid1->MoveTo(nextCol, nextRow);
  return true;
}

void TTabEditorForm::StringGrid1KeyPress(QChar& key, const QLineEdit* editor) {
  if (key == QChar(Backspace) || key == QChar(Tab) || key == QChar(Enter)) return;
  const QString text = editor ? editor->text() : QString();
  if (text.size() >= CellLengthLimit) {
    key = QChar();
  } else if (key == Minus) {
    if (text.contains(Minus)) key = QChar();
  } else {
    // A point becomes a comma, one comma at most, otherwise digits only.
    FilterDecimalKey(key, editor);
  }
}

// A minus typed anywhere but in front is taken back at once.
void TTabEditorForm::StringGrid1SetEditText(int, int, const QString& value) {
  if (value.indexOf(Minus, 1) > 0) Platform().SendKey(Qt::Key_Backspace, QString(QChar(Backspace)));
}

void TTabEditorForm::StringGrid1MouseWheel(bool up) { MovingUp = up; }
