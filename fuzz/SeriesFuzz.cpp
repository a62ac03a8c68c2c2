// libFuzzer target: the recording window's CSV series reader.
#include "FuzzReaders.h"
#include "FuzzVerdict.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return FuzzVerdict(FuzzSeriesReader(data, size));
}
