#include "sources/TableGrid.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMenu>
#include <QPainter>
#include <QPointer>
#include <QStyledItemDelegate>
#include <QTimer>

#include "platform/Platform.h"

namespace {
constexpr int FontPixels = 13;
constexpr int RowHeight = 24;
// The room the vertical scroll bar takes from the ten columns.
constexpr int ScrollBarAllowance = 30;
constexpr int MinColumnWidth = 20;
constexpr int LabelIndent = 5;
constexpr int LabelRaise = 2;

bool IsLabelRow(int row) { return row % 2 == 0; }

// Characters that edit or navigate rather than add to the text (Backspace, Tab, Enter,
// Ctrl+letter shortcuts) are left to the editor; only printable ones meet the filter.
bool IsTypedCharacter(const QString& text) { return text.size() == 1 && text.at(0).isPrint(); }

class TCellDelegate : public QStyledItemDelegate {
 public:
  explicit TCellDelegate(TTableGrid* grid) : QStyledItemDelegate(grid), Grid(grid) {}

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override {
    auto* editor = new TCellEdit(Grid, parent);
    editor->setFont(Grid->font());
    return editor;
  }

  // The cell's text follows the editor on every change, so the editor is only told of a
  // text that differs; rewriting the same text would throw its caret to the end.
  void setEditorData(QWidget* editor, const QModelIndex& index) const override {
    auto* edit = qobject_cast<QLineEdit*>(editor);
    const QString text = index.data(Qt::EditRole).toString();
    if (edit && edit->text() != text) edit->setText(text);
  }

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    if (!IsLabelRow(index.row())) {
      QStyledItemDelegate::paint(painter, option, index);
      return;
    }
    painter->save();
    painter->fillRect(option.rect, option.palette.color(QPalette::Button));
    painter->setFont(Grid->font());
    painter->setPen(option.palette.color(QPalette::ButtonText));
    const int height = QFontMetrics(Grid->font()).height();
    const int top = option.rect.top() + option.rect.height() / 2 - height / 2 - LabelRaise;
    painter->drawText(QRect(option.rect.left() + LabelIndent, top, option.rect.width() - LabelIndent, height),
                      Qt::AlignLeft | Qt::AlignTop, index.data().toString());
    painter->restore();
  }

 protected:
  bool eventFilter(QObject* object, QEvent* event) override {
    if (event->type() == QEvent::KeyPress && Grid->EditorKeyDown(static_cast<QKeyEvent*>(event))) return true;
    return QStyledItemDelegate::eventFilter(object, event);
  }

 private:
  TTableGrid* Grid;
};

// The current cell changes only where the grid's owner allows it, and the selection is
// always that one cell, whichever way the view asks to change it.
class TGridSelectionModel : public QItemSelectionModel {
 public:
  TGridSelectionModel(QAbstractItemModel* model, TTableGrid* grid) : QItemSelectionModel(model, grid), Grid(grid) {}

  void setCurrentIndex(const QModelIndex& index, QItemSelectionModel::SelectionFlags command) override {
    if (index.isValid() && index != currentIndex() && !Grid->CanSelect(index)) return;
    QItemSelectionModel::setCurrentIndex(index, command);
    SelectCurrent();
  }

  void select(const QItemSelection&, QItemSelectionModel::SelectionFlags) override { SelectCurrent(); }

 private:
  void SelectCurrent() {
    const QModelIndex current = currentIndex();
    QItemSelection only;
    if (current.isValid() && !IsLabelRow(current.row())) only.select(current, current);
    QItemSelectionModel::select(only, QItemSelectionModel::ClearAndSelect);
  }

  TTableGrid* Grid;
};
}  // namespace

TCellEdit::TCellEdit(TTableGrid* grid, QWidget* parent) : QLineEdit(parent), Grid(grid) {
  setFrame(false);
  setDragEnabled(false);
  setAcceptDrops(false);
  connect(this, &QLineEdit::textEdited, Grid, &TTableGrid::EditTextChanged);
}

void TCellEdit::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Paste)) {
    PasteFiltered();
    return;
  }
  if (!IsTypedCharacter(event->text())) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  const QChar typed = event->text().at(0);
  QChar key = typed;
  Grid->FilterKey(key, this);
  if (key.isNull()) {
    event->accept();
    return;
  }
  if (key == typed) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  QKeyEvent changed(event->type(), event->key(), event->modifiers(), QString(key));
  QLineEdit::keyPressEvent(&changed);
}

// Pasted text is typed, one character after another, so every rule of typing holds for it;
// line ends and tabs of a copied spreadsheet range are dropped.
void TCellEdit::PasteFiltered() {
  const QString text = Platform().ClipboardText();
  for (const QChar c : text) {
    if (!c.isPrint()) continue;
    QKeyEvent typed(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
    keyPressEvent(&typed);
  }
}

void TCellEdit::contextMenuEvent(QContextMenuEvent* event) {
  QMenu* menu = createStandardContextMenu();
  for (QAction* action : menu->actions()) {
    if (action->objectName() != QLatin1String("edit-paste")) continue;
    action->disconnect();
    connect(action, &QAction::triggered, this, &TCellEdit::PasteFiltered);
  }
  menu->exec(event->globalPos());
  delete menu;
}

// The middle button would paste the X selection past the filter; it is not offered.
void TCellEdit::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::MiddleButton) {
    event->accept();
    return;
  }
  QLineEdit::mouseReleaseEvent(event);
}

