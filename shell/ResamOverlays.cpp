// "Исследование" › "Легенда на диаграммах": a legend naming each shown series of the signal,
// spectrum and error diagrams in its colour, and the analysis interval marked on the signal and
// error diagrams. Off, the diagrams are drawn as they were before either existed (the alias
// twin keeps the one-line legend it has always had).
#include <QAction>
#include <QMenu>

#include "numerics/Keeper.h"
#include "plotting/Diagram.h"
#include "plotting/DiagramFrameUnit.h"
#include "shell/ResamUnit.h"
#include "studies/ErrorFiguresLabel.h"
#include "studies/TermsView.h"
#include "widgets/TranslatedTexts.h"

namespace {
using TLegend = std::vector<TDiagram::TLegendLine>;

struct TLegendRow {
  TDiagramFrame* Frame;
  bool Shown;
  int Colour;
  const char* Text;
  bool Marker = false;
  bool Dashed = false;
  // The twin's line, which the diagram has had since before the legends.
  bool Kept = false;
};

// Between the error figures and the highest point of the error curve.
constexpr int FiguresGap = 2;

bool Drawn(const TKeeper* k) { return k && k->IsShown(); }
int ColourOfSeries(const TKeeper* k) { return k ? k->GetColor() : 0; }
}  // namespace

void TResamForm::BuildLegendItem() {
  LegendItem = AddTranslatedItem(ResearchMenu, TextContext, QT_TR_NOOP("Легенда на диаграммах"));
  LegendItem->setCheckable(true);
  LegendItem->setChecked(true);
  connect(LegendItem, &QAction::toggled, this, &TResamForm::ShowOverlays);
  // The terms' series are shown and hidden by their own view; the legend follows its item.
  connect(Terms->Item, &QAction::toggled, this, &TResamForm::ShowOverlays);
}

void TResamForm::ShowOverlays() {
  ShowLegends();
  ShowIntervalMarks();
}

// In the order the series are read: the signal, what is taken from it, what is rebuilt.
void TResamForm::ShowLegends() {
  const bool given = Engine.SignalGiven();
  const auto row = [given](TDiagramFrame* frame, const TKeeper* k, const char* text) {
    return TLegendRow{frame, given && Drawn(k), ColourOfSeries(k), text, false, k && k->IsDashed()};
  };
  TLegendRow samples = row(DFs, Series(DFs, 2), QT_TR_NOOP("Отсчёты"));
  samples.Marker = true;
  TLegendRow twin = row(DFs, TwinKeeper, QT_TR_NOOP("Сигнал-двойник"));
  twin.Kept = true;
  // Each term is shown or hidden as the view moves; the item says whether they are drawn.
  const TLegendRow terms{DFs, given && Terms->Item->isChecked(), Terms->Colour(), QT_TR_NOOP("Слагаемые")};
  const TLegendRow error{DFE, given && Engine.HasError() && Drawn(Series(DFE, 0)), ColourOfSeries(Series(DFE, 0)),
                         QT_TR_NOOP("Ошибка")};
  // The filtered signal is named with the filter window's own word ("Ошибка относительно
  // отфильтрованного сигнала"), so the legend and the check item speak of one thing.
  const TLegendRow rows[] = {row(DFs, Series(DFs, 0), QT_TR_NOOP("Сигнал")),
                             row(DFs, FilteredKeeper, QT_TR_NOOP("Отфильтрованный сигнал")),
                             samples,
                             row(DFs, Series(DFs, 1), QT_TR_NOOP("Интерполирующая функция")),
                             twin,
                             terms,
                             row(DFAS, Series(DFAS, 0), QT_TR_NOOP("Спектр сигнала")),
                             row(DFAS, Series(DFAS, 1), QT_TR_NOOP("Спектр дискретного сигнала")),
                             row(DFAS, Series(DFAS, 2), QT_TR_NOOP("Спектр интерполирующей функции")),
                             row(DFAS, ResponseKeeper, QT_TR_NOOP("АЧХ фильтра")),
                             error};
  const bool on = LegendItem->isChecked();
  for (TDiagramFrame* frame : {DFs, DFAS, DFE}) {
    TLegend legend;
    for (const TLegendRow& r : rows)
      if (r.Frame == frame && r.Shown && (on || r.Kept)) legend.push_back({r.Colour, tr(r.Text), r.Marker, r.Dashed});
    frame->Diagram->SetLegend(legend);
  }
}

void TResamForm::ShowIntervalMarks() {
  TDiagram::TIntervalMark mark;
  mark.On = LegendItem->isChecked() && Engine.SignalGiven();
  if (mark.On) {
    mark.From = Engine.T1();
    mark.To = Engine.T2();
    mark.FromName = QStringLiteral("T1");
    mark.ToName = QStringLiteral("T2");
  }
  DFs->Diagram->SetIntervalMark(mark);
  // A table signal has no error to cover: its empty error diagram is left unmarked.
  DFE->Diagram->SetIntervalMark(Engine.HasError() ? mark : TDiagram::TIntervalMark());
}

// The error figures are written over the top of the error diagram, where its automatic range
// puts the largest error: the range just set is raised by the figures' height, so that they
// hide no part of the curve they describe. Legends off, the range stays as it was.
void TResamForm::KeepErrorClearOfFigures() {
  if (!LegendItem->isChecked() || LabelErrorFigures->isHidden()) return;
  TDiagram& d = *DFE->Diagram;
  const int net = d.Get_ye_net() - d.Get_yb_net();
  const int room = LabelErrorFigures->height() + FiguresGap;
  if (net <= 2 * room || !(d.GetYmax() > d.GetYmin())) return;
  d.SetYmax(d.GetYmin() + (d.GetYmax() - d.GetYmin()) * net / (net - room));
  DFE->StoreRange();
}
