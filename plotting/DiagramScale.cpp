#include "plotting/DiagramScale.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <iterator>

namespace {
constexpr double GridFactors[] = {0.05, 0.1, 0.2, 0.5, 1, 2, 5};
constexpr int MaxFixedPrecision = 7;
constexpr double GridToleranceShare = 0.001;
// Far enough outside any picture, small enough that pixel arithmetic never overflows.
constexpr double PixelBound = 1 << 24;

struct TPrecisionBand {
  double From;
  int Precision;
};
constexpr TPrecisionBand PrecisionBands[] = {{10, 0},    {1, 1},      {0.1, 2},    {0.01, 3},
                                             {0.001, 4}, {0.0001, 5}, {0.00001, 6}};

struct TRangeStepBand {
  double Above, Below, Step;
};
constexpr TRangeStepBand RangeStepBands[] = {
    {100, 1000, 10}, {1000, 10000, 100}, {10000, 100000, 1000}, {100000, 1000000, 10000}};
}  // namespace

int PrecisionForWidth(double d) {
  for (const TPrecisionBand& band : PrecisionBands)
    if (d >= band.From) return band.Precision;
  return MaxFixedPrecision;
}

double GridStep(double vmin, double vmax, double pixels, double perInterval) {
  const double d = vmax - vmin;
  const double L = std::log10(d);
  const double scaleDown = std::pow(10.0, std::trunc(-L));
  const double room = pixels / std::max(perInterval, 1.0);
  double factor = GridFactors[std::size(GridFactors) - 1];
  for (double f : GridFactors) {
    if (room >= scaleDown * d / f) {
      factor = f;
      break;
    }
  }
  return std::pow(10.0, std::trunc(L)) * factor;
}

double GridTolerance(double vmin, double vmax) { return (vmax - vmin) * GridToleranceShare; }

double FirstGridLine(double vmin, double vmax, double step) {
  const double eps = GridTolerance(vmin, vmax);
  if (vmin > 0) return (std::trunc(vmin / step) + 1) * step;
  double x = (std::trunc(vmin / step) - 1) * step;
  if (vmin - eps > x) x = std::trunc(vmin / step) * step;
  return x;
}

double RangeStep(double w, int precision) {
  for (const TRangeStepBand& band : RangeStepBands)
    if (band.Above < w && w < band.Below) return band.Step;
  return 1 / std::pow(10.0, precision);
}

int FormatAxisNumber(char* buffer, std::size_t size, int precision, double value) {
  if (!buffer || size == 0) return 0;
  // Wide enough for any double in fixed form with 7 decimals.
  char text[400];
  std::to_chars_result result;
  if (precision >= 0 && precision <= MaxFixedPrecision)
    result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, precision);
  else
    result = std::to_chars(text, text + sizeof text, value, std::chars_format::scientific, 6);
  std::size_t length = result.ec == std::errc() ? std::size_t(result.ptr - text) : 0;
  length = std::min(length, size - 1);
  std::memcpy(buffer, text, length);
  buffer[length] = '\0';
  return int(length);
}

int TruncPixel(double v) {
  if (!(v > -PixelBound)) return -int(PixelBound);
  if (v > PixelBound) return int(PixelBound);
  return int(v);
}

namespace {
constexpr int ReadoutDigits = 5;
constexpr int ReadoutExponentDecimals = ReadoutDigits - 1;

std::string ToChars(double value, std::chars_format format, int precision) {
  char text[400];
  const auto result = std::to_chars(text, text + sizeof text, value, format, precision);
  return result.ec == std::errc() ? std::string(text, result.ptr) : std::string();
}

int DigitsBeforePoint(const std::string& fixed) {
  int digits = 0;
  for (char c : fixed) {
    if (c == '.') break;
    if (c >= '0' && c <= '9') ++digits;
  }
  return digits;
}
}  // namespace

std::string FormatReadout(double value, int decimals) {
  decimals = std::max(0, decimals);
  if (!std::isfinite(value)) return ToChars(value, std::chars_format::general, ReadoutDigits);
  int before = value == 0 ? 1 : int(std::floor(std::log10(std::fabs(value)))) + 1;
  if (before > ReadoutDigits) return ToChars(value, std::chars_format::scientific, ReadoutExponentDecimals);
  const int rounded = std::min(decimals, ReadoutDigits - before);
  std::string text = ToChars(value, std::chars_format::fixed, rounded);
  // Rounding may carry into a sixth digit before the point.
  if (DigitsBeforePoint(text) > ReadoutDigits)
    return ToChars(value, std::chars_format::scientific, ReadoutExponentDecimals);
  if (rounded < decimals) {
    if (rounded == 0) text += '.';
    text.append(std::size_t(decimals - rounded), '0');
  }
  return text;
}
