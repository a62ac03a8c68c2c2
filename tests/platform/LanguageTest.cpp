// The interface language: what the settings keep, and what choosing a language changes for
// the user (the program's texts, Qt's own buttons, the decimal separator). Run under the C
// locale, as on a machine not set to Russian: Russian must not depend on it.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLocale>
#include <QPushButton>
#include <QSettings>

#include "platform/Language.h"

namespace {
const QString Key = QStringLiteral("interface/language");

QSettings Settings() {
  return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Resam"), QStringLiteral("Resam"));
}

QString CancelButtonText() {
  QDialogButtonBox box(QDialogButtonBox::Cancel);
  return box.button(QDialogButtonBox::Cancel)->text().remove(QLatin1Char('&'));
}
}  // namespace

TEST(Language, KeptChoiceAndUnknownValuesFallBackToRussian) {
  const struct {
    const char* Kept;  // null: nothing kept
    TLanguage Expected;
  } cases[] = {{nullptr, TLanguage::Russian}, {"ru", TLanguage::Russian}, {"en", TLanguage::English},
               {"EN", TLanguage::Russian},    {"de", TLanguage::Russian}, {"", TLanguage::Russian}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Kept ? c.Kept : "(none)");
    if (c.Kept)
      Settings().setValue(Key, QString::fromLatin1(c.Kept));
    else
      Settings().remove(Key);
    EXPECT_EQ(StoredLanguage(), c.Expected);
  }
  for (TLanguage language : {TLanguage::English, TLanguage::Russian}) {
    StoreLanguage(language);
    EXPECT_EQ(StoredLanguage(), language);
    EXPECT_EQ(Settings().value(Key).toString(), LanguageCode(language));
  }
  Settings().remove(Key);
}

TEST(Language, ChoosingChangesTextsQtButtonsAndTheSeparator) {
  const struct {
    TLanguage Language;
    const char* Settings;  // the main menu's "Настройка" as shown
    const char* Cancel;    // Qt's own button
    QChar Separator;
  } cases[] = {{TLanguage::English, "Settings", "Cancel", QLatin1Char('.')},
               {TLanguage::Russian, "Настройка", "Отмена", QLatin1Char(',')},
               {TLanguage::English, "Settings", "Cancel", QLatin1Char('.')},
               {TLanguage::Russian, "Настройка", "Отмена", QLatin1Char(',')}};
  for (const auto& c : cases) {
    SCOPED_TRACE(LanguageCode(c.Language).toStdString());
    EXPECT_TRUE(ApplyLanguage(c.Language)) << "a translation is missing";
    EXPECT_EQ(CurrentLanguage(), c.Language);
    EXPECT_EQ(QCoreApplication::translate("TResamForm", "Настройка"), QString::fromUtf8(c.Settings));
    EXPECT_EQ(CancelButtonText(), QString::fromUtf8(c.Cancel));
    EXPECT_EQ(QLocale().toString(2.5), QStringLiteral("2") + c.Separator + QStringLiteral("5"));
  }
}

TEST(Language, CodesAreTheCommandLinesSpelling) {
  for (const auto& [code, language] : {std::pair{"ru", TLanguage::Russian}, {"en", TLanguage::English}}) {
    TLanguage read = language == TLanguage::Russian ? TLanguage::English : TLanguage::Russian;
    EXPECT_TRUE(LanguageFromCode(QString::fromLatin1(code), read));
    EXPECT_EQ(read, language);
    EXPECT_EQ(LanguageCode(language), QString::fromLatin1(code));
  }
  TLanguage untouched = TLanguage::English;
  for (const char* code : {"", "RU", "english", "ru ", "fr"})
    EXPECT_FALSE(LanguageFromCode(QString::fromLatin1(code), untouched)) << code;
  EXPECT_EQ(untouched, TLanguage::English);
  EXPECT_EQ(LanguageCodes(), QStringLiteral("ru|en"));
}
