#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <memory>

#include "ScriptedPlatform.h"
#include "numerics/SpAnTurnUnit.h"
#include "numerics/SpAnUnit.h"

namespace {
// The settings window shown without a modal loop, driven as a user would.
class SpAnTurnFormTest : public ::testing::Test {
 protected:
  void Open() {
    Form = std::make_unique<TSpAnTurnForm>(*Module);
    Form->show();
  }
  void Click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
  }
  void Choose(QComboBox* box, const QString& text) { box->setCurrentIndex(box->findText(text)); }

  std::unique_ptr<TFourierAnalyser> Module = std::make_unique<TFourierAnalyser>();
  std::unique_ptr<TSpAnTurnForm> Form;
};

void ExpectDefaults(const TSpAnTurnForm& form) {
  EXPECT_TRUE(form.RadioButton1->isChecked());
  EXPECT_EQ(form.ComboBox1->currentText(), QStringLiteral("0,1"));
  EXPECT_EQ(form.ComboBox2->currentText(), QStringLiteral("0,99"));
  EXPECT_FALSE(form.CheckBox1->isChecked());
  EXPECT_TRUE(form.ComboBox1->isEnabled());
  EXPECT_TRUE(form.Label1->isEnabled());
  EXPECT_FALSE(form.ComboBox2->isEnabled());
  EXPECT_FALSE(form.Label2->isEnabled());
}
}  // namespace

TEST_F(SpAnTurnFormTest, OpensWithTheModuleDefaults) {
  Open();
  EXPECT_EQ(Form->windowTitle(), QStringLiteral("Настройка модуля спектрального анализа"));
  EXPECT_EQ(Form->size(), QSize(329, 297));
  EXPECT_EQ(Form->ComboBox1->count(), 6);
  EXPECT_EQ(Form->ComboBox2->count(), 5);
  ExpectDefaults(*Form);
  EXPECT_FALSE(Form->Accepted());
}

TEST_F(SpAnTurnFormTest, EnergyCriterionAcceptedKeepsTheAmplitudeLevel) {
  Module->SetAmpLevel(0.3);
  Open();
  Click(Form->RadioButton2);
  EXPECT_TRUE(Form->RadioButton2->isChecked());
  EXPECT_TRUE(Form->ComboBox2->isEnabled());
  EXPECT_TRUE(Form->Label2->isEnabled());
  EXPECT_FALSE(Form->ComboBox1->isEnabled());
  EXPECT_FALSE(Form->Label1->isEnabled());
  Choose(Form->ComboBox2, QStringLiteral("0,9"));
  Choose(Form->ComboBox1, QStringLiteral("0,7"));  // not the chosen criterion's list: ignored
  Click(Form->CheckBox1);
  Click(Form->Button1);
  EXPECT_TRUE(Form->Accepted());
  EXPECT_FALSE(Form->isVisible());
  EXPECT_EQ(Module->GetCriterion(), 1);
  EXPECT_EQ(Module->GetEnergyPart(), 0.9);
  EXPECT_EQ(Module->GetAmpLevel(), 0.3);
  EXPECT_TRUE(Module->GetIndication());
}

TEST_F(SpAnTurnFormTest, AmplitudeAndRectangleChoicesAreWritten) {
  Open();
  Choose(Form->ComboBox1, QStringLiteral("0,05"));
  Click(Form->Button1);
  EXPECT_EQ(Module->GetCriterion(), 0);
  EXPECT_EQ(Module->GetAmpLevel(), 0.05);
  EXPECT_EQ(Module->GetEnergyPart(), 0.99);

  Open();
  Click(Form->RadioButton3);
  EXPECT_FALSE(Form->ComboBox1->isEnabled());
  EXPECT_FALSE(Form->ComboBox2->isEnabled());
  Click(Form->Button1);
  EXPECT_EQ(Module->GetCriterion(), 2);
  EXPECT_EQ(Module->GetAmpLevel(), 0.05);
}

