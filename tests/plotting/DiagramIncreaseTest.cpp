#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QScrollArea>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <cmath>

#include "DiagramTestSupport.h"
#include "ScriptedPlatform.h"
#include "plotting/DiagramFrameUnit.h"
#include "plotting/DiagramIncreaseUnit.h"
#include "plotting/DiagramScale.h"

namespace {
double Sine(double x) { return 0.7 * std::sin(3 * x); }
double Samples[] = {0.2, -0.4, 0.6, -0.8, 0.5};
constexpr int Green = 0x008000;

// A framed source diagram with three keepers of three shapes.
struct TSource {
  TDiagramFrame Frame;
  TDiagram& D = *Frame.Diagram;
  TSource() {
    D.NewKeeperList(3);
    D.GetKeeper(0)->SetConstant(0.5, -1, 1);
    D.GetKeeper(0)->SetColor(Red);
    D.GetKeeper(1)->SetFunction(Sine, 100, -1, 1);
    D.GetKeeper(1)->SetColor(Blue);
    D.GetKeeper(2)->SetArray(Samples, 5, -1, 1);
    D.GetKeeper(2)->SetDiscrete();
    D.GetKeeper(2)->SetMarkers(true);
    D.GetKeeper(2)->SetColor(Green);
    D.SetNameDiagram(QStringLiteral("Сигнал"));
    D.SetNameX(QStringLiteral("t"));
    D.SetColorBackNet(0xF0FFFF);
    D.SetRangeX(-1, 1);
    D.SetRangeY(-1, 1);
    Frame.StoreRange();
  }
  void ExpectKeepersIntact() {
    ASSERT_EQ(D.GetKeeperListLength(), 3);
    EXPECT_EQ(D.GetKeeper(0)->GetColor(), Red);
    EXPECT_EQ(D.GetKeeper(1)->GetSource(), SourceFunction);
    EXPECT_EQ(D.GetKeeper(2)->GetCount(), 5);
    EXPECT_EQ(D.GetKeeper(2)->GetNext(), nullptr);
    EXPECT_TRUE(D.GetKeeper(0)->IsShown());
  }
};

bool HasColour(const TDiagram& d, int colour) {
  return CountColour(d.Picture(), 0, 0, d.width(), d.height(), colour) > 0;
}

QString Expected(double v, int precision) {
  return QString::fromStdString(FormatReadout(v, precision + 2)).replace(QLatin1Char('.'), QLatin1Char(','));
}
}  // namespace

TEST(DiagramIncrease, TakeOverDrawsTheSourcesOwnKeepers) {
  TSource s;
  TDiagramIncrease w;
  w.show();
  QApplication::processEvents();
  w.TakeOver(&s.D);
  TDiagram& big = *w.Diagram1;
  EXPECT_EQ(w.windowTitle(), QStringLiteral("Сигнал"));
  EXPECT_EQ(big.GetNameDiagram(), QStringLiteral("Сигнал"));
  EXPECT_EQ(big.GetNameX(), QStringLiteral("t"));
  EXPECT_EQ(big.GetColorBackNet(), 0xF0FFFF);
  EXPECT_EQ(big.GetFontNet().family(), QStringLiteral("Times New Roman"));  // fonts stay its own
  EXPECT_EQ(big.GetKeeperListLength(), 4);
  EXPECT_EQ(big.GetKeeper(0)->GetNext(), s.D.GetKeeper(0));
  EXPECT_FALSE(big.GetKeeper(0)->IsShown());
  EXPECT_TRUE(HasColour(big, Red));
  EXPECT_TRUE(HasColour(big, Blue));
  EXPECT_TRUE(HasColour(big, Green));
  const int px = big.MathToPhisX(0.1), py = big.MathToPhisY(0.5);
  EXPECT_GT(CountColour(big.Picture(), px - 1, py - 1, px + 1, py + 1, Red), 0);
  w.close();
  s.ExpectKeepersIntact();
}

