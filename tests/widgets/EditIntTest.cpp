#include <QClipboard>
#include <QGuiApplication>
#include <climits>

#include "NumericEditHost.h"
#include "ScriptedPlatform.h"
#include "widgets/EditIntUnit.h"

namespace {
const QString BelowCorrected =
    QStringLiteral("Введённое значение параметра меньше минимально-допустимого.\n Произведена коррекция.");
const QString AboveCorrected =
    QStringLiteral("Введённое значение параметра больше максимально-допустимого.\n Произведена коррекция.");
const QString AboveRestored = QStringLiteral(
    "Введённое значение параметра больше максимально-допустимого.\n Прежнее значение параметра восстановлено.");
const QString UnreadableCorrected =
    QStringLiteral("Строка ввода имеет некорректный формат или пуста. \n Произведена коррекция.");
const QString UnreadableRestored =
    QStringLiteral("Строка ввода имеет некорректный формат или пуста. \n Значение параметра восстановлено.");
}  // namespace

TEST(EditIntDefaults, StartsAtZeroInMinusTenToTen) {
  TEditInt edit;
  EXPECT_EQ(edit.text(), QStringLiteral("0"));
  EXPECT_EQ(edit.Val(), 0);
  EXPECT_EQ(edit.Min(), -10);
  EXPECT_EQ(edit.Max(), 10);
  EXPECT_TRUE(edit.CorrType);
  EXPECT_FALSE(edit.CorrMsg);
}

TEST(EditIntCommit, OutOfRangeTextIsCorrectedToTheBoundOrRestored) {
  TEditHost<TEditInt> host;
  host.Retype(QStringLiteral("15"));
  EXPECT_TRUE(host.Leave());
  EXPECT_EQ(host.Edit->Val(), 10);
  EXPECT_EQ(host.Edit->text(), QStringLiteral("10"));
  EXPECT_TRUE(Scripted().Messages.isEmpty());

  host.Retype(QStringLiteral("10"));
  EXPECT_FALSE(host.Leave()) << "the same value is no change";

  host.Edit->SetVal(3);
  host.Edit->CorrType = false;
  host.Edit->CorrMsg = true;
  host.Retype(QStringLiteral("15"));
  EXPECT_FALSE(host.Leave());
  EXPECT_EQ(host.Edit->Val(), 3);
  EXPECT_EQ(host.Edit->text(), QStringLiteral("3"));
  EXPECT_EQ(Scripted().Messages, QStringList{AboveRestored});

  Scripted().Messages.clear();
  host.Edit->CorrType = true;
  host.Type(QStringLiteral("0"));  // "30"
  EXPECT_TRUE(host.Leave());
  EXPECT_EQ(host.Edit->Val(), 10);
  EXPECT_EQ(Scripted().Messages, QStringList{AboveCorrected});
}

TEST(EditIntCommit, BelowTheMinimumIsCorrectedWithItsMessage) {
  TEditHost<TEditInt> host;
  host.Edit->SetMin(-3);
  host.Edit->CorrMsg = true;
  host.Retype(QStringLiteral("-7"));
  EXPECT_TRUE(host.Leave());
  EXPECT_EQ(host.Edit->Val(), -3);
  EXPECT_EQ(Scripted().Messages, QStringList{BelowCorrected});
}

TEST(EditIntCommit, EmptyTextGivesTheMiddleOrTheOldValue) {
  TEditHost<TEditInt> host;
  host.Edit->SetVal(4);
  host.Edit->CorrMsg = true;
  host.Clear();
  EXPECT_TRUE(host.Leave());
  EXPECT_EQ(host.Edit->Val(), 0);
  EXPECT_EQ(host.Edit->text(), QStringLiteral("0"));
  EXPECT_EQ(Scripted().Messages, QStringList{UnreadableCorrected});

  Scripted().Messages.clear();
  host.Edit->SetVal(4);
  host.Edit->CorrType = false;
  host.Clear();
  EXPECT_FALSE(host.Leave());
  EXPECT_EQ(host.Edit->Val(), 4);
  EXPECT_EQ(host.Edit->text(), QStringLiteral("4"));
  EXPECT_EQ(Scripted().Messages, QStringList{UnreadableRestored});
}

TEST(EditIntCommit, MiddleOfTheRangeTruncatesTowardZeroWithoutOverflow) {
  TEditInt edit;
  edit.SetMin(-3);
  edit.SetMax(0);
  edit.setText(QStringLiteral("abc"));
  EXPECT_TRUE(edit.GetModify());
  EXPECT_EQ(edit.Val(), -1);

  edit.SetMax(INT_MAX);
  edit.SetMin(INT_MAX - 2);
  edit.setText(QString());
  edit.GetModify();
  EXPECT_EQ(edit.Val(), INT_MAX - 1);

  edit.SetMin(INT_MIN);
  edit.SetMax(INT_MIN + 3);
  edit.setText(QStringLiteral("-"));
  edit.GetModify();
  EXPECT_EQ(edit.Val(), INT_MIN + 2);  // -2147483646.5 truncated toward zero
  EXPECT_TRUE(Scripted().Messages.isEmpty());
}

