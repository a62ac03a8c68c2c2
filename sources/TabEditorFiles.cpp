// The table editor's files: ".tbl" saved and loaded (".inp" loaded the same way), the grid
// exported as tab-separated text for a spreadsheet.
#include <QFile>
#include <QFileInfo>
#include <sstream>

#include "platform/FileExtension.h"
#include "platform/FileMessages.h"
#include "platform/Language.h"
#include "platform/Platform.h"
#include "platform/SafeSave.h"
#include "sourcedata/TableFile.h"
#include "sources/TabEditor08Unit.h"
#include "sources/TableGrid.h"
#include "widgets/Comfun.h"

namespace {
const QString TableExt = QStringLiteral(".tbl");

QString WithExtension(const QString& name, const QString& ext) {
  return name.chopped(FileExtension(name).size()) + ext;
}

bool IsLoadable(const QString& name) { return IsTableExtension(FileExtension(name).toStdString(), true); }
bool IsSavable(const QString& name) { return IsTableExtension(FileExtension(name).toStdString(), false); }

}  // namespace

// A failed write leaves a file that was there before as it was, and says so.
void TTabEditorForm::WriteFile(const QString& name, const QByteArray& bytes) {
  switch (SaveFileSafely(name, bytes)) {
    case TSaveResult::Saved:
      return;
    case TSaveResult::CannotCreate:
      ShowMessage(CannotCreateFileMessage());
      return;
    case TSaveResult::CannotWrite:
      ShowMessage(CannotWriteFileKeptMessage(name.toStdString()));
      return;
  }
}

void TTabEditorForm::SpeedButton6Click() {
  TFileDialogOptions options;
  options.Title = tr("Сохранить");
  options.Filter = tr("Таблицы (*.tbl)|*.tbl");
  options.DefaultExt = QStringLiteral("tbl");
  options.OverwritePrompt = true;
  QString name = tr("Таблица.tbl");
  for (bool first = true;; first = false) {
    options.FileName = WithExtension(name, TableExt);
    if (!first) ShowMessage(UnsupportedTableExtensionMessage());
    if (!Platform().SaveFileName(options, name)) return;
    if (IsSavable(name)) break;
  }
  CollectTable();
  std::ostringstream bytes;
  WriteTable(bytes, Working.data(), Count);
  WriteFile(name, QByteArray::fromStdString(bytes.str()));
}

void TTabEditorForm::SpeedButton5Click() {
  TFileDialogOptions options;
  options.Title = tr("Открыть");
  options.Filter =
      tr("Таблицы (*.tbl, *.inp)|*.tbl; *.inp|Таблицы (*.tbl)|*.tbl|Таблицы программы Resam (*.inp)|*.inp");
  options.FileName = LastOpenName;
  QString name;
  for (;;) {
    if (!Platform().OpenFileName(options, name)) return;
    if (IsLoadable(name)) break;
    ShowMessage(UnsupportedTableExtensionMessage());
    options.FileName.clear();
  }
  LastOpenName = name;
  QFile file(name);
  if (!file.open(QIODevice::ReadOnly)) {
    ShowMessage(CannotOpenFileJoined(name.toStdString()));
    return;
  }
  // Only what the table can hold is read, however large the file.
  const QByteArray head = file.read(static_cast<qint64>(MaxTableValues) * sizeof(double));
  std::array<double, MaxTableValues> values{};
  const TTableReadReport report =
      DecodeTable(head.toStdString(), static_cast<unsigned long long>(file.size()), values.data());
  const TMessage warning = TableReadWarning(report, QFileInfo(name).fileName().toStdString());
  if (report.Count > 0) LoadValues(values.data(), report.Count);
  if (!warning.Empty()) ShowMessage(warning);
}

void TTabEditorForm::LoadValues(const double* values, int count) {
  StringGrid1->CloseEditor();
  EmptyValueCells();
  for (int i = 0; i < count && i < Capacity; ++i) SetCellOf(i, FloatToText(values[i]));
  CollectTable();
}

void TTabEditorForm::SpeedButton7Click() {
  TFileDialogOptions options;
  options.Title = tr("Сохранение в формате Microsoft Exel");
  options.Filter = tr("Книга Microsoft Exel (*.xls)|*.xls");
  options.DefaultExt = QStringLiteral("xls");
  options.FileName = tr("Таблица");
  options.OverwritePrompt = true;
  QString name;
  if (!Platform().SaveFileName(options, name)) return;
  CorrectFileExtension(name, QStringLiteral(".xls"));
  CollectTable();
  std::vector<std::string> texts;
  texts.reserve(Count);
  // The file is the same in either language: its numbers keep the decimal comma.
  const bool comma = ShownDecimalSeparator() == QLatin1Char(',');
  for (int k = 0; k < Count; ++k) {
    QString text = CellOf(k);
    if (!comma) PointToComma(text, text);
    texts.push_back(text.toStdString());
  }
  WriteFile(name, QByteArray::fromStdString(TableExportText(texts, SeriesName.toStdString(), IndexBase)));
}
