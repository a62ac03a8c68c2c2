#pragma once
// "Исследование" › "Показывать слагаемые": the signal diagram draws, over the samples' stems
// (which would hide them at a large N) in a colour of their own, the term each sample contributes to it (at most
// MaxShownTerms, those of the samples nearest the middle of the view), chosen anew for the range of every repaint, so
// that zooming and scrolling bring the terms of the samples in view; a note says how many
// are shown when more reach the view.
#include <QObject>
#include <functional>
#include <vector>

#include "engine/ReconstructionTerms.h"

class QAction;
class QLabel;
class QMenu;
class TDiagram;
class TKeeper;
class TResamEngine;

class TTermsView : public QObject {
  Q_OBJECT
 public:
  // Adds the item to `menu`; the series come with the first showing, on the diagram
  // `signalDiagram` gives (the window may make it after this view), from `engine`'s terms.
  TTermsView(QObject* owner, TResamEngine& engine, std::function<TDiagram*()> signalDiagram, QMenu* menu);

  QAction* Item;           // "Показывать слагаемые"
  QLabel* Note = nullptr;  // "показаны 60 слагаемых из N", on the diagram
  // The term series of the signal diagram, in the order of the chosen terms (null before the
  // first showing).
  TKeeper* Series(int k) const { return Keepers[k]; }
  // The terms' colour, the legend's too.
  static int Colour();

 private:
  void Toggle(bool on);
  void SetUpSeries();
  void FitToView(TDiagram* diagram);
  void ShowNote(int shown, int reaching);

  TResamEngine& Engine;
  const std::function<TDiagram*()> SignalDiagram;
  TKeeper* Keepers[MaxShownTerms] = {};
  std::vector<double> ColumnTimes;  // of the repaint under way; kept to reuse its storage
};
