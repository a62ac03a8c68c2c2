// Sessions as a user meets them: a lesson set up with each source, saved, overwritten by
// another one and opened again comes back bit for bit; a damaged file changes nothing; the
// state the program ends in is there at the next start, from the menu or the command line.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <memory>

#include "EndToEndRoad.h"
#include "ScriptedPlatform.h"
#include "sessions/SessionFile.h"
#include "sessions/SessionHistory.h"
#include "shell/ResamStartUp.h"
#include "studies/ListeningWindow.h"
#include "studies/TermsView.h"
#include "widgets/DecimalEditUnit.h"
#include "widgets/EditFloatUnit.h"
#include "widgets/EditIntUnit.h"

namespace {
template <class T>
QByteArray Bits(const T* values, size_t count) {
  return QByteArray(reinterpret_cast<const char*>(values), qsizetype(count * sizeof(T)));
}
template <class Span>
QByteArray Bits(const Span& values) {
  return Bits(values.data(), values.size());
}

// Everything a user sees or the engine holds, the numbers by their bits.
QList<QByteArray> State(TProgramWindows& w) {
  const TResamEngine& e = w.form.Engine;
  const double numbers[] = {e.T(), e.T0(), e.T1(), e.T2(), e.Wm(), e.Fm(), e.Tmax(), e.Fd(), e.Wd()};
  // A table has no analog signal, error or analog spectrum, and under the Lagrange method the
  // generating function is not the method's: what the engine keeps of them is not shown.
  const bool analog = e.IsAnalog();
  QList<QByteArray> state = {Bits(numbers, std::size(numbers)),
                             analog ? Bits(e.AnalogValues()) : QByteArray(),
                             Bits(e.SampleValues()),
                             analog ? Bits(e.ErrorValues()) : QByteArray(),
                             analog ? Bits(e.AnalogSpectrum()) : QByteArray(),
                             Bits(e.ReconSpectrum()),
                             e.IsLagrange() ? QByteArray() : Bits(e.KernelSpectrum())};
  QStringList texts = {w.form.windowTitle(), QString::number(w.form.PageControl1->currentIndex()),
                       w.form.ComboBoxLagr->currentText()};
  for (const QLineEdit* edit :
       std::initializer_list<const QLineEdit*>{w.form.EditN, w.form.EditT, w.form.EditFloatT1, w.form.EditFloatT2})
    texts << edit->text();
  for (const QLabel* l :
       {w.form.Label7, w.form.Label12, w.form.Label20, w.form.Label21, w.form.Label22, w.form.Label23})
    texts << (l->isHidden() ? QString() : l->text());
  for (const QMenu* menu : {w.form.N30, w.form.N41, w.form.N7, w.form.N12, w.form.N16})
    for (const QAction* a : menu->actions()) texts << QString::number(a->isChecked());
  for (const QToolButton* b : {w.form.SpeedButton3, w.form.SpeedButton4, w.form.SpeedButton5, w.form.SpeedButton9})
    texts << QString::number(b->isChecked());
  state << texts.join(QLatin1Char('|')).toUtf8();
  // What the source window holds.
  int count = 0;
  const double* table = w.editor.GetData(count);
  const TDrawingRecord drawing = w.drawing.Drawing();
  const TPolyGarmValues fragment = w.fragment.Values().GetValues();
  const TLibParameters library = w.library.Formulas().Parameters();
  // Field by field where a structure has padding between its members.
  const QByteArray sources[] = {Bits(drawing.Samples) + Bits(&drawing.XLast, 1), Bits(&library, 1),
                                Bits(fragment.Amplitude, HarmonicCount) + Bits(fragment.Phase, HarmonicCount) +
                                    Bits(fragment.On, HarmonicCount) + Bits(&fragment.Fundamental, 1) +
                                    QByteArray::number(fragment.FrequencyHz + 2 * fragment.PhaseDegrees),
                                Bits(table, size_t(count))};
  return state << sources[e.Source()];
}

// Names the part that differs: 0 the numbers, 1-6 the arrays, 7 the texts, 8 the source's data.
void ExpectSame(const QList<QByteArray>& now, const QList<QByteArray>& then) {
  ASSERT_EQ(now.size(), then.size());
  for (qsizetype i = 0; i < now.size(); ++i)
    EXPECT_TRUE(now[i] == then[i]) << "part " << i << (i == 7 ? "\n" + now[i] + "\n" + then[i] : QByteArray()).data();
}

void Write(const QString& path, const QByteArray& text) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(text);
}

