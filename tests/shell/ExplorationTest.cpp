// Exploring by sliders and keys, and the terms drawn under the interpolating function.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QTest>

#include "ResamTestSignals.h"
#include "ScriptedPlatform.h"
#include "plotting/Diagram.h"
#include "plotting/DiagramFrameUnit.h"
#include "studies/ParameterSliders.h"
#include "studies/ParameterStepper.h"
#include "studies/TermsView.h"
#include "widgets/Comfun.h"
#include "widgets/EditIntUnit.h"

namespace {
using E = TResamEngine;

struct TShownForm : TResamForm {
  TShownForm() {
    show();
    QApplication::setActiveWindow(this);
    GiveLibrarySignal(*this, SlowWave, 1, 0);
  }
  // A press as the keyboard sends it, to the focused control; an auto-repeat when `repeat`.
  void Key(int key, Qt::KeyboardModifiers modifiers, bool repeat = false) {
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : this;
    QTest::simulateEvent(target, true, key, modifiers, QString(), repeat);
  }
  // What a user sees of the samples and the sampling.
  QStringList Seen() const {
    QStringList seen{EditN->text(), EditT->text(), Label7->text(), Label12->text()};
    for (double s : Engine.SampleValues()) seen << QString::number(s, 'g', 17);
    return seen;
  }
};

void Type(QLineEdit* edit, const QString& text) {
  edit->setFocus();
  edit->selectAll();
  QTest::keyClicks(edit, text);
  QTest::keyClick(edit, Qt::Key_Return);
}

// Dragged to `value`, the chain running on the way, then let go.
void Drag(QSlider* slider, int value) {
  slider->setSliderDown(true);
  slider->setValue(value);
  QApplication::processEvents();
  slider->setSliderDown(false);
}
}  // namespace

TEST(Exploration, SliderValueEqualsTyping) {
  static const double table[] = {0.1, 0.5, 0.9, 0.4, -0.2, 0.3, 0.8, 0};
  enum { Count, Period, Table };
  for (int mode : {Count, Period, Table}) {
    TShownForm dragged, typed;
    for (TShownForm* form : {&dragged, &typed}) {
      if (mode == Period) form->N14->trigger();
      if (mode == Table) GiveTableSignal(*form, table, std::size(table));
    }
    TParameterSliders& sliders = *dragged.Sliders;
    ASSERT_EQ(sliders.PeriodSlider->isVisibleTo(&dragged), mode != Count);
    ASSERT_EQ(sliders.CountSlider->isEnabled(), mode == Count);
    if (mode == Count) {
      Drag(sliders.CountSlider, TParameterSliders::PositionOf(37, dragged.Engine.CountLimit()));
      Type(typed.EditN, QStringLiteral("37"));
    } else {
      const TPeriodSpan span = dragged.Engine.SlidablePeriods(TParameterStepper::PeriodDecimals);
      sliders.PeriodSlider->setSliderDown(true);
      sliders.PeriodSlider->setValue(0);
      QApplication::processEvents();  // dragged past the least period: held there
      EXPECT_EQ(dragged.Engine.T(), span.Lo);
      Drag(sliders.PeriodSlider, 371);
      QString text;
      Type(typed.EditT, FormatFixed(4, text, span.At(371, TParameterSliders::PeriodSteps)));
    }
    EXPECT_EQ(dragged.Seen(), typed.Seen()) << "mode " << mode;
  }
  EXPECT_TRUE(Scripted().Messages.isEmpty());
}

// Logarithmic: 2 … 60 take at least half the length; every count has its place, and the
// arrow keys step the count by one (the page keys by ten) however small it is.
TEST(Exploration, CountSliderScaleGivesTheSmallCountsRoomAndReachesEveryCount) {
  using S = TParameterSliders;
  for (int limit : {E::MaxLagrangeCount, 500}) {
    const int last = S::CountPositions(limit);
    EXPECT_EQ(S::CountAt(0, limit), 2);
    EXPECT_EQ(S::CountAt(last, limit), limit);
    EXPECT_GE(S::PositionOf(std::min(60, limit), limit), last / 2) << limit;
    for (int n = 2; n <= limit; ++n) ASSERT_EQ(S::CountAt(S::PositionOf(n, limit), limit), n) << limit;
    for (int p = 1; p <= last; ++p) ASSERT_LE(S::CountAt(p, limit) - S::CountAt(p - 1, limit), 1) << limit;
  }
  TShownForm form;
  QSlider* slider = form.Sliders->CountSlider;
  form.EditN->SetVal(8);
  form.EditNExit();
  const struct {
    int Key, Count;
  } presses[] = {{Qt::Key_Right, 9}, {Qt::Key_Left, 8}, {Qt::Key_Left, 7}, {Qt::Key_PageUp, 17}, {Qt::Key_End, 500}};
  for (const auto& press : presses) {
    QTest::keyClick(slider, Qt::Key(press.Key));
    form.Stepper->Flush();
    EXPECT_EQ(form.Engine.N(), press.Count) << press.Key;
  }
}

