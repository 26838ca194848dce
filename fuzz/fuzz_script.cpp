// The interpreter on a real surface: the first byte chooses the embosser sheet, the
// screen or the ink page, the rest is the script, one command per line. The ink page is
// smaller than a printer's so that each input stays quick.
#include <vector>

#include "fuzz_support.h"
#include "language/interpreter.h"
#include "render/surface.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool quiet = (fuzzQuietProgram(), setScreenSurfaceSize(1040, 658), setInkPageSide(1240), true);
  (void)quiet;
  if (size == 0) return 0;
  constexpr OutputMode kModes[] = {OutputMode::Embosser, OutputMode::Screen, OutputMode::InkPrinter};
  outputMode = kModes[data[0] % 3];
  std::vector<std::string> lines(1);
  for (const char c : fuzzText(data + 1, size - 1)) {
    if (c == '\n' || c == '\r') {
      lines.emplace_back();
    } else {
      lines.back() += c;
    }
  }
  if (!prepareSurface()) return 0;
  runScript(lines, ScriptReports{});
  freeSurface();
  return 0;
}
