#include "UserView.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTabWidget>
#include <cmath>

#include "ScriptedPlatform.h"
#include "numerics/Keeper.h"
#include "numerics/Mathlib.h"
#include "plotting/Diagram.h"
#include "plotting/DiagramColours.h"
#include "plotting/DiagramFrameUnit.h"
#include "shell/ResamUnit.h"
#include "widgets/EditFloatUnit.h"
#include "widgets/EditIntUnit.h"

namespace {
// Half a unit of the fourth decimal: what the panel's rounding may hide.
constexpr double F4 = 5e-5;

bool Finite(double x) { return std::isfinite(x); }

std::string Name(const TDiagramFrame* frame) { return frame->Diagram->GetNameDiagram().toStdString(); }

double Shown(const QLabel* label) { return ShownNumber(label->text()); }
}  // namespace

double ShownNumber(const QString& text) {
  static const QRegularExpression number(QStringLiteral("-?\\d+(,\\d+)?"));
  if (text.contains(QRegularExpression(QStringLiteral("\\d\\.\\d")))) return std::nan("");
  const QRegularExpressionMatch m = number.match(text);
  if (!m.hasMatch()) return std::nan("");
  return m.captured().replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
}

void ExpectNoBadNumbers(const QWidget* window) {
  static const QRegularExpression bad(QStringLiteral("nan|inf|\\d\\.\\d"), QRegularExpression::CaseInsensitiveOption);
  for (const QLabel* label : window->findChildren<QLabel*>())
    if (label->isVisibleTo(window)) {
      EXPECT_FALSE(label->text().contains(bad)) << label->text().toStdString();
    }
  for (const QLineEdit* edit : window->findChildren<QLineEdit*>())
    if (edit->isVisibleTo(window)) {
      EXPECT_FALSE(edit->text().contains(bad)) << edit->text().toStdString();
    }
}

void ExpectPanelConsistent(const TResamForm& form) {
  ASSERT_TRUE(form.GroupBox1->isVisibleTo(&form));
  EXPECT_FALSE(form.Label5->isVisibleTo(&form)) << "no signal is reported while one is given";
  ExpectNoBadNumbers(&form);
  EXPECT_EQ(ShownNumber(form.EditN->text()), form.Engine.N());
  EXPECT_NEAR(ShownNumber(form.EditT->text()), form.Engine.T(), F4);
  const double fd = Shown(form.Label7), wd = Shown(form.Label12);
  EXPECT_NEAR(fd, 1 / form.Engine.T(), F4) << form.Label7->text().toStdString();
  EXPECT_NEAR(wd, 2 * Pi * fd, 2 * Pi * F4 + F4) << form.Label12->text().toStdString();

  // The sample markers: N of them, T apart.
  const TKeeper* samples = form.DFs->Diagram->GetKeeper(2);
  EXPECT_EQ(samples->GetCount(), form.Engine.N());
  EXPECT_NEAR(samples->GetXmin(), form.Engine.T0(), 1e-12 * (1 + std::fabs(form.Engine.T0())));
  EXPECT_NEAR(samples->GetStep(), form.Engine.T(), 1e-9 * form.Engine.T());

  // The interval edits show six significant digits of the interval the engine keeps.
  const double t1 = form.Engine.T1(), t2 = form.Engine.T2();
  if (form.Engine.Source() == TResamEngine::SourceTable) {
    EXPECT_FALSE(form.EditFloatT1->isEnabled());
    EXPECT_FALSE(form.Label20->isVisibleTo(&form)) << "a table has no analog spectrum to estimate from";
    EXPECT_EQ(form.Engine.T1(), 0);
    EXPECT_DOUBLE_EQ(form.Engine.T2(), (form.Engine.N() - 1) * form.Engine.T());
    return;
  }
  EXPECT_NEAR(form.EditFloatT1->Val(), t1, 1e-5 * std::fabs(t1) + 1e-12);
  EXPECT_NEAR(form.EditFloatT2->Val(), t2, 1e-5 * std::fabs(t2) + 1e-12);
  const double wm = Shown(form.Label20), fm = Shown(form.Label21), tmax = Shown(form.Label22);
  EXPECT_GT(wm, 0) << form.Label20->text().toStdString();
  EXPECT_NEAR(fm, wm / (2 * Pi), F4 / (2 * Pi) + F4) << form.Label21->text().toStdString();
  EXPECT_NEAR(tmax, Pi / wm, Pi / (wm * wm) * F4 + F4) << form.Label22->text().toStdString();
  EXPECT_EQ(Shown(form.Label23), std::trunc((t2 - t1) * form.Engine.Wm() / Pi + 1))
      << form.Label23->text().toStdString();
  if (form.N13->isChecked()) {
    const double factor = form.Engine.EdgeGuard() && form.Engine.N() < 100 ? 0.99 : 1.0;
    EXPECT_NEAR(form.Engine.T(), (t2 - t1) * factor / (form.Engine.N() - 1), 1e-12 * (t2 - t1));
  }
}

