#include "widgets/ToolWindow.h"

#include <QDialog>
#include <QMenuBar>
#include <QScreen>
#include <QToolBar>
#include <QVBoxLayout>

void FrameToolWindow(QDialog* window, const QString& title, const QSize& designed, bool minimizable) {
  window->setWindowTitle(title);
  window->setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         (minimizable ? Qt::WindowMinMaxButtonsHint : Qt::WindowMaximizeButtonHint) |
                         Qt::WindowCloseButtonHint);
  window->resize(designed);
}

void StackToolWindow(QWidget* window, QMenuBar* menu, QToolBar* toolBar, QWidget* body) {
  auto* layout = new QVBoxLayout(window);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->setMenuBar(menu);
  layout->addWidget(toolBar);
  layout->addWidget(body, 1);
}

void KeepMaximized(QWidget* window) {
  const Qt::WindowStates state = window->windowState();
  if (!(state & Qt::WindowMaximized))
    window->setWindowState((state & ~(Qt::WindowMinimized | Qt::WindowFullScreen)) | Qt::WindowMaximized);
}

void CoverAvailableArea(QWidget* window) {
  if (const QScreen* screen = window->screen()) window->setGeometry(screen->availableGeometry());
}
