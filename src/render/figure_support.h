#pragma once
// What the figure operations share: the page of the figure being drawn and the mapping
// of its coordinates, which remembers the first coordinate that cannot be mapped so that
// the figure can be refused before anything is drawn.
#include <vector>

#include "render/canvas.h"
#include "render/drawing_state.h"
#include "render/page.h"

class Figure {
 public:
  explicit Figure(Page& page) : page_(page) {
    if (!page.canvas) fault_ = RenderFault::NoSurface;
  }
  int64_t x(double v) { return keep(tryMapX(page_, v, &why_)); }
  int64_t y(double v) { return keep(tryMapY(page_, v, &why_)); }
  PixelPoint point(double px, double py) {
    const int64_t mappedX = x(px);
    return {mappedX, y(py)};
  }
  bool ok() const { return fault_ == RenderFault::None; }
  // Raises and returns the figure's fault.
  RenderFault fail() const { return raiseRenderFault(page_, fault_); }
  // Precondition: ok().
  Canvas& canvas() const { return *page_.canvas; }
  Page& page() const { return page_; }
  const DeviceStyle& style() const { return page_.style; }

 private:
  int64_t keep(std::optional<int32_t> pixel) {
    if (pixel) return *pixel;
    if (fault_ == RenderFault::None) fault_ = why_;
    return 0;
  }
  Page& page_;
  RenderFault fault_ = RenderFault::None;
  RenderFault why_ = RenderFault::None;
};

// The style's point mark at pixel (x, y): one pixel of colour (1, 0, 0) (not white, so
// a dot), a disc of the style's point side, or the pen's 3 x 3 outline around it.
void markPoint(const DeviceStyle& style, Canvas& canvas, int64_t x, int64_t y);

// Tick marks of an axis, the style's tick length long: hanging below a horizontal axis at
// row axisRow, pointing left of a vertical one at axisColumn.
void drawTickBelow(const DeviceStyle& style, Canvas& canvas, int64_t column, int64_t axisRow);
void drawTickLeft(const DeviceStyle& style, Canvas& canvas, int64_t axisColumn, int64_t row);

// A chain of segments through the points (move to the first, line to the others).
void drawChain(Canvas& canvas, const std::vector<PixelPoint>& points);
// Adds p to a chain unless it repeats the last point, which would draw nothing new.
void extendChain(std::vector<PixelPoint>& chain, PixelPoint p);
