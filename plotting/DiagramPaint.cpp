// The diagram's layout, grid and the painting order of a full repaint.
#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QtMath>
#include <cmath>
#include <cstring>

#include "plotting/Diagram.h"
#include "plotting/DiagramColours.h"
#include "plotting/DiagramScale.h"
#include "plotting/NumberText.h"

namespace {
constexpr double NumberSpacing = 1.2;  // an X interval holds a number and a fifth
constexpr double LineSpacing = 1.3;    // a Y interval holds a text line and some
constexpr int MaxPrecisionRaised = 7;
// A grid never has more lines than this; the least grid factor gives at most a few hundred.
constexpr int MaxGridLines = 2000;
constexpr int MinorPerStep = 5;
constexpr int TickLength = 4;
constexpr int MinorTickLength = 2;
constexpr int NumberGap = 5;
constexpr int NameGap = 4;  // between the abscissa name and the last number
constexpr int BitmapInset = 3;
// The precision can rise only a few times; the layout is settled well within this.
constexpr int MaxLayoutPasses = 4;

double FontSize(const QFont& f) { return f.pointSizeF() > 0 ? f.pointSizeF() : f.pixelSize() * 72.0 / 96.0; }

QFontMetrics MetricsOn(const QFont& font, const QImage& image) {
  return image.isNull() ? QFontMetrics(font) : QFontMetrics(font, &image);
}

int NumberChars(double a, double b, int precision, bool absolute) {
  const double big = std::max(std::fabs(a), std::fabs(b));
  int decades = int(std::trunc(std::log10(big)));
  if (absolute) decades = std::abs(decades);
  return decades + precision + 3;
}

// Grid values in order: first, first + step, ... while within vmax + eps.
template <class Visit>
void ForEachGridValue(double first, double step, double limit, Visit visit) {
  for (int i = 0; i < MaxGridLines; ++i) {
    const double v = first + i * step;
    if (!(v <= limit)) return;
    visit(v);
  }
}
}  // namespace

void TDiagram::Layout() {
  const QFont& titleFont = FontSize(FontNameY) > FontSize(FontName) ? FontNameY : FontName;
  const int th = MetricsOn(titleFont, Image).height();
  const int hh = th / 2;
  const int aw = width() - MetricsOn(FontNameX, Image).horizontalAdvance(NameX);
  const int ah = height() - hh;
  const int cw = MetricsOn(FontNet, Image).horizontalAdvance(QLatin1Char('0'));
  const int lx = cw * NumberChars(Xmin, Xmax, PrecisionX, false);
  const int ly = cw * NumberChars(Ymin, Ymax, PrecisionY, true);
  NumbersShown = 4 * lx < aw && 4 * th < ah;
  const int s = NumbersShown ? 1 : 0;
  xb_net = (ly + 5) * s + 2 + ToolRoomLeft;
  yb_net = int(th * 0.5 * s + hh + 1);
  // A control too small for any net keeps an empty one instead of a reversed one.
  const int netWidth = std::max(0, int(aw - xb_net - lx * 0.5 * s - 1));
  const int netHeight = std::max(0, hh + ah - yb_net - (th + 5) * s - 2 - ToolRoomBottom);
  xe_net = xb_net + netWidth;
  ye_net = yb_net + netHeight;
  x0_out = xb_net + cw * s;
  y0_out = yb_net + th * s;
  // The mappings divide by these; at least one pixel keeps them finite on a tiny control.
  w_out = std::max(1, xe_net - x0_out - cw * s);
  h_out = std::max(1, ye_net - y0_out - th * s);
  NumberCharWidth = cw;
  NumberWidthX = lx;
  TextHeight = th;
}

void TDiagram::ChooseGrids() {
  GridX.Step = GridStep(Xmin, Xmax, w_out, NumberWidthX * NumberSpacing);
  GridX.First = FirstGridLine(Xmin, Xmax, GridX.Step);
  GridX.Eps = GridTolerance(Xmin, Xmax);
  GridY.Step = GridStep(Ymin, Ymax, h_out, TextHeight * LineSpacing);
  GridY.First = FirstGridLine(Ymin, Ymax, GridY.Step);
  GridY.Eps = GridTolerance(Ymin, Ymax);
}

