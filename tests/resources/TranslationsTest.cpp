// The translation files against the sources: each is what lupdate makes of the sources as they
// are now (no text added, changed or dropped without its .ts following), and every entry in it
// is translated.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {
QByteArray ReadAll(const QString& file) {
  QFile f(file);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// lupdate run as the build runs it, on a copy of the file; the copy as lupdate leaves it.
QByteArray Updated(const QString& ts, QString& output) {
  QTemporaryDir dir;
  const QString copy = dir.filePath(QStringLiteral("copy.ts"));
  if (!QFile::copy(ts, copy)) return {};
  QStringList arguments{QStringLiteral("@" RESAM_TEXT_SOURCES), QStringLiteral("-I" RESAM_SOURCE_ROOT)};
  arguments << QStringLiteral(RESAM_LUPDATE_OPTIONS).split(QLatin1Char(' '), Qt::SkipEmptyParts);
  arguments << QStringLiteral("-ts") << copy;
  QProcess lupdate;
  lupdate.start(QStringLiteral(RESAM_LUPDATE), arguments);
  if (!lupdate.waitForFinished(120000) || lupdate.exitCode() != 0) return {};
  output = QString::fromUtf8(lupdate.readAllStandardOutput() + lupdate.readAllStandardError());
  return ReadAll(copy);
}
}  // namespace

TEST(Translations, EveryFileIsCurrentAndComplete) {
  const struct {
    const char* File;
    int MinimumEntries;  // fewer means lupdate saw too few sources
  } files[] = {{"resam_en.ts", 500}};
  for (const auto& f : files) {
    SCOPED_TRACE(f.File);
    const QString ts = QDir(QStringLiteral(RESAM_TRANSLATIONS)).filePath(QString::fromLatin1(f.File));
    const QByteArray committed = ReadAll(ts);
    ASSERT_FALSE(committed.isEmpty());
    QString output;
    const QByteArray updated = Updated(ts, output);
    EXPECT_EQ(updated, committed) << "run the update_translations target and translate what it adds\n"
                                  << output.toStdString();
    EXPECT_GE(committed.count("<message>"), f.MinimumEntries);
    EXPECT_EQ(committed.count("type=\"unfinished\""), 0) << "entries without their translation";
    EXPECT_EQ(committed.count("type=\"vanished\"") + committed.count("type=\"obsolete\""), 0);
  }
}
