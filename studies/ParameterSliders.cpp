#include "studies/ParameterSliders.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSlider>
#include <algorithm>
#include <cmath>

#include "studies/ParameterStepper.h"
#include "widgets/Comfun.h"
#include "widgets/TranslatedTexts.h"

namespace {
constexpr int MinCount = 2;
constexpr int CountPageStep = 10;  // counts, not positions
constexpr int PeriodPageStep = 50;
// Design positions in the panel, on the row below its last one.
constexpr int SliderTop = 116, SliderHeight = 21;
constexpr int CountCaptionLeft = 28, CountLeft = 48, CountWidth = 242;
constexpr int PeriodCaptionLeft = 310, PeriodLeft = 330, PeriodWidth = 440;

QSlider* Slider(QWidget* panel, const char* hint, int left, int width) {
  auto* slider = new QSlider(Qt::Horizontal, panel);
  slider->setGeometry(left, SliderTop, width, SliderHeight);
  PutText(slider, TTextRole::ToolTip, "TParameterSliders", hint);
  slider->setTracking(true);
  return slider;
}

QLabel* Caption(QWidget* panel, const QString& text, int left) {
  auto* label = new QLabel(text, panel);
  label->move(left, SliderTop + 3);
  label->adjustSize();
  return label;
}
}  // namespace

TParameterSliders::TParameterSliders(QObject* owner, QWidget* panel, TResamEngine& engine, TParameterStepper& stepper)
    : QObject(owner), Engine(engine), Stepper(stepper) {
  CountCaption = Caption(panel, QStringLiteral("N"), CountCaptionLeft);
  CountSlider = Slider(panel, QT_TR_NOOP("Количество отсчётов на интервале анализа"), CountLeft, CountWidth);
  connect(CountSlider, &QSlider::actionTriggered, this, &TParameterSliders::CountStepped);
  PeriodCaption = Caption(panel, QStringLiteral("T"), PeriodCaptionLeft);
  PeriodSlider = Slider(panel, QT_TR_NOOP("Период дискретизации сигнала"), PeriodLeft, PeriodWidth);
  PeriodSlider->setRange(0, PeriodSteps);
  PeriodSlider->setPageStep(PeriodPageStep);
  connect(CountSlider, &QSlider::valueChanged, this, &TParameterSliders::CountMoved);
  connect(PeriodSlider, &QSlider::valueChanged, this, &TParameterSliders::PeriodMoved);
  connect(CountSlider, &QSlider::sliderReleased, this, &TParameterSliders::Released);
  connect(PeriodSlider, &QSlider::sliderReleased, this, &TParameterSliders::Released);
  // The input mode shows in which box is read-only.
  stepper.CountBox()->installEventFilter(this);
  stepper.PeriodBox()->installEventFilter(this);
  Follow();
}

void TParameterSliders::Show(TResamEngine::TChanges changes) {
  using E = TResamEngine;
  if (changes & (E::ChangeSignal | E::ChangeInterval | E::ChangeSamples | E::ChangeMethod)) Follow();
}

bool TParameterSliders::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ReadOnlyChange) Follow();
  return QObject::eventFilter(watched, event);
}

// A slider being dragged keeps its range and place under the pointer.
void TParameterSliders::Follow() {
  const TParameterStepper& stepper = Stepper;
  if (!CountSlider->isSliderDown()) {
    const QSignalBlocker quiet(CountSlider);
    CountSlider->setRange(0, CountPositions(Engine.CountLimit()));
    CountSlider->setValue(PositionOf(Engine.N(), Engine.CountLimit()));
  }
  CountSlider->setEnabled(stepper.CountTyped());
  CountCaption->setEnabled(stepper.CountTyped());
  const bool period = stepper.PeriodTyped();
  PeriodCaption->setVisible(period);
  PeriodSlider->setVisible(period);
  if (period && !PeriodSlider->isSliderDown()) FollowPeriod();
}

// The slider stays where it is while its place still means the current period (it may have
// been put on the box's grid), so that a step by the keyboard is never undone.
void TParameterSliders::FollowPeriod() {
  Span = Engine.SlidablePeriods(TParameterStepper::PeriodDecimals);
  PeriodSlider->setEnabled(Span.Usable());
  if (!Span.Usable()) return;
  QString shown, meant;
  FormatFixed(TParameterStepper::PeriodDecimals, shown, Engine.T());
  FormatFixed(TParameterStepper::PeriodDecimals, meant, Span.At(PeriodSlider->value(), PeriodSteps));
  if (shown == meant) return;
  const QSignalBlocker quiet(PeriodSlider);
  PeriodSlider->setValue(Span.StepOf(Engine.T(), PeriodSteps));
}

// n(p) = 2·(limit/2)^(p/P): with P at least limit·ln(limit/2) the count grows by at most one
// from a position to the next, so that rounding meets every count.
int TParameterSliders::CountPositions(int limit) {
  if (limit <= MinCount) return 0;
  return int(std::ceil(limit * std::log(0.5 * limit)));
}

int TParameterSliders::CountAt(int position, int limit) {
  const int last = CountPositions(limit);
  if (last == 0) return MinCount;
  const double fraction = double(std::clamp(position, 0, last)) / last;
  return std::clamp(int(std::lround(MinCount * std::pow(0.5 * limit, fraction))), MinCount, limit);
}

int TParameterSliders::PositionOf(int count, int limit) {
  const int last = CountPositions(limit);
  if (last == 0) return 0;
  count = std::clamp(count, MinCount, limit);
  int p = int(std::lround(last * std::log(0.5 * count) / std::log(0.5 * limit)));
  p = std::clamp(p, 0, last);
  // The rounding of the inverse may land a position beside the count's own.
  while (p > 0 && CountAt(p, limit) > count) --p;
  while (p < last && CountAt(p, limit) < count) ++p;
  return p;
}

void TParameterSliders::CountMoved(int position) { Stepper.RequestCount(CountAt(position, Engine.CountLimit())); }

// Keys step by counts: one position is a fraction of a count among the small ones.
void TParameterSliders::CountStepped(int action) {
  const int steps[] = {0, 1, -1, CountPageStep, -CountPageStep};  // QAbstractSlider::SliderAction's order
  if (action < QAbstractSlider::SliderSingleStepAdd || action > QAbstractSlider::SliderPageStepSub) return;
  const int limit = Engine.CountLimit();
  const int from = CountAt(CountSlider->value(), limit);
  CountSlider->setSliderPosition(PositionOf(from + steps[action], limit));
}

void TParameterSliders::PeriodMoved(int step) {
  if (Span.Usable()) Stepper.RequestPeriod(Span.At(step, PeriodSteps));
}

// Letting go leaves the state of the last value typed; the slider then takes its place anew.
void TParameterSliders::Released() {
  Stepper.Flush();
  Follow();
}
