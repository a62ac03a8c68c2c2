#include <gtest/gtest.h>

#include <QCheckBox>
#include <QProcess>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <cmath>
#include <numeric>

#include "SoundTestSignals.h"
#include "studies/ListeningWindow.h"

namespace {
constexpr double OnsetShare = 0.05;  // of the peak: where a sound is taken to begin and end
constexpr int AlignReach = SoundRate / 100;

// What reaches the test's sink, recorded from its monitor by parec while `play` runs.
class TRecorder {
 public:
  TRecorder() {
    Parec.start(QStringLiteral("parec"),
                {QStringLiteral("--device=%1.monitor").arg(qEnvironmentVariable("RESAM_TEST_SINK")),
                 QStringLiteral("--format=float32le"), QStringLiteral("--rate=%1").arg(SoundRate),
                 QStringLiteral("--channels=1"), QStringLiteral("--raw"), QStringLiteral("--latency-msec=10")});
    // The monitor of a running null sink streams silence: once some arrives, recording has begun.
    Started = Parec.waitForStarted() && QTest::qWaitFor([this] { return Parec.bytesAvailable() > 0; }, 5000);
  }
  std::vector<float> Stop() {
    Parec.terminate();
    Parec.waitForFinished();
    const QByteArray bytes = Parec.readAllStandardOutput();
    std::vector<float> sound(static_cast<size_t>(bytes.size()) / sizeof(float));
    std::memcpy(sound.data(), bytes.data(), sound.size() * sizeof(float));
    return sound;
  }
  bool Started = false;

 private:
  QProcess Parec;
};

struct TSpan {
  long long First = -1, Last = -1;
};
TSpan Audible(const std::vector<float>& s) {
  float peak = 0;
  for (float v : s) peak = std::max(peak, std::fabs(v));
  TSpan span;
  for (size_t n = 0; n < s.size(); ++n)
    if (std::fabs(s[n]) > OnsetShare * peak) {
      if (span.First < 0) span.First = static_cast<long long>(n);
      span.Last = static_cast<long long>(n);
    }
  return span;
}

// The best normalised correlation of `expected` with `recorded` shifted near where both begin.
double AlignedCorrelation(const std::vector<float>& recorded, const std::vector<float>& expected) {
  const long long guess = Audible(recorded).First - Audible(expected).First;
  double best = -1;
  for (long long d = guess - AlignReach; d <= guess + AlignReach; ++d) {
    double re = 0, rr = 0, ee = 0;
    for (size_t n = 0; n < expected.size(); ++n) {
      const long long m = static_cast<long long>(n) + d;
      const double r = m >= 0 && m < static_cast<long long>(recorded.size()) ? recorded[m] : 0;
      re += r * expected[n];
      rr += r * r;
      ee += double(expected[n]) * expected[n];
    }
    if (rr > 0 && ee > 0) best = std::max(best, re / std::sqrt(rr * ee));
  }
  return best;
}

// The strongest frequency (whole hertz, 20 Hz .. 3 kHz) of half a second from the middle.
int Pitch(const std::vector<float>& s) {
  const TSpan span = Audible(s);
  const long long from = (span.First + span.Last) / 2 - SoundRate / 4;
  int best = 0;
  double strongest = -1;
  for (int f = 20; f <= 3000; ++f) {
    const double w = 2 * TestPi * f / SoundRate, c = 2 * std::cos(w);
    double s1 = 0, s2 = 0;
    for (long long n = from; n < from + SoundRate / 2; ++n) {
      const double s0 = s[n] + c * s1 - s2;
      s2 = s1;
      s1 = s0;
    }
    const double power = s1 * s1 + s2 * s2 - c * s1 * s2;
    if (power > strongest) {
      strongest = power;
      best = f;
    }
  }
  return best;
}
}  // namespace

// Through Qt into the test's sound server: what the sink received is the two seconds the
// stream renders, and its pitch is the one aliasing predicts. The fifth harmonic of a fragment
// at 220 Hz sounds at 1100 Hz; 7 samples a period (N = 8) fold it to the second harmonic, 440 Hz;
// 39 (N = 40) keep it.
TEST(SoundPlayback, TheSinkHearsTheRendering) {
  if (!qEnvironmentVariableIsSet("RESAM_TEST_SINK"))
    GTEST_SKIP() << "needs the sound server tests/SoundPlayback.sh starts";
  struct TCase {
    int Count;
    TSoundKind Kind;
    int Hertz;
  };
  for (const TCase c :
       // 0: the error mixes both pitches, and none is held to.
       {TCase{8, TSoundKind::Signal, 1101}, TCase{8, TSoundKind::Samples, 440}, TCase{8, TSoundKind::Curve, 440},
        TCase{8, TSoundKind::Error, 0}, TCase{40, TSoundKind::Signal, 1101}, TCase{40, TSoundKind::Samples, 1101},
        TCase{40, TSoundKind::Curve, 1101}, TCase{40, TSoundKind::Error, 0}}) {
    TResamEngine engine;
    GiveFragment(engine, FifthHarmonic, 1, c.Count);
    TListeningForm form(engine);
    form.show();
    ASSERT_TRUE(form.OutputAvailable());
    form.CheckBoxRepeat->click();
    form.SliderVolume->setValue(form.SliderVolume->maximum());
    TRecorder recorder;
    ASSERT_TRUE(recorder.Started);
    form.Buttons[int(c.Kind)]->click();
    EXPECT_EQ(form.Playing(), c.Kind);
    EXPECT_TRUE(form.Buttons[int(c.Kind)]->isChecked());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !form.Playing(); }, 10000));
    EXPECT_FALSE(form.Buttons[int(c.Kind)]->isChecked());
    QTest::qWait(300);
    const std::vector<float> recorded = recorder.Stop();
    const std::vector<float> expected = TSoundStream::PlainSound(form.Loops().Loop[int(c.Kind)]);
    const TSpan heard = Audible(recorded), meant = Audible(expected);
    ASSERT_GE(heard.First, 0) << "nothing reached the sink";
    EXPECT_NEAR(heard.Last - heard.First, meant.Last - meant.First, SoundRate / 100) << c.Count;
    EXPECT_GE(AlignedCorrelation(recorded, expected), 0.99) << c.Count;
    const int pitch = Pitch(recorded);
    if (c.Hertz) {
      EXPECT_NEAR(pitch, c.Hertz, 3) << c.Count;
    }
    std::printf("[ sound    ] N = %d, sound %d: recorded pitch %d Hz\n", c.Count, int(c.Kind), pitch);
  }
}
