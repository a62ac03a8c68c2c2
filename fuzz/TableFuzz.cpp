// libFuzzer target: the table editor's ".tbl"/".inp" reader.
#include "FuzzReaders.h"
#include "FuzzVerdict.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return FuzzVerdict(FuzzTableReader(data, size));
}
