#pragma once
// The interface language: Russian (the source texts, and the default on every machine) or
// English (resources/translations/resam_en.ts). The choice is kept in the program's settings;
// applying it installs the translators and the number locale, and Qt tells every open window
// (QEvent::LanguageChange) so that each puts its texts again.
#include <QString>

#include "platform/TextMessage.h"

enum class TLanguage { Russian, English };

// The language kept in the settings; Russian when none is kept or the kept one is unknown.
TLanguage StoredLanguage();
void StoreLanguage(TLanguage language);

// "ru" / "en" (the command line's and the settings' spelling); false for any other text.
bool LanguageFromCode(const QString& code, TLanguage& language);
QString LanguageCode(TLanguage language);
// The codes as the usage line lists them: "ru|en".
QString LanguageCodes();

// Makes the language the interface's from now on: the program's translation, Qt's own texts
// and the number locale (a decimal comma in Russian, a point in English). The application
// object exists. Returns false when a translation it needs is missing (the texts then stay
// Russian, or Qt's English).
bool ApplyLanguage(TLanguage language);
TLanguage CurrentLanguage();
// The decimal separator numbers are shown with in the current language, whatever the machine's
// locale: a comma in Russian, a point in English.
QChar ShownDecimalSeparator();

// A message of the Qt-free code in the interface language: its template and parts translated,
// its decimal numbers written with ShownDecimalSeparator().
QString MessageText(const TMessage& message);
