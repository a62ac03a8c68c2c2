#pragma once
// The settings window of the spectrum analysis module: the width criterion with its
// parameter and the progress-display switch. It keeps no setting of its own: it reads the
// module's values when shown and writes them back on "Принять".
#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class TFourierAnalyser;

class TSpAnTurnForm : public QDialog {
  Q_OBJECT
 public:
  explicit TSpAnTurnForm(TFourierAnalyser& module, QWidget* parent = nullptr);

  bool Accepted() const { return IsAccepted; }

  QGroupBox* GroupBox1 = nullptr;
  QRadioButton* RadioButton1 = nullptr;
  QRadioButton* RadioButton2 = nullptr;
  QRadioButton* RadioButton3 = nullptr;
  QLabel* Label1 = nullptr;
  QComboBox* ComboBox1 = nullptr;
  QLabel* Label2 = nullptr;
  QComboBox* ComboBox2 = nullptr;
  QGroupBox* GroupBox2 = nullptr;
  QCheckBox* CheckBox1 = nullptr;
  QPushButton* Button1 = nullptr;
  QPushButton* Button2 = nullptr;
  QPushButton* Button3 = nullptr;

  void FormShow();
  void RadioButton1Click();
  void Button1Click();
  void Button2Click();
  void Button3Click();

 protected:
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void BuildCriterionGroup();
  void BuildDesignGroup();
  void BuildButtons();
  // Every text in the interface language; at creation and at each language change.
  void Retranslate();

  TFourierAnalyser& Module;
  bool IsAccepted = false;
};

// Shows the settings window modally for the module SpAnForm and destroys it afterwards;
// true when the user accepted. False, with a message, when the window cannot be created.
bool TurnSpAn();
