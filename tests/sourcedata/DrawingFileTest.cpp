#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <limits>
#include <sstream>
#include <vector>

#include "sourcedata/ByteOrder.h"
#include "sourcedata/DrawingFile.h"

namespace {
TDrawingRecord SampleRecord() {
  TDrawingRecord record;
  record.Xmin = -1.5;
  record.Xmax = 8;
  record.XLast = 2.25;
  record.Ymin = -3;
  record.Ymax = 4.5;
  record.Samples = {0, 0.5, -1.25, 3};
  return record;
}

std::string Bytes(const TDrawingRecord& record) {
  std::ostringstream out;
  WriteDrawing(out, record);
  return out.str();
}

TDrawingStatus Read(const std::string& bytes, TDrawingRecord& record) {
  std::istringstream in(bytes);
  return ReadDrawing(in, record);
}

void ExpectSame(const TDrawingRecord& a, const TDrawingRecord& b) {
  EXPECT_EQ(a.Xmin, b.Xmin);
  EXPECT_EQ(a.Xmax, b.Xmax);
  EXPECT_EQ(a.XLast, b.XLast);
  EXPECT_EQ(a.Ymin, b.Ymin);
  EXPECT_EQ(a.Ymax, b.Ymax);
  EXPECT_EQ(a.Samples, b.Samples);
}

// A record that must survive every refused read unchanged.
TDrawingRecord Untouched() {
  TDrawingRecord record;
  record.Xmin = 42;
  record.Samples = {7};
  return record;
}

std::string TempPath(const char* name) { return (std::filesystem::temp_directory_path() / name).string(); }
}  // namespace

TEST(DrawingFile, LayoutOfTheRecord) {
  const std::string bytes = Bytes(SampleRecord());
  ASSERT_EQ(bytes.size(), 86u + 8 * 4);
  const char* tags[] = {"NDraw", "xxmin", "xxmax", "xLast", "yymin", "yymax", "LLine"};
  const int offsets[] = {0, 10, 24, 38, 52, 66, 80};
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(bytes.substr(offsets[i], 5), tags[i]);
    EXPECT_EQ(bytes[offsets[i] + 5], '\0');
  }
  EXPECT_EQ(bytes.substr(6, 4), std::string("\x04\x00\x00\x00", 4));
  // Xmin = -1.5 = 0xBFF8000000000000, little-endian.
  EXPECT_EQ(bytes.substr(16, 8), std::string("\x00\x00\x00\x00\x00\x00\xF8\xBF", 8));
}

TEST(DrawingFile, RoundTripThroughBytesAndThroughAFile) {
  TDrawingRecord read;
  ASSERT_EQ(Read(Bytes(SampleRecord()), read), TDrawingStatus::Ok);
  ExpectSame(read, SampleRecord());

  const std::string path = TempPath("resam_drawing_test.dkr");
  ASSERT_EQ(WriteDrawingFile(path, SampleRecord()), TDrawingStatus::Ok);
  EXPECT_EQ(std::filesystem::file_size(path), 86u + 32);
  TDrawingRecord fromFile;
  ASSERT_EQ(ReadDrawingFile(path, fromFile), TDrawingStatus::Ok);
  ExpectSame(fromFile, SampleRecord());
  std::remove(path.c_str());

  TDrawingRecord empty;
  empty.Samples.clear();
  TDrawingRecord emptyRead = Untouched();
  ASSERT_EQ(Read(Bytes(empty), emptyRead), TDrawingStatus::Ok);
  EXPECT_TRUE(emptyRead.Samples.empty());
}

TEST(DrawingFile, AWrongTagInAnyPositionIsRefusedAndChangesNothing) {
  const std::string good = Bytes(SampleRecord());
  for (int offset : {0, 10, 24, 38, 52, 66, 80}) {
    for (int letter = 0; letter < 5; ++letter) {
      std::string bad = good;
      bad[offset + letter] = static_cast<char>(bad[offset + letter] ^ 0x20);
      TDrawingRecord record = Untouched();
      EXPECT_EQ(Read(bad, record), TDrawingStatus::Damaged) << offset << " " << letter;
      ExpectSame(record, Untouched());
    }
    // Only the first five characters are compared.
    std::string sixth = good;
    sixth[offset + 5] = 'Z';
    TDrawingRecord record;
    EXPECT_EQ(Read(sixth, record), TDrawingStatus::Ok) << offset;
  }
}

