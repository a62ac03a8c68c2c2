#include <gtest/gtest.h>
#include <sndfile.h>

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "../support/FullDisk.h"
#include "ScriptedPlatform.h"
#include "SoundTestSignals.h"
#include "studies/ListeningWindow.h"
#include "widgets/EditIntUnit.h"

namespace {
// The test run says whether it gave the program a sound server (the playback run) or none.
bool ServerGiven() { return qEnvironmentVariableIsSet("RESAM_TEST_SINK"); }

std::vector<float> ReadSoundFile(const QString& path, int& rate) {
  SF_INFO info{};
  SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
  if (!file) return {};
  std::vector<float> sound(static_cast<size_t>(info.frames * info.channels));
  sound.resize(static_cast<size_t>(sf_read_float(file, sound.data(), static_cast<sf_count_t>(sound.size()))));
  sf_close(file);
  rate = info.channels == 1 ? info.samplerate : 0;
  return sound;
}
}  // namespace

// What the user sees: the texts, the defaults, the time scale following the pitch, and, with
// no output device, play buttons that rest and say why while saving stays available.
TEST(ListeningWindow, ShowsItsControlsAndTheTimeScale) {
  TResamEngine engine;
  GiveFragment(engine, FifthHarmonic, 1, 8);
  TListeningForm form(engine);
  form.show();
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Прослушивание"));
  const QStringList texts{QStringLiteral("Сигнал"), QStringLiteral("Отсчёты"), QStringLiteral("Восстановленный сигнал"),
                          QStringLiteral("Ошибка")};
  for (int k = 0; k < SoundKindCount; ++k) EXPECT_EQ(form.Buttons[k]->text(), texts[k]);
  EXPECT_EQ(form.ButtonStop->text(), QStringLiteral("Стоп"));
  EXPECT_EQ(form.ButtonSave->text(), QStringLiteral("Сохранить звук..."));
  EXPECT_TRUE(form.CheckBoxRepeat->isChecked());
  EXPECT_EQ(form.EditPitch->Val(), 220);
  EXPECT_EQ(form.LabelScale->text(), QStringLiteral("1 с сигнала = 4,55 мс звука"));
  EXPECT_TRUE(form.LabelNonNumbers->isHidden());
  form.EditPitch->setFocus();
  form.EditPitch->selectAll();
  QTest::keyClicks(form.EditPitch, QStringLiteral("50"));
  QTest::keyClick(form.EditPitch, Qt::Key_Return);
  EXPECT_EQ(form.LabelScale->text(), QStringLiteral("1 с сигнала = 20 мс звука"));
  EXPECT_EQ(form.Scale().LoopFrames(), SoundRate / 50);

  EXPECT_EQ(form.OutputAvailable(), ServerGiven());
  const QString tip =
      ServerGiven() ? QString() : QStringLiteral("Звук недоступен: в системе нет устройства вывода звука");
  for (QPushButton* b : {form.Buttons[0], form.Buttons[1], form.Buttons[2], form.Buttons[3], form.ButtonStop}) {
    EXPECT_EQ(b->isEnabled(), ServerGiven()) << b->text().toStdString();
    EXPECT_EQ(b->toolTip(), tip);
  }
  EXPECT_TRUE(form.ButtonSave->isEnabled());
  EXPECT_TRUE(Scripted().Messages.isEmpty());
}

// WAV and FLAC read back as the two seconds the stream plays, to the 16-bit step; a save that
// cannot be written says so and leaves the file that was there.
TEST(ListeningWindow, SavesWhatPlaysAndKeepsAFileItCannotReplace) {
  TResamEngine engine;
  GiveFragment(engine, FifthHarmonic, 1, 8);
  TListeningForm form(engine);
  const std::vector<float> expected = TSoundStream::PlainSound(form.Loops().Loop[int(TSoundKind::Signal)]);
  QTemporaryDir dir;
  for (const QString& name : {QStringLiteral("сигнал.wav"), QStringLiteral("сигнал.flac")}) {
    Scripted().AnswerFile(dir.filePath(name));
    form.SaveSound();
    int rate = 0;
    const std::vector<float> read = ReadSoundFile(dir.filePath(name), rate);
    EXPECT_EQ(rate, SoundRate) << name.toStdString();
    ASSERT_EQ(read.size(), expected.size()) << name.toStdString();
    double worst = 0;
    for (size_t n = 0; n < read.size(); ++n) worst = std::max(worst, std::fabs(double(read[n]) - expected[n]));
    EXPECT_LE(worst, 1.0 / 32767) << name.toStdString();
  }
  EXPECT_TRUE(Scripted().Messages.isEmpty()) << Scripted().Messages.join('\n').toStdString();

  QFile old(dir.filePath(QStringLiteral("сигнал.wav")));
  ASSERT_TRUE(old.open(QIODevice::ReadOnly));
  const QByteArray before = old.readAll();
  old.close();
  Scripted().AnswerFile(dir.filePath(QStringLiteral("сигнал.wav")));
  {
    TFullDisk full(1024);
    form.SaveSound();
  }
  ASSERT_EQ(Scripted().Messages.size(), 1);
  EXPECT_TRUE(Scripted().Messages[0].startsWith(QStringLiteral("Не удаётся записать файл ")))
      << Scripted().Messages[0].toStdString();
  ASSERT_TRUE(old.open(QIODevice::ReadOnly));
  EXPECT_EQ(old.readAll(), before);
}
