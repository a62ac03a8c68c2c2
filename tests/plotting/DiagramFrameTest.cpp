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

QPoint Centre(const TDiagram& d) { return QPoint((d.Get_xb_net() + d.Get_xe_net()) / 2, (d.Get_yb_net() + d.Get_ye_net()) / 2); }

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
  EXPECT_EQ(f.Panel->size(), QSize(161, 29));
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

TEST(DiagramFrame, ToolsArePlacedAtTheNetCorners) {
  TDiagramFrame f;
  f.show();
  f.resize(600, 400);
  QApplication::processEvents();
  const TDiagram& d = *f.Diagram;
  EXPECT_EQ(d.size(), QSize(600, 400));
  EXPECT_EQ(f.Panel->pos(), QPoint(d.Get_xe_net() - 161 - 10, d.Get_yb_net() + 10));
  EXPECT_EQ(f.UpDown1->geometry(), QRect(d.Get_xb_net() - 16, d.Get_yb_net(), 16, 30));
  EXPECT_EQ(f.UpDown2->geometry(), QRect(d.Get_xb_net() - 16, d.Get_ye_net() - 30, 16, 30));
  EXPECT_EQ(f.UpDown3->geometry(), QRect(d.Get_xb_net(), d.Get_ye_net(), 30, 16));
  EXPECT_EQ(f.UpDown4->geometry(), QRect(d.Get_xe_net() - 30, d.Get_ye_net(), 30, 16));
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
  EXPECT_EQ(f.UpDown3->pos(), QPoint(f.Diagram->Get_xb_net(), f.Diagram->Get_ye_net()));
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
