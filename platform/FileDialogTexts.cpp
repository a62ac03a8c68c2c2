#include "platform/FileDialogTexts.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QIdentityProxyModel>
#include <QLocale>
#include <iterator>

namespace {
// QFileSystemModel's columns.
constexpr int SizeColumn = 1;
constexpr int DateColumn = 3;
// Russian order with a two-digit year: Qt sizes the date column for "10/29/81 02:02PM", and a
// four-digit year would be cut short there.
constexpr QStringView DateFormat = u"dd.MM.yy HH:mm";

const QLocale& Russian() {
  static const QLocale locale(QLocale::Russian, QLocale::Russia);
  return locale;
}

// "байт" after 1, 5..20, 25.., "байта" after 2..4, 22..24, ...
QString ByteWord(qint64 count) {
  const qint64 lastTwo = count % 100;
  const qint64 last = count % 10;
  const bool few = last >= 2 && last <= 4 && (lastTwo < 12 || lastTwo > 14);
  return few ? QStringLiteral("байта") : QStringLiteral("байт");
}

// "16 байт", "2 байта", "1,2 КБ", "3,5 МБ": units of 1024, as a Russian desktop counts them.
// QLocale's own Russian wording will not do: "16 байты", and the Latin "KiB", "MiB".
QString FileSizeText(qint64 bytes) {
  static const char* const Units[] = {"КБ", "МБ", "ГБ", "ТБ"};
  if (bytes < 1024) return QStringLiteral("%1 %2").arg(bytes).arg(ByteWord(bytes));
  double amount = double(bytes) / 1024;
  int unit = 0;
  for (; amount >= 1024 && unit + 1 < int(std::size(Units)); ++unit) amount /= 1024;
  return Russian().toString(amount, 'f', 1) + QChar(' ') + QString::fromUtf8(Units[unit]);
}

// The dialog's model with the sizes and dates in Russian; its other texts come from Qt's catalogue.
class TRussianFileDetails : public QIdentityProxyModel {
 public:
  using QIdentityProxyModel::QIdentityProxyModel;

  QVariant data(const QModelIndex& index, int role) const override {
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (role != Qt::DisplayRole || !files) return QIdentityProxyModel::data(index, role);
    const QModelIndex source = mapToSource(index);
    // A folder's size stays blank, as Qt leaves it.
    if (index.column() == SizeColumn && !files->isDir(source)) return FileSizeText(files->size(source));
    if (index.column() == DateColumn) return Russian().toString(files->lastModified(source), DateFormat);
    return QIdentityProxyModel::data(index, role);
  }
};
}  // namespace

void UseRussianFileDetails(QFileDialog& dialog) { dialog.setProxyModel(new TRussianFileDetails(&dialog)); }
