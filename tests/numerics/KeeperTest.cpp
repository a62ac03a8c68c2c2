#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "ScriptedPlatform.h"
#include "numerics/Keeper.h"

namespace {
const QString ZeroCount =
    QStringLiteral("Keeper: Hулевое значение числа отсчётов при инициализации графика. Инициализация не выполнена.");
const QString EqualBounds = QStringLiteral(
    "DiagramKeeper: Неверно заданы минимальное и максимальное \n значения аргумента при инициализации графика.");
const QString DiscreteAsContinuous = QStringLiteral("Keeper:Попытка считать дискретный график как непрерывный");
const QString ContinuousAsDiscrete = QStringLiteral("Keeper:Попытка считать непрерывный график как дискретный");

double Flat(double) { return 3.0; }
double Square(double x) { return x * x; }
}  // namespace

TEST(KeeperDefaults, AnEmptyKeeperReadsZeroOnMinusOneToOne) {
  TKeeper k;
  EXPECT_EQ(k.GetXmin(), -1);
  EXPECT_EQ(k.GetXmax(), 1);
  EXPECT_EQ(k.GetStep(), 0.1);
  EXPECT_EQ(k.GetPenWidth(), 2);
  EXPECT_TRUE(k.IsShown());
  EXPECT_EQ(k.GetValue(0.3), 0);
  EXPECT_TRUE(Scripted().Messages.isEmpty());
}

TEST(KeeperInit, RefusedInitialisationKeepsTheSeriesAndSaysWhy) {
  double a[] = {0, 1, 0};
  TKeeper k;
  k.SetArray(a, 3, 0, 2);
  k.SetColor(255);
  k.SetArray(a, 0, 5, 9);
  k.SetArray(a, 3, 4, 4);
  ASSERT_EQ(Scripted().Messages, QStringList({ZeroCount, EqualBounds}));
  EXPECT_EQ(k.GetXmin(), 0);
  EXPECT_EQ(k.GetXmax(), 2);
  EXPECT_EQ(k.GetCount(), 3);
  EXPECT_EQ(k.GetValue(1), 1);
  EXPECT_EQ(k.GetColor(), 255);
}

TEST(KeeperInit, ReversedBoundsAreOrderedAndGiveTheStep) {
  double a[5] = {};
  TKeeper k;
  k.SetArray(a, 5, 2, 0);
  EXPECT_EQ(k.GetXmin(), 0);
  EXPECT_EQ(k.GetXmax(), 2);
  EXPECT_EQ(k.GetStep(), 0.5);
}

TEST(KeeperInit, FlatSeriesAreWidenedButConstantsAreNot) {
  TKeeper k;
  k.SetFunction(Flat, 10, 0, 1);
  EXPECT_EQ(k.GetYmin(), 3);
  EXPECT_EQ(k.GetYmax(), 3 + 1e-5);
  double a[] = {2, 2, 2};
  k.SetArray(a, 3, 0, 1);
  EXPECT_EQ(k.GetYmax(), 2 + 1e-5);
  k.SetConstant(0, 0, 1);
  EXPECT_EQ(k.GetYmin(), 0);
  EXPECT_EQ(k.GetYmax(), 0);
  k.SetConstant(-10, 0, 1);
  EXPECT_EQ(k.GetYmin(), -9);  // a negative constant keeps ymin above ymax
  EXPECT_EQ(k.GetYmax(), -11);
  EXPECT_EQ(k.GetCount(), 10);
}

TEST(KeeperInit, InitialisationResetsShapeScaleAndPeriodButKeepsAttributes) {
  double a[] = {1, 2};
  TKeeper k;
  k.SetSymmetry(SymmetryOdd);
  k.SetMarkers(true);
  k.SetColor(0xFF0000);
  k.Hide();
  k.SetArray(a, 2, 0, 1);
  k.SetPeriodic(4);
  k.SetScale(3);
  k.SetFunction(Square, 5, 0, 1);
  EXPECT_EQ(k.GetShape(), ShapeContinuous);
  EXPECT_EQ(k.GetPeriod(), 0);
  EXPECT_EQ(k.GetScale(), 1);
  EXPECT_EQ(k.GetSymmetry(), SymmetryOdd);
  EXPECT_TRUE(k.GetMarkers());
  EXPECT_EQ(k.GetColor(), 0xFF0000);
  EXPECT_FALSE(k.IsShown());
}

