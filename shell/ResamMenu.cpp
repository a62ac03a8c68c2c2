// The main menu: the signal sources, the twelve methods, the settings with their radio
// groups, the studies, two empty items and "Выход".
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

#include "platform/Language.h"
#include "plotting/DiagramFrameUnit.h"
#include "shell/AboutUnit.h"
#include "shell/MethodViews.h"
#include "shell/ResamUnit.h"
#include "studies/ParameterStepper.h"
#include "studies/StepKeys.h"
#include "studies/TermsView.h"
#include "widgets/EditIntUnit.h"
#include "widgets/TranslatedTexts.h"

namespace {
QAction* Item(QMenu* menu, const char* source) { return AddTranslatedItem(menu, TResamForm::TextContext, source); }
QMenu* SubMenu(QMenu* menu, const char* source) { return AddTranslatedMenu(menu, TResamForm::TextContext, source); }
QMenu* BarMenu(QMenuBar* bar, const char* source) { return AddTranslatedMenu(bar, TResamForm::TextContext, source); }

// An exclusive group of check items; the first one listed as checked is the initial choice.
QActionGroup* RadioGroup(QObject* owner, const QList<QAction*>& items, QAction* checked) {
  auto* group = new QActionGroup(owner);
  group->setExclusive(true);
  for (QAction* a : items) {
    a->setCheckable(true);
    group->addAction(a);
  }
  checked->setChecked(true);
  return group;
}
}  // namespace

void TResamForm::BuildMenu() {
  BuildSignalMenu();
  BuildSessionItems();
  BuildReportItem();
  BuildMethodMenu();
  BuildSettingsMenu();
  BuildResearchMenu();
  N37 = menuBar()->addAction(QString());
  N38 = menuBar()->addAction(QString());
  N37->setEnabled(false);
  N38->setEnabled(false);
  N4 = menuBar()->addAction(QString());
  PutText(N4, TTextRole::Text, TextContext, QT_TR_NOOP("Выход"));
  BuildHelpMenu();
}

// After the program's own items, where a help menu stands.
void TResamForm::BuildHelpMenu() {
  HelpMenu = BarMenu(menuBar(), QT_TR_NOOP("Справка"));
  AboutItem = Item(HelpMenu, QT_TR_NOOP("О программе"));
  connect(AboutItem, &QAction::triggered, this, [this] {
    TAboutForm about(this);
    about.exec();
  });
}

// The studies beyond the sampling set-up: each adds its items here. The menu shows only once
// it holds an item.
void TResamForm::BuildResearchMenu() {
  ResearchMenu = BarMenu(menuBar(), QT_TR_NOOP("Исследование"));
  BuildComparisonItem();
  ResearchMenu->addSeparator();
  BuildSamplingStudyItems();
  BuildFilterItem();
  BuildListeningItem();
  ResearchMenu->addSeparator();
  // The panel and the diagrams are made after the menu: the studies find them when first needed.
  Stepper = new TParameterStepper(
      this, Engine,
      {[this] { return EditN; }, [this] { return EditT; }, [this] { EditNExit(); }, [this] { EditTExit(); }}, N30);
  const auto signalDiagram = [this] { return DFs->Diagram; };
  Terms = new TTermsView(this, Engine, signalDiagram, ResearchMenu);
  Keys = new TStepKeys(this, Engine, *Stepper, ResearchMenu);
  ResearchMenu->addSeparator();
  BuildLegendItem();
  BuildReadoutCopy();
  ResearchMenu->menuAction()->setVisible(!ResearchMenu->isEmpty());
}

void TResamForm::BuildSignalMenu() {
  N1 = BarMenu(menuBar(), QT_TR_NOOP("Сигнал"));
  N2 = Item(N1, QT_TR_NOOP("Задать графически"));
  N3 = Item(N1, QT_TR_NOOP("Задать таблично"));
  N28 = Item(N1, QT_TR_NOOP("Библиотека сигналов"));
  N40 = Item(N1, QT_TR_NOOP("Фрагмент полигармонического сигнала"));
  OpenRecordingItem = Item(N1, QT_TR_NOOP("Открыть запись..."));
}

void TResamForm::BuildMethodMenu() {
  N30 = BarMenu(menuBar(), QT_TR_NOOP("Метод интерполяции"));
  for (int m = 0; m < TResamEngine::MethodCount; ++m) {
    const TMethodView& view = MethodView(TResamEngine::TMethod(m));
    if (view.GroupStart) N30->addSeparator();
    MethodActions[m] = Item(N30, view.ItemText);
    if (view.Item) this->*view.Item = MethodActions[m];
  }
  RadioGroup(this, QList<QAction*>(std::begin(MethodActions), std::end(MethodActions)), N31);
}

