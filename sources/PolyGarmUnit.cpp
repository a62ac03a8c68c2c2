#include "sources/PolyGarmUnit.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

#include "widgets/AccessibleNames.h"
#include "widgets/EditFloatUnit.h"
#include "widgets/ScreenCentre.h"
#include "widgets/TranslatedTexts.h"

TPolyGarmForm* PolyGarmForm = nullptr;

namespace {
constexpr char Context[] = "TPolyGarmForm";
constexpr int ClientWidth = 560, ClientHeight = 420;
constexpr int HeadTop = 8, HeadHeight = 56;
constexpr int RowTop = 68, RowPitch = 28, RowHeight = 22;
constexpr int NumberLeft = 20, StatusLeft = 95, AmplitudeLeft = 175, FrequencyLeft = 295, PhaseLeft = 420;
constexpr int EditWidth = 90, NumberWidth = 60;
constexpr int EditChars = 6;
constexpr int ButtonTop = 360, ButtonWidth = 96, ButtonHeight = 28, ButtonPitch = 106, ButtonLeft = 17;

int RowY(int n) { return RowTop + n * RowPitch; }

QLabel* Head(QWidget* parent, const char* text, int left, int width) {
  QLabel* label = AddTranslatedLabel(parent, Context, text);
  label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  label->setGeometry(left, HeadTop, width, 32);
  return label;
}
}  // namespace

