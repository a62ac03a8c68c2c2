// Sampling set-up through the main window: the two input modes, the period corrections as
// typed and shown, the two count limits with their messages, the edits' own corrections,
// the panel's controls for analog and table signals and its read-outs. The engine's numbers
// alone are tested in tests/engine.
#include <gtest/gtest.h>

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QTest>
#include <cmath>
#include <utility>

#include "ResamTestSignals.h"
#include "ScriptedPlatform.h"
#include "numerics/Keeper.h"
#include "plotting/Diagram.h"
#include "plotting/DiagramFrameUnit.h"
#include "shell/ResamUnit.h"
#include "widgets/EditFloatUnit.h"
#include "widgets/EditIntUnit.h"

namespace {
const QString Limit500 = QStringLiteral("Количество отсчётов должно быть не более 500");
const QString Limit50 =
    QStringLiteral("Интерполяция многочленом Лагранжа доступна только при количестве отсчётов не более 50");

void Type(QLineEdit* edit, const QString& text) {
  edit->setFocus();
  edit->selectAll();
  QTest::keyClicks(edit, text);
  QTest::keyClick(edit, Qt::Key_Return);
}

// The one-sided test signal on [0, 1], the interval then moved to [t1, t2] as a user types it.
void SignalOn(TResamForm& form, double t1, double t2) {
  GiveLibrarySignal(form, SlowWave, 1, 0);
  Type(form.EditFloatT2, QString::number(t2));
  Type(form.EditFloatT1, QString::number(t1));
  ASSERT_DOUBLE_EQ(form.Engine.T1(), t1);
  ASSERT_DOUBLE_EQ(form.Engine.T2(), t2);
}
}  // namespace

TEST(ResamSampling, PeriodModeCountsAndCorrectsThePeriod) {
  TResamForm form;
  SignalOn(form, 0, 1);
  form.N14->trigger();
  EXPECT_TRUE(form.RadioButtonT->isChecked());
  EXPECT_TRUE(form.EditN->isReadOnly());
  EXPECT_FALSE(form.EditT->isReadOnly());
  // Letters cannot be typed, only pasted: "abc" is put in as a paste would.
  const struct {
    const char* Typed;
    bool Pasted;
    double T;
    const char* Shown;
  } cases[] = {{"0.3", false, 0.3, "0,3000"},
               {"abc", true, 0.002, "0,0020"},
               {"5", false, 0.9, "0,9000"},
               {"0,25", false, 0.25, "0,2500"}};
  for (const auto& c : cases) {
    if (c.Pasted) form.EditT->setText(QString::fromLatin1(c.Typed));
    Type(form.EditT, c.Pasted ? QString() : QString::fromLatin1(c.Typed));
    EXPECT_DOUBLE_EQ(form.Engine.T(), c.T) << c.Typed;
    EXPECT_EQ(form.EditT->text(), QString::fromLatin1(c.Shown)) << c.Typed;
  }
  EXPECT_EQ(form.Engine.N(), 4);  // 0, 0.25, 0.5, 0.75
  Type(form.EditT, QStringLiteral("0.3"));
  EXPECT_EQ(form.Engine.N(), 4);  // 0, 0.3, 0.6, 0.9
  EXPECT_EQ(form.EditN->Val(), 4);
  // Only the least period (0.002 on [0, 1], 500 or 501 grid points by rounding) may meet the limit.
  for (const QString& m : Scripted().Messages) EXPECT_EQ(m, Limit500);
}

TEST(ResamSampling, PeriodModeBeyondTheLimitsIsCorrectedWithTheirMessages) {
  {
    TResamForm form;
    SignalOn(form, 0.001, 1.001);
    form.N14->trigger();
    Type(form.EditT, QStringLiteral("0,002"));
    EXPECT_EQ(Scripted().Messages, QStringList{Limit500});
    EXPECT_EQ(form.Engine.N(), 500);
    EXPECT_NEAR(form.Engine.T(), 1.0 / 499, 1e-15);
    EXPECT_EQ(form.Engine.T0(), 0);
    EXPECT_EQ(form.EditN->Val(), 500);
  }
  Scripted().Messages.clear();
  {
    TResamForm form;
    SignalOn(form, 0, 1);
    form.N33->trigger();
    form.N14->trigger();
    Type(form.EditT, QStringLiteral("0,0168"));  // 60 grid points
    EXPECT_EQ(Scripted().Messages, QStringList{Limit50});
    EXPECT_EQ(form.Engine.N(), 50);
    EXPECT_NEAR(form.Engine.T(), 1.0 / 49, 1e-15);
    EXPECT_EQ(form.EditN->Max(), 50);
  }
}

