// The parameter panel of the first tab: the count and the period with the input-mode
// buttons, the analysis interval, and the derived quantities. Positions are those of the
// panel at its design width; the layout scales them when the window is narrower.
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "shell/ResamUnit.h"
#include "studies/ParameterSliders.h"
#include "widgets/EditFloatUnit.h"
#include "widgets/EditIntUnit.h"
#include "widgets/TranslatedTexts.h"

namespace {
constexpr int RowTop = 20, RowPitch = 24, RowHeight = 21;
constexpr int ModeLeft = 10, ModeWidth = 185, EditLeft = 200;
constexpr int CaptionLeft = 310, ValueLeft = 560, SecondValueLeft = 665;
constexpr int IntervalEditWidth = 62;

int Row(int i) { return RowTop + i * RowPitch; }

// A caption with its text kept (null: a read-out, which Show fills).
QLabel* Caption(QWidget* panel, const char* source, int left, int row) {
  auto* label = new QLabel(panel);
  if (source) PutText(label, TTextRole::Text, TResamForm::TextContext, source);
  label->move(left, Row(row) + 3);
  label->adjustSize();
  return label;
}

void KeepToolTip(QWidget* widget, const char* source) {
  PutText(widget, TTextRole::ToolTip, TResamForm::TextContext, source);
}

// The symbol omega drawn in a symbol font, with its small index beside it.
QLabel* Omega(QWidget* panel, int left, int row) {
  auto* label = new QLabel(QStringLiteral("ω"), panel);
  QFont font(QStringLiteral("Times New Roman"));
  font.setPixelSize(15);
  label->setFont(font);
  label->move(left, Row(row));
  label->adjustSize();
  return label;
}

QLabel* Index(QWidget* panel, const char* source, int left, int row) {
  auto* label = new QLabel(panel);
  PutText(label, TTextRole::Text, TResamForm::TextContext, source);
  QFont font = label->font();
  font.setPixelSize(9);
  label->setFont(font);
  label->move(left, Row(row) + 9);
  label->adjustSize();
  return label;
}
}  // namespace

void TResamForm::BuildParameterPanel() {
  GroupBox1 = new QGroupBox(TabSheet1);
  PutText(GroupBox1, TTextRole::Title, TextContext, QT_TR_NOOP(" Параметры  "));
  GroupBox1->resize(DesignPanelWidth, DesignPanelHeight);
  QWidget* p = GroupBox1;
  RadioButtonN = new QRadioButton(p);
  PutText(RadioButtonN, TTextRole::Text, TextContext, QT_TR_NOOP("Количество отсчётов:"));
  RadioButtonN->setGeometry(ModeLeft, Row(0), ModeWidth, RowHeight);
  RadioButtonN->setChecked(true);
  EditN = new TEditInt(p);
  EditN->setGeometry(EditLeft, Row(0), 60, RowHeight);
  EditN->setMaxLength(4);
  EditN->SetMin(2);
  EditN->SetMax(100);
  EditN->SetVal(Engine.N());
  KeepToolTip(EditN, QT_TR_NOOP("Количество отсчётов на интервале анализа"));
  RadioButtonT = new QRadioButton(p);
  PutText(RadioButtonT, TTextRole::Text, TextContext, QT_TR_NOOP("Период дискретизации T[c]:"));
  RadioButtonT->setGeometry(ModeLeft, Row(1), ModeWidth, RowHeight);
  EditT = new QLineEdit(p);
  EditT->setGeometry(EditLeft, Row(1), 90, RowHeight);
  EditT->setMaxLength(10);
  EditT->setReadOnly(true);
  KeepToolTip(EditT, QT_TR_NOOP("Период дискретизации сигнала"));
  Label3 = Caption(p, QT_TR_NOOP("Интервал анализа [с]:"), ModeLeft + 18, 2);
  KeepToolTip(Label3, QT_TR_NOOP("Интервал, на котором берутся отсчёты аналогового сигнала"));
  EditFloatT1 = new TEditFloat(p);
  EditFloatT1->setGeometry(EditLeft - 40, Row(2), IntervalEditWidth, RowHeight);
  KeepToolTip(EditFloatT1, QT_TR_NOOP("Левая граница интервала анализа сигнала"));
  EditFloatT2 = new TEditFloat(p);
  EditFloatT2->setGeometry(EditLeft - 40 + IntervalEditWidth + 6, Row(2), IntervalEditWidth, RowHeight);
  KeepToolTip(EditFloatT2, QT_TR_NOOP("Правая граница интервала анализа сигнала"));
  SetIntervalEdits(-10000, 10000, -10000, 10000);
  EditFloatT1->SetVal(Engine.T1());
  EditFloatT2->SetVal(Engine.T2());
  Button1 = new QPushButton(p);
  PutText(Button1, TTextRole::Text, TextContext, QT_TR_NOOP("Ввод"));
  Button1->setGeometry(EditLeft, Row(3), 60, RowHeight + 2);

  Label4 = Caption(p, QT_TR_NOOP("Частота дискретизации:"), CaptionLeft, 0);
  Label7 = Caption(p, nullptr, ValueLeft, 0);
  Label16 = Omega(p, SecondValueLeft, 0);
  Label17 = Index(p, QT_TR_NOOP("д"), SecondValueLeft + 11, 0);
  Label12 = Caption(p, nullptr, SecondValueLeft + 18, 0);
  Label13 = Caption(p, QT_TR_NOOP("Максимальная частота в спектре сигнала:"), CaptionLeft, 1);
  Label18 = Omega(p, ValueLeft, 1);
  Label19 = Index(p, QT_TR_NOOP("m"), ValueLeft + 11, 1);
  Label20 = Caption(p, nullptr, ValueLeft + 18, 1);
  Label21 = Caption(p, nullptr, SecondValueLeft, 1);
  Label14 = Caption(p, QT_TR_NOOP("Максимальный период дискретизации:"), CaptionLeft, 2);
  Label22 = Caption(p, nullptr, ValueLeft, 2);
  Label15 = Caption(p, QT_TR_NOOP("Минимальное число отсчётов:"), CaptionLeft, 3);
  Label23 = Caption(p, nullptr, ValueLeft, 3);
  OfferReadoutCopy();
  BuildNoiseLabel();
  BuildFilterLabel();
  BuildHintLabels();
  Sliders = new TParameterSliders(this, GroupBox1, Engine, *Stepper);
  RecordDesignGeometry();
}
