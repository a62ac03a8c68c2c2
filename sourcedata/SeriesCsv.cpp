#include "sourcedata/SeriesCsv.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {
constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
constexpr char NoSeparator = '\0';

struct TLine {
  std::string_view Text;
  long long Number = 0;  // 1-based, as an editor counts
};

std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '"')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '"' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

// A tab or a semicolon anywhere separates; a comma only when every line has one, so that a
// single column of decimal commas among whole numbers reads as one column. The first line
// may be a heading and is not asked unless it is the only one.
char SeparatorOf(const std::vector<TLine>& lines) {
  const size_t from = lines.size() > 1 ? 1 : 0;
  for (char c : {'\t', ';'})
    for (size_t i = from; i < lines.size(); ++i)
      if (lines[i].Text.find(c) != std::string_view::npos) return c;
  for (size_t i = from; i < lines.size(); ++i)
    if (lines[i].Text.find(',') == std::string_view::npos) return NoSeparator;
  return ',';
}

bool ReadNumber(std::string_view cell, char separator, double& value) {
  std::string s(Trimmed(cell));
  if (separator != ',')
    for (char& c : s)
      if (c == ',') c = '.';
  if (!s.empty() && s.front() == '+') s.erase(0, 1);
  const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
  return error == std::errc() && end == s.data() + s.size() && std::isfinite(value);
}

// The first one or two cells of a line as numbers; false when they are not.
bool ReadCells(std::string_view line, char separator, int columns, double cells[2]) {
  for (int c = 0; c < columns; ++c) {
    const size_t at = line.find(separator);
    const std::string_view cell = line.substr(0, at);
    if (!ReadNumber(cell, separator, cells[c])) return false;
    if (at == std::string_view::npos) return c == columns - 1;
    line.remove_prefix(at + 1);
  }
  return true;
}

int ColumnsOf(std::string_view line, char separator) {
  return Trimmed(line).find(separator) == std::string_view::npos ? 1 : 2;
}

std::vector<TLine> Lines(std::string_view text) {
  if (text.substr(0, ByteOrderMark.size()) == ByteOrderMark) text.remove_prefix(ByteOrderMark.size());
  std::vector<TLine> lines;
  long long number = 0;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    const std::string_view line = Trimmed(text.substr(0, end));
    ++number;
    if (!line.empty()) lines.push_back({line, number});
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

std::string Shown(double v) {
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, v).ptr;
  std::string s(text, end);
  for (char& c : s)
    if (c == '.') c = ',';
  return s;
}

std::string LineName(long long number) { return "строка " + std::to_string(number) + ": "; }

// Times that go back, stand still or jump are refused; an even time column gives the rate.
// Each step is held against the median step, so that one jump is named at its own line.
std::string CheckTimes(const std::vector<double>& times, const std::vector<TLine>& lines, size_t first, TSeriesCsv& s) {
  std::vector<double> steps;
  steps.reserve(times.size() - 1);
  for (size_t i = 1; i < times.size(); ++i) {
    steps.push_back(times[i] - times[i - 1]);
    if (!(steps.back() > 0))
      return LineName(lines[first + i].Number) + "время " + Shown(times[i]) + " не больше, чем в предыдущей строке (" +
             Shown(times[i - 1]) + ").";
  }
  std::vector<double> sorted = steps;
  std::nth_element(sorted.begin(), sorted.begin() + long(sorted.size() / 2), sorted.end());
  const double usual = sorted[sorted.size() / 2];
  for (size_t i = 0; i < steps.size(); ++i)
    if (!(std::fabs(steps[i] - usual) <= SeriesStepTolerance * usual))
      return LineName(lines[first + i + 1].Number) + "шаг времени " + Shown(steps[i]) + " отличается от обычного (" +
             Shown(usual) + ") более чем на 1%: отсчёты должны идти равномерно.";
  s.Start = times.front();
  s.Rate = double(times.size() - 1) / (times.back() - times.front());
  if (!std::isfinite(s.Rate)) return "шаг времени слишком мал.";
  return "";
}
}  // namespace

std::string SeriesFault(const std::string& name, const std::string& problem) {
  return "Не удаётся прочитать файл данных «" + name + "»: " + problem;
}

std::string ParseSeriesCsv(std::string_view text, TSeriesCsv& series) {
  const std::vector<TLine> lines = Lines(text);
  if (lines.empty()) return "в файле нет ни одного числа.";
  const char separator = SeparatorOf(lines);
  double cells[2] = {};
  const int headingColumns = ColumnsOf(lines.front().Text, separator);
  const size_t first = ReadCells(lines.front().Text, separator, headingColumns, cells) ? 0 : 1;
  if (first >= lines.size()) return "в файле нет ни одного числа, только заголовок.";
  const int columns = ColumnsOf(lines[first].Text, separator);
  if (static_cast<long long>(lines.size() - first) > MaxSeriesValues)
    return "в файле " + std::to_string(lines.size() - first) + " строк, а программа читает не более " +
           std::to_string(MaxSeriesValues) + ".";
  TSeriesCsv s;
  std::vector<double> times;
  s.Values.reserve(lines.size() - first);
  for (size_t i = first; i < lines.size(); ++i) {
    if (!ReadCells(lines[i].Text, separator, columns, cells))
      return LineName(lines[i].Number) + "«" + std::string(lines[i].Text.substr(0, 60)) + "» — не " +
             (columns == 1 ? "число." : "два числа (время и значение).");
    if (columns == 2) times.push_back(cells[0]);
    s.Values.push_back(cells[columns - 1]);
  }
  if (s.Values.size() < MinSeriesValues)
    return "в файле меньше " + std::to_string(MinSeriesValues) + " значений, из них не выбрать фрагмент.";
  if (columns == 2) {
    s.HasTime = true;
    if (std::string fault = CheckTimes(times, lines, first, s); !fault.empty()) return fault;
  }
  series = std::move(s);
  return "";
}
