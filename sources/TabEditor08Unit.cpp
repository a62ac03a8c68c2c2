#include "sources/TabEditor08Unit.h"

#include <QActionGroup>
#include <QEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "numerics/Keeper.h"
#include "platform/Language.h"
#include "platform/Platform.h"
#include "plotting/Diagram.h"
#include "plotting/DiagramFrameUnit.h"
#include "plotting/ToolGlyphs.h"
#include "sources/TableGlyphs.h"
#include "sources/TableGrid.h"
#include "widgets/AccessibleNames.h"
#include "widgets/Comfun.h"
#include "widgets/ScreenCentre.h"
#include "widgets/ToolWindow.h"
#include "widgets/TranslatedTexts.h"

TTabEditorForm* TabEditorForm = nullptr;

namespace {
constexpr char Context[] = "TTabEditorForm";
constexpr int DesignWidth = 800, DesignHeight = 600;
constexpr int GridMargin = 5;
constexpr int MinimumShrink = 5;
}  // namespace

TTabEditorForm::TTabEditorForm(QWidget* parent) : QDialog(parent) {
  FrameToolWindow(this, QString(), QSize(DesignWidth, DesignHeight), true);
  PutText(this, TTextRole::WindowTitle, Context, QT_TR_NOOP("Редактор таблиц"));
  CentreOnScreen(this);
  KeepMaximized(this);
  BuildMenu();
  BuildToolBar();
  BuildPages();
  StackToolWindow(this, MainMenu1, ToolBar1, PageControl1);
  ConnectCommands();
  ConnectGrid();
  WatchMouseMoves();
  SetCursorMode(true);
  WriteLabels(SeriesName);
  GiveAccessibleNames(this);
}

// The kept texts are put again by themselves; the tools' accessible names follow their hints
// and the numbers in the cells take the language's decimal separator.
void TTabEditorForm::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() != QEvent::LanguageChange) return;
  const bool comma = ShownDecimalSeparator() == QLatin1Char(',');
  for (int k = 0; k < Capacity; ++k) {
    QString shown;
    const QString text = CellOf(k);
    if (comma ? PointToComma(text, shown) != text : CommaToPoint(text, shown) != text) SetCellOf(k, shown);
  }
  GiveAccessibleNames(this);
}

void TTabEditorForm::BuildMenu() {
  MainMenu1 = new QMenuBar(this);
  QMenu* file = AddTranslatedMenu(MainMenu1, Context, QT_TR_NOOP("Файл"));
  N8 = AddTranslatedItem(file, Context, QT_TR_NOOP("Обработать данные"));
  file->addSeparator();
  N4 = AddTranslatedItem(file, Context, QT_TR_NOOP("Открыть..."));
  N5 = AddTranslatedItem(file, Context, QT_TR_NOOP("Сохранить..."));
  N6 = AddTranslatedItem(file, Context, QT_TR_NOOP("Сохранить в формате Exel..."));
  QMenu* table = AddTranslatedMenu(MainMenu1, Context, QT_TR_NOOP("Таблица"));
  N2 = AddTranslatedItem(table, Context, QT_TR_NOOP("Новая таблица"));
  N11 = AddTranslatedItem(table, Context, QT_TR_NOOP("Вставить столбец"));
  N12 = AddTranslatedItem(table, Context, QT_TR_NOOP("Удалить столбец"));
  QMenu* control = AddTranslatedMenu(MainMenu1, Context, QT_TR_NOOP("Управление"));
  N16 = AddTranslatedItem(control, Context, QT_TR_NOOP("Курсор"));
  N17 = AddTranslatedItem(control, Context, QT_TR_NOOP("Рамка"));
  control->addSeparator();
  N19 = AddTranslatedItem(control, Context, QT_TR_NOOP("Последовательный ввод"));
  Enter1 = AddTranslatedItem(control, Context, QT_TR_NOOP("Переход по <Enter>"));
  // The check marks of "Последовательный ввод" and "Переход по <Enter>" are the settings
  // themselves: the menu toggles them and the grid's rules read them.
  for (QAction* item : {N16, N17, N19, Enter1}) item->setCheckable(true);
  auto* modes = new QActionGroup(this);
  modes->addAction(N16);
  modes->addAction(N17);
  for (QAction* item : {N16, N19, Enter1}) item->setChecked(true);
  QMenu* close = AddTranslatedMenu(MainMenu1, Context, QT_TR_NOOP("Закрыть"));
  N9 = AddTranslatedItem(close, Context, QT_TR_NOOP("Отменить последнее редактирование и закрыть окно"));
  connect(N16, &QAction::triggered, this, &TTabEditorForm::N16Click);
  connect(N17, &QAction::triggered, this, &TTabEditorForm::N17Click);
  connect(N19, &QAction::triggered, this, &TTabEditorForm::N19Click);
}