TPolyGarmForm::TPolyGarmForm(QWidget* parent) : QDialog(parent) {
  PutText(this, TTextRole::WindowTitle, Context, QT_TR_NOOP("Полигармонический сигнал"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  setFixedSize(ClientWidth, ClientHeight);
  BuildHeads();
  for (int n = 0; n < HarmonicCount; ++n) BuildRow(n);
  BuildButtons();
  ShowValues();
  EditFloatF1Exit();
  GiveAccessibleNames(this);
}

void TPolyGarmForm::BuildHeads() {
  Head(this, QT_TR_NOOP("Номер\nгармоники"), NumberLeft - 10, NumberWidth + 20);
  Head(this, QT_TR_NOOP("Статус"), StatusLeft - 10, 60);
  Head(this, QT_TR_NOOP("Амплитуда, В"), AmplitudeLeft, EditWidth);
  Head(this, QT_TR_NOOP("Частота"), FrequencyLeft, EditWidth);
  Head(this, QT_TR_NOOP("Начальная фаза"), PhaseLeft - 10, EditWidth + 20);
  RadioButton1 = new QRadioButton(this);
  PutText(RadioButton1, TTextRole::Text, Context, QT_TR_NOOP("рад/с"));
  RadioButton2 = new QRadioButton(this);
  PutText(RadioButton2, TTextRole::Text, Context, QT_TR_NOOP("Гц"));
  RadioButton3 = new QRadioButton(this);
  PutText(RadioButton3, TTextRole::Text, Context, QT_TR_NOOP("рад"));
  RadioButton4 = new QRadioButton(this);
  PutText(RadioButton4, TTextRole::Text, Context, QT_TR_NOOP("град"));
  RadioButton1->setGeometry(FrequencyLeft - 8, HeadTop + 24, 58, 20);
  RadioButton2->setGeometry(FrequencyLeft + 52, HeadTop + 24, 45, 20);
  RadioButton3->setGeometry(PhaseLeft - 6, HeadTop + 24, 50, 20);
  RadioButton4->setGeometry(PhaseLeft + 46, HeadTop + 24, 55, 20);
  // Two independent pairs: a radio button otherwise excludes every sibling.
  for (auto [a, b] : {std::pair{RadioButton1, RadioButton2}, std::pair{RadioButton3, RadioButton4}}) {
    auto* group = new QButtonGroup(this);
    group->addButton(a);
    group->addButton(b);
    connect(a, &QRadioButton::clicked, this, &TPolyGarmForm::UnitClick);
    connect(b, &QRadioButton::clicked, this, &TPolyGarmForm::UnitClick);
  }
}

TEditFloat* TPolyGarmForm::MakeEdit(int left, int top, double min, double max) {
  auto* edit = new TEditFloat(this);
  edit->setGeometry(left, top, EditWidth, RowHeight);
  edit->SetMin(min);
  edit->SetMax(max);
  return edit;
}

void TPolyGarmForm::BuildRow(int n) {
  const int top = RowY(n);
  auto* number = new QLabel(QString::number(n), this);
  number->setAlignment(Qt::AlignCenter);
  number->setGeometry(NumberLeft, top, NumberWidth, RowHeight);
  CheckBox[n] = new QCheckBox(this);
  PutText(CheckBox[n], TTextRole::Text, Context, QT_TR_NOOP("вкл"));
  CheckBox[n]->setObjectName(QStringLiteral("CheckBox%1").arg(n + 1));
  CheckBox[n]->setGeometry(StatusLeft, top, 60, RowHeight);
  connect(CheckBox[n], &QCheckBox::clicked, this, &TPolyGarmForm::CheckBoxClick);
  EditFloatA[n] = MakeEdit(AmplitudeLeft, top, 0, MaxAmplitude);
  EditFloatA[n]->setObjectName(QStringLiteral("EditFloatA%1").arg(n));
  EditFloatA[n]->SetTypedLengthLimit(EditChars);
  EditFloatP[n] = MakeEdit(PhaseLeft, top, -MaxPhase, MaxPhase);
  EditFloatP[n]->setObjectName(QStringLiteral("EditFloatP%1").arg(n));
  EditFloatP[n]->SetTypedLengthLimit(EditChars);
  for (TEditFloat* e : {EditFloatA[n], EditFloatP[n]}) {
    connect(e, &TEditFloat::Exit, this, &TPolyGarmForm::EditFloatA0Exit);
    connect(e, &QLineEdit::returnPressed, this, &TPolyGarmForm::EditFloatA0Exit);
  }
  const double fmax = n == 0 ? 1 : n == 1 ? MaxFundamental : 10000;
  EditFloatF[n] = MakeEdit(FrequencyLeft, top, n == 1 ? MinFundamental : 0, fmax);
  EditFloatF[n]->setObjectName(QStringLiteral("EditFloatF%1").arg(n));
  if (n == 1) {
    EditFloatF[n]->CorrMsg = true;
    connect(EditFloatF[n], &TEditFloat::Exit, this, &TPolyGarmForm::EditFloatF1Exit);
    connect(EditFloatF[n], &QLineEdit::returnPressed, this, &TPolyGarmForm::EditFloatF1Exit);
  } else {
    EditFloatF[n]->setEnabled(false);
  }
}

void TPolyGarmForm::BuildButtons() {
  const struct {
    QPushButton** Button;
    const char* Caption;
    const char* Hint;
    void (TPolyGarmForm::*Handler)();
  } buttons[] = {
      {&Button1, QT_TR_NOOP("Готово"), QT_TR_NOOP("Закончить ввод и перейти к вычислениям"),
       &TPolyGarmForm::Button1Click},
      {&Button2, QT_TR_NOOP("Случайный"), QT_TR_NOOP("Ввести случайный набор параметров полигармонического сигнала"),
       &TPolyGarmForm::Button2Click},
      {&Button3, QT_TR_NOOP("Прямоугольный"),
       QT_TR_NOOP("Ввести первые 10 гармоник прямоугольного периодического сигнала"), &TPolyGarmForm::Button3Click},
      {&Button4, QT_TR_NOOP("Пилообразный"),
       QT_TR_NOOP("Ввести первые десять гармоник периодического пилообразного сигнала"), &TPolyGarmForm::Button4Click},
      {&Button5, QT_TR_NOOP("Закрыть"), QT_TR_NOOP("Закрыть окно с отменой ввода полигармонического сигнала"),
       &TPolyGarmForm::Button5Click},
  };
  int left = ButtonLeft;
  for (const auto& b : buttons) {
    *b.Button = new QPushButton(this);
    PutText(*b.Button, TTextRole::Text, Context, b.Caption);
    PutText(*b.Button, TTextRole::ToolTip, Context, b.Hint);
    (*b.Button)->setGeometry(left, ButtonTop, ButtonWidth, ButtonHeight);
    (*b.Button)->setAutoDefault(false);
    connect(*b.Button, &QPushButton::clicked, this, b.Handler);
    left += ButtonPitch;
  }
}

void TPolyGarmForm::ShowValues() {
  for (int n = 0; n < HarmonicCount; ++n) {
    CheckBox[n]->setChecked(Signal.IsOn(n));
    EditFloatA[n]->SetVal(Signal.GetAmplitude(n));
    EditFloatF[n]->SetVal(Signal.GetFrequency(n));
    EditFloatP[n]->SetVal(Signal.GetPhase(n));
  }
  RadioButton1->setChecked(!Signal.IsFrequencyHz());
  RadioButton2->setChecked(Signal.IsFrequencyHz());
  RadioButton3->setChecked(!Signal.IsPhaseDegrees());
  RadioButton4->setChecked(Signal.IsPhaseDegrees());
}

void TPolyGarmForm::TakeValues(const TPolyGarmValues& values) {
  Signal.SetValues(values);
  Signal.Accept();
  ShowValues();
}

void TPolyGarmForm::Execute() {
  if (isVisible()) hide();
  exec();
}

void TPolyGarmForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormShow();
}

void TPolyGarmForm::FormShow() {
  CentreOnScreen(this);
  Signal.BeginShow();
}

// Every way of closing ends here: the frame's close button, Escape (reject) and the buttons.
void TPolyGarmForm::done(int result) {
  FormClose();
  QDialog::done(result);
}

void TPolyGarmForm::FormClose() {
  if (Signal.IsAccepted()) return;
  Signal.Close();
  ShowValues();
}

void TPolyGarmForm::EditFloatF1Exit() {
  // An unchanged text leaves the exact fundamental (2 pi after a preset) as it is.
  if (EditFloatF[1]->GetModify()) Signal.SetFundamental(EditFloatF[1]->Val());
  for (int n = 2; n < HarmonicCount; ++n) EditFloatF[n]->SetVal(Signal.GetFrequency(n));
}

void TPolyGarmForm::EditFloatA0Exit() {
  for (int n = 0; n < HarmonicCount; ++n) {
    if (EditFloatA[n]->GetModify()) Signal.SetAmplitude(n, EditFloatA[n]->Val());
    if (EditFloatP[n]->GetModify()) Signal.SetPhase(n, EditFloatP[n]->Val());
  }
}

void TPolyGarmForm::CheckBoxClick() {
  for (int n = 0; n < HarmonicCount; ++n) Signal.SetOn(n, CheckBox[n]->isChecked());
}

void TPolyGarmForm::UnitClick() {
  Signal.SetFrequencyHz(RadioButton2->isChecked());
  Signal.SetPhaseDegrees(RadioButton4->isChecked());
}

void TPolyGarmForm::Button1Click() {
  // A value typed and not yet committed (Enter not pressed, focus still there) counts too.
  EditFloatA0Exit();
  EditFloatF1Exit();
  Signal.Accept();
  accept();
}

void TPolyGarmForm::Button5Click() {
  Signal.Reject();
  reject();
}

void TPolyGarmForm::Button2Click() {
  Signal.SetRandom();
  ShowValues();
}

void TPolyGarmForm::Button3Click() {
  Signal.SetRectangular();
  ShowValues();
}

void TPolyGarmForm::Button4Click() {
  Signal.SetSawtooth();
  ShowValues();
}

// The kept texts are put again by themselves; the numbers take the language's separator and
// the buttons' accessible descriptions their new hints.
void TPolyGarmForm::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() != QEvent::LanguageChange) return;
  for (TEditFloat* edit : findChildren<TEditFloat*>()) edit->CorrectText();
  GiveAccessibleNames(this);
}

// Thin lines between the rows of the table, as on a printed form.
void TPolyGarmForm::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  QPainter p(this);
  p.setPen(palette().color(QPalette::Mid));
  for (int n = 0; n <= HarmonicCount; ++n) {
    const int y = RowY(n) - (RowPitch - RowHeight) / 2;
    p.drawLine(NumberLeft - 10, y, ClientWidth - 20, y);
  }
}
