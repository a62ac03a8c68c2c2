#include <gtest/gtest.h>

#include "ScriptedPlatform.h"
#include "platform/CoreServices.h"
#include "platform/FileExtension.h"
#include "platform/Platform.h"

TEST(FileExtensionCorrection, KeepsTheRightExtensionWhateverItsCase) {
  QString name = QStringLiteral("/tmp/a.BMP");
  EXPECT_FALSE(CorrectFileExtension(name, QStringLiteral(".bmp")));
  EXPECT_EQ(name, QStringLiteral("/tmp/a.BMP"));
  EXPECT_TRUE(Scripted().Messages.isEmpty());
}

TEST(FileExtensionCorrection, ReplacesOrAppendsWithTheMessage) {
  QString name = QStringLiteral("/tmp/plot.JPG");
  EXPECT_TRUE(CorrectFileExtension(name, QStringLiteral(".dkr")));
  EXPECT_EQ(name, QStringLiteral("/tmp/plot.dkr"));
  QString bare = QStringLiteral("/tmp/my.folder/plot");
  EXPECT_TRUE(CorrectFileExtension(bare, QStringLiteral(".bmp")));
  EXPECT_EQ(bare, QStringLiteral("/tmp/my.folder/plot.bmp"));
  EXPECT_EQ(
      Scripted().Messages,
      QStringList({QStringLiteral("/tmp/plot.JPG:\nФормат файлов .jpg не поддерживается.Произведена коррекция."),
                   QStringLiteral("/tmp/my.folder/plot:\nФормат файлов  не поддерживается.Произведена коррекция.")}));
}

TEST(PlatformFilters, PairsBecomeQtFilters) {
  EXPECT_EQ(QtFilterFromPairs(QStringLiteral("Bitmaps (*.bmp)|*.bmp")), QStringLiteral("Bitmaps (*.bmp)"));
  EXPECT_EQ(QtFilterFromPairs(QStringLiteral("Таблицы|*.tbl;*.inp|Все|*.*")),
            QStringLiteral("Таблицы (*.tbl *.inp);;Все (*.*)"));
  EXPECT_EQ(WithDefaultExtension(QStringLiteral("/a/b"), QStringLiteral("dkr")), QStringLiteral("/a/b.dkr"));
  EXPECT_EQ(WithDefaultExtension(QStringLiteral("/a/b.txt"), QStringLiteral("dkr")), QStringLiteral("/a/b.txt"));
}

TEST(PlatformCoreServices, NumericMessagesAndWaitCursorReachThePlatform) {
  ShowMessage("Модуль: проверка");
  {
    TWaitCursor wait;
    EXPECT_EQ(Scripted().CursorStack, QList<Qt::CursorShape>({Qt::WaitCursor}));
  }
  EXPECT_TRUE(Scripted().CursorStack.isEmpty());
  EXPECT_EQ(Scripted().Messages, QStringList(QStringLiteral("Модуль: проверка")));
}
