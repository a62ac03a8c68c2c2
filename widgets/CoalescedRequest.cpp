#include "widgets/CoalescedRequest.h"

TCoalescedRequest::TCoalescedRequest(TApply apply, QObject* parent) : QObject(parent), Apply(std::move(apply)) {
  // A zero interval fires once the events already waiting have been handled.
  Timer.setSingleShot(true);
  Timer.setInterval(0);
  connect(&Timer, &QTimer::timeout, this, &TCoalescedRequest::Flush);
}

void TCoalescedRequest::Request(double value) {
  Value = value;
  Pending = true;
  if (!Timer.isActive()) Timer.start();
}

// The flag is cleared before applying: a request made while the value is being applied
// (an application that lets events through) waits for the next turn instead of being lost.
void TCoalescedRequest::Flush() {
  Timer.stop();
  if (!Pending) return;
  Pending = false;
  if (Apply) Apply(Value);
}
