#pragma once
// The graphical editor shown without a modal loop and driven as a user would: mouse events
// on its diagram, keys on the window, questions answered from inside their own loop.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

#include "ScriptedPlatform.h"
#include "plotting/Diagram.h"
#include "sources/DiagramEditor.h"
#include "widgets/YesNoDialogUnit.h"

class TEditorTest : public testing::Test {
 protected:
  TDiagramEditor Editor;
  TDiagram& D = *Editor.Diagram1;
  QTimer Watchdog;

  void SetUp() override {
    // An unexpected question must fail the test, never wait for a person.
    QObject::connect(&Watchdog, &QTimer::timeout, [] {
      if (QWidget* modal = QApplication::activeModalWidget()) {
        ADD_FAILURE() << "a question was left unanswered";
        modal->close();
      }
    });
    Watchdog.start(2000);
    Editor.show();
    QApplication::processEvents();
  }

  QPoint At(double x, double y) const { return {D.MathToPhisX(x), D.MathToPhisY(y)}; }

  void Mouse(QEvent::Type type, QPoint at, Qt::MouseButtons held) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(at), QPointF(D.mapToGlobal(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(&D, &event);
  }
  void Press(QPoint at) { Mouse(QEvent::MouseButtonPress, at, Qt::LeftButton); }
  void Drag(QPoint at) { Mouse(QEvent::MouseMove, at, Qt::LeftButton); }
  void Hover(QPoint at) { Mouse(QEvent::MouseMove, at, Qt::NoButton); }
  void Release(QPoint at) { Mouse(QEvent::MouseButtonRelease, at, Qt::NoButton); }
  void Click(QPoint at) {
    Press(at);
    Release(at);
  }

  std::vector<double> Drawn() {
    int count = 0;
    const double* data = Editor.GetData(count);
    return std::vector<double>(data, data + count);
  }

  // Answers the next question as a user would: ticks the box or not, then a button.
  static void AnswerQuestion(bool yes, bool tick, QString* caption = nullptr) {
    QTimer::singleShot(0, [=] {
      auto* form = qobject_cast<TYesNoDialogForm*>(QApplication::activeModalWidget());
      if (!form) {
        ADD_FAILURE() << "no question was shown";
        return;
      }
      if (caption) *caption = form->windowTitle();
      form->CheckBox1->setChecked(tick);
      (yes ? form->ButtonYes : form->ButtonNo)->click();
    });
  }
};
