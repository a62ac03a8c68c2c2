#include <QLabel>
#include <gtest/gtest.h>

#include "shell/ResamUnit.h"

TEST(ResamFormStart, CaptionAndTheNoSignalLabel) {
  TResamForm form;
  form.resize(800, 600);
  form.show();
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Ряд Котельникова - Кварнел, Тармин, 2015г."));
  ASSERT_NE(form.Label5, nullptr);
  EXPECT_TRUE(form.Label5->isVisible());
  EXPECT_EQ(form.Label5->text(), QStringLiteral("Сигнал не задан"));
  EXPECT_EQ(form.Label5->palette().color(QPalette::WindowText), QColor(Qt::red));
  EXPECT_TRUE(form.Label5->font().bold());
  EXPECT_TRUE(form.Label5->font().italic());
  EXPECT_EQ(form.Label5->font().pixelSize(), 24);
  const QRect area = form.centralWidget()->rect();
  EXPECT_TRUE(area.contains(form.Label5->geometry()));
}
