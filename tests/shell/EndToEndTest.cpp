// Whole roads as a user takes them: a signal given in one of the source windows by mouse and
// keyboard, handed to the main window, looked at on every tab and rebuilt by several methods.
// The figures are checked against what the signal is known to be, not against the program.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <cmath>
#include <functional>

#include "EndToEndRoad.h"
#include "ScriptedPlatform.h"
#include "UserView.h"
#include "numerics/Keeper.h"
#include "numerics/Mathlib.h"
#include "plotting/Diagram.h"
#include "plotting/DiagramFrameUnit.h"
#include "shell/ResamUnit.h"
#include "sources/LibUnit.h"
#include "sources/PolyGarmUnit.h"
#include "sources/TabEditor08Unit.h"
#include "widgets/DecimalEditUnit.h"
#include "widgets/EditFloatUnit.h"

namespace {

TKeeper* Series(TDiagramFrame* frame, int number) {
  return frame->Diagram->GetKeeper(static_cast<unsigned char>(number));
}

// |integral of s(t) e^(-i w t) dt| over [a, b] by the trapezoid rule on a fine grid.
double SpectralDensity(const std::function<double(double)>& s, double a, double b, double w) {
  constexpr int Steps = 20000;
  const double h = (b - a) / Steps;
  double re = 0, im = 0;
  for (int i = 0; i <= Steps; ++i) {
    const double t = a + i * h, weight = (i == 0 || i == Steps) ? 0.5 : 1.0;
    re += weight * s(t) * std::cos(w * t);
    im += weight * s(t) * std::sin(w * t);
  }
  return h * std::hypot(re, im);
}

// The analysed signal: the source's function on the analysis interval, 0 outside it, where
// an outer sample of a grid anchored at zero may fall.
double Analysed(const TResamForm& form, const std::function<double(double)>& s, double t) {
  return t >= form.Engine.T1() && t <= form.Engine.T2() ? s(t) : 0;
}

// The samples a user sees as markers.
std::vector<double> SampleTops(TResamForm& form) {
  const TKeeper* s = Series(form.DFs, 2);
  std::vector<double> tops;
  for (int i = 0; i < s->GetCount(); ++i) tops.push_back(s->GetSample(i));
  return tops;
}
}  // namespace

// Two harmonics typed into the fragment window: 1 V at 2 Hz and 0,5 V at 6 Hz.
TEST_F(EndToEndRoad, TypedFragmentThroughEveryTabAndMethod) {
  RunModal(form.SpeedButton18, [] {
    TPolyGarmForm& f = *PolyGarmForm;
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Полигармонический сигнал"));
    QTest::mouseClick(f.RadioButton2, Qt::LeftButton);  // frequencies in Hz
    Type(f.EditFloatF[1], QStringLiteral("2"));
    Type(f.EditFloatA[1], QStringLiteral("1"));
    Type(f.EditFloatA[3], QStringLiteral("0,5"));
    QTest::mouseClick(f.Button1, Qt::LeftButton);  // "Готово"
  });
  ASSERT_TRUE(form.Engine.SignalGiven());
  const auto signal = [](double t) { return std::cos(2 * Pi * 2 * t) + 0.5 * std::cos(2 * Pi * 6 * t); };
  // One period of the fundamental, centred on zero.
  EXPECT_DOUBLE_EQ(form.EditFloatT1->Val(), -0.25);
  EXPECT_DOUBLE_EQ(form.EditFloatT2->Val(), 0.25);
  EXPECT_EQ(form.Engine.N(), 2 * form.Engine.Nmin());
  EXPECT_GE(ShownNumber(form.Label21->text()), 6 * 0.95) << "the 6 Hz harmonic lies within the estimated band";
  ExpectPanelConsistent(form);
  for (double t : {-0.2, -0.05, 0.0, 0.13}) EXPECT_NEAR(Series(form.DFs, 0)->GetValue(t), signal(t), 1e-3) << t;
  const std::vector<double> tops = SampleTops(form);
  for (int i = 0; i < form.Engine.N(); ++i)
    EXPECT_NEAR(tops[i], Analysed(form, signal, form.Engine.T0() + i * form.Engine.T()), 1e-3) << i;

  // The spectra: the analog one and T times the discrete one both show each harmonic with
  // half its amplitude times the fragment's length, and nothing at zero.
  const double w1 = 2 * Pi * 2, w3 = 2 * Pi * 6;
  for (int k : {0, 1}) {
    const TKeeper* spectrum = Series(form.DFAS, k);
    EXPECT_NEAR(spectrum->GetValue(0), SpectralDensity(signal, -0.25, 0.25, 0), 0.01) << k;
    EXPECT_NEAR(spectrum->GetValue(w1), SpectralDensity(signal, -0.25, 0.25, w1), 0.01) << k;
    EXPECT_NEAR(spectrum->GetValue(w3), SpectralDensity(signal, -0.25, 0.25, w3), 0.01) << k;
  }
  EXPECT_NEAR(SpectralDensity(signal, -0.25, 0.25, w1), 0.25, 1e-3);
  // The Kotelnikov series passes the discrete spectrum below half the sampling frequency only.
  EXPECT_NEAR(Series(form.DFAS, 2)->GetValue(w1), Series(form.DFAS, 1)->GetValue(w1), 0.005);
  EXPECT_EQ(Series(form.DFAS, 2)->GetValue(0.6 * form.Engine.Wd()), 0);
  EXPECT_EQ(Series(form.DFE, 0)->GetCount(), TResamEngine::ErrorCount);
  EXPECT_EQ(VisitEveryTab(form), 3);

  // In hertz the discrete spectrum repeats with the sampling frequency.
  form.N18->trigger();
  EXPECT_EQ(form.DFAS->Diagram->GetNameX(), QStringLiteral("f,Гц"));
  EXPECT_NEAR(Series(form.DFAS, 1)->GetPeriod(), ShownNumber(form.Label7->text()), 5e-5);
  EXPECT_NEAR(Series(form.DFAS, 0)->GetValue(2), 0.25, 0.01);
  form.N17->trigger();

  ExpectEveryMethod(form);
  EXPECT_TRUE(Scripted().Messages.isEmpty()) << Scripted().Messages.join('\n').toStdString();
}