QByteArray Read(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// "Сохранить сеанс..." as the menu offers it, into the file named.
void SaveSession(TResamForm& form, const QString& path) {
  Scripted().AnswerFile(path);
  form.ShowSessionItems();
  form.SaveSessionItem->trigger();
}

struct TLesson {
  const char* Name;
  QToolButton* TResamForm::*Command;
  std::function<void()> Act;  // in the source's window
  QAction* TResamForm::*Method;
  bool CountMode;
  const char* Typed;  // the count or the period
};

const TLesson Lessons[] = {
    {"drawing", &TResamForm::SpeedButton1,
     [] {
       ClickAt(*DiagramEditor->Diagram1, {{1, 0}, {3, 0.7}, {5, -0.4}, {7, 0}});
       QTest::mouseClick(DiagramEditor->SpeedButtonInput, Qt::LeftButton);
     },
     &TResamForm::N111, true, "37"},
    {"table", &TResamForm::SpeedButton2,
     [] {
       TypeIntoGrid(*TabEditorForm, {"2", "-1,25", "0", "3,5", "-0"});
       QTest::mouseClick(TabEditorForm->SpeedButton1, Qt::LeftButton);
     },
     &TResamForm::N212, false, "0,37"},
    {"library", &TResamForm::SpeedButton11,
     [] {
       TLibForm& lib = *LibForm;
       lib.ComboBoxF->setCurrentIndex(4);
       emit lib.ComboBoxF->activated(4);
       Type(lib.EditTay, QStringLiteral("0,7"));
       QTest::mouseClick(lib.SpeedButton3, Qt::LeftButton);
     },
     &TResamForm::N33, true, "23"},
    {"fragment", &TResamForm::SpeedButton18,
     [] {
       QTest::mouseClick(PolyGarmForm->Button4, Qt::LeftButton);  // sawtooth
       QTest::mouseClick(PolyGarmForm->CheckBox[3], Qt::LeftButton);
       QTest::mouseClick(PolyGarmForm->Button1, Qt::LeftButton);
     },
     &TResamForm::N321, false, "0,21"},
};

// A lesson with nothing left at its default: the source's signal, the method, the input mode
// with its value, the interval, the grid, the views, the analysis, the basis and the tab.
void SetUpLesson(TProgramWindows& w, const TLesson& lesson) {
  TResamForm& f = w.form;
  // Before the signal: the spectrum module's criterion and the generating function's analysis
  // take effect at the signal's next computation, and a session keeps the settings.
  f.Engine.SpectrumModule().SetEnergyCriterion();
  f.Engine.SpectrumModule().SetEnergyPart(0.9);
  for (QAction* a : {f.N110, f.N44}) a->trigger();
  RunModal(f.*lesson.Command, lesson.Act);
  (f.*lesson.Method)->trigger();
  if (f.Engine.IsAnalog()) {  // a table has neither the input modes nor the interval
    (lesson.CountMode ? f.N13 : f.N14)->trigger();
    Type(f.EditFloatT1, f.EditFloatT1->text() + QStringLiteral("1"));
    f.N10->trigger();
  }
  Type(lesson.CountMode ? static_cast<QLineEdit*>(f.EditN) : f.EditT, QString::fromUtf8(lesson.Typed));
  // Switching the input mode retakes nothing: the samples stay those the period gave.
  if (f.Engine.IsAnalog() && !lesson.CountMode) f.N13->trigger();
  for (QAction* a : {f.N18, f.N22, f.N25}) a->trigger();
  f.ComboBoxLagr->setCurrentIndex(4);
  f.PageControl1->setCurrentIndex(1);
}
}  // namespace

class Sessions : public testing::Test {
 protected:
  // The test mode (TestMain) keeps the list apart from the user's own.
  void SetUp() override {
    for (const QString& path : RecentSessions()) ForgetSession(path);
  }
  QString File(const char* name) const { return Folder.filePath(QString::fromUtf8(name)); }
  QTemporaryDir Folder;
};

