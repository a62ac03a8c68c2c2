#include "plotting/ToolGlyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QToolButton>

namespace {
constexpr int GlyphSize = 16;
const QColor Ink(40, 40, 40);
const QColor Accent(30, 90, 200);
const QColor Warning(190, 30, 30);

void Arrowhead(QPainter& p, QPointF tip, QPointF dir, double size) {
  const QPointF side(-dir.y(), dir.x());
  const QPointF base = tip - dir * size;
  const QPointF tri[3] = {tip, base + side * (size * 0.6), base - side * (size * 0.6)};
  p.setBrush(p.pen().color());
  p.drawPolygon(tri, 3);
  p.setBrush(Qt::NoBrush);
}

void DrawMeasure(QPainter& p) {
  p.setPen(QPen(Ink, 1.5));
  p.drawLine(QPointF(8, 1), QPointF(8, 5.5));
  p.drawLine(QPointF(8, 10.5), QPointF(8, 15));
  p.drawLine(QPointF(1, 8), QPointF(5.5, 8));
  p.drawLine(QPointF(10.5, 8), QPointF(15, 8));
  p.setPen(QPen(Accent, 1.5));
  p.drawEllipse(QPointF(8, 8), 3, 3);
}

void DrawLimits(QPainter& p) {
  p.setPen(QPen(Ink, 1.5));
  p.drawLine(QPointF(2, 3), QPointF(2, 13));
  p.drawLine(QPointF(14, 3), QPointF(14, 13));
  p.setPen(QPen(Accent, 1.5));
  p.drawLine(QPointF(4, 8), QPointF(12, 8));
  Arrowhead(p, QPointF(3.5, 8), QPointF(-1, 0), 3.5);
  Arrowhead(p, QPointF(12.5, 8), QPointF(1, 0), 3.5);
}

void DrawReturnLimits(QPainter& p) {
  p.setPen(QPen(Ink, 1.2));
  p.drawRect(QRectF(1.5, 1.5, 13, 13));
  p.setPen(QPen(Accent, 1.6));
  QPainterPath path;
  path.moveTo(11, 11);
  path.arcTo(QRectF(4, 4, 8, 8), -60, 250);
  p.drawPath(path);
  Arrowhead(p, QPointF(4.2, 9.5), QPointF(0.2, 1), 3.2);
}

void DrawIncrease(QPainter& p) {
  p.setPen(QPen(Ink, 1.6));
  p.drawEllipse(QPointF(6.5, 6.5), 4.8, 4.8);
  p.setPen(QPen(Ink, 2.6, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(10.2, 10.2), QPointF(14.5, 14.5));
  p.setPen(QPen(Accent, 1.5));
  p.drawLine(QPointF(4, 6.5), QPointF(9, 6.5));
  p.drawLine(QPointF(6.5, 4), QPointF(6.5, 9));
}

void DrawSave(QPainter& p) {
  p.setPen(QPen(Ink, 1.2));
  p.setBrush(Accent);
  p.drawRect(QRectF(1.5, 1.5, 13, 13));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(4.5, 1.5, 7, 5));
  p.drawRect(QRectF(3.5, 9.5, 9, 5));
  p.setBrush(Qt::NoBrush);
}

void DrawCopy(QPainter& p) {
  p.setPen(QPen(Ink, 1.2));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(1.5, 1.5, 8, 10));
  p.drawRect(QRectF(6.5, 4.5, 8, 10));
  p.setPen(QPen(Accent, 1));
  for (double y : {7.5, 9.5, 11.5}) p.drawLine(QPointF(8.5, y), QPointF(12.5, y));
}

