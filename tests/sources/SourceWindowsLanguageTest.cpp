// The signal source windows follow the interface language while open, with what a user gives them
// (a recording, a table, a preset): in English no Russian letter is left in what they show or
// announce, composed texts take the language's words and separator, and Russian comes back byte
// for byte.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QTabWidget>
#include <QTemporaryDir>
#include <memory>

#include "ScriptedPlatform.h"
#include "SoundWriter.h"
#include "WindowTexts.h"
#include "platform/Language.h"
#include "plotting/Diagram.h"
#include "sources/DiagramEditor.h"
#include "sources/LibUnit.h"
#include "sources/PolyGarmUnit.h"
#include "sources/RecordingUnit.h"
#include "sources/TabEditor08Unit.h"
#include "sources/TableGrid.h"
#include "widgets/EditFloatUnit.h"

namespace {
void Choose(TLanguage language) {
  ASSERT_TRUE(ApplyLanguage(language));
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

// What a window shows, with the diagrams' names, which it paints.
QStringList Shown(const QWidget& window) {
  QStringList texts = WindowTexts(window);
  for (const TDiagram* d : window.findChildren<TDiagram*>())
    texts << d->GetNameDiagram() + QStringLiteral(" | ") + d->GetNameY() + QStringLiteral(" | ") + d->GetNameX();
  return texts;
}

std::string Lines(const QStringList& texts) { return texts.join(QLatin1Char('\n')).toStdString(); }

// The table editor's first value cell.
QString FirstCell(const QWidget& w) {
  int col = 0, row = 0;
  TTabEditorForm::IndexToCell(0, col, row);
  return static_cast<const TTabEditorForm&>(w).StringGrid1->Cell(col, row);
}

std::unique_ptr<QWidget> TableEditor() {
  auto form = std::make_unique<TTabEditorForm>();
  int col = 0, row = 0;
  TTabEditorForm::IndexToCell(0, col, row);
  form->StringGrid1->SetCell(col, row, QStringLiteral("1,5"));
  return form;
}

struct TWindowRow {
  const char* Name;
  std::unique_ptr<QWidget> (*Make)();
  // A composed text of the window, in Russian and in English.
  QString (*Probe)(QWidget&);
  const char *Russian, *English;
  std::string Composed(QWidget& w) const { return Probe(w).toStdString(); }
};

const TWindowRow Windows[] = {
    {"diagram editor",
     []() -> std::unique_ptr<QWidget> {
       auto editor = std::make_unique<TDiagramEditor>();
       editor->NameDiagram("TResamForm", "Сигнал", "s(t),В", "t,c");
       return editor;
     },
     [](QWidget& w) { return static_cast<TDiagramEditor&>(w).Diagram1->GetNameY(); }, "s(t),В", "s(t),V"},
    {"signal library", []() -> std::unique_ptr<QWidget> { return std::make_unique<TLibForm>(); },
     [](QWidget& w) { return static_cast<TLibForm&>(w).DiagramSpectr->GetNameY(); }, "|S(f)|, В/Гц", "|S(f)|, V/Hz"},
    {"polyharmonic signal",
     []() -> std::unique_ptr<QWidget> {
       auto form = std::make_unique<TPolyGarmForm>();
       form->Button3Click();
       return form;
     },
     [](QWidget& w) { return static_cast<TPolyGarmForm&>(w).EditFloatA[1]->text(); }, "0,637", "0.637"},
    {"recording",
     []() -> std::unique_ptr<QWidget> {
       static const QTemporaryDir folder;
       const QString path = folder.filePath(QStringLiteral("tone.wav"));
       auto form = std::make_unique<TRecordingForm>();
       if (!WriteSound(path.toStdString(), SF_FORMAT_WAV | SF_FORMAT_PCM_16, 22050, 1, 12000, Sines(441, 22050)) ||
           !form->OpenFile(path))
         return {};
       return form;
     },
     [](QWidget& w) { return static_cast<TRecordingForm&>(w).LabelDuration->text(); }, "0,544 с", "0.544 s"},
    {"table editor", TableEditor,
     [](QWidget& w) { return w.findChild<QTabWidget*>()->tabText(0) + QLatin1Char(' ') + FirstCell(w); }, "Таблица 1,5",
     "Table 1.5"},
};
}  // namespace

TEST(SourceWindowsLanguage, EachWindowSwitchesWholeAndComesBackByteForByte) {
  for (const TWindowRow& row : Windows) {
    SCOPED_TRACE(row.Name);
    std::unique_ptr<QWidget> window = row.Make();
    ASSERT_TRUE(window);
    window->show();
    const QStringList russian = Shown(*window);
    EXPECT_EQ(row.Composed(*window), row.Russian);
    Choose(TLanguage::English);
    const QStringList english = Shown(*window);
    EXPECT_EQ(english.size(), russian.size()) << "the same texts in either language";
    EXPECT_EQ(Lines(english.filter(CyrillicLetter())), "");
    EXPECT_EQ(row.Composed(*window), row.English);
    Choose(TLanguage::Russian);
    EXPECT_EQ(Lines(Shown(*window)), Lines(russian));
    EXPECT_EQ(row.Composed(*window), row.Russian);
  }
}

// The exported table is the same file whichever language showed its numbers.
TEST(SourceWindowsLanguage, TheTableExportDoesNotDependOnTheLanguage) {
  QTemporaryDir folder;
  std::unique_ptr<QWidget> form = TableEditor();
  QByteArray files[2];  // Russian, then English
  for (int i = 0; i < 2; ++i) {
    const QString name = folder.filePath(QString::number(i) + QStringLiteral(".xls"));
    Scripted().Reset();
    Scripted().AnswerFile(name);
    static_cast<TTabEditorForm&>(*form).SpeedButton7Click();
    QFile written(name);
    EXPECT_TRUE(written.open(QIODevice::ReadOnly));
    files[i] = written.readAll();
    Choose(TLanguage::English);
  }
  Choose(TLanguage::Russian);
  EXPECT_TRUE(files[0].contains("1,5")) << files[0].toStdString();
  EXPECT_EQ(files[1], files[0]);
}