TEST(EditIntCommit, PastedAndHugeTextsEndInRange) {
  TEditHost<TEditInt> host;
  host.Edit->SetVal(2);
  QGuiApplication::clipboard()->setText(QStringLiteral("12x"));
  host.Edit->selectAll();
  host.Edit->paste();  // the context menu's paste is not filtered
  EXPECT_EQ(host.Edit->text(), QStringLiteral("12x"));
  EXPECT_TRUE(host.Leave());
  EXPECT_EQ(host.Edit->Val(), 0);

  host.Edit->setText(QStringLiteral("99999999999999999999"));
  host.Edit->CorrType = false;
  EXPECT_FALSE(host.Leave());
  EXPECT_EQ(host.Edit->Val(), 0);
  host.Edit->setText(QStringLiteral("-2147483648"));
  host.Edit->CorrType = true;
  EXPECT_TRUE(host.Leave());
  EXPECT_EQ(host.Edit->Val(), -10);
}

TEST(EditIntRange, SettersRefuseCrossingBoundsAndPullTheValue) {
  TEditInt edit;
  edit.SetVal(7);
  edit.SetMax(-11);
  edit.SetMin(11);
  EXPECT_EQ(Scripted().Messages,
            (QStringList{QStringLiteral("TEditInt: Максимальное значение должно быть больше минимального."),
                         QStringLiteral("TEditInt: Минимальное значение должно быть меньше максимального.")}));
  EXPECT_EQ(edit.Max(), 10);
  EXPECT_EQ(edit.Min(), -10);
  EXPECT_EQ(edit.Val(), 7);

  Scripted().Messages.clear();
  edit.CorrMsg = true;
  edit.SetMax(5);
  EXPECT_EQ(edit.Val(), 5);
  EXPECT_EQ(edit.text(), QStringLiteral("5"));
  edit.SetMax(-10);  // equal to Min
  EXPECT_EQ(edit.Max(), -10);
  EXPECT_EQ(edit.Val(), -10);
  edit.SetMax(10);
  edit.SetMin(10);
  EXPECT_EQ(edit.Val(), 10);
  EXPECT_TRUE(Scripted().Messages.isEmpty()) << "pulling the value along is no correction to announce";
}

TEST(EditIntKeys, SignOnlyOnceAndOnlyAtTheStart) {
  TEditHost<TEditInt> host;
  host.Retype(QStringLiteral("15"));
  host.Select(1);
  host.Type(QStringLiteral("-"));
  EXPECT_EQ(host.Edit->text(), QStringLiteral("15")) << "a sign inside the number";
  host.Select(0);
  host.Type(QStringLiteral("-"));
  EXPECT_EQ(host.Edit->text(), QStringLiteral("-15"));
  host.Select(0);
  host.Type(QStringLiteral("-"));
  EXPECT_EQ(host.Edit->text(), QStringLiteral("-15")) << "a second sign";
  host.Select(0);
  host.Type(QStringLiteral("7"));
  EXPECT_EQ(host.Edit->text(), QStringLiteral("-15")) << "a digit in front of the sign";
  host.Select(0, 2);
  host.Type(QStringLiteral("-"));
  EXPECT_EQ(host.Edit->text(), QStringLiteral("-5")) << "a sign replacing the selection";
  host.Select(2);
  host.Type(QStringLiteral("a.,+e 3"));
  EXPECT_EQ(host.Edit->text(), QStringLiteral("-53"));

  host.Edit->SetMin(0);
  host.Retype(QStringLiteral("-4"));
  EXPECT_EQ(host.Edit->text(), QStringLiteral("4")) << "no sign when no negative value is allowed";
}

TEST(EditIntKeys, BackspaceIsAcceptedEvenOverTheSign) {
  TEditHost<TEditInt> host;
  host.Retype(QStringLiteral("-15"));
  host.Edit->selectAll();
  QTest::keyClick(host.Edit, Qt::Key_Backspace);
  EXPECT_EQ(host.Edit->text(), QString());
  host.Type(QStringLiteral("-15"));
  host.Select(1);
  QTest::keyClick(host.Edit, Qt::Key_Backspace);
  EXPECT_EQ(host.Edit->text(), QStringLiteral("15"));
}

TEST(EditIntKeys, ShortcutsThatChangeTheTextAreRefusedOthersWork) {
  TEditHost<TEditInt> host;
  QGuiApplication::clipboard()->setText(QStringLiteral("xyz"));
  host.Retype(QStringLiteral("12"));
  QTest::keyClick(host.Edit, Qt::Key_V, Qt::ControlModifier);
  QTest::keyClick(host.Edit, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(host.Edit->selectedText(), QStringLiteral("12"));
  QTest::keyClick(host.Edit, Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(host.Edit->text(), QStringLiteral("12"));
  QTest::keyClick(host.Edit, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("12"));
}

TEST(EditIntKeys, ControlWithNavigationKeysStillMovesTheCaret) {
  TEditHost<TEditInt> host;
  host.Retype(QStringLiteral("123"));
  QTest::keyClick(host.Edit, Qt::Key_Left, Qt::ControlModifier);
  EXPECT_EQ(host.Edit->cursorPosition(), 0) << "a word to the left is no typed character";
  host.Type(QStringLiteral("-"));
  EXPECT_EQ(host.Edit->text(), QStringLiteral("-123"));
  QTest::keyClick(host.Edit, Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_TRUE(host.Edit->hasSelectedText());
}

TEST(EditIntExit, OnlyLeavingTheFieldCommits) {
  TEditHost<TEditInt> host;
  int exits = 0;
  QObject::connect(host.Edit, &TNumericEdit::Exit, [&exits] { ++exits; });
  host.Type(QStringLiteral("5"));
  QTest::keyClick(host.Edit, Qt::Key_Return);
  EXPECT_EQ(exits, 0);
  EXPECT_EQ(host.Edit->Val(), 0) << "typing alone does not commit";
  host.Leave();
  EXPECT_EQ(exits, 1);
  EXPECT_EQ(host.Edit->Val(), 5);
}
