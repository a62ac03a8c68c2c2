// The numbers behind the picture, for export: the shown series over the visible range.
#include <algorithm>

#include "plotting/Diagram.h"
#include "plotting/SampleRange.h"

namespace {
bool IsCurve(TKeeperShape shape) {
  return shape == ShapeContinuous || shape == ShapePeriodic || shape == ShapeRadio || shape == ShapePeriodicRadio;
}

bool IsSampled(TKeeperShape shape) {
  return shape == ShapeDiscrete || shape == ShapePeriodicDiscrete || shape == ShapeHistogram;
}

// The numbers [nLo, nHi] narrowed to the series' own values: the stored samples, their mirror
// left of sample 0 for a symmetric series, and every number for a periodic one. The zeros a
// diagram draws at grid positions beyond them are a way of drawing, not values. False when
// none are left.
bool OwnSamples(const TKeeper& k, long long& nLo, long long& nHi) {
  if (k.GetShape() == ShapePeriodicDiscrete) return true;
  const long long last = (long long)k.GetCount() - 1;
  nLo = std::max(nLo, k.GetSymmetry() == SymmetryNone ? 0LL : -last);
  nHi = std::min(nHi, last);
  return nLo <= nHi;
}

// "Отсчёты" of "Отсчёты, В": what a series is, without its unit.
std::string WithoutUnit(const std::string& name) { return name.substr(0, name.find(',')); }
}  // namespace

QString TDiagram::GetDataNameX() const {
  if (!DataNameX.trimmed().isEmpty()) return DataNameX;
  const QString axis = NameX.trimmed();
  return axis.isEmpty() ? QStringLiteral("x") : axis;
}

int TDiagram::UnnamedSeries() const {
  int count = 0;
  for (const TKeeper* k = &BaseKeeper; k; k = k->GetNext())
    if (k->IsShown() && k->GetName().empty()) ++count;
  return count;
}

// A series without a name of its own takes the ordinate's, numbered when several do.
std::string TDiagram::SeriesName(const TKeeper& k, bool numbered) const {
  if (!k.GetName().empty()) return k.GetName();
  const QString axis = NameY.trimmed().isEmpty() ? QStringLiteral("y") : NameY.trimmed();
  if (!numbered) return axis.toStdString();
  return (axis + QStringLiteral(" (") + QString::number(k.GetNumber()) + QLatin1Char(')')).toStdString();
}

// Inside the range every column reads the series, as on the screen.
TDataColumn TDiagram::CurveColumn(const TKeeper& k, const std::vector<double>& x, bool numbered) const {
  TDataColumn column{SeriesName(k, numbered), {}};
  column.Values.reserve(x.size());
  for (double v : x) column.Values.push_back(k.GetValue(v));
  return column;
}

// The sample positions in view, read through the keeper's symmetry and period as the stems
// are; a series at the positions of an earlier one joins its group.
bool TDiagram::AddSampleColumn(std::vector<TDataGroup>& groups, const TKeeper& k, bool numbered) const {
  long long nLo = 0, nHi = -1;
  TDataColumn x{GetDataNameX().toStdString(), {}}, values{SeriesName(k, numbered), {}};
  if (SampleNumberRange(k.GetXmin(), k.GetStep(), Xmin, Xmax, nLo, nHi) && OwnSamples(k, nLo, nHi)) {
    if (nHi - nLo + 1 > MaxDataRows) return false;
    TSampleReader reader(k);
    x.Values.reserve(std::size_t(nHi - nLo + 1));
    values.Values.reserve(std::size_t(nHi - nLo + 1));
    for (long long n = nLo; n <= nHi; ++n) {
      x.Values.push_back(k.GetXmin() + double(n) * k.GetStep());
      values.Values.push_back(reader.Read(n));
    }
  }
  auto group = std::find_if(groups.begin(), groups.end(), [&](const TDataGroup& g) { return g.X.Values == x.Values; });
  if (group == groups.end()) {
    x.Name += " (" + WithoutUnit(values.Name) + ")";
    groups.push_back({std::move(x), {}});
    group = groups.end() - 1;
  }
  group->Series.push_back(std::move(values));
  return true;
}

bool TDiagram::VisibleData(TDataTable& table) const {
  table.clear();
  const bool numbered = UnnamedSeries() > 1;
  TDataGroup curves;
  curves.X.Name = GetDataNameX().toStdString();
  for (int px = x0_out; px <= x0_out + w_out; ++px) curves.X.Values.push_back(PhisToMathX(px));
  std::vector<TDataGroup> sampled;
  for (const TKeeper* k = &BaseKeeper; k && LinesEnabled; k = k->GetNext()) {
    if (!k->IsShown()) continue;
    if (IsCurve(k->GetShape())) curves.Series.push_back(CurveColumn(*k, curves.X.Values, numbered));
    if (IsSampled(k->GetShape()) && !AddSampleColumn(sampled, *k, numbered)) return false;
  }
  // With no series at all the abscissa heading stays alone: a heading-only file.
  if (curves.Series.empty()) curves.X.Values.clear();
  if (!curves.Series.empty() || sampled.empty()) table.push_back(std::move(curves));
  for (TDataGroup& g : sampled) table.push_back(std::move(g));
  // One abscissa column needs no series' name to tell it from another.
  if (table.size() == 1) table.front().X.Name = GetDataNameX().toStdString();
  return true;
}
