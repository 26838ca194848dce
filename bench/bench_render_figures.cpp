// Time per figure on the drawing surface: the test drawing on each of the three
// surfaces, a degree-20 polynomial over a wide range, dense grids with thin and wide
// pens, and figures whose plain step-by-step walk would never end.
#include <benchmark/benchmark.h>

#include <vector>

#include "render/figures.h"
#include "render/surface.h"

namespace {

// A surface for the mode, freed at the end of the benchmark. The screen is a typical
// window's client area less its bottom rows; the ink page a 300 dpi A4 side.
class Surface {
 public:
  explicit Surface(OutputMode mode, int inkSide = 2480) {
    outputMode = mode;
    setScreenSurfaceSize(1040, 658);
    setInkPageSide(inkSide);
    if (!prepareSurface()) std::abort();
    resetDrawing();
  }
  ~Surface() { freeSurface(); }
};

void BM_TestDrawing(benchmark::State& state) {
  Surface surface(static_cast<OutputMode>(state.range(0)));
  for (auto _ : state) renderTestDrawing();
  state.SetLabel(state.range(0) == 0 ? "embosser 132x132"
                 : state.range(0) == 1 ? "ink page 2480x2480"
                                       : "screen 1040x658");
}
BENCHMARK(BM_TestDrawing)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// y = sum of (x / 1000)^k for k = 0..20 over x from -1000 to 1000: 200 000 steps.
void BM_PolynomialDegree20(benchmark::State& state) {
  Surface surface(OutputMode::Screen);
  std::vector<double> coefficients(21);
  double c = 1;
  for (double& k : coefficients) k = c, c /= 1000;
  setDomain(-1000, -5, 1000, 25);
  for (auto _ : state) {
    if (drawPolynomial(20, coefficients, -1000, 1000) != RenderFault::None) {
      state.SkipWithError("the polynomial was refused");
      break;
    }
  }
}
BENCHMARK(BM_PolynomialDegree20)->Unit(benchmark::kMillisecond);

// A point mark every 0.05 units over the whole default domain: 801 x 601 marks.
void BM_DenseGrid(benchmark::State& state) {
  Surface surface(OutputMode::Screen);
  for (auto _ : state) drawGrid(-20, -15, 20, 15, 0.05, 0.05);
}
BENCHMARK(BM_DenseGrid)->Unit(benchmark::kMillisecond);

// The widest pen (13 pixels, round) and a mark at every pixel of the ink page.
void BM_DenseWidePenGrid(benchmark::State& state) {
  Surface surface(OutputMode::InkPrinter);
  setPen(5, 1, 1);
  for (auto _ : state) drawGrid(-20, -15, 20, 15, 0.0001, 0.0001);
}
BENCHMARK(BM_DenseWidePenGrid)->Unit(benchmark::kMillisecond);

// The same with a step of 1e-9 on a 9921-pixel page (A4 at 1200 dpi): each pixel is
// marked many times over, and every mark covers 13 x 13 pixels.
void BM_DenseWidePenGridLargestPage(benchmark::State& state) {
  Surface surface(OutputMode::InkPrinter, 9921);
  setPen(5, 1, 1);
  for (auto _ : state) drawGrid(-20, -15, 20, 15, 1e-9, 1e-9);
}
BENCHMARK(BM_DenseWidePenGridLargestPage)->Unit(benchmark::kMillisecond);

// Walks of 1e14 to 1e18 plain steps, cut to what the surface can show.
void BM_PathologicalSteps(benchmark::State& state) {
  Surface surface(OutputMode::Screen);
  const double line[] = {0, 0.5};
  for (auto _ : state) {
    drawPolynomial(1, line, -1e12, 1e12);
    drawAxis(-1e8, 0, 1e8, 0, 1e-9);
    drawGrid(-1e9, -1e9, 1e9, 1e9, 1e-9, 1e-9);
  }
}
BENCHMARK(BM_PathologicalSteps)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
