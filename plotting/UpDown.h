#pragma once
// Two small arrow buttons that repeat while held, moving one edge of a diagram's range.
// Vertical: up (next) above down (prev); horizontal: left (prev) beside right (next).
#include <QWidget>

class QToolButton;

class TUpDown : public QWidget {
  Q_OBJECT
  // Read by the accessible-name helper, which names the arrows after their directions.
  Q_PROPERTY(Qt::Orientation Orientation READ GetOrientation CONSTANT)

 public:
  enum TUDBtnType { btNext, btPrev };

  TUpDown(Qt::Orientation orientation, QWidget* parent = nullptr);
  QToolButton* NextButton() const { return Next; }
  QToolButton* PrevButton() const { return Prev; }
  Qt::Orientation GetOrientation() const { return Orientation; }

 signals:
  // Once per click and once per repeat while a button is held.
  void Click(TUpDown* sender, TUpDown::TUDBtnType button);
  // The real press and release of either button, not the repeats in between.
  void MouseDown(TUpDown* sender);
  void MouseUp(TUpDown* sender);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  Qt::Orientation Orientation;
  QToolButton* Next;
  QToolButton* Prev;
};
