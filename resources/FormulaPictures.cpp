#include "resources/FormulaPictures.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QtMath>
#include <cmath>

namespace {
const QString PictureFolder = QStringLiteral(":/formulas/");
const QString PictureSuffix = QStringLiteral(".svg");

// A name without a picture gets the size of a one-line formula, so that a layout
// that places it still looks deliberate.
constexpr QSize DefaultSize(200, 40);
// No picture side exceeds this many image pixels: a larger request is drawn
// smaller instead of failing to allocate.
constexpr int MaxSidePixels = 16384;

// Names are plain identifiers: anything else (a path, "..") has no picture.
bool IsPictureName(const QString& name) {
  static const QRegularExpression identifier(QStringLiteral("^[A-Za-z][A-Za-z0-9_]*$"));
  return identifier.match(name).hasMatch();
}

QString PicturePath(const QString& name) { return PictureFolder + name + PictureSuffix; }

// A scale or ratio that is not a positive finite number counts as 1.
qreal Positive(qreal factor) { return std::isfinite(factor) && factor > 0 ? factor : 1.0; }

// Loads a name's picture; false, with the renderer left empty, for a name without one.
bool LoadPicture(QSvgRenderer& renderer, const QString& name) {
  return HasFormulaPicture(name) && renderer.load(PicturePath(name)) && !renderer.defaultSize().isEmpty();
}

QSize NaturalSize(const QSvgRenderer& renderer, bool loaded) { return loaded ? renderer.defaultSize() : DefaultSize; }

QSize Scaled(QSize natural, qreal scale) {
  return QSize(qMax(1, qRound(natural.width() * scale)), qMax(1, qRound(natural.height() * scale)));
}

// The scale actually drawn: the one asked for, reduced where the image would be too large.
qreal FittedScale(QSize natural, qreal scale, qreal devicePixelRatio) {
  const qreal longest = qMax(natural.width(), natural.height()) * scale * devicePixelRatio;
  return longest > MaxSidePixels ? scale * MaxSidePixels / longest : scale;
}
}  // namespace

QByteArray FormulaPictureSvg(const QString& name) {
  if (!HasFormulaPicture(name)) return {};
  QFile file(PicturePath(name));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QImage RenderFormulaPicture(const QString& name, qreal scale, qreal devicePixelRatio) {
  devicePixelRatio = Positive(devicePixelRatio);
  QSvgRenderer renderer;
  const bool loaded = LoadPicture(renderer, name);
  const QSize natural = NaturalSize(renderer, loaded);
  const QSize logical = Scaled(natural, FittedScale(natural, Positive(scale), devicePixelRatio));
  QImage image(qCeil(logical.width() * devicePixelRatio), qCeil(logical.height() * devicePixelRatio),
               QImage::Format_RGB32);
  image.setDevicePixelRatio(devicePixelRatio);
  image.fill(Qt::white);
  if (loaded) {
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(logical)));
  }
  return image;
}

QSize FormulaPictureSize(const QString& name, qreal scale) {
  QSvgRenderer renderer;
  const QSize natural = NaturalSize(renderer, LoadPicture(renderer, name));
  return Scaled(natural, FittedScale(natural, Positive(scale), 1.0));
}

bool HasFormulaPicture(const QString& name) { return IsPictureName(name) && QFile::exists(PicturePath(name)); }

QStringList FormulaPictureNames() {
  QStringList names = QDir(PictureFolder).entryList({QStringLiteral("*") + PictureSuffix}, QDir::Files, QDir::Name);
  for (QString& name : names) name.chop(PictureSuffix.size());
  return names;
}
