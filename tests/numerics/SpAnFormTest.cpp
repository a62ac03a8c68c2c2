#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

#include "ScriptedPlatform.h"
#include "numerics/SpAnUnit.h"

namespace {
std::vector<double> Ramp(unsigned count) {
  std::vector<double> x(count);
  for (unsigned j = 0; j < count; ++j) x[j] = std::sin(0.37 * j) + 0.01 * j;
  return x;
}

// What the window saw when the modal loop first ran, before the transform's timer fired.
struct TFirstLook {
  bool Visible = false;
  bool Modal = false;
  bool TimerRunning = false;
  QString Label;
};

void LookWhenTheLoopStarts(TSpAnForm& form, TFirstLook& look) {
  QTimer::singleShot(0, &form, [&form, &look] {
    look.Visible = form.isVisible();
    look.Modal = QApplication::activeModalWidget() == &form;
    look.TimerRunning = form.Timer1->isActive();
    look.Label = form.Label1->text();
  });
}

bool SameSpectrum(const TFourierAnalyser& a, const TFourierAnalyser& b, unsigned points) {
  int count = 0;
  return std::memcmp(a.GetAmpSpectrum(count), b.GetAmpSpectrum(count), points * sizeof(double)) == 0 &&
         std::memcmp(a.GetPhaseSpectrum(count), b.GetPhaseSpectrum(count), points * sizeof(double)) == 0;
}
}  // namespace

TEST(SpAnForm, WindowOfTheModule) {
  auto form = std::make_unique<TSpAnForm>();
  EXPECT_EQ(form->windowTitle(), QStringLiteral("Модуль спектрального анализа"));
  EXPECT_EQ(form->Label1->text(), QStringLiteral("Инициализация..."));
  EXPECT_EQ(form->ProgressBar1->maximum(), 100);
  EXPECT_EQ(form->Timer1->interval(), 10);
  EXPECT_FALSE(form->Timer1->isActive());
  EXPECT_EQ(form->size(), QSize(242, 44));
  EXPECT_EQ(SpAnForm, nullptr);  // the application creates the one instance at start-up
}

TEST(SpAnForm, WithIndicationTheFastTransformRunsInsideTheModalWindow) {
  auto form = std::make_unique<TSpAnForm>();
  auto plain = std::make_unique<TFourierAnalyser>();
  for (TFourierAnalyser* s : {static_cast<TFourierAnalyser*>(form.get()), plain.get()}) {
    s->SetFullSize(false);
    s->SetDoublings(4);
  }
  form->SetIndication(true);
  const std::vector<double> x = Ramp(1024);
  TFirstLook look;
  LookWhenTheLoopStarts(*form, look);
  form->Calculate(x.data(), 1024);
  plain->Calculate(x.data(), 1024);

  EXPECT_TRUE(look.Visible);
  EXPECT_TRUE(look.Modal);
  EXPECT_TRUE(look.TimerRunning);
  EXPECT_EQ(look.Label, QStringLiteral("Инициализация..."));  // the work had not begun yet
  EXPECT_FALSE(form->isVisible());
  EXPECT_FALSE(form->Timer1->isActive());
  EXPECT_EQ(form->Label1->text(), QStringLiteral("БПФ 16384 точек..."));
  EXPECT_EQ(form->ProgressBar1->maximum(), 14);
  EXPECT_EQ(form->ProgressBar1->value(), 14);
  EXPECT_TRUE(SameSpectrum(*form, *plain, 16385));
  EXPECT_TRUE(Scripted().CursorStack.isEmpty());
  EXPECT_EQ(Scripted().CursorsPushed.count(Qt::WaitCursor), 3);  // two calculations, one timer tick
}

TEST(SpAnForm, WithIndicationTheDirectTransformCountsItsPoints) {
  auto form = std::make_unique<TSpAnForm>();
  form->SetIndication(true);
  form->SetFFT(false);
  form->SetFullSize(false);
  form->SetDoublings(2);
  const std::vector<double> x = Ramp(100);
  form->Calculate(x.data(), 100);
  EXPECT_EQ(form->Label1->text(), QStringLiteral("ДПФ 256 точек..."));
  EXPECT_EQ(form->ProgressBar1->maximum(), 256);
  EXPECT_EQ(form->ProgressBar1->value(), 256);
  EXPECT_FALSE(form->isVisible());
}

TEST(SpAnForm, WithoutIndicationNoWindowIsShownAndTheBarStaysPut) {
  auto form = std::make_unique<TSpAnForm>();
  form->SetFullSize(false);
  bool shown = false;
  QTimer::singleShot(0, form.get(), [&] { shown = form->isVisible(); });
  const std::vector<double> x = Ramp(500);
  form->Calculate(x.data(), 500);
  QApplication::processEvents();
  EXPECT_FALSE(shown);
  EXPECT_EQ(form->ProgressBar1->value(), 0);
  int count = 0;
  EXPECT_GT(form->GetAmpSpectrum(count)[0], 0);
  EXPECT_EQ(count, 8192);
}

TEST(SpAnForm, WindowClosedBeforeTheTimerStillLeavesTheSpectrum) {
  auto form = std::make_unique<TSpAnForm>();
  auto plain = std::make_unique<TFourierAnalyser>();
  form->SetIndication(true);
  const std::vector<double> x = Ramp(300);
  QTimer::singleShot(0, form.get(), [&] { form->reject(); });  // Escape before the first tick
  form->Calculate(x.data(), 300);
  plain->Calculate(x.data(), 300);
  EXPECT_FALSE(form->isVisible());
  EXPECT_FALSE(form->Timer1->isActive());
  EXPECT_TRUE(SameSpectrum(*form, *plain, TFourierAnalyser::MaxN + 1));
}
