// The interpreter on a real surface: the first byte chooses the embosser sheet, the
// screen, the ink page or the tactile page, the rest is the script, one command per
// line. The screen and the ink page are a quarter of their usual side, the tactile page a
// tenth of A4, and a walk visits at most 4096 values, so that each input stays quick:
// what an input can reach does not depend on these sizes, only the time it takes does.
#include <vector>

#include "fuzz_support.h"
#include "language/interpreter.h"
#include "render/steps.h"
#include "render/surface.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool quiet = (fuzzQuietProgram(), setWalkStepLimit(1 << 12), true);
  (void)quiet;
  if (size == 0) return 0;
  constexpr OutputMode kModes[] = {OutputMode::Embosser, OutputMode::Screen, OutputMode::InkPrinter, OutputMode::Tactile};
  outputMode = kModes[data[0] % 4];
  setScreenSurfaceSize(260, 164);
  setInkPageSide(outputMode == OutputMode::Tactile ? 210 : 310);
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
