#include "sessions/SessionRecord.h"

#include <algorithm>
#include <charconv>

#include "engine/SamplingGrid.h"
#include "numerics/Keeper.h"
#include "sourcedata/DrawingSampling.h"

namespace {
using E = TResamEngine;

// The least period a typed period becomes, as a share of the interval; the count limit keeps
// a period from falling below it by more than the rounding of the grid's running sums.
constexpr double MinPeriodShare = 0.002;
constexpr double PeriodRounding = 1e-9;
// A table's period below this would give sampling frequencies beyond the largest double.
constexpr double LeastTablePeriod = 1e-300;

// The shortest text that reads back as the value, with the decimal comma of the interface.
std::string Number(double value) {
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, value).ptr;
  std::string s(text, end);
  std::replace(s.begin(), s.end(), '.', ',');
  return s;
}

std::string OutOfRange(const char* field, double value, double lo, double hi) {
  return "значение поля «" + std::string(field) + "» (" + Number(value) + ") вне пределов " + Number(lo) + " … " +
         Number(hi) + ".";
}

std::string PageFault(const TSession& s) {
  const bool lagrange = s.Engine.Method == E::MethodLagrange;
  if ((s.Page == KernelSessionPage && lagrange) || (s.Page == BasisSessionPage && !lagrange))
    return "вкладка «page» (" + std::to_string(s.Page) + ") не показывается при выбранном методе «method».";
  if (s.Page == ComparisonSessionPage && !(s.Studies && s.Studies->Comparison))
    return "вкладка «page» (" + std::to_string(s.Page) + ") не показывается, пока поле «comparison» не true.";
  return "";
}

std::string CountFault(const TSession& s) {
  const int limit = MethodRow(s.Engine.Method).CountLimit;
  if (s.Engine.N > limit)
    return "значение поля «sampling.count» (" + std::to_string(s.Engine.N) + ") больше допустимого для метода (" +
           std::to_string(limit) + ").";
  return "";
}

std::string DrawingFault(const TSession& s, int capacity) {
  const TDrawingRecord& d = s.Drawing;
  if (d.Samples.size() > size_t(std::max(capacity, 0)))
    return "в поле «drawing.values» " + std::to_string(d.Samples.size()) +
           " значений, а графический редактор вмещает не более " + std::to_string(capacity) + ".";
  // A drawing spans [xmin, last], or with nothing drawn [xmin, last + 1]: some length.
  if (d.Samples.empty() ? !(d.XLast + 1 > d.Xmin) : !(d.XLast > d.Xmin))
    return "поле «drawing.last» должно быть больше поля «drawing.xmin».";
  return "";
}

// The interval a new signal of the session's source would take, from a copy of its data.
E::TSignalInterval OwnInterval(const TSession& s, const TResamEngine& engine) {
  E::TDrawnSignal drawn;
  E::TFormulaSignal formula;
  TKeeper curve;
  std::vector<double> samples = s.Drawing.Samples;
  if (s.Engine.Source == E::SourceEditor) {
    DrawnSeries(curve, samples.data(), int(samples.size()), s.Drawing.Xmin, s.Drawing.XLast);
    drawn = {&curve, samples.data(), int(samples.size())};
  } else if (s.Engine.Source == E::SourceLibrary) {
    TLibFormulas library;
    library.SetParameters(s.Library);
    formula = {nullptr, library.GetTau(), library.GetSymmetry()};
  } else if (s.Engine.Source == E::SourceRecording) {
    formula = {nullptr, s.Recording.Length(), 0, s.Recording.Start};
  } else {
    TPolyGarmSignal fragment;
    fragment.SetValues(s.Fragment);
    formula = {nullptr, fragment.GetPeriod(), 1};
  }
  return engine.SignalIntervalOf(s.Engine.Source, drawn, formula);
}

// The interval edits keep each end within its limits. A period may lie above the interval
// (the interval narrowed after it was typed, or half of a large Tmax), never below what a
// typed period or the count limit leaves.
std::string IntervalFault(const TSession& s, const TResamEngine& engine) {
  const E::TIntervalLimits limits = OwnInterval(s, engine).Limits;
  const E::TSettings& e = s.Engine;
  if (!(e.T1 >= limits.Lo1 && e.T1 <= limits.Hi1)) return OutOfRange("sampling.start", e.T1, limits.Lo1, limits.Hi1);
  if (!(e.T2 >= limits.Lo2 && e.T2 <= limits.Hi2)) return OutOfRange("sampling.end", e.T2, limits.Lo2, limits.Hi2);
  const double least = (e.T2 - e.T1) * MinPeriodShare * (1 - PeriodRounding);
  if (!(e.T >= least)) return OutOfRange("sampling.period", e.T, least, MaxSessionPeriod);
  return "";
}

std::string TablePeriodFault(const TSession& s) {
  const int limit = MethodRow(s.Engine.Method).CountLimit;
  const int n = std::clamp(int(s.Table.size()), 2, limit);
  const double most = LargestTablePeriod(n);
  if (!(s.Engine.T >= LeastTablePeriod && s.Engine.T <= most))
    return OutOfRange("sampling.period", s.Engine.T, LeastTablePeriod, most);
  return "";
}
}  // namespace

std::string SessionFault(const TSession& session, const TResamEngine& engine, int drawingCapacity) {
  for (const std::string& fault : {PageFault(session), CountFault(session)})
    if (!fault.empty()) return fault;
  if (session.Engine.Source == E::SourceTable) return TablePeriodFault(session);
  if (session.Engine.Source == E::SourceEditor)
    if (std::string fault = DrawingFault(session, drawingCapacity); !fault.empty()) return fault;
  return IntervalFault(session, engine);
}
