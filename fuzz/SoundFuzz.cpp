// libFuzzer target: the recording window's sound file (libsndfile, from memory) reader.
#include "FuzzReaders.h"
#include "FuzzVerdict.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return FuzzVerdict(FuzzSoundReader(data, size));
}
