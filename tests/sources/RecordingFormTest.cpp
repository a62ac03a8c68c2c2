// The recording window as a user meets it: read-outs, channel choice, a fragment typed or
// dragged across the diagram, the samples handed over, and a bad file that changes nothing.
#include <gtest/gtest.h>

#include <QColor>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "ScriptedPlatform.h"
#include "SoundWriter.h"
#include "plotting/DataTable.h"
#include "plotting/Diagram.h"
#include "sources/RecordingUnit.h"
#include "widgets/EditFloatUnit.h"

namespace {
void Type(TEditFloat* e, const QString& text) {
  e->setText(text);
  emit e->returnPressed();
}
}  // namespace

TEST(RecordingForm, StereoFileDraggedFragmentHandsOverItsSamples) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("тон.wav"));
  const int rate = 44100;
  ASSERT_TRUE(WriteSound(path.toStdString(), SF_FORMAT_WAV | SF_FORMAT_PCM_16, rate, 2, 103635, Sines(441, rate)));
  TRecordingForm w;
  w.resize(900, 600);
  w.show();
  Scripted().Reset();
  Scripted().AnswerFile(path);
  ASSERT_TRUE(w.AskFile());
  EXPECT_EQ(w.LabelFile->text(), QStringLiteral("тон.wav"));
  EXPECT_EQ(w.LabelRate->text(), QStringLiteral("44100 Гц"));
  EXPECT_EQ(w.LabelChannels->text(), QStringLiteral("2"));
  EXPECT_EQ(w.LabelDuration->text(), QStringLiteral("2,350 с"));
  EXPECT_TRUE(w.ComboBoxChannel->isEnabled());
  EXPECT_FALSE(w.EditFloatRate->isEnabled());

  // Dragging from 1 s to 1,01 s on the diagram chooses that stretch, shaded.
  TDiagram* d = w.Diagram1;
  const int y = (d->Get_yb_net() + d->Get_ye_net()) / 2;
  const int x1 = d->MathToPhisX(1.0), x2 = d->MathToPhisX(1.01);
  QTest::mousePress(d, Qt::LeftButton, Qt::NoModifier, QPoint(x1, y));
  QTest::mouseMove(d, QPoint(x2, y));
  QTest::mouseRelease(d, Qt::LeftButton, Qt::NoModifier, QPoint(x2, y));
  EXPECT_NEAR(w.EditFloatStart->Val(), d->PhisToMathX(x1) * 1000, 1e-6);
  EXPECT_NEAR(w.EditFloatStart->Val() + w.EditFloatLength->Val(), d->PhisToMathX(x2) * 1000, 1e-6);
  d->ShowDiagram();
  const QRgb shade = d->Picture().pixel(QPoint((x1 + x2) / 2, d->Get_yb_net() + 3) * d->Picture().devicePixelRatio());
  EXPECT_NE(shade,
            d->Picture().pixel(QPoint(d->MathToPhisX(2.0), d->Get_yb_net() + 3) * d->Picture().devicePixelRatio()));
  // The band of the 441 Hz sine fills the columns about 2 s from its trough to its peak.
  for (double v : {-0.45, 0.0, 0.45}) {
    int blue = 0;
    for (int px = d->MathToPhisX(2.0) - 1; px <= d->MathToPhisX(2.0) + 1; ++px)
      blue = std::max(
          blue, QColor(d->Picture().pixel(QPoint(px, d->MathToPhisY(v)) * d->Picture().devicePixelRatio())).blue());
    EXPECT_GT(blue, 60) << "at " << v;
  }

  // Typed instead: 500 ms from the start, 10 ms long, the right channel.
  Type(w.EditFloatStart, QStringLiteral("500"));
  Type(w.EditFloatLength, QStringLiteral("10"));
  w.ComboBoxChannel->setCurrentIndex(1);
  emit w.ComboBoxChannel->activated(1);
  w.ButtonSelect->click();
  ASSERT_TRUE(w.IsAccepted());
  const TRecordingFragment& f = w.Fragment();
  ASSERT_EQ(f.Samples.size(), 442u);
  EXPECT_DOUBLE_EQ(f.Start, 22050.0 / rate);
  EXPECT_EQ(f.Channel, TRecordingChannel::Right);
  for (size_t k : {size_t(0), size_t(100), size_t(441)})
    EXPECT_NEAR(f.Samples[k], Sines(441, rate)(22050 + long(k), 1), 1.0 / 32768);
  EXPECT_NEAR(w.GetSignalFunction()(f.Start + 100.0 / rate), f.Samples[100], 1e-9);
  EXPECT_TRUE(Scripted().Messages.isEmpty()) << Scripted().Messages.join('\n').toStdString();

  // A start beyond the recording is corrected with a message; a bad file changes nothing.
  Type(w.EditFloatStart, QStringLiteral("99999"));
  EXPECT_EQ(Scripted().Messages.size(), 1);
  EXPECT_LE(w.FirstFrame() + w.FrameCount(), 103635);
  QFile bad(dir.filePath(QStringLiteral("пусто.wav")));
  ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
  bad.close();
  Scripted().AnswerFile(bad.fileName());
  EXPECT_FALSE(w.AskFile());
  EXPECT_EQ(Scripted().Messages.last(), QStringLiteral("Не удаётся прочитать звуковой файл «пусто.wav»: файл пуст."));
  EXPECT_EQ(w.LabelFile->text(), QStringLiteral("тон.wav"));
  EXPECT_EQ(w.Fragment().Samples.size(), 442u);
}

// A one-column series takes the typed rate and has one channel; the program's own export of a
// diagram's data reads back as the series it holds.
TEST(RecordingForm, SeriesFromCsvAndFromTheProgramsOwnExport) {
  QTemporaryDir dir;
  TDataTable table{{{"t, c", {0.5, 0.502, 0.504, 0.506, 0.508}}, {{"Сигнал, В", {1, 2, 3, 2, 1}}}}};
  const QString exported = dir.filePath(QStringLiteral("Диаграмма.csv"));
  QFile out(exported);
  ASSERT_TRUE(out.open(QIODevice::WriteOnly));
  out.write(QByteArray::fromStdString(FormatCsv(table)));
  out.close();
  TRecordingForm w;
  Scripted().Reset();
  ASSERT_TRUE(w.OpenFile(exported));
  EXPECT_EQ(w.LabelRate->text(), QStringLiteral("500 Гц"));
  EXPECT_FALSE(w.ComboBoxChannel->isEnabled());
  EXPECT_FALSE(w.EditFloatRate->isEnabled());
  w.ButtonSelect->click();
  EXPECT_EQ(w.Fragment().Samples, (std::vector<double>{1, 2, 3, 2, 1}));
  EXPECT_DOUBLE_EQ(w.GetStart(), 0.5);

  const QString column = dir.filePath(QStringLiteral("ряд.txt"));
  QFile one(column);
  ASSERT_TRUE(one.open(QIODevice::WriteOnly));
  one.write("Давление\n1,5\n2\n2,5\n3\n3,5\n4\n");
  one.close();
  ASSERT_TRUE(w.OpenFile(column));
  EXPECT_TRUE(w.EditFloatRate->isEnabled());
  Type(w.EditFloatRate, QStringLiteral("250"));
  EXPECT_EQ(w.LabelDuration->text(), QStringLiteral("0,024 с"));
  w.ButtonSelect->click();
  EXPECT_EQ(w.Fragment().Rate, 250);
  EXPECT_EQ(w.Fragment().Samples.front(), 1.5);
  EXPECT_TRUE(Scripted().Messages.isEmpty()) << Scripted().Messages.join('\n').toStdString();
}
