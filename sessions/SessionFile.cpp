// The members of a session file, written and read in one order, each read with its range:
//   format "resam-session", version 1 or 2 (2 is written),
//   source "drawing" | "library" | "fragment" | "table" | "recording", and that source's member:
//     drawing  {xmin, xmax, ymin, ymax, last, values[]}  the editor's ranges, last abscissa, samples
//     table    {values[]}                                at most 500
//     library  {family 1..7, k 0..4, l 1..4, m 0..4, tau, v0 0,01..100}
//     fragment {fundamental 0,1..10, frequencyUnit "rad/s" | "Hz", phaseUnit "rad" | "degree",
//               harmonics[10] {on, amplitude 0..10, phase -400..400}}
//     recording {file, channel "left" | "right" | "sum", rate, start, length, values[]}  the fragment's
//               own samples (4 .. 262144), so that it opens without the file; length = (count - 1) / rate
//   sampling {input "count" | "period", count 2..500, period, start, end, anchor "zero" | "start",
//             flatTop}
//   method: the method's session name (engine/MethodTable.h: "kotelnikov", "lagrange", ...)
//   display {analog, discrete, interpolated}, spectrum {unit, view},
//   generatingFunction {step 0,01 | 0,001 | 0,0001, detail 100 | 250 | 500}, lagrangeBasis 2..50,
//   page 0..3, spectrumModule {criterion, level 0,01..0,8, energyPart 0,5..0,99}.
// Version 2 adds the studies, each a member of its own, and the page 4 (the comparison tab):
//   noise {on, snr -10..100, seed 0..2147483647}, quantisation {on, bits 1..16},
//   exactSamples, twin, terms, comparison (true or false),
//   filter {type "none" | "ideal" | "butterworth" | "rc", order 1..8, cutoff "fd/2" | "fixed",
//           cutoffHz > 0, errorToFiltered},
//   listening {pitch 50..2000, repeat, volume 0..100}.
#include "sessions/SessionFile.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <span>

#include "numerics/FourierAnalyser.h"
#include "platform/Language.h"
#include "sourcedata/TableFile.h"

