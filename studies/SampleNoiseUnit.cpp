#include "studies/SampleNoiseUnit.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "widgets/AccessibleNames.h"
#include "widgets/Comfun.h"
#include "widgets/EditFloatUnit.h"
#include "widgets/EditIntUnit.h"
#include "widgets/TranslatedTexts.h"

namespace {
constexpr int ClientWidth = 330, ClientHeight = 239;
constexpr int CheckLeft = 14, CaptionLeft = 34, EditLeft = 150, EditWidth = 70, RowHeight = 22;
constexpr int SideButtonLeft = 228, SideButtonWidth = 88;
constexpr int ButtonTop = 196, ButtonWidth = 96, ButtonHeight = 28;
constexpr int SeedChars = 10;
constexpr int SnrTop = 160, SnrDecimals = 1;
constexpr char Context[] = "TSampleNoiseForm";

QString Decibels(double value) {
  QString text;
  return TSampleNoiseForm::tr("%1 дБ").arg(FormatFixed(SnrDecimals, text, value));
}

QLabel* Caption(QWidget* parent, const char* source, int top) {
  QLabel* label = AddTranslatedLabel(parent, Context, source);
  label->setGeometry(CaptionLeft, top, EditLeft - CaptionLeft - 4, RowHeight);
  return label;
}

// Every correction is announced: the user typed the value in this window and should know.
// The value is checked when the edit is left and when Enter is pressed in it.
template <class TEdit, class TValue>
TEdit* Edit(QWidget* parent, int top, TValue least, TValue most) {
  auto* edit = new TEdit(parent);
  edit->setGeometry(EditLeft, top, EditWidth, RowHeight);
  edit->CorrMsg = true;
  edit->SetMax(most);
  edit->SetMin(least);
  QObject::connect(edit, &TEdit::Exit, edit, &TEdit::GetModify);
  QObject::connect(edit, &QLineEdit::returnPressed, edit, &TEdit::GetModify);
  return edit;
}
}  // namespace