void TTabEditorForm::BuildToolBar() {
  ToolBar1 = new QToolBar(this);
  SpeedButton1 = MakeSpeedButton(ToolBar1, TableIcon(TTableGlyph::Process), QString(), false);
  PutText(SpeedButton1, TTextRole::ToolTip, Context, QT_TR_NOOP("Обработать данные"));
  SpeedButton5 = MakeSpeedButton(ToolBar1, TableIcon(TTableGlyph::Open), QString(), false);
  PutText(SpeedButton5, TTextRole::ToolTip, Context, QT_TR_NOOP("Открыть"));
  SpeedButton6 = MakeSpeedButton(ToolBar1, TToolGlyph::Save, QString(), false);
  PutText(SpeedButton6, TTextRole::ToolTip, Context, QT_TR_NOOP("Сохранить"));
  SpeedButton7 = MakeSpeedButton(ToolBar1, TableIcon(TTableGlyph::Spreadsheet), QString(), false);
  PutText(SpeedButton7, TTextRole::ToolTip, Context, QT_TR_NOOP("Сохранить в формате Exel"));
  SpeedButton2 = MakeSpeedButton(ToolBar1, TableIcon(TTableGlyph::NewTable), QString(), false);
  PutText(SpeedButton2, TTextRole::ToolTip, Context, QT_TR_NOOP("Новая таблица"));
  SpeedButton3 = MakeSpeedButton(ToolBar1, TableIcon(TTableGlyph::InsertColumn), QString(), false);
  PutText(SpeedButton3, TTextRole::ToolTip, Context, QT_TR_NOOP("Вставить столбец"));
  SpeedButton4 = MakeSpeedButton(ToolBar1, TableIcon(TTableGlyph::DeleteColumn), QString(), false);
  PutText(SpeedButton4, TTextRole::ToolTip, Context, QT_TR_NOOP("Удалить столбец"));
  SpeedButton8 = MakeSpeedButton(ToolBar1, TToolGlyph::Close, QString(), false);
  PutText(SpeedButton8, TTextRole::ToolTip, Context, QT_TR_NOOP("Закрыть"));
  ToolBar1->addWidget(SpeedButton1);
  ToolBar1->addSeparator();
  for (QToolButton* b : {SpeedButton5, SpeedButton6, SpeedButton7}) ToolBar1->addWidget(b);
  ToolBar1->addSeparator();
  for (QToolButton* b : {SpeedButton2, SpeedButton3, SpeedButton4}) ToolBar1->addWidget(b);
  ToolBar1->addSeparator();
  ToolBar1->addWidget(SpeedButton8);
}

