#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <cmath>
#include <set>
#include <tuple>

#include "AccessibleCheck.h"
#include "ScriptedPlatform.h"
#include "plotting/Diagram.h"
#include "sources/LibUnit.h"
#include "widgets/DecimalEditUnit.h"

namespace {
struct TSignal {
  int Family, K, L, M;
};

// The window shown as the main window shows it, without its modal loop.
struct TShownLib {
  TLibForm Form;
  TShownLib() {
    Form.resize(900, 640);
    Form.show();
  }
  // Through the window's own lists, as a user picks them: l and m are set in family 1,
  // whose lists are all enabled, then the family is chosen.
  void Choose(const TSignal& s) {
    Form.ComboBoxFChange(0);
    Form.ComboBoxKChange(s.K);
    Form.ComboBoxLChange(s.L - 1);
    Form.ComboBoxMChange(s.M);
    Form.ComboBoxFChange(s.Family - 1);
  }
  TSignal Shown() const {
    const TLibFormulas& lib = Form.Formulas();
    return {lib.GetFamily(), lib.GetK(), lib.GetL(), lib.GetM()};
  }
  // Types into an edit and leaves it for the family list, as a user would.
  void Type(TDecimalEdit* edit, const QString& keys) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, keys);
    Form.ComboBoxF->setFocus();
    // Offscreen windows may not be active; the focus-out is then delivered by hand.
    if (edit->isModified()) emit edit->Exit();
  }
};

void ExpectControlsShow(const TShownLib& lib, const TSignal& s) {
  const TLibForm& f = lib.Form;
  EXPECT_EQ(f.ComboBoxF->currentIndex(), s.Family - 1);
  EXPECT_EQ(f.ComboBoxK->currentIndex(), s.K);
  EXPECT_EQ(f.ComboBoxL->currentIndex(), s.L - 1);
  EXPECT_EQ(f.ComboBoxM->currentIndex(), s.M);
  EXPECT_EQ(f.LabelK->text(), QStringLiteral("k = ") + QString::number(s.K));
  EXPECT_EQ(f.ComboBoxL->isEnabled(), s.Family <= 3);
  EXPECT_EQ(f.ComboBoxM->isEnabled(), s.Family <= 6);
  EXPECT_EQ(f.LabelL->isHidden(), s.Family > 3);
  EXPECT_EQ(f.LabelM->isHidden(), s.Family > 6);
  for (int i = 0; i < LibFamilyCount; ++i) EXPECT_EQ(f.Images[i]->isHidden(), i != s.Family - 1) << i;
  EXPECT_EQ(f.ImageTi->isHidden(), s.Family >= 4);
  EXPECT_EQ(f.ImageTi001->isHidden(), s.Family < 4);
}

void ExpectSame(const TSignal& a, const TSignal& b) {
  EXPECT_EQ(a.Family, b.Family);
  EXPECT_EQ(a.K, b.K);
  EXPECT_EQ(a.L, b.L);
  EXPECT_EQ(a.M, b.M);
}

// Runs the event loop until the condition holds (true) or two seconds have passed (false).
template <typename TCondition>
bool WaitFor(TCondition condition) {
  for (int waited = 0; waited < 2000 && !condition(); waited += 10) QTest::qWait(10);
  return condition();
}

// Every pixel column of the diagram's net reads a finite value of its series.
bool EveryColumnFinite(TDiagram* d) {
  const TKeeper* keeper = d->GetKeeper(0);
  for (int x = d->Get_xb_net(); x <= d->Get_xe_net(); ++x)
    if (!std::isfinite(keeper->GetValue(d->PhisToMathX(x)))) return false;
  return std::isfinite(d->GetYmin()) && std::isfinite(d->GetYmax()) && d->GetYmax() > d->GetYmin();
}
}  // namespace

TEST(LibForm, OdometerWrapsThroughTheWindowsControls) {
  TShownLib lib;
  EXPECT_TRUE(AllWidgetsNamed(&lib.Form));
  struct TStep {
    TSignal From;
    QToolButton* TLibForm::*Button;
    TSignal To;
  };
  const TStep steps[] = {
      {{1, 4, 4, 4}, &TLibForm::SpeedButton2, {2, 0, 1, 0}}, {{1, 0, 1, 0}, &TLibForm::SpeedButton1, {7, 4, 4, 4}},
      {{7, 4, 1, 0}, &TLibForm::SpeedButton2, {1, 0, 1, 0}}, {{3, 2, 4, 4}, &TLibForm::SpeedButton2, {3, 3, 1, 0}},
      {{4, 1, 3, 0}, &TLibForm::SpeedButton1, {4, 0, 3, 4}},  // l keeps its value
      {{6, 4, 1, 4}, &TLibForm::SpeedButton2, {7, 0, 1, 0}}, {{5, 0, 2, 0}, &TLibForm::SpeedButton1, {4, 4, 2, 4}},
  };
  for (const TStep& step : steps) {
    lib.Choose(step.From);
    QTest::mouseClick(lib.Form.*step.Button, Qt::LeftButton);
    ExpectSame(lib.Shown(), step.To);
    ExpectControlsShow(lib, step.To);
  }
  // The menu walks the same way.
  lib.Choose({1, 4, 4, 4});
  lib.Form.N4->trigger();
  ExpectSame(lib.Shown(), {2, 0, 1, 0});
  lib.Form.N5->trigger();
  ExpectSame(lib.Shown(), {1, 4, 4, 4});
}

