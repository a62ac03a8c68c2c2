#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>

#include "ResamTestSignals.h"
#include "studies/ListeningWindow.h"
#include "widgets/EditIntUnit.h"

// "Исследование" › "Прослушать..." opens the listening window without blocking the main
// window; a count typed there afterwards reaches the sounds, which are then those of the new
// samples.
TEST(ResamListening, OpensFromTheMenuAndFollowsTheMainWindow) {
  TResamForm form;
  form.show();
  EXPECT_EQ(form.ListeningItem->text(), QStringLiteral("Прослушать..."));
  EXPECT_TRUE(form.ResearchMenu->actions().contains(form.ListeningItem));
  form.ListeningItem->trigger();
  ASSERT_NE(form.Listening, nullptr);
  EXPECT_TRUE(form.Listening->isVisible());
  EXPECT_FALSE(form.Listening->isModal());
  GiveLibrarySignal(form, SlowWave, 1, 0);
  const auto curve = [&] { return form.Listening->Loops().Loop[int(TSoundKind::Curve)]; };
  const auto fresh = [&] {
    return RenderLoops(form.Engine, SoundScaleOf(form.Engine, DefaultPitch)).Loop[int(TSoundKind::Curve)];
  };
  EXPECT_EQ(curve(), fresh());
  const std::vector<float> before = curve();
  form.EditN->setText(QStringLiteral("6"));
  form.EditNExit();
  EXPECT_EQ(form.Engine.N(), 6);
  EXPECT_EQ(curve(), fresh());
  EXPECT_NE(curve(), before);
}
