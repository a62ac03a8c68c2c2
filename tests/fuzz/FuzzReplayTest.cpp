// Replays the kept corpus (the fuzzers' seeds and every input that once found a fault)
// through the same checks the fuzzers run, built with the normal compiler.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLocale>

#include "FuzzReaders.h"

namespace {
using TFuzzBody = std::string (*)(const uint8_t*, size_t);

void Replay(const char* folder, TFuzzBody body) {
  const QDir dir(QStringLiteral(RESAM_FUZZ_CORPUS "/") + QLatin1String(folder));
  const QStringList files = dir.entryList(QDir::Files, QDir::Name);
  ASSERT_FALSE(files.isEmpty()) << "no corpus in " << dir.path().toStdString();
  for (const QString& name : files) {
    QFile file(dir.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    const QByteArray bytes = file.readAll();
    EXPECT_EQ(body(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size())), "")
        << folder << "/" << name.toStdString();
  }
}
}  // namespace

TEST(FuzzCorpus, DrawingFilesReadSafely) { Replay("drawing", FuzzDrawingReader); }

TEST(FuzzCorpus, TableFilesReadSafely) { Replay("table", FuzzTableReader); }

TEST(FuzzCorpus, SoundFilesReadSafely) { Replay("sound", FuzzSoundReader); }

TEST(FuzzCorpus, SeriesFilesReadSafely) { Replay("csv", FuzzSeriesReader); }

TEST(FuzzCorpus, SessionFilesReadSafely) { Replay("session", FuzzSessionReader); }

TEST(FuzzCorpus, NumberTextsReadSafely) {
  Replay("number", FuzzNumberTexts);
  QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
}
