// The data-file reader ("LD"), on a file holding the input.
#include "fuzz_support.h"
#include "language/data_points.h"
#include "language/datafile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool quiet = (fuzzQuietProgram(), true);
  (void)quiet;
  loadDataFile(fuzzInputFile(data, size));
  if (dataPoints().count < 0 || dataPoints().count > kDataPointCapacity) __builtin_trap();
  return 0;
}
