// The operations that work on the drawing state directly: the pen table, the axis with
// tick marks and the grid of point marks.
#include <algorithm>
#include <utility>
#include <vector>

#include "render/figure_support.h"
#include "render/figures.h"
#include "render/steps.h"
#include "render/vector_canvas.h"

namespace {

constexpr PenStyle kPenStyles[] = {PenStyle::Solid, PenStyle::Dotted, PenStyle::Dashed};
constexpr uint32_t kPenColours[] = {kBlack, rgb(255, 0, 0), rgb(0, 0, 255)};

// The distinct pixels (columns or rows) of the walk's values, in walk order, leaving out
// those farther than `margin` from the surface. Marks and ticks depend on these pixels
// only, so each one is drawn once. False when a value cannot be mapped.
bool walkPixels(Figure& f, bool alongX, double from, double to, double step, double margin,
                std::vector<int64_t>& pixels) {
  StepWalk walk{from, to, step};
  visibleUserRange(alongX, margin, walk.visibleLo, walk.visibleHi);
  const int64_t limit = alongX ? f.canvas().width() : f.canvas().height();
  walkSteps(walk, [&](double t) {
    const int64_t pixel = alongX ? f.x(t) : f.y(t);
    if (!f.ok()) return false;
    if (pixel >= -margin && pixel <= limit + margin && (pixels.empty() || pixels.back() != pixel)) {
      pixels.push_back(pixel);
    }
    return true;
  });
  return f.ok();
}

// The pixels, each once, as ranges of neighbours (first and last), in increasing order.
std::vector<std::pair<int64_t, int64_t>> neighbourRanges(std::vector<int64_t> pixels) {
  std::sort(pixels.begin(), pixels.end());
  pixels.erase(std::unique(pixels.begin(), pixels.end()), pixels.end());
  std::vector<std::pair<int64_t, int64_t>> ranges;
  for (const int64_t p : pixels) {
    if (!ranges.empty() && ranges.back().second + 1 == p) {
      ranges.back().second = p;
    } else {
      ranges.emplace_back(p, p);
    }
  }
  return ranges;
}

// Keeps, of the sorted distinct positions, those at least `distance` from the last kept.
std::vector<int64_t> keptApart(std::vector<int64_t> positions, int64_t distance) {
  std::sort(positions.begin(), positions.end());
  std::vector<int64_t> kept;
  for (const int64_t p : positions) {
    if (kept.empty() || p - kept.back() >= distance) kept.push_back(p);
  }
  return kept;
}

}  // namespace

int64_t tickLength() {
  switch (outputMode) {
    case OutputMode::Embosser: return 2;
    case OutputMode::Tactile: return 4 * kVectorUnitsPerMm;
    case OutputMode::InkPrinter:
    case OutputMode::Screen: break;
  }
  return 10;
}

void drawTickBelow(Canvas& canvas, int64_t column, int64_t axisRow) {
  drawChain(canvas, {{column, axisRow + tickLength()}, {column, axisRow}});
}

void drawTickLeft(Canvas& canvas, int64_t axisColumn, int64_t row) {
  drawChain(canvas, {{axisColumn - tickLength(), row}, {axisColumn, row}});
}

RenderFault setPen(int32_t level, int32_t styleCode, int32_t colourCode) {
  Canvas* canvas = drawingSurface();
  if (canvas == nullptr) return raiseRenderFault(RenderFault::NoSurface);
  if (level < 1 || level > 5) level = 1;
  if (styleCode < 1 || styleCode > 3) styleCode = 1;
  if (colourCode < 1 || colourCode > 3) colourCode = 1;
  canvas->setPen(Pen{penWidthFor(level), kPenStyles[styleCode - 1], kPenColours[colourCode - 1]});
  return RenderFault::None;
}

RenderFault drawAxis(double x1, double y1, double x2, double y2, double tickStep) {
  Figure f;
  const PixelPoint a = f.point(x1, y1), b = f.point(x2, y2);
  if (!f.ok()) return f.fail();
  const double margin = tickLength() + f.canvas().pen().width + 2.0;
  const bool horizontal = y1 == y2;
  std::vector<int64_t> ticks;
  if (tickStep > 0) {
    const bool mapped = horizontal ? walkPixels(f, true, x1, x2, tickStep, margin, ticks)
                                   : walkPixels(f, false, y1, y2, tickStep, margin, ticks);
    if (!mapped) return f.fail();
  }
  Canvas& canvas = f.canvas();
  drawChain(canvas, {a, b});
  for (const int64_t t : ticks) {
    if (horizontal) {
      drawTickBelow(canvas, t, a.y);
    } else {
      drawTickLeft(canvas, a.x, t);
    }
  }
  return RenderFault::None;
}

RenderFault drawGrid(double x1, double y1, double x2, double y2, double dx, double dy) {
  Figure f;
  if (!f.ok()) return f.fail();
  if (!(dx > 0) || !(dy > 0)) return RenderFault::None;
  const double margin = f.canvas().pen().width + 2.0;
  std::vector<int64_t> columns, rows;
  if (!walkPixels(f, false, y1, y2, dy, margin, rows)) return f.fail();
  if (rows.empty()) return RenderFault::None;
  if (!walkPixels(f, true, x1, x2, dx, margin, columns)) return f.fail();
  PixelCanvas* pixels = f.canvas().raster();
  if (pixels == nullptr) {
    // Marks closer than their own size would merge into one bump: a grid finer than
    // that is drawn as marks a mark apart, however many points it names.
    const std::vector<int64_t> keptRows = keptApart(rows, kTactilePointSide);
    for (const int64_t column : keptApart(columns, kTactilePointSide)) {
      for (const int64_t row : keptRows) markPoint(f.canvas(), column, row);
    }
    return RenderFault::None;
  }
  PixelCanvas& canvas = *pixels;
  // A wide pen's mark is several library strokes, far too slow for millions of marks.
  // Marks at integer positions with one pen differ only by where they are, so the mark
  // is drawn once and its pixels copied. A dense grid (a step below a pixel) puts marks
  // on every pixel of the page: a block of neighbouring points is copied as one
  // stretched mark, so the time follows the blocks, not the points.
  const std::optional<Footprint> mark = canvas.footprint(markPoint, canvas.pen().width + 2);
  if (mark && mark->oneColour()) {
    const auto rowRanges = neighbourRanges(rows);
    for (const auto& [x1, x2] : neighbourRanges(columns)) {
      for (const auto& [y1, y2] : rowRanges) canvas.stampBlock(*mark, x1, y1, x2, y2);
    }
    return RenderFault::None;
  }
  for (const int64_t column : columns) {
    for (const int64_t row : rows) {
      if (mark) {
        canvas.stamp(*mark, column, row);
      } else {
        markPoint(canvas, column, row);
      }
    }
  }
  return RenderFault::None;
}
