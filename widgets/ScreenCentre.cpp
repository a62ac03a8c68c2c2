#include "widgets/ScreenCentre.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void CentreOnScreen(QWidget* window) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen || !window) return;
  const QRect area = screen->geometry();
  const QSize size = window->frameGeometry().size();
  const QPoint target(area.x() + area.width() / 2 - size.width() / 2, area.y() + area.height() / 2 - size.height() / 2);
  // Moving only when needed: the viewer calls this on every paint.
  if (window->pos() != target) window->move(target);
}
