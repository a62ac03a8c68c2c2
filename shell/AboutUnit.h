#pragma once
// "Справка" › "О программе": the program's name and version (the one --version prints), its
// licence and the libraries it is built on, in a small modal window.
#include <QDialog>

class QLabel;

class TAboutForm : public QDialog {
  Q_OBJECT  // its texts' context for tr() and lupdate alike

      public : explicit TAboutForm(QWidget* parent = nullptr);

  // The window's text (rich text), for the label and the tests.
  static QString AboutText();
  QLabel* LabelAbout;
};