TEST(DiagramIncrease, ClosingHandsBackANarrowedRangeAndUnlinks) {
  TSource s;
  TDiagramIncrease w;
  w.show();
  QApplication::processEvents();
  w.TakeOver(&s.D);
  QTest::mouseClick(w.SpeedButtonLimit, Qt::LeftButton);
  QTest::mouseClick(w.UpDown3->NextButton(), Qt::LeftButton);
  QTest::mouseClick(w.UpDown3->NextButton(), Qt::LeftButton);
  QTest::mouseClick(w.UpDown4->PrevButton(), Qt::LeftButton);
  QTest::mouseClick(w.UpDown1->PrevButton(), Qt::LeftButton);
  EXPECT_NEAR(w.Diagram1->GetXmin(), -0.8, 1e-12);
  QTest::mouseClick(w.SpeedButtonClose, Qt::LeftButton);
  EXPECT_FALSE(w.isVisible());
  EXPECT_NEAR(s.D.GetXmin(), -0.8, 1e-12);
  EXPECT_NEAR(s.D.GetXmax(), 0.9, 1e-12);
  EXPECT_NEAR(s.D.GetYmax(), 0.9, 1e-12);
  EXPECT_EQ(s.D.GetYmin(), -1);
  EXPECT_TRUE(s.D.GetEnableLine());
  EXPECT_EQ(w.Diagram1->GetKeeper(0)->GetNext(), nullptr);
  EXPECT_EQ(w.Source(), nullptr);
  EXPECT_EQ(s.Frame.StoredRange().Xmin, -1);  // the frame's stored range stays
  s.ExpectKeepersIntact();
  EXPECT_TRUE(HasColour(s.D, Blue));
}

