#include "plotting/Diagram.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QPalette>
#include <QtMath>
#include <cmath>

#include "plotting/DiagramColours.h"
#include "plotting/DiagramScale.h"
#include "widgets/AccessibleNames.h"

namespace {
constexpr double MinRangeWidth = 1e-6;
constexpr double OuterLimit = 100000;
constexpr int MaxPrecision = 7;
}  // namespace

TDiagram::TDiagram(QWidget* parent)
    : QWidget(parent),
      ColorBackDiagram(ColourValue(QApplication::palette().color(QPalette::Button))),
      NameY(QStringLiteral("y")),
      NameX(QStringLiteral("x")),
      NameDiagram(tr("График")),
      DefaultName(NameDiagram),
      FontNameX(QApplication::font()),
      FontNameY(QApplication::font()),
      FontName(QApplication::font()),
      FontNet(QApplication::font()),
      CanvasFont(QApplication::font()) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  BaseKeeper.SetNumber(0);
  BaseKeeper.ClearNext();
  ShowDiagram();
}

TDiagram::~TDiagram() {
  DeleteKeeperList();
  BaseKeeper.Clear();
}

int TDiagram::MathToPhisX(double x) const { return TruncPixel(w_out * (x - Xmin) / (Xmax - Xmin) + x0_out); }

int TDiagram::MathToPhisY(double y) const { return TruncPixel(h_out * (y - Ymax) / (Ymin - Ymax) + y0_out); }

// In double: a pixel argument near the ends of int would overflow the int difference. The
// range's last column reads Xmax itself: the formula may land a rounding error beyond it,
// where a series that ends with the range reads nothing.
double TDiagram::PhisToMathX(int px) const {
  if (px == x0_out + w_out) return Xmax;
  return Xmin + (Xmax - Xmin) * (double(px) - x0_out) / w_out;
}

double TDiagram::PhisToMathY(int py) const { return Ymax + (Ymin - Ymax) * (double(py) - y0_out) / h_out; }

// Orders the ends, refuses a range narrower than the least width, clamps it to the limits.
// A range that lies beyond a limit would be reversed or collapsed by the clamping; it is
// refused too, so that the range always stays ordered and at least the least width wide.
bool TDiagram::RangeAccepted(double& vmin, double& vmax, double limitMin, double limitMax) const {
  if (vmin > vmax) std::swap(vmin, vmax);
  if (!(vmax - vmin >= MinRangeWidth)) return false;
  if (vmax > limitMax) vmax = limitMax;
  if (vmin < limitMin) vmin = limitMin;
  return vmax - vmin >= MinRangeWidth;
}

void TDiagram::SetRangeX(double xmin, double xmax) {
  if (!RangeAccepted(xmin, xmax, LimitXmin, LimitXmax)) return;
  Xmin = xmin;
  Xmax = xmax;
  SetPrecisionX(PrecisionForWidth(Xmax - Xmin));
}

void TDiagram::SetRangeY(double ymin, double ymax) {
  if (!RangeAccepted(ymin, ymax, LimitYmin, LimitYmax)) return;
  Ymin = ymin;
  Ymax = ymax;
  SetPrecisionY(PrecisionForWidth(Ymax - Ymin));
}

// Limits that collapse once brought within the outer bounds (both beyond the same bound)
// are refused like equal ones; so are limits narrower than the least range width, which no
// range could ever fit into (every later range request would be refused).
bool TDiagram::LimitsAccepted(double& min, double& max) const {
  if (!Order(min, max)) return false;
  min = std::max(min, -OuterLimit);
  max = std::min(max, OuterLimit);
  return max - min >= MinRangeWidth;
}

void TDiagram::SetLimitX(double min, double max) {
  if (!LimitsAccepted(min, max)) return;
  LimitXmin = min;
  LimitXmax = max;
  ApplyLimitsToRange(true);
}

void TDiagram::SetLimitY(double min, double max) {
  if (!LimitsAccepted(min, max)) return;
  LimitYmin = min;
  LimitYmax = max;
  ApplyLimitsToRange(false);
}

// Brings the range inside new limits. A range wholly outside them cannot be clamped into a
// proper interval; it becomes the whole limit interval instead.
void TDiagram::ApplyLimitsToRange(bool xAxis) {
  double& vmin = xAxis ? Xmin : Ymin;
  double& vmax = xAxis ? Xmax : Ymax;
  const double limitMin = xAxis ? LimitXmin : LimitYmin;
  const double limitMax = xAxis ? LimitXmax : LimitYmax;
  void (TDiagram::*setRange)(double, double) = xAxis ? &TDiagram::SetRangeX : &TDiagram::SetRangeY;
  double newMin = vmin, newMax = vmax;
  bool changed = false;
  if (newMin < limitMin) newMin = limitMin, changed = true;
  if (newMax > limitMax) newMax = limitMax, changed = true;
  if (!changed) return;
  (this->*setRange)(newMin, newMax);
  if (vmin < limitMin || vmax > limitMax) (this->*setRange)(limitMin, limitMax);
}

