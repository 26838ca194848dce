// Text to Braille cells, in every output format of the braille command, in our own
// Portuguese code and, through liblouis, in contracted English, the code with the most
// rules of those the reference lists.
#include <optional>

#include "fuzz_support.h"
#include "language/braille_code.h"
#include "language/braille_command.h"
#include "language/braille_translate.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string cells = textToBraille(fuzzText(data, size));
  for (BrailleFormat format : {BrailleFormat::Unicode, BrailleFormat::Ascii, BrailleFormat::Dots}) {
    formatBraille(cells, format);
  }
  static const std::optional<BrailleCode> contracted = findBrailleCode("en-ueb-g2");
  if (contracted) formatBraille(translateBraille(*contracted, fuzzText(data, size)).cells, BrailleFormat::Dots);
  return 0;
}