int ExpectFrameFinite(TDiagramFrame* frame) {
  TDiagram* d = frame->Diagram;
  EXPECT_TRUE(Finite(d->GetXmin()) && Finite(d->GetXmax()) && d->GetXmin() < d->GetXmax()) << Name(frame);
  EXPECT_TRUE(Finite(d->GetYmin()) && Finite(d->GetYmax()) && d->GetYmin() < d->GetYmax()) << Name(frame);
  int shown = 0;
  for (int k = 0; k < d->GetKeeperListLength(); ++k) {
    const TKeeper* s = d->GetKeeper(static_cast<unsigned char>(k));
    if (!s->IsShown() || s->GetCount() == 0) continue;
    ++shown;
    const QColor colour = ColourOf(s->GetColor());
    if (colour != Qt::black && colour != Qt::white) {
      const QImage& picture = d->Picture();
      bool seen = false;
      for (int y = 0; y < picture.height() && !seen; ++y)
        for (int x = 0; x < picture.width() && !seen; ++x) seen = picture.pixelColor(x, y) == colour;
      EXPECT_TRUE(seen) << Name(frame) << " series " << k << " not drawn";
    }
    const double a = s->GetXmin(), b = s->GetXmax();
    if (!(Finite(a) && Finite(b) && a < b)) {
      ADD_FAILURE() << Name(frame) << " series " << k << " spans [" << a << ", " << b << "]";
      continue;
    }
    EXPECT_TRUE(Finite(s->GetYmin()) && Finite(s->GetYmax())) << Name(frame) << " series " << k;
    // A discrete series is read by its samples, any other one at points across its range.
    const bool discrete = s->GetShape() == ShapeDiscrete || s->GetShape() == ShapePeriodicDiscrete;
    const int points = discrete ? s->GetCount() : 201;
    for (int i = 0; i < points; ++i) {
      const double x = a + (b - a) * i / (points - 1);
      const double value = discrete ? s->GetSample(i) : s->GetValue(x);
      if (Finite(value)) continue;
      ADD_FAILURE() << Name(frame) << " series " << k << " point " << i << " reads " << value;
      break;
    }
  }
  return shown;
}

int VisitEveryTab(TResamForm& form) {
  int visited = 0;
  for (int i = 0; i < form.PageControl1->count(); ++i) {
    if (!form.PageControl1->isTabVisible(i)) continue;
    form.PageControl1->setCurrentIndex(i);
    QApplication::processEvents();
    ++visited;
    SCOPED_TRACE(form.PageControl1->tabText(i).toStdString());
    const QList<TDiagramFrame*> frames = form.PageControl1->widget(i)->findChildren<TDiagramFrame*>();
    EXPECT_FALSE(frames.isEmpty());
    for (TDiagramFrame* frame : frames) ExpectFrameFinite(frame);
    ExpectNoBadNumbers(&form);
  }
  form.PageControl1->setCurrentIndex(0);
  return visited;
}

const TMethodCase MethodCases[4] = {
    {&TResamForm::N33, "Интерполяционный многочлен Лагранжа - Кварнел, Тармин, 2015г.", true, 1e-6},
    {&TResamForm::N36, "Локальная полиномиальная интерполяция, порядок: 1 - Кварнел, Тармин, 2015г.", false, 1e-6},
    {&TResamForm::N111, "Локальная сплайновая интерполяция, порядок: 1, степень гладкости: 1 - Кварнел, Тармин, 2015г.",
     false, 1e-3},
    {&TResamForm::N31, "Ряд Котельникова - Кварнел, Тармин, 2015г.", false, 1e-6},
};

void ExpectEveryMethod(TResamForm& form) {
  constexpr int BasisTab = 3, KernelTab = 2;
  for (const TMethodCase& row : MethodCases) {
    SCOPED_TRACE(row.Caption);
    const int before = form.Engine.N();
    Scripted().Messages.clear();
    (form.*row.Item)->trigger();
    EXPECT_EQ(form.windowTitle(), QString::fromUtf8(row.Caption));
    EXPECT_EQ(form.PageControl1->isTabVisible(BasisTab), row.Lagrange);
    EXPECT_EQ(form.PageControl1->isTabVisible(KernelTab), !row.Lagrange);
    // Only the Lagrange limit may speak, and only when it cuts the count.
    if (row.Lagrange && before > TResamEngine::MaxLagrangeCount) {
      EXPECT_EQ(Scripted().Messages.size(), 1);
      EXPECT_EQ(form.Engine.N(), TResamEngine::MaxLagrangeCount);
    } else {
      EXPECT_TRUE(Scripted().Messages.isEmpty()) << Scripted().Messages.join('\n').toStdString();
      EXPECT_EQ(form.Engine.N(), before) << "a method choice does not retake the samples";
    }
    // Every one of these methods interpolates: its curve passes through each sample top.
    const TKeeper* samples = form.DFs->Diagram->GetKeeper(2);
    const TKeeper* curve = form.DFs->Diagram->GetKeeper(1);
    double peak = 0;
    for (int i = 0; i < samples->GetCount(); ++i) peak = std::max(peak, std::fabs(samples->GetSample(i)));
    for (int i = 0; i < samples->GetCount(); ++i) {
      const double t = samples->GetXmin() + i * samples->GetStep();
      ASSERT_NEAR(curve->GetValue(t), samples->GetSample(i), row.NodeTolerance * (1 + peak))
          << "sample " << i << " at " << t;
    }
    ExpectPanelConsistent(form);
    VisitEveryTab(form);
  }
}
