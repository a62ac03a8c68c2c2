// Every window of the program, with a signal given and the studies on, in either language: in
// English no Cyrillic letter is left anywhere a user reads, and back in Russian every text is
// what it was, byte for byte.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>

#include "ResamTestSignals.h"
#include "WindowTexts.h"
#include "numerics/SpAnTurnUnit.h"
#include "numerics/SpAnUnit.h"
#include "platform/Language.h"
#include "plotting/Diagram.h"
#include "shell/AboutUnit.h"
#include "shell/HelloUnit.h"
#include "shell/ResamStartUp.h"
#include "studies/PreFilterUnit.h"
#include "studies/SampleNoiseUnit.h"
#include "studies/StepKeys.h"
#include "widgets/AccessibleNames.h"

namespace {
// A window's texts with its diagrams' titles, axis names and legends, which they paint.
QStringList Shown(const QWidget& window) {
  QStringList texts = WindowTexts(window);
  for (const TDiagram* d : window.findChildren<TDiagram*>()) {
    texts << d->GetNameDiagram() + QStringLiteral(" | ") + d->GetNameY() + QStringLiteral(" | ") + d->GetNameX();
    for (const TDiagram::TLegendLine& line : d->GetLegend()) texts << QStringLiteral("legend: ") + line.Text;
  }
  return texts;
}

// Every top-level window's texts but the earlier tests' (still to be deleted), window after window,
// then those of the modal windows made afresh at each use (no language can be chosen while one is
// open).
QStringList EveryText(const QWidgetList& earlier) {
  QStringList texts;
  for (const QWidget* w : QApplication::topLevelWidgets())
    if (!earlier.contains(w)) texts << Shown(*w);
  TFourierAnalyser module;
  const TSpAnTurnForm settings(module);
  const TAboutForm about;
  return texts << Shown(settings) << Shown(about);
}

// The lines only one of the two lists has.
QString Changed(const QStringList& before, const QStringList& after) {
  QStringList lines;
  for (const QString& t : before)
    if (!after.contains(t)) lines << QStringLiteral("- ") + t;
  for (const QString& t : after)
    if (!before.contains(t)) lines << QStringLiteral("+ ") + t;
  return lines.join(QLatin1Char('\n'));
}

void Choose(QAction* item) {
  item->trigger();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}
}  // namespace

TEST(EveryWindowLanguage, EnglishHasNoRussianLeftAndRussianComesBackWhole) {
  const QWidgetList earlier = QApplication::topLevelWidgets();
  const TResamWindows program;
  TResamForm& form = program.Main();
  GiveLibrarySignal(form, SlowWave, 1, 0);
  form.ComparisonItem->trigger();
  // The studies' windows as their first use makes them.
  form.NoiseForm = new TSampleNoiseForm(&form);
  form.FilterForm = new TPreFilterForm(&form);
  form.ListeningClick();
  form.Keys->KeysItem->trigger();
  TSampleNoise noise;
  noise.Noise = noise.Quantise = true;
  form.ApplySampleNoise(noise);
  TPreFilter filter;
  filter.Kind = TFilterKind::Butterworth;
  form.ApplyFilter(filter);
  const THelloForm card(&form);

  // Laid out as a user sees them, and named again as every language change names them: the
  // names taken from neighbouring captions then stand for what the captions say now.
  ShowMainWindow(form);
  QCoreApplication::processEvents();
  GiveAccessibleNames(&form);
  const QStringList russian = EveryText(earlier);
  ASSERT_FALSE(russian.filter(CyrillicLetter()).isEmpty());
  for (int round = 0; round < 2; ++round) {
    Choose(form.EnglishItem);
    const QStringList left = EveryText(earlier).filter(CyrillicLetter());
    EXPECT_TRUE(left.isEmpty()) << "round " << round << ", still Russian:\n" << left.join('\n').toStdString();
    Choose(form.RussianItem);
    const QStringList back = EveryText(earlier);
    EXPECT_TRUE(back == russian) << "round " << round << ", changed:\n" << Changed(russian, back).toStdString();
  }
  StoreLanguage(TLanguage::Russian);
}