TEST(LibForm, TypedTauAndV0AreClampedWithoutMessages) {
  TShownLib lib;
  struct TCase {
    TDecimalEdit* TLibForm::*Edit;
    QString Keys, Shown;
    double Tau, V0;
  };
  const TCase cases[] = {
      {&TLibForm::EditTay, QStringLiteral("250"), QStringLiteral("100"), 100, 1},
      {&TLibForm::EditTay, QStringLiteral("0"), QStringLiteral("0,01"), 0.01, 1},
      {&TLibForm::EditTay, QStringLiteral("2.5"), QStringLiteral("2,5"), 2.5, 1},        // a point becomes a comma
      {&TLibForm::EditTay, QStringLiteral("-3"), QStringLiteral("3"), 3, 1},             // no minus can be typed
      {&TLibForm::EditTay, QStringLiteral(""), QStringLiteral("3"), 3, 1},               // empty: shown again
      {&TLibForm::EditTay, QStringLiteral(","), QStringLiteral("0,01"), 0.01, 1},        // unreadable: 0
      {&TLibForm::EditV0, QStringLiteral("1234567"), QStringLiteral("100"), 0.01, 100},  // six characters at most
      {&TLibForm::EditV0, QStringLiteral("0,5"), QStringLiteral("0,5"), 0.01, 0.5},
  };
  for (const TCase& c : cases) {
    lib.Type(lib.Form.*c.Edit, c.Keys);
    EXPECT_EQ((lib.Form.*c.Edit)->text(), c.Shown) << c.Keys.toStdString();
    EXPECT_EQ(lib.Form.Formulas().GetTau(), c.Tau) << c.Keys.toStdString();
    EXPECT_EQ(lib.Form.Formulas().GetV0(), c.V0) << c.Keys.toStdString();
  }
  // The diagrams follow: family 1 shows [-tau/2, 3 tau/2] and V0 with a tenth of headroom.
  lib.Type(lib.Form.EditTay, QStringLiteral("4"));
  EXPECT_DOUBLE_EQ(lib.Form.DiagramSignal->GetXmax(), 6);
  EXPECT_DOUBLE_EQ(lib.Form.DiagramSignal->GetYmax(), 0.55);
  // Enter commits tau only when it was changed, V0 always.
  lib.Form.EditTay->setText(QStringLiteral("7"));
  QTest::keyClick(lib.Form.EditTay, Qt::Key_Return);
  EXPECT_EQ(lib.Form.Formulas().GetTau(), 4);
  QTest::keyClicks(lib.Form.EditTay, QStringLiteral("0"));
  QTest::keyClick(lib.Form.EditTay, Qt::Key_Return);
  EXPECT_EQ(lib.Form.Formulas().GetTau(), 70);
  EXPECT_FALSE(lib.Form.EditTay->isModified());
  EXPECT_TRUE(Scripted().Messages.isEmpty());
}

