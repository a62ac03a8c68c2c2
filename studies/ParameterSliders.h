#pragma once
// Sliders under the parameter panel's edits: "N" for the count (2 .. the method's limit, on a
// logarithmic scale, so that the counts a lesson lives in take most of its length, while the
// arrow keys step by one count and the page keys by ten) and,
// while the period is typed, "T" for the period on a logarithmic scale of the periods the
// period box takes. Dragging re-runs the chain as the stepper applies the values (the latest
// wins) and the edits follow; a slider never offers a value beyond what the boxes accept.
#include <QObject>

#include "engine/PeriodSpan.h"
#include "engine/ResamEngine.h"

class QLabel;
class QSlider;
class TParameterStepper;

class TParameterSliders : public QObject {
  Q_OBJECT
 public:
  // Built in the parameter `panel` at its design positions, below its last row; the sliders
  // show `engine`'s count and period and ask `stepper` for the values they are moved to.
  TParameterSliders(QObject* owner, QWidget* panel, TResamEngine& engine, TParameterStepper& stepper);

  // The sliders follow the engine after a change (and the boxes' input mode).
  void Show(TResamEngine::TChanges changes);

  static constexpr int PeriodSteps = 1000;
  // The count slider's scale for counts 2 .. limit: positions 0 .. CountPositions(limit), the
  // count at a position, and a position where that count is (every count has one).
  static int CountPositions(int limit);
  static int CountAt(int position, int limit);
  static int PositionOf(int count, int limit);
  QLabel *CountCaption, *PeriodCaption;
  QSlider *CountSlider, *PeriodSlider;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Follow();
  void FollowPeriod();
  void CountMoved(int position);
  void CountStepped(int action);
  void PeriodMoved(int step);
  void Released();

  TResamEngine& Engine;
  TParameterStepper& Stepper;
  TPeriodSpan Span;  // of the period slider, kept while it is dragged
};