TEST_F(SpAnTurnFormTest, CancelLeavesTheModuleAndTheNextShowingShowsItAgain) {
  Module->SetEnergyCriterion();
  Module->SetEnergyPart(0.85);
  Module->SetIndication(true);
  Open();
  EXPECT_TRUE(Form->RadioButton2->isChecked());
  EXPECT_EQ(Form->ComboBox2->currentText(), QStringLiteral("0,85"));
  EXPECT_TRUE(Form->CheckBox1->isChecked());
  Click(Form->RadioButton3);
  Click(Form->CheckBox1);
  Click(Form->Button3);
  EXPECT_FALSE(Form->Accepted());
  EXPECT_FALSE(Form->isVisible());
  EXPECT_EQ(Module->GetCriterion(), 1);
  EXPECT_EQ(Module->GetEnergyPart(), 0.85);
  EXPECT_TRUE(Module->GetIndication());
  Form->show();
  EXPECT_TRUE(Form->RadioButton2->isChecked());
  EXPECT_TRUE(Form->CheckBox1->isChecked());
  EXPECT_TRUE(Form->ComboBox2->isEnabled());
  // Closing the window by its frame is a cancel too.
  Click(Form->RadioButton1);
  Form->close();
  EXPECT_FALSE(Form->Accepted());
  EXPECT_EQ(Module->GetCriterion(), 1);
}

TEST_F(SpAnTurnFormTest, DefaultsButtonResetsTheControlsOnly) {
  Module->SetRectCriterion();
  Module->SetAmpLevel(0.5);
  Module->SetEnergyPart(0.8);
  Module->SetIndication(true);
  Open();
  Click(Form->Button2);
  ExpectDefaults(*Form);
  EXPECT_EQ(Module->GetCriterion(), 2);  // nothing written before "Принять"
  EXPECT_EQ(Module->GetAmpLevel(), 0.5);
  EXPECT_TRUE(Module->GetIndication());
  Click(Form->Button1);
  EXPECT_EQ(Module->GetCriterion(), 0);
  EXPECT_EQ(Module->GetAmpLevel(), 0.1);
  EXPECT_FALSE(Module->GetIndication());
}

TEST_F(SpAnTurnFormTest, StoredValuesBetweenItemsMapToNeighbours) {
  struct TCase {
    double Level, Part;
    const char* LevelItem;
    const char* PartItem;
  };
  for (const TCase c : {TCase{0.2, 0.97, "0,3", "0,95"}, TCase{0.8, 0.5, "0,7", "0,8"},
                        TCase{0.01, 0.99, "0,01", "0,99"}, TCase{0.06, 0.86, "0,1", "0,85"}}) {
    Module->SetAmpLevel(c.Level);
    Module->SetEnergyPart(c.Part);
    Open();
    EXPECT_EQ(Form->ComboBox1->currentText(), QString::fromUtf8(c.LevelItem)) << c.Level;
    EXPECT_EQ(Form->ComboBox2->currentText(), QString::fromUtf8(c.PartItem)) << c.Part;
  }
}

TEST_F(SpAnTurnFormTest, NoSelectedItemLeavesTheValue) {
  Module->SetAmpLevel(0.2);
  Open();
  Form->ComboBox1->setCurrentIndex(-1);
  Click(Form->Button1);
  EXPECT_EQ(Module->GetAmpLevel(), 0.2);
}

TEST(TurnSpAn, ShowsTheWindowModallyAndReturnsTheAcceptance) {
  auto module = std::make_unique<TSpAnForm>();
  SpAnForm = module.get();
  for (const bool accept : {true, false}) {
    QString title;
    QTimer::singleShot(0, [&] {
      auto* form = qobject_cast<TSpAnTurnForm*>(QApplication::activeModalWidget());
      ASSERT_NE(form, nullptr);
      title = form->windowTitle();
      form->RadioButton2->click();
      (accept ? form->Button1 : form->Button3)->click();
    });
    EXPECT_EQ(TurnSpAn(), accept);
    EXPECT_EQ(title, QStringLiteral("Настройка модуля спектрального анализа"));
    EXPECT_EQ(module->GetCriterion(), 1);  // the accepted choice stays after the cancelled one
  }
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  SpAnForm = nullptr;
  EXPECT_FALSE(TurnSpAn());  // no module to set: nothing shown
  EXPECT_TRUE(Scripted().Messages.isEmpty());
}
