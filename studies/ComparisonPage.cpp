#include "studies/ComparisonPage.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <iterator>
#include <numeric>

#include "numerics/Keeper.h"
#include "platform/Platform.h"
#include "plotting/Diagram.h"
#include "plotting/DiagramFrameUnit.h"
#include "widgets/AccessibleNames.h"
#include "widgets/Comfun.h"
#include "widgets/TranslatedTexts.h"

namespace {
constexpr int FigureDigits = 3;
constexpr int CurrentColour = 0xFF0000;  // blue, as the interpolating function is drawn
constexpr int OtherColour = 0x808080;    // grey
constexpr double FirstBarX = 0.5, BarStep = 0.5;
constexpr double HeadRoom = 1.15;  // above the highest bar
// A relative error above this (%) says the method misses by more than the signal's own size.
constexpr double UsefulPercent = 100;
constexpr int TableStretch = 3, ChartStretch = 2;
const QColor BestBackground(0xD8, 0xF0, 0xD8);
constexpr double BarHalf = 0.25;  // the histogram's own bar
// The best row keeps a mark of its own where a selection cannot cover it.
const QString BestMark = QStringLiteral(" ★");

// The figure each column shows (none for the method's name).
constexpr double TErrorFigures::*ColumnFigure[] = {nullptr, &TErrorFigures::MaxError, &TErrorFigures::RmsError,
                                                   &TErrorFigures::RelativeRms, &TErrorFigures::Snr};
static_assert(std::size(ColumnFigure) == TComparisonPage::ColumnCount);

constexpr char Context[] = "TComparisonPage";
const char* const Headings[] = {
    QT_TRANSLATE_NOOP("TComparisonPage", "Метод"), QT_TRANSLATE_NOOP("TComparisonPage", "Макс. ошибка"),
    QT_TRANSLATE_NOOP("TComparisonPage", "СКО ошибки"), QT_TRANSLATE_NOOP("TComparisonPage", "Отн. СКО, %"),
    QT_TRANSLATE_NOOP("TComparisonPage", "ОСШ, дБ")};
static_assert(std::size(Headings) == TComparisonPage::ColumnCount);

}  // namespace

QStringList ComparisonHeadings() {
  QStringList headings;
  for (const char* heading : Headings) headings << TComparisonPage::tr(heading);
  return headings;
}

namespace {

QString NoteFor(TFiguresGap gap) {
  return gap == TFiguresGap::TableSignal
             ? TComparisonPage::tr("Для табличного сигнала ошибку восстановления вычислить нельзя")
             : QString();
}

// Why a method's row has no figures, said after its name.
QString GapReason(TFiguresGap gap) {
  return gap == TFiguresGap::LagrangeLimit ? TComparisonPage::tr("не более 50 отсчётов") : QString();
}

// Ascending or descending by the figure, a missing figure last either way.
bool FigureBefore(double a, double b, Qt::SortOrder order) {
  if (std::isnan(a) || std::isnan(b)) return !std::isnan(a) && std::isnan(b);
  return order == Qt::AscendingOrder ? a < b : a > b;
}
}  // namespace

QString FigureText(double value) {
  if (!std::isfinite(value)) return QStringLiteral("—");
  return FloatToText(value, FigureDigits);
}

TComparisonPage::TComparisonPage(QWidget* parent) : QWidget(parent) {
  PutText(this, TTextRole::AccessibleName, Context, QT_TR_NOOP("Сравнение методов"));
  Note = new QLabel(this);
  QFont bold = Note->font();
  bold.setBold(true);
  Note->setFont(bold);
  Note->hide();
  StudyNote = new QLabel(this);
  StudyNote->hide();
  BuildTable();
  ButtonCopy = new QPushButton(this);
  PutText(ButtonCopy, TTextRole::Text, Context, QT_TR_NOOP("Копировать таблицу"));
  connect(ButtonCopy, &QPushButton::clicked, this, &TComparisonPage::CopyTable);
  BuildChart();
  auto* left = new QVBoxLayout;
  left->addWidget(Note);
  left->addWidget(StudyNote);
  left->addWidget(Table, 1);
  left->addWidget(ButtonCopy, 0, Qt::AlignLeft);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left, TableStretch);
  layout->addWidget(DFC, ChartStretch);
  GiveAccessibleNames(this);
}

void TComparisonPage::BuildTable() {
  Table = new QTableWidget(0, ColumnCount, this);
  PutText(Table, TTextRole::AccessibleName, Context, QT_TR_NOOP("Таблица сравнения методов"));
  Table->setHorizontalHeaderLabels(ComparisonHeadings());
  Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  Table->setSelectionBehavior(QAbstractItemView::SelectRows);
  Table->setSelectionMode(QAbstractItemView::SingleSelection);
  QHeaderView* header = Table->horizontalHeader();
  header->setSectionResizeMode(QHeaderView::ResizeToContents);
  header->setSectionResizeMode(ColumnMethod, QHeaderView::Stretch);
  header->setSectionsClickable(true);
  header->setSortIndicatorShown(true);
  // No column chosen yet: the rows stand in the method menu's order.
  header->setSortIndicator(-1, Qt::AscendingOrder);
  connect(header, &QHeaderView::sortIndicatorChanged, this, &TComparisonPage::FillTable);
  connect(Table, &QTableWidget::activated, this, [this](const QModelIndex& index) { RowActivated(index.row()); });
  Table->installEventFilter(this);
}

