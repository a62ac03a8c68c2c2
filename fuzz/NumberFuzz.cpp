// libFuzzer target: the number-text readers and the floating-point entry control.
#include <QApplication>

#include "FuzzReaders.h"
#include "FuzzVerdict.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // The entry control is a widget; libFuzzer's own arguments are not Qt's business.
  static int argc = 1;
  static char name[] = "NumberFuzz";
  static char* argv[] = {name, nullptr};
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication application(argc, argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return FuzzVerdict(FuzzNumberTexts(data, size));
}