TEST(DiagramIncrease, FrameButtonRunsTheWindowModallyAndSurvivesBothEnds) {
  auto s = std::make_unique<TSource>();
  auto w = std::make_unique<TDiagramIncrease>();
  DiagramIncrease = w.get();
  bool ran = false;
  QTimer::singleShot(0, w.get(), [&] {
    ran = true;
    EXPECT_TRUE(w->isModal() || w->isVisible());
    EXPECT_TRUE(w->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(w->Source(), &s->D);
    w->NLimit->trigger();
    QTest::mouseClick(w->UpDown4->PrevButton(), Qt::LeftButton);
    w->NClose->trigger();
  });
  QTest::mouseClick(s->Frame.SpeedButtonIncrease, Qt::LeftButton);
  EXPECT_TRUE(ran);
  EXPECT_NEAR(s->D.GetXmax(), 0.9, 1e-12);
  s->ExpectKeepersIntact();
  EXPECT_EQ(w->Execute(nullptr), 0);
  // The window and the source go in either order without touching each other's keepers.
  s.reset();
  DiagramIncrease = nullptr;
  w.reset();
}

TEST(DiagramIncrease, DestroyedWhileLinkedLeavesTheSourceKeepers) {
  TSource s;
  {
    TDiagramIncrease w;
    w.TakeOver(&s.D);
  }
  s.ExpectKeepersIntact();
  s.D.ShowDiagram();
  EXPECT_TRUE(HasColour(s.D, Green));
}

TEST(DiagramIncrease, ItsOwnDiagramIsNoSource) {
  TDiagramIncrease w;
  EXPECT_EQ(w.Execute(w.Diagram1), 0);
  EXPECT_EQ(w.Source(), nullptr);
  EXPECT_FALSE(w.isVisible());
  w.TakeOver(w.Diagram1);
  EXPECT_EQ(w.Diagram1->GetKeeperListLength(), 1);
  w.Diagram1->ShowDiagram();  // would never end with the list leading back to itself
}

TEST(DiagramIncrease, ReadoutShowsCoordinatesInsideTheNetOnly) {
  TSource s;
  TDiagramIncrease w;
  w.show();
  QApplication::processEvents();
  w.TakeOver(&s.D);
  const TDiagram& d = *w.Diagram1;
  const int x = (d.Get_xb_net() + d.Get_xe_net()) / 2 + 7, y = d.Get_yb_net() + 40;
  w.ShowCoordinates(x, y);
  EXPECT_EQ(w.Panel2->text(), QStringLiteral("(") + Expected(d.PhisToMathX(x), d.GetPrecisionX()) +
                                  QStringLiteral("; ") + Expected(d.PhisToMathY(y), d.GetPrecisionY()) +
                                  QStringLiteral(")"));
  // The program's comma, whatever the machine's locale (the tests run under C).
  EXPECT_EQ(Expected(0.25, 1), QStringLiteral("0,250"));
  w.ShowCoordinates(d.Get_xb_net() + 1, y);
  EXPECT_TRUE(w.Panel2->text().isEmpty());
  w.ShowCoordinates(d.Get_xb_net() + 2, d.Get_ye_net() - 2);
  EXPECT_FALSE(w.Panel2->text().isEmpty());
  w.ShowCoordinates(x, d.Get_ye_net() - 1);
  EXPECT_TRUE(w.Panel2->text().isEmpty());
}

TEST(DiagramIncrease, ToolsToggleFeelerAndUpDownsWithTheirMenuItems) {
  TDiagramIncrease w;
  EXPECT_TRUE(w.Diagram1->GetShowFeeler());
  EXPECT_TRUE(w.SpeedButtonMeasure->isChecked());
  EXPECT_TRUE(w.NMeasure->isChecked());
  w.NMeasure->trigger();
  EXPECT_FALSE(w.Diagram1->GetShowFeeler());
  EXPECT_FALSE(w.SpeedButtonMeasure->isChecked());
  EXPECT_FALSE(w.NMeasure->isChecked());
  QTest::mouseClick(w.SpeedButtonMeasure, Qt::LeftButton);
  EXPECT_TRUE(w.Diagram1->GetShowFeeler());
  EXPECT_TRUE(w.NMeasure->isChecked());
  EXPECT_TRUE(w.UpDown1->isHidden());
  w.NLimit->trigger();
  EXPECT_FALSE(w.UpDown4->isHidden());
  EXPECT_TRUE(w.SpeedButtonLimit->isChecked());
  QTest::mouseClick(w.SpeedButtonLimit, Qt::LeftButton);
  EXPECT_TRUE(w.UpDown2->isHidden());
  EXPECT_FALSE(w.NLimit->isChecked());
  EXPECT_EQ(w.SpeedButton1->toolTip(), QStringLiteral("Не показывать график при изменении пределов"));
  EXPECT_EQ(w.windowTitle(), QStringLiteral("Диаграмма"));
}

TEST(DiagramIncrease, HeldUpDownLeavesSeriesOutWhenAsked) {
  TSource s;
  TDiagramIncrease w;
  w.TakeOver(&s.D);
  w.NLimit->trigger();
  QTest::mousePress(w.UpDown1->NextButton(), Qt::LeftButton);
  EXPECT_TRUE(w.Diagram1->GetEnableLine());  // SpeedButton1 up: series stay
  QTest::mouseRelease(w.UpDown1->NextButton(), Qt::LeftButton);
  QTest::mouseClick(w.SpeedButton1, Qt::LeftButton);
  QTest::mousePress(w.UpDown1->NextButton(), Qt::LeftButton);
  EXPECT_FALSE(w.Diagram1->GetEnableLine());
  w.UpDown1Click(w.UpDown1, TUpDown::btNext);  // what the auto-repeat does while held
  EXPECT_FALSE(HasColour(*w.Diagram1, Blue));
  QTest::mouseRelease(w.UpDown1->NextButton(), Qt::LeftButton);
  EXPECT_TRUE(w.Diagram1->GetEnableLine());
  EXPECT_TRUE(HasColour(*w.Diagram1, Blue));
  w.close();
}

TEST(DiagramIncrease, ReturnRestoresTheRangeOfTheTakeOver) {
  TSource s;
  s.D.SetRangeX(-0.5, 0.5);
  TDiagramIncrease w;
  w.TakeOver(&s.D);
  w.Diagram1->SetRangeX(0, 0.2);
  w.Diagram1->SetRangeY(0, 0.2);
  w.NRetLimit->trigger();
  EXPECT_EQ(w.Diagram1->GetXmin(), -0.5);
  EXPECT_EQ(w.Diagram1->GetXmax(), 0.5);
  EXPECT_EQ(w.Diagram1->GetYmin(), -1);
  EXPECT_EQ(w.Diagram1->GetYmax(), 1);
  w.close();
}

TEST(DiagramIncrease, FirstShowPlacesTheDiagramAndUpDowns) {
  TDiagramIncrease w;
  w.show();
  QApplication::processEvents();
  const TDiagram& d = *w.Diagram1;
  const QSize area = w.ScrollBox1->viewport()->size();
  EXPECT_EQ(d.geometry(), QRect(21, 5, area.width() - 36, area.height() - 26));
  EXPECT_EQ(w.UpDown1->pos(), QPoint(5, 5 + d.Get_yb_net()));
  EXPECT_EQ(w.UpDown2->pos(), QPoint(5, 5 + d.Get_ye_net() - 41));
  EXPECT_EQ(w.UpDown3->pos(), QPoint(21 + d.Get_xb_net(), 5 + d.height()));
  EXPECT_EQ(w.UpDown4->pos(), QPoint(21 + d.Get_xe_net() - 41, 5 + d.height()));
  EXPECT_EQ(d.Picture().size(), d.size());
  w.close();
}
