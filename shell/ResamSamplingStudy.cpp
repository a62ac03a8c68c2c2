// The sampling studies of the "Исследование" menu: noisy and quantised samples (their
// window, and what the parameter panel says of them), and the alias twin of a polyharmonic
// fragment on the signal diagram with the harmonics that fold listed under it.
#include <QAction>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <cmath>

#include "numerics/Keeper.h"
#include "numerics/Mathlib.h"
#include "platform/CoreServices.h"
#include "platform/Language.h"
#include "plotting/Diagram.h"
#include "plotting/DiagramColours.h"
#include "plotting/DiagramFrameUnit.h"
#include "shell/ResamUnit.h"
#include "sourcedata/PolyGarmSignal.h"
#include "studies/SampleNoiseUnit.h"
#include "widgets/Comfun.h"
#include "widgets/TranslatedTexts.h"

namespace {
// Teal, as the toolkit writes colours: far from the red signal, apart from the blue
// interpolating function and the black samples.
constexpr int TwinColour = 0xA0A000;
// The parameter panel's free place at its design size: right of Tmax and Nmin, one line on
// each of their rows.
constexpr int NoiseLabelLeft = 665, NoiseLabelTop = 71, NoiseLabelPitch = 24;
constexpr int TwinListGap = 2;
constexpr int HertzDecimals = 4;
constexpr int ShownDigits = 6;
constexpr double DegreeToRadian = 0.017453292519943295;

QString FragmentOnly() {
  return QCoreApplication::translate(TResamForm::TextContext,
                                     QT_TRANSLATE_NOOP("TResamForm", "Доступно для полигармонического сигнала"));
}

QString Number(double v) {
  return GeneralForm(v + 0.0, ShownDigits).replace(QLatin1Char('.'), ShownDecimalSeparator());  // + 0.0: no "-0"
}

QString Hertz(double f) {
  const double scale = std::pow(10.0, HertzDecimals);
  return QCoreApplication::translate(TResamForm::TextContext, QT_TRANSLATE_NOOP("TResamForm", "%1 Гц"))
      .arg(Number(std::round(f * scale) / scale));
}

// Compared with the fragment's own highest harmonic, the one the twin folds, rather than with
// the panel's fm, which is estimated from the spectrum and may lie below it.
QString FoldingList(std::span<const TFolding> foldings, double fd, const std::vector<THarmonic>& harmonics) {
  if (foldings.empty()) {
    double highest = 0;
    for (const THarmonic& h : harmonics)
      if (h.Amplitude != 0) highest = std::max(highest, h.Frequency);
    return QCoreApplication::translate(TResamForm::TextContext,
                                       QT_TRANSLATE_NOOP("TResamForm", "Наложения спектров нет: fд = %1 > 2·%2"))
        .arg(Hertz(fd), Hertz(highest));
  }
  QStringList moves;
  for (const TFolding& f : foldings) moves << Hertz(f.From) + QStringLiteral(" → ") + Hertz(f.To);
  return QCoreApplication::translate(TResamForm::TextContext, QT_TRANSLATE_NOOP("TResamForm", "Наложение спектров: %1"))
      .arg(moves.join(QStringLiteral("; ")));
}
}  // namespace

void TResamForm::BuildSamplingStudyItems() {
  NoiseItem = AddTranslatedItem(ResearchMenu, TextContext, QT_TR_NOOP("Шум и квантование отсчётов..."));
  TwinItem = AddTranslatedItem(ResearchMenu, TextContext, QT_TR_NOOP("Показывать сигнал-двойник"));
  ExactSamplesItem = AddTranslatedItem(ResearchMenu, TextContext, QT_TR_NOOP("Отсчёты из точного сигнала"));
  ExactSamplesItem->setCheckable(true);
  TwinItem->setCheckable(true);
  TwinItem->setEnabled(false);
  TwinItem->setToolTip(FragmentOnly());
  // A menu shows tool tips only when told to; an item without a tip of its own still shows none.
  ResearchMenu->setToolTipsVisible(true);
  connect(NoiseItem, &QAction::triggered, this, &TResamForm::SampleNoiseClick);
  connect(TwinItem, &QAction::triggered, this, &TResamForm::TwinClick);
  connect(ExactSamplesItem, &QAction::triggered, this, &TResamForm::ExactSamplesClick);
}

void TResamForm::BuildNoiseLabel() {
  for (int i = 0; i < 2; ++i) {
    LabelNoise[i] = new QLabel(GroupBox1);
    LabelNoise[i]->move(NoiseLabelLeft, NoiseLabelTop + i * NoiseLabelPitch);
    LabelNoise[i]->hide();
  }
}

// The window shows what the engine applies now; what is typed and not applied is forgotten.
void TResamForm::SampleNoiseClick() {
  if (!NoiseForm) {
    NoiseForm = new TSampleNoiseForm(this);
    connect(NoiseForm, &TSampleNoiseForm::Apply, this, &TResamForm::ApplySampleNoise);
  }
  NoiseForm->SetSettings(Engine.SampleNoise());
  NoiseForm->ShowQuantisationSnr(Engine.SampleNoise().Bits, Engine.QuantisationSnr());
  NoiseForm->exec();
}

