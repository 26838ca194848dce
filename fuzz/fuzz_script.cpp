// The interpreter on a real page: the first byte chooses the embosser sheet, the
// screen, the ink page or the tactile page, the rest is the script, one command per
// line. The screen and the ink page are a quarter of their usual side, the tactile page a
// tenth of A4, and a walk visits at most 4096 values, so that each input stays quick:
// what an input can reach does not depend on these sizes, only the time it takes does.
#include <vector>

#include "fuzz_support.h"
#include "language/interpreter.h"
#include "output/device/device_page.h"
#include "render/steps.h"
#include "render/page.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool quiet = (fuzzQuietProgram(), setWalkStepLimit(1 << 12), true);
  (void)quiet;
  if (size == 0) return 0;
  const PageSpec kPages[] = {embosserPageSpec({}), screenPageSpec(260, 164), inkPageSpec(310),
                             tactilePageSpec(210, kDefaultTactileLine)};
  const PageSpec& spec = kPages[data[0] % 4];
  std::vector<std::string> lines(1);
  for (const char c : fuzzText(data + 1, size - 1)) {
    if (c == '\n' || c == '\r') {
      lines.emplace_back();
    } else {
      lines.back() += c;
    }
  }
  std::optional<Page> page = preparePage(spec);
  if (!page) return 0;
  runScript(*page, lines, ScriptReports{});
  return 0;
}
