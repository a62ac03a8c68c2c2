// The method menu through the main window: captions, the tab that takes turns with the
// generating-function tab, the Lagrange limit and the basis-function tab.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QTabWidget>
#include <QToolButton>
#include <cmath>

#include "ResamTestSignals.h"
#include "ScriptedPlatform.h"
#include "numerics/Keeper.h"
#include "plotting/Diagram.h"
#include "plotting/DiagramFrameUnit.h"
#include "shell/ResamUnit.h"
#include "widgets/EditIntUnit.h"

namespace {
constexpr int KernelPage = 2, BasisPage = 3;
const QString Title = QStringLiteral(" - Кварнел, Тармин, 2015г.");

struct TMethodCase {
  QAction* TResamForm::*Item;
  const char16_t* Name;
};
const TMethodCase Rows[] = {
    {&TResamForm::N31, u"Ряд Котельникова"},
    {&TResamForm::N33, u"Интерполяционный многочлен Лагранжа"},
    {&TResamForm::N35, u"Локальная полиномиальная интерполяция, порядок: 0"},
    {&TResamForm::N36, u"Локальная полиномиальная интерполяция, порядок: 1"},
    {&TResamForm::N212, u"Локальная полиномиальная интерполяция, порядок: 2"},
    {&TResamForm::N312, u"Локальная полиномиальная интерполяция, порядок: 3"},
    {&TResamForm::N111, u"Локальная сплайновая интерполяция, порядок: 1, степень гладкости: 1"},
    {&TResamForm::N211, u"Локальная сплайновая интерполяция, порядок: 2, степень гладкости: 1"},
    {&TResamForm::N311, u"Локальная сплайновая интерполяция, порядок: 3, степень гладкости: 1"},
    {&TResamForm::N121, u"Локальная сплайновая интерполяция, порядок: 1, степень гладкости: 2"},
    {&TResamForm::N221, u"Локальная сплайновая интерполяция, порядок: 2, степень гладкости: 2"},
    {&TResamForm::N321, u"Локальная сплайновая интерполяция, порядок: 3, степень гладкости: 2"},
};
}  // namespace

// The curve each method rebuilds is the engine's test; here, the menu item and the caption.
TEST(ResamMethod, EachMethodSetsItsCaption) {
  TResamForm form;
  GiveLibrarySignal(form, SlowWave, 1, 0);
  for (const TMethodCase& row : Rows) {
    (form.*row.Item)->trigger();
    EXPECT_TRUE((form.*row.Item)->isChecked());
    EXPECT_EQ(form.windowTitle(), QString::fromUtf16(row.Name) + Title);
  }
}

TEST(ResamMethod, BeforeASignalOnlyCaptionTabsAndCountLimitChange) {
  TResamForm form;
  form.PageControl1->setCurrentIndex(KernelPage);
  form.N33->trigger();
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Интерполяционный многочлен Лагранжа") + Title);
  EXPECT_FALSE(form.PageControl1->isTabVisible(KernelPage));
  EXPECT_TRUE(form.PageControl1->isTabVisible(BasisPage));
  EXPECT_EQ(form.PageControl1->currentIndex(), BasisPage);
  EXPECT_EQ(form.EditN->Max(), 50);
  EXPECT_FALSE(form.Engine.SignalGiven());
  form.N35->trigger();
  EXPECT_TRUE(form.PageControl1->isTabVisible(KernelPage));
  EXPECT_FALSE(form.PageControl1->isTabVisible(BasisPage));
  EXPECT_EQ(form.PageControl1->currentIndex(), KernelPage);
  EXPECT_EQ(form.EditN->Max(), 500);
  EXPECT_EQ(form.Engine.KernelOrder(), 0);
  // From another tab the switch leaves the active tab alone.
  form.PageControl1->setCurrentIndex(0);
  form.N33->trigger();
  EXPECT_EQ(form.PageControl1->currentIndex(), 0);
  EXPECT_TRUE(Scripted().Messages.isEmpty());
}

