#include "sourcedata/DrawingFile.h"

#include <cmath>
#include <fstream>
#include <new>

#include "numerics/Keeper.h"
#include "platform/FileMessages.h"
#include "sourcedata/ByteOrder.h"

namespace {
constexpr const char* CountTag = "NDraw";
constexpr const char* XminTag = "xxmin";
constexpr const char* XmaxTag = "xxmax";
constexpr const char* XLastTag = "xLast";
constexpr const char* YminTag = "yymin";
constexpr const char* YmaxTag = "yymax";
constexpr const char* LineTag = "LLine";
constexpr int ComparedTagLength = 5;

void PutTag(std::ostream& out, const char* tag) { out.write(tag, DrawingTagSize); }  // with its zero byte

bool TagMatches(std::istream& in, const char* expected) {
  char tag[DrawingTagSize];
  if (!in.read(tag, DrawingTagSize)) return false;
  for (int i = 0; i < ComparedTagLength; ++i)
    if (tag[i] != expected[i]) return false;
  return true;
}

bool GetTaggedDouble(std::istream& in, const char* tag, double& value) {
  return TagMatches(in, tag) && GetDouble(in, value);
}

// Values are read one by one, so the storage grows with the data actually present.
TDrawingStatus ReadSamples(std::istream& in, int32_t count, std::vector<double>& samples) {
  try {
    for (int32_t i = 0; i < count; ++i) {
      double value;
      if (!GetDouble(in, value)) return TDrawingStatus::Damaged;
      samples.push_back(value);
    }
  } catch (const std::bad_alloc&) {
    return TDrawingStatus::NoMemory;
  }
  return TDrawingStatus::Ok;
}
}  // namespace

void WriteDrawing(std::ostream& out, const TDrawingRecord& record) {
  PutTag(out, CountTag);
  PutInt32(out, static_cast<int32_t>(record.Samples.size()));
  PutTag(out, XminTag);
  PutDouble(out, record.Xmin);
  PutTag(out, XmaxTag);
  PutDouble(out, record.Xmax);
  PutTag(out, XLastTag);
  PutDouble(out, record.XLast);
  PutTag(out, YminTag);
  PutDouble(out, record.Ymin);
  PutTag(out, YmaxTag);
  PutDouble(out, record.Ymax);
  PutTag(out, LineTag);
  for (double value : record.Samples) PutDouble(out, value);
}

TDrawingStatus ReadDrawing(std::istream& in, TDrawingRecord& record) {
  TDrawingRecord read;
  int32_t count = 0;
  if (!TagMatches(in, CountTag) || !GetInt32(in, count)) return TDrawingStatus::Damaged;
  if (!GetTaggedDouble(in, XminTag, read.Xmin) || !GetTaggedDouble(in, XmaxTag, read.Xmax) ||
      !GetTaggedDouble(in, XLastTag, read.XLast) || !GetTaggedDouble(in, YminTag, read.Ymin) ||
      !GetTaggedDouble(in, YmaxTag, read.Ymax) || !TagMatches(in, LineTag))
    return TDrawingStatus::Damaged;
  if (count < 0) return TDrawingStatus::Damaged;
  const TDrawingStatus status = ReadSamples(in, count, read.Samples);
  if (status == TDrawingStatus::Ok) record = std::move(read);
  return status;
}

TDrawingStatus WriteDrawingFile(const std::string& path, const TDrawingRecord& record) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return TDrawingStatus::CannotCreate;
  WriteDrawing(out, record);
  out.close();
  return out ? TDrawingStatus::Ok : TDrawingStatus::CannotCreate;
}

TDrawingStatus ReadDrawingFile(const std::string& path, TDrawingRecord& record) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return TDrawingStatus::CannotOpen;
  return ReadDrawing(in, record);
}

bool DrawingValuesUsable(const TDrawingRecord& record) {
  if (!std::isfinite(record.XLast) || !(record.XLast >= record.Xmin)) return false;
  for (double value : record.Samples)
    if (!std::isfinite(value)) return false;
  return true;
}

TMessage DrawingFileMessage(TDrawingStatus status, const std::string& name) {
  switch (status) {
    case TDrawingStatus::Ok:
      return {};
    case TDrawingStatus::CannotCreate:
      return CannotCreateFileJoined(name);
    case TDrawingStatus::CannotOpen:
      return CannotOpenFileMessage(name);
    case TDrawingStatus::Damaged:
      return DamagedFileMessage(name);
    case TDrawingStatus::NoMemory:
      return NoMemoryForFileMessage(name);
  }
  return {};
}

int ResampleDrawing(const TDrawingRecord& record, double pixelStep, double* samples, int capacity) {
  const int stored = static_cast<int>(record.Samples.size());
  if (!samples || capacity <= 0 || stored == 0) return 0;
  if (!std::isfinite(record.Xmin) || !std::isfinite(record.XLast) || record.XLast < record.Xmin) return 0;
  if (stored == 1 || record.XLast == record.Xmin) {
    samples[0] = record.Samples[0];
    return 1;
  }
  TKeeper curve;
  // The keeper only reads the values it borrows.
  curve.SetArray(const_cast<double*>(record.Samples.data()), stored, record.Xmin, record.XLast);
  int count = 0;
  for (double t = record.Xmin; t <= record.XLast && count < capacity; t = t + pixelStep)
    samples[count++] = curve.GetValue(t);
  return count;
}