void DrawClose(QPainter& p) {
  p.setPen(QPen(Warning, 2.2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
  p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
}

void DrawHideSeries(QPainter& p) {
  p.setPen(QPen(Accent, 1.6));
  QPainterPath wave;
  wave.moveTo(1, 8);
  wave.cubicTo(4, 0, 6, 0, 8, 8);
  wave.cubicTo(10, 16, 12, 16, 15, 8);
  p.drawPath(wave);
  p.setPen(QPen(Warning, 2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(2.5, 14), QPointF(13.5, 2));
}

void DrawAccept(QPainter& p) {
  p.setPen(QPen(QColor(20, 140, 40), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  const QPointF tick[3] = {QPointF(2.5, 8.5), QPointF(6.5, 12.5), QPointF(13.5, 3.5)};
  p.drawPolyline(tick, 3);
}

void DrawArrow(QPainter& p, QPointF dir) {
  p.setPen(QPen(Ink, 1));
  Arrowhead(p, QPointF(8, 8) + dir * 3.5, dir, 7);
}

void DrawNewSheet(QPainter& p) {
  p.setPen(QPen(Ink, 1.2));
  p.setBrush(Qt::white);
  const QPointF sheet[5] = {{3.5, 1.5}, {9.5, 1.5}, {12.5, 4.5}, {12.5, 14.5}, {3.5, 14.5}};
  p.drawPolygon(sheet, 5);
  p.setBrush(Qt::NoBrush);
  p.drawPolyline(QPolygonF({{9.5, 1.5}, {9.5, 4.5}, {12.5, 4.5}}));
  p.setPen(QPen(Accent, 1.4));
  p.drawLine(QPointF(11, 11), QPointF(15, 11));
  p.drawLine(QPointF(13, 9), QPointF(13, 13));
}

void DrawOpen(QPainter& p) {
  p.setPen(QPen(Ink, 1.2));
  p.setBrush(QColor(230, 190, 80));
  const QPointF back[6] = {{1.5, 3.5}, {6, 3.5}, {7.5, 5}, {12.5, 5}, {12.5, 13.5}, {1.5, 13.5}};
  p.drawPolygon(back, 6);
  p.setBrush(QColor(250, 215, 110));
  const QPointF front[4] = {{4, 7.5}, {15, 7.5}, {12.5, 13.5}, {1.5, 13.5}};
  p.drawPolygon(front, 4);
  p.setBrush(Qt::NoBrush);
}

void DrawPicture(QPainter& p) {
  p.setPen(QPen(Ink, 1.2));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(1.5, 2.5, 13, 11));
  p.setPen(Qt::NoPen);
  p.setBrush(Accent);
  const QPointF hills[4] = {{2, 13}, {6.5, 6.5}, {9.5, 10}, {14, 13}};
  p.drawPolygon(hills, 4);
  p.setBrush(Warning);
  p.drawEllipse(QPointF(11, 5.5), 1.5, 1.5);
  p.setBrush(Qt::NoBrush);
}

void DrawSaveData(QPainter& p) {
  p.setPen(QPen(Ink, 1.2));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(1.5, 1.5, 13, 13));
  p.setPen(Qt::NoPen);
  p.setBrush(Accent);
  p.drawRect(QRectF(2, 2, 12, 3.5));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(Ink, 1));
  for (double y : {8.5, 11.5}) p.drawLine(QPointF(2, y), QPointF(14, y));
  p.drawLine(QPointF(6.5, 5.5), QPointF(6.5, 14));
}

void Draw(QPainter& p, TToolGlyph glyph) {
  switch (glyph) {
    case TToolGlyph::Measure:
      return DrawMeasure(p);
    case TToolGlyph::Limits:
      return DrawLimits(p);
    case TToolGlyph::ReturnLimits:
      return DrawReturnLimits(p);
    case TToolGlyph::Increase:
      return DrawIncrease(p);
    case TToolGlyph::Save:
      return DrawSave(p);
    case TToolGlyph::Copy:
      return DrawCopy(p);
    case TToolGlyph::Close:
      return DrawClose(p);
    case TToolGlyph::HideSeries:
      return DrawHideSeries(p);
    case TToolGlyph::ArrowUp:
      return DrawArrow(p, QPointF(0, -1));
    case TToolGlyph::ArrowDown:
      return DrawArrow(p, QPointF(0, 1));
    case TToolGlyph::ArrowLeft:
      return DrawArrow(p, QPointF(-1, 0));
    case TToolGlyph::ArrowRight:
      return DrawArrow(p, QPointF(1, 0));
    case TToolGlyph::NewSheet:
      return DrawNewSheet(p);
    case TToolGlyph::Open:
      return DrawOpen(p);
    case TToolGlyph::Picture:
      return DrawPicture(p);
    case TToolGlyph::Accept:
      return DrawAccept(p);
    case TToolGlyph::SaveData:
      return DrawSaveData(p);
  }
}
}  // namespace

QIcon PaintedIcon(const std::function<void(QPainter&)>& draw) {
  QPixmap picture(GlyphSize, GlyphSize);
  picture.fill(Qt::transparent);
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  draw(p);
  p.end();
  return QIcon(picture);
}

QIcon ToolIcon(TToolGlyph glyph) {
  return PaintedIcon([glyph](QPainter& p) { Draw(p, glyph); });
}

QToolButton* MakeSpeedButton(QWidget* parent, TToolGlyph glyph, const QString& hint, bool toggle) {
  return MakeSpeedButton(parent, ToolIcon(glyph), hint, toggle);
}

QToolButton* MakeSpeedButton(QWidget* parent, const QIcon& icon, const QString& hint, bool toggle) {
  auto* button = new QToolButton(parent);
  button->setAutoRaise(true);
  button->setIcon(icon);
  button->setIconSize(QSize(GlyphSize, GlyphSize));
  button->setToolTip(hint);
  button->setCheckable(toggle);
  button->setFocusPolicy(Qt::NoFocus);
  return button;
}
