// Signal arrival and the commands of the parameter panel and the sampling menus.
#include "engine/ResamEngine.h"

#include <algorithm>
#include <cmath>

#include "engine/SamplingGrid.h"
#include "platform/CoreServices.h"

namespace {
constexpr double PeriodChange = 1e-6;
constexpr int MinCount = 2;

// A value no edit would give (not a number, infinite) is refused as an unreadable entry is.
bool RefuseNonFinite(double value) {
  if (std::isfinite(value)) return false;
  ShowMessage(RESAM_MESSAGE("TResamEngine",
                            "Строка ввода имеет некорректный формат или пуста. \n Значение параметра восстановлено."));
  return true;
}
}  // namespace

TResamEngine::TChanges TResamEngine::AcceptSignal(TSignalSource source) {
  SignalSource = source;
  Given = true;
  TwinKnown = false;
  return ChangeSignal;
}

TResamEngine::TChanges TResamEngine::TakeAnalogSignal(TPeriodRule rule) {
  if (!IsAnalog()) return ChangeNone;
  TWaitCursor wait;
  ResetInterval = true;
  TChanges changes = AnalyseSignal() | ShowAnalogSpectrum();
  FN = 2 * FNmin;
  FT = rule == PeriodFromCount ? (FT2 - FT1) / (FN - 1) : FTmax * 0.5;
  changes |= LimitCount();
  return changes | Resample() | Reconstruct();
}

TResamEngine::TChanges TResamEngine::TakeTableSignal() {
  if (!Given || SignalSource != SourceTable) return ChangeNone;
  TWaitCursor wait;
  FT = 1.0;
  return Resample() | Reconstruct();
}

// A count below two has no period; one above the method's limit is corrected (with its
// message) by the chain itself.
TResamEngine::TChanges TResamEngine::SetCount(int n) {
  if (n < MinCount) {
    ShowMessage(RESAM_MESSAGE("TResamEngine",
                              "Введённое значение параметра меньше минимально-допустимого.\n Произведена коррекция."));
    n = MinCount;
  }
  if (n == FN) return ChangeNone;
  FN = n;
  if (!Given) return ChangeSamples;
  TWaitCursor wait;
  return ChangeSamples | Resample() | Reconstruct();
}

double TResamEngine::PeriodFor(bool readable, double typed) const {
  readable = readable && std::isfinite(typed);
  const double period = CorrectedPeriod(readable, typed, FT1, FT2);
  // A table's interval is made from the period itself, (N - 1) T: bounding the period by that
  // interval would forbid ever lengthening a short table's period. It is bounded instead by
  // the longest interval the diagrams can show.
  if (Given && SignalSource == SourceTable && readable && typed >= FT2 - FT1)
    return std::min(typed, LargestTablePeriod(FN));
  return period;
}

TResamEngine::TChanges TResamEngine::SetPeriod(double period) {
  if (RefuseNonFinite(period)) return ChangeNone;
  if (!(std::fabs(period - FT) >= PeriodChange)) return ChangeNone;
  FT = period;
  if (!Given) return ChangeSamples;
  TWaitCursor wait;
  return ChangeSamples | Resample() | Reconstruct();
}

TResamEngine::TChanges TResamEngine::SetIntervalStart(double t1) {
  if (RefuseNonFinite(t1) || t1 == FT1) return ChangeNone;
  FT1 = t1;
  return CommitInterval();
}

TResamEngine::TChanges TResamEngine::SetIntervalEnd(double t2) {
  if (RefuseNonFinite(t2) || t2 == FT2) return ChangeNone;
  FT2 = t2;
  return CommitInterval();
}

TResamEngine::TChanges TResamEngine::CommitInterval() {
  ResetInterval = false;
  if (!Given) return ChangeNone;
  TWaitCursor wait;
  TChanges changes = AnalyseSignal() | ShowAnalogSpectrum();
  return changes | Resample() | Reconstruct();
}

TResamEngine::TChanges TResamEngine::SetAnchoredAtZero(bool atZero) {
  AtZero = atZero;
  if (!Given) return ChangeNone;
  TWaitCursor wait;
  TChanges changes = Resample() | Reconstruct();
  return changes | SetSpectrumRange();
}
