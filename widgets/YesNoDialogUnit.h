#pragma once
// The yes/no question with a "do not show again" check box.
#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

class TYesNoDialogForm : public QDialog {
  Q_OBJECT
 public:
  explicit TYesNoDialogForm(QWidget* owner = nullptr);

  QLabel* StaticText1;
  QPushButton* ButtonYes;
  QPushButton* ButtonNo;
  QCheckBox* CheckBox1;
  // true only after "Да"; every other way of closing leaves it false.
  bool Answer = false;

  void ButtonYesClick();
  void ButtonNoClick();

 protected:
  void showEvent(QShowEvent* event) override;
};

// The instance created at start-up. YesNoDialog does not use it: each question
// gets a form of its own, destroyed when answered.
extern TYesNoDialogForm* YesNoDialogForm;

// Asks the question modally; true for "Да". doNotAskAgain receives the check
// box's state whatever the answer.
bool YesNoDialog(const QString& caption, const QString& question, bool& doNotAskAgain);
