#pragma once
// A value asked for again and again faster than it can be applied (key repeats, a dragged
// slider): only the latest one is applied, once the event loop is free, so that requests
// arriving while an application runs never queue up into a replay of every step.
#include <QObject>
#include <QTimer>
#include <functional>

class TCoalescedRequest : public QObject {
  Q_OBJECT
 public:
  using TApply = std::function<void(double)>;
  TCoalescedRequest(TApply apply, QObject* parent = nullptr);

  // Keeps `value` as the one to apply, replacing any still waiting.
  void Request(double value);
  bool IsPending() const { return Pending; }
  // The value waiting to be applied (meaningful while IsPending()).
  double Latest() const { return Value; }
  // Applies the waiting value now, if there is one.
  void Flush();

 private:
  TApply Apply;
  QTimer Timer;
  double Value = 0;
  bool Pending = false;
};