TEST(ResamSampling, TableAndAnalogSignalsSwitchThePanel) {
  TResamForm form;
  // The disabled interval edits show the table's interval, not the last analog signal's.
  using TShown = std::pair<double, double>;
  const auto shownInterval = [&form] { return TShown(form.EditFloatT1->Val(), form.EditFloatT2->Val()); };
  GiveLibrarySignal(form, SlowWave, 3, 1);
  EXPECT_EQ(shownInterval(), TShown(-1.5, 1.5));
  const double values[] = {1, 2, 3};
  GiveTableSignal(form, values, 3);
  EXPECT_EQ(shownInterval(), TShown(0, 2));
  EXPECT_FALSE(form.EditFloatT1->isEnabled());
  EXPECT_FALSE(form.EditFloatT2->isEnabled());
  EXPECT_TRUE(form.EditN->isReadOnly());
  EXPECT_FALSE(form.EditT->isReadOnly());
  EXPECT_TRUE(form.RadioButtonT->isChecked());
  EXPECT_FALSE(form.RadioButtonN->isEnabled());
  EXPECT_FALSE(form.N7->menuAction()->isEnabled());
  EXPECT_FALSE(form.Label20->isVisibleTo(form.GroupBox1));
  EXPECT_FALSE(form.DFs->Diagram->GetKeeper(0)->IsShown());
  EXPECT_EQ(form.Engine.N(), 3);
  EXPECT_EQ(form.Engine.T2(), 2);
  EXPECT_EQ(form.EditT->text(), QStringLiteral("1,0000"));
  // A longer period for a short table is taken as typed: the interval follows it.
  Type(form.EditT, QStringLiteral("4"));
  EXPECT_EQ(form.Engine.T(), 4);
  EXPECT_EQ(form.Engine.T2(), 8);
  EXPECT_EQ(shownInterval(), TShown(0, 8));
  // ... but only as far as the diagrams reach, so that the spectra scaled by T stay finite
  // for any method.
  form.EditT->setText(QStringLiteral("1e308"));
  QTest::keyClick(form.EditT, Qt::Key_Return);
  EXPECT_EQ(form.Engine.T2(), 100000);
  EXPECT_EQ(form.EditT->text(), QStringLiteral("50000,0000"));
  EXPECT_EQ(shownInterval(), TShown(0, 100000));
  form.N35->trigger();
  for (int i = 0; i < 3; ++i) {
    const TKeeper* spectrum = form.DFAS->Diagram->GetKeeper(static_cast<unsigned char>(i));
    EXPECT_TRUE(std::isfinite(spectrum->GetYmax())) << "spectrum series " << i;
  }

  GiveLibrarySignal(form, SlowWave, 1, 0);
  EXPECT_EQ(shownInterval(), TShown(0, 1));
  EXPECT_TRUE(form.EditFloatT1->isEnabled());
  EXPECT_TRUE(form.RadioButtonN->isEnabled());
  EXPECT_TRUE(form.RadioButtonN->isChecked());  // the menu's mode, count
  EXPECT_FALSE(form.EditN->isReadOnly());
  EXPECT_TRUE(form.EditT->isReadOnly());
  EXPECT_TRUE(form.N7->menuAction()->isEnabled());
  EXPECT_TRUE(form.Label20->isVisibleTo(form.GroupBox1));
  EXPECT_TRUE(form.DFs->Diagram->GetKeeper(0)->IsShown());
}

// The quantities themselves are the engine's tests; here, what the read-outs make of them.
TEST(ResamSampling, ZeroSignalShowsNumbersInTheReadouts) {
  TResamForm form;
  GiveLibrarySignal(form, Zero, 0.5, 1);
  for (QLabel* l : {form.Label7, form.Label12, form.Label20, form.Label21, form.Label22, form.Label23}) {
    EXPECT_FALSE(l->text().contains(QStringLiteral("nan"), Qt::CaseInsensitive)) << l->text().toStdString();
    EXPECT_FALSE(l->text().contains(QStringLiteral("inf"), Qt::CaseInsensitive)) << l->text().toStdString();
  }
}

TEST(ResamSampling, ShortestAndLongestIntervalsGiveDefinedPlots) {
  // The library signal on [0, 1] lets T1 go from -1 to 0.25 and T2 from 0.75 to 2; typing
  // beyond is corrected by the edits themselves.
  const struct {
    const char *T1, *T2;
    double Lo, Hi;
  } cases[] = {{"0.25", "0.75", 0.25, 0.75}, {"-5", "7", -1, 2}};
  for (const auto& c : cases)
    for (bool countMode : {true, false}) {
      TResamForm form;
      GiveLibrarySignal(form, FastWave, 1, 0);
      Type(form.EditFloatT2, QString::fromLatin1(c.T2));
      Type(form.EditFloatT1, QString::fromLatin1(c.T1));
      EXPECT_EQ(form.Engine.T1(), c.Lo);
      EXPECT_EQ(form.Engine.T2(), c.Hi);
      (countMode ? form.N13 : form.N14)->trigger();
      Type(countMode ? static_cast<QLineEdit*>(form.EditN) : form.EditT, QStringLiteral("0"));
      EXPECT_GE(form.Engine.N(), 2);
      EXPECT_LE(form.Engine.N(), 500);
      EXPECT_TRUE(std::isfinite(form.Engine.T()) && form.Engine.T() > 0);
      EXPECT_EQ(form.DFs->Diagram->GetKeeper(2)->GetCount(), form.Engine.N());
      const TKeeper* curve = form.DFs->Diagram->GetKeeper(1);
      for (double t = form.Engine.T1(); t <= form.Engine.T2(); t += (form.Engine.T2() - form.Engine.T1()) / 7)
        EXPECT_TRUE(std::isfinite(curve->GetValue(t)));
      for (const QString& m : Scripted().Messages) EXPECT_EQ(m, Limit500);
      Scripted().Messages.clear();
    }
}
