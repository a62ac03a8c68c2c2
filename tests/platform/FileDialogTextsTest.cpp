#include <gtest/gtest.h>

#include <QTest>
#include <QtWidgets>

#include "platform/QtPlatform.h"

// ctest runs the platform tests under the C locale, as on a machine that is not set to Russian.
TEST(QtFileDialogs, ShowNoEnglishWhateverTheMachinesLocale) {
  ASSERT_NE(QLocale::system().language(), QLocale::Russian) << "run under LC_ALL=C, as ctest does";
  QTemporaryDir folder;
  QFile file(folder.filePath("сигнал.tbl"));
  ASSERT_TRUE(QDir(folder.path()).mkdir("папка") && file.open(QIODevice::WriteOnly) && file.write("0123456789abcdef") &&
              file.flush());
  QStringList texts;  // what a user reads: the detail view's headers and cells, every text and tool tip
  QTimer::singleShot(0, [&] {
    QWidget* dialog = QApplication::activeModalWidget();
    QTest::mouseClick(dialog->findChild<QToolButton*>("detailModeButton"), Qt::LeftButton);
    const auto* view = dialog->findChild<QTreeView*>();
    const QAbstractItemModel& model = *view->model();
    EXPECT_TRUE(QTest::qWaitFor([&] { return view->isVisible() && model.rowCount(view->rootIndex()) == 2; }));
    for (int column = 0; column < model.columnCount(view->rootIndex()); ++column) {
      texts << model.headerData(column, Qt::Horizontal).toString();
      for (int row = 0; row < 2; ++row) texts << model.index(row, column, view->rootIndex()).data().toString();
    }
    for (const QWidget* widget : dialog->findChildren<QWidget*>())
      texts << widget->property("text").toString() << widget->property("currentText").toString() << widget->toolTip();
    dialog->close();
  });
  QString chosen;
  EXPECT_FALSE(TQtPlatform().OpenFileName({"Открыть", "Таблицы|*.tbl", "tbl", file.fileName()}, chosen));
  // Latin letters are allowed only in the folder's path and the files' extension.
  texts.replaceInStrings(folder.path(), "").replaceInStrings(".tbl", "");
  const QStringList english = texts.filter(QRegularExpression("[A-Za-z]"));
  EXPECT_TRUE(english.isEmpty()) << english.join(" | ").toStdString();
  EXPECT_TRUE(texts.contains("Папка") && texts.contains("16 байт"));
}
