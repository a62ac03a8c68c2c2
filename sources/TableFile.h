#pragma once
// The table editor's files: ".tbl" (and ".inp", read the same way) is a headerless run of
// little-endian doubles, one per value; the export is tab-separated text for a
// spreadsheet, saved with the extension ".xls".
#include <istream>
#include <ostream>
#include <string>
#include <vector>

// Values a table holds, and so the most a file gives.
constexpr int MaxTableValues = 500;
constexpr int TableColumns = 10;

enum class TTableStatus { Ok, CannotCreate, CannotOpen };

void WriteTable(std::ostream& out, const double* values, int count);
// Reads whole values until the data ends, at most min(capacity, MaxTableValues); a
// trailing part shorter than a value is ignored. Returns the count read.
int ReadTable(std::istream& in, double* values, int capacity);

TTableStatus WriteTableFile(const std::string& path, const double* values, int count);
TTableStatus ReadTableFile(const std::string& path, double* values, int capacity, int& count);

// ".tbl" and ".inp" (any letter case) can be loaded; only ".tbl" is saved.
bool IsTableExtension(const std::string& extension, bool forLoading);

// The grid as text: each label row ("s(0)" .. "s(9)", the index base added) and each value
// row, every cell followed by a tab, every row but the last ended by a line feed; the text
// stops right after the tab of the last value. valueTexts are the cells' texts in index order.
std::string TableExportText(const std::vector<std::string>& valueTexts, const std::string& seriesName, int indexBase);
TTableStatus WriteTextFile(const std::string& path, const std::string& text);

// The message for a status ("" for Ok); only opening names the file, right after the text.
std::string TableFileMessage(TTableStatus status, const std::string& name);
