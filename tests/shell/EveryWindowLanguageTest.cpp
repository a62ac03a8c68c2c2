// Every window of the program, with a signal given and the studies on, in either language: in
// English no Cyrillic letter is left anywhere a user reads, and back in Russian every text is
// what it was, byte for byte.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>

#include "ResamTestSignals.h"
#include "ShownTexts.h"
#include "numerics/SpAnTurnUnit.h"
#include "numerics/SpAnUnit.h"
#include "platform/Language.h"
#include "shell/AboutUnit.h"
#include "shell/HelloUnit.h"
#include "shell/ResamStartUp.h"
#include "studies/PreFilterUnit.h"
#include "studies/SampleNoiseUnit.h"

namespace {
// Every top-level window's texts, window after window, then those of the modal windows made
// afresh at each use (no language can be chosen while one is open).
QStringList EveryText() {
  QStringList texts;
  for (QWidget* w : QApplication::topLevelWidgets()) texts << ShownTexts(w);
  TFourierAnalyser module;
  TSpAnTurnForm settings(module);
  TAboutForm about;
  return texts << ShownTexts(&settings) << ShownTexts(&about);
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
  const TResamWindows program;
  TResamForm& form = program.Main();
  GiveLibrarySignal(form, SlowWave, 1, 0);
  form.ComparisonItem->trigger();
  // The studies' windows as their first use makes them.
  form.NoiseForm = new TSampleNoiseForm(&form);
  form.FilterForm = new TPreFilterForm(&form);
  form.ListeningClick();
  TSampleNoise noise;
  noise.Noise = noise.Quantise = true;
  form.ApplySampleNoise(noise);
  TPreFilter filter;
  filter.Kind = TFilterKind::Butterworth;
  form.ApplyFilter(filter);
  const THelloForm card(&form);

  const QStringList russian = EveryText();
  ASSERT_FALSE(WithCyrillic(russian).isEmpty());
  for (int round = 0; round < 2; ++round) {
    Choose(form.EnglishItem);
    const QStringList left = WithCyrillic(EveryText());
    EXPECT_TRUE(left.isEmpty()) << "round " << round << ", still Russian:\n" << left.join('\n').toStdString();
    Choose(form.RussianItem);
    const QStringList back = EveryText();
    EXPECT_TRUE(back == russian) << "round " << round << ", changed:\n" << Changed(russian, back).toStdString();
  }
  StoreLanguage(TLanguage::Russian);
}
