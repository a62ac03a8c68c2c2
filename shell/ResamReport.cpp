// "Сигнал" › "Отчёт...": one report of what the window shows, as PDF or HTML, and the same
// diagrams and their data written from the command line. The report is filled here from the
// window's own texts and diagrams; reports/ lays it out and writes it.
#include <QAction>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QMenu>

#include "platform/CoreServices.h"
#include "platform/FileExtension.h"
#include "platform/FileMessages.h"
#include "platform/Platform.h"
#include "plotting/Diagram.h"
#include "plotting/DiagramExport.h"
#include "plotting/DiagramFrameUnit.h"
#include "reports/ReportDocument.h"
#include "shell/MethodViews.h"
#include "shell/ResamUnit.h"
#include "sourcedata/LibFormulas.h"
#include "sources/DiagramEditor.h"
#include "sources/LibUnit.h"
#include "sources/PolyGarmUnit.h"
#include "sources/RecordingUnit.h"
#include "studies/ComparisonPage.h"
#include "studies/ErrorFiguresLabel.h"
#include "studies/PreFilterUnit.h"
#include "widgets/Comfun.h"
#include "widgets/TranslatedTexts.h"

namespace {
using E = TResamEngine;

const char* const ReportTitle = QT_TRANSLATE_NOOP("TResamForm", "Отчёт: восстановление сигнала по отсчётам");
// The file dialog's two kinds, PDF first.
const char* const ReportFilters = QT_TRANSLATE_NOOP("TResamForm", "Отчёт PDF (*.pdf)|*.pdf|Отчёт HTML (*.html)|*.html");
const char* const ReportExtensions[] = {".pdf", ".html"};

// The report is written in the interface language, its numbers with that language's separator.
QString Text(const char* source) { return QCoreApplication::translate(TResamForm::TextContext, source); }

QString YesNo(bool yes) {
  return yes ? Text(QT_TRANSLATE_NOOP("TResamForm", "да")) : Text(QT_TRANSLATE_NOOP("TResamForm", "нет"));
}

QString Number(double value) { return FloatToText(value); }

QList<QStringList> LibraryTable(const TLibParameters& p) {
  return {{QStringLiteral("k"), QStringLiteral("l"), QStringLiteral("m"), Text(QT_TRANSLATE_NOOP("TResamForm", "τ, с")),
           Text(QT_TRANSLATE_NOOP("TResamForm", "V0, В"))},
          {QString::number(p.K), QString::number(p.L), QString::number(p.M), Number(p.Tau), Number(p.V0)}};
}

QList<QStringList> RecordingTable(const TRecordingFragment& f) {
  static const char* const channels[] = {QT_TRANSLATE_NOOP("TResamForm", "левый"),
                                         QT_TRANSLATE_NOOP("TResamForm", "правый"),
                                         QT_TRANSLATE_NOOP("TResamForm", "сумма каналов")};
  return {{Text(QT_TRANSLATE_NOOP("TResamForm", "Файл")), Text(QT_TRANSLATE_NOOP("TResamForm", "Канал")),
           Text(QT_TRANSLATE_NOOP("TResamForm", "Частота дискретизации записи, Гц")),
           Text(QT_TRANSLATE_NOOP("TResamForm", "Начало фрагмента, мс")),
           Text(QT_TRANSLATE_NOOP("TResamForm", "Длительность фрагмента, мс"))},
          {QString::fromStdString(f.FileName), Text(channels[int(f.Channel)]), Number(f.Rate), Number(f.Start * 1000),
           Number(f.Length() * 1000)}};
}

QList<QStringList> HarmonicsTable(const TPolyGarmSignal& s) {
  QList<QStringList> rows = {{Text(QT_TRANSLATE_NOOP("TResamForm", "№")),
                              Text(QT_TRANSLATE_NOOP("TResamForm", "Амплитуда, В")),
                              s.IsFrequencyHz() ? Text(QT_TRANSLATE_NOOP("TResamForm", "Частота, Гц"))
                                                : Text(QT_TRANSLATE_NOOP("TResamForm", "Частота, рад/с")),
                              s.IsPhaseDegrees() ? Text(QT_TRANSLATE_NOOP("TResamForm", "Фаза, град"))
                                                 : Text(QT_TRANSLATE_NOOP("TResamForm", "Фаза, рад")),
                              Text(QT_TRANSLATE_NOOP("TResamForm", "Включена"))}};
  for (int n = 0; n < HarmonicCount; ++n)
    rows.push_back({QString::number(n), Number(s.GetAmplitude(n)), Number(s.GetFrequency(n)), Number(s.GetPhase(n)),
                    YesNo(s.IsOn(n))});
  return rows;
}

// The read-out lines ("caption\tvalue\tvalue") as a table of two columns: named values
// ("fд = 20 Гц") one after another, two plain numbers as the range they are.
QList<QStringList> ReadoutTable(const QString& readouts) {
  QList<QStringList> rows = {
      {Text(QT_TRANSLATE_NOOP("TResamForm", "Параметр")), Text(QT_TRANSLATE_NOOP("TResamForm", "Значение"))}};
  for (const QString& line : readouts.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
    QStringList cells = line.split(QLatin1Char('\t'));
    const QString caption = cells.takeFirst().trimmed();
    const bool named = cells.join(QString()).contains(QLatin1Char('='));
    rows.push_back({caption, cells.join(named ? QStringLiteral(";  ") : QStringLiteral(" … ")).trimmed()});
  }
  return rows;
}
}  // namespace