void TComparisonPage::BuildChart() {
  DFC = new TDiagramFrame(this);
  TDiagram& d = *DFC->Diagram;
  d.EnableLine(false);
  d.SetNameDiagram(tr("Относительная СКО ошибки"));
  d.SetNameX(QStringLiteral("№"));
  d.SetNameY(QStringLiteral("%"));
  d.SetPrecisionX(0);
  d.NewKeeperList(2);
  d.GetKeeper(0)->SetColor(CurrentColour);
  d.GetKeeper(1)->SetColor(OtherColour);
  for (int k = 0; k < 2; ++k) d.GetKeeper(static_cast<unsigned char>(k))->Hide();
  d.EnableLine(true);
  connect(&d, &TDiagram::OnMouseMove, this,
          [this](TDiagram* sender, Qt::KeyboardModifiers, int x, int) { ShowBarName(sender, x); });
}

void TComparisonPage::ShowStudyNote(const QString& note) {
  StudyNote->setText(note);
  StudyNote->setVisible(!note.isEmpty());
  GiveAccessibleNames(this);  // the table below is named after the note
}

void TComparisonPage::ShowRows(const std::vector<TRow>& rows, int current) {
  Rows = rows;
  Current = current;
  FillTable();
  ShowChart();
}

// Rows are filled in place in the order shown, so that sorting never moves a row under a
// handler that is still reading it.
void TComparisonPage::FillTable() {
  const TFiguresGap gap = Rows.empty() ? TFiguresGap::NoSignal : Rows.front().Figures.Gap;
  const bool none = gap == TFiguresGap::NoSignal || gap == TFiguresGap::TableSignal;
  Note->setText(NoteFor(gap));
  Note->setVisible(!Note->text().isEmpty());
  Table->setRowCount(none ? 0 : int(Rows.size()));
  // A table signal has only the note: an empty table and chart say nothing more.
  const bool table = gap == TFiguresGap::TableSignal;
  for (QWidget* w : {static_cast<QWidget*>(Table), static_cast<QWidget*>(ButtonCopy), static_cast<QWidget*>(DFC)})
    w->setVisible(!table);
  if (none) return;
  const std::vector<int> order = ShownOrder();
  const int best = BestMethod();
  for (int row = 0; row < int(order.size()); ++row) {
    FillRow(row, order[row], order[row] == best);
    if (order[row] == Current) Table->setCurrentCell(row, ColumnMethod);
  }
}

void TComparisonPage::FillRow(int row, int method, bool best) {
  const TRow& r = Rows[method];
  const QString reason = GapReason(r.Figures.Gap);
  for (int column = 0; column < ColumnCount; ++column) {
    QTableWidgetItem* item = Table->item(row, column);
    if (!item) {
      item = new QTableWidgetItem;
      item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
      Table->setItem(row, column, item);
    }
    const double TErrorFigures::*figure = ColumnFigure[column];
    if (figure) {
      item->setText(FigureText(r.Figures.*figure));
      item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    } else {
      item->setText(reason.isEmpty() ? r.Name : r.Name + QStringLiteral(" (") + reason + QLatin1Char(')'));
      item->setData(Qt::UserRole, method);
    }
    item->setToolTip(best ? tr("Наименьшая СКО ошибки") : reason);
    QFont font = Table->font();
    font.setBold(best);
    item->setFont(font);
    item->setBackground(best ? QBrush(BestBackground) : QBrush());
  }
  Table->setVerticalHeaderItem(row, new QTableWidgetItem(QString::number(method + 1) + (best ? BestMark : QString())));
}

std::vector<int> TComparisonPage::ShownOrder() const {
  std::vector<int> order(Rows.size());
  std::iota(order.begin(), order.end(), 0);
  const QHeaderView* header = Table->horizontalHeader();
  const int column = header->sortIndicatorSection();
  const Qt::SortOrder sort = header->sortIndicatorOrder();
  if (column < 0 || column >= ColumnCount) return order;
  const double TErrorFigures::*figure = ColumnFigure[column];
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    if (figure) return FigureBefore(Rows[a].Figures.*figure, Rows[b].Figures.*figure, sort);
    const int c = QString::localeAwareCompare(Rows[a].Name, Rows[b].Name);
    return sort == Qt::AscendingOrder ? c < 0 : c > 0;
  });
  return order;
}

// The least RMS error; the first of equals in the menu's order; -1 when no method has one.
int TComparisonPage::BestMethod() const {
  int best = -1;
  for (int m = 0; m < int(Rows.size()); ++m)
    if (std::isfinite(Rows[m].Figures.RmsError) && (best < 0 || Rows[m].Figures.RmsError < Rows[best].Figures.RmsError))
      best = m;
  return best;
}

