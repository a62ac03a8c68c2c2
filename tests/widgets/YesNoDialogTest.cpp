#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "ScriptedPlatform.h"
#include "widgets/YesNoDialogUnit.h"

namespace {
const QString Caption = QStringLiteral("Редактор диаграмм");
const QString Question = QStringLiteral("Очистить рисунок?");
constexpr int WatchdogMilliseconds = 5000;

// Asks the question and acts on the shown form from inside its modal loop, as a
// user would; a watchdog closes a form the action left open, so no test can hang.
bool AskAndAct(bool& flag, const std::function<void(TYesNoDialogForm*)>& act) {
  bool acted = false;
  QTimer::singleShot(0, [&] {
    auto* form = qobject_cast<TYesNoDialogForm*>(QApplication::activeModalWidget());
    if (!form) {
      ADD_FAILURE() << "the question is not shown modally";
      return;
    }
    acted = true;
    act(form);
  });
  QTimer watchdog;
  watchdog.setSingleShot(true);
  QObject::connect(&watchdog, &QTimer::timeout, [] {
    if (QWidget* form = QApplication::activeModalWidget()) {
      ADD_FAILURE() << "the question was still open";
      form->close();
    }
  });
  watchdog.start(WatchdogMilliseconds);
  const bool answer = YesNoDialog(Caption, Question, flag);
  EXPECT_TRUE(acted);
  return answer;
}
}  // namespace

TEST(YesNoDialogForm, ShowsTheQuestionWithAnEnabledCheckBox) {
  bool flag = true;
  const bool answer = AskAndAct(flag, [](TYesNoDialogForm* form) {
    EXPECT_EQ(form->windowTitle(), Caption);
    EXPECT_EQ(form->StaticText1->text(), Question);
    EXPECT_EQ(form->ButtonYes->text(), QStringLiteral("Да"));
    EXPECT_EQ(form->ButtonNo->text(), QStringLiteral("Нет"));
    EXPECT_EQ(form->CheckBox1->text(), QStringLiteral("Не показывать больше это сообщение"));
    EXPECT_TRUE(form->CheckBox1->isEnabled());
    EXPECT_FALSE(form->CheckBox1->isChecked());
    EXPECT_EQ(form->size(), QSize(281, 147));
    EXPECT_LT(form->ButtonYes->x(), form->ButtonNo->x());
    QTest::mouseClick(form->ButtonNo, Qt::LeftButton);
  });
  EXPECT_FALSE(answer);
  EXPECT_FALSE(flag) << "the unticked box is passed back";
}

TEST(YesNoDialogAnswers, YesWithTheBoxTicked) {
  bool flag = false;
  EXPECT_TRUE(AskAndAct(flag, [](TYesNoDialogForm* form) {
    QTest::mouseClick(form->CheckBox1, Qt::LeftButton);
    QTest::mouseClick(form->ButtonYes, Qt::LeftButton);
  }));
  EXPECT_TRUE(flag);
}

TEST(YesNoDialogAnswers, ClosingOtherwiseAnswersNoAndKeepsTheFlag) {
  bool flag = false;
  EXPECT_FALSE(AskAndAct(flag, [](TYesNoDialogForm* form) {
    form->CheckBox1->setFocus();
    QTest::keyClick(form->CheckBox1, Qt::Key_Space);
    QTest::keyClick(form, Qt::Key_Escape);
  }));
  EXPECT_TRUE(flag);

  EXPECT_FALSE(AskAndAct(flag, [](TYesNoDialogForm* form) { form->close(); }));
  EXPECT_FALSE(flag);
}

TEST(YesNoDialogAnswers, EachQuestionGetsAFreshForm) {
  TYesNoDialogForm startUp;
  YesNoDialogForm = &startUp;
  bool flag = false;
  TYesNoDialogForm* first = nullptr;
  AskAndAct(flag, [&first](TYesNoDialogForm* form) {
    first = form;
    QTest::mouseClick(form->CheckBox1, Qt::LeftButton);
    QTest::mouseClick(form->ButtonYes, Qt::LeftButton);
  });
  EXPECT_NE(first, &startUp);
  EXPECT_FALSE(AskAndAct(flag, [](TYesNoDialogForm* form) {
    EXPECT_FALSE(form->CheckBox1->isChecked()) << "the tick of an earlier question is not carried over";
    EXPECT_FALSE(form->Answer);
    QTest::mouseClick(form->ButtonNo, Qt::LeftButton);
  }));
  EXPECT_FALSE(startUp.CheckBox1->isEnabled()) << "the start-up form stays as stored";
  YesNoDialogForm = nullptr;
  EXPECT_TRUE(Scripted().Messages.isEmpty());
}
