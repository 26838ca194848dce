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
  visibleUserRange(f.page(), alongX, margin, walk.visibleLo, walk.visibleHi);
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

void drawTickBelow(const DeviceStyle& style, Canvas& canvas, int64_t column, int64_t axisRow) {
  drawChain(canvas, {{column, axisRow + style.tickLength}, {column, axisRow}});
}

void drawTickLeft(const DeviceStyle& style, Canvas& canvas, int64_t axisColumn, int64_t row) {
  drawChain(canvas, {{axisColumn - style.tickLength, row}, {axisColumn, row}});
}

RenderFault setPen(Page& page, int32_t level, int32_t styleCode, int32_t colourCode) {
  Canvas* canvas = page.canvas.get();
  if (canvas == nullptr) return raiseRenderFault(page, RenderFault::NoSurface);
  if (level < 1 || level > 5) level = 1;
  if (styleCode < 1 || styleCode > 3) styleCode = 1;
  if (colourCode < 1 || colourCode > 3) colourCode = 1;
  canvas->setPen(Pen{page.style.penWidths[level - 1], kPenStyles[styleCode - 1], kPenColours[colourCode - 1]});
  return RenderFault::None;
}

RenderFault drawAxis(Page& page, double x1, double y1, double x2, double y2, double tickStep) {
  Figure f(page);
  const PixelPoint a = f.point(x1, y1), b = f.point(x2, y2);
  if (!f.ok()) return f.fail();
  const double margin = f.style().tickLength + f.canvas().pen().width + 2.0;
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
      drawTickBelow(f.style(), canvas, t, a.y);
    } else {
      drawTickLeft(f.style(), canvas, a.x, t);
    }
  }
  return RenderFault::None;
}

RenderFault drawGrid(Page& page, double x1, double y1, double x2, double y2, double dx, double dy) {
  Figure f(page);
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
    // that is drawn as marks a mark apart, however many points it names. A grid's marks
    // have no ring of paper: they would cut every line they cross into pieces.
    const int64_t side = f.style().pointSide;
    const std::vector<int64_t> keptRows = keptApart(rows, side);
    for (const int64_t column : keptApart(columns, side)) {
      for (const int64_t row : keptRows) f.canvas().disc(column, row, side);
    }
    return RenderFault::None;
  }
  PixelCanvas& canvas = *pixels;
  // A wide pen's mark is several library strokes, far too slow for millions of marks.
  // Marks at integer positions with one pen differ only by where they are, so the mark
  // is drawn once and its pixels copied. A dense grid (a step below a pixel) puts marks
  // on every pixel of the page: a block of neighbouring points is copied as one
  // stretched mark, so the time follows the blocks, not the points.
  const DeviceStyle& style = f.style();
  const auto drawMark = [&style](Canvas& on, int64_t x, int64_t y) { markPoint(style, on, x, y); };
  const std::optional<Footprint> mark = canvas.footprint(drawMark, canvas.pen().width + 2);
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
        markPoint(style, canvas, column, row);
      }
    }
  }
  return RenderFault::None;
}