TSampleNoiseForm::TSampleNoiseForm(QWidget* parent) : QDialog(parent) {
  PutText(this, TTextRole::WindowTitle, Context, QT_TR_NOOP("Шум и квантование отсчётов"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  setFixedSize(ClientWidth, ClientHeight);
  BuildNoiseRows();
  BuildQuantisationRows();
  BuildButtons();
  SetSettings({});
  GiveAccessibleNames(this);
}

void TSampleNoiseForm::BuildNoiseRows() {
  CheckBoxNoise = new QCheckBox(this);
  PutText(CheckBoxNoise, TTextRole::Text, Context, QT_TR_NOOP("Добавить шум"));
  CheckBoxNoise->setGeometry(CheckLeft, 12, ClientWidth - 2 * CheckLeft, RowHeight);
  Caption(this, QT_TR_NOOP("ОСШ, дБ"), 40);
  EditFloatSnr = Edit<TEditFloat>(this, 40, MinSnrDb, MaxSnrDb);
  Caption(this, QT_TR_NOOP("Начальное число"), 68);
  EditIntSeed = Edit<TEditInt>(this, 68, 0, static_cast<int>(MaxSeed));
  EditIntSeed->SetTypedLengthLimit(SeedChars);
  ButtonNewNoise = new QPushButton(this);
  PutText(ButtonNewNoise, TTextRole::Text, Context, QT_TR_NOOP("Новый шум"));
  ButtonNewNoise->setGeometry(SideButtonLeft, 67, SideButtonWidth, RowHeight + 2);
  ButtonNewNoise->setAutoDefault(false);
  connect(ButtonNewNoise, &QPushButton::clicked, this, &TSampleNoiseForm::ButtonNewNoiseClick);
  connect(CheckBoxNoise, &QCheckBox::clicked, this, &TSampleNoiseForm::CheckBoxClick);
}

void TSampleNoiseForm::BuildQuantisationRows() {
  CheckBoxQuantise = new QCheckBox(this);
  PutText(CheckBoxQuantise, TTextRole::Text, Context, QT_TR_NOOP("Квантовать"));
  CheckBoxQuantise->setGeometry(CheckLeft, 104, ClientWidth - 2 * CheckLeft, RowHeight);
  Caption(this, QT_TR_NOOP("Разрядность, бит"), 132);
  EditIntBits = Edit<TEditInt>(this, 132, MinBits, MaxBits);
  LabelQuantisationSnr = new QLabel(this);
  LabelQuantisationSnr->setGeometry(CaptionLeft, SnrTop, ClientWidth - CaptionLeft - CheckLeft, RowHeight);
  connect(CheckBoxQuantise, &QCheckBox::clicked, this, &TSampleNoiseForm::CheckBoxClick);
}

void TSampleNoiseForm::BuildButtons() {
  ButtonApply = new QPushButton(this);
  PutText(ButtonApply, TTextRole::Text, Context, QT_TR_NOOP("Применить"));
  ButtonClose = new QPushButton(this);
  PutText(ButtonClose, TTextRole::Text, Context, QT_TR_NOOP("Закрыть"));
  const int gap = (ClientWidth - 2 * ButtonWidth) / 3;
  ButtonApply->setGeometry(gap, ButtonTop, ButtonWidth, ButtonHeight);
  ButtonClose->setGeometry(2 * gap + ButtonWidth, ButtonTop, ButtonWidth, ButtonHeight);
  for (QPushButton* b : {ButtonApply, ButtonClose}) b->setAutoDefault(false);
  connect(ButtonApply, &QPushButton::clicked, this, &TSampleNoiseForm::ButtonApplyClick);
  connect(ButtonClose, &QPushButton::clicked, this, &QDialog::reject);
}

void TSampleNoiseForm::SetSettings(const TSampleNoise& settings) {
  CheckBoxNoise->setChecked(settings.Noise);
  EditFloatSnr->SetVal(settings.SnrDb);
  EditIntSeed->SetVal(static_cast<int>(std::min(settings.Seed, MaxSeed)));
  CheckBoxQuantise->setChecked(settings.Quantise);
  EditIntBits->SetVal(settings.Bits);
  CheckBoxClick();
}

TSampleNoise TSampleNoiseForm::Settings() {
  for (TEditInt* e : {EditIntSeed, EditIntBits}) e->GetModify();
  EditFloatSnr->GetModify();
  return {CheckBoxNoise->isChecked(), EditFloatSnr->Val(), CheckBoxQuantise->isChecked(), EditIntBits->Val(),
          static_cast<std::uint64_t>(EditIntSeed->Val())};
}

// The fields of a switched-off study rest, as its values do.
void TSampleNoiseForm::CheckBoxClick() {
  for (QWidget* w : std::initializer_list<QWidget*>{EditFloatSnr, EditIntSeed, ButtonNewNoise})
    w->setEnabled(CheckBoxNoise->isChecked());
  EditIntBits->setEnabled(CheckBoxQuantise->isChecked());
}

// The next seed rather than one from the clock: a noise once seen can be had again.
void TSampleNoiseForm::ButtonNewNoiseClick() {
  EditIntSeed->GetModify();
  const int seed = EditIntSeed->Val();
  EditIntSeed->SetVal(seed < EditIntSeed->Max() ? seed + 1 : EditIntSeed->Min());
}

void TSampleNoiseForm::ShowQuantisationSnr(int bits, double measured) {
  ShownSnr = {bits, measured};
  const QString textbook = Decibels(TextbookQuantisationSnr(bits));
  LabelQuantisationSnr->setText(std::isfinite(measured)
                                    ? tr("ОСШ квантования: %1 (6,02·b + 1,76 = %2)").arg(Decibels(measured), textbook)
                                    : tr("(6,02·b + 1,76 = %1)").arg(textbook));
}

// The fixed texts follow by themselves; the read-out and the typed number are written again.
void TSampleNoiseForm::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    if (ShownSnr) ShowQuantisationSnr(ShownSnr->first, ShownSnr->second);
    EditFloatSnr->CorrectText();
    GiveAccessibleNames(this);
  }
  QDialog::changeEvent(event);
}

void TSampleNoiseForm::ButtonApplyClick() { emit Apply(Settings()); }