TEST(DrawingFile, ShortFilesAreDamagedWhereverTheyEnd) {
  const std::string good = Bytes(SampleRecord());
  for (size_t length = 0; length < good.size(); ++length) {
    TDrawingRecord record = Untouched();
    EXPECT_EQ(Read(good.substr(0, length), record), TDrawingStatus::Damaged) << length;
    ExpectSame(record, Untouched());
  }
  // Bytes after the announced values are not looked at.
  TDrawingRecord record;
  EXPECT_EQ(Read(good + "tail", record), TDrawingStatus::Ok);
  ExpectSame(record, SampleRecord());
}

TEST(DrawingFile, CorruptCountsAreRefusedWithoutAllocatingFromThem) {
  const std::string good = Bytes(SampleRecord());
  for (int32_t count : {-1, std::numeric_limits<int32_t>::min(), 5, std::numeric_limits<int32_t>::max()}) {
    std::ostringstream field;
    PutInt32(field, count);
    std::string bad = good;
    bad.replace(6, 4, field.str());
    TDrawingRecord record = Untouched();
    EXPECT_EQ(Read(bad, record), TDrawingStatus::Damaged) << count;
    ExpectSame(record, Untouched());
  }
}

TEST(DrawingFile, FilesThatCannotBeMadeOrOpened) {
  TDrawingRecord record = Untouched();
  EXPECT_EQ(ReadDrawingFile(TempPath("resam_no_such_drawing.dkr"), record), TDrawingStatus::CannotOpen);
  ExpectSame(record, Untouched());
  EXPECT_EQ(WriteDrawingFile(TempPath("resam_no_such_folder/x.dkr"), SampleRecord()), TDrawingStatus::CannotCreate);
}

TEST(DrawingFile, MessagesNameTheFileAsTheEditorShowsThem) {
  EXPECT_EQ(DrawingFileMessage(TDrawingStatus::Ok, "a.dkr").SourceText(), "");
  EXPECT_EQ(DrawingFileMessage(TDrawingStatus::CannotCreate, "a.dkr").SourceText(), "Не удаётся создать файлa.dkr");
  EXPECT_EQ(DrawingFileMessage(TDrawingStatus::CannotOpen, "a.dkr").SourceText(), "Не удаётся открыть файл a.dkr");
  EXPECT_EQ(DrawingFileMessage(TDrawingStatus::Damaged, "a.dkr").SourceText(),
            "Файл a.dkr повреждён. \n Операция не выполнена");
  EXPECT_EQ(DrawingFileMessage(TDrawingStatus::NoMemory, "a.dkr").SourceText(),
            "Не удаётся открыть файл a.dkr\n Не достаточно памяти.");
}

TEST(DrawingFile, ResamplingKeepsTheCurveAndItsExtentOnANewGrid) {
  TDrawingRecord record;
  record.Xmin = 0;
  record.XLast = 1;
  for (int i = 0; i <= 10; ++i) record.Samples.push_back(2 * i / 10.0);  // y = 2x
  double samples[100];
  const int count = ResampleDrawing(record, 0.04, samples, 100);
  ASSERT_GE(count, 25);
  ASSERT_LE(count, 26);
  for (int i = 0; i < count; ++i) EXPECT_NEAR(samples[i], 2 * (i * 0.04), 1e-12) << i;
  // The capacity bounds the count.
  EXPECT_EQ(ResampleDrawing(record, 0.04, samples, 7), 7);
  EXPECT_EQ(ResampleDrawing(record, 0, samples, 9), 9);
}

TEST(DrawingFile, ResamplingDegenerateRecords) {
  double samples[4] = {-9, -9, -9, -9};
  TDrawingRecord single;
  single.Xmin = single.XLast = 3;
  single.Samples = {1.25};
  EXPECT_EQ(ResampleDrawing(single, 0.1, samples, 4), 1);
  EXPECT_EQ(samples[0], 1.25);
  TDrawingRecord backwards = SampleRecord();
  backwards.XLast = backwards.Xmin - 1;
  EXPECT_EQ(ResampleDrawing(backwards, 0.1, samples, 4), 0);
  TDrawingRecord infinite = SampleRecord();
  infinite.XLast = std::numeric_limits<double>::infinity();
  EXPECT_EQ(ResampleDrawing(infinite, 0.1, samples, 4), 0);
  EXPECT_EQ(ResampleDrawing(TDrawingRecord{}, 0.1, samples, 4), 0);
  EXPECT_EQ(ResampleDrawing(SampleRecord(), 0.1, nullptr, 4), 0);
}
