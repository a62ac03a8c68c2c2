// The fragment window feeding the main window: from "Прямоугольный" and "Готово" to the
// three curves of the signal diagram.
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include "ScriptedPlatform.h"
#include "numerics/Keeper.h"
#include "plotting/Diagram.h"
#include "plotting/DiagramFrameUnit.h"
#include "shell/ResamUnit.h"
#include "sources/PolyGarmUnit.h"

namespace {
// Runs the main window's fragment command, pressing the given buttons in the modal window.
void RunFragment(TResamForm& form, std::initializer_list<QPushButton* TPolyGarmForm::*> buttons) {
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
  ASSERT_TRUE(form.SignalGiven);
  EXPECT_DOUBLE_EQ(form.T1, -0.5);
  EXPECT_DOUBLE_EQ(form.T2, 0.5);
  EXPECT_EQ(form.N, 2 * form.Nmin);
  EXPECT_GT(form.Nmin, 1);
  EXPECT_NEAR(form.AnalogValues[511] + form.AnalogValues[512], 2 * 1.032, 0.01);
  const TKeeper* samples = form.DFs->Diagram->GetKeeper(2);
  EXPECT_EQ(samples->GetCount(), form.N);
  EXPECT_TRUE(samples->GetMarkers());
  EXPECT_EQ(form.DFs->Diagram->GetKeeper(1)->GetSource(), SourceFunction);
  EXPECT_TRUE(Scripted().Messages.isEmpty()) << Scripted().Messages.join('\n').toStdString();
}
