#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <limits>
#include <vector>

#include "ScriptedPlatform.h"
#include "numerics/Keeper.h"
#include "plotting/Diagram.h"
#include "plotting/DiagramFrameUnit.h"
#include "sources/TabEditor08Unit.h"
#include "sources/TableGrid.h"

namespace {
// The editor shown without its modal loop and driven by keys sent to whatever has the focus,
// as a user's keyboard would.
class TabEditor : public testing::Test {
 protected:
  void SetUp() override { Open(); }

  void Open() {
    form.show();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    Settle();
  }
  static void Settle() { QApplication::processEvents(); }
  static QWidget* Focus() { return QApplication::focusWidget(); }
  void Type(const QString& keys) {
    for (const QChar c : keys) {
      QTest::keyClicks(Focus(), QString(c));
      Settle();
    }
  }
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(Focus(), key, modifiers);
    Settle();
  }
  QString Cell(int k) const {
    int col = 0, row = 0;
    TTabEditorForm::IndexToCell(k, col, row);
    return form.StringGrid1->Cell(col, row);
  }
  void SetCell(int k, const QString& text) {
    int col = 0, row = 0;
    TTabEditorForm::IndexToCell(k, col, row);
    form.StringGrid1->SetCell(col, row, text);
  }
  int Current() const { return TTabEditorForm::CellToIndex(form.StringGrid1->Col(), form.StringGrid1->Row()); }
  void MoveTo(int k) {
    int col = 0, row = 0;
    TTabEditorForm::IndexToCell(k, col, row);
    form.StringGrid1->MoveTo(col, row);
    Settle();
  }
  void Fill(const QStringList& texts) {
    form.SpeedButton2Click();
    for (int k = 0; k < texts.size(); ++k) SetCell(k, texts[k]);
  }
  QStringList Cells(int count) const {
    QStringList texts;
    for (int k = 0; k < count; ++k) texts << Cell(k);
    return texts;
  }

  TTabEditorForm form;
};

QStringList Numbers(int from, int to) {
  QStringList texts;
  for (int i = from; i <= to; ++i) texts << QString::number(i);
  return texts;
}
}  // namespace

TEST_F(TabEditor, TypedAndPastedCharactersPassTheCellFilter) {
  struct Case {
    QString typed, shown;
  } const cases[] = {
      {"1.5", "1,5"},             // a point becomes a comma
      {"1,2,3", "1,23"},          // one comma
      {"123456789", "12345678"},  // eight characters at most
      {"5-", "5"},                // a minus after a digit is taken back
      {"-5", "-5"},
      {"--5", "-5"},
      {"a1 b+2e", "12"},  // only digits, comma and minus
  };
  for (const Case& c : cases) {
    form.SpeedButton2Click();
    Settle();
    Type(c.typed);
    EXPECT_EQ(Cell(0), c.shown) << c.typed.toStdString();
  }
  form.SpeedButton2Click();
  Settle();
  Scripted().ClipboardTextToPaste = QStringLiteral("-1.2-3x4\n5,6");
  Key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Cell(0), QStringLiteral("-1,23456"));
  // Typing a digit in front of a leading minus takes the digit back.
  Key(Qt::Key_Home);
  Type(QStringLiteral("7"));
  EXPECT_EQ(Cell(0), QStringLiteral("-1,23456"));
  // In the frame mode the cell editor is closed until a key opens it; a paste opens it too.
  form.N17->trigger();
  Settle();
  EXPECT_FALSE(form.StringGrid1->EditorActive());
  Key(Qt::Key_Right);
  Scripted().ClipboardTextToPaste = QStringLiteral("2.5.7");
  Key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Cell(1), QStringLiteral("2,57"));
  form.N16->trigger();  // back to the cursor mode: the editor shows at once
  Settle();
  EXPECT_TRUE(form.StringGrid1->EditorActive());
  EXPECT_TRUE(Scripted().Messages.isEmpty());
}

