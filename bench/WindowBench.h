#pragma once
// What the benchmarks of the program's windows share: processor time as their clock, and a
// main that runs them inside a Qt application set up as the program sets it up.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <ctime>
#include <functional>

#include "platform/Fonts.h"
#include "platform/Platform.h"

// Processor time in seconds, of the whole process (pooled painting threads included) or of
// the calling thread: the machine is shared, and wall time would count the others' work too.
inline double ProcessSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return double(t.tv_sec) + 1e-9 * double(t.tv_nsec);
}
inline double ThreadSeconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return double(t.tv_sec) + 1e-9 * double(t.tv_nsec);
}

// The platform layer TServices installed for as long as this lives; nothing for void.
template <class TServices>
struct TInstalledServices {
  TServices Services;
  TInstalledServices() { InstallPlatform(&Services); }
  ~TInstalledServices() { InstallPlatform(nullptr); }
};
template <>
struct TInstalledServices<void> {};

// Benchmarks meet no dialog; whatever would ask or tell is answered silently.
class TSilentPlatform : public TPlatform {
  void Message(const QString&) override {}
  bool Question(const QString&, const QString&) override { return true; }
  bool OpenFileName(const TFileDialogOptions&, QString&) override { return false; }
  bool SaveFileName(const TFileDialogOptions&, QString&) override { return false; }
  void SetClipboardImage(const QImage&) override {}
  void SetClipboardText(const QString&) override {}
  QString ClipboardText() override { return {}; }
  void PushCursor(Qt::CursorShape) override {}
  void PopCursor() override {}
  void ConfineCursor(const QRect&) override {}
  void ReleaseCursor() override {}
  QPoint CursorPos() override { return {}; }
  void SetCursorPos(const QPoint&) override {}
  void SendKey(int, const QString&, Qt::KeyboardModifiers) override {}
};

// Runs the benchmarks the command line names inside an application on the offscreen
// platform (unless QT_QPA_PLATFORM names another one) with the program's font
// substitutions and the platform layer TServices (none for void). `beforeEnd` runs after
// the benchmarks, while the application and the platform layer are still there.
template <class TServices = void>
int RunWindowBenchmarks(int& argc, char** argv, const std::function<void()>& beforeEnd = {}) {
  if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  InstallFontSubstitutions();
  [[maybe_unused]] const TInstalledServices<TServices> services;
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  if (beforeEnd) beforeEnd();
  return 0;
}
