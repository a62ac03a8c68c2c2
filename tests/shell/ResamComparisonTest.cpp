// "Исследование" › "Сравнение методов": the tab with every method's error figures, driven as a
// user drives it, and the current method's figures on the error tab.
#include <gtest/gtest.h>

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include "AccessibleCheck.h"
#include "ResamTestSignals.h"
#include "ScriptedPlatform.h"
#include "studies/ComparisonPage.h"
#include "studies/ErrorFiguresLabel.h"
#include "widgets/EditIntUnit.h"

namespace {
using E = TResamEngine;
using P = TComparisonPage;

QStringList RowTexts(const QTableWidget* table, int row) {
  QStringList texts;
  for (int c = 0; c < P::ColumnCount; ++c) texts << table->item(row, c)->text();
  return texts;
}

// The error tab's line for a row's figures.
QString ErrorLine(const QStringList& row) {
  return QStringLiteral("На интервале анализа: макс. ошибка = %1; СКО = %2 (%3 %)")
      .arg(row[P::ColumnMax], row[P::ColumnRms], row[P::ColumnRelative]);
}

int RowOf(const TComparisonPage* page, E::TMethod method) {
  for (int row = 0; row < page->Table->rowCount(); ++row)
    if (page->MethodOfRow(row) == method) return row;
  return -1;
}

// As the platform delivers a double click: the second press comes before the double click.
void DoubleClick(QWidget* widget, QPoint at) {
  QTest::mouseClick(widget, Qt::LeftButton, {}, at);
  QTest::mousePress(widget, Qt::LeftButton, {}, at);
  QTest::mouseDClick(widget, Qt::LeftButton, {}, at);
  QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
}
}  // namespace

TEST(ResamComparison, TableFollowsTheSignalSortsCopiesAndChooses) {
  TResamForm form;
  GiveLibrarySignal(form, SlowWave, 1, 0);
  TComparisonPage* page = form.TabSheetComparison;
  QTableWidget* table = page->Table;
  const int tab = form.PageControl1->indexOf(page);
  EXPECT_FALSE(form.PageControl1->isTabVisible(tab));
  form.ComparisonItem->trigger();
  form.show();  // laid out, so that a click finds its row
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  EXPECT_EQ(tab, 4);
  EXPECT_TRUE(form.PageControl1->isTabVisible(tab));

  // In the menu's order, the engine's figures in the program's format; the current method's
  // row selected and equal to the error tab's figures.
  ASSERT_EQ(table->rowCount(), E::MethodCount);
  for (int m = 0; m < E::MethodCount; ++m) {
    const TErrorFigures f = form.Engine.MethodFigures(E::TMethod(m));
    EXPECT_EQ(RowTexts(table, m), (QStringList{form.MethodItem(E::TMethod(m))->text(), FigureText(f.MaxError),
                                               FigureText(f.RmsError), FigureText(f.RelativeRms), FigureText(f.Snr)}));
  }
  EXPECT_EQ(table->selectionModel()->selectedRows(), QModelIndexList{table->model()->index(0, 0)});
  const QStringList current = RowTexts(table, 0);
  EXPECT_EQ(form.LabelErrorFigures->text(), ErrorLine(current));

  // A click on a header sorts by that column; the best (least RMS error) row is marked.
  QHeaderView* header = table->horizontalHeader();
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                    QPoint(header->sectionViewportPosition(P::ColumnRms) + 5, 5));
  for (int row = 0; row < table->rowCount(); ++row) {
    const auto rms = [&](int r) { return form.Engine.MethodFigures(E::TMethod(page->MethodOfRow(r))).RmsError; };
    EXPECT_GE(rms(row), row > 0 ? rms(row - 1) : 0.0) << row;
    EXPECT_EQ(table->item(row, 0)->font().bold(), row == 0) << row;
  }

  // The button and Ctrl+C: the table as shown, tab-separated under its header row.
  page->ButtonCopy->click();
  const QString copied = Scripted().ClipboardTextCopied;
  const QStringList lines = copied.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), E::MethodCount + 1);
  EXPECT_EQ(lines[0], QStringLiteral("Метод\tМакс. ошибка\tСКО ошибки\tОтн. СКО, %\tОСШ, дБ"));
  EXPECT_EQ(lines[1], RowTexts(table, 0).join(QLatin1Char('\t')));
  Scripted().ClipboardTextCopied.clear();
  QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(Scripted().ClipboardTextCopied, copied);

  // A double click chooses the row's method as the method menu does.
  DoubleClick(table->viewport(), table->visualItemRect(table->item(RowOf(page, E::MethodPol3), 0)).center());
  EXPECT_TRUE(form.N312->isChecked() && form.Engine.Method() == E::MethodPol3);
  EXPECT_TRUE(form.windowTitle().startsWith(QStringLiteral("Локальная полиномиальная интерполяция, порядок: 3")));
  EXPECT_EQ(table->currentRow(), RowOf(page, E::MethodPol3));
  EXPECT_TRUE(AllWidgetsNamed(&form));

  // At 50 samples, Lagrange's limit itself, its row has figures, and so has the error tab
  // once it is chosen.
  form.EditN->SetVal(E::MaxLagrangeCount);
  form.EditNExit();
  const QStringList lagrange = RowTexts(table, RowOf(page, E::MethodLagrange));
  EXPECT_TRUE(lagrange[0] == form.MethodItem(E::MethodLagrange)->text() && !lagrange.contains("—"))
      << lagrange.join(" | ").toStdString();
  form.MethodItem(E::MethodLagrange)->trigger();
  const QLabel* errorTab = form.LabelErrorFigures;
  EXPECT_TRUE(!errorTab->isHidden() && errorTab->text() == ErrorLine(lagrange))
      << (errorTab->isHidden() ? "hidden: " : "") << errorTab->text().toStdString();
  form.MethodItem(E::MethodPol3)->trigger();

  // Beyond 50 samples Lagrange has dashes and the reason; a table signal empties the table
  // under a note, and the error tab shows no figures.
  form.EditN->SetVal(60);
  form.EditNExit();
  EXPECT_EQ(RowTexts(table, RowOf(page, E::MethodLagrange)),
            (QStringList{QStringLiteral("Многочлен Лагранжа (не более 50 отсчётов)"), "—", "—", "—", "—"}));
  const double values[] = {1, 2, 3, 2, 1};
  GiveTableSignal(form, values, 5);
  EXPECT_EQ(table->rowCount(), 0);
  EXPECT_FALSE(page->Note->isHidden());
  EXPECT_EQ(page->Note->text(), QStringLiteral("Для табличного сигнала ошибку восстановления вычислить нельзя"));
  EXPECT_TRUE(form.LabelErrorFigures->isHidden());

  form.ComparisonItem->trigger();
  EXPECT_FALSE(form.PageControl1->isTabVisible(tab));
  EXPECT_TRUE(Scripted().Messages.isEmpty());
}
