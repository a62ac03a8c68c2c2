#include "resources/ApplicationIcon.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace {
constexpr int IconSizes[] = {16, 24, 32, 48, 64, 128, 256};
}

QIcon ApplicationIcon() {
  QSvgRenderer renderer(QStringLiteral(":/resam.svg"));
  QIcon icon;
  if (!renderer.isValid()) return icon;
  for (int size : IconSizes) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(0, 0, size, size));
    painter.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}
