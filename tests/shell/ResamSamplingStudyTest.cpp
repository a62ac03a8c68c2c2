// The sampling studies as a user meets them: the noise window from the menu, the panel's
// line about it, and the alias twin of the "Прямоугольный" fragment on the signal diagram.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <cmath>
#include <functional>

#include "ResamTestSignals.h"
#include "ScriptedPlatform.h"
#include "numerics/Keeper.h"
#include "plotting/Diagram.h"
#include "plotting/DiagramFrameUnit.h"
#include "shell/ResamUnit.h"
#include "sources/PolyGarmUnit.h"
#include "studies/PreFilterUnit.h"
#include "studies/SampleNoiseUnit.h"
#include "widgets/EditFloatUnit.h"
#include "widgets/EditIntUnit.h"

namespace {
// Opens the noise window from the menu; the user's actions happen in it while it is modal.
void RunNoiseWindow(TResamForm& form, const std::function<void(TSampleNoiseForm&)>& act) {
  QTimer::singleShot(0, [&form, act] { act(*form.NoiseForm); });
  form.NoiseItem->trigger();
}

}  // namespace

TEST(ResamSamplingStudy, NoiseWindowAppliesOnlyOnApplyAndCorrectsItsFields) {
  TResamForm form;
  GiveRectangularFragment(form, 20);
  RunNoiseWindow(form, [](TSampleNoiseForm& w) {
    w.CheckBoxNoise->click();
    w.CheckBoxQuantise->click();
    w.EditFloatSnr->setText(QStringLiteral("250"));  // above the limit: corrected, with a message
    w.EditIntBits->setText(QStringLiteral("3"));
    w.ButtonNewNoise->click();
    EXPECT_EQ(w.LabelQuantisationSnr->text(), QStringLiteral("(6,02·b + 1,76 = 49,9 дБ)"));  // nothing quantised yet
    w.ButtonApply->click();
    const QString snr = w.LabelQuantisationSnr->text();
    EXPECT_TRUE(snr.startsWith(QStringLiteral("ОСШ квантования: ")) &&
                snr.endsWith(QStringLiteral(" дБ (6,02·b + 1,76 = 19,8 дБ)")))
        << snr.toStdString();
    w.ButtonClose->click();
  });
  EXPECT_EQ(Scripted().Messages,
            QStringList{QStringLiteral(
                "Введённое значение параметра больше максимально-допустимого.\n Произведена коррекция.")});
  const TSampleNoise applied = form.Engine.SampleNoise();
  EXPECT_EQ(applied, (TSampleNoise{true, 100, true, 3, 2}));
  EXPECT_EQ(form.LabelNoise[0]->text(), QStringLiteral("Шум: ОСШ 100 дБ;"));
  EXPECT_EQ(form.LabelNoise[1]->text(), QStringLiteral("квантование: 3 бит"));
  // Edits closed without "Применить" change nothing, and the window shows the applied settings again.
  RunNoiseWindow(form, [](TSampleNoiseForm& w) {
    EXPECT_EQ(w.EditIntBits->Val(), 3);
    w.CheckBoxNoise->click();
    w.close();
  });
  EXPECT_EQ(form.Engine.SampleNoise(), applied);
  RunNoiseWindow(form, [](TSampleNoiseForm& w) {
    for (QCheckBox* b : {w.CheckBoxNoise, w.CheckBoxQuantise}) b->click();
    w.ButtonApply->click();
    w.ButtonClose->click();
  });
  for (QLabel* line : form.LabelNoise) EXPECT_FALSE(line->isVisibleTo(form.GroupBox1));
}

