// The coverage of a stroked curve against the pixels' share of the ideal thick line, counted by
// supersampling each pixel.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "plotting/CurveCoverage.h"

namespace {
constexpr int Rows = 400, Subsamples = 16;

// The share of pixel (column, row) within `half` of the infinite line through (x0, y0) with
// the given slope, by counting subsamples.
double SupersampledShare(double x0, double y0, double slope, double half, int column, int row) {
  const double norm = std::sqrt(1 + slope * slope);
  int inside = 0;
  for (int i = 0; i < Subsamples; ++i)
    for (int j = 0; j < Subsamples; ++j) {
      const double x = column + (i + 0.5) / Subsamples, y = row + (j + 0.5) / Subsamples;
      inside += std::fabs(y - y0 - slope * (x - x0)) / norm <= half;
    }
  return double(inside) / (Subsamples * Subsamples);
}
}  // namespace

// Away from the ends, every pixel of a straight line of any slope and width is covered by the
// share of it the ideal thick line covers: level, gentle, diagonal and steep lines alike.
TEST(CurveCoverage, AStraightLineCoversEachPixelByItsShareOfTheThickLine) {
  for (const double slope : {0.0, 0.3, -0.8, 1.0, 2.5, -7.0, 20.0})
    for (const double half : {0.5, 1.0, 2.0}) {
      const std::string name = "slope " + std::to_string(slope) + " half " + std::to_string(half);
      std::vector<TCurvePoint> points;
      const double x0 = 10.5, y0 = slope < 0 ? 390.25 : 5.25;
      const int count = std::min(60, int(300 / std::max(1.0, std::fabs(slope))));
      for (int i = 0; i < count; ++i) points.push_back({x0 + i, y0 + slope * i});
      TCurveCoverage coverage;
      coverage.Reset(points.data(), int(points.size()), half, Rows);
      double worst = 0;
      int worstColumn = 0, worstRow = 0;
      // Columns well inside the line, where its ends have no say.
      for (int column = int(x0) + 4; column < int(x0) + count - 5; ++column) {
        coverage.Cover(column);
        for (int row = 0; row < Rows; ++row) {
          const double got = row >= coverage.Top() && row < coverage.Bottom() ? coverage.At(row) : 0.0;
          const double error = std::fabs(got - SupersampledShare(x0, y0, slope, half, column, row));
          if (error > worst) worst = error, worstColumn = column, worstRow = row;
        }
      }
      EXPECT_LE(worst, 0.07) << name << " at column " << worstColumn << " row " << worstRow;
    }
}

// A polyline's ends and corners are closed: a peak's tip and both ends are inked within half the
// pen's width of their points, and nothing lies beyond the pen's reach.
TEST(CurveCoverage, EndsAndCornersAreInkedWithinThePensReach) {
  const std::vector<TCurvePoint> points = {{20.5, 200.5}, {21.5, 150.5}, {22.5, 100.5}, {23.5, 150.5}, {24.5, 150.5}};
  const double half = 1;
  TCurveCoverage coverage;
  coverage.Reset(points.data(), int(points.size()), half, Rows);
  const auto at = [&](int column, int row) {
    coverage.Cover(column);
    return row >= coverage.Top() && row < coverage.Bottom() ? coverage.At(row) : 0.0f;
  };
  EXPECT_GT(at(20, 200), 0.9);  // the first point
  EXPECT_GT(at(22, 100), 0.9);  // the peak
  EXPECT_GT(at(22, 99), 0.4);   // the tip reaches half the pen's width beyond it
  EXPECT_GT(at(24, 150), 0.9);  // the last point
  for (int column = coverage.FirstColumn() - 3; column < coverage.EndColumn() + 3; ++column) {
    coverage.Cover(column);
    for (int row = coverage.Top(); row < coverage.Bottom(); ++row)
      if (coverage.At(row) > 0) {
        EXPECT_GE(row, 100 - 2) << column;
        EXPECT_LE(row, 200 + 2) << column;
        EXPECT_GE(column, 20 - 2);
        EXPECT_LE(column, 24 + 2);
      }
  }
}

// Columns whose points lie alike are worked out once and shifted by whole rows: every column of
// curves on the pixel lattice (level runs with steps, a zigzag, a steep peak, one at the picture's
// top edge) and off it, covered one after another by one coverage, is covered as a coverage that
// has seen nothing else works it out.
TEST(CurveCoverage, ARememberedColumnCoversAsItsOwnWorkingOut) {
  const auto curve = [](double offset, double (*shape)(int)) {
    std::vector<TCurvePoint> points;
    for (int i = 0; i < 120; ++i) points.push_back({5.5 + i, offset + shape(i)});
    return points;
  };
  const std::vector<std::vector<TCurvePoint>> curves = {
      curve(200.5, [](int i) { return double((i / 7) % 3); }),
      curve(100.5, [](int i) { return double(i % 2 == 0 ? 0 : 3); }),
      curve(300.0, [](int i) { return -std::fabs(60.0 - i) * 4; }),
      curve(0.5, [](int i) { return double(i % 4); }),
      curve(150.3, [](int i) { return 0.37 * (i % 5); }),
      curve(200.5, [](int i) { return double((i / 7) % 3); }),
  };
  for (const double half : {0.5, 1.0}) {
    TCurveCoverage kept;
    for (size_t c = 0; c < curves.size(); ++c) {
      const std::vector<TCurvePoint>& points = curves[c];
      kept.Reset(points.data(), int(points.size()), half, Rows);
      for (int column = kept.FirstColumn(); column < kept.EndColumn(); ++column) {
        TCurveCoverage fresh;
        fresh.Reset(points.data(), int(points.size()), half, Rows);
        fresh.Cover(column);
        kept.Cover(column);
        for (int row = 0; row < Rows; ++row) {
          const auto at = [row](const TCurveCoverage& k) {
            return row >= k.Top() && row < k.Bottom() ? k.At(row) : 0.0f;
          };
          ASSERT_NEAR(at(kept), at(fresh), 1e-5)
              << "curve " << c << " half " << half << " column " << column << " row " << row;
        }
      }
    }
  }
}
