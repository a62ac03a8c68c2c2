// libFuzzer target: the session file reader (".resam").
#include "FuzzReaders.h"
#include "FuzzVerdict.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return FuzzVerdict(FuzzSessionReader(data, size));
}
