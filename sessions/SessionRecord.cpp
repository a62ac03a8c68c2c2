#include "sessions/SessionRecord.h"

#include <algorithm>

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

// The reader's own words for a value out of its range (sessions/SessionFile.cpp).
TMessage OutOfRange(const char* field, double value, double lo, double hi) {
  return RESAM_MESSAGE("SessionFile", "значение поля «%1» (%2) вне пределов %3 … %4.")
      .Arg(field)
      .Arg(value)
      .Arg(lo)
      .Arg(hi);
}

TMessage PageFault(const TSession& s) {
  const bool lagrange = s.Engine.Method == E::MethodLagrange;
  if ((s.Page == KernelSessionPage && lagrange) || (s.Page == BasisSessionPage && !lagrange))
    return RESAM_MESSAGE("SessionRecord", "вкладка «page» (%1) не показывается при выбранном методе «method».")
        .Arg(s.Page);
  if (s.Page == ComparisonSessionPage && !(s.Studies && s.Studies->Comparison))
    return RESAM_MESSAGE("SessionRecord", "вкладка «page» (%1) не показывается, пока поле «comparison» не true.")
        .Arg(s.Page);
  return {};
}

TMessage CountFault(const TSession& s) {
  const int limit = MethodRow(s.Engine.Method).CountLimit;
  if (s.Engine.N > limit)
    return RESAM_MESSAGE("SessionRecord", "значение поля «sampling.count» (%1) больше допустимого для метода (%2).")
        .Arg(s.Engine.N)
        .Arg(limit);
  return {};
}

TMessage DrawingFault(const TSession& s, int capacity) {
  const TDrawingRecord& d = s.Drawing;
  if (d.Samples.size() > size_t(std::max(capacity, 0)))
    return RESAM_MESSAGE("SessionRecord",
                         "в поле «drawing.values» %1 значений, а графический редактор вмещает не более %2.")
        .Arg(d.Samples.size())
        .Arg(capacity);
  // A drawing spans [xmin, last], or with nothing drawn [xmin, last + 1]: some length.
  if (d.Samples.empty() ? !(d.XLast + 1 > d.Xmin) : !(d.XLast > d.Xmin))
    return RESAM_MESSAGE("SessionRecord", "поле «drawing.last» должно быть больше поля «drawing.xmin».");
  return {};
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
TMessage IntervalFault(const TSession& s, const TResamEngine& engine) {
  const E::TIntervalLimits limits = OwnInterval(s, engine).Limits;
  const E::TSettings& e = s.Engine;
  if (!(e.T1 >= limits.Lo1 && e.T1 <= limits.Hi1)) return OutOfRange("sampling.start", e.T1, limits.Lo1, limits.Hi1);
  if (!(e.T2 >= limits.Lo2 && e.T2 <= limits.Hi2)) return OutOfRange("sampling.end", e.T2, limits.Lo2, limits.Hi2);
  const double least = (e.T2 - e.T1) * MinPeriodShare * (1 - PeriodRounding);
  if (!(e.T >= least)) return OutOfRange("sampling.period", e.T, least, MaxSessionPeriod);
  return {};
}

TMessage TablePeriodFault(const TSession& s) {
  const int limit = MethodRow(s.Engine.Method).CountLimit;
  const int n = std::clamp(int(s.Table.size()), 2, limit);
  const double most = LargestTablePeriod(n);
  if (!(s.Engine.T >= LeastTablePeriod && s.Engine.T <= most))
    return OutOfRange("sampling.period", s.Engine.T, LeastTablePeriod, most);
  return {};
}
}  // namespace

TMessage SessionFault(const TSession& session, const TResamEngine& engine, int drawingCapacity) {
  for (TMessage fault : {PageFault(session), CountFault(session)})
    if (!fault.Empty()) return fault;
  if (session.Engine.Source == E::SourceTable) return TablePeriodFault(session);
  if (session.Engine.Source == E::SourceEditor)
    if (TMessage fault = DrawingFault(session, drawingCapacity); !fault.Empty()) return fault;
  return IntervalFault(session, engine);
}