namespace {
using E = TResamEngine;

const QString FormatName = QStringLiteral("resam-session");
constexpr int FormatVersion = 2;
// The first version that keeps the studies.
constexpr int StudiesVersion = 2;
const QString NegativeZero = QStringLiteral("-0");
constexpr double Largest = std::numeric_limits<double>::max();

const char* const SourceNames[] = {"drawing", "library", "fragment", "table", "recording"};
const char* const ChannelNames[] = {"left", "right", "sum"};
// The highest rate of a sound file, and the lowest a series may be given.
constexpr double MinFragmentRate = 0.001, MaxFragmentRate = 1e6;
// The methods' names in the files are the engine's rows' own.
const std::array<const char*, E::MethodCount> MethodNames = [] {
  std::array<const char*, E::MethodCount> names{};
  for (int m = 0; m < E::MethodCount; ++m) names[m] = MethodRow(E::TMethod(m)).SessionName;
  return names;
}();
const char* const InputNames[] = {"count", "period"};
const char* const AnchorNames[] = {"zero", "start"};
const char* const UnitNames[] = {"circular", "cyclic"};
const char* const ViewNames[] = {"band", "one-period", "two-periods", "four-periods"};
const char* const CriterionNames[] = {"amplitude", "energy", "rectangle"};
const char* const FrequencyUnitNames[] = {"rad/s", "Hz"};
const char* const PhaseUnitNames[] = {"rad", "degree"};
const char* const FilterKindNames[] = {"none", "ideal", "butterworth", "rc"};
const char* const CutoffNames[] = {"fd/2", "fixed"};

// In messages: plain decimals where they stay short, the exponent form beyond; the interface
// language's separator.
QString Shown(double value) {
  const double size = std::fabs(value);
  const char form = size == 0 || (size >= 1e-6 && size < 1e15) ? 'f' : 'g';
  return QLocale::c()
      .toString(value, form, QLocale::FloatingPointShortest)
      .replace(QLatin1Char('.'), ShownDecimalSeparator());
}

// ---- Writing ----

QJsonValue Number(double value) { return std::signbit(value) && value == 0 ? QJsonValue(NegativeZero) : value; }

QJsonArray Numbers(const std::vector<double>& values) {
  QJsonArray array;
  for (double v : values) array.append(Number(v));
  return array;
}

QJsonObject DrawingObject(const TDrawingRecord& d) {
  return {{"xmin", Number(d.Xmin)}, {"xmax", Number(d.Xmax)},  {"ymin", Number(d.Ymin)},
          {"ymax", Number(d.Ymax)}, {"last", Number(d.XLast)}, {"values", Numbers(d.Samples)}};
}

QJsonObject LibraryObject(const TLibParameters& p) {
  return {{"family", p.Family}, {"k", p.K}, {"l", p.L}, {"m", p.M}, {"tau", Number(p.Tau)}, {"v0", Number(p.V0)}};
}

QJsonObject FragmentObject(const TPolyGarmValues& v) {
  QJsonArray harmonics;
  for (int n = 0; n < HarmonicCount; ++n)
    harmonics.append(
        QJsonObject{{"on", v.On[n]}, {"amplitude", Number(v.Amplitude[n])}, {"phase", Number(v.Phase[n])}});
  return {{"fundamental", Number(v.Fundamental)},
          {"frequencyUnit", FrequencyUnitNames[v.FrequencyHz]},
          {"phaseUnit", PhaseUnitNames[v.PhaseDegrees]},
          {"harmonics", harmonics}};
}

QJsonObject RecordingObject(const TRecordingFragment& f) {
  return {{"file", QString::fromStdString(f.FileName)},
          {"channel", ChannelNames[int(f.Channel)]},
          {"rate", Number(f.Rate)},
          {"start", Number(f.Start)},
          {"length", Number(f.Length())},
          {"values", Numbers(f.Samples)}};
}

QJsonObject SamplingObject(const E::TSettings& e) {
  return {{"input", InputNames[!e.CountMode]},
          {"count", e.N},
          {"period", Number(e.T)},
          {"start", Number(e.T1)},
          {"end", Number(e.T2)},
          {"anchor", AnchorNames[!e.AnchoredAtZero]},
          {"flatTop", e.EdgeGuard}};
}

// The studies, one member each, beside the members of version 1.
void InsertStudies(QJsonObject& root, const TSessionStudies& s) {
  const TSampleNoise& n = s.Engine.Noise;
  const TPreFilter& f = s.Engine.Filter;
  root.insert(QLatin1String("noise"),
              QJsonObject{{"on", n.Noise}, {"snr", Number(n.SnrDb)}, {"seed", double(std::min(n.Seed, MaxSeed))}});
  root.insert(QLatin1String("quantisation"), QJsonObject{{"on", n.Quantise}, {"bits", n.Bits}});
  root.insert(QLatin1String("exactSamples"), s.Engine.ExactSamples);
  root.insert(QLatin1String("twin"), s.Engine.Twin);
  root.insert(QLatin1String("terms"), s.Terms);
  root.insert(QLatin1String("comparison"), s.Comparison);
  root.insert(QLatin1String("filter"), QJsonObject{{"type", FilterKindNames[int(f.Kind)]},
                                                   {"order", f.Order},
                                                   {"cutoff", CutoffNames[!f.FollowsFd]},
                                                   {"cutoffHz", Number(f.CutoffHz)},
                                                   {"errorToFiltered", f.ErrorToFiltered}});
  const TListeningSettings& l = s.Listening;
  root.insert(QLatin1String("listening"), QJsonObject{{"pitch", l.Pitch}, {"repeat", l.Repeat}, {"volume", l.Volume}});
}

// ---- Reading ----

// A part of the file: a JSON object and its name in messages ("" for the file itself).
struct TPart {
  QJsonObject Object;
  QString Path;
};

// Reads members and keeps the first problem met; after one, every read gives a default.
class TReader {
 public:
  explicit TReader(QString& fault) : Fault(fault) {}

  TPart Part(const TPart& in, const char* key) {
    const std::optional<QJsonValue> v = Field(in, key);
    if (v && !v->isObject())
      Fail(QCoreApplication::translate("SessionFile", "поле «%1» должно быть объектом.").arg(Name(in, key)));
    return {v && v->isObject() ? v->toObject() : QJsonObject(), Name(in, key)};
  }

  double Value(const TPart& in, const char* key, double lo, double hi) {
    const std::optional<QJsonValue> v = Field(in, key);
    return v ? Ranged(*v, Name(in, key), lo, hi) : lo;
  }

