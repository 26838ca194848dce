// Text to Braille cells, in every output format of the braille command.
#include "fuzz_support.h"
#include "language/braille_command.h"
#include "language/braille_translate.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string cells = textToBraille(fuzzText(data, size));
  for (BrailleFormat format : {BrailleFormat::Unicode, BrailleFormat::Ascii, BrailleFormat::Dots}) {
    formatBraille(cells, format);
  }
  return 0;
}
