// A real recording as the signal: the speech file opened from the menu, a fragment chosen,
// rebuilt by every method, and a session that brings it back without the file.
#include <gtest/gtest.h>

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include "ScriptedPlatform.h"
#include "reports/ReportDocument.h"
#include "sessions/SessionFile.h"
#include "shell/ResamUnit.h"
#include "sources/RecordingUnit.h"
#include "studies/SoundRendering.h"
#include "widgets/EditFloatUnit.h"

namespace {
void Choose(double startMs, double lengthMs) {
  QTimer::singleShot(0, [=] {
    RecordingForm->EditFloatStart->SetVal(startMs);
    RecordingForm->EditFloatLength->SetVal(lengthMs);
    RecordingForm->ButtonSelect->click();
  });
}
}  // namespace

TEST(ResamRecording, SpeechFragmentRebuiltByEveryMethodAndKeptBySession) {
  QTemporaryDir dir;
  const QString copy = dir.filePath(QStringLiteral("речь.wav"));
  ASSERT_TRUE(QFile::copy(QStringLiteral(RESAM_TEST_DATA "/speech.wav"), copy));
  auto recording = std::make_unique<TRecordingForm>();
  RecordingForm = recording.get();
  QByteArray text;
  std::vector<double> analog, samples;
  {
    TResamForm form;
    Scripted().AnswerFile(copy);
    Choose(300, 20);
    form.OpenRecordingClick();
    const TResamEngine& e = form.Engine;
    ASSERT_TRUE(e.SignalGiven());
    EXPECT_EQ(e.Source(), TResamEngine::SourceRecording);
    EXPECT_DOUBLE_EQ(e.T1(), 4800.0 / 16000);
    EXPECT_DOUBLE_EQ(e.T2(), 5120.0 / 16000);
    EXPECT_EQ(e.AnalogValues()[0], RecordingForm->Fragment().Samples[0]);
    EXPECT_GT(e.Nmin(), 2);
    // It is heard at its own time, whatever the pitch: the 20 ms fragment lasts 20 ms.
    const TSoundScale heard = SoundScaleOf(e, 440);
    EXPECT_TRUE(heard.OwnTime);
    EXPECT_EQ(heard.LoopFrames(), 960);
    // The report names the file, the channel and the fragment in milliseconds.
    const TReport report = form.MakeReport();
    const auto table = std::find_if(report.Blocks.begin(), report.Blocks.end(),
                                    [](const TReportBlock& b) { return b.Kind == TReportBlock::Table; });
    ASSERT_NE(table, report.Blocks.end());
    EXPECT_EQ(table->Rows.value(1),
              (QStringList{QStringLiteral("речь.wav"), QStringLiteral("левый"), QStringLiteral("16000"),
                           QStringLiteral("300"), QStringLiteral("20")}));
    for (int m = 0; m < TResamEngine::MethodCount; ++m) {
      const TErrorFigures f = e.MethodFigures(TResamEngine::TMethod(m));
      if (e.N() > TResamEngine::MaxLagrangeCount && m == int(TResamEngine::MethodLagrange)) continue;
      EXPECT_TRUE(f.Known() && std::isfinite(f.RmsError)) << "method " << m;
    }
    text = SessionText(form.CaptureSession());
    analog.assign(e.AnalogValues().begin(), e.AnalogValues().end());
    samples.assign(e.SampleValues().begin(), e.SampleValues().end());
  }
  // The file is gone, and the window holds another signal: the session alone brings it back.
  ASSERT_TRUE(QFile::remove(copy));
  recording = std::make_unique<TRecordingForm>();
  RecordingForm = recording.get();
  TResamForm again;
  ASSERT_TRUE(again.OpenSessionText(text));
  EXPECT_TRUE(Scripted().Messages.isEmpty()) << Scripted().Messages.join('\n').toStdString();
  EXPECT_EQ(RecordingForm->Fragment().FileName, "речь.wav");
  EXPECT_EQ(std::vector<double>(again.Engine.AnalogValues().begin(), again.Engine.AnalogValues().end()), analog);
  EXPECT_EQ(std::vector<double>(again.Engine.SampleValues().begin(), again.Engine.SampleValues().end()), samples);

  // A damaged recording member changes nothing.
  QByteArray damaged = text;
  damaged.replace("\"rate\": 16000", "\"rate\": 8000");
  ASSERT_NE(damaged, text);
  EXPECT_FALSE(again.OpenSessionText(damaged));
  ASSERT_EQ(Scripted().Messages.size(), 1);
  EXPECT_TRUE(Scripted().Messages[0].contains(QStringLiteral("recording.length")))
      << Scripted().Messages[0].toStdString();
  EXPECT_EQ(std::vector<double>(again.Engine.SampleValues().begin(), again.Engine.SampleValues().end()), samples);
  RecordingForm = nullptr;
}
