// The fragment window feeding the main window: from "Прямоугольный" and "Готово" to the
// three curves of the signal diagram.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "ScriptedPlatform.h"
#include "numerics/Keeper.h"
#include "plotting/Diagram.h"
#include "plotting/DiagramFrameUnit.h"
#include "shell/ResamUnit.h"
#include "sources/PolyGarmUnit.h"
#include "widgets/EditFloatUnit.h"

namespace {
// Runs the main window's fragment command, pressing the given buttons in the modal window.
void RunFragment(TResamForm& form, std::initializer_list<QPushButton * TPolyGarmForm::*> buttons) {
  QTimer::singleShot(0, [buttons] {
    for (auto b : buttons) (PolyGarmForm->*b)->click();
  });
  form.N40Click();
}
}  // namespace

TEST(ResamFragment, RectangularPresetGivesTheThreeCurves) {
  TPolyGarmForm fragment;
  PolyGarmForm = &fragment;
  TResamForm form;
  RunFragment(form, {&TPolyGarmForm::Button3, &TPolyGarmForm::Button1});
  PolyGarmForm = nullptr;
  ASSERT_TRUE(form.Engine.SignalGiven());
  EXPECT_DOUBLE_EQ(form.Engine.T1(), -0.5);
  EXPECT_DOUBLE_EQ(form.Engine.T2(), 0.5);
  EXPECT_EQ(form.Engine.N(), 2 * form.Engine.Nmin());
  EXPECT_GT(form.Engine.Nmin(), 1);
  EXPECT_NEAR(form.Engine.AnalogValues()[511] + form.Engine.AnalogValues()[512], 2 * 1.032, 0.01);
  const TKeeper* samples = form.DFs->Diagram->GetKeeper(2);
  EXPECT_EQ(samples->GetCount(), form.Engine.N());
  EXPECT_TRUE(samples->GetMarkers());
  EXPECT_EQ(form.DFs->Diagram->GetKeeper(1)->GetSource(), SourceFunction);
  EXPECT_TRUE(Scripted().Messages.isEmpty()) << Scripted().Messages.join('\n').toStdString();
}

namespace {
// Edits everything a user can edit in the open window: an amplitude, a phase, F1, a check
// mark and both units.
void EditEverything(TPolyGarmForm& f) {
  f.EditFloatA[3]->setText(QStringLiteral("2,5"));
  f.EditFloatA0Exit();
  f.EditFloatP[4]->setText(QStringLiteral("90"));
  f.EditFloatA0Exit();
  f.EditFloatF[1]->setText(QStringLiteral("3"));
  f.EditFloatF1Exit();
  f.CheckBox[2]->click();
  f.RadioButton2->click();
  f.RadioButton4->click();
}
}  // namespace

TEST(ResamFragment, EveryWayOfClosingWithoutGotovoRestoresTheWindow) {
  const struct {
    const char* Way;
    void (*Close)(TPolyGarmForm&);
  } ways[] = {
      {"Закрыть", [](TPolyGarmForm& f) { f.Button5->click(); }},
      {"frame", [](TPolyGarmForm& f) { f.close(); }},
      {"Escape", [](TPolyGarmForm& f) { QTest::keyClick(&f, Qt::Key_Escape); }},
  };
  for (const auto& way : ways) {
    TPolyGarmForm f;
    f.Button4->click();  // a known signal, then confirmed
    QTimer::singleShot(0, [&f] { f.Button1->click(); });
    f.Execute();
    ASSERT_TRUE(f.IsAccepted());
    const double before = f.SignalValue(0.123), period = f.GetPeriod();
    QTimer::singleShot(0, [&f, &way, before] {
      EditEverything(f);
      EXPECT_NE(f.SignalValue(0.123), before);  // the edits reached the signal
      way.Close(f);
    });
    f.Execute();
    EXPECT_FALSE(f.IsAccepted()) << way.Way;
    EXPECT_EQ(f.SignalValue(0.123), before) << way.Way;
    EXPECT_EQ(f.GetPeriod(), period) << way.Way;
    EXPECT_TRUE(f.CheckBox[2]->isChecked()) << way.Way;
    EXPECT_TRUE(f.RadioButton1->isChecked()) << way.Way;
    EXPECT_TRUE(f.RadioButton3->isChecked()) << way.Way;
    EXPECT_EQ(f.EditFloatA[3]->Val(), 0.045) << way.Way;
    EXPECT_NEAR(f.EditFloatF[2]->Val(), 12.5664, 1e-4) << way.Way;
  }
}

TEST(ResamFragment, ClosingWithoutGotovoLeavesTheMainWindowAsItWas) {
  TPolyGarmForm fragment;
  PolyGarmForm = &fragment;
  TResamForm form;
  RunFragment(form, {&TPolyGarmForm::Button3, &TPolyGarmForm::Button5});
  EXPECT_FALSE(form.Engine.SignalGiven());
  EXPECT_TRUE(form.Label5->isVisibleTo(&form));
  // All amplitudes zero (the window as created): a zero signal on one period of 6.28318 rad/s.
  RunFragment(form, {&TPolyGarmForm::Button1});
  PolyGarmForm = nullptr;
  ASSERT_TRUE(form.Engine.SignalGiven());
  EXPECT_NEAR(form.Engine.T2() - form.Engine.T1(), 6.283185307179586 / 6.28318, 1e-12);
  for (int i = 0; i < form.Engine.N(); ++i) EXPECT_EQ(form.Engine.SampleValues()[i], 0);
  EXPECT_TRUE(Scripted().Messages.isEmpty());
}

TEST(ResamFragment, FundamentalAboveItsRangeIsCorrectedWithAMessage) {
  TPolyGarmForm f;
  f.EditFloatF[1]->setText(QStringLiteral("20"));
  f.EditFloatF1Exit();
  EXPECT_EQ(Scripted().Messages.size(), 1);
  EXPECT_EQ(f.EditFloatF[1]->Val(), 10);
  EXPECT_EQ(f.EditFloatF[9]->Val(), 90);
  EXPECT_DOUBLE_EQ(f.GetPeriod(), 6.283185307179586 / 10);
}
