#include <gtest/gtest.h>

#include <QTest>
#include <QtWidgets>
#include <functional>

#include "platform/Language.h"
#include "platform/QtPlatform.h"

namespace {
// Opens the file dialog on `file`'s folder, switches to the detail view and gives `read` the
// dialog once the view shows `rows` entries; the dialog is closed afterwards.
void ReadDetailView(const QString& file, int rows,
                    const std::function<void(QWidget*, const QAbstractItemModel&, const QModelIndex&)>& read) {
  QTimer::singleShot(0, [&] {
    QWidget* dialog = QApplication::activeModalWidget();
    QTest::mouseClick(dialog->findChild<QToolButton*>("detailModeButton"), Qt::LeftButton);
    const auto* view = dialog->findChild<QTreeView*>();
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return view->isVisible() && view->model()->rowCount(view->rootIndex()) == rows; }));
    read(dialog, *view->model(), view->rootIndex());
    dialog->close();
  });
  QString chosen;
  EXPECT_FALSE(TQtPlatform().OpenFileName({"Открыть", "Таблицы|*.tbl", "tbl", file}, chosen));
}

bool WriteFile(const QString& name, qint64 size, const QDateTime& modified = {}) {
  QFile file(name);
  if (!file.open(QIODevice::WriteOnly) || file.write(QByteArray(size, 'x')) != size || !file.flush()) return false;
  return !modified.isValid() || file.setFileTime(modified, QFileDevice::FileModificationTime);
}
}  // namespace

// ctest runs the platform tests under the C locale, as on a machine that is not set to Russian.
TEST(QtFileDialogs, ShowNoEnglishWhateverTheMachinesLocale) {
  ASSERT_NE(QLocale::system().language(), QLocale::Russian) << "run under LC_ALL=C, as ctest does";
  QTemporaryDir folder;
  const QString file = folder.filePath("сигнал.tbl");
  ASSERT_TRUE(QDir(folder.path()).mkdir("папка") && WriteFile(file, 16));
  QStringList texts;  // what a user reads: the detail view's headers and cells, every text and tool tip
  ReadDetailView(file, 2, [&](QWidget* dialog, const QAbstractItemModel& model, const QModelIndex& root) {
    for (int column = 0; column < model.columnCount(root); ++column) {
      texts << model.headerData(column, Qt::Horizontal).toString();
      for (int row = 0; row < 2; ++row) texts << model.index(row, column, root).data().toString();
    }
    for (const QWidget* widget : dialog->findChildren<QWidget*>())
      texts << widget->property("text").toString() << widget->property("currentText").toString() << widget->toolTip();
  });
  // Latin letters are allowed only in the folder's path and the files' extension.
  texts.replaceInStrings(folder.path(), "").replaceInStrings(".tbl", "");
  const QStringList english = texts.filter(QRegularExpression("[A-Za-z]"));
  EXPECT_TRUE(english.isEmpty()) << english.join(" | ").toStdString();
  EXPECT_TRUE(texts.contains("Папка") && texts.contains("16 байт"));
}

// Each file's size with the word its count takes, and its date day first.
TEST(QtFileDialogs, SizesTakeTheirRussianWordAndDatesStartWithTheDay) {
  const struct {
    qint64 Size;
    const char* Shown;
  } cases[] = {{1, "1 байт"}, {21, "21 байт"}, {101, "101 байт"}, {2, "2 байта"},    {22, "22 байта"},
               {5, "5 байт"}, {11, "11 байт"}, {12, "12 байт"},   {111, "111 байт"}, {1023, "1023 байта"}};
  QTemporaryDir folder;
  const QDateTime fifthOfMarch(QDate(2026, 3, 5), QTime(14, 30));
  for (const auto& c : cases)
    ASSERT_TRUE(WriteFile(folder.filePath(QString::number(c.Size) + ".tbl"), c.Size, fifthOfMarch));
  QHash<QString, QString> shown;  // "size | date" by name
  ReadDetailView(folder.filePath("1.tbl"), int(std::size(cases)),
                 [&](QWidget*, const QAbstractItemModel& model, const QModelIndex& root) {
                   for (int row = 0; row < model.rowCount(root); ++row)
                     shown[model.index(row, 0, root).data().toString()] = model.index(row, 1, root).data().toString() +
                                                                          " | " +
                                                                          model.index(row, 3, root).data().toString();
                 });
  for (const auto& c : cases) {
    const std::string seen = shown.value(QString::number(c.Size) + ".tbl").toStdString();
    const std::string wanted = c.Shown + std::string(" | 05.03.26 14:30");
    EXPECT_TRUE(seen == wanted) << "shown \"" << seen << "\", wanted \"" << wanted << '"';
  }
}

// In English the same details in English words and order, with a decimal point, whatever the
// machine's locale; Russian again afterwards.
TEST(QtFileDialogs, SizesAndDatesFollowTheInterfaceLanguage) {
  const struct {
    qint64 Size;
    const char* Russian;
    const char* English;
  } cases[] = {
      {1, "1 байт", "1 byte"}, {2, "2 байта", "2 bytes"}, {22, "22 байта", "22 bytes"}, {1536, "1,5 КБ", "1.5 KB"}};
  QTemporaryDir folder;
  const QDateTime fifthOfMarch(QDate(2026, 3, 5), QTime(14, 30));
  for (const auto& c : cases)
    ASSERT_TRUE(WriteFile(folder.filePath(QString::number(c.Size) + ".tbl"), c.Size, fifthOfMarch));
  for (TLanguage language : {TLanguage::English, TLanguage::Russian}) {
    ASSERT_TRUE(ApplyLanguage(language));
    QHash<QString, QString> shown;  // "size | date" by name
    ReadDetailView(folder.filePath("1.tbl"), int(std::size(cases)),
                   [&](QWidget*, const QAbstractItemModel& model, const QModelIndex& root) {
                     for (int row = 0; row < model.rowCount(root); ++row)
                       shown[model.index(row, 0, root).data().toString()] =
                           model.index(row, 1, root).data().toString() + " | " +
                           model.index(row, 3, root).data().toString();
                   });
    const bool english = language == TLanguage::English;
    for (const auto& c : cases)
      EXPECT_EQ(shown.value(QString::number(c.Size) + ".tbl").toStdString(),
                std::string(english ? c.English : c.Russian) + (english ? " | 05/03/26 14:30" : " | 05.03.26 14:30"));
  }
}
