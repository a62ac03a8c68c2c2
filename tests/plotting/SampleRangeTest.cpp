#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "ScriptedPlatform.h"
#include "plotting/SampleRange.h"

namespace {
struct TReadingCase {
  TKeeperShape Shape;
  double Period;
  unsigned char Symmetry;
};

// The keeper's own reading, number by number: the reference a run's extremes must match.
TSampleExtremes ReadOneByOne(const TKeeper& k, long long from, long long to) {
  TSampleExtremes e;
  for (long long n = from; n <= to; ++n) e.Add(k.GetSample(int(n)));
  return e;
}
}  // namespace

TEST(SampleRange, RunExtremesMatchReadingEveryNumber) {
  static double samples[7] = {0.5, -2, 3, NAN, 1, -0.25, 4};
  const TReadingCase cases[] = {
      {ShapeDiscrete, 0, SymmetryNone},
      {ShapeDiscrete, 0, SymmetryOdd},
      {ShapeHistogram, 0, SymmetryEven},
      {ShapePeriodicDiscrete, 7, SymmetryNone},
      {ShapePeriodicDiscrete, 5, SymmetryOdd},
      {ShapePeriodicDiscrete, 4.5, SymmetryEven},
      {ShapePeriodicDiscrete, 10.5, SymmetryNone},
      {ShapePeriodicDiscrete, 0.5, SymmetryNone},
  };
  std::mt19937 random(18);
  std::uniform_int_distribution<int> start(-60, 60), length(0, 40);
  for (const TReadingCase& c : cases) {
    TKeeper k;
    k.SetArray(samples, 7, 0, 6);
    k.SetShape(c.Shape);
    if (c.Period > 0) k.SetPeriodic(c.Period);
    k.SetShape(c.Shape);
    k.SetSymmetry(c.Symmetry);
    TSampleReader reader(k);
    for (int trial = 0; trial < 300; ++trial) {
      const long long from = start(random), to = from + length(random);
      const TSampleExtremes want = ReadOneByOne(k, from, to), got = reader.Extremes(from, to);
      ASSERT_EQ(got.Any(), want.Any()) << int(c.Shape) << " " << c.Period << " " << from << ".." << to;
      if (want.Any()) {
        EXPECT_EQ(got.Lo, want.Lo) << int(c.Shape) << " " << c.Period << " " << from << ".." << to;
        EXPECT_EQ(got.Hi, want.Hi) << int(c.Shape) << " " << c.Period << " " << from << ".." << to;
      }
      const double one = k.GetSample(int(from));
      EXPECT_TRUE(std::isnan(one) ? std::isnan(reader.Read(from)) : reader.Read(from) == one);
    }
    // Numbers far beyond an int read by the same rules: a whole period, or 0 beyond the data.
    const TSampleExtremes far = reader.Extremes(-(1LL << 40), -(1LL << 40) + 100);
    const TSampleExtremes near = reader.Extremes(-700, -600);
    EXPECT_EQ(far.Lo, near.Lo) << int(c.Shape) << " " << c.Period;
    EXPECT_EQ(far.Hi, near.Hi) << int(c.Shape) << " " << c.Period;
  }
  EXPECT_TRUE(Scripted().Messages.isEmpty());
}

TEST(SampleRange, NumbersInViewFoundByDivisionAtAnyDistance) {
  struct TRangeCase {
    double Xmin, Step, Lo, Hi;
    long long First, Last;
  };
  const TRangeCase cases[] = {
      {0, 0.1, 0.25, 0.55, 3, 5},
      {0, 0.25, -0.75, 0.75, -3, 3},  // the ends themselves are positions
      {0, 1.0 / 1024, -1e5, 1e5, -102400000, 102400000},
      {0, 1.0 / 1024, 1e5 - 1.0 / 2048, 1e5, 102400000, 102400000},
      {1, 0.5, 1.1, 1.4, 1, 0},  // none between two positions
  };
  for (const TRangeCase& c : cases) {
    long long a = 0, b = -1;
    const bool any = SampleNumberRange(c.Xmin, c.Step, c.Lo, c.Hi, a, b);
    EXPECT_EQ(any, c.First <= c.Last) << c.Lo;
    if (!any) continue;
    EXPECT_EQ(a, c.First) << c.Lo;
    EXPECT_EQ(b, c.Last) << c.Lo;
  }
}
