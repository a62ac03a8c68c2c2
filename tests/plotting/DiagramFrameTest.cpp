#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QToolButton>

#include "DiagramTestSupport.h"
#include "ScriptedPlatform.h"
#include "plotting/DiagramFrameUnit.h"

namespace {
void MoveOver(TDiagram* d, QPoint at) {
  QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(d->mapToGlobal(at)), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QApplication::sendEvent(d, &move);
}

QPoint Centre(const TDiagram& d) {
  return QPoint((d.Get_xb_net() + d.Get_xe_net()) / 2, (d.Get_yb_net() + d.Get_ye_net()) / 2);
}

bool UpDownsShown(const TDiagramFrame& f) {
  return !f.UpDown1->isHidden() && !f.UpDown2->isHidden() && !f.UpDown3->isHidden() && !f.UpDown4->isHidden();
}
bool UpDownsHidden(const TDiagramFrame& f) {
  return f.UpDown1->isHidden() && f.UpDown2->isHidden() && f.UpDown3->isHidden() && f.UpDown4->isHidden();
}
}  // namespace

TEST(DiagramFrame, DefaultsOfTheFramedDiagram) {
  TDiagramFrame f;
  EXPECT_EQ(f.size(), QSize(490, 344));
  EXPECT_EQ(f.Diagram->geometry(), f.rect());
  EXPECT_FALSE(f.Diagram->GetShowFeeler());
  EXPECT_EQ(f.Diagram->GetFontNet().family(), QStringLiteral("MS Sans Serif"));
  EXPECT_EQ(f.Diagram->GetFontNet().pixelSize(), 11);
  EXPECT_TRUE(f.Panel->isHidden());
  EXPECT_TRUE(UpDownsHidden(f));
  EXPECT_EQ(f.Panel->size(), QSize(187, 29));
  EXPECT_EQ(f.SpeedButtonMeasure->toolTip(), QStringLiteral("Измерения"));
  EXPECT_EQ(f.SpeedButtonLim->toolTip(), QStringLiteral("Пределы"));
  EXPECT_EQ(f.SpeedButtonRetLim->toolTip(), QStringLiteral("Исходные пределы"));
  EXPECT_EQ(f.SpeedButtonIncrease->toolTip(), QStringLiteral("Увеличение"));
  EXPECT_EQ(f.SpeedButtonSave->toolTip(), QStringLiteral("Сохранить рисунок"));
  EXPECT_EQ(f.SpeedButtonCopy->toolTip(), QStringLiteral("Копировать в буфер обмена"));
  EXPECT_TRUE(f.SpeedButtonMeasure->isCheckable());
  EXPECT_TRUE(f.SpeedButtonLim->isCheckable());
  EXPECT_FALSE(f.SpeedButtonRetLim->isCheckable());
}

TEST(DiagramFrame, ToolsFollowTheMouseUntilARightClickSuppressesThem) {
  TDiagramFrame f;
  MoveOver(f.Diagram, Centre(*f.Diagram));
  EXPECT_FALSE(f.Panel->isHidden());
  EXPECT_TRUE(UpDownsHidden(f));  // the limits button is up
  QTest::mouseClick(f.Diagram, Qt::RightButton, Qt::NoModifier, Centre(*f.Diagram));
  EXPECT_TRUE(f.Panel->isHidden());
  EXPECT_TRUE(f.IsSuppressed());
  MoveOver(f.Diagram, Centre(*f.Diagram) + QPoint(5, 5));
  EXPECT_TRUE(f.Panel->isHidden());
  QTest::mouseClick(f.Diagram, Qt::RightButton, Qt::NoModifier, Centre(*f.Diagram));
  EXPECT_FALSE(f.Panel->isHidden());
  EXPECT_FALSE(f.IsSuppressed());
  f.HideTools();
  EXPECT_TRUE(f.Panel->isHidden());
  MoveOver(f.Diagram, Centre(*f.Diagram));
  EXPECT_FALSE(f.Panel->isHidden());
}

TEST(DiagramFrame, LimitsButtonShowsAndHidesTheUpDowns) {
  TDiagramFrame f;
  MoveOver(f.Diagram, Centre(*f.Diagram));
  QTest::mouseClick(f.SpeedButtonLim, Qt::LeftButton);
  EXPECT_TRUE(f.SpeedButtonLim->isChecked());
  EXPECT_TRUE(UpDownsShown(f));
  f.HideTools();
  EXPECT_TRUE(UpDownsHidden(f));
  MoveOver(f.Diagram, Centre(*f.Diagram));  // with the limits button down they come back too
  EXPECT_TRUE(UpDownsShown(f));
  QTest::mouseClick(f.SpeedButtonLim, Qt::LeftButton);
  EXPECT_TRUE(UpDownsHidden(f));
}