  int Integer(const TPart& in, const char* key, int lo, int hi) {
    const double v = Value(in, key, lo, hi);
    if (v != std::floor(v))
      Fail(QCoreApplication::translate("SessionFile", "поле «%1» должно быть целым числом.").arg(Name(in, key)));
    return Failed() ? lo : int(v);
  }

  bool Flag(const TPart& in, const char* key) {
    const std::optional<QJsonValue> v = Field(in, key);
    if (v && !v->isBool())
      Fail(QCoreApplication::translate("SessionFile", "поле «%1» должно быть true или false.").arg(Name(in, key)));
    return v && v->toBool();
  }

  int Choice(const TPart& in, const char* key, std::span<const char* const> names) {
    const std::optional<QJsonValue> v = Field(in, key);
    if (!v) return 0;
    for (size_t i = 0; i < names.size(); ++i)
      if (v->toString() == QLatin1String(names[i])) return int(i);
    QStringList allowed;
    for (const char* name : names) allowed << QStringLiteral("\"%1\"").arg(QLatin1String(name));
    Fail(QCoreApplication::translate("SessionFile", "поле «%1» должно быть одним из значений %2.")
             .arg(Name(in, key), allowed.join(QStringLiteral(", "))));
    return 0;
  }

  double Among(const TPart& in, const char* key, std::initializer_list<double> allowed) {
    const double v = Value(in, key, -Largest, Largest);
    for (double a : allowed)
      if (v == a) return v;
    QStringList shown;
    for (double a : allowed) shown << Shown(a);
    Fail(QCoreApplication::translate("SessionFile", "значение поля «%1» (%2) не из допустимых: %3.")
             .arg(Name(in, key), Shown(v), shown.join(QStringLiteral("; "))));
    return *allowed.begin();
  }

  // At most `most` numbers, each finite; holder names what they are kept in.
  std::vector<double> Numbers(const TPart& in, const char* key, int most, const QString& holder) {
    const std::optional<QJsonValue> v = Field(in, key);
    if (!v) return {};
    const QString name = Name(in, key);
    if (!v->isArray()) {
      Fail(QCoreApplication::translate("SessionFile", "поле «%1» должно быть списком чисел.").arg(name));
      return {};
    }
    const QJsonArray array = v->toArray();
    if (array.size() > most) {
      Fail(QCoreApplication::translate("SessionFile", "в поле «%1» %2 значений, а %3 не более %4.")
               .arg(name)
               .arg(array.size())
               .arg(holder)
               .arg(most));
      return {};
    }
    std::vector<double> values;
    values.reserve(size_t(array.size()));
    for (qsizetype i = 0; i < array.size() && !Failed(); ++i)
      values.push_back(Ranged(array[i], QStringLiteral("%1[%2]").arg(name).arg(i), -Largest, Largest));
    return values;
  }

  std::vector<TPart> Parts(const TPart& in, const char* key, int count) {
    const std::optional<QJsonValue> v = Field(in, key);
    const QString name = Name(in, key);
    if (v && (!v->isArray() || v->toArray().size() != count))
      Fail(QCoreApplication::translate("SessionFile", "поле «%1» должно быть списком из %2 объектов.")
               .arg(name)
               .arg(count));
    std::vector<TPart> parts;
    for (int i = 0; i < count && !Failed(); ++i) {
      const QJsonValue item = v->toArray()[i];
      if (!item.isObject())
        Fail(QCoreApplication::translate("SessionFile", "поле «%1[%2]» должно быть объектом.").arg(name).arg(i));
      parts.push_back({item.toObject(), QStringLiteral("%1[%2]").arg(name).arg(i)});
    }
    return parts;
  }

  bool Failed() const { return !Fault.isEmpty(); }
  void Fail(const QString& text) {
    if (Fault.isEmpty()) Fault = text;
  }

 private:
  static QString Name(const TPart& in, const char* key) {
    return in.Path.isEmpty() ? QLatin1String(key) : in.Path + QLatin1Char('.') + QLatin1String(key);
  }

  std::optional<QJsonValue> Field(const TPart& in, const char* key) {
    if (Failed()) return std::nullopt;
    const QJsonValue v = in.Object.value(QLatin1String(key));
    if (!v.isUndefined()) return v;
    Fail(QCoreApplication::translate("SessionFile", "нет поля «%1».").arg(Name(in, key)));
    return std::nullopt;
  }

