#include <gtest/gtest.h>

#include <QComboBox>
#include <QTimer>
#include <QToolButton>
#include <functional>

#include "ScriptedPlatform.h"
#include "shell/ResamUnit.h"
#include "sources/LibUnit.h"
#include "widgets/DecimalEditUnit.h"

namespace {
// Runs the main window's library command; the user's actions happen in the modal window.
void RunLibrary(TResamForm& form, const std::function<void(TLibForm&)>& act) {
  QTimer::singleShot(0, [act] { act(*LibForm); });
  form.SpeedButton11Click();
}

void Choose(TLibForm& lib, int family, int k, const QString& tau) {
  lib.ComboBoxFChange(family - 1);
  lib.ComboBoxKChange(k);
  lib.EditTay->setText(tau);
}
}  // namespace

// The road of a library signal: the interval follows from the symmetry and tau, the
// period is half of the largest admissible one, and leaving the library any other way
// changes nothing in the main window.
TEST(ResamLibrary, SelectedSignalIsAnalysedOnItsIntervalWithHalfTheLargestPeriod) {
  TLibForm library;
  LibForm = &library;
  TResamForm form;
  struct TCase {
    int Family, K;
    QString Tau;
    double T1, T2;
  };
  const TCase cases[] = {
      {1, 0, QStringLiteral("2"), 0, 2},           // one-sided: [0, tau]
      {7, 1, QStringLiteral("0,5"), -0.25, 0.25},  // odd Gaussian: [-tau/2, tau/2]
      {5, 2, QStringLiteral("3"), -1.5, 1.5},      // even exponential
  };
  // In the count mode the count is twice the least one; in the period mode the period is
  // half of the largest admissible one.
  for (bool countMode : {true, false}) {
    for (const TCase& c : cases) {
      (countMode ? form.N13 : form.N14)->trigger();  // the input mode, as from the menu
      RunLibrary(form, [&c](TLibForm& lib) {
        Choose(lib, c.Family, c.K, c.Tau);
        lib.SpeedButton3->click();
      });
      ASSERT_TRUE(form.Engine.SignalGiven());
      EXPECT_EQ(form.Engine.Source(), TResamEngine::SourceLibrary);
      EXPECT_DOUBLE_EQ(form.Engine.T1(), c.T1);
      EXPECT_DOUBLE_EQ(form.Engine.T2(), c.T2);
      EXPECT_GT(form.Engine.Nmin(), 1);
      EXPECT_GT(form.Engine.Tmax(), 0);
      if (countMode)
        EXPECT_EQ(form.Engine.N(), std::min(2 * form.Engine.Nmin(), int(TResamEngine::MaxCount)));
      else
        EXPECT_DOUBLE_EQ(form.Engine.T(), form.Engine.Tmax() * 0.5);
      // The tabulated signal is the library's own at the ends of the interval.
      EXPECT_EQ(form.Engine.AnalogValues()[0], library.GetSignalFunction()(c.T1));
    }
  }
  // Browsing and closing: the main window keeps its signal, and the function it holds still
  // reads the selected one.
  const double t1 = form.Engine.T1(), t2 = form.Engine.T2(), value = form.Engine.FormulaSignal.Function(0.7);
  const int n = form.Engine.N();
  RunLibrary(form, [](TLibForm& lib) {
    Choose(lib, 2, 3, QStringLiteral("9"));
    lib.SpeedButton5->click();
  });
  EXPECT_EQ(form.Engine.T1(), t1);
  EXPECT_EQ(form.Engine.T2(), t2);
  EXPECT_EQ(form.Engine.N(), n);
  EXPECT_EQ(form.Engine.FormulaSignal.Function(0.7), value);
  LibForm = nullptr;
  EXPECT_TRUE(Scripted().Messages.isEmpty()) << Scripted().Messages.join('\n').toStdString();
}