// An even Gaussian pulse chosen in the library, its duration typed.
TEST_F(EndToEndRoad, LibraryPulseThroughEveryTabAndMethod) {
  RunModal(form.SpeedButton11, [] {
    TLibForm& lib = *LibForm;
    lib.ComboBoxF->setCurrentIndex(6);
    emit lib.ComboBoxF->activated(6);  // "Гауссовские", as a click in the list
    lib.ComboBoxK->setCurrentIndex(0);
    emit lib.ComboBoxK->activated(0);
    Type(lib.EditTay, QStringLiteral("2"));
    QTest::mouseClick(lib.SpeedButton3, Qt::LeftButton);  // "Выбрать сигнал"
  });
  ASSERT_TRUE(form.Engine.SignalGiven());
  EXPECT_EQ(form.Engine.Source(), TResamEngine::SourceLibrary);
  const TRealFunction pulse = LibForm->GetSignalFunction();
  EXPECT_DOUBLE_EQ(form.EditFloatT1->Val(), -1);
  EXPECT_DOUBLE_EQ(form.EditFloatT2->Val(), 1);
  EXPECT_EQ(form.Engine.N(), std::min(2 * form.Engine.Nmin(), int(TResamEngine::MaxCount)));
  ExpectPanelConsistent(form);
  // The pulse peaks at its amplitude in the middle and is symmetric.
  const double v0 = ShownNumber(LibForm->EditV0->text());
  EXPECT_NEAR(Series(form.DFs, 0)->GetValue(0), v0, 1e-3);
  EXPECT_NEAR(Series(form.DFs, 0)->GetValue(-0.4), Series(form.DFs, 0)->GetValue(0.4), 1e-3);
  const std::vector<double> tops = SampleTops(form);
  for (int i = 0; i < form.Engine.N(); ++i)
    EXPECT_NEAR(tops[i], Analysed(form, pulse, form.Engine.T0() + i * form.Engine.T()), 1e-3 * v0) << i;

  // Its spectral density, from the library's own function integrated here.
  const double peak = SpectralDensity(pulse, -1, 1, 0);
  for (double w : {0.0, form.Engine.Wm() / 4, form.Engine.Wm() / 2}) {
    EXPECT_NEAR(Series(form.DFAS, 0)->GetValue(w), SpectralDensity(pulse, -1, 1, w), 0.01 * peak) << w;
    EXPECT_NEAR(Series(form.DFAS, 1)->GetValue(w), SpectralDensity(pulse, -1, 1, w), 0.02 * peak) << w;
  }
  EXPECT_EQ(VisitEveryTab(form), 3);
  ExpectEveryMethod(form);
}

