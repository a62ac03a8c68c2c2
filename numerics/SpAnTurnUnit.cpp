#include "numerics/SpAnTurnUnit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <iterator>
#include <memory>
#include <new>

#include "numerics/SpAnUnit.h"
#include "platform/CoreServices.h"
#include "platform/Language.h"
#include "widgets/AccessibleNames.h"
#include "widgets/TranslatedTexts.h"

namespace {
constexpr int ClientWidth = 329, ClientHeight = 297;

// The values behind the list items, in the order of the items.
constexpr double AmpLevels[] = {0.7, 0.5, 0.3, 0.1, 0.05, 0.01};
constexpr double EnergyParts[] = {0.8, 0.85, 0.9, 0.95, 0.99};
constexpr int AmpLevelCount = int(std::size(AmpLevels));
constexpr int EnergyPartCount = int(std::size(EnergyParts));
constexpr int DefaultAmpItem = 3;     // "0,1"
constexpr int DefaultEnergyItem = 4;  // "0,99"

// The item of the largest level the stored one exceeds the next of: a level between two
// items shows as the item above it (0.2 shows as "0,3").
int AmpLevelItem(double level) {
  for (int i = 0; i + 1 < AmpLevelCount; ++i)
    if (level > AmpLevels[i + 1]) return i;
  return AmpLevelCount - 1;
}

// A fraction between two items shows as the item below it (0.97 shows as "0,95").
int EnergyPartItem(double part) {
  for (int i = 0; i + 1 < EnergyPartCount; ++i)
    if (part < EnergyParts[i + 1]) return i;
  return EnergyPartCount - 1;
}
constexpr char Context[] = "TSpAnTurnForm";
}  // namespace

TSpAnTurnForm::TSpAnTurnForm(TFourierAnalyser& module, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      Module(module) {
  PutText(this, TTextRole::WindowTitle, Context, QT_TR_NOOP("Настройка модуля спектрального анализа"));
  setFixedSize(ClientWidth, ClientHeight);
  BuildCriterionGroup();
  BuildDesignGroup();
  BuildButtons();
  Retranslate();
}

void TSpAnTurnForm::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QDialog::changeEvent(event);
}

// The kept texts, the levels with the language's separator, and the names given after them.
void TSpAnTurnForm::Retranslate() {
  RetranslateTexts(this);
  for (QComboBox* box : {ComboBox1, ComboBox2})
    for (int i = 0; i < box->count(); ++i) {
      QString level = box->itemText(i);
      box->setItemText(
          i,
          level.replace(QLatin1Char(','), ShownDecimalSeparator()).replace(QLatin1Char('.'), ShownDecimalSeparator()));
    }
  GiveAccessibleNames(this);
}

void TSpAnTurnForm::BuildCriterionGroup() {
  GroupBox1 = new QGroupBox(this);
  PutText(GroupBox1, TTextRole::Title, Context, QT_TR_NOOP(" Определение ширины спектра "));
  GroupBox1->setGeometry(8, 8, 313, 161);
  RadioButton1 = new QRadioButton(GroupBox1);
  PutText(RadioButton1, TTextRole::Text, Context, QT_TR_NOOP("Амплитудный критерий"));
  RadioButton1->setGeometry(16, 26, 200, 20);
  RadioButton1->setChecked(true);
  RadioButton2 = new QRadioButton(GroupBox1);
  PutText(RadioButton2, TTextRole::Text, Context, QT_TR_NOOP("Энергетический критерий"));
  RadioButton2->setGeometry(16, 54, 200, 20);
  RadioButton3 = new QRadioButton(GroupBox1);
  PutText(RadioButton3, TTextRole::Text, Context, QT_TR_NOOP("Метод прямоугольника"));
  RadioButton3->setGeometry(16, 82, 200, 20);
  Label1 = new QLabel(GroupBox1);
  PutText(Label1, TTextRole::Text, Context, QT_TR_NOOP("Уровень"));
  Label1->setGeometry(16, 120, 130, 16);
  ComboBox1 = new QComboBox(GroupBox1);
  ComboBox1->setGeometry(16, 136, 130, 22);
  ComboBox1->addItems({QStringLiteral("0,7"), QStringLiteral("0,5"), QStringLiteral("0,3"), QStringLiteral("0,1"),
                       QStringLiteral("0,05"), QStringLiteral("0,01")});
  Label2 = new QLabel(GroupBox1);
  PutText(Label2, TTextRole::Text, Context, QT_TR_NOOP("Доля энергии"));
  Label2->setGeometry(166, 120, 130, 16);
  ComboBox2 = new QComboBox(GroupBox1);
  ComboBox2->setGeometry(166, 136, 130, 22);
  ComboBox2->addItems({QStringLiteral("0,8"), QStringLiteral("0,85"), QStringLiteral("0,9"), QStringLiteral("0,95"),
                       QStringLiteral("0,99")});
  for (QRadioButton* button : {RadioButton1, RadioButton2, RadioButton3})
    connect(button, &QRadioButton::clicked, this, &TSpAnTurnForm::RadioButton1Click);
}

