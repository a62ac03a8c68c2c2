#include "FuzzReaders.h"

#include <QCoreApplication>
#include <QLocale>
#include <QString>
#include <cmath>
#include <cstring>
#include <sstream>
#include <vector>

#include "sourcedata/DrawingFile.h"
#include "sourcedata/TableFile.h"
#include "widgets/Comfun.h"
#include "widgets/EditFloatUnit.h"

namespace {
constexpr size_t DoubleSize = 8;
constexpr size_t DrawingCountOffset = 6;
// Offsets of the header's doubles: each follows a six-byte tag.
constexpr size_t DrawingFieldOffsets[] = {16, 30, 44, 58, 72};
constexpr int ResampleCapacity = 600;
constexpr int ResamplePixels = 500;
constexpr double FixedSlack = 1e-15;      // relative: the last digit of a long fixed text
constexpr double ScientificSlack = 5e-6;  // relative: "%e" keeps six decimals
constexpr unsigned MaxFixedDecimals = 7;

// Decoded here byte by byte, apart from the program's own reader, as the file defines it.
double LittleEndianDouble(const uint8_t* p) {
  uint64_t bits = 0;
  for (int i = 7; i >= 0; --i) bits = bits << 8 | p[i];
  double value;
  std::memcpy(&value, &bits, DoubleSize);
  return value;
}

int32_t LittleEndianInt32(const uint8_t* p) {
  const uint32_t bits = uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
  int32_t value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

bool SameBits(double a, double b) { return std::memcmp(&a, &b, DoubleSize) == 0; }

bool SameRecord(const TDrawingRecord& a, const TDrawingRecord& b) {
  if (!SameBits(a.Xmin, b.Xmin) || !SameBits(a.Xmax, b.Xmax) || !SameBits(a.XLast, b.XLast) ||
      !SameBits(a.Ymin, b.Ymin) || !SameBits(a.Ymax, b.Ymax) || a.Samples.size() != b.Samples.size())
    return false;
  for (size_t i = 0; i < a.Samples.size(); ++i)
    if (!SameBits(a.Samples[i], b.Samples[i])) return false;
  return true;
}

std::string CheckReadDrawing(const uint8_t* data, size_t size, const TDrawingRecord& record) {
  const size_t count = record.Samples.size();
  if (size < DrawingHeaderSize + DoubleSize * count) return "more values than the data holds";
  if (LittleEndianInt32(data + DrawingCountOffset) != int32_t(count)) return "count differs from the file's";
  const double fields[] = {record.Xmin, record.Xmax, record.XLast, record.Ymin, record.Ymax};
  for (size_t i = 0; i < std::size(fields); ++i)
    if (!SameBits(fields[i], LittleEndianDouble(data + DrawingFieldOffsets[i]))) return "a header field misread";
  for (size_t i = 0; i < count; ++i)
    if (!SameBits(record.Samples[i], LittleEndianDouble(data + DrawingHeaderSize + DoubleSize * i)))
      return "a sample misread";
  return "";
}

std::string CheckDrawingRoundTrip(const TDrawingRecord& record) {
  std::ostringstream out;
  WriteDrawing(out, record);
  if (out.str().size() != DrawingHeaderSize + DoubleSize * record.Samples.size()) return "written size wrong";
  std::istringstream in(out.str());
  TDrawingRecord again;
  if (ReadDrawing(in, again) != TDrawingStatus::Ok || !SameRecord(record, again)) return "round trip differs";
  return "";
}

std::string CheckResample(const TDrawingRecord& record) {
  double samples[ResampleCapacity];
  const double step = (record.Xmax - record.Xmin) / ResamplePixels;
  const int n = ResampleDrawing(record, step, samples, ResampleCapacity);
  if (n < 0 || n > ResampleCapacity) return "resampled count out of range";
  return "";
}

std::string CheckTableRead(const uint8_t* data, size_t size, int capacity) {
  constexpr int Guard = 4;
  constexpr double GuardValue = -12345.5;
  std::vector<double> values(MaxTableValues + Guard, GuardValue);
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  const int count = ReadTable(in, values.data(), capacity);
  const long long expected =
      std::max(0LL, std::min<long long>({(long long)(size / DoubleSize), capacity, MaxTableValues}));
  if (count != expected) return "count " + std::to_string(count) + " instead of " + std::to_string(expected);
  for (int i = 0; i < count; ++i)
    if (!SameBits(values[i], LittleEndianDouble(data + DoubleSize * i))) return "a value misread";
  for (size_t i = size_t(count); i < values.size(); ++i)
    if (!SameBits(values[i], GuardValue)) return "written past the values read";
  std::ostringstream out;
  WriteTable(out, values.data(), count);
  if (out.str() != std::string(reinterpret_cast<const char*>(data), DoubleSize * count)) return "round trip differs";
  return "";
}

// Replacing the first separator changes at most that one character.
std::string CheckSeparatorSwaps(const QString& text) {
  QString comma, point;
  PointToComma(text, comma);
  CommaToPoint(text, point);
  if (comma.size() != text.size() || point.size() != text.size()) return "separator swap changed the length";
  int changed = 0;
  for (qsizetype i = 0; i < text.size(); ++i) changed += (comma[i] != text[i]) + (point[i] != text[i]);
  if (changed > 2) return "separator swap changed more than one character";
  return "";
}

std::string CheckTextToDouble(const QString& text) {
  double value = 1.5;
  const bool ok = TextToDouble(text, value);
  if (ok && !std::isfinite(value)) return "a text read as a non-finite number";
  if (!ok && value != 0.0) return "an unreadable text did not give 0";
  return "";
}

// What FormatFixed writes, TextToDouble reads back, to the precision written.
std::string CheckFormatRoundTrip(double value, unsigned decimals) {
  QString text;
  FormatFixed(decimals, text, value);
  if (!std::isfinite(value)) return "";
  if (text.contains(QLatin1Char('.'))) return "a point in a formatted number";
  double back = 0;
  if (!TextToDouble(text, back)) {
    // Below the smallest normal double the exponent form may not read back; nothing else may fail.
    if (std::fabs(value) < 1e-300) return "";
    return "formatted text unreadable: " + text.toStdString();
  }
  const bool fixed = decimals <= MaxFixedDecimals;
  const double allowed = fixed ? 0.5 * std::pow(10.0, -double(decimals)) * (1 + 1e-9) + std::fabs(value) * FixedSlack
                               : std::fabs(value) * ScientificSlack;
  if (!(std::fabs(back - value) <= allowed)) return "formatted text reads back wrong: " + text.toStdString();
  return "";
}

// One control for every input, as a window keeps it; deleted while the application still
// exists, or the font data it holds is reported as leaked when the program ends.
TEditFloat* FuzzEdit = nullptr;
void DeleteFuzzEdit() {
  delete FuzzEdit;
  FuzzEdit = nullptr;
}

std::string CheckEditFloat(const QString& text) {
  if (!FuzzEdit) {
    FuzzEdit = new TEditFloat;
    qAddPostRoutine(DeleteFuzzEdit);
  }
  TEditFloat* edit = FuzzEdit;
  edit->setText(text);
  if (!edit->TextToVal()) return "";
  if (!std::isfinite(edit->Val())) return "the entry control took a non-finite value";
  return "";
}

std::string FirstFault(std::initializer_list<std::string> results) {
  for (const std::string& r : results)
    if (!r.empty()) return r;
  return "";
}
}  // namespace

std::string FuzzDrawingReader(const uint8_t* data, size_t size) {
  TDrawingRecord record;
  record.Samples = {1, 2, 3};
  const TDrawingRecord before = record;
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  const TDrawingStatus status = ReadDrawing(in, record);
  if (status != TDrawingStatus::Ok) return SameRecord(record, before) ? "" : "a refused file changed the record";
  return FirstFault({CheckReadDrawing(data, size, record), CheckDrawingRoundTrip(record), CheckResample(record)});
}

std::string FuzzTableReader(const uint8_t* data, size_t size) {
  // The table's own capacity, then a smaller one and a nonsensical one taken from the size.
  const int capacities[] = {MaxTableValues, int(size % 17), -int(size % 3)};
  for (int capacity : capacities)
    if (std::string fault = CheckTableRead(data, size, capacity); !fault.empty()) return fault;
  return "";
}

std::string FuzzNumberTexts(const uint8_t* data, size_t size) {
  if (size == 0) return "";
  QLocale::setDefault(data[0] % 2 ? QLocale::c() : QLocale(QLocale::Russian, QLocale::Russia));
  const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
  std::string fault = FirstFault({CheckSeparatorSwaps(text), CheckTextToDouble(text), CheckEditFloat(text)});
  if (fault.empty() && size > DoubleSize) fault = CheckFormatRoundTrip(LittleEndianDouble(data + 1), data[0] / 2 % 10);
  return fault;
}
