#include "reports/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <cstring>
#include <iterator>

#include "platform/Language.h"

namespace {
struct TOptionRow {
  const char* Name;
  const char* ValueName;  // null: a switch; like the description, a source text of the context TCommandLine
  const char* Description;
};
// The options of the help text, in its order; the parser is made from the same rows.
constexpr TOptionRow Options[] = {
    {"report", QT_TRANSLATE_NOOP("TCommandLine", "ФАЙЛ"),
     QT_TRANSLATE_NOOP("TCommandLine", "записать отчёт о занятии в ФАЙЛ: .pdf (лист A4) или .html (один файл)")},
    {"compare", nullptr,
     QT_TRANSLATE_NOOP("TCommandLine", "вывести сравнение методов: столбцы через табуляцию, числа с точкой")},
    {"figures", QT_TRANSLATE_NOOP("TCommandLine", "ПАПКА"),
     QT_TRANSLATE_NOOP("TCommandLine", "записать все диаграммы занятия в ПАПКУ")},
    {"format", "svg|pdf|png", QT_TRANSLATE_NOOP("TCommandLine", "формат рисунков для --figures (по умолчанию svg)")},
    {"csv", QT_TRANSLATE_NOOP("TCommandLine", "ПАПКА"),
     QT_TRANSLATE_NOOP("TCommandLine", "записать данные всех диаграмм занятия в ПАПКУ (CSV)")},
    {"help", nullptr, QT_TRANSLATE_NOOP("TCommandLine", "показать эту справку")},
    {"version", nullptr, QT_TRANSLATE_NOOP("TCommandLine", "показать версию программы")},
    {"lang", "ru|en",
     QT_TRANSLATE_NOOP("TCommandLine", "язык программы на этот запуск: ru (русский) или en (английский)")},
};
const char LanguageOption[] = "--lang";

struct TFormatName {
  const char* Name;
  TFigureFileFormat Format;
};
constexpr TFormatName FormatNames[] = {
    {"svg", TFigureFileFormat::Svg}, {"pdf", TFigureFileFormat::Pdf}, {"png", TFigureFileFormat::Png}};

QString Text(const char* text) { return QCoreApplication::translate("TCommandLine", text); }

TCommandLine Wrong(const QString& fault) {
  TCommandLine line;
  line.Mode = TRunMode::Wrong;
  line.Fault = fault;
  return line;
}

// An option given twice is refused rather than one of its values silently chosen.
QString Repeated(const QCommandLineParser& parser) {
  for (const TOptionRow& row : Options)
    if (parser.values(QLatin1String(row.Name)).size() > 1 ||
        (!row.ValueName && parser.optionNames().count(QLatin1String(row.Name)) > 1))
      return QCoreApplication::translate("TCommandLine", "параметр --%1 указан дважды").arg(QLatin1String(row.Name));
  return {};
}

bool ReadFormat(const QString& name, TFigureFileFormat& format) {
  for (const TFormatName& f : FormatNames)
    if (name.compare(QLatin1String(f.Name), Qt::CaseInsensitive) == 0) {
      format = f.Format;
      return true;
    }
  return false;
}

// The language --lang asks for, checked; the mode is still the window's.
TCommandLine LanguageOf(const QCommandLineParser& parser) {
  TCommandLine line;
  if (!parser.isSet(QStringLiteral("lang"))) return line;
  TLanguage language;
  line.Language = parser.value(QStringLiteral("lang"));
  if (!LanguageFromCode(line.Language, language))
    return Wrong(QCoreApplication::translate("TCommandLine", "неизвестный язык: %1").arg(line.Language));
  return line;
}

// What the parsed options ask for; the lesson is checked by the caller.
TCommandLine ModeOf(const QCommandLineParser& parser) {
  const auto set = [&](const char* name) { return parser.isSet(QLatin1String(name)); };
  const int modes = int(set("report")) + int(set("compare")) + int(set("figures") || set("csv"));
  if (set("help") || set("version")) {
    if (modes > 0 || parser.positionalArguments().size() > 0 || (set("help") && set("version")))
      return Wrong(
          QCoreApplication::translate("TCommandLine", "--help и --version не сочетаются с другими параметрами"));
    TCommandLine line = LanguageOf(parser);
    if (line.Mode == TRunMode::Wrong) return line;
    line.Mode = set("help") ? TRunMode::Help : TRunMode::Version;
    return line;
  }
  if (modes > 1)
    return Wrong(QCoreApplication::translate("TCommandLine", "--report, --compare и --figures/--csv не сочетаются"));
  if (set("format") && !set("figures"))
    return Wrong(QCoreApplication::translate("TCommandLine", "--format задаётся вместе с --figures"));
  TCommandLine line = LanguageOf(parser);
  if (line.Mode == TRunMode::Wrong) return line;
  if (set("report")) {
    line.Mode = TRunMode::Report;
    line.ReportPath = parser.value(QStringLiteral("report"));
    const QString suffix = QFileInfo(line.ReportPath).suffix().toLower();
    if (suffix != QLatin1String("pdf") && suffix != QLatin1String("html"))
      return Wrong(QCoreApplication::translate("TCommandLine", "отчёт записывается в файл .pdf или .html"));
  } else if (set("compare")) {
    line.Mode = TRunMode::Compare;
  } else if (modes == 1) {
    line.Mode = TRunMode::Files;
    line.FiguresFolder = parser.value(QStringLiteral("figures"));
    line.CsvFolder = parser.value(QStringLiteral("csv"));
    if (set("format") && !ReadFormat(parser.value(QStringLiteral("format")), line.Format))
      return Wrong(QCoreApplication::translate("TCommandLine", "неизвестный формат рисунков: %1")
                       .arg(parser.value(QStringLiteral("format"))));
    if ((set("figures") && line.FiguresFolder.isEmpty()) || (set("csv") && line.CsvFolder.isEmpty()))
      return Wrong(QCoreApplication::translate("TCommandLine", "не указана папка"));
  }
  return line;
}

// Whether arguments[i] is --lang with a language the program knows: its code, and i then on its
// value. Any other --lang ends in the usage line, which needs no display.
bool KnownLanguageAt(const QStringList& arguments, int& i, QString& code) {
  const QString option = QLatin1String(LanguageOption);
  int next = i;
  if (arguments[i] == option && i + 1 < arguments.size())
    code = arguments[++next];
  else if (arguments[i].startsWith(option + QLatin1Char('=')))
    code = arguments[i].mid(option.size() + 1);
  else
    return false;
  TLanguage language;
  if (!LanguageFromCode(code, language)) return false;
  i = next;
  return true;
}

// The known language the arguments name, also when something else in them is wrong, so that
// the fault is told in it.
QString KnownLanguage(const QStringList& arguments) {
  QString code;
  for (int i = 1; i < arguments.size(); ++i)
    if (KnownLanguageAt(arguments, i, code)) return code;
  return {};
}

TCommandLine ReadArguments(const QStringList& arguments);
}  // namespace