TEST(ResamMethod, LagrangeTakesFiftySamplesWithoutAMessage) {
  TResamForm form;
  GiveLibrarySignal(form, SlowWave, 1, 0);
  form.N35->trigger();
  form.EditN->SetVal(120);
  form.EditNExit();
  ASSERT_EQ(form.Engine.N(), 120);
  form.N33->trigger();
  EXPECT_EQ(form.EditN->Val(), 50);
  EXPECT_EQ(form.EditN->Max(), 50);
  EXPECT_EQ(form.Engine.N(), 50);
  EXPECT_NEAR(form.Engine.T(), 1.0 / 49, 1e-15);
  EXPECT_EQ(form.DFs->Diagram->GetKeeper(2)->GetCount(), 50);
  // The polynomial is plotted from T0 - 2T to T0 + (N + 1) T, shown from T0 - T to T0 + N T.
  const TKeeper* curve = form.DFs->Diagram->GetKeeper(1);
  EXPECT_NEAR(curve->GetXmin(), form.Engine.T0() - 2 * form.Engine.T(), 1e-12);
  EXPECT_NEAR(curve->GetXmax(), form.Engine.T0() + 51 * form.Engine.T(), 1e-12);
  EXPECT_NEAR(form.DFs->Diagram->GetXmin(), form.Engine.T0() - form.Engine.T(), 1e-12);
  EXPECT_TRUE(Scripted().Messages.isEmpty());
  // Back to a local method: the limit is 500 again, the samples stay.
  form.N36->trigger();
  EXPECT_EQ(form.EditN->Max(), 500);
  EXPECT_EQ(form.Engine.N(), 50);
}

TEST(ResamMethod, BasisTabShowsTheChosenNumberOfBasisFunctions) {
  TResamForm form;
  form.ComboBoxLagr->setCurrentIndex(5);  // "7"
  TDiagram& d = *form.DFLagr->Diagram;
  int shown = 0;
  for (int k = 0; k < 50; ++k) shown += d.GetKeeper(static_cast<unsigned char>(k))->IsShown();
  EXPECT_EQ(shown, 7);
  EXPECT_DOUBLE_EQ(d.GetXmin(), -0.5);
  EXPECT_DOUBLE_EQ(d.GetXmax(), 6.5);
  for (int k = 0; k < 7; ++k)
    for (int node = 0; node < 7; ++node)
      EXPECT_NEAR(d.GetKeeper(static_cast<unsigned char>(k))->GetValue(node), k == node ? 1 : 0, 1e-12);
  form.ComboBoxLagr->setCurrentIndex(0);
  EXPECT_EQ(form.Engine.BasisCount(), 2);
}

TEST(ResamMethod, DisplaySwitchesHideTheirCurvesInBothDiagrams) {
  TResamForm form;
  GiveLibrarySignal(form, SlowWave, 1, 0);
  const struct {
    QAction* TResamForm::*Item;
    int Signal, Spectrum;
  } rows[] = {{&TResamForm::N24, 0, 0}, {&TResamForm::N25, 2, 1}, {&TResamForm::N26, 1, 2}};
  for (const auto& row : rows) {
    (form.*row.Item)->trigger();  // off
    EXPECT_FALSE(form.DFs->Diagram->GetKeeper(row.Signal)->IsShown());
    EXPECT_FALSE(form.DFAS->Diagram->GetKeeper(row.Spectrum)->IsShown());
    (form.*row.Item)->trigger();  // on
    EXPECT_TRUE(form.DFs->Diagram->GetKeeper(row.Signal)->IsShown());
    EXPECT_TRUE(form.DFAS->Diagram->GetKeeper(row.Spectrum)->IsShown());
  }
  form.SpeedButton3->click();
  EXPECT_FALSE(form.N24->isChecked());
  EXPECT_FALSE(form.DFs->Diagram->GetKeeper(0)->IsShown());
}

// A method change reaches the signal, spectrum and error diagrams: each paints once, after
// its ranges and series are all set (the range setters alone would paint each twice).
TEST(ResamMethod, AMethodChangePaintsEachDiagramOnce) {
  TResamForm form;
  GiveLibrarySignal(form, SlowWave, 1, 0);
  for (QAction* item : {form.N36, form.N321, form.N31}) {
    const int before[] = {form.DFs->Diagram->RepaintCount(), form.DFAS->Diagram->RepaintCount(),
                          form.DFE->Diagram->RepaintCount()};
    item->trigger();
    EXPECT_EQ(form.DFs->Diagram->RepaintCount() - before[0], 1);
    EXPECT_EQ(form.DFAS->Diagram->RepaintCount() - before[1], 1);
    EXPECT_EQ(form.DFE->Diagram->RepaintCount() - before[2], 1);
  }
}
