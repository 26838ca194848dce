// Repeating a drawing by copying its pixels: one shape drawn many times at integer
// positions with one pen, such as the marks of a dense grid.
#include <algorithm>
#include <utility>
#include <vector>

#include "render/pixel_canvas.h"

std::optional<Footprint> PixelCanvas::footprint(const Drawing& draw, int reach) const {
  const int side = 2 * reach + 1;
  std::unique_ptr<PixelCanvas> scratch = create(side, side);
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

bool Footprint::oneColour() const {
  return std::all_of(runs.begin(), runs.end(), [&](const Run& run) { return run.colour == runs[0].colour; });
}

void PixelCanvas::stamp(const Footprint& footprint, int64_t x, int64_t y) {
  for (const Footprint::Run& run : footprint.runs) {
    const int64_t row = y + run.dy;
    if (row < 0 || row >= height_) continue;
    const int64_t from = std::max<int64_t>(x + run.dx, 0);
    const int64_t to = std::min<int64_t>(x + run.dx + run.length, width_);
    fillIndexes(row, from, to, colourIndex(run.colour));
  }
}

namespace {

using Span = std::pair<int64_t, int64_t>;  // columns [first, end)

// The columns that the runs with dy from dyLo to dyHi cover when stamped at every column
// from x1 to x2, clipped to [0, width), as disjoint spans in `spans`.
void coveredColumns(const Footprint& footprint, int64_t x1, int64_t x2, int64_t dyLo, int64_t dyHi, int64_t width,
                    std::vector<Span>& spans) {
  spans.clear();
  for (const Footprint::Run& run : footprint.runs) {
    if (run.dy < dyLo || run.dy > dyHi) continue;
    const int64_t from = std::max<int64_t>(x1 + run.dx, 0);
    const int64_t to = std::min<int64_t>(x2 + run.dx + run.length, width);
    if (from < to) spans.emplace_back(from, to);
  }
  std::sort(spans.begin(), spans.end());
  size_t kept = 0;
  for (const Span& span : spans) {
    if (kept > 0 && span.first <= spans[kept - 1].second) {
      spans[kept - 1].second = std::max(spans[kept - 1].second, span.second);
    } else {
      spans[kept++] = span;
    }
  }
  spans.resize(kept);
}

}  // namespace

void PixelCanvas::stampBlock(const Footprint& footprint, int64_t x1, int64_t y1, int64_t x2, int64_t y2) {
  if (x1 == x2 && y1 == y2) return stamp(footprint, x1, y1);
  if (footprint.runs.empty()) return;
  int64_t minDy = footprint.runs[0].dy, maxDy = minDy;
  for (const Footprint::Run& run : footprint.runs) {
    minDy = std::min<int64_t>(minDy, run.dy);
    maxDy = std::max<int64_t>(maxDy, run.dy);
  }
  const uint8_t colour = colourIndex(footprint.runs[0].colour);
  // A row is covered by the runs whose dy lies within [row - y2, row - y1]; away from the
  // block's top and bottom edges that is every run, so the spans are worked out again
  // only where that range changes, and each pixel is written once.
  int64_t dyLo = 1, dyHi = 0;
  std::vector<Span> spans;
  const int64_t lastRow = std::min<int64_t>(y2 + maxDy, int64_t{height_} - 1);
  for (int64_t row = std::max<int64_t>(y1 + minDy, 0); row <= lastRow; ++row) {
    const int64_t lo = std::max(minDy, row - y2), hi = std::min(maxDy, row - y1);
    if (lo != dyLo || hi != dyHi) {
      dyLo = lo, dyHi = hi;
      coveredColumns(footprint, x1, x2, dyLo, dyHi, width_, spans);
    }
    for (const auto& [from, to] : spans) fillIndexes(row, from, to, colour);
  }
}