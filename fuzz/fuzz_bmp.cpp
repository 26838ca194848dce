// The picture overlay's BMP reader, on a file holding the input.
#include "platform/console.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  conLoadPicture(fuzzInputFile(data, size));
  return 0;
}