// The grid keeps 5 pixels from the page's edges and the diagram frame fills its page, at
// every size of the window rather than only the first one.
void TTabEditorForm::BuildPages() {
  PageControl1 = new QTabWidget(this);
  TabSheet1 = new QWidget;
  TabSheet2 = new QWidget;
  PageControl1->addTab(TabSheet1, QString());
  PageControl1->addTab(TabSheet2, QString());
  PutText(TabSheet1, TTextRole::TabText, Context, QT_TR_NOOP("Таблица"));
  PutText(TabSheet2, TTextRole::TabText, Context, QT_TR_NOOP("Диаграмма"));
  StringGrid1 = new TTableGrid(Columns, Rows, TabSheet1);
  auto* tableLayout = new QVBoxLayout(TabSheet1);
  tableLayout->setContentsMargins(GridMargin, GridMargin, GridMargin, GridMargin);
  tableLayout->addWidget(StringGrid1);
  DF = new TDiagramFrame(TabSheet2);
  auto* diagramLayout = new QVBoxLayout(TabSheet2);
  diagramLayout->setContentsMargins(0, 0, 0, 0);
  diagramLayout->addWidget(DF);
  // The abscissae are the values' numbers (left to us: the table gives no other name).
  DF->Diagram->SetNameX(QStringLiteral("n"));
  TKeeper* series = DF->Diagram->GetKeeper(0);
  series->SetArray(PlotPad.data(), static_cast<int>(PlotPad.size()), IndexBase, IndexBase + 2);
  series->SetDiscrete();
  connect(PageControl1, &QTabWidget::currentChanged, this, &TTabEditorForm::PageControl1Change);
}

// A tool button and its menu item run one handler.
void TTabEditorForm::ConnectCommands() {
  using THandler = void (TTabEditorForm::*)();
  const struct {
    QToolButton* Button;
    QAction* Item;
    THandler Handler;
  } commands[] = {
      {SpeedButton1, N8, &TTabEditorForm::SpeedButton1Click},  {SpeedButton2, N2, &TTabEditorForm::SpeedButton2Click},
      {SpeedButton3, N11, &TTabEditorForm::SpeedButton3Click}, {SpeedButton4, N12, &TTabEditorForm::SpeedButton4Click},
      {SpeedButton5, N4, &TTabEditorForm::SpeedButton5Click},  {SpeedButton6, N5, &TTabEditorForm::SpeedButton6Click},
      {SpeedButton7, N6, &TTabEditorForm::SpeedButton7Click},  {SpeedButton8, N9, &TTabEditorForm::SpeedButton8Click},
  };
  for (const auto& c : commands) {
    connect(c.Button, &QToolButton::clicked, this, c.Handler);
    connect(c.Item, &QAction::triggered, this, c.Handler);
  }
}

void TTabEditorForm::ConnectGrid() {
  TTableGrid& grid = *StringGrid1;
  grid.OnSelectCell = [this](int col, int row) { return StringGrid1SelectCell(col, row); };
  grid.OnKeyDown = [this](int key) { return StringGrid1KeyDown(key); };
  grid.OnKeyPress = [this](QChar& key, const QLineEdit* editor) { StringGrid1KeyPress(key, editor); };
  grid.OnSetEditText = [this](int col, int row, const QString& text) { StringGrid1SetEditText(col, row, text); };
  grid.OnMouseWheel = [this](bool up) { StringGrid1MouseWheel(up); };
}

// The frame's tools show only while the mouse is over the diagram: any move over the rest
// of the window hides them.
void TTabEditorForm::WatchMouseMoves() {
  QWidget* watched[] = {this,         ToolBar1,     SpeedButton1, SpeedButton2, SpeedButton3,
                        SpeedButton4, SpeedButton5, SpeedButton6, SpeedButton7, SpeedButton8,
                        PageControl1, TabSheet1,    TabSheet2};
  for (QWidget* w : watched) {
    w->setMouseTracking(true);
    w->installEventFilter(this);
  }
}

bool TTabEditorForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseMove) FormMouseMove();
  return QDialog::eventFilter(watched, event);
}

void TTabEditorForm::FormMouseMove() { DF->HideTools(); }

void TTabEditorForm::SetPlotColor(int colour) { DF->Diagram->GetKeeper(0)->SetColor(colour); }

double* TTabEditorForm::GetData(int& count) {
  count = HandedCount;
  return HandedOver.data();
}

void TTabEditorForm::TakeValues(const double* values, int count) {
  count = std::clamp(count, 0, Capacity);
  std::copy(values, values + count, HandedOver.begin());
  std::copy(values, values + count, Working.begin());
  HandedCount = Count = count;
  EmptyValueCells();
  for (int i = 0; i < count; ++i) SetCellOf(i, FloatToText(values[i]));
}

void TTabEditorForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

void TTabEditorForm::FormShow() {
  KeepMaximized(this);
  PageControl1->setCurrentIndex(0);
  MoveFreely(0, 1);
  StringGrid1->setFocus();
  Processed = false;
  RestoreOnClose = true;
}

void TTabEditorForm::paintEvent(QPaintEvent* event) {
  if (FirstPaint) FormPaint();
  QDialog::paintEvent(event);
}

// The window cannot be made smaller than it first showed itself: its parts are laid out
// for that size.
void TTabEditorForm::FormPaint() {
  setMinimumSize(width() - MinimumShrink, height() - MinimumShrink);
  WriteLabels(SeriesName);
  FirstPaint = false;
}

// Escape would close the window and so throw away every edit of the run; closing is left
// to the close commands.
void TTabEditorForm::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void TTabEditorForm::done(int result) {
  FormClose();
  QDialog::done(result);
}

void TTabEditorForm::FormClose() {
  // An editor left open would write its text back over the restored cell when it closes.
  StringGrid1->CloseEditor();
  if (Processed) {
    std::copy(Working.begin(), Working.begin() + Count, HandedOver.begin());
    HandedCount = Count;
  }
  if (!RestoreOnClose) return;
  EmptyValueCells();
  for (int i = 0; i < HandedCount; ++i) SetCellOf(i, FloatToText(HandedOver[i]));
}

void TTabEditorForm::SpeedButton1Click() {
  CollectTable();
  Processed = true;
  RestoreOnClose = false;
  accept();
}

void TTabEditorForm::SpeedButton8Click() { reject(); }

// The two modes are radio items; the grid's editor setting tells which one is in force.
void TTabEditorForm::N16Click() {
  if (StringGrid1->AlwaysShowEditor()) return;
  SetCursorMode(true);
  StringGrid1->setFocus();
  // The Space opens the cell editor and is then refused by the key filter.
  Platform().SendKey(Qt::Key_Space, QStringLiteral(" "));
}

void TTabEditorForm::N17Click() {
  if (!StringGrid1->AlwaysShowEditor()) return;
  SetCursorMode(false);
  StringGrid1->CloseEditor();
  StringGrid1->viewport()->update();
}

void TTabEditorForm::SetCursorMode(bool cursor) {
  N16->setChecked(cursor);
  N17->setChecked(!cursor);
  StringGrid1->SetAlwaysShowEditor(cursor);
}

void TTabEditorForm::N19Click() {
  // The menu has already toggled the check mark.
  if (!N19->isChecked()) return;
  CollectTable();
  int col = 0, row = 1;
  IndexToCell(Count - 1, col, row);
  MoveFreely(col, row);
}

// Sequential input would refuse a move past the first empty cell; some moves are the
// program's own and must land where they aim.
void TTabEditorForm::MoveFreely(int col, int row) {
  const bool sequential = N19->isChecked();
  N19->setChecked(false);
  StringGrid1->MoveTo(col, row);
  N19->setChecked(sequential);
}

void TTabEditorForm::PageControl1Change(int index) {
  if (index != 1) return;
  CollectTable();
  double* values = Working.data();
  int count = Count;
  if (Count <= 1) {
    PlotPad = {Working[0], 0, 0};
    values = PlotPad.data();
    count = static_cast<int>(PlotPad.size());
  }
  TKeeper* series = DF->Diagram->GetKeeper(0);
  series->SetArray(values, count, IndexBase, IndexBase + count - 1);
  // A new array makes a continuous series; the table's values are samples.
  series->SetDiscrete();
  double ymin = series->GetYmin(), ymax = series->GetYmax();
  if (ymin * ymax > 0 && ymax > 0) ymin = 0;
  if (ymin * ymax > 0 && ymax < 0) ymax = 0;
  TDiagram& diagram = *DF->Diagram;
  const TDiagram::TOnePaint once(diagram);
  diagram.EnableLine(false);
  diagram.AutoRangeX();
  diagram.EnableLine(true);
  diagram.SetRangeY(ymin, ymax);
  DF->StoreRange();
}
