#include "sources/TableFile.h"

#include <algorithm>
#include <cctype>
#include <fstream>

#include "sources/ByteOrder.h"
#include "sources/FileMessages.h"

namespace {
std::string LowerAscii(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

std::string TableLabel(const std::string& seriesName, int index) {
  return seriesName + "(" + std::to_string(index) + ")";
}
}  // namespace

void WriteTable(std::ostream& out, const double* values, int count) {
  if (!values) return;
  for (int i = 0; i < count; ++i) PutDouble(out, values[i]);
}

int ReadTable(std::istream& in, double* values, int capacity) {
  if (!values) return 0;
  const int limit = std::min(capacity, MaxTableValues);
  int count = 0;
  while (count < limit && GetDouble(in, values[count])) ++count;
  return count;
}

TTableStatus WriteTableFile(const std::string& path, const double* values, int count) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return TTableStatus::CannotCreate;
  WriteTable(out, values, count);
  out.close();
  return out ? TTableStatus::Ok : TTableStatus::CannotCreate;
}

TTableStatus ReadTableFile(const std::string& path, double* values, int capacity, int& count) {
  count = 0;
  std::ifstream in(path, std::ios::binary);
  if (!in) return TTableStatus::CannotOpen;
  count = ReadTable(in, values, capacity);
  return TTableStatus::Ok;
}

bool IsTableExtension(const std::string& extension, bool forLoading) {
  const std::string lower = LowerAscii(extension);
  return lower == ".tbl" || (forLoading && lower == ".inp");
}

std::string TableExportText(const std::vector<std::string>& valueTexts, const std::string& seriesName, int indexBase) {
  std::string text;
  const int count = static_cast<int>(valueTexts.size());
  for (int rowStart = 0; rowStart < count; rowStart += TableColumns) {
    for (int col = 0; col < TableColumns; ++col) text += TableLabel(seriesName, rowStart + col + indexBase) + "\t";
    text += "\n";
    for (int k = rowStart; k < rowStart + TableColumns; ++k) {
      text += valueTexts[k] + "\t";
      if (k == count - 1) return text;
    }
    text += "\n";
  }
  return text;
}

TTableStatus WriteTextFile(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return TTableStatus::CannotCreate;
  out << text;
  out.close();
  return out ? TTableStatus::Ok : TTableStatus::CannotCreate;
}

std::string TableFileMessage(TTableStatus status, const std::string& name) {
  switch (status) {
    case TTableStatus::Ok: return "";
    case TTableStatus::CannotCreate: return CannotCreateFileMessage;
    case TTableStatus::CannotOpen: return CannotOpenFileMessage + name;
  }
  return "";
}