TEST(ResamSamplingStudy, TwinOfTheRectangularFragmentAndBackWithoutATrace) {
  TResamForm plain, form;
  // With the legends off, the twin's own one-line legend, as it has always been.
  for (TResamForm* f : {&plain, &form}) f->LegendItem->setChecked(false);
  GiveRectangularFragment(plain, 8);
  GiveRectangularFragment(form, 8);
  ASSERT_TRUE(form.TwinItem->isEnabled());
  form.TwinItem->trigger();
  // Sampled at 7 Hz the odd harmonics 5, 7 and 9 Hz of the square wave fold.
  EXPECT_EQ(form.LabelTwin->text(), QStringLiteral("Наложение спектров: 5 Гц → 2 Гц; 7 Гц → 0 Гц; 9 Гц → 2 Гц"));
  TDiagram& d = *form.DFs->Diagram;
  const TKeeper* twin = d.GetKeeper(3);
  ASSERT_TRUE(twin && twin->IsShown());
  EXPECT_EQ(d.GetLegend(), (std::vector<TDiagram::TLegendLine>{{twin->GetColor(), QStringLiteral("Сигнал-двойник")}}));
  EXPECT_FALSE(d.GetLegendRect().isEmpty());
  form.TwinItem->trigger();
  EXPECT_FALSE(twin->IsShown());
  EXPECT_FALSE(form.LabelTwin->isVisibleTo(form.TabSheet1));
  EXPECT_EQ(d.Picture(), plain.DFs->Diagram->Picture());
  form.TwinItem->trigger();
  form.EditN->setText(QStringLiteral("40"));  // more samples: nothing folds any more
  form.EditNExit();
  // Compared with the fragment's highest harmonic, 9 Hz, not with the panel's estimate.
  EXPECT_EQ(form.LabelTwin->text(), QStringLiteral("Наложения спектров нет: fд = 39 Гц > 2·9 Гц"));
  // Another source: the item rests with its tip, the twin goes.
  form.Engine.FormulaSignal = {[](double t) { return std::cos(7 * t); }, 1, 1};
  form.AcceptSignal(TResamEngine::SourceLibrary);
  form.TakeAnalogSignal(TResamEngine::PeriodHalfTmax);
  EXPECT_FALSE(form.TwinItem->isEnabled());
  EXPECT_EQ(form.TwinItem->toolTip(), QStringLiteral("Доступно для полигармонического сигнала"));
  EXPECT_FALSE(twin->IsShown());
  EXPECT_TRUE(Scripted().Messages.isEmpty()) << Scripted().Messages.join('\n').toStdString();
}

// The filter window from the menu: applied, the panel names the filter and its cut-off, the
// signal diagram gets the filtered signal and the spectrum diagram |H|; "Нет" takes them away.
TEST(ResamSamplingStudy, FilterWindowPutsTheFilterOnThePanelAndTheDiagrams) {
  TResamForm form;
  GiveRectangularFragment(form, 8);
  const auto run = [&form](const std::function<void(TPreFilterForm&)>& act) {
    QTimer::singleShot(0, [&form, act] { act(*form.FilterForm); });
    form.FilterItem->trigger();
  };
  run([](TPreFilterForm& w) {
    EXPECT_FALSE(w.EditIntOrder->isEnabled());
    w.RadioKind[2]->click();
    w.EditIntOrder->setText(QStringLiteral("4"));
    w.RadioFixed->click();
    w.EditFloatCutoff->setText(QStringLiteral("3,5"));
    w.ButtonApply->click();
    w.ButtonClose->click();
  });
  EXPECT_TRUE(Scripted().Messages.isEmpty()) << Scripted().Messages.join('\n').toStdString();
  EXPECT_EQ(form.LabelFilter->text(), QStringLiteral("Фильтр: Баттерворта, порядок 4, fср = 3,50 Гц"));
  EXPECT_TRUE(form.LabelFilter->isVisibleTo(form.GroupBox1));
  ASSERT_TRUE(form.FilteredKeeper && form.ResponseKeeper);
  EXPECT_TRUE(form.FilteredKeeper->IsShown() && form.ResponseKeeper->IsShown());
  EXPECT_EQ(form.Engine.SampleValues()[3],
            form.Engine.FilteredSeries().GetValue(form.Engine.T0() + 3 * form.Engine.T()));
  run([](TPreFilterForm& w) {
    w.RadioKind[0]->click();
    w.ButtonApply->click();
    w.ButtonClose->click();
  });
  EXPECT_FALSE(form.LabelFilter->isVisibleTo(form.GroupBox1));
  EXPECT_FALSE(form.FilteredKeeper->IsShown() || form.ResponseKeeper->IsShown());
}
