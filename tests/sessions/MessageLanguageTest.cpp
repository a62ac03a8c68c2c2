// The faults the Qt-free code reports (files read, the engine's limits, a session's checks) as
// the user reads them: English words and decimal points in English, and in Russian the very
// texts the program has always shown, decimal commas included.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <functional>

#include "ScriptedPlatform.h"
#include "engine/ResamEngine.h"
#include "platform/FileMessages.h"
#include "platform/Language.h"
#include "sessions/SessionCommands.h"
#include "sessions/SessionFile.h"
#include "sessions/SessionRecord.h"
#include "sourcedata/SeriesCsv.h"
#include "sourcedata/TableFile.h"

namespace {
TMessage SeriesFileFault(const char* name, const char* text) {
  TSeriesCsv series;
  return SeriesFault(name, ParseSeriesCsv(text, series));
}

TMessage SessionPageFault(int page, int count) {
  TSession session;
  session.Page = page;
  session.Engine.N = count;
  return SessionFault(session, TResamEngine(), 0);
}

// What the user is shown for a message, whichever way its code shows it.
struct TCase {
  std::function<QString()> Shown;
  const char* Russian;
  const char* English;
};

QString Shown(const TMessage& message) { return MessageText(message); }

QString EngineMessage() {
  TResamEngine engine;
  engine.SetCount(1);
  return Scripted().Messages.value(0);
}

const TCase Cases[] = {
    {[] { return Shown(SeriesFileFault("x%2.csv", "0;1\n1;2\n0,5;3\n2;4\n")); },
     "Не удаётся прочитать файл данных «x%2.csv»: строка 3: время 0,5 не больше, чем в предыдущей строке (1).",
     "Cannot read the data file “x%2.csv”: line 3: time 0.5 is not greater than in the previous line (1)."},
    {[] { return Shown(SeriesFileFault("d.csv", "0;1\n1;2\n2;3\n3,5;4\n4,5;5\n")); },
     "Не удаётся прочитать файл данных «d.csv»: строка 4: шаг времени 1,5 отличается от обычного (1) более чем на 1%: "
     "отсчёты должны идти равномерно.",
     "Cannot read the data file “d.csv”: line 4: time step 1.5 differs from the usual one (1) by more than 1%: samples "
     "must be evenly spaced."},
    {[] {
       return Shown(TableReadWarning({MaxTableValues, 3, true, false}, "t.tbl"));
     },
     "Файл t.tbl содержит больше 500 значений; загружены первые 500.\nЗначений, не являющихся числами или бесконечных: "
     "3; они заменены нулями.",
     "File t.tbl holds more than 500 values; the first 500 were loaded.\nValues that are not numbers or are infinite: "
     "3; "
     "they were replaced by zeros."},
    {[] { return Shown(CannotCreateFileJoined("a.dkr")); }, "Не удаётся создать файлa.dkr",
     "Cannot create the file a.dkr"},
    {[] {
       ReportDamagedSession(SessionPageFault(ComparisonSessionPage, 2));
       return Scripted().Messages.value(0);
     },
     "Файл сеанса повреждён: вкладка «page» (4) не показывается, пока поле «comparison» не true.",
     "The session file is damaged: tab “page” (4) is not shown unless field “comparison” is true."},
    {[] { return Shown(SessionPageFault(0, 600)); },
     "значение поля «sampling.count» (600) больше допустимого для метода (500).",
     "the value of field “sampling.count” (600) exceeds the method's limit (500)."},
    {[] {
       TSession session;
       return ReadSession("[]", session);
     },
     "в файле нет объекта сеанса.", "the file holds no session object."},
    {EngineMessage, "Введённое значение параметра меньше минимально-допустимого.\n Произведена коррекция.",
     "The value entered is below the permitted minimum.\n It has been corrected."},
};
}  // namespace

TEST(MessageLanguage, FaultsReadInTheInterfaceLanguage) {
  const QRegularExpression cyrillic(QStringLiteral("\\p{Cyrillic}"));
  for (TLanguage language : {TLanguage::English, TLanguage::Russian}) {
    ASSERT_TRUE(ApplyLanguage(language));
    for (const TCase& c : Cases) {
      Scripted().Messages.clear();
      const QString shown = c.Shown();
      EXPECT_EQ(shown, QString::fromUtf8(language == TLanguage::English ? c.English : c.Russian));
      if (language == TLanguage::English) {
        EXPECT_FALSE(shown.contains(cyrillic)) << shown.toStdString();
      }
    }
  }
}