TTableGrid::TTableGrid(int columns, int rows, QWidget* parent) : QTableWidget(rows, columns, parent) {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(FontPixels);
  font.setBold(true);
  setFont(font);
  horizontalHeader()->hide();
  verticalHeader()->hide();
  horizontalHeader()->setMinimumSectionSize(MinColumnWidth);
  verticalHeader()->setDefaultSectionSize(RowHeight);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  setShowGrid(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(AnyKeyPressed | DoubleClicked | EditKeyPressed | SelectedClicked);
  setTabKeyNavigation(true);
  setItemDelegate(new TCellDelegate(this));
  CreateItems();
  QItemSelectionModel* previous = selectionModel();
  setSelectionModel(new TGridSelectionModel(model(), this));
  delete previous;
}

void TTableGrid::CreateItems() {
  const Qt::ItemFlags labelFlags = Qt::ItemIsEnabled;
  const Qt::ItemFlags valueFlags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
  for (int row = 0; row < rowCount(); ++row) {
    for (int col = 0; col < columnCount(); ++col) {
      auto* item = new QTableWidgetItem;
      item->setFlags(IsLabelRow(row) ? labelFlags : valueFlags);
      setItem(row, col, item);
    }
  }
}

QString TTableGrid::Cell(int col, int row) const {
  const QTableWidgetItem* cell = item(row, col);
  return cell ? cell->text() : QString();
}

void TTableGrid::SetCell(int col, int row, const QString& text) {
  QTableWidgetItem* cell = item(row, col);
  if (cell && cell->text() != text) cell->setText(text);
}

void TTableGrid::MoveTo(int col, int row) {
  const QModelIndex target = model()->index(row, col);
  if (target.isValid()) selectionModel()->setCurrentIndex(target, QItemSelectionModel::ClearAndSelect);
}

void TTableGrid::SetAlwaysShowEditor(bool on) {
  ShowEditorAlways = on;
  if (on) ShowEditorLater();
}

TCellEdit* TTableGrid::Editor() const {
  if (!EditorActive()) return nullptr;
  return qobject_cast<TCellEdit*>(indexWidget(currentIndex()));
}

void TTableGrid::CloseEditor() {
  QWidget* editor = Editor();
  if (!editor) return;
  commitData(editor);
  QTableWidget::closeEditor(editor, QAbstractItemDelegate::NoHint);
}

bool TTableGrid::EditorKeyDown(QKeyEvent* event) { return OnKeyDown && OnKeyDown(event->key()); }

void TTableGrid::FilterKey(QChar& key, const QLineEdit* editor) {
  if (OnKeyPress) OnKeyPress(key, editor);
}

void TTableGrid::EditTextChanged(const QString& text) {
  const int col = Col(), row = Row();
  SetCell(col, row, text);
  if (OnSetEditText) OnSetEditText(col, row, text);
}

bool TTableGrid::CanSelect(const QModelIndex& index) {
  return !OnSelectCell || OnSelectCell(index.column(), index.row());
}

void TTableGrid::keyPressEvent(QKeyEvent* event) {
  if (OnKeyDown && OnKeyDown(event->key())) {
    event->accept();
    return;
  }
  // Enter opens the cell editor, as F2 does; a paste opens it to paste into it.
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && !EditorActive() && edit(currentIndex(), EditKeyPressed, event)) return;
  if (event->matches(QKeySequence::Paste) && !EditorActive() && edit(currentIndex(), EditKeyPressed, nullptr)) {
    if (TCellEdit* editor = Editor()) editor->PasteFiltered();
    return;
  }
  QTableWidget::keyPressEvent(event);
}

void TTableGrid::wheelEvent(QWheelEvent* event) {
  if (OnMouseWheel && event->angleDelta().y() != 0) OnMouseWheel(event->angleDelta().y() > 0);
  QTableWidget::wheelEvent(event);
}

void TTableGrid::focusInEvent(QFocusEvent* event) {
  QTableWidget::focusInEvent(event);
  if (ShowEditorAlways) ShowEditorLater();
}

void TTableGrid::resizeEvent(QResizeEvent* event) {
  QTableWidget::resizeEvent(event);
  horizontalHeader()->setDefaultSectionSize(std::max(MinColumnWidth, (width() - ScrollBarAllowance) / columnCount()));
}

// Only the current value cell is ever edited: a double click on a refused cell, or on a
// label, opens nothing.
bool TTableGrid::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
  if (index.isValid() && (index != currentIndex() || IsLabelRow(index.row()))) return false;
  const bool opened = QTableWidget::edit(index, trigger, event);
  if (opened && trigger == AllEditTriggers)
    if (QLineEdit* editor = Editor()) editor->selectAll();
  return opened;
}

void TTableGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  QTableWidget::currentChanged(current, previous);
  if (ShowEditorAlways) ShowEditorLater();
}

void TTableGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
  QTableWidget::closeEditor(editor, hint);
  if (ShowEditorAlways) ShowEditorLater();
}

// Opening an editor from inside the view's own handling of the last one (its closing, a
// change of the current cell) is left until that handling is over.
void TTableGrid::ShowEditorLater() {
  if (EditorPending) return;
  EditorPending = true;
  QTimer::singleShot(0, this, [this] {
    EditorPending = false;
    ShowEditorNow();
  });
}

void TTableGrid::ShowEditorNow() {
  const QModelIndex current = currentIndex();
  if (!ShowEditorAlways || !isVisible() || EditorActive() || !current.isValid() || IsLabelRow(current.row())) return;
  edit(current);
}