int TComparisonPage::MethodOfRow(int row) const {
  const QTableWidgetItem* item = Table->item(row, ColumnMethod);
  return item ? item->data(Qt::UserRole).toInt() : -1;
}

void TComparisonPage::RowActivated(int row) {
  const int method = MethodOfRow(row);
  if (method >= 0) emit MethodChosen(method);
}

QString TComparisonPage::TableText() const {
  QString text = ComparisonHeadings().join(QLatin1Char('\t')) + QLatin1Char('\n');
  for (int row = 0; row < Table->rowCount(); ++row) {
    QStringList cells;
    for (int column = 0; column < ColumnCount; ++column) cells << Table->item(row, column)->text();
    text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
  }
  return text;
}

void TComparisonPage::CopyTable() { Platform().SetClipboardText(TableText()); }

// Ctrl+C copies the whole table, not the one cell the view would copy on its own (and past
// the platform layer). Claiming the shortcut first keeps any window-wide Ctrl+C from taking it.
bool TComparisonPage::eventFilter(QObject* watched, QEvent* event) {
  const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride;
  if (watched != Table || !key || !static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy))
    return QWidget::eventFilter(watched, event);
  event->accept();
  if (event->type() == QEvent::KeyPress) CopyTable();
  return event->type() == QEvent::KeyPress;
}

// The current method's bar in the interpolating function's colour, the others grey; a method
// without the figure has no bar.
void TComparisonPage::ShowChart() {
  std::fill(std::begin(CurrentBar), std::end(CurrentBar), 0.0);
  std::fill(std::begin(OtherBars), std::end(OtherBars), 0.0);
  const int count = std::min<int>(int(Rows.size()), TResamEngine::MethodCount);
  double highest = 0, highestUseful = 0;
  for (int m = 0; m < count; ++m) {
    const double v = Rows[m].Figures.RelativeRms;
    if (!std::isfinite(v)) continue;
    (m == Current ? CurrentBar : OtherBars)[2 * m + 1] = v;
    highest = std::fmax(highest, v);
    if (v <= UsefulPercent) highestUseful = std::fmax(highestUseful, v);
  }
  TDiagram& d = *DFC->Diagram;
  d.EnableLine(false);
  const double last = FirstBarX + BarStep * (BarValues - 1);
  double* bars[] = {CurrentBar, OtherBars};
  for (int k = 0; k < 2; ++k) {
    TKeeper* series = d.GetKeeper(static_cast<unsigned char>(k));
    series->SetArray(bars[k], BarValues, FirstBarX, last);
    series->SetShape(ShapeHistogram);
    if (highest > 0)
      series->Show();
    else
      series->Hide();
  }
  // A method that misses by more than the signal itself (a Lagrange polynomial far from its
  // nodes) would flatten every other bar: the view starts at the useful ones, and that bar
  // runs off the top; zooming out shows it whole.
  const double limit = highest > 0 ? HeadRoom * highest : 1;
  const double top = highestUseful > 0 ? HeadRoom * highestUseful : limit;
  d.SetLimitX(0, last + FirstBarX);
  d.SetRangeX(FirstBarX, last);
  d.SetLimitY(0, limit);
  d.EnableLine(true);
  d.SetRangeY(0, top);
  DFC->StoreRange();
  ShowBars(count);
}

// Filled, named bars over the histogram; the current one in the interpolating function's colour.
void TComparisonPage::ShowBars(int count) {
  std::vector<TDiagram::TBarMark> bars;
  const int best = BestMethod();
  for (int m = 0; m < count; ++m) {
    const double v = Rows[m].Figures.RelativeRms;
    if (!std::isfinite(v)) continue;
    bars.push_back({FirstBarX + BarStep * (2 * m + 1), BarHalf, v, m == Current ? CurrentColour : OtherColour,
                    Rows[m].ShortName, FigureText(v), m == best});
  }
  DFC->Diagram->SetBars(bars);
}

// The page is one of the main window's tabs: the window gives it its rows again in the new
// language; what the page writes itself (headings, note, figures, the chart's title) is put here.
void TComparisonPage::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    Table->setHorizontalHeaderLabels(ComparisonHeadings());
    DFC->Diagram->SetNameDiagram(tr("Относительная СКО ошибки"));
    FillTable();
    ShowBars(std::min<int>(int(Rows.size()), TResamEngine::MethodCount));
  }
  QWidget::changeEvent(event);
}

// The full name of the bar under the pointer.
void TComparisonPage::ShowBarName(TDiagram* d, int x) {
  const double at = d->PhisToMathX(x);
  const int m = int(std::lround((at - FirstBarX) / BarStep - 1)) / 2;
  const bool onBar = m >= 0 && m < int(Rows.size()) && std::fabs(at - (FirstBarX + BarStep * (2 * m + 1))) <= BarHalf;
  d->setToolTip(onBar ? Rows[m].Name : QString());
}
