#include "studies/PreFilterUnit.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "widgets/AccessibleNames.h"
#include "widgets/EditFloatUnit.h"
#include "widgets/EditIntUnit.h"
#include "widgets/TranslatedTexts.h"

namespace {
constexpr int ClientWidth = 360;
constexpr int EditWidth = 80;
constexpr double LeastCutoff = 0.001;  // Hz
constexpr TFilterKind Kinds[] = {TFilterKind::None, TFilterKind::Ideal, TFilterKind::Butterworth, TFilterKind::RC};

// Every correction is announced, checked when the edit is left and when Enter is pressed.
template <class TEdit>
TEdit* NewEdit(QWidget* parent) {
  auto* edit = new TEdit(parent);
  edit->setFixedWidth(EditWidth);
  edit->CorrMsg = true;
  QObject::connect(edit, &TEdit::Exit, edit, &TEdit::GetModify);
  QObject::connect(edit, &QLineEdit::returnPressed, edit, &TEdit::GetModify);
  return edit;
}

QHBoxLayout* Row(QWidget* first, QWidget* second) {
  auto* row = new QHBoxLayout;
  row->addWidget(first);
  row->addWidget(second);
  row->addStretch();
  return row;
}
constexpr char Context[] = "TPreFilterForm";
const char* const RefusedSource =
    QT_TRANSLATE_NOOP("TPreFilterForm", "Сигнал содержит нечисловые значения: фильтр не применён");
}  // namespace

QString FilterRefusedText() { return TPreFilterForm::tr(RefusedSource); }

TPreFilterForm::TPreFilterForm(QWidget* parent) : QDialog(parent) {
  PutText(this, TTextRole::WindowTitle, Context, QT_TR_NOOP("Фильтр перед дискретизацией"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setFixedWidth(ClientWidth);
  auto* layout = new QVBoxLayout(this);
  auto* kindBox = new QGroupBox(this);
  PutText(kindBox, TTextRole::Title, Context, QT_TR_NOOP("Тип фильтра"));
  auto* kindLayout = new QVBoxLayout(kindBox);
  auto* kindGroup = new QButtonGroup(this);
  const char* const names[] = {QT_TR_NOOP("Нет"), QT_TR_NOOP("Идеальный ФНЧ"), QT_TR_NOOP("Баттерворта"),
                               QT_TR_NOOP("RC-цепь")};
  for (int i = 0; i < 4; ++i) {
    RadioKind[i] = new QRadioButton(kindBox);
    PutText(RadioKind[i], TTextRole::Text, Context, names[i]);
    kindGroup->addButton(RadioKind[i]);
    kindLayout->addWidget(RadioKind[i]);
    connect(RadioKind[i], &QRadioButton::clicked, this, &TPreFilterForm::KindClick);
  }
  EditIntOrder = NewEdit<TEditInt>(kindBox);
  EditIntOrder->SetMax(MaxFilterOrder);
  EditIntOrder->SetMin(MinFilterOrder);
  kindLayout->addLayout(Row(AddTranslatedLabel(kindBox, Context, QT_TR_NOOP("Порядок")), EditIntOrder));
  layout->addWidget(kindBox);

  auto* cutoffBox = new QGroupBox(this);
  PutText(cutoffBox, TTextRole::Title, Context, QT_TR_NOOP("Частота среза"));
  auto* cutoffLayout = new QVBoxLayout(cutoffBox);
  RadioFollowFd = new QRadioButton(cutoffBox);
  PutText(RadioFollowFd, TTextRole::Text, Context, QT_TR_NOOP("fд/2 (следует за частотой дискретизации)"));
  RadioFixed = new QRadioButton(cutoffBox);
  PutText(RadioFixed, TTextRole::Text, Context, QT_TR_NOOP("задана, Гц"));
  EditFloatCutoff = NewEdit<TEditFloat>(cutoffBox);
  EditFloatCutoff->SetMin(LeastCutoff);
  cutoffLayout->addWidget(RadioFollowFd);
  cutoffLayout->addLayout(Row(RadioFixed, EditFloatCutoff));
  layout->addWidget(cutoffBox);
  for (QRadioButton* b : {RadioFollowFd, RadioFixed})
    connect(b, &QRadioButton::clicked, this, &TPreFilterForm::KindClick);

  CheckBoxErrorToFiltered = new QCheckBox(this);
  PutText(CheckBoxErrorToFiltered, TTextRole::Text, Context,
          QT_TR_NOOP("Ошибка относительно отфильтрованного сигнала"));
  layout->addWidget(CheckBoxErrorToFiltered);
  LabelRefused = AddTranslatedLabel(this, Context, RefusedSource);
  LabelRefused->setWordWrap(true);
  LabelRefused->hide();
  layout->addWidget(LabelRefused);

  ButtonApply = new QPushButton(this);
  PutText(ButtonApply, TTextRole::Text, Context, QT_TR_NOOP("Применить"));
  ButtonClose = new QPushButton(this);
  PutText(ButtonClose, TTextRole::Text, Context, QT_TR_NOOP("Закрыть"));
  for (QPushButton* b : {ButtonApply, ButtonClose}) b->setAutoDefault(false);
  layout->addLayout(Row(ButtonApply, ButtonClose));
  connect(ButtonApply, &QPushButton::clicked, this, [this] { emit Apply(Settings()); });
  connect(ButtonClose, &QPushButton::clicked, this, &QDialog::reject);
  SetSettings({}, 1e9);
  GiveAccessibleNames(this);
}

void TPreFilterForm::SetSettings(const TPreFilter& settings, double maxCutoff) {
  for (int i = 0; i < 4; ++i) RadioKind[i]->setChecked(Kinds[i] == settings.Kind);
  EditIntOrder->SetVal(settings.Order);
  RadioFollowFd->setChecked(settings.FollowsFd);
  RadioFixed->setChecked(!settings.FollowsFd);
  EditFloatCutoff->SetMax(maxCutoff);
  EditFloatCutoff->SetVal(std::min(settings.CutoffHz, maxCutoff));
  CheckBoxErrorToFiltered->setChecked(settings.ErrorToFiltered);
  KindClick();
}

TPreFilter TPreFilterForm::Settings() {
  EditIntOrder->GetModify();
  EditFloatCutoff->GetModify();
  TPreFilter s;
  for (int i = 0; i < 4; ++i)
    if (RadioKind[i]->isChecked()) s.Kind = Kinds[i];
  s.Order = EditIntOrder->Val();
  s.FollowsFd = RadioFollowFd->isChecked();
  s.CutoffHz = EditFloatCutoff->Val();
  s.ErrorToFiltered = CheckBoxErrorToFiltered->isChecked();
  return s;
}

void TPreFilterForm::ShowRefused(bool refused) { LabelRefused->setVisible(refused); }

// Fields that do not apply rest: the order is Butterworth's, the typed cut-off the fixed one's.
void TPreFilterForm::KindClick() {
  EditIntOrder->setEnabled(RadioKind[2]->isChecked());
  EditFloatCutoff->setEnabled(RadioFixed->isChecked());
}
