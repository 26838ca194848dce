#pragma once
// What the figure operations share: the surface of the figure being drawn and the
// mapping of its coordinates, which remembers the first coordinate that cannot be
// mapped so that the figure can be refused before anything is drawn.
#include <vector>

#include "render/canvas.h"
#include "render/drawing_state.h"
#include "render/surface.h"

class Figure {
 public:
  Figure() : canvas_(drawingSurface()) {
    if (canvas_ == nullptr) fault_ = RenderFault::NoSurface;
  }
  int64_t x(double v) { return keep(tryMapX(v, &why_)); }
  int64_t y(double v) { return keep(tryMapY(v, &why_)); }
  PixelPoint point(double px, double py) {
    const int64_t mappedX = x(px);
    return {mappedX, y(py)};
  }
  bool ok() const { return fault_ == RenderFault::None; }
  // Raises and returns the figure's fault.
  RenderFault fail() const { return raiseRenderFault(fault_); }
  // Precondition: ok().
  Canvas& canvas() const { return *canvas_; }

 private:
  int64_t keep(std::optional<int32_t> pixel) {
    if (pixel) return *pixel;
    if (fault_ == RenderFault::None) fault_ = why_;
    return 0;
  }
  Canvas* canvas_;
  RenderFault fault_ = RenderFault::None;
  RenderFault why_ = RenderFault::None;
};

// The point mark at pixel (x, y): one pixel of colour (1, 0, 0) on the embosser sheet
// (not white, so a dot), a disc of kTactilePointSide on the tactile page, elsewhere the
// pen's 3 x 3 outline around it.
constexpr int64_t kTactilePointSide = 20;
void markPoint(Canvas& canvas, int64_t x, int64_t y);

// Tick marks of an axis, tickLength() pixels long for the current output mode: hanging
// below a horizontal axis at row axisRow, pointing left of a vertical one at axisColumn.
int64_t tickLength();
void drawTickBelow(Canvas& canvas, int64_t column, int64_t axisRow);
void drawTickLeft(Canvas& canvas, int64_t axisColumn, int64_t row);

// A chain of segments through the points (move to the first, line to the others).
void drawChain(Canvas& canvas, const std::vector<PixelPoint>& points);
// Adds p to a chain unless it repeats the last point, which would draw nothing new.
void extendChain(std::vector<PixelPoint>& chain, PixelPoint p);