TEST(KeeperReading, ArraySeriesInterpolatesLinearlyAndIsZeroOutside) {
  double a[] = {0, 1, 0};
  TKeeper k;
  k.SetArray(a, 3, 0, 2);
  EXPECT_DOUBLE_EQ(k.GetValue(0.5), 0.5);
  EXPECT_EQ(k.GetValue(1), 1);
  EXPECT_EQ(k.GetValue(2), 0);
  EXPECT_EQ(k.GetValue(std::nextafter(2.0, 3.0)), 0);
  EXPECT_EQ(k.GetValue(-0.1), 0);
  EXPECT_EQ(k.GetValue(std::numeric_limits<double>::quiet_NaN()), 0);
  EXPECT_EQ(k.GetValue(std::numeric_limits<double>::infinity()), 0);
  EXPECT_TRUE(Scripted().Messages.isEmpty());
}

TEST(KeeperReading, EvenAndOddContinuationMirrorAtXmin) {
  double a[] = {0, 1, 0};
  TKeeper k;
  k.SetArray(a, 3, 0, 2);
  k.SetSymmetry(SymmetryEven);
  EXPECT_DOUBLE_EQ(k.GetValue(-0.1), 0.1);
  EXPECT_DOUBLE_EQ(k.GetValue(-1), 1);
  k.SetSymmetry(SymmetryOdd);
  EXPECT_DOUBLE_EQ(k.GetValue(-0.1), -0.1);
  EXPECT_DOUBLE_EQ(k.GetValue(-1), -1);

  TKeeper c;
  c.SetConstant(2, 0, 1);
  c.SetSymmetry(SymmetryOdd);
  EXPECT_EQ(c.GetValue(0), -2);  // at xmin itself the odd continuation already negates
  EXPECT_EQ(c.GetValue(0.5), 2);
}

TEST(KeeperReading, BorrowedArrayIsReadInPlace) {
  double a[] = {0, 1, 0};
  TKeeper k;
  k.SetArray(a, 3, 0, 2);
  a[1] = 4;
  EXPECT_EQ(k.GetValue(1), 4);
  EXPECT_DOUBLE_EQ(k.GetValue(0.5), 2);
  k.SetScale(0);  // ignored
  k.SetScale(-0.5);
  EXPECT_EQ(k.GetValue(1), -2);
}

TEST(KeeperReading, FunctionAndConstantSeriesAreScaled) {
  TKeeper k;
  k.SetFunction(Square, 11, 0, 1);
  k.SetScale(2);
  EXPECT_DOUBLE_EQ(k.GetValue(0.3), 0.18);
  EXPECT_DOUBLE_EQ(k.GetYmax(), 1);
  k.SetConstant(5, 0, 1);
  EXPECT_EQ(k.GetValue(0.7), 5);
}

TEST(KeeperPeriodic, PeriodIsNeverShorterThanTheInterval) {
  TKeeper k;
  k.SetConstant(1, 0, 2);
  k.SetPeriodic(0.5);
  EXPECT_EQ(k.GetPeriod(), 2);
  k.SetPeriodic(-3);
  EXPECT_EQ(k.GetPeriod(), 3);
  EXPECT_EQ(k.GetShape(), ShapePeriodic);
}

TEST(KeeperPeriodic, ContinuousReadingFoldsByThePeriod) {
  double a[] = {0, 1, 2, 3, 4};
  TKeeper k;
  k.SetArray(a, 5, 0, 4);
  k.SetPeriodic(4);
  EXPECT_DOUBLE_EQ(k.GetValue(5.5), 1.5);
  EXPECT_DOUBLE_EQ(k.GetValue(-0.5), 3.5);
  EXPECT_DOUBLE_EQ(k.GetValue(-402.5), 1.5);
  k.SetPeriodic(6);  // beyond xmax the fold lands in the gap and is clamped to xmax
  EXPECT_EQ(k.GetValue(5), 4);
}