// Saved, overwritten by another lesson with other settings, and opened again: the same numbers
// to the bit, the same texts and check marks, and the source window holding the same data.
TEST_F(Sessions, EachSourceComesBackBitForBit) {
  TProgramWindows w;
  for (const TLesson& lesson : Lessons) {
    SCOPED_TRACE(lesson.Name);
    SetUpLesson(w, lesson);
    const QList<QByteArray> saved = State(w);
    const QString path = File(lesson.Name);  // the extension is added
    SaveSession(w.form, path);
    SetUpLesson(w, Lessons[(&lesson - Lessons + 1) % std::size(Lessons)]);
    for (QAction* a : {w.form.N31, w.form.N17, w.form.N21, w.form.N210, w.form.N43, w.form.N9, w.form.N25})
      a->trigger();
    w.form.Engine.SpectrumModule().SetAmpCriterion();
    ASSERT_FALSE(State(w) == saved);
    Scripted().Messages.clear();
    Scripted().AnswerFile(path + QStringLiteral(".resam"));
    w.form.OpenSessionItem->trigger();
    ExpectSame(State(w), saved);
    EXPECT_TRUE(Scripted().Messages.isEmpty()) << Scripted().Messages.join('\n').toStdString();
    EXPECT_EQ(RecentSessions().value(0), path + QStringLiteral(".resam"));
  }
  // The recent list offers them newest first and opens the one chosen.
  w.form.ShowSessionItems();
  const QList<QAction*> recent = w.form.RecentSessionsMenu->actions();
  ASSERT_EQ(recent.size(), int(std::size(Lessons)));
  EXPECT_TRUE(recent[0]->text().endsWith(QStringLiteral("fragment.resam")));
  recent.back()->trigger();
  EXPECT_EQ(w.form.Engine.Source(), TResamEngine::SourceEditor);
}

namespace {
// Each study away from its default (true), or set otherwise, as the user sets them.
void SetStudies(TResamForm& f, bool first) {
  f.Show(f.Engine.SetSampleNoise({true, first ? 35.0 : 12.0, true, first ? 5 : 11, first ? 7u : 3u}));
  f.Show(f.Engine.SetPreFilter(first ? TPreFilter{TFilterKind::Butterworth, 3, false, 1.75, true}
                                     : TPreFilter{TFilterKind::RC, 6, true, 2.5, false}));
  for (QAction* item : {f.ExactSamplesItem, f.TwinItem, f.Terms->Item, f.ComparisonItem})
    if (item->isChecked() != first) item->trigger();
  if (!first) return;
  f.ListeningItem->trigger();
  Type(f.Listening->EditPitch, QStringLiteral("330"));
  QTest::mouseClick(f.Listening->CheckBoxRepeat, Qt::LeftButton);
  f.Listening->SliderVolume->setValue(40);
}

// What the user sees of each study: the panel's lines, the items, the tab in front, the
// listening window (made now in a program that opened the session first), the noise's seed.
QString Seen(TResamForm& f) {
  f.ListeningItem->trigger();
  const TListeningForm& l = *f.Listening;
  QStringList seen = {f.LabelNoise[0]->text(), f.LabelNoise[1]->text(), f.LabelFilter->text(), f.LabelTwin->text(),
                      l.EditPitch->text()};
  for (const int v :
       {int(f.ExactSamplesItem->isChecked()), int(f.TwinItem->isChecked()), int(f.Terms->Item->isChecked()),
        int(f.ComparisonItem->isChecked()), f.PageControl1->currentIndex(), int(f.Engine.PreFilter().ErrorToFiltered),
        int(f.Engine.SampleNoise().Seed), int(l.CheckBoxRepeat->isChecked()), l.SliderVolume->value()})
    seen << QString::number(v);
  return seen.join(QLatin1Char('|'));
}
}  // namespace

// Every study set away from its default, saved, and opened in another program whose studies
// are set otherwise: each comes back as the user saw it, with the same numbers to the bit.
TEST_F(Sessions, EveryStudyComesBack) {
  const QString path = File("studies.resam");
  QList<QByteArray> saved;
  QString seen;
  {
    const auto run = std::make_unique<TProgramWindows>();
    SetUpLesson(*run, Lessons[3]);
    SetStudies(run->form, true);
    saved = State(*run);
    SaveSession(run->form, path);
    seen = Seen(run->form);
  }
  const auto run = std::make_unique<TProgramWindows>();
  SetUpLesson(*run, Lessons[0]);
  SetStudies(run->form, false);
  Scripted().Messages.clear();
  ASSERT_TRUE(run->form.OpenSession(path));
  ExpectSame(State(*run), saved);
  EXPECT_EQ(Seen(run->form).toStdString(), seen.toStdString());
  EXPECT_TRUE(Scripted().Messages.isEmpty()) << Scripted().Messages.join('\n').toStdString();
}