// Raises the precision until neighbouring numbers differ (a number that reads as the start
// of its predecessor would look the same on the axis), or the exponent form takes over.
void TDiagram::AdjustPrecision(const TGrid& grid, double vmax, int& precision) const {
  for (;;) {
    QString previous;
    bool first = true, clash = false;
    ForEachGridValue(grid.First, grid.Step, vmax + grid.Eps, [&](double v) {
      if (clash) return;
      const QString text = GridText(v, grid, precision);
      clash = !first && previous.startsWith(text);
      previous = text;
      first = false;
    });
    if (!clash || precision > MaxPrecisionRaised) return;
    ++precision;
  }
}

// num2char writes C's point; the axis shows the program's comma ("0,0" for zero).
QString TDiagram::GridText(double v, const TGrid& grid, int precision) const {
  if (std::fabs(v) <= grid.Eps)
    return precision == 0 ? QStringLiteral("0") : WithProgramSeparator(QStringLiteral("0.0"));
  char text[NumTextSize];
  const int length = num2char(text, precision, v);
  return WithProgramSeparator(QString::fromLatin1(text, length));
}

QColor TDiagram::NetColour() const { return ColourOf(PrintMode ? ColourBlack : ColorNetLine); }

QColor TDiagram::TextBackColour() const { return ColourOf(PrintMode ? ColourWhite : ColorBackDiagram); }

void TDiagram::ShowDiagram() {
  if (PaintHold > 0) {
    PaintPending = true;
    return;
  }
  FeelerDrawn = false;
  // What FullSize gives, without clearing a picture that is about to be covered anyway.
  AllocatePicture();
  SettleLayout();
  if (Image.isNull()) {
    XNumbersRect = YNumbersRect = NameXRect = LegendRect = QRect();
    PaintPending = false;
  } else if (OutOfSight()) {
    PaintPending = true;
    return;
  } else {
    PaintScreen();
  }
  update();
}

// A raised precision widens the numbers and so moves the net; settle it here so that a
// second repaint draws the same picture as the first. The mapping is right from here on,
// whether or not the picture is painted now.
void TDiagram::SettleLayout() {
  for (int pass = 0; pass < MaxLayoutPasses; ++pass) {
    const int oldX = PrecisionX, oldY = PrecisionY;
    Layout();
    ChooseGrids();
    if (!NumbersShown) return;
    AdjustPrecision(GridX, Xmax, PrecisionX);
    AdjustPrecision(GridY, Ymax, PrecisionY);
    if (PrecisionX == oldX && PrecisionY == oldY) return;
  }
}

// In a shown window but not shown itself: a tab the user does not look at. A window that is
// not shown at all (a report, a figure for the command line, a test) paints at once.
bool TDiagram::OutOfSight() const { return !isVisible() && window()->isVisible(); }

void TDiagram::PaintIfPending() {
  if (PaintPending && PaintHold == 0 && !Image.isNull()) {
    PaintScreen();
    update();
  }
}

void TDiagram::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (PaintPending && PaintHold == 0) ShowDiagram();
}

TDiagram::TStaticKey TDiagram::StaticKeyNow() const {
  return {Xmin, Xmax, Ymin, Ymax, PrecisionX, PrecisionY, Image.size(), Image.devicePixelRatio(), PrintMode};
}

// The axes come from the kept picture while nothing they depend on changed; the series and
// what lies over them (legend, corner pictures, anything an owner adds) are painted anew.
void TDiagram::PaintScreen() {
  PaintPending = false;
  ++Repaints;
  const TStaticKey key = StaticKeyNow();
  if (StaticStale || !(key == StaticKey) || StaticLayer.size() != Image.size()) {
    StaticLayer = QImage(Image.size(), Image.format());
    StaticLayer.setDevicePixelRatio(Image.devicePixelRatio());
    QPainter s(&StaticLayer);
    PaintStatic(s);
    s.end();
    StaticKey = key;
    StaticStale = false;
    ++StaticRepaints;
  }
  std::memcpy(Image.bits(), StaticLayer.constBits(), size_t(Image.sizeInBytes()));
  QPainter p(&Image);
  PaintOverlays(p);
}

// Everything a full repaint draws, in the layout ShowDiagram settled; every exported figure
// is painted here, the screen's picture in the same two steps.
void TDiagram::PaintPicture(QPainter& p) {
  PaintStatic(p);
  PaintOverlays(p);
}

