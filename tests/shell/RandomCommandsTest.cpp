// The random-command run over the program's windows, set up as the program sets them up.
// ./test.sh runs 1,000 commands; RESAM_RANDOM_COMMANDS=10000 (scripts/random-commands)
// runs more, RESAM_RANDOM_SEED another sequence.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>

#include "RandomCommands.h"
#include "platform/Language.h"
#include "shell/ResamStartUp.h"
#include "shell/ResamUnit.h"

namespace {
constexpr int DefaultCommands = 1000;
constexpr uint32_t DefaultSeed = 2026;

int FromEnvironment(const char* name, int fallback) {
  bool ok = false;
  const int v = qEnvironmentVariableIntValue(name, &ok);
  return ok && v > 0 ? v : fallback;
}
}  // namespace

TEST(RandomCommands, NoNumberGoesWrongAndNothingHangs) {
  const int count = FromEnvironment("RESAM_RANDOM_COMMANDS", DefaultCommands);
  const uint32_t seed = uint32_t(FromEnvironment("RESAM_RANDOM_SEED", DefaultSeed));
  const TResamWindows program;
  program.Main().resize(1200, 800);
  TRandomRun run(&program.Main(), seed);
  const QString fault = run.Run(count);
  EXPECT_TRUE(fault.isEmpty()) << "seed " << seed << ", " << fault.toStdString();
  // The run may have chosen English from the menu; the tests after it read Russian.
  StoreLanguage(TLanguage::Russian);
  ApplyLanguage(TLanguage::Russian);
  std::printf("random commands: %d run with seed %u\n", run.Commands(), seed);
}

// The run's own checks: a window that shows "inf" is caught at the first command.
TEST(RandomCommands, CatchesANumberShownAsInf) {
  QWidget window;
  auto* label = new QLabel(QStringLiteral("Максимальная частота: -inf Гц"), &window);
  label->show();
  TRandomRun run(&window, 1);
  EXPECT_TRUE(run.Run(1).contains(QStringLiteral("label shows")));
}
