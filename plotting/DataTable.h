#pragma once
// The numbers behind a plot as a table: groups of series that share their abscissae, each
// group one abscissa column and one column per series. Written as CSV for a spreadsheet or
// a script: UTF-8, comma-separated, decimal point, one heading row.
#include <string>
#include <vector>

struct TDataColumn {
  std::string Name;  // heading with its unit, UTF-8 ("Сигнал, В")
  std::vector<double> Values;
};

struct TDataGroup {
  TDataColumn X;                    // the abscissae, in increasing order
  std::vector<TDataColumn> Series;  // each exactly as long as X
};

using TDataTable = std::vector<TDataGroup>;

// The table as CSV text. The headings are quoted (they hold commas: "t, c"), numbers are
// written in the shortest form that reads back to the same double. Groups stand side by side;
// below the end of a shorter group, and wherever a value is not a number, the cell reads
// "nan": numpy.loadtxt(..., delimiter=",", skiprows=1) refuses empty cells, and a script is
// the reader that needs every row complete (a spreadsheet shows "nan" as a text cell).
std::string FormatCsv(const TDataTable& table);