TEST_F(TabEditor, EnterMovesOnAndSequentialInputRefusesGaps) {
  Type(QStringLiteral("1"));
  Key(Qt::Key_Return);
  Type(QStringLiteral("2"));
  Key(Qt::Key_Return);
  EXPECT_EQ(Current(), 2);
  Key(Qt::Key_Return);  // an empty cell becomes "0" and the cursor moves on
  EXPECT_EQ(Cells(3), QStringList({"1", "2", "0"}));
  EXPECT_EQ(Current(), 3);
  MoveTo(5);  // two past the last value
  EXPECT_EQ(Current(), 3);
  // The same by the mouse: two past the last value is refused, even by a double click,
  // and the cell right after the last value is taken.
  auto click = [this](int col, bool twice) {
    const QPoint at = form.StringGrid1->visualRect(form.StringGrid1->model()->index(1, col)).center();
    if (twice) {
      QTest::mouseDClick(form.StringGrid1->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    } else {
      QTest::mouseClick(form.StringGrid1->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    }
    Settle();
  };
  click(0, false);
  EXPECT_EQ(Current(), 0);
  click(4, true);
  EXPECT_EQ(Current(), 0);
  EXPECT_EQ(Cell(4), "");
  click(3, false);
  EXPECT_EQ(Current(), 3);
  MoveTo(0);
  MoveTo(3);
  EXPECT_EQ(Current(), 3);
  // Down from the first value row lands past the label row on a cell that sequential input refuses.
  Key(Qt::Key_Down);
  EXPECT_EQ(Current(), 3);

  form.N19->trigger();  // sequential input off
  Key(Qt::Key_Down);
  EXPECT_EQ(Current(), 13);
  Key(Qt::Key_Up);
  EXPECT_EQ(Current(), 3);
  MoveTo(8);
  Type(QStringLiteral("9"));
  form.CollectTable();
  EXPECT_EQ(form.EnteredCount(), 9);
  EXPECT_EQ(Cells(9), QStringList({"1", "2", "0", "0", "0", "0", "0", "0", "9"}));
  // Switched on again, it puts the cursor on the last value.
  MoveTo(30);
  form.N19->trigger();
  Settle();
  EXPECT_EQ(Current(), 8);
  // With "Переход по <Enter>" off, Enter leaves the cursor where it is.
  form.Enter1->trigger();
  Key(Qt::Key_Return);
  EXPECT_EQ(Current(), 8);
}

TEST_F(TabEditor, InsertAndDeleteMoveTheValuesAfterTheCursor) {
  struct Case {
    QStringList before;
    int at;
    bool insert;
    QStringList after;  // the first cells after the command
  } const cases[] = {
      {{"1", "2", "3"}, 0, true, {"", "1", "2", "3", ""}}, {{"1", "2", "3"}, 2, true, {"1", "2", "", "3", ""}},
      {{"1", "2", "3"}, 0, false, {"2", "3", "", ""}},     {{"1", "2", "3"}, 2, false, {"1", "2", "", ""}},
      {{"1", "", "3"}, 1, false, {"1", "3", ""}},  // the gap becomes "0" and is then deleted
  };
  form.N19->trigger();
  for (const Case& c : cases) {
    Fill(c.before);
    MoveTo(c.at);
    (c.insert ? form.SpeedButton3Click() : form.SpeedButton4Click());
    EXPECT_EQ(Cells(c.after.size()), c.after) << c.at << c.insert;
  }
  // A full table: inserting loses the value at index 499, deleting empties the last cell.
  Fill(Numbers(0, 499));
  MoveTo(0);
  form.SpeedButton3Click();
  EXPECT_EQ(Cell(0), "");
  EXPECT_EQ(Cell(1), "0");
  EXPECT_EQ(Cell(499), "498");
  Fill(Numbers(0, 499));
  MoveTo(499);
  form.SpeedButton3Click();
  EXPECT_EQ(Cell(498), "498");
  EXPECT_EQ(Cell(499), "");
  Fill(Numbers(0, 499));
  MoveTo(0);
  form.SpeedButton4Click();
  EXPECT_EQ(Cell(0), "1");
  EXPECT_EQ(Cell(498), "499");
  EXPECT_EQ(Cell(499), "");
}

TEST_F(TabEditor, ProcessingHandsOverAndAnyOtherCloseRestoresTheGrid) {
  form.SpeedButton1Click();  // an empty table
  int count = -1;
  const double* data = form.GetData(count);
  ASSERT_EQ(count, 1);
  EXPECT_EQ(data[0], 0);
  EXPECT_TRUE(form.IsProcessed());
  EXPECT_EQ(Cell(0), "0");

  Open();
  Fill({"1,5", "", "-2"});
  form.SpeedButton1Click();
  data = form.GetData(count);
  ASSERT_EQ(count, 3);
  EXPECT_EQ(std::vector<double>(data, data + 3), std::vector<double>({1.5, 0, -2}));

  Open();
  EXPECT_FALSE(form.IsProcessed());
  Fill({"7", "8", "9", "10"});
  form.SpeedButton8Click();
  EXPECT_FALSE(form.IsProcessed());
  EXPECT_EQ(Cells(4), QStringList({"1,5", "0", "-2", ""}));
  data = form.GetData(count);
  EXPECT_EQ(count, 3);
  EXPECT_EQ(data[2], -2);

  // Closing by the window's frame with the editor open on an edited cell restores it too.
  Open();
  Type(QStringLiteral("5"));
  form.close();
  EXPECT_EQ(Cells(2), QStringList({"1,5", "0"}));
}

TEST_F(TabEditor, PlotIncludesZeroAndPadsASingleValue) {
  struct Case {
    QStringList values;
    int count;
    bool zeroBelow, zeroAbove;
  } const cases[] = {
      {{"4"}, 3, true, false},  // 4, 0, 0
      {{"1", "3", "2"}, 3, true, false},
      {{"-1", "-3"}, 2, false, true},
      {{"-1", "3"}, 2, false, false},
  };
  for (const Case& c : cases) {
    Fill(c.values);
    form.PageControl1->setCurrentIndex(0);
    form.PageControl1->setCurrentIndex(1);
    const TKeeper* series = form.DF->Diagram->GetKeeper(0);
    const TDiagram& d = *form.DF->Diagram;
    ASSERT_EQ(series->GetCount(), c.count);
    EXPECT_EQ(series->GetXmin(), 0);
    EXPECT_EQ(series->GetXmax(), c.count - 1);
    EXPECT_EQ(series->GetSample(0), c.values[0].toDouble());
    if (c.values.size() == 1) {
      EXPECT_EQ(series->GetSample(1), 0);
      EXPECT_EQ(series->GetSample(2), 0);
    }
    EXPECT_EQ(series->GetShape(), ShapeDiscrete);
    if (c.zeroBelow) {
      EXPECT_EQ(d.GetYmin(), 0);
    } else if (c.zeroAbove) {
      EXPECT_EQ(d.GetYmax(), 0);
    } else {
      EXPECT_LT(d.GetYmin() * d.GetYmax(), 0);
    }
  }
  EXPECT_EQ(form.DF->Diagram->GetNameY(), QStringLiteral("s(n)"));
}

TEST_F(TabEditor, TablesSaveLoadAndExport) {
  QTemporaryDir dir;
  const QString tbl = dir.filePath(QStringLiteral("t.tbl"));
  Fill({"1,5", "", "-2"});
  Scripted().AnswerFile(dir.filePath(QStringLiteral("t.txt")));  // refused: the dialog comes again
  Scripted().AnswerFile(tbl);
  form.SpeedButton6Click();
  EXPECT_EQ(Scripted().Messages, QStringList({"Формат файлов с указанным расширением не поддерживатеся."}));
  ASSERT_EQ(Scripted().Dialogs.size(), 2);
  EXPECT_EQ(Scripted().Dialogs[0].Options.FileName, QStringLiteral("Таблица.tbl"));
  EXPECT_EQ(Scripted().Dialogs[1].Options.FileName, dir.filePath(QStringLiteral("t.tbl")));
  EXPECT_EQ(QFileInfo(tbl).size(), 24);

  Fill({"9"});
  Scripted().AnswerFile(tbl);
  form.SpeedButton5Click();
  EXPECT_EQ(Cells(4), QStringList({"1,5", "0", "-2", ""}));
  EXPECT_EQ(form.EnteredCount(), 3);

  const QString xls = dir.filePath(QStringLiteral("t.xls"));
  Fill(Numbers(0, 11));
  Scripted().AnswerFile(dir.filePath(QStringLiteral("t")));
  form.SpeedButton7Click();
  QFile exported(xls);
  ASSERT_TRUE(exported.open(QIODevice::ReadOnly));
  EXPECT_EQ(exported.readAll(),
            "s(0)\ts(1)\ts(2)\ts(3)\ts(4)\ts(5)\ts(6)\ts(7)\ts(8)\ts(9)\t\n0\t1\t2\t3\t4\t5\t6\t7\t8\t9\t\n"
            "s(10)\ts(11)\ts(12)\ts(13)\ts(14)\ts(15)\ts(16)\ts(17)\ts(18)\ts(19)\t\n10\t11\t");

  // A save that cannot be made says so and leaves the old file as it was.
  Scripted().Messages.clear();
  QDir(dir.path()).mkdir(QStringLiteral("d.tbl"));
  Scripted().AnswerFile(dir.filePath(QStringLiteral("d.tbl")));
  form.SpeedButton6Click();
  EXPECT_EQ(Scripted().Messages.size(), 1);
  EXPECT_EQ(QFileInfo(tbl).size(), 24);
}

// A full table, as the editor saves it, is not "more than 500 values"; bytes after its last
// value are reported as an incomplete value, as they are after any other count.
TEST_F(TabEditor, AFullTableLoadsWithoutACutAndStrayBytesAreStillReported) {
  QTemporaryDir dir;
  const QString name = dir.filePath(QStringLiteral("full.tbl"));
  Fill(Numbers(0, 499));
  Scripted().AnswerFile(name);
  form.SpeedButton6Click();
  ASSERT_EQ(QFileInfo(name).size(), 500 * 8);
  const struct {
    QByteArray Appended;
    QStringList Messages;
  } cases[] = {{"", {}}, {"xyz", {"Длина файла full.tbl не кратна 8 байтам; неполное последнее значение пропущено."}}};
  for (const auto& c : cases) {
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write(c.Appended);
    file.close();
    Fill({"old"});
    Scripted().Messages.clear();
    Scripted().AnswerFile(name);
    form.SpeedButton5Click();
    EXPECT_EQ(form.EnteredCount(), 500);
    EXPECT_EQ(Cell(499), "499");
    EXPECT_EQ(Scripted().Messages, c.Messages) << Scripted().Messages.join('\n').toStdString();
  }
}

TEST_F(TabEditor, DamagedFilesLoadWhatTheyHoldAndSaySo) {
  QTemporaryDir dir;
  const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
  auto bytesOf = [](std::vector<double> values, int extra) {
    QByteArray bytes(reinterpret_cast<const char*>(values.data()), static_cast<int>(values.size() * sizeof(double)));
    return bytes + QByteArray(extra, 'x');
  };
  std::vector<double> many(600);
  for (int i = 0; i < 600; ++i) many[i] = i;
  struct Case {
    QByteArray bytes;
    QStringList cells;  // the first cells after loading (the old table stays when nothing loads)
    QString message;    // a part of the one message expected ("" for none)
  } const cases[] = {
      {bytesOf({1.25, -2}, 4), {"1,25", "-2", ""}, "не кратна 8 байтам"},
      {bytesOf({}, 0), {"old", ""}, "не содержит ни одного значения"},
      {bytesOf({}, 7), {"old", ""}, "Таблица не изменена"},
      {bytesOf({nan, 3, inf}, 0), {"0", "3", "0", ""}, "заменены нулями"},
      {bytesOf({0.1, 1e20}, 0), {"0,1", "1e+20", ""}, ""},
  };
  for (const Case& c : cases) {
    const QString name = dir.filePath(QStringLiteral("f.inp"));
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(c.bytes);
    file.close();
    Fill({"old"});
    Scripted().Messages.clear();
    Scripted().AnswerFile(name);
    form.SpeedButton5Click();
    EXPECT_EQ(Cells(c.cells.size()), c.cells) << c.bytes.size();
    if (c.message.isEmpty()) {
      EXPECT_TRUE(Scripted().Messages.isEmpty());
    } else {
      ASSERT_EQ(Scripted().Messages.size(), 1);
      EXPECT_TRUE(Scripted().Messages[0].contains(c.message)) << Scripted().Messages[0].toStdString();
    }
  }
  const QString large = dir.filePath(QStringLiteral("large.tbl"));
  QFile file(large);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytesOf(many, 0));
  file.close();
  Scripted().Messages.clear();
  Scripted().AnswerFile(large);
  form.SpeedButton5Click();
  EXPECT_EQ(Cell(499), "499");
  EXPECT_EQ(form.EnteredCount(), 500);
  ASSERT_EQ(Scripted().Messages.size(), 1);
  EXPECT_TRUE(Scripted().Messages[0].contains("загружены первые 500"));

  Scripted().Messages.clear();
  Scripted().AnswerFile(dir.filePath(QStringLiteral("missing.tbl")));
  form.SpeedButton5Click();
  EXPECT_EQ(Scripted().Messages,
            QStringList({"Не удаётся открыть файл" + dir.filePath(QStringLiteral("missing.tbl"))}));
  // Every value handed over is finite, whatever was loaded.
  SetCell(0, QStringLiteral("1e400"));
  form.SpeedButton1Click();
  int count = 0;
  const double* data = form.GetData(count);
  for (int i = 0; i < count; ++i) EXPECT_TRUE(std::isfinite(data[i]));
}