void TResamForm::BuildSettingsMenu() {
  N5 = BarMenu(menuBar(), QT_TR_NOOP("Настройка"));
  N6 = Item(N5, QT_TR_NOOP("Модуль спектрального анализа"));
  BuildAnalysisMenu(N5);
  N5->addSeparator();
  N7 = SubMenu(N5, QT_TR_NOOP("Сетка дискретизации"));
  N9 = Item(N7, QT_TR_NOOP("Привязать к нулевой абсциссе"));
  N10 = Item(N7, QT_TR_NOOP("Привязать к началу интервала анализа"));
  RadioGroup(this, {N9, N10}, N9);
  N12 = SubMenu(N5, QT_TR_NOOP("Ввод парметров"));
  N13 = Item(N12, QT_TR_NOOP("Вводить количество отсчётов"));
  N14 = Item(N12, QT_TR_NOOP("Вводить период дискретизации"));
  RadioGroup(this, {N13, N14}, N13);
  BuildResultMenu(N5);
  BuildLanguageMenu(N5);
}

// Kept for the next start as well; every open window puts its texts again at once.
void TResamForm::BuildLanguageMenu(QMenu* settings) {
  LanguageMenu = SubMenu(settings, QT_TR_NOOP("Язык"));
  RussianItem = Item(LanguageMenu, QT_TR_NOOP("Русский"));
  EnglishItem = Item(LanguageMenu, QT_TR_NOOP("English"));
  RadioGroup(this, {RussianItem, EnglishItem}, CurrentLanguage() == TLanguage::English ? EnglishItem : RussianItem);
  for (const auto& [item, language] : {std::pair{RussianItem, TLanguage::Russian}, {EnglishItem, TLanguage::English}})
    connect(item, &QAction::triggered, this, [language] {
      if (language == CurrentLanguage()) return;
      StoreLanguage(language);
      ApplyLanguage(language);
    });
}

void TResamForm::BuildAnalysisMenu(QMenu* settings) {
  N41 = SubMenu(settings, QT_TR_NOOP("Анализ порождающей функции"));
  N110 = Item(N41, QT_TR_NOOP("Период дискретизации 0,01"));
  N210 = Item(N41, QT_TR_NOOP("Период дискретизации 0,001"));
  N310 = Item(N41, QT_TR_NOOP("Период дискретизации 0,0001"));
  RadioGroup(this, {N110, N210, N310}, N210);
  N41->addSeparator();
  N42 = Item(N41, QT_TR_NOOP("Детализация спектра низкая"));
  N43 = Item(N41, QT_TR_NOOP("Детализация спектра средняя"));
  N44 = Item(N41, QT_TR_NOOP("Детализация спектра высокая"));
  RadioGroup(this, {N42, N43, N44}, N43);
  N41->addSeparator();
  N46 = Item(N41, QT_TR_NOOP("Побыстрее"));
  N47 = Item(N41, QT_TR_NOOP("Поточнее"));
}

void TResamForm::BuildResultMenu(QMenu* settings) {
  N16 = SubMenu(settings, QT_TR_NOOP("Результат"));
  N24 = Item(N16, QT_TR_NOOP("Графики для аналогового сигнала"));
  N25 = Item(N16, QT_TR_NOOP("Графики для дискретного сигнала"));
  N26 = Item(N16, QT_TR_NOOP("Графики для интерполирующей фукнции"));
  for (QAction* a : {N24, N25, N26}) {
    a->setCheckable(true);
    a->setChecked(true);
  }
  N16->addSeparator();
  N17 = Item(N16, QT_TR_NOOP("Круговая частота"));
  N18 = Item(N16, QT_TR_NOOP("Циклическая частота"));
  RadioGroup(this, {N17, N18}, N17);
  N16->addSeparator();
  N27 = Item(N16, QT_TR_NOOP("Основная часть спектра"));
  N20 = Item(N16, QT_TR_NOOP("Один период спектра дискретного сигнала"));
  N21 = Item(N16, QT_TR_NOOP("Два периода спектра дискретного сигнала"));
  N22 = Item(N16, QT_TR_NOOP("Четыре периода спектра дискретного сигнала"));
  RadioGroup(this, {N27, N20, N21, N22}, N21);
}