void TDiagram::PaintStatic(QPainter& p) {
  XNumbersRect = YNumbersRect = NameXRect = QRect();
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
  PaintBackground(p);
  PaintGridX(p);
  PaintGridY(p);
  PaintMinorTicks(p);
  PaintTitles(p);
}

// The layers over the axes, in order: series, then legend and corner pictures.
void TDiagram::PaintOverlays(QPainter& p) {
  LegendRect = QRect();
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
  if (LinesEnabled) {
    emit OnPaintSeries(this);
    PaintSeries(p);
  }
  p.setClipping(false);
  PaintOverlay(p);
  PaintBitmaps(p);
}

// The control's background around the net, the net's own over it: on a picture at a whole
// ratio only the margins are filled, not the whole control under the net again (a tenth of
// a slider step). A vector file keeps one rectangle under the net, which a reader would
// otherwise show with seams at the margins' edges.
void TDiagram::PaintBackground(QPainter& p) {
  const QRect net(xb_net, yb_net, xe_net - xb_net, ye_net - yb_net), all = rect();
  const QColor back = ColourOf(PrintMode ? ColourWhite : ColorBackDiagram);
  const qreal ratio = PaintRatio();
  if (PaintsVector() || ratio != std::round(ratio) || net.isEmpty() || !all.contains(net)) {
    p.fillRect(all, back);
  } else {
    p.fillRect(QRect(QPoint(all.left(), all.top()), QPoint(all.right(), net.top() - 1)), back);
    p.fillRect(QRect(QPoint(all.left(), net.bottom() + 1), QPoint(all.right(), all.bottom())), back);
    p.fillRect(QRect(QPoint(all.left(), net.top()), QPoint(net.left() - 1, net.bottom())), back);
    p.fillRect(QRect(QPoint(net.right() + 1, net.top()), QPoint(all.right(), net.bottom())), back);
  }
  p.fillRect(net, ColourOf(PrintMode ? ColourWhite : ColorBackNet));
  p.setPen(QPen(NetColour(), 1, Qt::SolidLine));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(net).translated(LineOffset(), LineOffset()));
}

// A pen line of one logical pixel at a device pixel ratio r is r device pixels wide and
// centred on its coordinate; shifted by this much it covers the same device pixels that
// filling the logical pixel would (0 at a ratio of 1), so lines and spans line up.
double TDiagram::LineOffset() const {
  // On a vector device the line lies over the middle of its pixel, as at an infinite ratio.
  if (PaintsVector()) return 0.5;
  const qreal r = PaintRatio();
  const int whole = qRound(r);
  return whole % 2 == 0 && qFuzzyCompare(r, qreal(whole)) ? 0.5 : (r - 1) / (2 * r);
}

void TDiagram::DrawNetLine(QPainter& p, int x1, int y1, int x2, int y2) const {
  // A vector reader lengthens every dash by the square caps, which turns dots into dashes;
  // a raster line of one pixel has no caps to speak of.
  if (PaintsVector() && p.pen().style() != Qt::SolidLine && p.pen().capStyle() != Qt::FlatCap) {
    QPen flat = p.pen();
    flat.setCapStyle(Qt::FlatCap);
    p.setPen(flat);
  }
  const double t = LineOffset();
  p.drawLine(QLineF(x1 + t, y1 + t, x2 + t, y2 + t));
}

// A dotted grid line on the picture is a copy of one drawn once per orientation, length, pen
// and ratio: the toolkit's dash stroker took a fifth of a repaint over a few dozen lines. Each
// line starts its dots at its own first end, as the stroker does, so the pixels are the same.
void TDiagram::DrawGridLine(QPainter& p, int x1, int y1, int x2, int y2) {
  const qreal ratio = PaintRatio();
  const bool vertical = x1 == x2;
  if (PaintsVector() || p.pen().style() == Qt::SolidLine || ratio != std::round(ratio) || (y1 != y2 && !vertical) ||
      p.testRenderHint(QPainter::Antialiasing)) {
    DrawNetLine(p, x1, y1, x2, y2);
    return;
  }
  TDottedLine& line = DottedLines[vertical ? 1 : 0];
  const int length = vertical ? y2 - y1 : x2 - x1;
  if (line.Picture.isNull() || line.Length != length || line.Pen != p.pen() ||
      line.Picture.devicePixelRatio() != ratio) {
    const QSize size = vertical ? QSize(2, length + 2) : QSize(length + 2, 2);
    line.Picture = QImage(size * ratio, QImage::Format_ARGB32_Premultiplied);
    line.Picture.setDevicePixelRatio(ratio);
    line.Picture.fill(Qt::transparent);
    QPainter strip(&line.Picture);
    strip.setPen(p.pen());
    DrawNetLine(strip, 0, 0, vertical ? 0 : length, vertical ? length : 0);
    line.Length = length;
    line.Pen = p.pen();
  }
  p.drawImage(x1, y1, line.Picture);
}

