#include "reports/CommandLine.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <cstring>
#include <iterator>

#include "platform/Language.h"

namespace {
struct TOptionRow {
  const char* Name;
  const char16_t* ValueName;  // null: a switch
  const char16_t* Description;
};
// The options of the help text, in its order; the parser is made from the same rows.
constexpr TOptionRow Options[] = {
    {"report", u"ФАЙЛ", u"записать отчёт о занятии в ФАЙЛ: .pdf (лист A4) или .html (один файл)"},
    {"compare", nullptr, u"вывести сравнение методов: столбцы через табуляцию, числа с точкой"},
    {"figures", u"ПАПКА", u"записать все диаграммы занятия в ПАПКУ"},
    {"format", u"svg|pdf|png", u"формат рисунков для --figures (по умолчанию svg)"},
    {"csv", u"ПАПКА", u"записать данные всех диаграмм занятия в ПАПКУ (CSV)"},
    {"help", nullptr, u"показать эту справку"},
    {"version", nullptr, u"показать версию программы"},
    {"lang", u"ru|en", u"язык программы на этот запуск: ru (русский) или en (английский)"},
};
const char LanguageOption[] = "--lang";

struct TFormatName {
  const char* Name;
  TFigureFileFormat Format;
};
constexpr TFormatName FormatNames[] = {
    {"svg", TFigureFileFormat::Svg}, {"pdf", TFigureFileFormat::Pdf}, {"png", TFigureFileFormat::Png}};

QString Text(const char16_t* text) { return QString::fromUtf16(text); }

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
      return QStringLiteral("параметр --%1 указан дважды").arg(QLatin1String(row.Name));
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
    return Wrong(QStringLiteral("неизвестный язык: %1").arg(line.Language));
  return line;
}

// What the parsed options ask for; the lesson is checked by the caller.
TCommandLine ModeOf(const QCommandLineParser& parser) {
  const auto set = [&](const char* name) { return parser.isSet(QLatin1String(name)); };
  const int modes = int(set("report")) + int(set("compare")) + int(set("figures") || set("csv"));
  if (set("help") || set("version")) {
    if (modes > 0 || parser.positionalArguments().size() > 0 || (set("help") && set("version")))
      return Wrong(QStringLiteral("--help и --version не сочетаются с другими параметрами"));
    TCommandLine line = LanguageOf(parser);
    if (line.Mode == TRunMode::Wrong) return line;
    line.Mode = set("help") ? TRunMode::Help : TRunMode::Version;
    return line;
  }
  if (modes > 1) return Wrong(QStringLiteral("--report, --compare и --figures/--csv не сочетаются"));
  if (set("format") && !set("figures")) return Wrong(QStringLiteral("--format задаётся вместе с --figures"));
  TCommandLine line = LanguageOf(parser);
  if (line.Mode == TRunMode::Wrong) return line;
  if (set("report")) {
    line.Mode = TRunMode::Report;
    line.ReportPath = parser.value(QStringLiteral("report"));
    const QString suffix = QFileInfo(line.ReportPath).suffix().toLower();
    if (suffix != QLatin1String("pdf") && suffix != QLatin1String("html"))
      return Wrong(QStringLiteral("отчёт записывается в файл .pdf или .html"));
  } else if (set("compare")) {
    line.Mode = TRunMode::Compare;
  } else if (modes == 1) {
    line.Mode = TRunMode::Files;
    line.FiguresFolder = parser.value(QStringLiteral("figures"));
    line.CsvFolder = parser.value(QStringLiteral("csv"));
    if (set("format") && !ReadFormat(parser.value(QStringLiteral("format")), line.Format))
      return Wrong(QStringLiteral("неизвестный формат рисунков: ") + parser.value(QStringLiteral("format")));
    if ((set("figures") && line.FiguresFolder.isEmpty()) || (set("csv") && line.CsvFolder.isEmpty()))
      return Wrong(QStringLiteral("не указана папка"));
  }
  return line;
}

// Whether argv[i] is --lang with a language the program knows (i then stands on its value). Any
// other --lang ends in the usage line, which needs no display.
bool KnownLanguageOption(int argc, const char* const* argv, int& i) {
  const char* a = argv[i];
  const size_t length = sizeof LanguageOption - 1;
  const char* code = nullptr;
  int next = i;
  if (std::strcmp(a, LanguageOption) == 0 && i + 1 < argc)
    code = argv[++next];
  else if (std::strncmp(a, LanguageOption, length) == 0 && a[length] == '=')
    code = a + length + 1;
  TLanguage language;
  if (!code || !LanguageFromCode(QString::fromLocal8Bit(code), language)) return false;
  i = next;
  return true;
}
}  // namespace

bool RunsWithoutWindow(int argc, const char* const* argv) {
  for (int i = 1; i < argc && argv[i]; ++i) {
    const char* a = argv[i];
    if (KnownLanguageOption(argc, argv, i)) continue;
    if (std::strncmp(a, "--", 2) == 0 || std::strcmp(a, "-h") == 0 || std::strcmp(a, "-v") == 0 ||
        std::strcmp(a, "-?") == 0)
      return true;
  }
  return false;
}

TCommandLine ParseCommandLine(const QStringList& arguments) {
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
    if (lessons.size() > 1) return Wrong(QStringLiteral("указано больше одного файла занятия"));
  } else if (lessons.size() != 1) {
    return Wrong(QStringLiteral("нужен один файл занятия .resam"));
  }
  if (!lessons.isEmpty()) line.Lesson = lessons.front();
  return line;
}

QString UsageLine() {
  return QStringLiteral(
      "Использование: resam [ЗАНЯТИЕ.resam] | --report ФАЙЛ.pdf|ФАЙЛ.html ЗАНЯТИЕ.resam | --compare ЗАНЯТИЕ.resam | "
      "--figures ПАПКА [--format svg|pdf|png] [--csv ПАПКА] ЗАНЯТИЕ.resam | --help | --version; "
      "[--lang ru|en] с любым из них");
}

QString HelpText() {
  QString text = QStringLiteral("Resam %1: восстановление аналогового сигнала по отсчётам.\n\n").arg(ProgramVersion());
  text += UsageLine() + QStringLiteral(
                            "\n\nБез параметров открывается окно программы (с файлом занятия - с этим "
                            "занятием). Параметры работают без окна и без дисплея:\n");
  for (const TOptionRow& row : Options) {
    QString name = QStringLiteral("  --") + QLatin1String(row.Name);
    if (row.ValueName) name += QLatin1Char(' ') + Text(row.ValueName);
    text += name.leftJustified(24) + QLatin1Char(' ') + Text(row.Description) + QLatin1Char('\n');
  }
  text += QStringLiteral(
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
