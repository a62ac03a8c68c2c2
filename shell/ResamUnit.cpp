#include "shell/ResamUnit.h"

#include <QFont>
#include <QLabel>
#include <QPalette>

#include "shell/HelloUnit.h"
#include "shell/AccessibleNames.h"

TResamForm* ResamForm = nullptr;

namespace {
constexpr int NoSignalFontPixels = 24;
}

TResamForm::TResamForm(QWidget* parent) : QMainWindow(parent) {
  setWindowTitle(QStringLiteral("Ряд Котельникова - Кварнел, Тармин, 2015г."));
  auto* central = new QWidget(this);
  setCentralWidget(central);
  Label5 = new QLabel(QStringLiteral("Сигнал не задан"), central);
  QFont font(QStringLiteral("Times New Roman"));
  font.setPixelSize(NoSignalFontPixels);
  font.setBold(true);
  font.setItalic(true);
  Label5->setFont(font);
  QPalette palette = Label5->palette();
  palette.setColor(QPalette::WindowText, Qt::red);
  Label5->setPalette(palette);
  Label5->adjustSize();
  resize(1000, 700);
  ShowWelcome();
  GiveAccessibleNames(this);
}

// The welcome card shows while the rest of start-up runs. It is a separate top-level
// window that frees itself when it closes; parenting it here only makes sure it goes
// with the main window should the application end first.
void TResamForm::ShowWelcome() {
  auto* hello = new THelloForm(this);
  hello->show();
  hello->repaint();
}

void TResamForm::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  PlaceNoSignalLabel();
}

void TResamForm::PlaceNoSignalLabel() {
  const QWidget* area = centralWidget();
  Label5->move((area->width() - Label5->width()) / 2, area->height() / 2 - Label5->height() / 2);
}
