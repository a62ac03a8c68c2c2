// The language chosen in "Настройка" › "Язык" while the main window is open: its landmarks, its
// composed read-outs and its pictures change at once.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

#include "EndToEndRoad.h"
#include "ResamTestSignals.h"
#include "ScriptedPlatform.h"
#include "platform/Language.h"
#include "plotting/Diagram.h"
#include "plotting/DiagramFrameUnit.h"
#include "plotting/DiagramIncreaseUnit.h"
#include "resources/FormulaPictures.h"
#include "shell/MethodViews.h"
#include "shell/ResamUnit.h"
#include "sources/LibUnit.h"

namespace {
// Whether a label shows the named picture as it is drawn in the current language.
bool ShowsPicture(const QLabel* label, const char* name) {
  const QPixmap shown = label->pixmap();
  const QImage drawn = RenderFormulaPicture(QString::fromLatin1(name), 1.0, shown.devicePixelRatio());
  return !shown.isNull() && shown.toImage().convertToFormat(QImage::Format_RGB32) == drawn;
}

void Choose(QAction* item) {
  item->trigger();
  // Qt posts the change to every window.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}
}  // namespace

// The walk over every window (EveryWindowLanguageTest) holds the whole; here the landmarks a
// user looks for, and the choice kept for the next start.
TEST(LanguageSwitch, TheMainWindowSwitchesAtOnceAndTheChoiceIsKept) {
  TResamForm form;
  // A window with no texts to compose switches by itself.
  TDiagramIncrease enlarged;
  QMenu* file = enlarged.findChild<QMenuBar*>()->findChildren<QMenu*>().value(0);
  ASSERT_TRUE(file);
  ASSERT_TRUE(form.RussianItem->isChecked());
  const struct {
    QAction* Item;
    const char* Settings;  // "Настройка" as shown
    const char* Tab;       // the first tab
    const char* Caption;   // the window's caption with the first method
    const char* File;      // the enlarged diagram's first menu
    TLanguage Kept;
  } steps[] = {
      {form.EnglishItem, "Settings", "Signal and interpolating function", "Kotelnikov series - Kvarnel, Tarmin, 2015",
       "File", TLanguage::English},
      {form.RussianItem, "Настройка", "Сигнал и интерполирующая функция", "Ряд Котельникова - Кварнел, Тармин, 2015г.",
       "Файл", TLanguage::Russian},
  };
  for (const auto& step : steps) {
    Choose(step.Item);
    SCOPED_TRACE(step.Settings);
    EXPECT_TRUE(step.Item->isChecked());
    EXPECT_EQ(form.N5->title(), QString::fromUtf8(step.Settings));
    EXPECT_EQ(form.PageControl1->tabText(0), QString::fromUtf8(step.Tab));
    EXPECT_EQ(form.windowTitle(), QString::fromUtf8(step.Caption));
    EXPECT_EQ(file->title(), QString::fromUtf8(step.File));
    EXPECT_EQ(StoredLanguage(), step.Kept) << "the choice is kept for the next start";
  }
}

TEST(LanguageSwitch, ReadoutsAndSeriesNamesFollowTheLanguageAndItsSeparator) {
  TResamForm form;
  GiveLibrarySignal(form, SlowWave, 1, 0);
  const auto shown = [&form] {
    return QStringList{form.Label7->text(),
                       form.Label12->text(),
                       form.Label20->text(),
                       form.Label21->text(),
                       form.Label22->text(),
                       form.EditT->text(),
                       QString::fromStdString(form.DFs->Diagram->GetKeeper(0)->GetName())};
  };
  const QStringList russian = shown();
  const struct {
    int Index;
    const char* Russian;  // how the text starts or ends
    const char* English;
  } marks[] = {{0, "fд = ", "fs = "}, {1, " рад/с", " rad/s"}, {3, " Гц", " Hz"}, {6, "Сигнал, В", "Signal, V"}};
  Choose(form.EnglishItem);
  const QStringList english = shown();
  for (const auto& m : marks) {
    SCOPED_TRACE(m.English);
    const QString ru = QString::fromUtf8(m.Russian), en = QString::fromUtf8(m.English);
    EXPECT_TRUE(russian[m.Index].startsWith(ru) || russian[m.Index].endsWith(ru)) << russian[m.Index].toStdString();
    EXPECT_TRUE(english[m.Index].startsWith(en) || english[m.Index].endsWith(en)) << english[m.Index].toStdString();
  }
  // The same numbers with the other separator (the last text, a name, has none).
  for (int i = 0; i + 1 < english.size(); ++i) {
    EXPECT_FALSE(english[i].contains(QLatin1Char(','))) << english[i].toStdString();
    EXPECT_EQ(english[i].count(QLatin1Char('.')), russian[i].count(QLatin1Char(','))) << english[i].toStdString();
  }
  Choose(form.RussianItem);
  EXPECT_EQ(shown(), russian);
}

// The formulas and captions drawn as pictures have words and numbers of their own: the main
// window's and the library's change with the language while they are open.
TEST(LanguageSwitch, FormulaPicturesFollowTheLanguage) {
  TProgramWindows w;
  w.library.show();
  QApplication::processEvents();
  for (QAction* item : {w.form.EnglishItem, w.form.RussianItem, w.form.EnglishItem, w.form.RussianItem}) {
    Choose(item);
    SCOPED_TRACE(LanguageCode(CurrentLanguage()).toStdString());
    const TResamEngine::TMethod method = w.form.Engine.Method();
    EXPECT_TRUE(ShowsPicture(w.form.MethodImages[method], MethodView(method).Picture));
    EXPECT_TRUE(ShowsPicture(w.form.ImageLagr, "ImageLagr"));
    EXPECT_TRUE(IsCurrentFormulaPicture(w.form.BasisPicture(), QStringLiteral("ImageLagr")));
    EXPECT_TRUE(IsCurrentFormulaPicture(w.form.Image1, QStringLiteral("ResamImage1")));
    EXPECT_TRUE(IsCurrentFormulaPicture(w.form.Image4, QStringLiteral("ResamImage4")));
    EXPECT_TRUE(ShowsPicture(w.library.ImageV0, "LibImageV0"));
    EXPECT_TRUE(ShowsPicture(w.library.ImageTi, "LibImageTi"));
    w.library.N13->trigger();
    EXPECT_TRUE(IsCurrentFormulaPicture(Scripted().Clipboard, QStringLiteral("LibImage1")));
  }
}
