#include "plotting/UpDown.h"

#include <QEvent>
#include <QToolButton>

#include "plotting/ToolGlyphs.h"

namespace {
constexpr int RepeatDelayMs = 400;
constexpr int RepeatIntervalMs = 80;
constexpr int ArrowIconSize = 8;

QToolButton* ArrowButton(QWidget* parent, TToolGlyph glyph) {
  auto* button = new QToolButton(parent);
  button->setIcon(ToolIcon(glyph));
  button->setIconSize(QSize(ArrowIconSize, ArrowIconSize));
  button->setAutoRepeat(true);
  button->setAutoRepeatDelay(RepeatDelayMs);
  button->setAutoRepeatInterval(RepeatIntervalMs);
  button->setFocusPolicy(Qt::NoFocus);
  return button;
}
}  // namespace

TUpDown::TUpDown(Qt::Orientation orientation, QWidget* parent)
    : QWidget(parent),
      Orientation(orientation),
      Next(ArrowButton(this, orientation == Qt::Vertical ? TToolGlyph::ArrowUp : TToolGlyph::ArrowRight)),
      Prev(ArrowButton(this, orientation == Qt::Vertical ? TToolGlyph::ArrowDown : TToolGlyph::ArrowLeft)) {
  connect(Next, &QToolButton::clicked, this, [this] { emit Click(this, btNext); });
  connect(Prev, &QToolButton::clicked, this, [this] { emit Click(this, btPrev); });
  Next->installEventFilter(this);
  Prev->installEventFilter(this);
}

bool TUpDown::eventFilter(QObject*, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress) emit MouseDown(this);
  if (event->type() == QEvent::MouseButtonRelease) emit MouseUp(this);
  return false;
}

void TUpDown::resizeEvent(QResizeEvent*) {
  if (Orientation == Qt::Vertical) {
    const int half = height() / 2;
    Next->setGeometry(0, 0, width(), half);
    Prev->setGeometry(0, half, width(), height() - half);
  } else {
    const int half = width() / 2;
    Prev->setGeometry(0, 0, half, height());
    Next->setGeometry(half, 0, width() - half, height());
  }
}
