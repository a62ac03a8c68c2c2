#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTimer>

#include "AccessibleCheck.h"
#include "ResamTestSignals.h"
#include "numerics/SpAnTurnUnit.h"
#include "numerics/SpAnUnit.h"
#include "plotting/DiagramFrameUnit.h"
#include "shell/ResamUnit.h"
#include "sources/PolyGarmUnit.h"

TEST(ResamFormStart, CaptionAndTheNoSignalLabel) {
  TResamForm form;
  form.resize(800, 600);
  form.show();
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Ряд Котельникова - Кварнел, Тармин, 2015г."));
  ASSERT_NE(form.Label5, nullptr);
  EXPECT_TRUE(form.Label5->isVisible());
  EXPECT_EQ(form.Label5->text(), QStringLiteral("Сигнал не задан"));
  EXPECT_EQ(form.Label5->palette().color(QPalette::WindowText), QColor(Qt::red));
  EXPECT_TRUE(form.Label5->font().bold());
  EXPECT_TRUE(form.Label5->font().italic());
  EXPECT_EQ(form.Label5->font().pixelSize(), 24);
  const QRect area = form.centralWidget()->rect();
  EXPECT_TRUE(area.contains(form.Label5->geometry()));
}

TEST(ResamFormStart, EveryControlOfTheWindowsIsNamed) {
  TResamForm form;
  EXPECT_TRUE(AllWidgetsNamed(&form));
  TPolyGarmForm fragment;
  EXPECT_TRUE(AllWidgetsNamed(&fragment));
}

// The first paint lays the tabs out; each resize lays them out again in the same proportions.
TEST(ResamFormLayout, PanesFollowTheWindow) {
  TResamForm form;
  form.resize(1200, 800);
  form.show();
  QApplication::processEvents();
  ASSERT_FALSE(form.FirstPaint);
  GiveLibrarySignal(form, SlowWave, 1, 0);
  // The filter's line on the panel, the longest of its notes, stays inside it too.
  TPreFilter butterworth;
  butterworth.Kind = TFilterKind::Butterworth;
  form.Show(form.Engine.SetPreFilter(butterworth));
  ASSERT_TRUE(form.LabelFilter->isVisibleTo(form.GroupBox1));
  for (QSize size : {QSize(1200, 800), QSize(1500, 950), QSize(640, 480)}) {
    form.resize(size);
    QApplication::processEvents();
    const QSize page = form.TabSheet1->size();
    for (QWidget* sheet : {form.TabSheet2, form.TabSheet3, form.TabSheet4}) EXPECT_EQ(sheet->size(), page);
    EXPECT_EQ(form.GroupBox1->width(), page.width() - 2);
    EXPECT_EQ(form.GroupBox1->y() + form.GroupBox1->height(), page.height() - 5);
    EXPECT_EQ(form.DFs->width(), page.width() - 2);
    EXPECT_EQ(form.DFs->height(), form.GroupBox1->y() - 2);
    EXPECT_EQ(form.DFAS->height(), page.height() / 2 - 2);
    EXPECT_EQ(form.DFE->y(), form.DFAS->height() + 2);
    EXPECT_EQ(form.DFBF->width(), page.width() / 2 - 10);
    EXPECT_EQ(form.DFBFS->x(), form.DFBF->width() + 5);
    EXPECT_EQ(form.DFK->y(), form.DFBF->height() + 5);
    EXPECT_EQ(form.PanelBF->x(), form.DFBFS->x() + 10);
    EXPECT_EQ(form.GroupBoxLagr->width(), page.width() - 40);
    EXPECT_EQ(form.DFLagr->height(), form.GroupBoxLagr->y() - 20);
    // Below the designed width the panel's controls shrink with it and stay inside.
    for (QWidget* w : form.GroupBox1->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
      EXPECT_LE(w->geometry().right(), form.GroupBox1->width()) << size.width();
    // The read-outs keep room for their whole text.
    for (QLabel* l : {form.Label7, form.Label12, form.Label20, form.Label21, form.Label22, form.Label23})
      EXPECT_GE(l->width(), l->sizeHint().width()) << l->text().toStdString();
  }
}

// Two read-outs share a row (fд and ωд, ωm and fm): a first one wider than its column, as
// ωm = 2513,2741 рад/с, pushes the second to the right instead of running into it; narrow
// values leave the second where the panel was designed to have it.
TEST(ResamFormLayout, ReadoutsSharingARowNeverOverlap) {
  TResamForm form;
  form.show();
  const struct {
    TRealFunction Function;
    double Tau;
  } cases[] = {{SlowWave, 1}, {FastWave, 1}, {FastWave, 0.02}};
  for (QSize size : {QSize(1600, 1000), QSize(700, 500)}) {
    form.resize(size);
    QApplication::processEvents();
    const int omegaToValue = form.Label12->x() - form.Label16->x();
    for (const auto& s : cases) {
      GiveLibrarySignal(form, s.Function, s.Tau, 0);
      const std::string shown = (form.Label7->text() + form.Label20->text()).toStdString();
      EXPECT_LT(form.Label7->geometry().right(), form.Label16->x()) << size.width() << shown;
      EXPECT_LT(form.Label20->geometry().right(), form.Label21->x()) << size.width() << shown;
      EXPECT_EQ(form.Label12->x() - form.Label16->x(), omegaToValue) << "the symbol stays with its value";
    }
  }
  form.resize(1600, 1000);
  GiveLibrarySignal(form, SlowWave, 1, 0);
  QApplication::processEvents();
  EXPECT_EQ(form.Label21->x(), 665);
  EXPECT_EQ(form.Label16->x(), 665);
}

TEST(ResamFormCommands, SpectrumModuleItemOpensItsSettingsAndRecomputesNothing) {
  TSpAnForm module;
  SpAnForm = &module;
  TResamForm form;
  GiveLibrarySignal(form, SlowWave, 1, 0);
  const double wm = form.Engine.Wm();
  QTimer::singleShot(0, [] {
    auto* settings = qobject_cast<TSpAnTurnForm*>(QApplication::activeModalWidget());
    ASSERT_NE(settings, nullptr);
    settings->RadioButton2->click();
    settings->Button1->click();
  });
  form.N6->trigger();
  SpAnForm = nullptr;
  EXPECT_EQ(module.GetCriterion(), 1);
  EXPECT_EQ(form.Engine.Wm(), wm);
}
