// The table editor feeding the main window: values typed into the table become the discrete
// signal, sampled with the period 1.
#include <gtest/gtest.h>

#include <QTimer>
#include <QToolButton>

#include "AccessibleCheck.h"
#include "ScriptedPlatform.h"
#include "numerics/Keeper.h"
#include "plotting/Diagram.h"
#include "plotting/DiagramFrameUnit.h"
#include "shell/ResamUnit.h"
#include "sources/TabEditor08Unit.h"
#include "sources/TableGrid.h"
#include "widgets/EditIntUnit.h"

namespace {
// Runs the main window's table command: the values are put into the editor's cells, then
// the editor is ended by "Обработать данные" (process) or by "Закрыть".
void RunTable(TResamForm& form, const QStringList& values, bool process) {
  QTimer::singleShot(0, [values, process] {
    TabEditorForm->SpeedButton2Click();
    for (int k = 0; k < values.size(); ++k) {
      int col = 0, row = 0;
      TTabEditorForm::IndexToCell(k, col, row);
      TabEditorForm->StringGrid1->SetCell(col, row, values[k]);
    }
    (process ? TabEditorForm->SpeedButton1 : TabEditorForm->SpeedButton8)->click();
  });
  form.N3Click();
}

QStringList Numbers(int count) {
  QStringList texts;
  for (int i = 0; i < count; ++i) texts << QString::number(i % 7) + QStringLiteral(",5");
  return texts;
}

class ResamTable : public testing::Test {
 protected:
  void SetUp() override { TabEditorForm = &editor; }
  void TearDown() override { TabEditorForm = nullptr; }
  TTabEditorForm editor;
  TResamForm form;
};
}  // namespace

TEST_F(ResamTable, ProcessedValuesBecomeTheDiscreteSignal) {
  RunTable(form, {"1", "-2,5", "3"}, false);  // closed without processing: nothing arrives
  EXPECT_FALSE(form.Engine.SignalGiven());
  EXPECT_EQ(editor.windowTitle(), QStringLiteral("Кварнел: Табличное задание сигнала"));
  EXPECT_TRUE(editor.DF->Diagram->GetKeeper(0)->GetMarkers());

  RunTable(form, {"1", "-2,5", "3", "", "0,25"}, true);
  ASSERT_TRUE(form.Engine.SignalGiven());
  EXPECT_EQ(form.Engine.Source(), TResamEngine::SourceTable);
  EXPECT_EQ(form.Engine.N(), 5);
  EXPECT_EQ(form.Engine.T(), 1.0);
  EXPECT_EQ(form.Engine.T1(), 0);
  EXPECT_EQ(form.Engine.T2(), 4);
  const TKeeper* samples = form.DFs->Diagram->GetKeeper(2);
  ASSERT_EQ(samples->GetCount(), 5);
  const double expected[] = {1, -2.5, 3, 0, 0.25};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(samples->GetSample(i), expected[i]) << i;
  EXPECT_FALSE(form.DFs->Diagram->GetKeeper(0)->IsShown());
  EXPECT_TRUE(Scripted().Messages.isEmpty()) << Scripted().Messages.join('\n').toStdString();

  // A single value is padded with a zero sample.
  RunTable(form, {"7"}, true);
  EXPECT_EQ(form.Engine.N(), 2);
  EXPECT_EQ(form.Engine.T2(), 1);
  EXPECT_EQ(samples->GetSample(1), 0);
  EXPECT_TRUE(AllWidgetsNamed(&editor));
}

TEST_F(ResamTable, LagrangeTakesAtMostFiftyValues) {
  form.N33Click();
  ASSERT_TRUE(form.Engine.IsLagrange());
  Scripted().Messages.clear();
  RunTable(form, Numbers(50), true);
  EXPECT_EQ(form.Engine.N(), 50);
  EXPECT_TRUE(Scripted().Messages.isEmpty());
  RunTable(form, Numbers(51), true);
  EXPECT_EQ(form.Engine.N(), 50);
  EXPECT_EQ(form.Engine.T(), 1.0);
  EXPECT_EQ(form.Engine.T2(), 49);
  EXPECT_EQ(Scripted().Messages,
            QStringList({"Интерполяция многочленом Лагранжа доступна только при количестве отсчётов не более 50"}));
  // The editor still holds all 51 values for another method.
  int count = 0;
  editor.GetData(count);
  EXPECT_EQ(count, 51);
}