void TResamForm::ApplySampleNoise(const TSampleNoise& settings) {
  TWaitCursor wait;
  Show(Engine.SetSampleNoise(settings));
  NoiseForm->ShowQuantisationSnr(Engine.SampleNoise().Bits, Engine.QuantisationSnr());
}

// As the fragment sums them: harmonic 0 is the constant A0 cos(P0), a cosine of frequency 0.
void TResamForm::TakeHarmonics(const TPolyGarmSignal& fragment) {
  const double toHertz = fragment.IsFrequencyHz() ? 1 : 1 / TwoPi;
  const double toRadian = fragment.IsPhaseDegrees() ? DegreeToRadian : 1;
  Engine.Harmonics.clear();
  for (int n = 0; n < HarmonicCount; ++n)
    if (fragment.IsOn(n))
      Engine.Harmonics.push_back(
          {fragment.GetAmplitude(n), n == 0 ? 0 : fragment.GetFrequency(n) * toHertz, fragment.GetPhase(n) * toRadian});
}

void TResamForm::ExactSamplesClick() {
  TWaitCursor wait;
  Show(Engine.SetExactSamples(ExactSamplesItem->isChecked()));
}

void TResamForm::TwinClick() {
  TWaitCursor wait;
  Show(Engine.SetTwinShown(TwinItem->isChecked()));
}

QStringList TResamForm::NoiseParts() const {
  const TSampleNoise& s = Engine.SampleNoise();
  QStringList parts;
  if (s.Noise) parts << tr("Шум: ОСШ %1 дБ").arg(Number(s.SnrDb));
  if (s.Quantise) parts << (s.Noise ? tr("квантование: %1 бит") : tr("Квантование: %1 бит")).arg(s.Bits);
  return parts;
}

// The panel's lines as one: what is done to the samples, so that the error and comparison
// tabs do not pass a ranking of noisy samples off as a ranking of methods. The error measured
// against the filtered signal changes every figure, so it is said beside the filter; exact
// samples only mean something where there is an analog signal to take them from.
QString TResamForm::StudyNote() const {
  QStringList parts = NoiseParts();
  if (Engine.HasFilter()) parts << LabelFilter->text();
  if (Engine.HasFilter() && Engine.PreFilter().ErrorToFiltered)
    parts << tr("Ошибка относительно отфильтрованного сигнала");
  if (Engine.ExactSamplesOn() && Engine.IsAnalog()) parts << ExactSamplesItem->text();
  // One sentence: each part after the first goes on in lower case.
  for (int i = 1; i < parts.size(); ++i) parts[i][0] = parts[i][0].toLower();
  return parts.join(QStringLiteral("; "));
}

void TResamForm::ShowSampleNoise() {
  QStringList parts = NoiseParts();
  // One part a line: the free place beside the read-outs is narrow.
  if (parts.size() > 1) parts[0] += QLatin1Char(';');
  for (int i = 0; i < 2; ++i) {
    LabelNoise[i]->setText(i < parts.size() ? parts[i] : QString());
    LabelNoise[i]->adjustSize();
    LabelNoise[i]->setVisible(i < parts.size());
  }
}

void TResamForm::ShowTwinItem() {
  const bool fragment = Engine.SignalGiven() && Engine.Source() == TResamEngine::SourcePolyharmonic;
  TwinItem->setEnabled(fragment);
  TwinItem->setToolTip(fragment ? QString() : FragmentOnly());
}

// Until the twin is first shown the signal diagram keeps its three series and its picture.
void TResamForm::ShowTwin() {
  ShowTwinItem();
  const bool shown = Engine.HasTwin();
  if (!shown && !TwinKeeper) return;
  TDiagram& d = *DFs->Diagram;
  if (!TwinKeeper) {
    TwinKeeper = d.PNewKeeper();
    if (!TwinKeeper) return;
    TwinKeeper->SetColor(TwinColour);
    TwinKeeper->SetBounded(true);
  }
  d.EnableLine(false);
  if (shown) {
    TwinKeeper->TakeData(Engine.TwinSeries());
    TwinKeeper->Show();
  } else {
    TwinKeeper->Hide();
  }
  ShowLegends();
  d.EnableLine(true);
  ShowTwinList(shown);
  d.ShowDiagram();
}

void TResamForm::ShowTwinList(bool shown) {
  if (!LabelTwin) {
    LabelTwin = new QLabel(TabSheet1);
    QPalette palette = LabelTwin->palette();
    palette.setColor(QPalette::WindowText, ColourOf(TwinColour));
    LabelTwin->setPalette(palette);
  }
  if (shown) {
    LabelTwin->setText(FoldingList(Engine.TwinFoldings(), Engine.Fd(), Engine.Harmonics));
    LabelTwin->adjustSize();
  }
  const bool moved = LabelTwin->isHidden() == shown;
  LabelTwin->setVisible(shown);
  // The diagram gives up a line of its height while the list is there.
  if (moved && !FirstPaint) LayoutSignalTab();
}

int TResamForm::TwinListHeight() const {
  return LabelTwin && !LabelTwin->isHidden() ? LabelTwin->sizeHint().height() + TwinListGap : 0;
}
