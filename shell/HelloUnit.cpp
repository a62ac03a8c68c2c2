#include "shell/HelloUnit.h"

#include <QCloseEvent>
#include <QEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>
#include <QtMath>
#include <cmath>
#include <numbers>

#include "platform/Platform.h"
#include "widgets/AccessibleNames.h"
#include "widgets/ScreenCentre.h"

namespace {
const QColor DeepBlue(0x0B, 0x2A, 0x5B);
const QColor LightBlue(0x1D, 0x5F, 0xA8);
const QColor Ivory(0xF5, 0xF1, 0xE0);
const QColor SampleGold(0xFF, 0xD2, 0x4A);
constexpr int FrameInset = 8;

// The band of the card with a signal, its samples and the curve rebuilt from them.
constexpr QRect PlotBand(40, 150, 320, 70);
constexpr int SampleCount = 13;
constexpr int CurvePoints = 160;

double CardSignal(double u) { return std::sin(2 * std::numbers::pi * u) * std::exp(-1.5 * u) * 0.9 + 0.1; }

QPointF PlotPoint(double u) {
  return QPointF(PlotBand.left() + u * PlotBand.width(),
                 PlotBand.center().y() - CardSignal(u) * PlotBand.height() / 2.0);
}

void DrawBackground(QPainter& painter) {
  QLinearGradient gradient(0, 0, 0, THelloForm::CardHeight);
  gradient.setColorAt(0, DeepBlue);
  gradient.setColorAt(1, LightBlue);
  painter.fillRect(0, 0, THelloForm::CardWidth, THelloForm::CardHeight, gradient);
  painter.setPen(QPen(Ivory, 1));
  painter.drawRect(FrameInset, FrameInset, THelloForm::CardWidth - 2 * FrameInset - 1,
                   THelloForm::CardHeight - 2 * FrameInset - 1);
}

void DrawText(QPainter& painter, const QRect& box, const QString& text, const QString& family, int size,
              bool bold = false, bool italic = false) {
  QFont font(family, size);
  font.setBold(bold);
  font.setItalic(italic);
  painter.setFont(font);
  painter.setPen(Ivory);
  painter.drawText(box, Qt::AlignCenter | Qt::TextWordWrap, text);
}

void DrawSignal(QPainter& painter) {
  QPainterPath curve(PlotPoint(0));
  for (int i = 1; i <= CurvePoints; ++i) curve.lineTo(PlotPoint(double(i) / CurvePoints));
  painter.setPen(QPen(Ivory, 1.5));
  painter.drawPath(curve);
  painter.setPen(QPen(SampleGold, 1));
  painter.setBrush(SampleGold);
  const double axis = PlotBand.center().y();
  for (int i = 0; i < SampleCount; ++i) {
    const QPointF sample = PlotPoint(double(i) / (SampleCount - 1));
    painter.drawLine(QPointF(sample.x(), axis), sample);
    painter.drawEllipse(sample, 2.5, 2.5);
  }
  painter.setPen(QPen(Ivory, 1, Qt::DotLine));
  painter.drawLine(QPointF(PlotBand.left(), axis), QPointF(PlotBand.right(), axis));
}
}  // namespace

QImage HelloPicture(qreal devicePixelRatio) {
  const qreal ratio = devicePixelRatio > 0 && std::isfinite(devicePixelRatio) ? devicePixelRatio : 1;
  QImage card(qCeil(THelloForm::CardWidth * ratio), qCeil(THelloForm::CardHeight * ratio), QImage::Format_RGB32);
  card.setDevicePixelRatio(ratio);
  QPainter painter(&card);
  painter.setRenderHint(QPainter::Antialiasing);
  DrawBackground(painter);
  const QString serif = QStringLiteral("Times New Roman");
  const QString sans = QStringLiteral("Arial");
  DrawText(painter, QRect(20, 22, 360, 24), THelloForm::tr("Лабораторная работа"), serif, 14, false, true);
  DrawText(painter, QRect(20, 56, 360, 80),
           THelloForm::tr("Восстановление аналоговых сигналов по их дискретным отсчётам"), serif, 18, true);
  DrawSignal(painter);
  DrawText(painter, QRect(20, 232, 360, 20), THelloForm::tr("Автор: Кварнел"), sans, 11);
  DrawText(painter, QRect(20, 256, 360, 20), THelloForm::tr("Тармин, 2015"), sans, 11);
  return card;
}

THelloForm::THelloForm(QWidget* owner)
    : QWidget(owner, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      Image1(new QLabel(this)),
      Timer1(new QTimer(this)) {
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(CardWidth, CardHeight);
  Image1->setGeometry(rect());
  Image1->setAlignment(Qt::AlignCenter);
  PaintCard();
  Image1->setCursor(Qt::BusyCursor);
  Image1->installEventFilter(this);
  Timer1->setSingleShot(true);
  Timer1->setInterval(ShowMilliseconds);
  connect(Timer1, &QTimer::timeout, this, &THelloForm::Timer1Timer);
  Timer1->start();
  CentreOnScreen(this);
  FormCreate();
  GiveAccessibleNames(this);
}

void THelloForm::PaintCard() { Image1->setPixmap(QPixmap::fromImage(HelloPicture(devicePixelRatioF()))); }

// The card's words are painted: a language chosen while it shows paints it again.
void THelloForm::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) PaintCard();
  QWidget::changeEvent(event);
}

// Also when the window is destroyed without having been closed (the application ends first).
THelloForm::~THelloForm() { FormClose(); }

void THelloForm::FormCreate() {
  Platform().PushCursor(Qt::BusyCursor);
  CursorChanged = true;
}

void THelloForm::Timer1Timer() {
  Timer1->stop();
  close();
}

void THelloForm::FormClick() { close(); }

void THelloForm::FormClose() {
  Timer1->stop();
  if (!CursorChanged) return;
  CursorChanged = false;
  Platform().PopCursor();
}

void THelloForm::closeEvent(QCloseEvent* event) {
  FormClose();
  QWidget::closeEvent(event);
}

void THelloForm::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) FormClick();
}

bool THelloForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Image1 && event->type() == QEvent::MouseButtonRelease) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() == Qt::LeftButton && Image1->rect().contains(mouse->position().toPoint())) {
      FormClick();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}
