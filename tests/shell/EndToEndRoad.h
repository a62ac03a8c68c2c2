#pragma once
// The program's windows as start-up creates them, with the main window shown at the size of
// a desktop, and the user's hands: a command whose window runs modally, keys typed into an
// edit box or the table's cells.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QLocale>
#include <QTest>
#include <QTimer>
#include <functional>
#include <initializer_list>

#include "plotting/Diagram.h"
#include "shell/ResamUnit.h"
#include "sources/DiagramEditor.h"
#include "sources/LibUnit.h"
#include "sources/PolyGarmUnit.h"
#include "sources/TabEditor08Unit.h"

// Every window a road passes through, as start-up creates them; the main window is shown
// at a desktop's size. Its numbers are written as the language applied last has them (the test
// program applies Russian at its start).
struct TProgramWindows {
  TProgramWindows() {
    DiagramEditor = &drawing;
    TabEditorForm = &editor;
    LibForm = &library;
    PolyGarmForm = &fragment;
    form.resize(1600, 1000);
    form.show();
    QApplication::processEvents();
  }
  ~TProgramWindows() {
    PolyGarmForm = nullptr;
    LibForm = nullptr;
    TabEditorForm = nullptr;
    DiagramEditor = nullptr;
  }

  TResamForm form;
  TDiagramEditor drawing;
  TTabEditorForm editor;
  TLibForm library;
  TPolyGarmForm fragment;
};

class EndToEndRoad : public testing::Test, protected TProgramWindows {};

// Clicks the command's button; once its window is up, the user acts in it. A window the
// actions leave open is a failure, and is closed so that the test goes on.
inline void RunModal(QAbstractButton* command, const std::function<void()>& act) {
  QTimer::singleShot(0, [act] {
    act();
    if (QWidget* open = QApplication::activeModalWidget()) {
      ADD_FAILURE() << "the window " << open->windowTitle().toStdString() << " was left open";
      open->close();
    }
  });
  QTest::mouseClick(command, Qt::LeftButton);
}

// Selects what the box holds (the numeric boxes refuse control characters, Ctrl+A among
// them, so by Shift+Home from the end), types the text key by key and commits it with Enter.
inline void Type(QLineEdit* edit, const QString& text) {
  edit->setFocus();
  QTest::keyClick(edit, Qt::Key_End);
  QTest::keyClick(edit, Qt::Key_Home, Qt::ShiftModifier);
  QTest::keyClicks(edit, text);
  QTest::keyClick(edit, Qt::Key_Return);
}

// Types each value into the cell that has the focus and presses Enter, which moves on.
inline void TypeIntoGrid(TTabEditorForm& editor, std::initializer_list<const char*> values) {
  QApplication::setActiveWindow(&editor);
  QApplication::processEvents();
  for (const char* value : values) {
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    QTest::keyClicks(focus, QString::fromUtf8(value));
    QApplication::processEvents();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QApplication::processEvents();
  }
}

// Clicks the left button at each point (x, y in the diagram's units): the editor joins them
// by straight segments from where its pen stands.
inline void ClickAt(TDiagram& d, std::initializer_list<QPointF> points) {
  for (const QPointF& p : points)
    QTest::mouseClick(&d, Qt::LeftButton, Qt::NoModifier, QPoint(d.MathToPhisX(p.x()), d.MathToPhisY(p.y())));
}
