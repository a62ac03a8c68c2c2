// What the main window adds for results that leave the program: the names its series carry
// into exported data, and the parameter panel's read-outs copied as text.
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>

#include "engine/Lagrbfunit.h"
#include "platform/Platform.h"
#include "plotting/Diagram.h"
#include "plotting/DiagramFrameUnit.h"
#include "shell/ResamUnit.h"
#include "widgets/EditFloatUnit.h"
#include "widgets/EditIntUnit.h"
#include "widgets/TranslatedTexts.h"

namespace {
struct TSeriesNames {
  TDiagramFrame* TResamForm::*Frame;
  const char* X;
  std::initializer_list<const char*> Series;  // by series number
};

// The frequency names follow the unit; %1 is ω or f.
const char* const SpectrumNames[] = {QT_TRANSLATE_NOOP("TResamForm", "Спектр сигнала |S(%1)|, В/Гц"),
                                     QT_TRANSLATE_NOOP("TResamForm", "Спектр дискретного сигнала T|Sд(%1)|, В/Гц"),
                                     QT_TRANSLATE_NOOP("TResamForm", "Спектр интерполирующей функции Ψ(%1), В/Гц")};

void Name(TDiagramFrame* frame, int number, const QString& name) {
  if (TKeeper* k = frame->Diagram->GetKeeper(static_cast<unsigned char>(number))) k->SetName(name.toStdString());
}

QString Line(const QString& caption, std::initializer_list<QString> values) {
  QString line = caption.trimmed();
  for (const QString& v : values) line += QLatin1Char('\t') + v.trimmed();
  return line;
}
}  // namespace

void TResamForm::NameSeries() {
  const TSeriesNames table[] = {
      {&TResamForm::DFs,
       QT_TR_NOOP("t, c"),
       {QT_TR_NOOP("Сигнал, В"), QT_TR_NOOP("Интерполирующая функция, В"), QT_TR_NOOP("Отсчёты, В")}},
      {&TResamForm::DFE, QT_TR_NOOP("t, c"), {QT_TR_NOOP("Ошибка восстановления, В")}},
      {&TResamForm::DFBF, "t/T", {QT_TR_NOOP("Порождающая функция φ0")}},
      {&TResamForm::DFBFS, QT_TR_NOOP("ωT, рад"), {QT_TR_NOOP("Спектр порождающей функции")}},
      {&TResamForm::DFK, QT_TR_NOOP("ωT, рад"), {QT_TR_NOOP("Коэффициент искажений")}},
  };
  for (const TSeriesNames& row : table) {
    (this->*row.Frame)->Diagram->SetDataNameX(tr(row.X));
    int number = 0;
    for (const char* name : row.Series) Name(this->*row.Frame, number++, tr(name));
  }
  DFLagr->Diagram->SetDataNameX(QStringLiteral("t/T"));
  for (int k = 0; k < MaxBasisCount; ++k) Name(DFLagr, k, QStringLiteral("φ%1(t)").arg(k));
  NameFrequencyColumns();
}

void TResamForm::NameFrequencyColumns() {
  const bool circular = Engine.ShownUnit() == TFrequencyUnit::Circular;
  DFAS->Diagram->SetDataNameX(circular ? tr("ω, рад/с") : tr("f, Гц"));
  const QString symbol = circular ? QStringLiteral("ω") : QStringLiteral("f");
  for (int i = 0; i < int(std::size(SpectrumNames)); ++i) Name(DFAS, i, tr(SpectrumNames[i]).arg(symbol));
}

// In the "Исследование" menu, and on the panel's own context menu where a user looking at
// the numbers would right-click them.
void TResamForm::BuildReadoutCopy() {
  NCopyReadouts = AddTranslatedItem(ResearchMenu, TextContext, QT_TR_NOOP("Копировать параметры"));
  connect(NCopyReadouts, &QAction::triggered, this, &TResamForm::CopyReadouts);
}

void TResamForm::OfferReadoutCopy() {
  auto* copy = new QAction(GroupBox1);
  PutText(copy, TTextRole::Text, TextContext, QT_TR_NOOP("Копировать"));
  connect(copy, &QAction::triggered, this, &TResamForm::CopyReadouts);
  GroupBox1->addAction(copy);
  GroupBox1->setContextMenuPolicy(Qt::ActionsContextMenu);
}

// One line per row of the panel, the caption and its values separated by tabs, so that a
// spreadsheet puts them into columns; the numbers as the panel shows them.
QString TResamForm::ReadoutText() const {
  const QStringList lines = {
      Line(RadioButtonN->text(), {EditN->text()}),
      Line(RadioButtonT->text(), {EditT->text()}),
      Line(Label3->text(), {EditFloatT1->text(), EditFloatT2->text()}),
      Line(Label4->text(), {Label7->text(), Label16->text() + Label17->text() + Label12->text()}),
      Line(Label13->text(), {Label18->text() + Label19->text() + Label20->text(), Label21->text()}),
      Line(Label14->text(), {Label22->text()}),
      Line(Label15->text(), {Label23->text()}),
  };
  return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void TResamForm::CopyReadouts() { Platform().SetClipboardText(ReadoutText()); }