TEST(Exploration, KeysStepTheCountAndTheMethodWithinTheirLimits) {
  TShownForm form;
  form.EditN->setFocus();  // the edit would take Ctrl+arrows for itself
  const int start = form.Engine.N(), twiceLeast = 2 * form.Engine.Nmin();
  const Qt::KeyboardModifiers Ctrl = Qt::ControlModifier, CtrlShift = Ctrl | Qt::ShiftModifier;
  const struct {
    int Key;
    Qt::KeyboardModifiers Modifiers;
    int Presses, Count, Method;
  } steps[] = {{Qt::Key_Up, CtrlShift, 3, start + 30, 0},
               {Qt::Key_Down, Ctrl, 1, start + 29, 0},
               {Qt::Key_Down, Ctrl, 200, 2, 0},
               {Qt::Key_Up, CtrlShift, 60, E::MaxCount, 0},
               {Qt::Key_Left, Ctrl, 3, E::MaxCount, 0},
               {Qt::Key_Right, Ctrl, 1, E::MaxLagrangeCount, 1},
               {Qt::Key_Up, Ctrl, 5, E::MaxLagrangeCount, 1},
               {Qt::Key_Right, Ctrl, 30, E::MaxLagrangeCount, 11},
               {Qt::Key_Home, Ctrl, 1, twiceLeast, E::MethodCount - 1}};
  for (const auto& s : steps) {
    for (int i = 0; i < s.Presses; ++i) form.Key(s.Key, s.Modifiers);
    QApplication::processEvents();
    EXPECT_EQ(form.Engine.N(), s.Count) << s.Key << " x" << s.Presses;
    EXPECT_EQ(form.Engine.Method(), s.Method) << s.Key << " x" << s.Presses;
    EXPECT_EQ(form.EditN->Val(), form.Engine.N());
  }
  EXPECT_TRUE(Scripted().Messages.isEmpty());
}

// A hundred repeats arriving while nothing is applied run the chain once, for the last one.
TEST(Exploration, KeyRepeatsAreCoalesced) {
  TShownForm form;
  form.Show(form.Engine.SetCount(100));
  QApplication::processEvents();
  int repaints = 0;
  QObject::connect(form.DFs->Diagram, &TDiagram::OnPaintSeries, [&repaints] { ++repaints; });
  for (int i = 0; i < 100; ++i) form.Key(Qt::Key_Up, Qt::ControlModifier, true);
  EXPECT_EQ(form.Engine.N(), 100);
  QApplication::processEvents();
  EXPECT_EQ(form.Engine.N(), 200);
  EXPECT_EQ(repaints, 1);
  EXPECT_EQ(form.EditN->text(), QStringLiteral("200"));
}

TEST(Exploration, TermsAreDrawnForTheView) {
  TShownForm form;
  form.Show(form.Engine.SetCount(500));
  form.Terms->Item->trigger();
  EXPECT_TRUE(form.Terms->Series(MaxShownTerms - 1)->IsShown());
  EXPECT_TRUE(form.Terms->Note->isVisibleTo(&form));
  EXPECT_EQ(form.Terms->Note->text(), QStringLiteral("показаны 60 слагаемых из 500"));
  // Zoomed in around sample 405.2: the 60 samples nearest it.
  const E& e = form.Engine;
  form.DFs->Diagram->SetRangeX(e.T0() + 400.2 * e.T(), e.T0() + 410.2 * e.T());
  EXPECT_EQ(e.Terms().SampleIndex(0), 405 - 29);
  form.Show(form.Engine.SetCount(12));
  EXPECT_FALSE(form.Terms->Note->isVisibleTo(&form));
  EXPECT_TRUE(form.Terms->Series(11)->IsShown());
  EXPECT_FALSE(form.Terms->Series(12)->IsShown());
  form.Terms->Item->trigger();
  EXPECT_FALSE(form.Terms->Series(0)->IsShown());
}
