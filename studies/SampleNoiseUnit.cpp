#include "studies/SampleNoiseUnit.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "widgets/AccessibleNames.h"
#include "widgets/Comfun.h"
#include "widgets/EditFloatUnit.h"
#include "widgets/EditIntUnit.h"

namespace {
constexpr int ClientWidth = 330, ClientHeight = 239;
constexpr int CheckLeft = 14, CaptionLeft = 34, EditLeft = 150, EditWidth = 70, RowHeight = 22;
constexpr int SideButtonLeft = 228, SideButtonWidth = 88;
constexpr int ButtonTop = 196, ButtonWidth = 96, ButtonHeight = 28;
constexpr int SeedChars = 10;
constexpr int SnrTop = 160, SnrDecimals = 1;

QString Decibels(double value) {
  QString text;
  return FormatFixed(SnrDecimals, text, value) + QStringLiteral(" дБ");
}

QLabel* Caption(QWidget* parent, const QString& text, int top) {
  auto* label = new QLabel(text, parent);
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
  setWindowTitle(QStringLiteral("Шум и квантование отсчётов"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  setFixedSize(ClientWidth, ClientHeight);
  BuildNoiseRows();
  BuildQuantisationRows();
  BuildButtons();
  SetSettings({});
  GiveAccessibleNames(this);
}

void TSampleNoiseForm::BuildNoiseRows() {
  CheckBoxNoise = new QCheckBox(QStringLiteral("Добавить шум"), this);
  CheckBoxNoise->setGeometry(CheckLeft, 12, ClientWidth - 2 * CheckLeft, RowHeight);
  Caption(this, QStringLiteral("ОСШ, дБ"), 40);
  EditFloatSnr = Edit<TEditFloat>(this, 40, MinSnrDb, MaxSnrDb);
  Caption(this, QStringLiteral("Начальное число"), 68);
  EditIntSeed = Edit<TEditInt>(this, 68, 0, static_cast<int>(MaxSeed));
  EditIntSeed->SetTypedLengthLimit(SeedChars);
  ButtonNewNoise = new QPushButton(QStringLiteral("Новый шум"), this);
  ButtonNewNoise->setGeometry(SideButtonLeft, 67, SideButtonWidth, RowHeight + 2);
  ButtonNewNoise->setAutoDefault(false);
  connect(ButtonNewNoise, &QPushButton::clicked, this, &TSampleNoiseForm::ButtonNewNoiseClick);
  connect(CheckBoxNoise, &QCheckBox::clicked, this, &TSampleNoiseForm::CheckBoxClick);
}

void TSampleNoiseForm::BuildQuantisationRows() {
  CheckBoxQuantise = new QCheckBox(QStringLiteral("Квантовать"), this);
  CheckBoxQuantise->setGeometry(CheckLeft, 104, ClientWidth - 2 * CheckLeft, RowHeight);
  Caption(this, QStringLiteral("Разрядность, бит"), 132);
  EditIntBits = Edit<TEditInt>(this, 132, MinBits, MaxBits);
  LabelQuantisationSnr = new QLabel(this);
  LabelQuantisationSnr->setGeometry(CaptionLeft, SnrTop, ClientWidth - CaptionLeft - CheckLeft, RowHeight);
  connect(CheckBoxQuantise, &QCheckBox::clicked, this, &TSampleNoiseForm::CheckBoxClick);
}

void TSampleNoiseForm::BuildButtons() {
  ButtonApply = new QPushButton(QStringLiteral("Применить"), this);
  ButtonClose = new QPushButton(QStringLiteral("Закрыть"), this);
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
  const QString textbook = QStringLiteral("6,02·b + 1,76 = ") + Decibels(TextbookQuantisationSnr(bits));
  LabelQuantisationSnr->setText(std::isfinite(measured) ? QStringLiteral("ОСШ квантования: ") + Decibels(measured) +
                                                              QStringLiteral(" (") + textbook + QLatin1Char(')')
                                                        : QLatin1Char('(') + textbook + QLatin1Char(')'));
}

void TSampleNoiseForm::ButtonApplyClick() { emit Apply(Settings()); }
