// The diagram as an exported figure: the screen's painting, in print mode, onto another
// device (a picture of its own size and ratio, an SVG generator, a PDF page).
#include <QPainter>
#include <QtMath>

#include "plotting/Diagram.h"

namespace {
// Puts a member back however the painting ends (a growing buffer may throw).
template <class T>
class TRestore {
 public:
  TRestore(T& member, T value) : Member(member), Saved(member) { Member = value; }
  ~TRestore() { Member = Saved; }
  TRestore(const TRestore&) = delete;
  TRestore& operator=(const TRestore&) = delete;

 private:
  T& Member;
  T Saved;
};
}  // namespace

// The layout stays the one ShowDiagram settled for the screen (print mode moves nothing), so
// the figure is the screen's picture in the export colours, whatever the device.
void TDiagram::PaintFigure(QPainter& p, const TPaintTarget& target) {
  const TRestore<bool> print(PrintMode, true);
  const TRestore<bool> colour(ColourFigure, target.Colour);
  const TRestore<const TPaintTarget*> device(Target, &target);
  p.save();
  PaintPicture(p);
  p.restore();
}

QImage TDiagram::FigureImage(qreal ratio, bool colour) {
  const QSize logical(std::max(1, width()), std::max(1, height()));
  QImage image(qCeil(logical.width() * ratio), qCeil(logical.height() * ratio), QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::white);
  QPainter p(&image);
  PaintFigure(p, {ratio, false, colour});
  return image;
}
