#include "studies/TermsView.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <algorithm>
#include <utility>

#include "engine/ResamEngine.h"
#include "numerics/Keeper.h"
#include "plotting/Diagram.h"
#include "widgets/TranslatedTexts.h"

namespace {
constexpr int EstimateCount = 10;
constexpr int TermPenWidth = 1;
// Violet, as the toolkit writes colours: apart from the red signal, the blue interpolating
// function, the black samples, the green filtered signal and the teal twin.
constexpr int TermColour = 0xC85096;
constexpr int NoteMargin = 6;
}  // namespace

TTermsView::TTermsView(QObject* owner, TResamEngine& engine, std::function<TDiagram*()> signalDiagram, QMenu* menu)
    : QObject(owner), Engine(engine), SignalDiagram(std::move(signalDiagram)) {
  Item = AddTranslatedItem(menu, "TTermsView", QT_TR_NOOP("Показывать слагаемые"));
  Item->setCheckable(true);
  PutText(Item, TTextRole::ToolTip, "TTermsView", QT_TR_NOOP("Показать вклад каждого отсчёта"));
  menu->setToolTipsVisible(true);
  connect(Item, &QAction::toggled, this, &TTermsView::Toggle);
}

void TTermsView::Toggle(bool on) {
  if (on && !Keepers[0]) SetUpSeries();
  if (!Keepers[0]) return;
  if (!on) {
    for (TKeeper* k : Keepers) k->Hide();
    Note->hide();
  }
  SignalDiagram()->ShowDiagram();
}

int TTermsView::Colour() { return TermColour; }

// After the diagram's own three series, so drawn over them; each only over its own span.
void TTermsView::SetUpSeries() {
  TDiagram& d = *SignalDiagram();
  for (int k = 0; k < MaxShownTerms; ++k) {
    TKeeper* keeper = d.PNewKeeper();
    if (!keeper) return;
    keeper->SetColor(TermColour);
    keeper->SetPenWidth(TermPenWidth);
    keeper->SetBounded(true);
    keeper->Hide();
    Keepers[k] = keeper;
  }
  Note = new QLabel(&d);
  Note->setAttribute(Qt::WA_TransparentForMouseEvents);
  Note->hide();
  connect(&d, &TDiagram::OnPaintSeries, this, &TTermsView::FitToView);
}

// Each curve reads the engine's terms, told the times of the pixel columns about to be drawn.
// It is drawn only where it can be told from zero, half a pixel, and within the span of the
// interpolating function; the span is renewed only when it changes, since that evaluates the curve.
void TTermsView::FitToView(TDiagram* diagram) {
  TResamEngine& engine = Engine;
  if (!Item->isChecked() || !engine.SignalGiven() || !Keepers[MaxShownTerms - 1]) return;
  ColumnTimes.clear();
  for (int px = diagram->Get_xb_net(); px <= diagram->Get_xe_net(); ++px)
    ColumnTimes.push_back(diagram->PhisToMathX(px));
  engine.ChooseTerms(diagram->GetXmin(), diagram->GetXmax(), ColumnTimes);
  const TReconstructionTerms& terms = engine.Terms();
  const TKeeper& curve = engine.CurveSeries();
  const double halfPixel =
      0.5 * (diagram->GetYmax() - diagram->GetYmin()) / std::max(1, diagram->Get_ye_net() - diagram->Get_yb_net());
  for (int k = 0; k < MaxShownTerms; ++k) {
    TKeeper& keeper = *Keepers[k];
    double from = 0, to = 0;
    if (k < terms.Count()) terms.Extent(k, halfPixel, from, to);
    from = std::max(from, curve.GetXmin());
    to = std::min(to, curve.GetXmax());
    if (k >= terms.Count() || !(from < to)) {
      keeper.Hide();
      continue;
    }
    if (keeper.GetSource() != SourceFunction || keeper.GetXmin() != from || keeper.GetXmax() != to)
      keeper.SetFunction(terms.Function(k), EstimateCount, from, to);
    keeper.Show();
  }
  ShowNote(terms.Count(), terms.Reaching());
}

void TTermsView::ShowNote(int shown, int reaching) {
  if (reaching <= shown) {
    Note->hide();
    return;
  }
  Note->setText(tr("показаны %1 слагаемых из %2").arg(shown).arg(reaching));
  Note->adjustSize();
  const TDiagram& d = *SignalDiagram();
  // The net's top right corner holds the legend.
  Note->move(d.Get_xe_net() - Note->width() - NoteMargin, d.Get_ye_net() - Note->height() - NoteMargin);
  Note->show();
}
