#pragma once
// Qt cannot clip the mouse cursor to a rectangle, so the confiner watches every
// mouse move and puts the cursor back inside the rectangle when it leaves it.
#include <QObject>
#include <QRect>

class TCursorConfiner : public QObject {
 public:
  void Confine(const QRect& screenRect);
  void Release();
  bool IsActive() const { return Active; }
  const QRect& Area() const { return Rect; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QRect Rect;
  bool Active = false;
};
