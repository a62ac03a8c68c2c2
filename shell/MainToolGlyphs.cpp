#include "shell/MainToolGlyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>

#include "numerics/Mathlib.h"

namespace {
constexpr int Size = 16;

QPainterPath Curve(double (*f)(double), double left, double right) {
  QPainterPath path;
  for (int i = 0; i <= 30; ++i) {
    const double u = i / 30.0;
    const QPointF p(left + u * (right - left), 8 - 5.5 * f(u));
    if (i == 0)
      path.moveTo(p);
    else
      path.lineTo(p);
  }
  return path;
}

double Wave(double u) { return std::sin(2 * Pi * u) * 0.9; }
double Harmonics(double u) { return 0.6 * std::sin(2 * Pi * u) + 0.35 * std::sin(6 * Pi * u); }
double Lobe(double u) {
  const double x = (u - 0.5) * 6;
  return x == 0 ? 1 : std::sin(x) / x * 1.1 - 0.2;
}

void DrawDrawing(QPainter& p) {
  p.setPen(QPen(Qt::black, 1.2));
  p.drawPath(Curve(Wave, 1, 11));
  p.setPen(QPen(QColor(160, 100, 30), 2));
  p.drawLine(QPointF(10, 12), QPointF(15, 3));
}

void DrawTable(QPainter& p) {
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(Qt::white);
  p.drawRect(1, 2, 14, 12);
  for (int y : {6, 10}) p.drawLine(1, y, 15, y);
  p.drawLine(6, 2, 6, 14);
}

void DrawLibrary(QPainter& p) {
  const QColor colours[] = {QColor(180, 40, 40), QColor(40, 90, 170), QColor(40, 130, 60)};
  for (int i = 0; i < 3; ++i) p.fillRect(2 + i * 4, 3 + (i % 2), 3, 11 - (i % 2), colours[i]);
  p.setPen(QPen(Qt::black, 1));
  p.drawLine(1, 14, 15, 14);
}

void DrawCurve(QPainter& p, QColor colour, double (*f)(double)) {
  p.setPen(QPen(colour, 1.6));
  p.drawPath(Curve(f, 1, 15));
}

void DrawDiscrete(QPainter& p) {
  p.setPen(QPen(Qt::black, 1));
  for (int i = 0; i < 5; ++i) {
    const double x = 2 + i * 3;
    const double y = 8 - 5 * Wave((x - 1) / 14);
    p.drawLine(QPointF(x, 8), QPointF(x, y));
    p.drawEllipse(QPointF(x, y), 1.2, 1.2);
  }
}

void DrawInterpolating(QPainter& p) {
  DrawCurve(p, QColor(0, 0, 220), Wave);
  p.setBrush(Qt::black);
  for (int i = 0; i < 4; ++i) {
    const double x = 2 + i * 4;
    p.drawEllipse(QPointF(x, 8 - 5.5 * Wave((x - 1) / 14)), 1, 1);
  }
}

void DrawPeriods(QPainter& p, int periods) {
  p.setPen(QPen(Qt::black, 1));
  p.drawLine(0, 14, 16, 14);
  p.setPen(QPen(QColor(0, 0, 200), 1.2));
  const double width = 14.0 / periods;
  for (int k = 0; k < periods; ++k) {
    QPainterPath path = Curve(Lobe, 1 + k * width, 1 + (k + 1) * width);
    path.translate(0, 3);
    p.drawPath(path);
  }
}

// A stretch of a recording: a dense wave whose loudness swells and fades, in its frame.
void DrawRecording(QPainter& p) {
  p.setPen(QPen(QColor(0, 0, 128), 1));
  for (int x = 2; x <= 14; ++x) {
    const double h = 1 + 5 * std::sin(Pi * (x - 1) / 14) * (0.5 + 0.5 * std::fabs(std::sin(1.7 * x)));
    p.drawLine(QPointF(x + 0.5, 8 - h), QPointF(x + 0.5, 8 + h));
  }
  p.setPen(QPen(Qt::black, 1));
  p.drawLine(0, 1, 0, 15);
  p.drawLine(15, 1, 15, 15);
}

void DrawExit(QPainter& p) {
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(QColor(200, 170, 110));
  p.drawRect(2, 1, 7, 14);
  p.setPen(QPen(QColor(180, 0, 0), 2));
  p.drawLine(8, 8, 15, 8);
  p.drawLine(12, 5, 15, 8);
  p.drawLine(12, 11, 15, 8);
}

void DrawGlyph(QPainter& p, TMainGlyph glyph) {
  switch (glyph) {
    case TMainGlyph::Drawing:
      return DrawDrawing(p);
    case TMainGlyph::Table:
      return DrawTable(p);
    case TMainGlyph::Library:
      return DrawLibrary(p);
    case TMainGlyph::Polyharmonic:
      return DrawCurve(p, QColor(120, 0, 140), Harmonics);
    case TMainGlyph::Recording:
      return DrawRecording(p);
    case TMainGlyph::Analog:
      return DrawCurve(p, QColor(220, 0, 0), Wave);
    case TMainGlyph::Discrete:
      return DrawDiscrete(p);
    case TMainGlyph::Interpolating:
      return DrawInterpolating(p);
    case TMainGlyph::SignalBand:
      return DrawPeriods(p, 1);
    case TMainGlyph::OnePeriod:
      return DrawPeriods(p, 2);
    case TMainGlyph::TwoPeriods:
      return DrawPeriods(p, 3);
    case TMainGlyph::FourPeriods:
      return DrawPeriods(p, 5);
    case TMainGlyph::Exit:
      return DrawExit(p);
  }
}
}  // namespace

QIcon MainToolIcon(TMainGlyph glyph) {
  QIcon icon;
  for (int scale : {1, 2}) {
    QPixmap pixmap(Size * scale, Size * scale);
    pixmap.setDevicePixelRatio(scale);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    DrawGlyph(p, glyph);
    p.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}
