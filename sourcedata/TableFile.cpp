#include "sourcedata/TableFile.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <fstream>
#include <sstream>

#include "platform/FileMessages.h"
#include "sourcedata/ByteOrder.h"

namespace {
constexpr unsigned long long ValueBytes = 8;

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

TTableReadReport DecodeTable(const std::string& bytes, unsigned long long fileSize, double* values) {
  TTableReadReport report;
  std::istringstream in(bytes);
  report.Count = ReadTable(in, values, MaxTableValues);
  for (int i = 0; i < report.Count; ++i) {
    if (std::isfinite(values[i])) continue;
    values[i] = 0;
    ++report.NonFinite;
  }
  report.Cut = fileSize / ValueBytes > static_cast<unsigned long long>(MaxTableValues);
  report.Trailing = !report.Cut && fileSize % ValueBytes != 0;
  return report;
}

// The parts come one to a line, each a message of its own.
TMessage TableReadWarning(const TTableReadReport& report, const std::string& name) {
  if (report.Count == 0)
    return RESAM_MESSAGE("TableFile",
                         "Файл %1 не содержит ни одного значения (нужно 8 байт на значение). Таблица не изменена.")
        .Arg(name);
  std::vector<TMessage> parts;
  if (report.Cut)
    parts.push_back(RESAM_MESSAGE("TableFile", "Файл %1 содержит больше %2 значений; загружены первые %2.")
                        .Arg(name)
                        .Arg(MaxTableValues));
  if (report.Trailing)
    parts.push_back(
        RESAM_MESSAGE("TableFile", "Длина файла %1 не кратна 8 байтам; неполное последнее значение пропущено.")
            .Arg(name));
  if (report.NonFinite > 0)
    parts.push_back(
        RESAM_MESSAGE("TableFile", "Значений, не являющихся числами или бесконечных: %1; они заменены нулями.")
            .Arg(report.NonFinite));
  static const char* const Lines[] = {"%1", "%1\n%2", "%1\n%2\n%3"};
  if (parts.empty()) return {};
  TMessage warning("TableFile", Lines[parts.size() - 1]);
  for (TMessage& part : parts) warning.Arg(std::move(part));
  return warning;
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

TMessage TableFileMessage(TTableStatus status, const std::string& name) {
  switch (status) {
    case TTableStatus::Ok:
      return {};
    case TTableStatus::CannotCreate:
      return CannotCreateFileMessage();
    case TTableStatus::CannotOpen:
      return CannotOpenFileJoined(name);
  }
  return {};
}