  // The parser refuses numbers beyond the doubles, so every number read is finite.
  double Ranged(const QJsonValue& v, const QString& name, double lo, double hi) {
    if (Failed()) return lo;
    const bool negativeZero = v.isString() && v.toString() == NegativeZero;
    if (!v.isDouble() && !negativeZero) {
      Fail(QCoreApplication::translate("SessionFile", "поле «%1» должно быть числом.").arg(name));
      return lo;
    }
    const double x = negativeZero ? -0.0 : v.toDouble();
    if (!(x >= lo && x <= hi)) {
      Fail(QCoreApplication::translate("SessionFile", "значение поля «%1» (%2) вне пределов %3 … %4.")
               .arg(name, Shown(x), Shown(lo), Shown(hi)));
      return lo;
    }
    return x;
  }

  QString& Fault;
};

void ReadDrawing(TReader& r, const TPart& part, TDrawingRecord& d) {
  d.Xmin = r.Value(part, "xmin", -Largest, Largest);
  d.Xmax = r.Value(part, "xmax", -Largest, Largest);
  d.Ymin = r.Value(part, "ymin", -Largest, Largest);
  d.Ymax = r.Value(part, "ymax", -Largest, Largest);
  d.XLast = r.Value(part, "last", -Largest, Largest);
  d.Samples = r.Numbers(part, "values", MaxSessionDrawingValues,
                        QCoreApplication::translate("SessionFile", "рисунок может содержать"));
}

void ReadLibrary(TReader& r, const TPart& part, TLibParameters& p) {
  p.Family = r.Integer(part, "family", 1, LibFamilyCount);
  p.K = r.Integer(part, "k", 0, LibMaxK);
  p.L = r.Integer(part, "l", LibMinL, LibMaxL);
  p.M = r.Integer(part, "m", 0, LibMaxM);
  p.Tau = r.Value(part, "tau", LibMinParameter, LibMaxParameter);
  p.V0 = r.Value(part, "v0", LibMinParameter, LibMaxParameter);
}

void ReadFragment(TReader& r, const TPart& part, TPolyGarmValues& v) {
  v.Fundamental = r.Value(part, "fundamental", MinFundamental, MaxFundamental);
  v.FrequencyHz = r.Choice(part, "frequencyUnit", FrequencyUnitNames) == 1;
  v.PhaseDegrees = r.Choice(part, "phaseUnit", PhaseUnitNames) == 1;
  const std::vector<TPart> harmonics = r.Parts(part, "harmonics", HarmonicCount);
  for (size_t n = 0; n < harmonics.size(); ++n) {
    v.On[n] = r.Flag(harmonics[n], "on");
    v.Amplitude[n] = r.Value(harmonics[n], "amplitude", 0, MaxAmplitude);
    v.Phase[n] = r.Value(harmonics[n], "phase", -MaxPhase, MaxPhase);
  }
}

void ReadRecording(TReader& r, const TPart& part, TRecordingFragment& f) {
  const QJsonValue file = part.Object.value(QLatin1String("file"));
  if (!r.Failed() && !file.isString())
    r.Fail(QCoreApplication::translate("SessionFile", "поле «%1.file» должно быть строкой.").arg(part.Path));
  f.FileName = file.toString().toStdString();
  f.Channel = TRecordingChannel(r.Choice(part, "channel", ChannelNames));
  f.Rate = r.Value(part, "rate", MinFragmentRate, MaxFragmentRate);
  f.Start = r.Value(part, "start", -MaxSessionPeriod, MaxSessionPeriod);
  const double length = r.Value(part, "length", 0, MaxSessionPeriod);
  f.Samples = r.Numbers(part, "values", int(MaxFragmentSamples),
                        QCoreApplication::translate("SessionFile", "фрагмент записи содержит"));
  if (r.Failed()) return;
  if (f.Samples.size() < size_t(MinFragmentSamples))
    r.Fail(QCoreApplication::translate("SessionFile", "в поле «%1.values» меньше %2 значений.")
               .arg(part.Path)
               .arg(MinFragmentSamples));
  else if (!(std::fabs(length * f.Rate - double(f.Samples.size() - 1)) <= 0.5))
    r.Fail(QCoreApplication::translate(
               "SessionFile", "поле «%1.length» не согласуется с числом значений в «%1.values» и частотой «%1.rate».")
               .arg(part.Path));
}

void ReadSource(TReader& r, const TPart& root, TSession& s) {
  const auto source = E::TSignalSource(r.Choice(root, "source", SourceNames));
  s.Engine.Source = source;
  const TPart part = r.Part(root, SourceNames[source]);
  if (source == E::SourceEditor) ReadDrawing(r, part, s.Drawing);
  if (source == E::SourceTable)
    s.Table = r.Numbers(part, "values", MaxTableValues, QCoreApplication::translate("SessionFile", "таблица вмещает"));
  if (source == E::SourceLibrary) ReadLibrary(r, part, s.Library);
  if (source == E::SourcePolyharmonic) ReadFragment(r, part, s.Fragment);
  if (source == E::SourceRecording) ReadRecording(r, part, s.Recording);
}

void ReadSampling(TReader& r, const TPart& root, E::TSettings& e) {
  const TPart part = r.Part(root, "sampling");
  e.CountMode = r.Choice(part, "input", InputNames) == 0;
  e.N = r.Integer(part, "count", 2, E::MaxCount);
  e.T = r.Value(part, "period", std::numeric_limits<double>::min(), MaxSessionPeriod);
  e.T1 = r.Value(part, "start", -Largest, Largest);
  e.T2 = r.Value(part, "end", -Largest, Largest);
  e.AnchoredAtZero = r.Choice(part, "anchor", AnchorNames) == 0;
  e.EdgeGuard = r.Flag(part, "flatTop");
}

void ReadViews(TReader& r, const TPart& root, TSession& s) {
  s.Engine.Method = E::TMethod(r.Choice(root, "method", MethodNames));
  const TPart display = r.Part(root, "display");
  s.ShowAnalog = r.Flag(display, "analog");
  s.ShowDiscrete = r.Flag(display, "discrete");
  s.ShowInterpolated = r.Flag(display, "interpolated");
  const TPart spectrum = r.Part(root, "spectrum");
  s.Engine.Unit = TFrequencyUnit(r.Choice(spectrum, "unit", UnitNames));
  s.Engine.View = TSpectrumView(r.Choice(spectrum, "view", ViewNames));
  const TPart kernel = r.Part(root, "generatingFunction");
  s.Engine.Step = r.Among(kernel, "step", {KernelStepCoarse, KernelStepMedium, KernelStepFine});
  s.Engine.Detail = int(r.Among(kernel, "detail", {KernelDetailLow, KernelDetailMedium, KernelDetailHigh}));
  s.Engine.BasisCount = r.Integer(root, "lagrangeBasis", MinBasisCount, MaxBasisCount);
  s.Page = r.Integer(root, "page", 0, s.Studies ? SessionPageCount - 1 : ComparisonSessionPage - 1);
  const TPart module = r.Part(root, "spectrumModule");
  s.SpectrumModule.Criterion = r.Choice(module, "criterion", CriterionNames);
  s.SpectrumModule.AmpLevel = r.Value(module, "level", TFourierAnalyser::MinAmpLevel, TFourierAnalyser::MaxAmpLevel);
  s.SpectrumModule.EnergyPart =
      r.Value(module, "energyPart", TFourierAnalyser::MinEnergyPart, TFourierAnalyser::MaxEnergyPart);
}

void ReadStudies(TReader& r, const TPart& root, TSessionStudies& s) {
  TSampleNoise& n = s.Engine.Noise;
  const TPart noise = r.Part(root, "noise");
  n.Noise = r.Flag(noise, "on");
  n.SnrDb = r.Value(noise, "snr", MinSnrDb, MaxSnrDb);
  n.Seed = std::uint64_t(r.Integer(noise, "seed", 0, int(MaxSeed)));
  const TPart quantisation = r.Part(root, "quantisation");
  n.Quantise = r.Flag(quantisation, "on");
  n.Bits = r.Integer(quantisation, "bits", MinBits, MaxBits);
  s.Engine.ExactSamples = r.Flag(root, "exactSamples");
  s.Engine.Twin = r.Flag(root, "twin");
  s.Terms = r.Flag(root, "terms");
  s.Comparison = r.Flag(root, "comparison");
  TPreFilter& f = s.Engine.Filter;
  const TPart filter = r.Part(root, "filter");
  f.Kind = TFilterKind(r.Choice(filter, "type", FilterKindNames));
  f.Order = r.Integer(filter, "order", MinFilterOrder, MaxFilterOrder);
  f.FollowsFd = r.Choice(filter, "cutoff", CutoffNames) == 0;
  f.CutoffHz = r.Value(filter, "cutoffHz", std::numeric_limits<double>::denorm_min(), Largest);
  f.ErrorToFiltered = r.Flag(filter, "errorToFiltered");
  TListeningSettings& l = s.Listening;
  const TPart listening = r.Part(root, "listening");
  l.Pitch = r.Integer(listening, "pitch", MinPitch, MaxPitch);
  l.Repeat = r.Flag(listening, "repeat");
  l.Volume = r.Integer(listening, "volume", 0, VolumeSteps);
}

// The format name first: a JSON file of another kind is named as such, not by its first
// missing member. Returns the file's version.
int ReadFormat(TReader& r, const TPart& root) {
  const QJsonValue format = root.Object.value(QLatin1String("format"));
  if (format.toString() != FormatName) {
    r.Fail(QCoreApplication::translate("SessionFile", "это не сеанс resam (поле «format» должно быть \"%1\").")
               .arg(FormatName));
    return 0;
  }
  const int version = r.Integer(root, "version", 1, INT_MAX);
  if (version > FormatVersion)
    r.Fail(
        QCoreApplication::translate(
            "SessionFile", "сеанс записан более новой версией программы (версия %1, а эта программа читает версию %2).")
            .arg(version)
            .arg(FormatVersion));
  return version;
}
}  // namespace

