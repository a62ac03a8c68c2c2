#include "sourcedata/SeriesCsv.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {
constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
constexpr char NoSeparator = '\0';
// A line that is not numbers is quoted in the message up to this many bytes.
constexpr size_t ShownLineLength = 60;

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

// Times that go back, stand still or jump are refused; an even time column gives the rate.
// Each step is held against the median step, so that one jump is named at its own line.
TMessage CheckTimes(const std::vector<double>& times, const std::vector<TLine>& lines, size_t first, TSeriesCsv& s) {
  std::vector<double> steps;
  steps.reserve(times.size() - 1);
  for (size_t i = 1; i < times.size(); ++i) {
    steps.push_back(times[i] - times[i - 1]);
    if (!(steps.back() > 0))
      return RESAM_MESSAGE("SeriesCsv", "строка %1: время %2 не больше, чем в предыдущей строке (%3).")
          .Arg(lines[first + i].Number)
          .Arg(times[i])
          .Arg(times[i - 1]);
  }
  std::vector<double> sorted = steps;
  std::nth_element(sorted.begin(), sorted.begin() + long(sorted.size() / 2), sorted.end());
  const double usual = sorted[sorted.size() / 2];
  for (size_t i = 0; i < steps.size(); ++i)
    if (!(std::fabs(steps[i] - usual) <= SeriesStepTolerance * usual))
      return RESAM_MESSAGE("SeriesCsv",
                           "строка %1: шаг времени %2 отличается от обычного (%3) более чем на 1%: отсчёты должны идти "
                           "равномерно.")
          .Arg(lines[first + i + 1].Number)
          .Arg(steps[i])
          .Arg(usual);
  s.Start = times.front();
  s.Rate = double(times.size() - 1) / (times.back() - times.front());
  if (!std::isfinite(s.Rate)) return RESAM_MESSAGE("SeriesCsv", "шаг времени слишком мал.");
  return {};
}
}  // namespace

TMessage SeriesFault(const std::string& name, TMessage problem) {
  return RESAM_MESSAGE("SeriesCsv", "Не удаётся прочитать файл данных «%1»: %2").Arg(name).Arg(std::move(problem));
}

TMessage ParseSeriesCsv(std::string_view text, TSeriesCsv& series) {
  const std::vector<TLine> lines = Lines(text);
  if (lines.empty()) return RESAM_MESSAGE("SeriesCsv", "в файле нет ни одного числа.");
  const char separator = SeparatorOf(lines);
  double cells[2] = {};
  const int headingColumns = ColumnsOf(lines.front().Text, separator);
  const size_t first = ReadCells(lines.front().Text, separator, headingColumns, cells) ? 0 : 1;
  if (first >= lines.size()) return RESAM_MESSAGE("SeriesCsv", "в файле нет ни одного числа, только заголовок.");
  const int columns = ColumnsOf(lines[first].Text, separator);
  if (static_cast<long long>(lines.size() - first) > MaxSeriesValues)
    return RESAM_MESSAGE("SeriesCsv", "в файле %1 строк, а программа читает не более %2.")
        .Arg(lines.size() - first)
        .Arg(MaxSeriesValues);
  TSeriesCsv s;
  std::vector<double> times;
  s.Values.reserve(lines.size() - first);
  for (size_t i = first; i < lines.size(); ++i) {
    if (!ReadCells(lines[i].Text, separator, columns, cells))
      return (columns == 1 ? RESAM_MESSAGE("SeriesCsv", "строка %1: «%2» — не число.")
                           : RESAM_MESSAGE("SeriesCsv", "строка %1: «%2» — не два числа (время и значение)."))
          .Arg(lines[i].Number)
          .Arg(std::string(lines[i].Text.substr(0, ShownLineLength)));
    if (columns == 2) times.push_back(cells[0]);
    s.Values.push_back(cells[columns - 1]);
  }
  if (s.Values.size() < MinSeriesValues)
    return RESAM_MESSAGE("SeriesCsv", "в файле меньше %1 значений, из них не выбрать фрагмент.").Arg(MinSeriesValues);
  if (columns == 2) {
    s.HasTime = true;
    if (TMessage fault = CheckTimes(times, lines, first, s); !fault.Empty()) return fault;
  }
  series = std::move(s);
  return {};
}
