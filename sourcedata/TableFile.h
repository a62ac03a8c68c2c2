#pragma once
// The table editor's files: ".tbl" (and ".inp", read the same way) is a headerless run of
// little-endian doubles, one per value; the export is tab-separated text for a
// spreadsheet, saved with the extension ".xls".
#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "platform/TextMessage.h"

// Values a table holds, and so the most a file gives.
constexpr int MaxTableValues = 500;
constexpr int TableColumns = 10;

enum class TTableStatus { Ok, CannotCreate, CannotOpen };

void WriteTable(std::ostream& out, const double* values, int count);
// Reads whole values until the data ends, at most min(capacity, MaxTableValues); a
// trailing part shorter than a value is ignored. Returns the count read.
int ReadTable(std::istream& in, double* values, int capacity);

// What a loaded file held beyond what the table takes in.
struct TTableReadReport {
  int Count = 0;          // values taken
  int NonFinite = 0;      // of them NaN or infinite, taken as 0 so that no computation meets them
  bool Cut = false;       // the file holds more than MaxTableValues values
  bool Trailing = false;  // the file ends in a part shorter than a value
};
// Decodes the values of a file's first bytes (at most MaxTableValues are used); fileSize
// is the size of the whole file, of which bytes may be only the beginning.
TTableReadReport DecodeTable(const std::string& bytes, unsigned long long fileSize, double* values);
// What the user is told about a load (no message when the file was taken in full): an empty file,
// values left out, a trailing part ignored, values replaced by 0.
TMessage TableReadWarning(const TTableReadReport& report, const std::string& name);

TTableStatus WriteTableFile(const std::string& path, const double* values, int count);
TTableStatus ReadTableFile(const std::string& path, double* values, int capacity, int& count);

// ".tbl" and ".inp" (any letter case) can be loaded; only ".tbl" is saved.
bool IsTableExtension(const std::string& extension, bool forLoading);

// The grid as text: each label row ("s(0)" .. "s(9)", the index base added) and each value
// row, every cell followed by a tab, every row but the last ended by a line feed; the text
// stops right after the tab of the last value. valueTexts are the cells' texts in index order.
std::string TableExportText(const std::vector<std::string>& valueTexts, const std::string& seriesName, int indexBase);
TTableStatus WriteTextFile(const std::string& path, const std::string& text);

// The message for a status (none for Ok); only opening names the file, right after the text.
TMessage TableFileMessage(TTableStatus status, const std::string& name);