// Values typed into the table: key after key, Enter between them.
TEST_F(EndToEndRoad, TypedTableThroughEveryTabAndMethod) {
  RunModal(form.SpeedButton2, [] {
    TTabEditorForm& editor = *TabEditorForm;
    QTest::mouseClick(editor.SpeedButton2, Qt::LeftButton);  // "Новая таблица"
    TypeIntoGrid(editor, {"1", "-2.5", "3", "0,5", "4"});
    QTest::mouseClick(editor.SpeedButton1, Qt::LeftButton);  // "Обработать данные"
  });
  ASSERT_TRUE(form.Engine.SignalGiven());
  EXPECT_EQ(form.Engine.Source(), TResamEngine::SourceTable);
  const std::vector<double> typed = {1, -2.5, 3, 0.5, 4};
  EXPECT_EQ(SampleTops(form), typed);
  EXPECT_EQ(form.Engine.N(), 5);
  EXPECT_EQ(form.Engine.T(), 1.0);
  ExpectPanelConsistent(form);
  // Only the discrete signal exists: no analog curve, no analog spectrum, no error.
  EXPECT_FALSE(Series(form.DFs, 0)->IsShown());
  EXPECT_FALSE(Series(form.DFAS, 0)->IsShown());
  EXPECT_FALSE(Series(form.DFE, 0)->IsShown());
  // T |Sd| at zero is the sum of the values; at half the sampling frequency, their
  // alternating sum.
  EXPECT_NEAR(Series(form.DFAS, 1)->GetValue(0), 6, 1e-9);
  EXPECT_NEAR(Series(form.DFAS, 1)->GetValue(Pi), 10, 1e-9);
  EXPECT_EQ(VisitEveryTab(form), 3);
  ExpectEveryMethod(form);
  EXPECT_EQ(SampleTops(form), typed) << "no method changes the table's samples";
  EXPECT_TRUE(Scripted().Messages.isEmpty()) << Scripted().Messages.join('\n').toStdString();
}

// A triangular pulse drawn with the mouse: zero to 2 s, up to 1 V at 4 s, down to zero at 6 s.
TEST_F(EndToEndRoad, DrawnPulseThroughEveryTabAndMethod) {
  RunModal(form.SpeedButton1, [] {
    TDiagramEditor& e = *DiagramEditor;
    EXPECT_EQ(e.windowTitle(), QStringLiteral("Кварнел: Графическое задание сигнала"));
    ClickAt(*e.Diagram1, {{2, 0}, {4, 1}, {6, 0}, {8, 0}});
    QTest::mouseClick(e.SpeedButtonInput, Qt::LeftButton);  // "Обработать график"
  });
  ASSERT_TRUE(form.Engine.SignalGiven());
  EXPECT_EQ(form.Engine.Source(), TResamEngine::SourceEditor);
  const auto triangle = [](double t) { return std::max(0.0, 1 - std::fabs(t - 4) / 2); };
  // The drawing is known to a pixel: a column across, a row up or down.
  const double column = drawing.PixelStep(), row = 2.0 / drawing.Diagram1->Get_h_out();
  EXPECT_NEAR(form.EditFloatT1->Val(), 2, 3 * column);
  EXPECT_NEAR(form.EditFloatT2->Val(), 6, 3 * column);
  EXPECT_FALSE(form.Engine.EdgeGuard()) << "a triangle is not flat-topped";
  EXPECT_EQ(form.Engine.N(), std::min(2 * form.Engine.Nmin(), int(TResamEngine::MaxCount)));
  ExpectPanelConsistent(form);
  for (double t : {3.0, 4.0, 5.5}) EXPECT_NEAR(Series(form.DFs, 0)->GetValue(t), triangle(t), 2 * row + column) << t;
  // The spectral density of a triangle of height 1 and half-width 2 is 2 sinc^2(w), so 2 at zero.
  const double peak = SpectralDensity(triangle, form.Engine.T1(), form.Engine.T2(), 0);
  EXPECT_NEAR(peak, 2, 0.01);
  for (double w : {0.0, 0.5, 1.0})
    EXPECT_NEAR(Series(form.DFAS, 0)->GetValue(w), SpectralDensity(triangle, form.Engine.T1(), form.Engine.T2(), w),
                0.02 * peak)
        << w;
  EXPECT_EQ(VisitEveryTab(form), 3);
  ExpectEveryMethod(form);
}