void TDiagram::PaintGridX(QPainter& p) {
  const QPen dotted(NetColour(), 1, PenStyleNetLine), solid(NetColour(), 1, Qt::SolidLine);
  const QFontMetrics fm = MetricsOn(FontNet, Image);
  ForEachGridValue(GridX.First, GridX.Step, Xmax + GridX.Eps, [&](double x) {
    const int px = MathToPhisX(x);
    p.setPen(std::fabs(x) <= GridX.Eps ? solid : dotted);
    DrawGridLine(p, px, yb_net, px, ye_net);
    if (!NumbersShown) return;
    p.setPen(solid);
    DrawNetLine(p, px, ye_net, px, ye_net + TickLength);
    const QString text = GridText(x, GridX, PrecisionX);
    const int width = ShapedNumber(text).Width, left = px - width / 2;
    PaintNumber(p, left, ye_net + NumberGap, text);
    XNumbersRect |= QRect(left, ye_net + NumberGap, width, fm.height());
  });
}

void TDiagram::PaintGridY(QPainter& p) {
  const QPen dotted(NetColour(), 1, PenStyleNetLine), solid(NetColour(), 1, Qt::SolidLine);
  const QFontMetrics fm = MetricsOn(FontNet, Image);
  ForEachGridValue(GridY.First, GridY.Step, Ymax + GridY.Eps, [&](double y) {
    const int py = MathToPhisY(y);
    p.setPen(std::fabs(y) < GridY.Eps ? solid : dotted);
    DrawGridLine(p, xb_net, py, xe_net, py);
    if (!NumbersShown) return;
    p.setPen(solid);
    DrawNetLine(p, xb_net - TickLength, py, xb_net, py);
    const QString text = GridText(y, GridY, PrecisionY);
    const int width = ShapedNumber(text).Width, left = xb_net - width - NumberGap;
    PaintNumber(p, left, py - fm.height() / 2, text);
    YNumbersRect |= QRect(left, py - fm.height() / 2, width, fm.height());
  });
}

void TDiagram::PaintMinorTicks(QPainter& p) {
  if (!NumbersShown) return;
  p.setPen(QPen(NetColour(), 1, Qt::SolidLine));
  const double minorX = GridX.Step / MinorPerStep;
  const double startX = (std::trunc(MinorPerStep * Xmin / GridX.Step) + (Xmin <= 0 ? -1 : 1)) * minorX;
  ForEachGridValue(startX, minorX, Xmax, [&](double x) {
    const int px = MathToPhisX(x);
    DrawNetLine(p, px, ye_net, px, ye_net + MinorTickLength);
  });
  const double minorY = GridY.Step / MinorPerStep;
  const double startY = (std::trunc(MinorPerStep * Ymin / GridY.Step) + (Ymin <= 0 ? 0 : 1)) * minorY;
  ForEachGridValue(startY, minorY, Ymax, [&](double y) {
    const int py = MathToPhisY(y);
    DrawNetLine(p, xb_net - MinorTickLength, py, xb_net, py);
  });
}

void TDiagram::PaintTitles(QPainter& p) {
  const QFontMetrics fmName = MetricsOn(FontName, Image);
  PaintText(p, FontName, x0_out + w_out / 2 - fmName.horizontalAdvance(NameDiagram) / 2, 0, NameDiagram, NumbersShown);
  NameXRect = PlaceNameX();
  PaintText(p, FontNameX, NameXRect.left(), NameXRect.top(), NameX, NumbersShown);
  PaintText(p, FontNameY, xb_net, 0, NameY, NumbersShown);
}