bool RunsWithoutWindow(int argc, const char* const* argv) {
  QStringList arguments;
  for (int i = 0; i < argc && argv[i]; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  QString code;
  for (int i = 1; i < arguments.size(); ++i) {
    if (KnownLanguageAt(arguments, i, code)) continue;
    const QString& a = arguments[i];
    if (a.startsWith(QLatin1String("--")) || a == QLatin1String("-h") || a == QLatin1String("-v") ||
        a == QLatin1String("-?"))
      return true;
  }
  return false;
}

TCommandLine ParseCommandLine(const QStringList& arguments) {
  TCommandLine line = ReadArguments(arguments);
  if (line.Language.isEmpty()) line.Language = KnownLanguage(arguments);
  return line;
}

namespace {
TCommandLine ReadArguments(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  for (const TOptionRow& row : Options) {
    QStringList names{QLatin1String(row.Name)};
    if (std::strcmp(row.Name, "help") == 0) names << QStringLiteral("h") << QStringLiteral("?");
    if (std::strcmp(row.Name, "version") == 0) names << QStringLiteral("v");
    QCommandLineOption option(names, Text(row.Description));
    if (row.ValueName) option.setValueName(Text(row.ValueName));
    parser.addOption(option);
  }
  if (!parser.parse(arguments)) return Wrong(parser.errorText());
  const QString repeated = Repeated(parser);
  if (!repeated.isEmpty()) return Wrong(repeated);
  TCommandLine line = ModeOf(parser);
  if (line.Mode == TRunMode::Wrong || line.Mode == TRunMode::Help || line.Mode == TRunMode::Version) return line;
  const QStringList lessons = parser.positionalArguments();
  if (line.Mode == TRunMode::Window) {
    if (lessons.size() > 1)
      return Wrong(QCoreApplication::translate("TCommandLine", "указано больше одного файла занятия"));
  } else if (lessons.size() != 1) {
    return Wrong(QCoreApplication::translate("TCommandLine", "нужен один файл занятия .resam"));
  }
  if (!lessons.isEmpty()) line.Lesson = lessons.front();
  return line;
}

}  // namespace

QString UsageLine() {
  return QCoreApplication::translate(
      "TCommandLine",
      "Использование: resam [ЗАНЯТИЕ.resam] | --report ФАЙЛ.pdf|ФАЙЛ.html ЗАНЯТИЕ.resam | --compare ЗАНЯТИЕ.resam | "
      "--figures ПАПКА [--format svg|pdf|png] [--csv ПАПКА] ЗАНЯТИЕ.resam | --help | --version; "
      "[--lang ru|en] с любым из них");
}

QString HelpText() {
  QString text =
      QCoreApplication::translate("TCommandLine", "Resam %1: восстановление аналогового сигнала по отсчётам.\n\n")
          .arg(ProgramVersion());
  text += UsageLine() +
          QCoreApplication::translate("TCommandLine",
                                      "\n\nБез параметров открывается окно программы (с файлом занятия - с этим "
                                      "занятием). Параметры работают без окна и без дисплея:\n");
  for (const TOptionRow& row : Options) {
    QString name = QStringLiteral("  --") + QLatin1String(row.Name);
    if (row.ValueName) name += QLatin1Char(' ') + Text(row.ValueName);
    text += name.leftJustified(24) + QLatin1Char(' ') + Text(row.Description) + QLatin1Char('\n');
  }
  text += QCoreApplication::translate(
      "TCommandLine",
      "\nКоды завершения: 0 - готово, 1 - файл занятия не прочитан, 2 - неверные параметры, "
      "3 - результат не удалось записать.\n");
  return text;
}

QString ProgramVersion() { return QStringLiteral(RESAM_VERSION); }

QString FigureFileExtension(TFigureFileFormat format) {
  for (const TFormatName& f : FormatNames)
    if (f.Format == format) return QLatin1String(f.Name);
  return QStringLiteral("svg");
}
