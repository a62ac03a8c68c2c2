#pragma once
class QWidget;

// Puts a top-level window, frame included, at the middle of the primary screen:
// left = screen width / 2 - window width / 2, and likewise the top. A window
// larger than the screen gets a negative position.
void CentreOnScreen(QWidget* window);