void TResamForm::BuildReportItem() {
  N1->addSeparator();
  ReportItem = AddTranslatedItem(N1, TextContext, QT_TR_NOOP("Отчёт..."));
  ReportItem->setEnabled(false);
  connect(ReportItem, &QAction::triggered, this, &TResamForm::ReportClick);
  connect(N1, &QMenu::aboutToShow, this, [this] { ReportItem->setEnabled(Engine.SignalGiven()); });
}

void TResamForm::ReportClick() {
  if (!Engine.SignalGiven()) return;
  int chosen = 0;
  TFileDialogOptions options;
  options.Title = tr("Отчёт");
  options.Filter = Text(ReportFilters);
  options.DefaultExt = QStringLiteral("pdf");
  options.FileName = tr("Отчёт.pdf");
  options.OverwritePrompt = true;
  options.ChosenFilter = &chosen;
  QString name;
  if (!Platform().SaveFileName(options, name)) return;
  CorrectFileExtension(name, QString::fromUtf8(ReportExtensions[chosen == 1 ? 1 : 0]));
  TWaitCursor wait;
  if (!WriteReport(MakeReport(), name)) ShowMessage(CannotWriteFileMessage(name.toStdString()));
}

std::vector<TComparisonPage::TRow> TResamForm::ComparisonRows() const {
  std::vector<TComparisonPage::TRow> rows;
  for (int m = 0; m < E::MethodCount; ++m) {
    const E::TMethod method = E::TMethod(m);
    // The current method's figures are the error tab's, not merely equal to them.
    rows.push_back({MethodItem(method)->text(),
                    method == Engine.Method() ? Engine.ErrorFigures() : Engine.MethodFigures(method),
                    MethodText(MethodView(method).ShortName)});
  }
  return rows;
}

// The diagrams of the lesson in the report's order, with the names their files take: the
// generating function's three or the basis functions, as the method has them.
// The comparison's chart is filled for them whether or not its tab is shown.
std::vector<TResamForm::TLessonDiagram> TResamForm::LessonDiagrams() {
  if (Engine.IsAnalog()) TabSheetComparison->ShowRows(ComparisonRows(), Engine.Method());
  std::vector<TLessonDiagram> diagrams = {{DFs->Diagram, QStringLiteral("signal")},
                                          {DFAS->Diagram, QStringLiteral("spectra")}};
  if (Engine.HasError()) diagrams.push_back({DFE->Diagram, QStringLiteral("error")});
  if (Engine.IsLagrange()) {
    diagrams.push_back({DFLagr->Diagram, QStringLiteral("basis")});
  } else {
    diagrams.push_back({DFBF->Diagram, QStringLiteral("kernel")});
    diagrams.push_back({DFBFS->Diagram, QStringLiteral("kernel-spectrum")});
    diagrams.push_back({DFK->Diagram, QStringLiteral("distortion")});
  }
  if (Engine.IsAnalog()) diagrams.push_back({TabSheetComparison->DFC->Diagram, QStringLiteral("comparison")});
  return diagrams;
}

void TResamForm::ReportSignal(TReport& report) const {
  report.AddHeading(tr("Сигнал"));
  switch (Engine.Source()) {
    case E::SourceLibrary: {
      const TLibParameters p = LibForm->Formulas().Parameters();
      report.AddParagraph(tr("Библиотека сигналов: %1")
                              .arg(QCoreApplication::translate(LibFamilyContext, LibFamilyNames[p.Family - 1])));
      report.AddTable(LibraryTable(p));
      break;
    }
    case E::SourcePolyharmonic:
      report.AddParagraph(tr("Фрагмент полигармонического сигнала, гармоники:"));
      report.AddTable(HarmonicsTable(PolyGarmForm->Values()));
      break;
    case E::SourceEditor:
      report.AddParagraph(tr("Задан графически: %1 значений").arg(Engine.DrawnSignal.Count));
      break;
    case E::SourceTable:
      report.AddParagraph(tr("Задан таблично: %1 значений").arg(Engine.TableSignal.Count));
      break;
    case E::SourceRecording:
      report.AddParagraph(tr("Фрагмент звукозаписи:"));
      if (RecordingForm) report.AddTable(RecordingTable(RecordingForm->Fragment()));
      break;
  }
}

