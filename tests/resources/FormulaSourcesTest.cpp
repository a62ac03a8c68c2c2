// The committed pictures against their LaTeX sources: every source has its
// picture, typeset from the source as it is now; numbers carry the decimal
// comma (a point in the English versions); Cyrillic and Greek letters are drawn
// as glyphs of their own, and the English versions have no Cyrillic. None of
// this needs node: the typesetter records each source's hash in its picture.
#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include "resources/FormulaPictures.h"

namespace {
const QDir Sources(QStringLiteral(RESAM_FORMULA_SOURCES));

QByteArray ReadAll(const QString& file) {
  QFile f(file);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList SourceNames() {
  QStringList names = Sources.entryList({QStringLiteral("*.tex")}, QDir::Files, QDir::Name);
  for (QString& name : names) name.chop(4);
  return names;
}

// Every picture the program carries, its language versions included.
QStringList EmbeddedNames() {
  QStringList names = QDir(QStringLiteral(":/formulas")).entryList({QStringLiteral("*.svg")}, QDir::Files, QDir::Name);
  for (QString& name : names) name.chop(4);
  return names;
}

bool IsEnglish(const QString& name) { return name.endsWith(QStringLiteral("_en")); }

QByteArray SourceOf(const QString& name) { return ReadAll(Sources.filePath(name + QStringLiteral(".tex"))); }
// The picture the program carries, not the file beside the source.
QString PictureOf(const QString& name) {
  return QString::fromUtf8(ReadAll(QStringLiteral(":/formulas/") + name + QStringLiteral(".svg")));
}

// The formula without its comment lines.
QString MathOf(const QString& name) {
  QStringList lines = QString::fromUtf8(SourceOf(name)).split(u'\n');
  lines.removeIf([](const QString& line) { return line.trimmed().startsWith(u'%'); });
  return lines.join(u'\n');
}

QString GlyphMark(const QString& codePoint) { return QStringLiteral("data-c=\"%1\"").arg(codePoint); }

// Whether the picture draws a glyph so marked (data-c="1D70F", data-text="д"):
// it uses a defined glyph whose outline is not empty.
bool DrawsGlyph(const QString& picture, const QString& mark) {
  const QRegularExpression use(
      QStringLiteral("<use %1[^>]* xlink:href=\"#([^\"]+)\"").arg(QRegularExpression::escape(mark)));
  const QRegularExpressionMatch used = use.match(picture);
  return used.hasMatch() &&
         picture.contains(QRegularExpression(QStringLiteral("<path id=\"%1\" d=\"M[^\"]+\"").arg(used.captured(1))));
}
}  // namespace

TEST(FormulaSources, EverySourceHasItsPictureTypesetFromItsCurrentText) {
  ASSERT_FALSE(SourceNames().isEmpty()) << Sources.path().toStdString();
  EXPECT_EQ(SourceNames(), EmbeddedNames());
  const QRegularExpression recorded(QStringLiteral("source-sha256: ([0-9a-f]{64})"));
  for (const QString& name : SourceNames()) {
    SCOPED_TRACE(name.toStdString());
    const QRegularExpressionMatch match = recorded.match(PictureOf(name));
    ASSERT_TRUE(match.hasMatch()) << "the picture records no source hash";
    EXPECT_EQ(match.captured(1).toLatin1(),
              QCryptographicHash::hash(SourceOf(name), QCryptographicHash::Sha256).toHex())
        << "stale picture: run scripts/typeset-formulas";
  }
}

TEST(FormulaSources, NumbersUseTheirLanguagesDecimalSeparator) {
  // Russian: a decimal point, or a comma between digits without braces (TeX would
  // space it as a list separator), and in the picture any point at all. English:
  // a point, and no comma between digits, braced or not.
  const QRegularExpression point(QStringLiteral("\\d\\s*\\.\\s*\\d"));
  const QRegularExpression bareComma(QStringLiteral("\\d,\\d"));
  const QRegularExpression bracedComma(QStringLiteral("\\d\\{,\\}\\d"));
  for (const QString& name : SourceNames()) {
    SCOPED_TRACE(name.toStdString());
    const bool english = IsEnglish(name);
    EXPECT_FALSE(bareComma.match(MathOf(name)).hasMatch());
    EXPECT_FALSE((english ? bracedComma : point).match(MathOf(name)).hasMatch());
    // The point is drawn in no Russian picture; the separator is drawn where the source has one.
    EXPECT_FALSE(!english && PictureOf(name).contains(GlyphMark(QStringLiteral("2E"))));
    if ((english ? point : bracedComma).match(MathOf(name)).hasMatch()) {
      EXPECT_TRUE(PictureOf(name).contains(GlyphMark(english ? QStringLiteral("2E") : QStringLiteral("2C"))));
    }
  }
}

TEST(FormulaSources, CyrillicAndGreekLettersAreDrawnAsGlyphs) {
  const struct {
    const char* command;
    const char* codePoint;  // of MathJax's italic (or upright capital) glyph
  } greek[] = {{"\\tau", "1D70F"},   {"\\omega", "1D714"}, {"\\varphi", "1D711"}, {"\\pi", "1D70B"},
               {"\\alpha", "1D6FC"}, {"\\gamma", "1D6FE"}, {"\\sigma", "1D70E"},  {"\\Psi", "3A8"}};
  const QRegularExpression cyrillic(QStringLiteral("\\p{Cyrillic}"));
  int cyrillicPictures = 0;
  for (const QString& name : SourceNames()) {
    SCOPED_TRACE(name.toStdString());
    const QString math = MathOf(name), picture = PictureOf(name);
    // Text left to the renderer's fonts could come out as boxes; every glyph is a path.
    EXPECT_FALSE(picture.contains(QStringLiteral("<text")));
    for (const auto& letter : greek) {
      const QRegularExpression used(QRegularExpression::escape(QString::fromUtf8(letter.command)) +
                                    QStringLiteral("(?![A-Za-z])"));
      if (used.match(math).hasMatch()) {
        EXPECT_TRUE(DrawsGlyph(picture, GlyphMark(QString::fromUtf8(letter.codePoint)))) << letter.command;
      }
    }
    auto letters = cyrillic.globalMatch(math);
    EXPECT_FALSE(IsEnglish(name) && letters.hasNext());
    cyrillicPictures += letters.hasNext();
    while (letters.hasNext()) {
      const QString letter = letters.next().captured();
      EXPECT_TRUE(DrawsGlyph(picture, QStringLiteral("data-text=\"%1\"").arg(letter))) << letter.toStdString();
    }
  }
  EXPECT_GE(cyrillicPictures, 20);
}
