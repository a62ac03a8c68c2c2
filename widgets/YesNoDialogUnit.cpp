#include "widgets/YesNoDialogUnit.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <memory>
#include <new>

#include "platform/Platform.h"
#include "widgets/AccessibleNames.h"
#include "widgets/ScreenCentre.h"
#include "widgets/TranslatedTexts.h"

TYesNoDialogForm* YesNoDialogForm = nullptr;

namespace {
constexpr int ClientWidth = 281;
constexpr int ClientHeight = 147;
constexpr int Margin = 8;
constexpr QRect QuestionRect(Margin, Margin, 265, 73);
constexpr QRect CheckBoxRect(Margin, 86, 265, 17);
constexpr int ButtonTop = 112;
constexpr int ButtonWidth = 75;
constexpr int ButtonHeight = 25;
constexpr int ButtonInset = 32;
constexpr char Context[] = "TYesNoDialogForm";
}  // namespace

TYesNoDialogForm::TYesNoDialogForm(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      StaticText1(new QLabel(this)),
      ButtonYes(new QPushButton(this)),
      ButtonNo(new QPushButton(this)),
      CheckBox1(new QCheckBox(this)) {
  PutText(ButtonYes, TTextRole::Text, Context, QT_TR_NOOP("Да"));
  PutText(ButtonNo, TTextRole::Text, Context, QT_TR_NOOP("Нет"));
  PutText(CheckBox1, TTextRole::Text, Context, QT_TR_NOOP("Не показывать больше это сообщение"));
  setFixedSize(ClientWidth, ClientHeight);
  StaticText1->setGeometry(QuestionRect);
  StaticText1->setAlignment(Qt::AlignCenter);
  StaticText1->setWordWrap(true);
  CheckBox1->setGeometry(CheckBoxRect);
  CheckBox1->setEnabled(false);
  ButtonYes->setGeometry(ButtonInset, ButtonTop, ButtonWidth, ButtonHeight);
  ButtonNo->setGeometry(ClientWidth - ButtonInset - ButtonWidth, ButtonTop, ButtonWidth, ButtonHeight);
  connect(ButtonYes, &QPushButton::clicked, this, &TYesNoDialogForm::ButtonYesClick);
  connect(ButtonNo, &QPushButton::clicked, this, &TYesNoDialogForm::ButtonNoClick);
  GiveAccessibleNames(this);
}

void TYesNoDialogForm::ButtonYesClick() {
  Answer = true;
  accept();
}

void TYesNoDialogForm::ButtonNoClick() {
  Answer = false;
  reject();
}

void TYesNoDialogForm::showEvent(QShowEvent* event) {
  CentreOnScreen(this);
  QDialog::showEvent(event);
}

bool YesNoDialog(const QString& caption, const QString& question, bool& doNotAskAgain) {
  std::unique_ptr<TYesNoDialogForm> form;
  try {
    form = std::make_unique<TYesNoDialogForm>();
  } catch (const std::bad_alloc&) {
    Platform().Message(TYesNoDialogForm::tr("YesNoDialog: Недостаточно памяти."));
    doNotAskAgain = false;
    return false;
  }
  form->CheckBox1->setEnabled(true);
  form->setWindowTitle(caption);
  form->StaticText1->setText(question);
  form->exec();
  doNotAskAgain = form->CheckBox1->isChecked();
  return form->Answer;
}
