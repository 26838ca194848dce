// The check of the page and the cursor of the page explored by ear: the check of a full
// page (every example, and a page of many lines that touch), and one cursor move with
// its figure sweep, each measured in CPU time, as the user waits for them.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/keys.h"
#include "output/checking/page_check.h"
#include "options/viewing/dot_cursor.h"
#include "render/page.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::string> example(const std::string& name) {
  std::ifstream in(fs::path(PONTELIX_SOURCE_DIR) / "examples" / (name + ".pxg"), std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line.substr(0, line.find('\r')));
  return lines;
}

void BM_CheckExample(benchmark::State& state, const std::string& name) {
  fs::current_path(fs::path(PONTELIX_SOURCE_DIR) / "examples");
  const std::vector<std::string> lines = example(name);
  for (auto _ : state) benchmark::DoNotOptimize(checkPage(lines, EmbosserSheet{}).findings.size());
}
BENCHMARK_CAPTURE(BM_CheckExample, parabola, std::string("parabola"))->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK_CAPTURE(BM_CheckExample, histograma, std::string("histograma"))->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

// A full page: 40 horizontal segments, neighbours one dot apart, and 20 circles.
void BM_CheckCrowdedPage(benchmark::State& state) {
  std::vector<std::string> lines;
  for (int i = 0; i < 40; ++i) lines.push_back("RT -19 " + std::to_string(-14 + i * 0.7) + " 19 " + std::to_string(-14 + i * 0.7));
  for (int i = 0; i < 20; ++i) lines.push_back("CI 0 0 " + std::to_string(1 + i * 0.7));
  for (std::string& line : lines) std::replace(line.begin(), line.end(), '.', ',');
  for (auto _ : state) benchmark::DoNotOptimize(checkPage(lines, EmbosserSheet{}).findings.size());
}
BENCHMARK(BM_CheckCrowdedPage)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

// One cursor move, and the sweep of a figure that crosses the whole page.
void BM_CursorMoveAndSweep(benchmark::State& state) {
  EmbosserPage page;
  page.lines = 44;
  page.cellsPerLine = 66;
  page.cells.assign(44 * 66, 0);
  for (int column = 0; column < 66; ++column) page.cells[22 * 66 + column] = 9;  // a line across the page
  DotCursor cursor{0, 66};
  for (auto _ : state) {
    moveDotCursor(cursor, state.iterations() % 2 ? key::kCtrlRight : key::kCtrlLeft, page, 40);
    benchmark::DoNotOptimize(figureSweep(page, {0, 66}, 240).size());
  }
}
BENCHMARK(BM_CursorMoveAndSweep)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();

}  // namespace

BENCHMARK_MAIN();
