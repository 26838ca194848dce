// Time per figure on the drawing surface: the test drawing on each of the three
// surfaces, a degree-20 polynomial over a wide range, dense grids with thin and wide
// pens, and figures whose plain step-by-step walk would never end.
#include <benchmark/benchmark.h>

#include <vector>

#include "output/device/device_page.h"
#include "render/figures.h"
#include "render/page.h"

namespace {

// The page of the device. The screen is a typical window's client area less its bottom
// rows; the ink page a 300 dpi A4 side.
Page devicePage(OutputMode mode, int inkSide = 2480) {
  PageSpec spec = screenPageSpec(1040, 658);
  if (mode == OutputMode::Embosser) spec = embosserPageSpec({});
  if (mode == OutputMode::InkPrinter) spec = inkPageSpec(inkSide);
  std::optional<Page> page = preparePage(spec);
  if (!page) std::abort();
  return std::move(*page);
}

void BM_TestDrawing(benchmark::State& state) {
  Page page = devicePage(static_cast<OutputMode>(state.range(0)));
  for (auto _ : state) renderTestDrawing(page);
  state.SetLabel(state.range(0) == 0 ? "embosser 132x132"
                 : state.range(0) == 1 ? "ink page 2480x2480"
                                       : "screen 1040x658");
}
BENCHMARK(BM_TestDrawing)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// y = sum of (x / 1000)^k for k = 0..20 over x from -1000 to 1000: 200 000 steps.
void BM_PolynomialDegree20(benchmark::State& state) {
  Page page = devicePage(OutputMode::Screen);
  std::vector<double> coefficients(21);
  double c = 1;
  for (double& k : coefficients) k = c, c /= 1000;
  setDomain(page, -1000, -5, 1000, 25);
  for (auto _ : state) {
    if (drawPolynomial(page, 20, coefficients, -1000, 1000) != RenderFault::None) {
      state.SkipWithError("the polynomial was refused");
      break;
    }
  }
}
BENCHMARK(BM_PolynomialDegree20)->Unit(benchmark::kMillisecond);

// A point mark every 0.05 units over the whole default domain: 801 x 601 marks.
void BM_DenseGrid(benchmark::State& state) {
  Page page = devicePage(OutputMode::Screen);
  for (auto _ : state) drawGrid(page, -20, -15, 20, 15, 0.05, 0.05);
}
BENCHMARK(BM_DenseGrid)->Unit(benchmark::kMillisecond);

// The widest pen (13 pixels, round) and a mark at every pixel of the ink page.
void BM_DenseWidePenGrid(benchmark::State& state) {
  Page page = devicePage(OutputMode::InkPrinter);
  setPen(page, 5, 1, 1);
  for (auto _ : state) drawGrid(page, -20, -15, 20, 15, 0.0001, 0.0001);
}
BENCHMARK(BM_DenseWidePenGrid)->Unit(benchmark::kMillisecond);

// The same with a step of 1e-9 on a 9921-pixel page (A4 at 1200 dpi): each pixel is
// marked many times over, and every mark covers 13 x 13 pixels.
void BM_DenseWidePenGridLargestPage(benchmark::State& state) {
  Page page = devicePage(OutputMode::InkPrinter, 9921);
  setPen(page, 5, 1, 1);
  for (auto _ : state) drawGrid(page, -20, -15, 20, 15, 1e-9, 1e-9);
}
BENCHMARK(BM_DenseWidePenGridLargestPage)->Unit(benchmark::kMillisecond);

// Walks of 1e14 to 1e18 plain steps, cut to what the surface can show.
void BM_PathologicalSteps(benchmark::State& state) {
  Page page = devicePage(OutputMode::Screen);
  const double line[] = {0, 0.5};
  for (auto _ : state) {
    drawPolynomial(page, 1, line, -1e12, 1e12);
    drawAxis(page, -1e8, 0, 1e8, 0, 1e-9);
    drawGrid(page, -1e9, -1e9, 1e9, 1e9, 1e-9, 1e-9);
  }
}
BENCHMARK(BM_PathologicalSteps)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
