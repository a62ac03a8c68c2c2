#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <string>

#include "plotting/DiagramScale.h"

namespace {
std::string Format(int precision, double value) {
  char text[400];
  const int length = FormatAxisNumber(text, sizeof text, precision, value);
  EXPECT_EQ(length, int(std::string(text).size()));
  return text;
}
}  // namespace

TEST(DiagramScale, PrecisionFollowsTheDecadeOfTheWidth) {
  EXPECT_EQ(PrecisionForWidth(10), 0);
  EXPECT_EQ(PrecisionForWidth(9.99), 1);
  EXPECT_EQ(PrecisionForWidth(2), 1);
  EXPECT_EQ(PrecisionForWidth(1), 1);
  EXPECT_EQ(PrecisionForWidth(0.5), 2);
  EXPECT_EQ(PrecisionForWidth(0.05), 3);
  EXPECT_EQ(PrecisionForWidth(0.005), 4);
  EXPECT_EQ(PrecisionForWidth(0.0005), 5);
  EXPECT_EQ(PrecisionForWidth(0.00005), 6);
  EXPECT_EQ(PrecisionForWidth(0.000005), 7);
}

TEST(DiagramScale, GridStepTakesTheFirstFactorThatFits) {
  // [0, 1] over 400 pixels with numbers 30 pixels wide: 11 intervals fit, so 10 of 0.1.
  EXPECT_DOUBLE_EQ(GridStep(0, 1, 400, 30 * 1.2), 0.1);
  // [0, 1000]: 100 with narrow numbers, 200 with wider ones.
  EXPECT_DOUBLE_EQ(GridStep(0, 1000, 400, 30 * 1.2), 100);
  EXPECT_DOUBLE_EQ(GridStep(0, 1000, 400, 45 * 1.2), 200);
  // Plenty of room: the finest factor.
  EXPECT_DOUBLE_EQ(GridStep(0, 1, 2000, 30 * 1.2), 0.05);
  // Ranges below one: the step scales down with the decade.
  EXPECT_NEAR(GridStep(0, 0.05, 400, 36), 0.005, 1e-15);
}

TEST(DiagramScale, GridStepOnANetTooNarrowForAnyFactorStaysCoarseAndPositive) {
  for (double pixels : {0.0, 1.0, 20.0}) {
    const double step = GridStep(0, 7, pixels, 40);
    EXPECT_DOUBLE_EQ(step, 5);
  }
  EXPECT_GT(GridStep(0, 1, 10, 0), 0);  // no number width at all
}

TEST(DiagramScale, FirstGridLineSkipsTheStartOfAPositiveRange) {
  EXPECT_DOUBLE_EQ(FirstGridLine(0.5, 1.5, 0.5), 1.0);
  EXPECT_DOUBLE_EQ(FirstGridLine(-0.5, 0.5, 0.5), -0.5);
  EXPECT_DOUBLE_EQ(FirstGridLine(0, 1, 0.1), 0);
  // A negative start between lines: the line just below it is kept only within eps.
  EXPECT_DOUBLE_EQ(FirstGridLine(-0.75, 1, 0.5), -0.5);
  EXPECT_DOUBLE_EQ(FirstGridLine(-0.999, 1, 0.5), -1.0);
}

TEST(DiagramScale, RangeStepTable) {
  EXPECT_DOUBLE_EQ(RangeStep(2, 1), 0.1);
  EXPECT_DOUBLE_EQ(RangeStep(500, 0), 10);
  EXPECT_DOUBLE_EQ(RangeStep(1000, 0), 1);  // the band edges themselves fall back to 1/10^p
  EXPECT_DOUBLE_EQ(RangeStep(100, 0), 1);
  EXPECT_DOUBLE_EQ(RangeStep(5000, 0), 100);
  EXPECT_DOUBLE_EQ(RangeStep(50000, 0), 1000);
  EXPECT_DOUBLE_EQ(RangeStep(200000, 0), 10000);
  EXPECT_DOUBLE_EQ(RangeStep(2000000, 0), 1);
  EXPECT_DOUBLE_EQ(RangeStep(0.5, 3), 0.001);
}

TEST(DiagramScale, NumbersUseAPointWhateverTheLocale) {
  const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
  for (const char* locale : {"C", "ru_RU.UTF-8", "de_DE.UTF-8"}) {
    std::setlocale(LC_NUMERIC, locale);
    EXPECT_EQ(Format(0, 2.5), "2");  // round half to even, as "%.0f"
    EXPECT_EQ(Format(1, 0.25), "0.2");
    EXPECT_EQ(Format(3, -1.5), "-1.500");
    EXPECT_EQ(Format(7, 1e-7), "0.0000001");
    EXPECT_EQ(Format(9, 123456.0), "1.234560e+05");
    EXPECT_EQ(Format(-1, 0.5), "5.000000e-01");
  }
  std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(DiagramScale, NumberTextNeverOverrunsItsBuffer) {
  char small[5];
  EXPECT_EQ(FormatAxisNumber(small, sizeof small, 7, 1e300), 4);
  EXPECT_EQ(std::string(small).size(), 4u);
  EXPECT_EQ(FormatAxisNumber(nullptr, 10, 1, 1.0), 0);
}

TEST(DiagramScale, PixelsOfWildValuesStayFarOutsideButFinite) {
  EXPECT_EQ(TruncPixel(12.9), 12);
  EXPECT_EQ(TruncPixel(-12.9), -12);
  EXPECT_LT(TruncPixel(std::nan("")), -100000);
  EXPECT_GT(TruncPixel(INFINITY), 100000);
  EXPECT_LT(TruncPixel(-INFINITY), -100000);
  EXPECT_GT(TruncPixel(1e300), 100000);
}

TEST(DiagramScale, ReadoutKeepsFiveSignificantDigitsAndPadsWithZeros) {
  EXPECT_EQ(FormatReadout(1.234567, 3), "1.235");
  EXPECT_EQ(FormatReadout(1.234567, 6), "1.234600");
  EXPECT_EQ(FormatReadout(0.5, 3), "0.500");
  EXPECT_EQ(FormatReadout(0, 2), "0.00");
  EXPECT_EQ(FormatReadout(-12345.678, 2), "-12346.00");
  EXPECT_EQ(FormatReadout(0.000123456789, 9), "0.000123460");
  EXPECT_EQ(FormatReadout(42.0, 0), "42");
  EXPECT_EQ(FormatReadout(123456.0, 2), "1.2346e+05");
  EXPECT_EQ(FormatReadout(99999.7, 1), "1.0000e+05");  // rounding carries into a sixth digit
}
