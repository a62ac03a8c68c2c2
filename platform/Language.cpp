#include "platform/Language.h"

#include <QCoreApplication>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

#include "platform/QtTranslation.h"

namespace {
const QString LanguageKey = QStringLiteral("interface/language");

struct TLanguageRow {
  TLanguage Language;
  const char* Code;
  QLocale::Language NumberLanguage;
  QLocale::Territory NumberTerritory;
  char DecimalSeparator;
  const char* ProgramTranslation;  // null: the source texts
  bool QtRussian;                  // Qt's own texts from its Russian catalogue
};
// British spelling, as the English texts are written (the "analog" aside).
constexpr TLanguageRow Languages[] = {
    {TLanguage::Russian, "ru", QLocale::Russian, QLocale::Russia, ',', nullptr, true},
    {TLanguage::English, "en", QLocale::English, QLocale::UnitedKingdom, '.', ":/i18n/resam_en.qm", false},
};

const TLanguageRow& RowOf(TLanguage language) {
  for (const TLanguageRow& row : Languages)
    if (row.Language == language) return row;
  return Languages[0];
}

// The same settings file the recent sessions are kept in.
QSettings Settings() {
  return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Resam"), QStringLiteral("Resam"));
}

// The translators this unit installed, so that a change removes exactly those.
struct TInstalled {
  QTranslator* Program = nullptr;
  QTranslator* Qt = nullptr;
  TLanguage Language = TLanguage::Russian;
};
TInstalled& Installed() {
  static TInstalled installed;
  return installed;
}

void Remove(QTranslator*& translator) {
  if (!translator) return;
  QCoreApplication::removeTranslator(translator);
  delete translator;
  translator = nullptr;
}

QTranslator* LoadProgramTranslation(const char* path) {
  auto* translator = new QTranslator(QCoreApplication::instance());
  if (translator->load(QString::fromLatin1(path))) return translator;
  delete translator;
  return nullptr;
}
}  // namespace

bool LanguageFromCode(const QString& code, TLanguage& language) {
  for (const TLanguageRow& row : Languages)
    if (code == QLatin1String(row.Code)) {
      language = row.Language;
      return true;
    }
  return false;
}

QString LanguageCode(TLanguage language) { return QLatin1String(RowOf(language).Code); }

QString LanguageCodes() {
  QStringList codes;
  for (const TLanguageRow& row : Languages) codes << QLatin1String(row.Code);
  return codes.join(QLatin1Char('|'));
}

TLanguage StoredLanguage() {
  TLanguage language = TLanguage::Russian;
  return LanguageFromCode(Settings().value(LanguageKey).toString(), language) ? language : TLanguage::Russian;
}

void StoreLanguage(TLanguage language) { Settings().setValue(LanguageKey, LanguageCode(language)); }

bool ApplyLanguage(TLanguage language) {
  const TLanguageRow& row = RowOf(language);
  TInstalled& installed = Installed();
  // The locale first: the windows put their numbers again when the translators tell them.
  QLocale::setDefault(QLocale(row.NumberLanguage, row.NumberTerritory));
  Remove(installed.Program);
  Remove(installed.Qt);
  installed.Language = language;
  bool complete = true;
  if (row.ProgramTranslation) {
    installed.Program = LoadProgramTranslation(row.ProgramTranslation);
    complete = installed.Program != nullptr;
  }
  if (row.QtRussian) {
    installed.Qt = LoadQtTranslation(QCoreApplication::instance());
    complete = complete && installed.Qt != nullptr;
  }
  for (QTranslator* t : {installed.Qt, installed.Program})
    if (t) QCoreApplication::installTranslator(t);
  return complete;
}

TLanguage CurrentLanguage() { return Installed().Language; }

QChar ShownDecimalSeparator() { return QLatin1Char(RowOf(CurrentLanguage()).DecimalSeparator); }

namespace {
std::string Translated(const char* context, const char* source) {
  return QCoreApplication::translate(context, source).toStdString();
}
}  // namespace

QString MessageText(const TMessage& message) {
  return QString::fromStdString(message.Composed(Translated, RowOf(CurrentLanguage()).DecimalSeparator));
}
