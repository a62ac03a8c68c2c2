// The diagram's keeper list: the base keeper, the keepers it owns after it, their numbers,
// and the ranges chosen from them.
#include <algorithm>
#include <new>

#include "platform/CoreServices.h"
#include "plotting/Diagram.h"

namespace {
// Numbers are bytes and the list length is one too: 255 keepers keep both meaningful.
constexpr int MaxKeepers = 255;
const char* const NoKeeperMessage = QT_TRANSLATE_NOOP("TDiagram", "Diagram: Hе удалось создать график.");
const char* const NoMemoryMessage =
    QT_TRANSLATE_NOOP("TDiagram", "Diagram: Отказано в выделении памяти при создании графика.");
const char* const BaseKeeperMessage =
    QT_TRANSLATE_NOOP("TDiagram", "Diagram: Попытка удалить базовый график отменена.");

void ShowTranslated(const char* source) { ShowMessage(TDiagram::tr(source).toStdString()); }

// A new keeper appended after `last`, numbered after it; null when it cannot be had.
TKeeper* AppendAfter(TKeeper* last) {
  if (last->GetNumber() + 1 >= MaxKeepers) return nullptr;
  TKeeper* keeper = new (std::nothrow) TKeeper;
  if (!keeper) return nullptr;
  keeper->SetNumber(static_cast<unsigned char>(last->GetNumber() + 1));
  last->SetNext(keeper);
  return keeper;
}
}  // namespace

TKeeper* TDiagram::LastKeeper() {
  TKeeper* last = &BaseKeeper;
  while (last->GetNext()) last = last->GetNext();
  return last;
}

void TDiagram::NewKeeperList(unsigned char n) {
  DeleteKeeperList();
  while (LastKeeper()->GetNumber() + 1 < n)
    if (NewKeeper() == 0) return;
}

void TDiagram::DeleteKeeperList() {
  TKeeper* keeper = BaseKeeper.GetNext();
  BaseKeeper.ClearNext();
  while (keeper) {
    TKeeper* next = keeper->GetNext();
    delete keeper;
    keeper = next;
  }
}

TKeeper* TDiagram::PNewKeeper() {
  TKeeper* keeper = AppendAfter(LastKeeper());
  if (!keeper) ShowTranslated(NoKeeperMessage);
  return keeper;
}

unsigned char TDiagram::NewKeeper() {
  TKeeper* keeper = AppendAfter(LastKeeper());
  if (!keeper) {
    ShowTranslated(NoMemoryMessage);
    return 0;
  }
  return keeper->GetNumber();
}

void TDiagram::DeleteKeeper(unsigned char number) {
  if (TKeeper* keeper = GetKeeper(number)) PDeleteKeeper(keeper);
}

void TDiagram::PDeleteKeeper(TKeeper* keeper) {
  if (keeper == &BaseKeeper) {
    ShowTranslated(BaseKeeperMessage);
    return;
  }
  if (!keeper) return;
  TKeeper* before = &BaseKeeper;
  while (before->GetNext() && before->GetNext() != keeper) before = before->GetNext();
  if (before->GetNext() != keeper) return;
  before->SetNext(keeper->GetNext());
  delete keeper;
  unsigned char number = before->GetNumber();
  for (TKeeper* k = before->GetNext(); k; k = k->GetNext()) k->SetNumber(++number);
}

TKeeper* TDiagram::GetKeeper(unsigned char number) {
  for (TKeeper* k = &BaseKeeper; k; k = k->GetNext())
    if (k->GetNumber() == number) return k;
  return nullptr;
}

unsigned char TDiagram::GetKeeperListLength() const {
  int length = 0;
  for (const TKeeper* k = &BaseKeeper; k; k = k->GetNext()) ++length;
  return static_cast<unsigned char>(std::min(length, MaxKeepers));
}

bool TDiagram::EnableLine(bool on) {
  LinesEnabled = on;
  return LinesEnabled;
}

// The extent of every series along one axis, as the union of theirs or as their average.
std::pair<double, double> TDiagram::SeriesExtent(TKeeperEnd lowEnd, TKeeperEnd highEnd, bool average) const {
  double low = (BaseKeeper.*lowEnd)(), high = (BaseKeeper.*highEnd)();
  int count = 1;
  for (const TKeeper* k = BaseKeeper.GetNext(); k; k = k->GetNext(), ++count) {
    low = average ? low + (k->*lowEnd)() : std::min(low, (k->*lowEnd)());
    high = average ? high + (k->*highEnd)() : std::max(high, (k->*highEnd)());
  }
  if (average) return {low / count, high / count};
  return {low, high};
}

void TDiagram::AutoRangeX() {
  const auto [low, high] = SeriesExtent(&TKeeper::GetXmin, &TKeeper::GetXmax, false);
  SetRangeX(low, high);
}

void TDiagram::AutoRangeXAverage() {
  const auto [low, high] = SeriesExtent(&TKeeper::GetXmin, &TKeeper::GetXmax, true);
  SetRangeX(low, high);
}

void TDiagram::AutoRangeY() {
  const auto [low, high] = SeriesExtent(&TKeeper::GetYmin, &TKeeper::GetYmax, false);
  SetRangeY(low, high);
}

void TDiagram::AutoRangeYAverage() {
  const auto [low, high] = SeriesExtent(&TKeeper::GetYmin, &TKeeper::GetYmax, true);
  SetRangeY(low, high);
}
