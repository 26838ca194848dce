// Time of one EQ line, read and drawn, on the default embosser page and on a 600 dpi ink
// page: a smooth curve, one with asymptotes across the page and one that swings without
// end near zero (where the samples run out of their budget).
#include <benchmark/benchmark.h>

#include "language/interpreter.h"
#include "output/device/device_page.h"
#include "render/page.h"

namespace {

const char* const kLines[] = {"EQ y = sen(x)", "EQ y = tg(x)", "EQ y = sen(1/x)"};

void BM_Equation(benchmark::State& state) {
  std::optional<Page> page =
      preparePage(state.range(0) == 0 ? embosserPageSpec({}) : inkPageSpec(4960));
  if (!page) std::abort();
  const std::vector<std::string> lines = {kLines[state.range(1)]};
  ScriptReports reports;
  bool failed = false;
  reports.lineError = [&failed](int, const std::string&, std::string_view) { failed = true; };
  for (auto _ : state) runScript(*page, lines, reports);
  if (failed) state.SkipWithError("the line was refused");
  state.SetLabel(std::string(state.range(0) == 0 ? "embosser 132x132: " : "ink 4960x4960: ") + lines[0]);
}
BENCHMARK(BM_Equation)->ArgsProduct({{0, 1}, {0, 1, 2}})->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
