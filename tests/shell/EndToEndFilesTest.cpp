// A drawing and a table kept in files by one run of the program and given to the main
// window by another: what the second run shows is what the first one showed.
#include <gtest/gtest.h>

#include <QLabel>
#include <QTemporaryDir>
#include <QToolButton>
#include <vector>

#include "EndToEndRoad.h"
#include "ScriptedPlatform.h"
#include "UserView.h"
#include "numerics/Keeper.h"
#include "plotting/DiagramFrameUnit.h"

namespace {
// What the first tab shows of a signal.
struct TShown {
  int N = 0;
  double T = 0, T1 = 0, T2 = 0;
  std::vector<double> Samples;
  QStringList Labels;
};

TShown Shown(const TResamForm& form) {
  TShown shown{form.Engine.N(), form.Engine.T(), form.Engine.T1(), form.Engine.T2(), {}, {}};
  const TKeeper* tops = form.DFs->Diagram->GetKeeper(2);
  for (int i = 0; i < tops->GetCount(); ++i) shown.Samples.push_back(tops->GetSample(i));
  for (const QLabel* l : {form.Label7, form.Label12, form.Label20, form.Label21, form.Label22, form.Label23})
    shown.Labels << l->text();
  return shown;
}

// A drawing is kept as values at its pixel columns and read back onto the new window's
// columns, so its samples may move by a fraction of a pixel row.
void ExpectSame(const TShown& second, const TShown& first, double tolerance) {
  EXPECT_EQ(second.N, first.N);
  EXPECT_EQ(second.T, first.T);
  EXPECT_EQ(second.T1, first.T1);
  EXPECT_EQ(second.T2, first.T2);
  ASSERT_EQ(second.Samples.size(), first.Samples.size());
  for (size_t i = 0; i < first.Samples.size(); ++i) EXPECT_NEAR(second.Samples[i], first.Samples[i], tolerance) << i;
  EXPECT_EQ(second.Labels, first.Labels);
}
}  // namespace

TEST(EndToEndFiles, DrawingAndTableSavedInOneRunArriveAlikeInAnother) {
  QTemporaryDir folder;
  const QString dkr = folder.filePath(QStringLiteral("Импульс.dkr")),
                tbl = folder.filePath(QStringLiteral("Отсчёты.tbl"));
  TShown drawn, typed;
  {
    TProgramWindows first;
    RunModal(first.form.SpeedButton1, [&dkr] {
      TDiagramEditor& e = *DiagramEditor;
      ClickAt(*e.Diagram1, {{1, 0}, {3, 0.7}, {5, -0.4}, {7, 0}});
      Scripted().AnswerFile(dkr);
      QTest::mouseClick(e.SpeedButtonSave, Qt::LeftButton);
      QTest::mouseClick(e.SpeedButtonInput, Qt::LeftButton);
    });
    ASSERT_TRUE(first.form.Engine.SignalGiven());
    drawn = Shown(first.form);
    RunModal(first.form.SpeedButton2, [&tbl] {
      TTabEditorForm& e = *TabEditorForm;
      QTest::mouseClick(e.SpeedButton2, Qt::LeftButton);
      TypeIntoGrid(e, {"2", "-1,25", "0", "3,5"});
      Scripted().AnswerFile(tbl);
      QTest::mouseClick(e.SpeedButton6, Qt::LeftButton);  // "Сохранить"
      QTest::mouseClick(e.SpeedButton1, Qt::LeftButton);
    });
    typed = Shown(first.form);
  }
  EXPECT_EQ(typed.Samples, std::vector<double>({2, -1.25, 0, 3.5}));
  ASSERT_GT(drawn.N, 1);

  TProgramWindows second;
  RunModal(second.form.SpeedButton1, [&dkr] {
    Scripted().AnswerFile(dkr);
    QTest::mouseClick(DiagramEditor->SpeedButtonOpen, Qt::LeftButton);
    QTest::mouseClick(DiagramEditor->SpeedButtonInput, Qt::LeftButton);
  });
  const TDiagram& plot = *second.drawing.Diagram1;
  ExpectSame(Shown(second.form), drawn, (plot.GetYmax() - plot.GetYmin()) / plot.Get_h_out());
  ExpectPanelConsistent(second.form);
  RunModal(second.form.SpeedButton2, [&tbl] {
    Scripted().AnswerFile(tbl);
    QTest::mouseClick(TabEditorForm->SpeedButton5, Qt::LeftButton);  // "Открыть"
    QTest::mouseClick(TabEditorForm->SpeedButton1, Qt::LeftButton);
  });
  ExpectSame(Shown(second.form), typed, 0);
  ExpectPanelConsistent(second.form);
  EXPECT_EQ(VisitEveryTab(second.form), 3);

  // Four dialogs, each proposing its own kind of file.
  ASSERT_EQ(Scripted().Dialogs.size(), 4);
  for (int i : {0, 2}) EXPECT_TRUE(Scripted().Dialogs[i].Options.FileName.endsWith(QStringLiteral(".dkr"))) << i;
  EXPECT_TRUE(Scripted().Dialogs[1].Options.FileName.endsWith(QStringLiteral(".tbl")));
  EXPECT_TRUE(Scripted().Messages.isEmpty()) << Scripted().Messages.join('\n').toStdString();
}
