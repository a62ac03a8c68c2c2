#include "plotting/DataTable.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {
// Excel takes a file without it for the machine's code page and garbles the Cyrillic
// headings; numpy skips it with the heading row, other readers ignore it.
constexpr char ByteOrderMark[] = "\xEF\xBB\xBF";
constexpr char MissingValue[] = "nan";
// Enough for any double in its shortest round-trip form.
constexpr int NumberChars = 32;

void AppendQuoted(std::string& out, const std::string& text) {
  out += '"';
  for (char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

void AppendNumber(std::string& out, double v) {
  if (std::isnan(v)) {
    out += MissingValue;
    return;
  }
  char text[NumberChars];
  const auto result = std::to_chars(text, text + sizeof text, v);
  out.append(text, result.ptr);
}

void AppendCell(std::string& out, bool& first) {
  if (!first) out += ',';
  first = false;
}

void AppendHeadings(std::string& out, const TDataTable& table) {
  bool first = true;
  for (const TDataGroup& group : table) {
    AppendCell(out, first);
    AppendQuoted(out, group.X.Name);
    for (const TDataColumn& series : group.Series) {
      AppendCell(out, first);
      AppendQuoted(out, series.Name);
    }
  }
  out += '\n';
}

double CellValue(const TDataColumn& column, std::size_t row) {
  return row < column.Values.size() ? column.Values[row] : std::nan("");
}
}  // namespace

std::string FormatCsv(const TDataTable& table) {
  std::size_t rows = 0, columns = 0;
  for (const TDataGroup& group : table) {
    rows = std::max(rows, group.X.Values.size());
    columns += 1 + group.Series.size();
  }
  std::string out = ByteOrderMark;
  out.reserve(rows * columns * (NumberChars / 2) + 64 * columns);
  AppendHeadings(out, table);
  for (std::size_t row = 0; row < rows; ++row) {
    bool first = true;
    for (const TDataGroup& group : table) {
      AppendCell(out, first);
      AppendNumber(out, CellValue(group.X, row));
      for (const TDataColumn& series : group.Series) {
        AppendCell(out, first);
        AppendNumber(out, CellValue(series, row));
      }
    }
    out += '\n';
  }
  return out;
}
