#pragma once
// A measured series in a CSV text: one column of values (the rate is given elsewhere), or a
// time column and a value column whose times increase evenly (each step within 1% of the
// usual step). Cells are separated by a tab or a semicolon if any line has one, else by a
// comma if every line has one (so a column of decimal commas, every value with its comma,
// reads as two columns: write it with a semicolon); a decimal comma is read where the
// separator is not a comma; a first line that is not numbers is a heading and skipped;
// a byte order mark, quotes around a cell, spaces around it and empty lines are ignored.
// The program's own exported tables read back: their first two columns are the time and the
// first series, and further columns are ignored.
#include <string>
#include <string_view>
#include <vector>

#include "platform/TextMessage.h"

constexpr long long MaxSeriesValues = 1 << 24;
// As few as a recording's fragment needs.
constexpr size_t MinSeriesValues = 4;
constexpr long long MaxSeriesFileBytes = 256LL << 20;
constexpr double SeriesStepTolerance = 0.01;

struct TSeriesCsv {
  std::vector<double> Values;
  bool HasTime = false;
  double Start = 0;  // the first time, s (a time column only)
  double Rate = 0;   // samples per second (a time column only)
};

// No message with `series` filled in, or the problem, naming the line, with `series` untouched.
TMessage ParseSeriesCsv(std::string_view text, TSeriesCsv& series);

// The sentence every series file's problem is put in.
TMessage SeriesFault(const std::string& name, TMessage problem);
