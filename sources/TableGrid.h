#pragma once
// The table editor's string grid: rows in pairs of a label row (even, painted as a caption,
// never selected) and a value row (odd, edited in place). Every way the current cell can
// change (keys, mouse, code) and every character that reaches a cell (typed or pasted)
// passes through the owner's rules, given as the grid's events.
#include <QLineEdit>
#include <QTableWidget>
#include <functional>

class TTableGrid;

// The in-place editor of a value cell: typed characters go through the grid's key filter,
// and pasted text is typed character by character, so that it obeys the same filter.
class TCellEdit : public QLineEdit {
  Q_OBJECT
 public:
  TCellEdit(TTableGrid* grid, QWidget* parent);
  void PasteFiltered();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  TTableGrid* Grid;
};

class TTableGrid : public QTableWidget {
  Q_OBJECT
 public:
  TTableGrid(int columns, int rows, QWidget* parent = nullptr);
  using QTableWidget::edit;

  // The owner's rules. OnSelectCell: false refuses the move. OnKeyDown: true consumes the key
  // (seen before the editor or the grid acts on it). OnKeyPress: the character typed into a
  // cell whose text is given; a null character discards it. OnSetEditText: the user changed
  // the text of the cell being edited.
  std::function<bool(int col, int row)> OnSelectCell;
  std::function<bool(int key)> OnKeyDown;
  std::function<void(QChar& key, const QLineEdit* editor)> OnKeyPress;
  std::function<void(int col, int row, const QString& text)> OnSetEditText;
  std::function<void(bool up)> OnMouseWheel;

  QString Cell(int col, int row) const;
  // Also updates an editor open on the cell.
  void SetCell(int col, int row, const QString& text);
  int Col() const { return currentColumn(); }
  int Row() const { return currentRow(); }
  // Moves the current cell as a user's move would: through OnSelectCell.
  void MoveTo(int col, int row);

  // true: the editor is open on the current value cell whenever the grid has the focus.
  void SetAlwaysShowEditor(bool on);
  bool AlwaysShowEditor() const { return ShowEditorAlways; }
  bool EditorActive() const { return state() == QAbstractItemView::EditingState; }
  TCellEdit* Editor() const;
  // Commits and closes an open editor.
  void CloseEditor();

  // Used by the cell editor and the selection guard.
  bool EditorKeyDown(QKeyEvent* event);
  void FilterKey(QChar& key, const QLineEdit* editor);
  void EditTextChanged(const QString& text);
  bool CanSelect(const QModelIndex& index);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
  void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

 private:
  void CreateItems();
  void ShowEditorLater();
  void ShowEditorNow();

  bool ShowEditorAlways = false;
  bool EditorPending = false;
};
