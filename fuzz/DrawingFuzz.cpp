// libFuzzer target: the drawing editor's ".dkr" reader.
#include "FuzzReaders.h"
#include "FuzzVerdict.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return FuzzVerdict(FuzzDrawingReader(data, size));
}
