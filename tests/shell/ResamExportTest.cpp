// What leaves the main window as text: the parameter panel's read-outs and the headings its
// diagrams give their exported data.
#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>

#include "ResamTestSignals.h"
#include "ScriptedPlatform.h"
#include "plotting/DiagramFrameUnit.h"
#include "shell/ResamUnit.h"
#include "widgets/EditIntUnit.h"

namespace {
QString HeadingRow(TDiagramFrame* frame, const QString& name) {
  Scripted().AnswerFile(name);
  frame->SpeedButtonDataClick();
  QFile file(name);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readLine()).remove(QChar(0xFEFF)).trimmed();
}
}  // namespace

TEST(ResamExport, ReadoutsCopyAsTextAndSeriesKeepTheirNamesInData) {
  QTemporaryDir dir;
  TResamForm form;
  GiveLibrarySignal(form, SlowWave, 1, 0);
  ASSERT_EQ(form.GroupBox1->contextMenuPolicy(), Qt::ActionsContextMenu);
  ASSERT_EQ(form.GroupBox1->actions().size(), 1);
  form.GroupBox1->actions().first()->trigger();
  const QString copied = Scripted().ClipboardTextCopied;
  form.NCopyReadouts->trigger();
  EXPECT_EQ(Scripted().ClipboardTextCopied, copied) << "the menu item copies the same";
  const QStringList lines = copied.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 7);
  EXPECT_EQ(lines[0], QStringLiteral("Количество отсчётов:\t") + form.EditN->text());
  for (const QLabel* shown : {form.Label7, form.Label12, form.Label20, form.Label21, form.Label22, form.Label23})
    EXPECT_TRUE(copied.contains(shown->text().trimmed())) << shown->text().toStdString();

  const QString csv = dir.filePath(QStringLiteral("data.csv"));
  EXPECT_EQ(HeadingRow(form.DFs, csv),
            QStringLiteral("\"t, c\",\"Сигнал, В\",\"Интерполирующая функция, В\",\"t, c (Отсчёты)\",\"Отсчёты, В\""));
  EXPECT_TRUE(HeadingRow(form.DFAS, csv).startsWith(QStringLiteral("\"ω, рад/с\",\"Спектр сигнала |S(ω)|, В/Гц\"")));
  form.N18->trigger();  // cyclic frequency
  EXPECT_TRUE(HeadingRow(form.DFAS, csv).startsWith(QStringLiteral("\"f, Гц\",\"Спектр сигнала |S(f)|, В/Гц\"")));
  EXPECT_TRUE(Scripted().Messages.isEmpty());
}
