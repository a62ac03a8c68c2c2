#include "platform/FileDialogTexts.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QIdentityProxyModel>
#include <QLocale>
#include <iterator>

#include "platform/Language.h"

namespace {
// QFileSystemModel's columns.
constexpr int SizeColumn = 1;
constexpr int DateColumn = 3;

// How each interface language writes a file's size and date. Dates have a two-digit year: Qt
// sizes the date column for "10/29/81 02:02PM", and a four-digit year would be cut short there.
// Sizes are in units of 1024, as a desktop counts them; QLocale's own wording will not do
// (Russian "16 байты" and the Latin "KiB", English "1 bytes").
struct TDetailsRow {
  TLanguage Language;
  QLocale::Language NumberLanguage;
  QLocale::Territory NumberTerritory;
  const char16_t* DateFormat;
  // The word after a count of 1, after a count ending in 2..4 (but not 12..14), after any other.
  const char* OneByte;
  const char* FewBytes;
  const char* ManyBytes;
  const char* Units[4];
};
const TDetailsRow DetailsRows[] = {
    {TLanguage::Russian,
     QLocale::Russian,
     QLocale::Russia,
     u"dd.MM.yy HH:mm",
     "байт",
     "байта",
     "байт",
     {"КБ", "МБ", "ГБ", "ТБ"}},
    {TLanguage::English,
     QLocale::English,
     QLocale::UnitedKingdom,
     u"dd/MM/yy HH:mm",
     "byte",
     "bytes",
     "bytes",
     {"KB", "MB", "GB", "TB"}},
};

const TDetailsRow& CurrentRow() {
  for (const TDetailsRow& row : DetailsRows)
    if (row.Language == CurrentLanguage()) return row;
  return DetailsRows[0];
}

// "16 байт", "2 байта", "1,2 КБ"; "1 byte", "16 bytes", "1.2 KB".
QString ByteWord(const TDetailsRow& row, qint64 count) {
  const qint64 lastTwo = count % 100;
  const qint64 last = count % 10;
  const bool few = last >= 2 && last <= 4 && (lastTwo < 12 || lastTwo > 14);
  return QString::fromUtf8(count == 1 ? row.OneByte : few ? row.FewBytes : row.ManyBytes);
}

QString FileSizeText(const TDetailsRow& row, qint64 bytes) {
  if (bytes < 1024) return QStringLiteral("%1 %2").arg(bytes).arg(ByteWord(row, bytes));
  double amount = double(bytes) / 1024;
  int unit = 0;
  for (; amount >= 1024 && unit + 1 < int(std::size(row.Units)); ++unit) amount /= 1024;
  return QLocale(row.NumberLanguage, row.NumberTerritory).toString(amount, 'f', 1) + QChar(' ') +
         QString::fromUtf8(row.Units[unit]);
}

// The dialog's model with the sizes and dates in the interface language; its other texts come
// from Qt's catalogue (Russian) or are Qt's own (English).
class TFileDetails : public QIdentityProxyModel {
 public:
  using QIdentityProxyModel::QIdentityProxyModel;

  QVariant data(const QModelIndex& index, int role) const override {
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (role != Qt::DisplayRole || !files) return QIdentityProxyModel::data(index, role);
    const QModelIndex source = mapToSource(index);
    const TDetailsRow& row = CurrentRow();
    // A folder's size stays blank, as Qt leaves it.
    if (index.column() == SizeColumn && !files->isDir(source)) return FileSizeText(row, files->size(source));
    if (index.column() == DateColumn)
      return QLocale(row.NumberLanguage, row.NumberTerritory)
          .toString(files->lastModified(source), QString::fromUtf16(row.DateFormat));
    return QIdentityProxyModel::data(index, role);
  }
};
}  // namespace

void UseFileDetails(QFileDialog& dialog) { dialog.setProxyModel(new TFileDetails(&dialog)); }
