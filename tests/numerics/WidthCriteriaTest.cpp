#include <gtest/gtest.h>

#include <vector>

#include "numerics/WidthCriteria.h"

namespace {
constexpr long double Step = 0.125L;  // exact, so widths compare exactly

double Width(TWidthCriterion criterion, const std::vector<double>& a, double level = 0.1, double part = 0.99) {
  return SpectrumWidth(criterion, a.data(), unsigned(a.size()), Step, level, part);
}
}  // namespace

TEST(SpectrumWidthAmplitude, FlatSpectrumStaysAboveTheThresholdAndGivesHalf) {
  EXPECT_EQ(Width(TWidthCriterion::Amplitude, std::vector<double>(20, 3.0)), 0.5);
  EXPECT_EQ(AmplitudeWidth(std::vector<double>(20, 3.0).data(), 20, Step, 0.1), 0.0);
}

TEST(SpectrumWidthAmplitude, WidthIsWhereTheSpectrumFallsBelowForGood) {
  // Below the threshold (10 · 0.1 = 1) from 5, above again at 9, below for good from 12.
  const std::vector<double> a = {10, 8, 6, 4, 2, 0.5, 0.4, 0.3, 0.2, 2, 3, 1.5, 1.0, 0.5, 0.2, 0.1};
  EXPECT_EQ(Width(TWidthCriterion::Amplitude, a), 12 * double(Step));
  // The threshold itself counts as quiet; a higher level moves the edge down.
  EXPECT_EQ(Width(TWidthCriterion::Amplitude, a, 0.5), 3 * double(Step));
}

TEST(SpectrumWidthAmplitude, AllZeroOrEmptyGivesHalf) {
  EXPECT_EQ(Width(TWidthCriterion::Amplitude, std::vector<double>(8, 0.0)), 0.5);
  EXPECT_EQ(SpectrumWidth(TWidthCriterion::Amplitude, nullptr, 0, Step, 0.1, 0.99), 0.5);
}

TEST(SpectrumWidthEnergy, LastHarmonicNeededToReachTheFraction) {
  // Energies 9, 16, 0 ...: 99% of 25 needs both lines, so the width is the second's frequency.
  const std::vector<double> a = {3, 4, 0, 0, 0};
  EXPECT_EQ(Width(TWidthCriterion::Energy, a, 0.1, 0.99), 1 * double(Step));
  // Energies 16, 9: half is reached by the first line alone: width 0, which becomes 0.5.
  EXPECT_EQ(Width(TWidthCriterion::Energy, {4, 3}, 0.1, 0.5), 0.5);
  // A ramp: 1+4+9+16 = 30 of 55 reach 0.5, the fourth line (k = 3).
  EXPECT_EQ(Width(TWidthCriterion::Energy, {1, 2, 3, 4, 5}, 0.1, 0.5), 3 * double(Step));
  // The whole energy can need every line; the index never passes the last one.
  EXPECT_EQ(Width(TWidthCriterion::Energy, {1, 1, 1, 1}, 0.1, 0.99), 3 * double(Step));
}

TEST(SpectrumWidthEnergy, AllZeroSpectrumGivesHalfNotAWrappedIndex) {
  EXPECT_EQ(EnergyWidth(std::vector<double>(16, 0.0).data(), 16, Step, 0.99), 0.0);
  EXPECT_EQ(Width(TWidthCriterion::Energy, std::vector<double>(16, 0.0)), 0.5);
  EXPECT_EQ(SpectrumWidth(TWidthCriterion::Energy, nullptr, 0, Step, 0.1, 0.99), 0.5);
}

TEST(SpectrumWidthRectangle, AreaOverHeight) {
  std::vector<double> single(10, 0.0);
  single[0] = 2.5;
  EXPECT_EQ(Width(TWidthCriterion::Rectangle, single), double(Step));
  // A triangle 1, 2, 3, 2, 1: area 9, height 3.
  EXPECT_EQ(Width(TWidthCriterion::Rectangle, {1, 2, 3, 2, 1}), 3 * double(Step));
  EXPECT_EQ(Width(TWidthCriterion::Rectangle, std::vector<double>(6, 0.0)), 1.0);
  EXPECT_EQ(SpectrumWidth(TWidthCriterion::Rectangle, nullptr, 0, Step, 0.1, 0.99), 1.0);
}