// A lesson saved before the studies were kept opens as it did: every member it has taken as it
// stands, the studies left as they are; saved again, it is a version-2 lesson with them.
TEST_F(Sessions, VersionOneLessonOpensAsBefore) {
  const auto run = std::make_unique<TProgramWindows>();
  TResamForm& f = run->form;
  f.Show(f.Engine.SetSampleNoise({true, 30, true, 3, 1}));
  f.ComparisonItem->trigger();
  const QString fixture = QStringLiteral(RESAM_TEST_DATA "/lesson-v1-fragment.resam"), again = File("again.resam");
  Scripted().Messages.clear();
  ASSERT_TRUE(f.OpenSession(fixture));
  SaveSession(f, again);
  EXPECT_TRUE(Scripted().Messages.isEmpty()) << Scripted().Messages.join('\n').toStdString();
  const QJsonObject before = QJsonDocument::fromJson(Read(fixture)).object();
  const QJsonObject after = QJsonDocument::fromJson(Read(again)).object();
  for (const QString& key : before.keys())
    EXPECT_TRUE(key == QStringLiteral("version") || after[key] == before[key]) << key.toStdString();
  EXPECT_EQ(after[QStringLiteral("version")].toInt(), 2);
  EXPECT_TRUE(after[QStringLiteral("comparison")].toBool());
  EXPECT_EQ(after[QStringLiteral("quantisation")][QStringLiteral("bits")].toInt(), 3);
}

// Every kind of damage is named, and nothing in the program changes.
TEST_F(Sessions, DamagedFileChangesNothing) {
  TProgramWindows w;
  SetUpLesson(w, Lessons[0]);
  const QString good = File("good.resam");
  SaveSession(w.form, good);
  const QByteArray text = Read(good);
  const QJsonObject root = QJsonDocument::fromJson(text).object();
  // The session with one member of a part (or of the file itself) removed or changed.
  const auto edited = [&root](const char* part, const char* key, const QJsonValue& value) {
    QJsonObject copy = root, inner = part ? root[QLatin1String(part)].toObject() : root;
    inner.remove(QLatin1String(key));
    if (!value.isUndefined()) inner.insert(QLatin1String(key), value);
    part ? void(copy.insert(QLatin1String(part), inner)) : void(copy = inner);
    return QJsonDocument(copy).toJson();
  };
  const QJsonArray tooMany = QJsonArray::fromVariantList(QVariantList(w.drawing.GetCapacity() + 1, 0.5));
  const struct {
    QByteArray Text;
    const char* Problem;
  } cases[] = {
      {"hello", "это не текст JSON"},
      {text.left(text.size() / 2), "это не текст JSON или он оборван"},
      {edited(nullptr, "format", QStringLiteral("other")), "это не сеанс resam"},
      {edited(nullptr, "version", 3), "более новой версией"},
      {edited("filter", "order", 9), "значение поля «filter.order» (9) вне пределов 1 … 8"},
      {edited("filter", "type", QStringLiteral("chebyshev")), "поле «filter.type» должно быть одним из значений"},
      {edited("filter", "cutoffHz", 0), "значение поля «filter.cutoffHz» (0) вне пределов"},
      {edited("filter", "cutoff", QJsonValue::Undefined), "нет поля «filter.cutoff»"},
      {edited("listening", "volume", 101), "значение поля «listening.volume» (101)"},
      {edited(nullptr, "twin", QStringLiteral("yes")), "поле «twin» должно быть true или false"},
      {edited(nullptr, "page", 4), "вкладка «page» (4) не показывается, пока поле «comparison» не true"},
      {edited("sampling", "count", QJsonValue::Undefined), "нет поля «sampling.count»"},
      {edited("sampling", "count", 501), "значение поля «sampling.count» (501) вне пределов 2 … 500"},
      {edited("sampling", "period", QStringLiteral("NaN")), "поле «sampling.period» должно быть числом"},
      {edited("sampling", "start", -1e6), "значение поля «sampling.start»"},
      {edited("drawing", "values", tooMany), "а графический редактор вмещает не более"},
      {edited("drawing", "xmax", 1e300), "не может показать графический редактор"},
      {edited("generatingFunction", "step", 0.02), "не из допустимых: 0,01; 0,001; 0,0001"},
  };
  const QList<QByteArray> before = State(w);
  for (const auto& c : cases) {
    Scripted().Messages.clear();
    Write(good, c.Text);
    EXPECT_FALSE(w.form.OpenSession(good)) << c.Problem;
    ASSERT_EQ(Scripted().Messages.size(), 1);
    EXPECT_TRUE(Scripted().Messages[0].startsWith(QStringLiteral("Файл сеанса повреждён: ")));
    EXPECT_TRUE(Scripted().Messages[0].contains(QString::fromUtf8(c.Problem))) << Scripted().Messages[0].toStdString();
    ExpectSame(State(w), before);
  }
  // A table longer than the editor holds, and the Lagrange method with more samples than it takes.
  Scripted().Messages.clear();
  TSession session;
  ASSERT_EQ(ReadSession(text, session), QString());
  session.Engine.Method = TResamEngine::MethodLagrange;
  session.Engine.N = 60;
  session.Page = BasisSessionPage;
  EXPECT_FALSE(w.form.ApplySession(session));
  ExpectSame(State(w), before);
  QJsonObject table = root;
  table.insert(QStringLiteral("source"), QStringLiteral("table"));
  table.insert(QStringLiteral("table"), QJsonObject{{"values", QJsonArray::fromVariantList(QVariantList(501, 1))}});
  EXPECT_NE(ReadSession(QJsonDocument(table).toJson(), session).indexOf(QStringLiteral("таблица вмещает не более 500")),
            -1);
  // A save that cannot create its file says so.
  Scripted().AnswerFile(File("no such folder/lesson.resam"));
  w.form.SaveSessionItem->trigger();
  ASSERT_EQ(Scripted().Messages.size(), 2);
  EXPECT_TRUE(Scripted().Messages[0].contains(QStringLiteral("(60) больше допустимого для метода (50)")));
  EXPECT_TRUE(Scripted().Messages[1].startsWith(QStringLiteral("Сеанс не сохранён: не удаётся создать файл ")));
}

