#include "sources/TableGlyphs.h"

#include <QPainter>

#include "plotting/ToolGlyphs.h"

namespace {
const QColor Ink(40, 40, 40);
const QColor Paper(255, 255, 255);
const QColor Folder(220, 170, 60);
const QColor Positive(30, 140, 60);
const QColor Negative(190, 30, 30);

void DrawCells(QPainter& p, const QRectF& area) {
  p.setPen(QPen(Ink, 1));
  p.setBrush(Paper);
  p.drawRect(area);
  const double thirdW = area.width() / 3, halfH = area.height() / 2;
  for (int i = 1; i < 3; ++i)
    p.drawLine(QPointF(area.left() + i * thirdW, area.top()), QPointF(area.left() + i * thirdW, area.bottom()));
  p.drawLine(QPointF(area.left(), area.top() + halfH), QPointF(area.right(), area.top() + halfH));
  p.setBrush(Qt::NoBrush);
}

void DrawProcess(QPainter& p) {
  p.setPen(QPen(Positive, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  const QPointF tick[3] = {{2.5, 8.5}, {6.5, 12.5}, {13.5, 3.5}};
  p.drawPolyline(tick, 3);
}

void DrawOpen(QPainter& p) {
  p.setPen(QPen(Ink, 1));
  p.setBrush(Folder);
  const QPointF back[6] = {{1.5, 3.5}, {6, 3.5}, {7.5, 5}, {13.5, 5}, {13.5, 13.5}, {1.5, 13.5}};
  p.drawPolygon(back, 6);
  p.setBrush(Folder.lighter(125));
  const QPointF front[4] = {{1.5, 13.5}, {4, 7.5}, {15, 7.5}, {13.5, 13.5}};
  p.drawPolygon(front, 4);
}

void DrawSpreadsheet(QPainter& p) {
  DrawCells(p, QRectF(1.5, 3.5, 13, 10));
  p.fillRect(QRectF(2, 4, 12, 4.5), Positive);
}

void DrawNewTable(QPainter& p) { DrawCells(p, QRectF(1.5, 3.5, 13, 10)); }

void DrawSign(QPainter& p, const QColor& colour, bool plus) {
  p.setPen(QPen(colour, 2.4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(9, 11.5), QPointF(15, 11.5));
  if (plus) p.drawLine(QPointF(12, 8.5), QPointF(12, 14.5));
}

void DrawInsertColumn(QPainter& p) {
  DrawCells(p, QRectF(0.5, 1.5, 11, 8));
  DrawSign(p, Positive, true);
}

void DrawDeleteColumn(QPainter& p) {
  DrawCells(p, QRectF(0.5, 1.5, 11, 8));
  DrawSign(p, Negative, false);
}

void Draw(QPainter& p, TTableGlyph glyph) {
  switch (glyph) {
    case TTableGlyph::Process:
      return DrawProcess(p);
    case TTableGlyph::Open:
      return DrawOpen(p);
    case TTableGlyph::Spreadsheet:
      return DrawSpreadsheet(p);
    case TTableGlyph::NewTable:
      return DrawNewTable(p);
    case TTableGlyph::InsertColumn:
      return DrawInsertColumn(p);
    case TTableGlyph::DeleteColumn:
      return DrawDeleteColumn(p);
  }
}
}  // namespace

QIcon TableIcon(TTableGlyph glyph) {
  return PaintedIcon([glyph](QPainter& p) { Draw(p, glyph); });
}