QByteArray SessionText(const TSession& s) {
  const E::TSettings& e = s.Engine;
  QJsonObject root{
      {"format", FormatName},
      {"version", FormatVersion},
      {"source", SourceNames[e.Source]},
      {"sampling", SamplingObject(e)},
      {"method", MethodNames[e.Method]},
      {"display",
       QJsonObject{{"analog", s.ShowAnalog}, {"discrete", s.ShowDiscrete}, {"interpolated", s.ShowInterpolated}}},
      {"spectrum", QJsonObject{{"unit", UnitNames[int(e.Unit)]}, {"view", ViewNames[int(e.View)]}}},
      {"generatingFunction", QJsonObject{{"step", e.Step}, {"detail", e.Detail}}},
      {"lagrangeBasis", e.BasisCount},
      {"page", s.Page},
      {"spectrumModule", QJsonObject{{"criterion", CriterionNames[s.SpectrumModule.Criterion]},
                                     {"level", s.SpectrumModule.AmpLevel},
                                     {"energyPart", s.SpectrumModule.EnergyPart}}},
  };
  if (e.Source == E::SourceEditor) root.insert(QLatin1String("drawing"), DrawingObject(s.Drawing));
  if (e.Source == E::SourceTable) root.insert(QLatin1String("table"), QJsonObject{{"values", Numbers(s.Table)}});
  if (e.Source == E::SourceLibrary) root.insert(QLatin1String("library"), LibraryObject(s.Library));
  if (e.Source == E::SourcePolyharmonic) root.insert(QLatin1String("fragment"), FragmentObject(s.Fragment));
  InsertStudies(root, s.Studies.value_or(TSessionStudies{}));
  if (e.Source == E::SourceRecording) root.insert(QLatin1String("recording"), RecordingObject(s.Recording));
  return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

QString ReadSession(const QByteArray& text, TSession& session) {
  if (text.size() > MaxSessionFileSize)
    return QCoreApplication::translate("SessionFile", "файл больше %1 МБ, сеанс не бывает так велик.")
        .arg(MaxSessionFileSize >> 20);
  QJsonParseError error;
  const QJsonDocument document = QJsonDocument::fromJson(text, &error);
  if (error.error != QJsonParseError::NoError)
    return QCoreApplication::translate("SessionFile", "это не текст JSON или он оборван (ошибка у знака %1).")
        .arg(error.offset + 1);
  if (!document.isObject()) return QCoreApplication::translate("SessionFile", "в файле нет объекта сеанса.");
  QString fault;
  TReader r(fault);
  const TPart root{document.object(), QString()};
  TSession s;
  if (ReadFormat(r, root) >= StudiesVersion) ReadStudies(r, root, s.Studies.emplace());
  ReadSource(r, root, s);
  ReadSampling(r, root, s.Engine);
  ReadViews(r, root, s);
  if (r.Failed()) return fault;
  session = std::move(s);
  return QString();
}