namespace {
// A negative precision counts as its magnitude; both are kept at most MaxPrecision.
int PrecisionOf(int p) { return p < 0 ? (p < -MaxPrecision ? MaxPrecision : -p) : std::min(p, MaxPrecision); }
}  // namespace

// The settled precisions are part of the kept axes' key: setting one marks nothing stale.
void TDiagram::SetPrecisionX(int p) {
  PrecisionX = PrecisionOf(p);
  ShowDiagram();
}

void TDiagram::SetPrecisionY(int p) {
  PrecisionY = PrecisionOf(p);
  ShowDiagram();
}

int TDiagram::num2char(char* buffer, int precision, double value) {
  return FormatAxisNumber(buffer, NumTextSize, precision, value);
}

void TDiagram::SetColorBackDiagram(int c) { Restyle(ColorBackDiagram, c); }

void TDiagram::SetColorBackNet(int c) { Restyle(ColorBackNet, c); }

void TDiagram::SetColorNetLine(int c) { Restyle(ColorNetLine, c); }

void TDiagram::SetPenStyleNetLine(Qt::PenStyle s) { Restyle(PenStyleNetLine, s); }

void TDiagram::SetNameX(const QString& s) { Restyle(NameX, s); }

void TDiagram::SetNameY(const QString& s) { Restyle(NameY, s); }

// A diagram its owner never named keeps the default title, in the new language.
void TDiagram::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange && NameDiagram == DefaultName) {
    DefaultName = tr("График");
    SetNameDiagram(DefaultName);
  }
  QWidget::changeEvent(event);
}

void TDiagram::SetNameDiagram(const QString& s) {
  if (NameDiagram != s) StaticStale = true;
  NameDiagram = s;
  GiveAccessibleNames(this);  // a screen reader announces the diagram by its title
  ShowDiagram();
}

void TDiagram::SetFontNameX(const QFont& f) { Restyle(FontNameX, f); }

void TDiagram::SetFontNameY(const QFont& f) { Restyle(FontNameY, f); }

void TDiagram::SetFontName(const QFont& f) { Restyle(FontName, f); }

void TDiagram::SetFontNet(const QFont& f) { Restyle(FontNet, f); }

void TDiagram::SetBitmapX(const QImage* picture) { Restyle(BitmapX, picture ? picture->copy() : QImage()); }

void TDiagram::SetBitmapY(const QImage* picture) { Restyle(BitmapY, picture ? picture->copy() : QImage()); }

void TDiagram::SetPrintMode() {
  PrintMode = true;
  ShowDiagram();
}

void TDiagram::ResetPrintMode() {
  PrintMode = false;
  ShowDiagram();
}

// A picture of exactly the control's size, its old contents gone. A control of no area has
// no picture at all.
void TDiagram::FullSize() {
  const bool reused = AllocatePicture();
  if (reused) Image.fill(Qt::white);
}

void TDiagram::SetPixelRatio(qreal ratio) {
  PixelRatioOverride = ratio > 0 && std::isfinite(ratio) ? ratio : 0;
  ShowDiagram();
}

// Device pixels per logical pixel of the picture: the screen's, so that the picture is as
// sharp as the screen, unless the owner or an export asked for another.
qreal TDiagram::PictureRatio() const {
  if (ExportRatio > 0) return ExportRatio;
  if (PixelRatioOverride > 0) return PixelRatioOverride;
  return std::max<qreal>(1, devicePixelRatioF());
}

// The picture for a repaint, at the picture ratio; every drawing on it is in logical pixels.
// One of the right size already there is kept, since the repaint covers it completely;
// true when it was kept.
bool TDiagram::AllocatePicture() {
  if (width() <= 0 || height() <= 0) {
    Image = QImage();
    return false;
  }
  const qreal ratio = PictureRatio();
  const QSize device(qCeil(width() * ratio), qCeil(height() * ratio));
  if (Image.size() == device && Image.devicePixelRatio() == ratio) return true;
  Image = QImage(device, QImage::Format_RGB32);
  Image.setDevicePixelRatio(ratio);
  Image.fill(Qt::white);
  return false;
}

// The picture is redrawn only by ShowDiagram; until the owner calls it after a resize, the
// part of the control the picture does not cover shows the background.
void TDiagram::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (Image.deviceIndependentSize().toSize() != size()) painter.fillRect(rect(), ColourOf(ColorBackDiagram));
  if (!Image.isNull()) painter.drawImage(0, 0, Image);
}
