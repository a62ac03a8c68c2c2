#pragma once
// How the program's large tool windows (the diagram editor, the enlarged diagram, the table
// editor, the signal library) are framed, stacked and kept maximised, so that they all
// behave alike.
#include <QString>

class QDialog;
class QMenuBar;
class QSize;
class QToolBar;
class QWidget;

// A dialog with a title bar, a system menu, a maximise button (and a minimise button when
// asked for) and a close button, at its designed size.
void FrameToolWindow(QDialog* window, const QString& title, const QSize& designed, bool minimizable = false);
// The menu bar on top, the tool bar under it and the body taking the rest, with no margins
// and no gaps between them.
void StackToolWindow(QWidget* window, QMenuBar* menu, QToolBar* toolBar, QWidget* body);
// Asks for the maximised state, leaving a minimised or full-screen state behind; a window
// that is maximised already is left alone.
void KeepMaximized(QWidget* window);
// Without a window manager a request to maximise goes unanswered; a window given the
// available area of its screen still covers the screen less its panels.
void CoverAvailableArea(QWidget* window);
