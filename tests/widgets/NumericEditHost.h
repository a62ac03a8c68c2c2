#pragma once
// A window holding one entry control and a second field, for driving the control
// as a user does: typing into it and leaving it for the other field, whereupon the
// owner commits the text, as every window of the program does on exit.
#include <gtest/gtest.h>

#include <QApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QLocale>
#include <QTest>
#include <QWidget>

#include "widgets/NumericEditUnit.h"

// The decimal separator the controls use comes from the default locale; a test
// pins it so that it does not depend on the machine's settings.
class TLocaleGuard {
 public:
  explicit TLocaleGuard(const QLocale& locale) { QLocale::setDefault(locale); }
  ~TLocaleGuard() { QLocale::setDefault(Saved); }
  TLocaleGuard(const TLocaleGuard&) = delete;
  TLocaleGuard& operator=(const TLocaleGuard&) = delete;

 private:
  QLocale Saved;
};

template <typename TEdit>
class TEditHost {
 public:
  TEditHost() : Edit(new TEdit(&Window)), Next(new QLineEdit(&Window)) {
    auto* layout = new QHBoxLayout(&Window);
    layout->addWidget(Edit);
    layout->addWidget(Next);
    QObject::connect(Edit, &TNumericEdit::Exit, Edit, [this] {
      LastCommit = Edit->GetModify();
      ++Commits;
    });
    Window.show();
    QApplication::setActiveWindow(&Window);
    Edit->setFocus(Qt::MouseFocusReason);
  }

  // Keys typed into the control at the caret.
  void Type(const QString& keys) { QTest::keyClicks(Edit, keys); }
  // The whole text selected and deleted (the delete key is no typed character).
  void Clear() {
    Edit->selectAll();
    QTest::keyClick(Edit, Qt::Key_Delete);
  }
  void Retype(const QString& keys) {
    Clear();
    Type(keys);
  }
  // Focus to the other field and back; returns what the commit returned.
  bool Leave() {
    const int before = Commits;
    Next->setFocus(Qt::TabFocusReason);
    Edit->setFocus(Qt::MouseFocusReason);
    if (Commits != before + 1) ADD_FAILURE() << "leaving the field did not commit it once";
    return LastCommit;
  }
  // Places the caret, or selects [start, start + length).
  void Select(int start, int length = 0) {
    if (length == 0)
      Edit->setCursorPosition(start);
    else
      Edit->setSelection(start, length);
  }

  QWidget Window;
  TEdit* Edit;
  QLineEdit* Next;
  int Commits = 0;
  bool LastCommit = false;
};
