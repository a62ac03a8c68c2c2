#include "platform/CursorConfiner.h"

#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <algorithm>

void TCursorConfiner::Confine(const QRect& screenRect) {
  Rect = screenRect.normalized();
  if (!Active) qApp->installEventFilter(this);
  Active = true;
}

void TCursorConfiner::Release() {
  if (Active) qApp->removeEventFilter(this);
  Active = false;
}

bool TCursorConfiner::eventFilter(QObject* watched, QEvent* event) {
  if (Active && event->type() == QEvent::MouseMove && !Rect.isEmpty()) {
    const QPoint pos = QCursor::pos();
    const QPoint inside(std::clamp(pos.x(), Rect.left(), Rect.right()), std::clamp(pos.y(), Rect.top(), Rect.bottom()));
    if (inside != pos) QCursor::setPos(inside);
  }
  return QObject::eventFilter(watched, event);
}