TEST(KeeperDiscrete, WrongKindOfReadingSaysSoAndReturnsZero) {
  double a[] = {1, 2, 3};
  TKeeper k;
  k.SetArray(a, 3, 0, 2);
  EXPECT_EQ(k.GetSample(1), 0);
  k.SetDiscrete();
  EXPECT_EQ(k.GetValue(1), 0);
  EXPECT_EQ(Scripted().Messages, QStringList({ContinuousAsDiscrete, DiscreteAsContinuous}));
  Scripted().Messages.clear();
  EXPECT_EQ(k.GetSample(1), 2);
  EXPECT_EQ(k.GetSample(-1), 0);
  EXPECT_EQ(k.GetSample(3), 0);
  EXPECT_EQ(k.GetSample(std::numeric_limits<int>::min()), 0);
  EXPECT_TRUE(Scripted().Messages.isEmpty());
  k.SetShape(ShapeHistogram);  // a histogram answers both kinds of reading
  EXPECT_EQ(k.GetSample(2), 3);
  EXPECT_DOUBLE_EQ(k.GetValue(1.5), 2.5);
}

TEST(KeeperDiscrete, SymmetryMirrorsSampleNumbers) {
  double a[] = {1, 2, 3};
  TKeeper k;
  k.SetArray(a, 3, 0, 2);
  k.SetDiscrete();
  k.SetSymmetry(SymmetryEven);
  EXPECT_EQ(k.GetSample(-2), 3);
  k.SetSymmetry(SymmetryOdd);
  EXPECT_EQ(k.GetSample(-2), -3);
}

TEST(KeeperDiscrete, FunctionSamplesSitOnTheGrid) {
  TKeeper k;
  k.SetFunction(Square, 5, 0, 2);
  k.SetDiscrete();
  EXPECT_DOUBLE_EQ(k.GetSample(3), 2.25);
}

TEST(KeeperDiscrete, PeriodicSamplesFoldByTheWholePeriod) {
  double a[] = {10, 11, 12, 13};
  TKeeper k;
  k.SetArray(a, 4, 0, 3);
  k.SetPeriodic(4);  // period 4 samples long
  k.SetShape(ShapePeriodicDiscrete);
  EXPECT_EQ(k.GetSample(5), 11);
  EXPECT_EQ(k.GetSample(4), 10);
  EXPECT_EQ(k.GetSample(-1), 13);
  EXPECT_EQ(k.GetSample(2000000001), 11);
  EXPECT_EQ(k.GetSample(-2000000003), 11);
}

TEST(KeeperDiscrete, PeriodicWithPeriodShorterThanOneSampleDoesNotHang) {
  double a[] = {10, 11};
  TKeeper k;
  k.SetArray(a, 2, 0, 0.5);
  k.SetShape(ShapePeriodicDiscrete);  // period 0: nothing to fold by
  EXPECT_EQ(k.GetSample(1), 11);
  EXPECT_EQ(k.GetSample(7), 0);
  EXPECT_EQ(k.GetSample(-7), 0);
}

TEST(KeeperSingleSample, StepIsTheWholeIntervalAndReadingIsFinite) {
  double a[] = {4};
  TKeeper k;
  k.SetArray(a, 1, 0, 2);
  EXPECT_EQ(k.GetStep(), 2);
  EXPECT_EQ(k.GetValue(0), 4);
  EXPECT_DOUBLE_EQ(k.GetValue(1), 2);
  EXPECT_EQ(k.GetValue(2), 0);
}

TEST(KeeperInit, NonFiniteBoundsAreRefusedLikeEqualOnes) {
  double a[] = {1, 2, 3};
  TKeeper k;
  k.SetArray(a, 3, 0, 2);
  k.SetArray(a, 3, 0, std::numeric_limits<double>::infinity());
  k.SetArray(a, 3, std::numeric_limits<double>::quiet_NaN(), 1);
  EXPECT_EQ(Scripted().Messages, QStringList({EqualBounds, EqualBounds}));
  EXPECT_EQ(k.GetXmax(), 2);
  EXPECT_DOUBLE_EQ(k.GetValue(1.5), 2.5);
}
