#pragma once
// Checks that assistive technology can name every control of a window: each widget that
// is enabled and visible (or would be when the window is shown) has a non-empty accessible
// name, or a text of its own that it is announced by (caption, label text, window title).
// Plain containers that only hold other widgets (frames, scroll areas, tool bars...) are
// not controls and are passed over.
//   EXPECT_TRUE(AllWidgetsNamed(&form));
#include <gtest/gtest.h>

#include <QStringList>

class QWidget;

// "Class 'objectName'" of every offending widget, in tree order.
QStringList UnnamedWidgets(QWidget* window);
testing::AssertionResult AllWidgetsNamed(QWidget* window);