void TSpAnTurnForm::BuildDesignGroup() {
  GroupBox2 = new QGroupBox(this);
  PutText(GroupBox2, TTextRole::Title, Context, QT_TR_NOOP(" Оформление "));
  GroupBox2->setGeometry(8, 180, 313, 62);
  CheckBox1 = new QCheckBox(GroupBox2);
  PutText(CheckBox1, TTextRole::Text, Context, QT_TR_NOOP("Включить индикацию хода выполения расчётов"));
  CheckBox1->setGeometry(16, 28, 290, 20);
}

void TSpAnTurnForm::BuildButtons() {
  Button1 = new QPushButton(this);
  PutText(Button1, TTextRole::Text, Context, QT_TR_NOOP("Принять"));
  Button1->setGeometry(8, 260, 97, 27);
  Button2 = new QPushButton(this);
  PutText(Button2, TTextRole::Text, Context, QT_TR_NOOP("По умолчанию"));
  Button2->setGeometry(116, 260, 97, 27);
  Button3 = new QPushButton(this);
  PutText(Button3, TTextRole::Text, Context, QT_TR_NOOP("Отмена"));
  Button3->setGeometry(224, 260, 97, 27);
  Button1->setDefault(true);
  connect(Button1, &QPushButton::clicked, this, &TSpAnTurnForm::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TSpAnTurnForm::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &TSpAnTurnForm::Button3Click);
}

void TSpAnTurnForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormShow();
}

void TSpAnTurnForm::FormShow() {
  IsAccepted = false;
  ComboBox1->setCurrentIndex(AmpLevelItem(Module.GetAmpLevel()));
  ComboBox2->setCurrentIndex(EnergyPartItem(Module.GetEnergyPart()));
  QRadioButton* const byCriterion[] = {RadioButton1, RadioButton2, RadioButton3};
  const int criterion = Module.GetCriterion();
  if (criterion >= 0 && criterion < int(std::size(byCriterion))) byCriterion[criterion]->setChecked(true);
  RadioButton1Click();
  CheckBox1->setChecked(Module.GetIndication());
}

void TSpAnTurnForm::RadioButton1Click() {
  const bool amplitude = RadioButton1->isChecked(), energy = RadioButton2->isChecked();
  Label1->setEnabled(amplitude);
  ComboBox1->setEnabled(amplitude);
  Label2->setEnabled(energy);
  ComboBox2->setEnabled(energy);
}

void TSpAnTurnForm::Button2Click() {
  RadioButton1->setChecked(true);
  RadioButton1Click();
  CheckBox1->setChecked(false);
  ComboBox1->setCurrentIndex(DefaultAmpItem);
  ComboBox2->setCurrentIndex(DefaultEnergyItem);
}

void TSpAnTurnForm::Button1Click() {
  IsAccepted = true;
  Module.SetIndication(CheckBox1->isChecked());
  if (RadioButton1->isChecked()) {
    Module.SetAmpCriterion();
    const int item = ComboBox1->currentIndex();
    if (item >= 0 && item < AmpLevelCount) Module.SetAmpLevel(AmpLevels[item]);
  } else if (RadioButton2->isChecked()) {
    Module.SetEnergyCriterion();
    const int item = ComboBox2->currentIndex();
    if (item >= 0 && item < EnergyPartCount) Module.SetEnergyPart(EnergyParts[item]);
  } else {
    Module.SetRectCriterion();
  }
  accept();
}

void TSpAnTurnForm::Button3Click() { reject(); }

bool TurnSpAn() {
  // Without the module there is nothing to set.
  if (!SpAnForm) return false;
  std::unique_ptr<TSpAnTurnForm> form(new (std::nothrow) TSpAnTurnForm(*SpAnForm));
  if (!form) {
    ShowMessage(RESAM_MESSAGE("TSpAnTurnForm", "TurnSpAn: Недостаточно памяти."));
    return false;
  }
  form->exec();
  return form->Accepted();
}
