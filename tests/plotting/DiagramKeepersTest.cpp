#include <gtest/gtest.h>

#include "DiagramTestSupport.h"
#include "ScriptedPlatform.h"

namespace {
const QString BaseRefusal = QStringLiteral("Diagram: Попытка удалить базовый график отменена.");

void ExpectConsecutiveNumbers(TDiagram& d) {
  int position = 0;
  for (TKeeper* k = d.GetKeeper(0); k; k = k->GetNext(), ++position) EXPECT_EQ(k->GetNumber(), position);
  EXPECT_EQ(position, d.GetKeeperListLength());
}
}  // namespace

TEST(DiagramKeepers, NewKeeperListNumbersFromZero) {
  TDiagram d;
  d.NewKeeperList(3);
  EXPECT_EQ(d.GetKeeperListLength(), 3);
  ASSERT_NE(d.GetKeeper(2), nullptr);
  EXPECT_EQ(d.GetKeeper(2)->GetNumber(), 2);
  EXPECT_EQ(d.GetKeeper(3), nullptr);
  ExpectConsecutiveNumbers(d);
  d.NewKeeperList(1);
  EXPECT_EQ(d.GetKeeperListLength(), 1);
  d.NewKeeperList(0);
  EXPECT_EQ(d.GetKeeperListLength(), 1);
  d.NewKeeperList(50);
  EXPECT_EQ(d.GetKeeperListLength(), 50);
  ExpectConsecutiveNumbers(d);
}

TEST(DiagramKeepers, NewKeepersAppendWithTheirPosition) {
  TDiagram d;
  EXPECT_EQ(d.NewKeeper(), 1);
  TKeeper* second = d.PNewKeeper();
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second->GetNumber(), 2);
  EXPECT_EQ(d.GetKeeper(2), second);
  EXPECT_TRUE(second->IsShown());
  EXPECT_EQ(second->GetPenWidth(), 2);
}

TEST(DiagramKeepers, DeletingRenumbersTheKeepersAfter) {
  TDiagram d;
  d.NewKeeperList(4);
  TKeeper* third = d.GetKeeper(2);
  TKeeper* fourth = d.GetKeeper(3);
  d.DeleteKeeper(1);
  EXPECT_EQ(d.GetKeeperListLength(), 3);
  EXPECT_EQ(d.GetKeeper(1), third);
  EXPECT_EQ(d.GetKeeper(2), fourth);
  ExpectConsecutiveNumbers(d);
  d.PDeleteKeeper(fourth);
  EXPECT_EQ(d.GetKeeperListLength(), 2);
  EXPECT_TRUE(Scripted().Messages.isEmpty());
}

TEST(DiagramKeepers, BaseKeeperCanNeverBeDeleted) {
  TDiagram d;
  d.NewKeeperList(2);
  d.DeleteKeeper(0);
  d.PDeleteKeeper(d.GetKeeper(0));
  EXPECT_EQ(Scripted().Messages, QStringList({BaseRefusal, BaseRefusal}));
  EXPECT_EQ(d.GetKeeperListLength(), 2);
}

TEST(DiagramKeepers, DeletingWhatIsNotInTheListDoesNothing) {
  TDiagram d, other;
  d.NewKeeperList(3);
  other.NewKeeperList(2);
  TKeeper stranger;
  d.DeleteKeeper(7);
  d.PDeleteKeeper(&stranger);
  d.PDeleteKeeper(other.GetKeeper(1));
  d.PDeleteKeeper(nullptr);
  EXPECT_EQ(d.GetKeeperListLength(), 3);
  EXPECT_EQ(other.GetKeeperListLength(), 2);
  EXPECT_TRUE(Scripted().Messages.isEmpty());
}

TEST(DiagramKeepers, DeleteKeeperListKeepsTheBaseKeepersData) {
  TDiagram d;
  d.GetKeeper(0)->SetConstant(2, 0, 4);
  d.NewKeeperList(5);
  d.DeleteKeeperList();
  EXPECT_EQ(d.GetKeeperListLength(), 1);
  EXPECT_EQ(d.GetKeeper(0)->GetNext(), nullptr);
  EXPECT_EQ(d.GetKeeper(0)->GetXmax(), 4);
}

TEST(DiagramKeepers, ListStopsAtTheLargestNumberAByteHolds) {
  TDiagram d;
  d.NewKeeperList(255);
  EXPECT_EQ(d.GetKeeperListLength(), 255);
  EXPECT_TRUE(Scripted().Messages.isEmpty());
  EXPECT_EQ(d.NewKeeper(), 0);
  EXPECT_EQ(d.PNewKeeper(), nullptr);
  EXPECT_EQ(Scripted().Messages,
            QStringList({QStringLiteral("Diagram: Отказано в выделении памяти при создании графика."),
                         QStringLiteral("Diagram: Hе удалось создать график.")}));
  EXPECT_EQ(d.GetKeeperListLength(), 255);
}

TEST(DiagramKeepers, AutoRangesFromAllKeepers) {
  auto d = MakeDiagram(400, 300);
  d->NewKeeperList(3);
  static double a[] = {-1, 1}, b[] = {0, 3}, c[] = {-2, 0.5};
  d->GetKeeper(0)->SetArray(a, 2, 0, 1);
  d->GetKeeper(1)->SetArray(b, 2, -2, 4);
  d->GetKeeper(2)->SetArray(c, 2, 1, 2);
  d->GetKeeper(2)->Hide();  // hidden keepers count too
  d->AutoRangeY();
  EXPECT_EQ(d->GetYmin(), -2);
  EXPECT_EQ(d->GetYmax(), 3);
  d->AutoRangeYAverage();
  EXPECT_DOUBLE_EQ(d->GetYmin(), -1);
  EXPECT_DOUBLE_EQ(d->GetYmax(), 1.5);
  d->AutoRangeX();
  EXPECT_EQ(d->GetXmin(), -2);
  EXPECT_EQ(d->GetXmax(), 4);
  d->AutoRangeXAverage();
  EXPECT_DOUBLE_EQ(d->GetXmin(), -1.0 / 3);
  EXPECT_DOUBLE_EQ(d->GetXmax(), 7.0 / 3);
}

TEST(DiagramKeepers, AutoRangeXWithTheBaseKeeperAlone) {
  auto d = MakeDiagram(400, 300);
  d->GetKeeper(0)->SetConstant(1, 3, 8);
  d->AutoRangeX();
  EXPECT_EQ(d->GetXmin(), 3);
  EXPECT_EQ(d->GetXmax(), 8);
}
