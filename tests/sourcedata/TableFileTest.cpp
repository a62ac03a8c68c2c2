#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "sourcedata/TableFile.h"

namespace {
std::string TempPath(const char* name) { return (std::filesystem::temp_directory_path() / name).string(); }

std::string Encode(const std::vector<double>& values) {
  std::ostringstream out;
  WriteTable(out, values.data(), static_cast<int>(values.size()));
  return out.str();
}

int Decode(const std::string& bytes, double* values, int capacity) {
  std::istringstream in(bytes);
  return ReadTable(in, values, capacity);
}
}  // namespace

TEST(TableFile, RoundTripOfNValues) {
  const std::vector<double> values = {1.5, -2, 0, 1e-300, 12345.678};
  const std::string bytes = Encode(values);
  ASSERT_EQ(bytes.size(), 40u);
  EXPECT_EQ(bytes.substr(0, 8), std::string("\x00\x00\x00\x00\x00\x00\xF8\x3F", 8));  // 1.5, little-endian
  double read[MaxTableValues];
  ASSERT_EQ(Decode(bytes, read, MaxTableValues), 5);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(read[i], values[i]);

  const std::string path = TempPath("resam_table_test.tbl");
  ASSERT_EQ(WriteTableFile(path, values.data(), 5), TTableStatus::Ok);
  int count = -1;
  ASSERT_EQ(ReadTableFile(path, read, MaxTableValues, count), TTableStatus::Ok);
  EXPECT_EQ(count, 5);
  EXPECT_EQ(read[4], 12345.678);
  std::remove(path.c_str());
}

TEST(TableFile, ReadsWholeValuesOnlyAndAtMostFiveHundred) {
  double read[MaxTableValues + 10];
  const std::string twenty = Encode({1, 2}) + "abcd";  // a 20-byte file
  EXPECT_EQ(Decode(twenty, read, MaxTableValues), 2);
  EXPECT_EQ(read[1], 2);
  EXPECT_EQ(Decode("", read, MaxTableValues), 0);
  EXPECT_EQ(Decode("1234567", read, MaxTableValues), 0);

  std::vector<double> many(600);
  for (int i = 0; i < 600; ++i) many[i] = i;
  read[MaxTableValues] = -1;
  EXPECT_EQ(Decode(Encode(many), read, MaxTableValues + 10), MaxTableValues);
  EXPECT_EQ(read[MaxTableValues - 1], 499);
  EXPECT_EQ(read[MaxTableValues], -1);  // nothing past the 500th value
  EXPECT_EQ(Decode(Encode(many), read, 3), 3);
  EXPECT_EQ(Decode(Encode(many), nullptr, 3), 0);
}

TEST(TableFile, FilesThatCannotBeMadeOrOpened) {
  double read[4];
  int count = 7;
  EXPECT_EQ(ReadTableFile(TempPath("resam_no_such_table.tbl"), read, 4, count), TTableStatus::CannotOpen);
  EXPECT_EQ(count, 0);
  const double one = 1;
  EXPECT_EQ(WriteTableFile(TempPath("resam_no_such_folder/t.tbl"), &one, 1), TTableStatus::CannotCreate);
  EXPECT_EQ(WriteTextFile(TempPath("resam_no_such_folder/t.xls"), "x"), TTableStatus::CannotCreate);
  EXPECT_EQ(TableFileMessage(TTableStatus::CannotOpen, "/tmp/t.tbl").SourceText(), "Не удаётся открыть файл/tmp/t.tbl");
  EXPECT_EQ(TableFileMessage(TTableStatus::CannotCreate, "/tmp/t.tbl").SourceText(), "Не удаётся создать файл");
  EXPECT_EQ(TableFileMessage(TTableStatus::Ok, "/tmp/t.tbl").SourceText(), "");
}

TEST(TableFile, ExtensionsForLoadingAndSaving) {
  EXPECT_TRUE(IsTableExtension(".tbl", false));
  EXPECT_TRUE(IsTableExtension(".TBL", true));
  EXPECT_TRUE(IsTableExtension(".Inp", true));
  EXPECT_FALSE(IsTableExtension(".inp", false));
  EXPECT_FALSE(IsTableExtension(".txt", true));
  EXPECT_FALSE(IsTableExtension("", true));
}

TEST(TableFile, ExportStopsRightAfterTheLastValue) {
  EXPECT_EQ(TableExportText({"1", "2,5", "-3"}, "s", 0),
            "s(0)\ts(1)\ts(2)\ts(3)\ts(4)\ts(5)\ts(6)\ts(7)\ts(8)\ts(9)\t\n1\t2,5\t-3\t");
  std::vector<std::string> twelve;
  for (int i = 0; i < 12; ++i) twelve.push_back(std::to_string(i));
  const std::string text = TableExportText(twelve, "x", 1);
  EXPECT_EQ(text,
            "x(1)\tx(2)\tx(3)\tx(4)\tx(5)\tx(6)\tx(7)\tx(8)\tx(9)\tx(10)\t\n"
            "0\t1\t2\t3\t4\t5\t6\t7\t8\t9\t\n"
            "x(11)\tx(12)\tx(13)\tx(14)\tx(15)\tx(16)\tx(17)\tx(18)\tx(19)\tx(20)\t\n"
            "10\t11\t");
  // A full row ends without a line feed when it holds the last value.
  std::vector<std::string> ten(10, "0");
  const std::string full = TableExportText(ten, "s", 0);
  EXPECT_EQ(full.substr(full.size() - 3), "\t0\t");
  EXPECT_EQ(TableExportText({}, "s", 0), "");

  const std::string path = TempPath("resam_table_test.xls");
  ASSERT_EQ(WriteTextFile(path, text), TTableStatus::Ok);
  std::ifstream in(path, std::ios::binary);
  std::stringstream back;
  back << in.rdbuf();
  EXPECT_EQ(back.str(), text);
  std::remove(path.c_str());
}