void TResamForm::ReportSampling(TReport& report) const {
  report.AddHeading(tr("Дискретизация"));
  report.AddTable(ReadoutTable(ReadoutText()));
  report.AddParagraph(tr("Сетка дискретизации: %1").arg((N9->isChecked() ? N9 : N10)->text().toLower()));
}

void TResamForm::ReportMethod(TReport& report) const {
  const TMethodView& view = MethodView(Engine.Method());
  report.AddHeading(tr("Метод интерполяции"));
  report.AddParagraph(MethodItem(Engine.Method())->text());
  const QString picture = view.Picture ? QString::fromLatin1(view.Picture) : QStringLiteral("ImageLagr");
  report.AddFormula(picture, MethodItem(Engine.Method())->text());
}

void TResamForm::ReportResults(TReport& report) {
  report.AddHeading(tr("Сигнал, отсчёты и интерполирующая функция"));
  report.AddFigure(DFs->Diagram);
  report.AddHeading(Engine.HasError() ? tr("Спектры и ошибка восстановления") : tr("Спектры"));
  report.AddFigure(DFAS->Diagram);
  if (Engine.HasError()) {
    report.AddFigure(DFE->Diagram);
    report.AddParagraph(TErrorFiguresLabel::FiguresText(Engine.ErrorFigures()));
  }
  if (Engine.IsLagrange()) {
    report.AddHeading(tr("Базисные функции многочлена Лагранжа"));
    report.AddFigure(DFLagr->Diagram);
  } else {
    report.AddHeading(tr("Порождающая функция"));
    for (TDiagram* d : {DFBF->Diagram, DFBFS->Diagram, DFK->Diagram}) report.AddFigure(d);
  }
  if (!Engine.IsAnalog()) return;
  const std::vector<TComparisonPage::TRow> rows = ComparisonRows();
  report.AddHeading(tr("Сравнение методов"));
  QList<QStringList> table = {ComparisonHeadings()};
  for (const TComparisonPage::TRow& row : rows)
    table.push_back({row.Name, FigureText(row.Figures.MaxError), FigureText(row.Figures.RmsError),
                     FigureText(row.Figures.RelativeRms), FigureText(row.Figures.Snr)});
  report.AddTable(table);
  report.AddFigure(TabSheetComparison->DFC->Diagram);
}

void TResamForm::ReportStudySettings(TReport& report) const {
  report.AddHeading(tr("Условия исследования"));
  QStringList lines;
  for (const QLabel* label : LabelNoise)
    if (!label->text().isEmpty()) lines << label->text();
  if (lines.isEmpty()) lines << tr("Шум и квантование отсчётов: нет");
  // The filter as the panel shows it; one asked for and refused (values that are not numbers)
  // is named as the filter window names it.
  if (Engine.HasFilter())
    lines << LabelFilter->text();
  else if (Engine.FilterRefused())
    lines << FilterRefusedText();
  else
    lines << tr("Фильтр: нет");
  if (Engine.HasFilter() && Engine.PreFilter().ErrorToFiltered)
    lines << tr("Ошибка относительно отфильтрованного сигнала");
  lines << tr("Отсчёты из точного сигнала: %1").arg(YesNo(Engine.ExactSamplesOn()));
  report.AddParagraph(lines.join(QLatin1Char('\n')));
}

TReport TResamForm::MakeReport() {
  LessonDiagrams();
  TReport report;
  report.Title = Text(ReportTitle);
  report.Stamp = QLocale().toString(QDateTime::currentDateTime(), QStringLiteral("dd.MM.yyyy HH:mm"));
  ReportSignal(report);
  ReportSampling(report);
  ReportMethod(report);
  ReportResults(report);
  ReportStudySettings(report);
  return report;
}

bool TResamForm::WriteLessonFigures(const QString& folder, TFigureFormat format, const QString& extension) {
  if (!QDir().mkpath(folder)) return false;
  for (const TLessonDiagram& d : LessonDiagrams()) {
    const TReportFigureSize sized(*d.Diagram);
    if (!WriteFigure({d.Diagram, {}}, QDir(folder).filePath(d.Name + extension), format)) return false;
  }
  return true;
}

bool TResamForm::WriteLessonData(const QString& folder) {
  if (!QDir().mkpath(folder)) return false;
  for (const TLessonDiagram& d : LessonDiagrams()) {
    const TReportFigureSize sized(*d.Diagram);
    TDataTable table;
    if (!d.Diagram->VisibleData(table) || !WriteData(table, QDir(folder).filePath(d.Name + QStringLiteral(".csv"))))
      return false;
  }
  return true;
}
