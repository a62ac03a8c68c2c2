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
}  // namespace

QString FilterRefusedText() { return QStringLiteral("Сигнал содержит нечисловые значения: фильтр не применён"); }

TPreFilterForm::TPreFilterForm(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Фильтр перед дискретизацией"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setFixedWidth(ClientWidth);
  auto* layout = new QVBoxLayout(this);
  auto* kindBox = new QGroupBox(QStringLiteral("Тип фильтра"), this);
  auto* kindLayout = new QVBoxLayout(kindBox);
  auto* kindGroup = new QButtonGroup(this);
  const QString names[] = {QStringLiteral("Нет"), QStringLiteral("Идеальный ФНЧ"), QStringLiteral("Баттерворта"),
                           QStringLiteral("RC-цепь")};
  for (int i = 0; i < 4; ++i) {
    RadioKind[i] = new QRadioButton(names[i], kindBox);
    kindGroup->addButton(RadioKind[i]);
    kindLayout->addWidget(RadioKind[i]);
    connect(RadioKind[i], &QRadioButton::clicked, this, &TPreFilterForm::KindClick);
  }
  EditIntOrder = NewEdit<TEditInt>(kindBox);
  EditIntOrder->SetMax(MaxFilterOrder);
  EditIntOrder->SetMin(MinFilterOrder);
  kindLayout->addLayout(Row(new QLabel(QStringLiteral("Порядок"), kindBox), EditIntOrder));
  layout->addWidget(kindBox);

  auto* cutoffBox = new QGroupBox(QStringLiteral("Частота среза"), this);
  auto* cutoffLayout = new QVBoxLayout(cutoffBox);
  RadioFollowFd = new QRadioButton(QStringLiteral("fд/2 (следует за частотой дискретизации)"), cutoffBox);
  RadioFixed = new QRadioButton(QStringLiteral("задана, Гц"), cutoffBox);
  EditFloatCutoff = NewEdit<TEditFloat>(cutoffBox);
  EditFloatCutoff->SetMin(LeastCutoff);
  cutoffLayout->addWidget(RadioFollowFd);
  cutoffLayout->addLayout(Row(RadioFixed, EditFloatCutoff));
  layout->addWidget(cutoffBox);
  for (QRadioButton* b : {RadioFollowFd, RadioFixed})
    connect(b, &QRadioButton::clicked, this, &TPreFilterForm::KindClick);

  CheckBoxErrorToFiltered = new QCheckBox(QStringLiteral("Ошибка относительно отфильтрованного сигнала"), this);
  layout->addWidget(CheckBoxErrorToFiltered);
  LabelRefused = new QLabel(FilterRefusedText(), this);
  LabelRefused->setWordWrap(true);
  LabelRefused->hide();
  layout->addWidget(LabelRefused);

  ButtonApply = new QPushButton(QStringLiteral("Применить"), this);
  ButtonClose = new QPushButton(QStringLiteral("Закрыть"), this);
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
