// The signal source windows follow the interface language while open: in English no Russian
// letter is left in what they show or announce (the library's family names come with the
// formulas, the names widgets/AccessibleNames and the diagram give by themselves and the
// tab bar's scroll buttons, Qt's own, are left to them), their composed texts take the language's words and decimal
// separator, and Russian comes back byte for byte.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QTabWidget>
#include <QTemporaryDir>
#include <algorithm>
#include <functional>
#include <memory>

#include "ScriptedPlatform.h"
#include "SoundWriter.h"
#include "WindowTexts.h"
#include "platform/Language.h"
#include "plotting/Diagram.h"
#include "sourcedata/LibFormulas.h"
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

// Longest first, so that no part of a longer one is left.
QString WithoutTextsOfOthers(QString text) {
  static const QStringList others = [] {
    QStringList list;
    for (const char* name : LibFamilyNames) list << QString::fromUtf8(name);
    for (const char* name : {"Вверх", "Вниз", "Влево", "Вправо", "Вертикальная прокрутка", "Горизонтальная прокрутка",
                             "Другие команды", "Кнопка", "Поле ввода", "Вкладки", "Таблица", "Сдвиг границы диапазона",
                             "График", "Прокрутить влево", "Прокрутить вправо"})
      list << QString::fromUtf8(name);
    std::sort(list.begin(), list.end(), [](const QString& a, const QString& b) { return a.size() > b.size(); });
    return list;
  }();
  for (const QString& other : others) text.remove(other);
  return text;
}

struct TWindowRow {
  const char* Name;
  std::function<std::unique_ptr<QWidget>(const QString& folder)> Make;
  // A composed text of the window, in Russian and in English.
  std::function<QString(QWidget&)> Probe;
  std::string Composed(QWidget& w) const { return Probe(w).toStdString(); }
  const char *Russian, *English;
};

template <class T>
T& As(QWidget& w) {
  return static_cast<T&>(w);
}

std::unique_ptr<QWidget> Recording(const QString& folder) {
  const QString path = folder + QStringLiteral("/tone.wav");
  const int rate = 22050;
  if (!WriteSound(path.toStdString(), SF_FORMAT_WAV | SF_FORMAT_PCM_16, rate, 1, 12000, Sines(441, rate))) return {};
  auto form = std::make_unique<TRecordingForm>();
  if (!form->OpenFile(path)) return {};
  return form;
}

QString FirstCell(const TTabEditorForm& form) {
  int col = 0, row = 0;
  TTabEditorForm::IndexToCell(0, col, row);
  return form.StringGrid1->Cell(col, row);
}

std::unique_ptr<QWidget> TableEditor(const QString&) {
  auto form = std::make_unique<TTabEditorForm>();
  int col = 0, row = 0;
  TTabEditorForm::IndexToCell(0, col, row);
  form->StringGrid1->SetCell(col, row, QStringLiteral("1,5"));
  return form;
}

const TWindowRow Windows[] = {
    {"diagram editor",
     [](const QString&) {
       auto editor = std::make_unique<TDiagramEditor>();
       editor->NameDiagram("TResamForm", "Сигнал", "s(t),В", "t,c");
       return std::unique_ptr<QWidget>(std::move(editor));
     },
     [](QWidget& w) { return As<TDiagramEditor>(w).Diagram1->GetNameY(); }, "s(t),В", "s(t),V"},
    {"signal library", [](const QString&) { return std::unique_ptr<QWidget>(std::make_unique<TLibForm>()); },
     [](QWidget& w) { return As<TLibForm>(w).DiagramSpectr->GetNameY(); }, "|S(f)|, В/Гц", "|S(f)|, V/Hz"},
    {"polyharmonic signal",
     [](const QString&) {
       auto form = std::make_unique<TPolyGarmForm>();
       form->Button3Click();
       return std::unique_ptr<QWidget>(std::move(form));
     },
     [](QWidget& w) { return As<TPolyGarmForm>(w).EditFloatA[1]->text(); }, "0,637", "0.637"},
    {"recording", Recording, [](QWidget& w) { return As<TRecordingForm>(w).LabelDuration->text(); }, "0,544 с",
     "0.544 s"},
    {"table editor", TableEditor,
     [](QWidget& w) {
       return w.findChild<QTabWidget*>()->tabText(0) + QLatin1Char(' ') + FirstCell(As<TTabEditorForm>(w));
     },
     "Таблица 1,5", "Table 1.5"},
};
}  // namespace

TEST(SourceWindowsLanguage, EachWindowSwitchesWholeAndComesBackByteForByte) {
  QTemporaryDir folder;
  for (const TWindowRow& row : Windows) {
    SCOPED_TRACE(row.Name);
    std::unique_ptr<QWidget> window = row.Make(folder.path());
    ASSERT_TRUE(window);
    window->show();
    const QStringList russian = Shown(*window);
    EXPECT_EQ(row.Composed(*window), row.Russian);
    Choose(TLanguage::English);
    const QStringList english = Shown(*window);
    EXPECT_EQ(english.size(), russian.size()) << "the same texts in either language";
    for (const QString& text : english)
      EXPECT_FALSE(WithoutTextsOfOthers(text).contains(CyrillicLetter())) << text.toStdString();
    EXPECT_EQ(row.Composed(*window), row.English);
    Choose(TLanguage::Russian);
    EXPECT_EQ(Lines(Shown(*window)), Lines(russian));
    EXPECT_EQ(row.Composed(*window), row.Russian);
  }
}

// The exported table is the same file whichever language showed its numbers.
TEST(SourceWindowsLanguage, TheTableExportDoesNotDependOnTheLanguage) {
  QTemporaryDir folder;
  auto form = TableEditor(folder.path());
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
