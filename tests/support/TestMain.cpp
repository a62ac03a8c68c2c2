// Every test program: one offscreen application, the scripted platform, and a
// check after each test that every queued answer was used and every cursor put back.
#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>

#include "ScriptedPlatform.h"
#include "platform/Fonts.h"
#include "platform/Language.h"

namespace {
TScriptedPlatform* Installed = nullptr;

class TPlatformReset : public testing::EmptyTestEventListener {
  void OnTestStart(const testing::TestInfo&) override { Installed->Reset(); }
  void OnTestEnd(const testing::TestInfo& info) override {
    if (!Installed->CursorStack.isEmpty())
      std::fprintf(stderr, "[ warning ] %s.%s left %d cursor(s) changed\n", info.test_suite_name(), info.name(),
                   int(Installed->CursorStack.size()));
  }
};
}  // namespace

TScriptedPlatform& Scripted() { return *Installed; }

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM",
          qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
  QApplication application(argc, argv);
  // No test reads or writes the user's own settings or data (the recent sessions, the last one).
  QStandardPaths::setTestModeEnabled(true);
  // The program's language, texts and number locale, as the program sets them at start-up.
  ApplyLanguage(TLanguage::Russian);
  InstallFontSubstitutions();
  TScriptedPlatform platform;
  Installed = &platform;
  InstallPlatform(&platform);
  testing::InitGoogleTest(&argc, argv);
  testing::UnitTest::GetInstance()->listeners().Append(new TPlatformReset);
  const int result = RUN_ALL_TESTS();
  InstallPlatform(nullptr);
  return result;
}