TEST(LibForm, EveryWayOfClosingButSelectingBringsBackTheSelectedSignal) {
  TShownLib lib;
  lib.Choose({5, 2, 1, 3});
  lib.Type(lib.Form.EditTay, QStringLiteral("4"));
  lib.Form.EditV0->setText(QStringLiteral("6"));  // typed but not yet committed: selecting reads it
  QTest::mouseClick(lib.Form.SpeedButton3, Qt::LeftButton);
  EXPECT_TRUE(lib.Form.isHidden());
  EXPECT_TRUE(lib.Form.IsAccepted());
  EXPECT_EQ(lib.Form.GetSymmetry(), 1);
  EXPECT_EQ(lib.Form.GetTau(), 4);
  const TRealFunction signal = lib.Form.GetSignalFunction();
  const double value = signal(0.5);
  EXPECT_GT(value, 0);
  using TClose = void (*)(TLibForm&);
  const TClose closings[] = {
      [](TLibForm& f) { QTest::mouseClick(f.SpeedButton5, Qt::LeftButton); },
      [](TLibForm& f) { f.N3->trigger(); },
      [](TLibForm& f) { QTest::keyClick(&f, Qt::Key_Escape); },
      [](TLibForm& f) { f.close(); },
  };
  for (TClose closing : closings) {
    lib.Form.show();
    EXPECT_FALSE(lib.Form.IsAccepted());
    lib.Choose({7, 1, 1, 0});
    lib.Type(lib.Form.EditTay, QStringLiteral("9"));
    lib.Type(lib.Form.EditV0, QStringLiteral("2"));
    closing(lib.Form);
    EXPECT_TRUE(lib.Form.isHidden());
    EXPECT_FALSE(lib.Form.IsAccepted());
    ExpectSame(lib.Shown(), {5, 2, 1, 3});
    ExpectControlsShow(lib, {5, 2, 1, 3});
    EXPECT_EQ(lib.Form.EditTay->text(), QStringLiteral("4"));
    EXPECT_EQ(lib.Form.EditV0->text(), QStringLiteral("6"));
    EXPECT_EQ(lib.Form.GetSymmetry(), 1);
    EXPECT_EQ(signal(0.5), value);  // the function handed over still reads the selected signal
    EXPECT_NEAR(lib.Form.DiagramSignal->GetYmax(), 6.6, 1e-12);
  }
}

// No signal at the extreme durations gives a NaN or an infinity at any column of either
// diagram, and both diagrams take the ranges they are given: the amplitude goes to the
// same extreme, so that the spectra are as small (1e-4) and as large (1e4) as they get. "Следующий" visits every signal
// once: 100 in each power family, 25 in each exponential one, 5 Gaussian ones.
TEST(LibForm, EverySignalIsFiniteInBothDiagrams) {
  TShownLib lib;
  lib.Form.resize(500, 420);
  constexpr int SignalCount = 3 * 100 + 3 * 25 + 5;
  for (const auto& [tau, v0] : {std::pair{QStringLiteral("0,01"), QStringLiteral("0,01")},
                                std::pair{QStringLiteral("100"), QStringLiteral("100")}}) {
    lib.Type(lib.Form.EditTay, tau);
    lib.Type(lib.Form.EditV0, v0);
    const double t = lib.Form.Formulas().GetTau();
    std::set<std::tuple<int, int, int, int>> visited;
    for (int step = 0; step < SignalCount; ++step) {
      const TSignal s = lib.Shown();
      visited.insert({s.Family, s.K, TLibFormulas::UsesL(s.Family) ? s.L : 0, TLibFormulas::UsesM(s.Family) ? s.M : 0});
      const std::string where = "family " + std::to_string(s.Family) + " k" + std::to_string(s.K) + " l" +
                                std::to_string(s.L) + " m" + std::to_string(s.M) + " tau " + std::to_string(t);
      EXPECT_TRUE(EveryColumnFinite(lib.Form.DiagramSignal)) << where;
      EXPECT_TRUE(EveryColumnFinite(lib.Form.DiagramSpectr)) << where;
      EXPECT_GT(lib.Form.DiagramSpectr->GetYmax(), 0) << where;
      EXPECT_DOUBLE_EQ(lib.Form.DiagramSpectr->GetYmax(), 1.25 * lib.Form.DiagramSpectr->GetKeeper(0)->GetYmax())
          << where;
      EXPECT_DOUBLE_EQ(lib.Form.DiagramSignal->GetYmax(), 1.1 * lib.Form.Formulas().GetV0()) << where;
      // f from -10/tau to 10/tau, scrolled at most to +-70/tau.
      EXPECT_NEAR(lib.Form.DiagramSpectr->GetXmax(), 10 / t, 1e-9 / t) << where;
      EXPECT_NEAR(lib.Form.DiagramSpectr->GetLimitXmin(), -70 / t, 1e-9 / t) << where;
      lib.Form.NextClick();
    }
    EXPECT_EQ(int(visited.size()), SignalCount);
    ExpectSame(lib.Shown(), {1, 0, 1, 0});
  }
  EXPECT_TRUE(Scripted().Messages.isEmpty());
}

