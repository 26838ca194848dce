// A project file's bytes as the loader decodes them. Saving what was loaded and loading
// it again must give the same lines: a save never changes a project.
#include <cstdlib>

#include "fuzz_support.h"
#include "platform/text/text_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const ProjectText text = decodeProjectText(fuzzText(data, size));
  const ProjectText again = decodeProjectText(encodeProjectText(text.lines, text.encoding));
  if (again.lines != text.lines) std::abort();
  return 0;
}