// The state the program ends in is kept and offered as "Последний сеанс" at the next start; a
// session named on the command line opens at start-up, and one that fails leaves the usual start.
TEST_F(Sessions, LastSessionAndCommandLine) {
  const QString last = File("kept/last.resam");
  QList<QByteArray> ended, kept;
  // Each run's windows on the heap: four engines would not fit on the stack at once.
  {
    const auto run = std::make_unique<TProgramWindows>();
    TProgramWindows& first = *run;
    first.form.KeepLastSession(last);
    SetUpLesson(first, Lessons[2]);
    ended = State(first);
    EndSessions(first.form);
  }
  {
    const auto run = std::make_unique<TProgramWindows>();
    TProgramWindows& second = *run;
    second.form.KeepLastSession(last);
    second.form.ShowSessionItems();
    ASSERT_TRUE(second.form.LastSessionItem->isEnabled());
    EXPECT_FALSE(second.form.SaveSessionItem->isEnabled());
    second.form.LastSessionItem->trigger();
    ExpectSame(State(second), ended);
    EXPECT_TRUE(RecentSessions().isEmpty());
    // What this run keeps meanwhile does not replace the state of the last close.
    second.form.N31->trigger();
    second.form.SaveLastSession();
    kept = State(second);
    second.form.LastSessionItem->trigger();
    ExpectSame(State(second), ended);
  }
  {
    const auto run = std::make_unique<TProgramWindows>();
    // An option's value before the lesson is not taken for it.
    StartSessions(run->form, {QStringLiteral("resam"), QStringLiteral("--lang"), QStringLiteral("ru"), last});
    ExpectSame(State(*run), kept);
  }
  const auto run = std::make_unique<TProgramWindows>();
  TProgramWindows& fourth = *run;
  StartSessions(fourth.form, {QStringLiteral("resam"), File("missing.resam")});
  EXPECT_FALSE(fourth.form.Engine.SignalGiven());
  EXPECT_FALSE(fourth.form.Label5->isHidden());
  EXPECT_EQ(Scripted().Messages.filter(QStringLiteral("Не удаётся открыть файл ")).size(), 1);
}