TEST(LibForm, CopyingTheWindowRunsInThreeStages) {
  TShownLib lib;
  TLibForm& f = lib.Form;
  const QColor usual = f.palette().color(QPalette::Window);
  struct TCopy {
    void (TLibForm::*Command)();
    int (*Height)(const TLibForm&);
  };
  const TCopy copies[] = {
      {&TLibForm::CopyAllClick, [](const TLibForm& w) { return w.Panel1->height(); }},
      {&TLibForm::CopyDiagramsClick,
       [](const TLibForm& w) { return w.DiagramSignal->y() + w.DiagramSignal->height(); }},
  };
  QApplication::setActiveWindow(&f);
  for (const TCopy& copy : copies) {
    const int writes = Scripted().ClipboardWrites;
    f.ComboBoxF->setFocus();
    (f.*copy.Command)();
    EXPECT_TRUE(f.ToolBar1->isHidden());
    // The family list goes with the tool bar; no edit may take the focus and show its
    // text selected in the picture.
    for (const TDecimalEdit* edit : {f.EditTay, f.EditV0}) {
      EXPECT_FALSE(edit->hasFocus());
      EXPECT_FALSE(edit->hasSelectedText());
    }
    EXPECT_FALSE(f.EditTay->hasFrame());
    EXPECT_TRUE(f.DiagramSignal->GetPrintMode() && f.DiagramSpectr->GetPrintMode());
    EXPECT_EQ(f.palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(Scripted().ClipboardWrites, writes);  // nothing copied before the window repaints
    // The size is taken while the window still wears its print look: on a loaded machine
    // the restoring stage may already have run by the time the copy is seen.
    QSize printLook;
    EXPECT_TRUE(WaitFor([&] {
      if (f.ToolBar1->isHidden()) printLook = QSize(f.Panel1->width(), copy.Height(f));
      return Scripted().ClipboardWrites == writes + 1;
    }));
    EXPECT_EQ(Scripted().Clipboard.size(), printLook);
    EXPECT_EQ(Scripted().Clipboard.pixelColor(2, 2), QColor(Qt::white));
    EXPECT_TRUE(WaitFor([&] { return !f.ToolBar1->isHidden(); }));
    EXPECT_TRUE(f.EditTay->hasFrame());
    EXPECT_TRUE(f.ComboBoxF->hasFocus());
    EXPECT_FALSE(f.DiagramSignal->GetPrintMode() || f.DiagramSpectr->GetPrintMode());
    EXPECT_EQ(f.palette().color(QPalette::Window), usual);
  }
}

TEST(LibForm, FormulaPictureIsCopiedAndSavedFromItsPopUpMenu) {
  TShownLib lib;
  lib.Choose({4, 0, 1, 0});
  ASSERT_FALSE(lib.Form.Images[3]->pixmap().isNull());
  lib.Form.N13->trigger();
  const QImage exponential = Scripted().Clipboard;
  EXPECT_EQ(exponential.size(), lib.Form.Images[3]->pixmap().toImage().size());
  lib.Choose({7, 0, 1, 0});
  lib.Form.N13->trigger();
  EXPECT_EQ(Scripted().Clipboard.size(), lib.Form.Images[6]->pixmap().toImage().size());
  EXPECT_NE(Scripted().Clipboard, exponential);
  QTemporaryDir dir;
  Scripted().AnswerFile(dir.filePath(QStringLiteral("formula")));
  lib.Form.N14->trigger();
  EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("formula.bmp"))));
  EXPECT_TRUE(Scripted().Messages.isEmpty());
}

TEST(LibForm, ToolPanelsFollowTheMouseAndTheRightButton) {
  TShownLib lib;
  TLibForm& f = lib.Form;
  const auto moveOver = [](auto* w) {
    const QPoint at(w->width() / 2, w->height() / 2);
    QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(w->mapToGlobal(at)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(w, &move);
  };
  moveOver(f.DiagramSignal);
  EXPECT_FALSE(f.PanelSignal->isHidden());
  EXPECT_TRUE(f.PanelSpectr->isHidden());
  moveOver(f.DiagramSpectr);
  EXPECT_TRUE(f.PanelSignal->isHidden());
  EXPECT_FALSE(f.PanelSpectr->isHidden());
  QTest::mouseClick(f.DiagramSpectr, Qt::RightButton, Qt::NoModifier, QPoint(20, 20));
  EXPECT_TRUE(f.PanelSpectr->isHidden());
  moveOver(f.DiagramSpectr);
  EXPECT_TRUE(f.PanelSpectr->isHidden());  // put away until the next right click or visit elsewhere
  moveOver(f.GroupBox1);
  moveOver(f.DiagramSpectr);
  EXPECT_FALSE(f.PanelSpectr->isHidden());
  // A click on a diagram or its measuring button switches the cross-hair, and the button follows.
  QTest::mouseClick(f.DiagramSignal, Qt::LeftButton, Qt::NoModifier, QPoint(30, 30));
  EXPECT_TRUE(f.DiagramSignal->GetShowFeeler());
  EXPECT_TRUE(f.SpeedButtonMSig->isChecked());
  f.SpeedButtonMSig->click();
  EXPECT_FALSE(f.DiagramSignal->GetShowFeeler());
  EXPECT_FALSE(f.SpeedButtonMSig->isChecked());
}
