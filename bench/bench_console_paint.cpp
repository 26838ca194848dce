// How long the window takes to paint the whole console (it repaints everything after
// each change), and how long the terminal's picture takes to become Braille patterns.
#include <benchmark/benchmark.h>

#include <vector>

#include "platform/console.h"
#include "platform/frontends/braille_patterns.h"
#include "platform/frontends/window_font.h"
#include "platform/frontends/window_paint.h"

namespace {

void fillGrid() {
  for (int row = 1; row <= kConRows; ++row) {
    conSetBackColour(row % 8);
    conSetTextColour(15 - row % 8);
    conGoto(1, row);
    conWrite(std::string(kConColumns - 1, static_cast<char>('A' + row)));
  }
}

// A full repaint at the default cell size of a 1920 x 1080 desktop (24 x 40 pixels).
void BM_PaintWholeConsole(benchmark::State& state) {
  WindowFont font;
  const int cw = static_cast<int>(state.range(0)), ch = static_cast<int>(state.range(1));
  if (!font.open("Lucida Console", cw, ch, 700)) {
    state.SkipWithError("no monospaced font");
    return;
  }
  fillGrid();
  std::vector<std::uint32_t> pixels(static_cast<size_t>(80 * cw) * 25 * ch);
  const PixelBuffer out{pixels.data(), 80 * cw, 25 * ch, 80 * cw};
  for (auto _ : state) {
    paintConsole(out, font, true);
    benchmark::DoNotOptimize(pixels.data());
  }
  state.SetItemsProcessed(state.iterations() * static_cast<long>(pixels.size()));
}
BENCHMARK(BM_PaintWholeConsole)->Args({13, 28})->Args({24, 40})->Unit(benchmark::kMillisecond);

// A screen drawing (1040 x 658) as patterns for an 80 x 24 terminal.
void BM_BraillePatterns(benchmark::State& state) {
  std::vector<std::uint32_t> picture(1040 * 658, 0xFFFFFF);
  for (int i = 0; i < 658; ++i) picture[static_cast<size_t>(i) * 1040 + i] = 0;
  for (auto _ : state) benchmark::DoNotOptimize(renderBraillePatterns(picture.data(), 1040, 658, 80, 24));
}
BENCHMARK(BM_BraillePatterns)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
