#pragma once
// The main window's count, period and method changed by steps (keys, sliders) rather than
// typed: each request is applied exactly as typing its value and leaving the box (or
// choosing the method in the menu) would apply it, the latest request of each kind winning
// once the event loop is free, and every edit whose value changed is announced to
// assistive technology.
#include <QList>
#include <QObject>
#include <functional>

#include "widgets/CoalescedRequest.h"

class QAction;
class QLineEdit;
class QMenu;
class TResamEngine;

// The window's count and period boxes and what leaving each of them does there. The boxes are
// asked for when first needed: the window may make them after the stepper.
struct TParameterBoxes {
  std::function<QLineEdit*()> Count, Period;
  std::function<void()> CommitCount, CommitPeriod;
};

class TParameterStepper : public QObject {
  Q_OBJECT
 public:
  // Steps `engine`'s parameters through `boxes` and the check items of `methodMenu` (the
  // method menu); lives as long as `owner`.
  TParameterStepper(QObject* owner, TResamEngine& engine, TParameterBoxes boxes, QMenu* methodMenu);

  // The period box shows this many decimals; a period typed there has no more.
  static constexpr int PeriodDecimals = 4;

  // A count held to 2 .. the method's limit; a period held to the engine's slidable periods
  // and put on the box's grid; a method by its place in the method menu.
  void RequestCount(int n);
  void RequestPeriod(double period);
  void RequestMethod(int index);
  // What the latest request will set, or the current state when none waits.
  int CountTarget() const;
  int MethodTarget() const;
  // Applies every waiting request now.
  void Flush();

  // A signal is given and its count is typed (count mode of an analog signal).
  bool CountTyped() const;
  // A signal is given and its period is typed (period mode, or a table).
  bool PeriodTyped() const;
  // The method items in the menu's order.
  QList<QAction*> MethodItems() const;
  int CurrentMethod() const;
  QLineEdit* CountBox() const { return Boxes.Count(); }
  QLineEdit* PeriodBox() const { return Boxes.Period(); }

 private:
  void ApplyCount(double n);
  void ApplyPeriod(double period);
  void ApplyMethod(double index);
  // Runs `apply` and announces the count and period boxes whose texts it changed.
  template <class F>
  void Announcing(F apply);

  TResamEngine& Engine;
  const TParameterBoxes Boxes;
  QMenu* MethodMenu;
  TCoalescedRequest Count, Period, Method;
};
