// The formula pictures as the windows get them: every named picture exists and
// renders black on white at its size, crisp at any device pixel ratio, in the
// interface language, and a name without a picture still gives a usable white picture.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRect>
#include <QRegularExpression>
#include <cmath>
#include <limits>

#include "platform/Language.h"
#include "resources/FormulaPictures.h"

namespace {
// Every picture the windows name, with the sizes (logical pixels) that fit where
// they are shown: formulas in the panels, labels beside a one-line edit, axis
// captions in a corner of a diagram's net.
struct TPictureKind {
  QStringList names;
  QSize least, largest;
};
const TPictureKind Kinds[] = {
    {{"ImageKot", "ImagePol0", "ImagePol1", "ImagePol2", "ImagePol3", "ImageSpl11", "ImageSpl21", "ImageSpl31",
      "ImageSpl12", "ImageSpl22", "ImageSpl32", "ImageLagr"},
     {250, 40},
     {1100, 200}},
    {{"LibImage1", "LibImage2", "LibImage3", "LibImage4", "LibImage5", "LibImage6", "LibImage7"},
     {400, 120},
     {900, 300}},
    {{"LibImageTi", "LibImageTi001", "LibImageV0"}, {30, 12}, {100, 28}},
    {{"ResamImage1", "ResamImage2", "ResamImage4"}, {40, 12}, {250, 24}},
};

QStringList AllNames() {
  QStringList names;
  for (const TPictureKind& kind : Kinds) names += kind.names;
  names.sort();
  return names;
}

// The interface language for one scope; Russian again after it.
struct TLanguageScope {
  explicit TLanguageScope(TLanguage language) { ApplyLanguage(language); }
  ~TLanguageScope() { ApplyLanguage(TLanguage::Russian); }
};
constexpr TLanguage BothLanguages[] = {TLanguage::Russian, TLanguage::English};

QByteArray Embedded(const QString& file) {
  QFile f(QStringLiteral(":/formulas/") + file);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The words drawn in a picture, each glyph's text, as the typesetter marks them.
bool DrawsCyrillic(const QByteArray& svg) {
  static const QRegularExpression cyrillic(QStringLiteral("data-text=\"[^\"]*\\p{Cyrillic}"));
  return cyrillic.match(QString::fromUtf8(svg)).hasMatch();
}

// What a person sees of a picture: where its dark pixels lie, what share of it
// they cover, and whether it has any colour but grey.
struct TInk {
  QRect bounds;
  double share = 0;
  bool grey = true;
};

TInk InkOf(const QImage& image) {
  TInk ink;
  qint64 dark = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      ink.grey = ink.grey && qRed(p) == qGreen(p) && qGreen(p) == qBlue(p);
      if (qGray(p) < 160) {
        ink.bounds |= QRect(x, y, 1, 1);
        ++dark;
      }
    }
  ink.share = double(dark) / (qint64(image.width()) * image.height());
  return ink;
}

// Mean difference of grey levels between a picture drawn at ratio 2, reduced to
// ratio 1, and the same picture drawn at ratio 1.
double MeanDifferenceOfReduced(const QImage& ratio2, const QImage& ratio1) {
  const QImage reduced = ratio2.scaled(ratio1.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  double sum = 0;
  for (int y = 0; y < ratio1.height(); ++y)
    for (int x = 0; x < ratio1.width(); ++x) sum += std::abs(qGray(reduced.pixel(x, y)) - qGray(ratio1.pixel(x, y)));
  return sum / (qint64(ratio1.width()) * ratio1.height());
}
}  // namespace

TEST(FormulaPictures, EveryNamedPictureIsThere) {
  EXPECT_EQ(FormulaPictureNames(), AllNames());
  for (const QString& name : AllNames()) EXPECT_TRUE(HasFormulaPicture(name)) << name.toStdString();
}

TEST(FormulaPictures, EachHasAnEnglishVersionAndNoVersionIsWithoutItsPicture) {
  QStringList files = QDir(QStringLiteral(":/formulas")).entryList({QStringLiteral("*.svg")}, QDir::Files, QDir::Name);
  QStringList expected;
  for (const QString& name : AllNames()) expected << name + QStringLiteral(".svg") << name + QStringLiteral("_en.svg");
  files.sort();
  expected.sort();
  EXPECT_EQ(files, expected);
}

TEST(FormulaPictures, TheInterfaceLanguageChoosesTheVersionShown) {
  const struct {
    TLanguage language;
    const char* suffix;
    bool cyrillic;
  } cases[] = {{TLanguage::Russian, "", true}, {TLanguage::English, "_en", false}, {TLanguage::Russian, "", true}};
  for (const auto& c : cases)
    for (const char* name : {"ImageKot", "LibImage4", "LibImageV0", "ResamImage1"}) {
      SCOPED_TRACE(std::string(name) + c.suffix);
      const TLanguageScope scope(c.language);
      const QByteArray svg = FormulaPictureSvg(QString::fromLatin1(name));
      EXPECT_EQ(svg, Embedded(QString::fromLatin1(name) + QString::fromLatin1(c.suffix) + QStringLiteral(".svg")));
      EXPECT_EQ(DrawsCyrillic(svg), c.cyrillic);
      const QImage drawn = RenderFormulaPicture(QString::fromLatin1(name));
      EXPECT_TRUE(IsCurrentFormulaPicture(drawn, QString::fromLatin1(name)));
      EXPECT_EQ(drawn.size(), FormulaPictureSize(QString::fromLatin1(name)));
    }
  // A picture drawn in one language is not current in the other.
  const QImage russian = RenderFormulaPicture(QStringLiteral("ImageKot"));
  const TLanguageScope english(TLanguage::English);
  EXPECT_FALSE(IsCurrentFormulaPicture(russian, QStringLiteral("ImageKot")));
  EXPECT_EQ(FormulaPictureNames(), AllNames());
}

TEST(FormulaPictures, RenderBlackOnWhiteWithTheirFormulaWhole) {
  for (const TLanguage language : BothLanguages) {
    const TLanguageScope scope(language);
    SCOPED_TRACE(LanguageCode(language).toStdString());
    for (const TPictureKind& kind : Kinds)
      for (const QString& name : kind.names) {
        SCOPED_TRACE(name.toStdString());
        const QSize size = FormulaPictureSize(name);
        EXPECT_GE(size.width(), kind.least.width());
        EXPECT_GE(size.height(), kind.least.height());
        EXPECT_LE(size.width(), kind.largest.width());
        EXPECT_LE(size.height(), kind.largest.height());
        for (const qreal ratio : {1.0, 2.0}) {
          const QImage image = RenderFormulaPicture(name, 1.0, ratio);
          ASSERT_EQ(image.size(), size * ratio);
          EXPECT_EQ(image.devicePixelRatio(), ratio);
          EXPECT_FALSE(image.hasAlphaChannel());
          const TInk ink = InkOf(image);
          EXPECT_TRUE(ink.grey);
          EXPECT_GT(ink.share, 0.02);
          EXPECT_LT(ink.share, 0.5);
          // Ink reaches close to every side (the picture is fitted to its formula)
          // but never touches one (nothing is cut off).
          const QRect inside = image.rect().adjusted(1, 1, -1, -1);
          const QRect fitted =
              image.rect().adjusted(int(12 * ratio), int(12 * ratio), -int(12 * ratio), -int(12 * ratio));
          EXPECT_TRUE(inside.contains(ink.bounds));
          EXPECT_LE(ink.bounds.left(), fitted.left());
          EXPECT_LE(ink.bounds.top(), fitted.top());
          EXPECT_GE(ink.bounds.right(), fitted.right());
          EXPECT_GE(ink.bounds.bottom(), fitted.bottom());
        }
      }
  }
}

TEST(FormulaPictures, HighDensityPicturesShowTheSameFormulaWithTwiceThePixels) {
  for (const QString& name : AllNames()) {
    SCOPED_TRACE(name.toStdString());
    const QImage ratio1 = RenderFormulaPicture(name);
    const QImage ratio2 = RenderFormulaPicture(name, 1.0, 2.0);
    EXPECT_LT(MeanDifferenceOfReduced(ratio2, ratio1), 12.0);
    const QImage scaled = RenderFormulaPicture(name, 1.5, 2.0);
    EXPECT_EQ(scaled.size(), FormulaPictureSize(name, 1.5) * 2.0);
    EXPECT_NEAR(FormulaPictureSize(name, 1.5).width(), 1.5 * FormulaPictureSize(name).width(), 1.0);
  }
}

TEST(FormulaPictures, NamesWithoutAPictureGiveAWhitePicture) {
  const QSize plain = FormulaPictureSize(QStringLiteral("NoSuchPicture"));
  EXPECT_GE(plain.width(), 50);
  EXPECT_GE(plain.height(), 20);
  for (const char* name :
       {"", "NoSuchPicture", "../formulas/ImageKot", "ImageKot.svg", ":/formulas/ImageKot", "imagekot"}) {
    SCOPED_TRACE(name);
    EXPECT_FALSE(HasFormulaPicture(QString::fromUtf8(name)));
    const QImage image = RenderFormulaPicture(QString::fromUtf8(name), 2.0, 2.0);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), plain * 4);
    EXPECT_TRUE(InkOf(image).bounds.isEmpty());
  }
}

TEST(FormulaPictures, UnusableScalesAndRatiosCountAsOne) {
  const qreal nan = std::numeric_limits<qreal>::quiet_NaN(), infinity = std::numeric_limits<qreal>::infinity();
  const QSize natural = FormulaPictureSize(QStringLiteral("ImageKot"));
  for (const qreal factor : {0.0, -2.0, nan, infinity}) {
    EXPECT_EQ(FormulaPictureSize(QStringLiteral("ImageKot"), factor), natural);
    const QImage image = RenderFormulaPicture(QStringLiteral("ImageKot"), factor, factor);
    EXPECT_EQ(image.size(), natural);
    EXPECT_EQ(image.devicePixelRatio(), 1.0);
  }
  // A scale no screen could show is drawn as large as an image may be, not refused.
  const QImage huge = RenderFormulaPicture(QStringLiteral("ImageKot"), 1e6, 2.0);
  ASSERT_FALSE(huge.isNull());
  EXPECT_LE(qMax(huge.width(), huge.height()), 16384);
  EXPECT_GE(qMax(huge.width(), huge.height()), 16000);
}
