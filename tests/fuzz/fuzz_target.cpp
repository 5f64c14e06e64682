// A libFuzzer target for one reader, chosen when the target is built.
#include "fuzz/fuzz_entries.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  veltrane::fuzz::VELTRANE_FUZZ_ENTRY(data, size);
  return 0;
}
