// Repeating a drawing by copying its pixels: one shape drawn many times at integer
// positions with one pen, such as the marks of a dense grid.
#include <algorithm>

#include "render/canvas.h"

std::optional<Footprint> Canvas::footprint(Drawing draw, int reach) const {
  const int side = 2 * reach + 1;
  std::unique_ptr<Canvas> scratch = create(side, side);
  if (!scratch) return std::nullopt;
  Footprint found;
  scratch->setPen(pen_);
  // A background the pen cannot draw in, so that every pixel it sets shows.
  const uint32_t background = ~pen_.colour & 0xFFFFFF;
  scratch->fillAll(background);
  draw(*scratch, reach, reach);
  for (int y = 0; y < side; ++y) {
    for (int x = 0; x < side;) {
      const uint32_t colour = scratch->pixel(x, y);
      int end = x + 1;
      while (end < side && scratch->pixel(end, y) == colour) ++end;
      if (colour != background) found.runs.push_back({x - reach, y - reach, end - x, colour});
      x = end;
    }
  }
  return found;
}

void Canvas::stamp(const Footprint& footprint, int64_t x, int64_t y) {
  beginDirect();
  uint32_t* base = pixels();
  const int64_t wordsPerRow = stride() / 4;
  for (const Footprint::Run& run : footprint.runs) {
    const int64_t row = y + run.dy;
    if (row < 0 || row >= height_) continue;
    const int64_t from = std::max<int64_t>(x + run.dx, 0);
    const int64_t to = std::min<int64_t>(x + run.dx + run.length, width_);
    uint32_t* line = base + row * wordsPerRow;
    if (from < to) std::fill(line + from, line + to, 0xFF000000u | run.colour);
  }
  endDirect();
}