// The abscissa name beside the net's right end; wide numbers may reach under it there. It
// then keeps a gap from the last number: moved right while it fits into the control, and
// otherwise lifted above the row of numbers.
QRect TDiagram::PlaceNameX() const {
  const QFontMetrics fm = MetricsOn(FontNameX, Image);
  QRect name(xe_net + fm.horizontalAdvance(QLatin1Char('0')), ye_net - fm.height() / 2, fm.horizontalAdvance(NameX),
             fm.height());
  if (NameX.isEmpty() || !name.intersects(XNumbersRect.adjusted(0, 0, NameGap, 0))) return name;
  const int shifted = XNumbersRect.right() + 1 + NameGap;
  if (shifted + name.width() <= width())
    name.moveLeft(shifted);
  else
    name.moveBottom(XNumbersRect.top() - 1 - NameGap);
  return name;
}

void TDiagram::SetToolRoom(int left, int bottom) {
  left = std::max(0, left);
  bottom = std::max(0, bottom);
  if (left == ToolRoomLeft && bottom == ToolRoomBottom) return;
  ToolRoomLeft = left;
  ToolRoomBottom = bottom;
  StaticStale = true;
  ShowDiagram();
}

void TDiagram::PaintText(QPainter& p, const QFont& font, int left, int top, const QString& text, bool opaque) {
  if (text.isEmpty()) return;
  const QFontMetrics fm = MetricsOn(font, Image);
  if (opaque) p.fillRect(left, top, fm.horizontalAdvance(text), fm.height(), TextBackColour());
  // A vector file names the font that was measured, not a Windows name a reader cannot map.
  QFont drawn = font;
  if (PaintsVector()) drawn.setFamilies({QFontInfo(font).family()});
  p.setFont(drawn);
  CanvasFont = font;
  p.setPen(Qt::black);
  p.drawText(left, top + fm.ascent(), text);
}

const TDiagram::TShapedNumber& TDiagram::ShapedNumber(const QString& text) {
  constexpr int MaxKeptNumbers = 4096;  // a bound for views scrolled far and wide
  const qreal ratio = Image.isNull() ? 0 : Image.devicePixelRatio();
  if (NumbersFont != FontNet || NumbersRatio != ratio || Numbers.size() > MaxKeptNumbers) {
    Numbers.clear();
    NumbersFont = FontNet;
    NumbersRatio = ratio;
  }
  auto found = Numbers.find(text);
  if (found == Numbers.end()) {
    TShapedNumber number;
    number.Width = MetricsOn(FontNet, Image).horizontalAdvance(text);
    number.Glyphs = QStaticText(text);
    number.Glyphs.setTextFormat(Qt::PlainText);
    number.Glyphs.prepare(QTransform(), FontNet);
    found = Numbers.insert(text, number);
  }
  return *found;
}

// On a vector device the number is text as any other (its font named as measured).
void TDiagram::PaintNumber(QPainter& p, int left, int top, const QString& text) {
  if (PaintsVector() || text.isEmpty()) {
    PaintText(p, FontNet, left, top, text, true);
    return;
  }
  const TShapedNumber& number = ShapedNumber(text);
  const QFontMetrics fm = MetricsOn(FontNet, Image);
  p.fillRect(left, top, number.Width, fm.height(), TextBackColour());
  p.setFont(FontNet);
  CanvasFont = FontNet;
  p.setPen(Qt::black);
  p.drawStaticText(left, top, number.Glyphs);
}

void TDiagram::ShowBitmap() {
  if (Image.isNull()) return;
  QPainter p(&Image);
  PaintBitmaps(p);
  p.end();
  update();
}

void TDiagram::PaintBitmaps(QPainter& p) {
  // Pictures may come at a device pixel ratio of their own: placed by their logical size.
  if (!BitmapY.isNull()) p.drawImage(xb_net + BitmapInset, yb_net + BitmapInset, BitmapY);
  if (BitmapX.isNull()) return;
  const QSize logical = BitmapX.deviceIndependentSize().toSize();
  p.drawImage(xe_net - logical.width() - BitmapInset, ye_net - logical.height() - BitmapInset, BitmapX);
}
