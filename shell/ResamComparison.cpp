// "Исследование" › "Сравнение методов": the tab that sets every method's error figures side by
// side, and the current method's figures on the error tab. Both read the engine's one
// operation, so the current method's row and the error tab always agree.
#include <QAction>
#include <QMenu>
#include <QTabWidget>
#include <vector>

#include "platform/CoreServices.h"
#include "plotting/DiagramFrameUnit.h"
#include "shell/ResamUnit.h"
#include "studies/ComparisonPage.h"
#include "studies/ErrorFiguresLabel.h"
#include "widgets/TranslatedTexts.h"

namespace {
using E = TResamEngine;
// What the figures follow: every recomputation ends in the error, and a method choice
// before any signal moves the current row.
constexpr E::TChanges FigureChanges = E::ChangeError | E::ChangeMethod | E::ChangeSignal;
}  // namespace

void TResamForm::BuildComparisonItem() {
  ComparisonItem = AddTranslatedItem(ResearchMenu, TextContext, QT_TR_NOOP("Сравнение методов"));
  ComparisonItem->setCheckable(true);
  PutText(ComparisonItem, TTextRole::ToolTip, TextContext, QT_TR_NOOP("Сравнить все методы восстановления"));
  ResearchMenu->setToolTipsVisible(true);
  connect(ComparisonItem, &QAction::toggled, this, &TResamForm::ComparisonItemClick);
}

// After the program's three tabs, hidden until the menu item asks for it.
void TResamForm::BuildComparisonTab() {
  TabSheetComparison = new TComparisonPage;
  const int index = PageControl1->addTab(TabSheetComparison, QString());
  PutText(TabSheetComparison, TTextRole::TabText, TextContext, QT_TR_NOOP("Сравнение методов"));
  PageControl1->setTabVisible(index, false);
  connect(TabSheetComparison, &TComparisonPage::MethodChosen, this, &TResamForm::ComparisonMethodChosen);
  LabelErrorFigures = new TErrorFiguresLabel(DFE->Diagram);
}

// Checking shows the tab, filled, and brings it to the front; unchecking hides it. While it is
// hidden nothing is computed for it.
void TResamForm::ComparisonItemClick(bool checked) {
  const int index = PageControl1->indexOf(TabSheetComparison);
  if (checked) FillComparison();
  PageControl1->setTabVisible(index, checked);
  if (checked) PageControl1->setCurrentIndex(index);
}

// A row picked in the table chooses its method through the method menu's own item.
void TResamForm::ComparisonMethodChosen(int method) {
  if (method >= 0 && method < E::MethodCount) MethodItem(E::TMethod(method))->trigger();
}

void TResamForm::ShowComparison(TResamEngine::TChanges changes) {
  if (!(changes & FigureChanges)) return;
  LabelErrorFigures->ShowFigures(Engine.ErrorFigures(), StudyNote());
  if (changes & E::ChangeError) KeepErrorClearOfFigures();
  if (ComparisonItem->isChecked()) FillComparison();
}

void TResamForm::FillComparison() {
  TWaitCursor wait;
  TabSheetComparison->ShowRows(ComparisonRows(), Engine.Method());
  TabSheetComparison->ShowStudyNote(StudyNote());
}
