#include "engine/SpectrumRange.h"

#include <cmath>

namespace {
constexpr double PeriodMargin = 1.1;
constexpr double LimitPeriods = 5;
constexpr double HeadRoom = 1.1;
// Used when no spectrum value is positive: any range would do, this one shows the zero line.
constexpr double EmptySpectrumTop = 1;

double Period(TFrequencyUnit unit, const TSpectrumScales& s) { return unit == TFrequencyUnit::Circular ? s.Wd : s.Fd; }
}  // namespace

double SpectrumHalfWidth(TSpectrumView view, TFrequencyUnit unit, const TSpectrumScales& scales) {
  const double twoPeriods = PeriodMargin * Period(unit, scales);
  switch (view) {
    case TSpectrumView::SignalBand:
      return unit == TFrequencyUnit::Circular ? scales.Wm : scales.Fm;
    case TSpectrumView::OnePeriod:
      return twoPeriods * 0.5;
    case TSpectrumView::TwoPeriods:
      return twoPeriods;
    case TSpectrumView::FourPeriods:
      return twoPeriods * 2;
  }
  return twoPeriods;
}

TSpectrumRange SpectrumRangeFor(TSpectrumView view, TFrequencyUnit unit, const TSpectrumScales& scales, double T,
                                double discreteMax, double analogMax) {
  double ymax = T * discreteMax;
  if (analogMax > ymax) ymax = analogMax;
  if (!(ymax > 0) || !std::isfinite(ymax)) ymax = EmptySpectrumTop / HeadRoom;
  TSpectrumRange range;
  const double period = Period(unit, scales);
  range.LimitMin = -LimitPeriods * period;
  range.LimitMax = LimitPeriods * period;
  const double half = SpectrumHalfWidth(view, unit, scales);
  range.Xmin = -half;
  range.Xmax = half;
  range.Ymin = 0;
  range.Ymax = HeadRoom * ymax;
  return range;
}

double InUnit(double circular, TFrequencyUnit unit) {
  return unit == TFrequencyUnit::Circular ? circular : static_cast<double>(circular * ExtendedInverseTwoPi);
}
