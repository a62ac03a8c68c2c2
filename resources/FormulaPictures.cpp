#include "resources/FormulaPictures.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QtMath>
#include <cmath>

#include "platform/Language.h"

namespace {
const QString PictureFolder = QStringLiteral(":/formulas/");
const QString PictureSuffix = QStringLiteral(".svg");
// The image text that names the picture drawn, language version included.
const QString DrawnKey = QStringLiteral("Picture");

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

// A picture's own version for a language, "<name>_<code>" ("ImageKot_en"): its words in that
// language and its numbers with that language's decimal separator. The plain name is Russian.
QString VariantName(const QString& name, TLanguage language) {
  return name + QLatin1Char('_') + LanguageCode(language);
}

bool IsVariantName(const QString& name) {
  const qsizetype cut = name.lastIndexOf(QLatin1Char('_'));
  TLanguage language = TLanguage::Russian;
  return cut > 0 && LanguageFromCode(name.mid(cut + 1), language) && language != TLanguage::Russian;
}

// The picture shown for a name now: the chosen language's version where there is one.
QString ShownName(const QString& name) {
  const TLanguage language = CurrentLanguage();
  if (language == TLanguage::Russian || !IsPictureName(name)) return name;
  const QString variant = VariantName(name, language);
  return QFile::exists(PicturePath(variant)) ? variant : name;
}

// A scale or ratio that is not a positive finite number counts as 1.
qreal Positive(qreal factor) { return std::isfinite(factor) && factor > 0 ? factor : 1.0; }

// Loads a name's picture; false, with the renderer left empty, for a name without one.
bool LoadPicture(QSvgRenderer& renderer, const QString& name) {
  return HasFormulaPicture(name) && renderer.load(PicturePath(ShownName(name))) && !renderer.defaultSize().isEmpty();
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
  QFile file(PicturePath(ShownName(name)));
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
  image.setText(DrawnKey, ShownName(name));
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

bool IsCurrentFormulaPicture(const QImage& image, const QString& name) {
  return !image.isNull() && image.text(DrawnKey) == ShownName(name);
}

bool HasFormulaPicture(const QString& name) { return IsPictureName(name) && QFile::exists(PicturePath(name)); }

QStringList FormulaPictureNames() {
  QStringList names = QDir(PictureFolder).entryList({QStringLiteral("*") + PictureSuffix}, QDir::Files, QDir::Name);
  for (QString& name : names) name.chop(PictureSuffix.size());
  names.removeIf(IsVariantName);
  return names;
}