// The up-downs stand at the ends of the axes, outside the numbers: the picture under each is
// plain background, whatever the width of the numbers.
TEST(DiagramFrame, UpDownsStandBesideTheNumbersWithoutCoveringAny) {
  struct TRanges {
    double Xmin, Xmax, Ymin, Ymax;
  };
  const TRanges cases[] = {{-1, 1, -1, 1}, {0, 1000, 0, 10}, {0, 1.2, -12345, 100}, {99990, 100000, 0.5, 1.2}};
  for (const TRanges& c : cases) {
    TDiagramFrame f;
    f.show();
    f.resize(600, 400);
    TDiagram& d = *f.Diagram;
    d.SetRangeX(c.Xmin, c.Xmax);
    d.SetRangeY(c.Ymin, c.Ymax);
    f.StoreRange();
    MoveOver(f.Diagram, Centre(d));
    QTest::mouseClick(f.SpeedButtonLim, Qt::LeftButton);
    QApplication::processEvents();
    ASSERT_TRUE(UpDownsShown(f));
    EXPECT_EQ(f.Panel->pos(), QPoint(d.Get_xe_net() - 187 - 10, d.Get_yb_net() + 10));
    EXPECT_EQ(f.UpDown1->geometry().top(), d.Get_yb_net());
    EXPECT_EQ(f.UpDown2->geometry().bottom(), d.Get_ye_net() - 1);
    EXPECT_EQ(f.UpDown3->x(), d.Get_xb_net());
    EXPECT_EQ(f.UpDown4->geometry().right(), d.Get_xe_net() - 1);
    for (const TUpDown* u : {f.UpDown1, f.UpDown2, f.UpDown3, f.UpDown4}) {
      EXPECT_FALSE(u->geometry().intersects(d.GetXNumbersRect())) << c.Xmax;
      EXPECT_FALSE(u->geometry().intersects(d.GetYNumbersRect())) << c.Ymin;
      const QRect r = u->geometry() & d.rect();
      EXPECT_EQ(CountColour(d.Picture(), r.left(), r.top(), r.right(), r.bottom(), d.GetColorBackDiagram()),
                r.width() * r.height())
          << c.Xmax << " " << c.Ymin;
    }
  }
}

TEST(DiagramFrame, UpDownsStepTheEdgesAndReturnRestoresTheStoredRange) {
  TDiagramFrame f;
  f.Diagram->SetRangeX(0, 2);
  f.Diagram->SetRangeY(-1, 1);
  f.StoreRange();
  QTest::mouseClick(f.UpDown1->NextButton(), Qt::LeftButton);
  EXPECT_DOUBLE_EQ(f.Diagram->GetYmax(), 1.1);
  QTest::mouseClick(f.UpDown2->NextButton(), Qt::LeftButton);
  EXPECT_DOUBLE_EQ(f.Diagram->GetYmin(), -0.9);
  QTest::mouseClick(f.UpDown3->NextButton(), Qt::LeftButton);
  EXPECT_DOUBLE_EQ(f.Diagram->GetXmin(), 0.1);
  QTest::mouseClick(f.UpDown4->PrevButton(), Qt::LeftButton);
  EXPECT_DOUBLE_EQ(f.Diagram->GetXmax(), 1.9);
  QTest::mouseClick(f.UpDown3->PrevButton(), Qt::LeftButton);
  QTest::mouseClick(f.UpDown3->PrevButton(), Qt::LeftButton);
  EXPECT_DOUBLE_EQ(f.Diagram->GetXmin(), -0.1);
  // Re-placed after the step: at the net's new left end, below the numbers.
  EXPECT_EQ(f.UpDown3->pos(), QPoint(f.Diagram->Get_xb_net(), f.Diagram->GetXNumbersRect().bottom() + 3));
  QTest::mouseClick(f.SpeedButtonRetLim, Qt::LeftButton);
  EXPECT_EQ(f.Diagram->GetXmin(), 0);
  EXPECT_EQ(f.Diagram->GetXmax(), 2);
  EXPECT_EQ(f.Diagram->GetYmin(), -1);
  EXPECT_EQ(f.Diagram->GetYmax(), 1);
}

TEST(DiagramFrame, ClickTogglesTheFeelerAndTheMeasureButton) {
  TDiagramFrame f;
  QTest::mouseClick(f.Diagram, Qt::LeftButton, Qt::NoModifier, Centre(*f.Diagram));
  EXPECT_TRUE(f.Diagram->GetShowFeeler());
  EXPECT_TRUE(f.SpeedButtonMeasure->isChecked());
  QTest::mouseClick(f.SpeedButtonMeasure, Qt::LeftButton);
  EXPECT_FALSE(f.Diagram->GetShowFeeler());
  EXPECT_FALSE(f.SpeedButtonMeasure->isChecked());
}

TEST(DiagramFrame, CopyAndSaveButtonsExportTheDiagram) {
  TDiagramFrame f;
  QTest::mouseClick(f.SpeedButtonCopy, Qt::LeftButton);
  EXPECT_EQ(Scripted().ClipboardWrites, 1);
  EXPECT_EQ(Scripted().Clipboard.size(), f.Diagram->size());
  Scripted().CancelFile();
  QTest::mouseClick(f.SpeedButtonSave, Qt::LeftButton);
  ASSERT_EQ(Scripted().Dialogs.size(), 1);
  EXPECT_EQ(Scripted().Dialogs.first().Options.FileName, QStringLiteral("Диаграмма.bmp"));
}
