// Brush fills of the canvas: solid colour or an 8 x 8 hatch anchored at the surface's
// top-left corner, whose gaps keep what lies below.
#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "render/pixel_canvas.h"

namespace {

// Whether pixel (x, y) of the 8 x 8 hatch tile belongs to a hatch line.
bool hatchHas(BrushStyle style, int x, int y) {
  switch (style) {
    case BrushStyle::HatchCross:
      return x == 4 || y == 3;
    case BrushStyle::HatchForwardDiagonal:
      return x == y;
    case BrushStyle::Hollow:
    case BrushStyle::Solid:
      break;
  }
  return true;
}

}  // namespace

// Precondition: the brush is hatched.
void PixelCanvas::setBrushSource(cairo_t* cr) const {
  const uint32_t colour = brush_.colour & 0xFFFFFF;
  cairo_surface_t* tile = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 8, 8);
  cairo_surface_flush(tile);
  unsigned char* data = cairo_image_surface_get_data(tile);
  const int tileStride = cairo_image_surface_get_stride(tile);
  for (int y = 0; y < 8; ++y) {
    auto* row = reinterpret_cast<uint32_t*>(data + y * tileStride);
    for (int x = 0; x < 8; ++x) row[x] = hatchHas(brush_.style, x, y) ? 0xFF000000u | colour : 0;
  }
  cairo_surface_mark_dirty(tile);
  cairo_pattern_t* pattern = cairo_pattern_create_for_surface(tile);
  cairo_pattern_set_extend(pattern, CAIRO_EXTEND_REPEAT);
  cairo_pattern_set_filter(pattern, CAIRO_FILTER_NEAREST);
  cairo_set_source(cr, pattern);
  cairo_pattern_destroy(pattern);
  cairo_surface_destroy(tile);
}

void PixelCanvas::fillArea(const std::vector<DoublePoint>& area) {
  if (brush_.style == BrushStyle::Hollow) return;
  const DoubleBox box{-2.0, -2.0, width_ + 2.0, height_ + 2.0};
  const std::vector<DoublePoint> inside = clipPolygon(area, box);
  if (inside.size() < 3) return;
  libraryPaint(pixelsAround(inside, 1), brush_.colour, [&](cairo_t* cr) {
    if (brush_.style != BrushStyle::Solid) setBrushSource(cr);
    cairo_move_to(cr, inside[0].x, inside[0].y);
    for (size_t i = 1; i < inside.size(); ++i) cairo_line_to(cr, inside[i].x, inside[i].y);
    cairo_close_path(cr);
    cairo_fill(cr);
  });
}

void PixelCanvas::fillEllipse(int64_t left, int64_t top, int64_t right, int64_t bottom) {
  const double cx = (left + right) / 2.0, cy = (top + bottom) / 2.0;
  const double rx = (right - left) / 2.0, ry = (bottom - top) / 2.0;
  // Chords whose sagitta stays below a quarter pixel.
  const double step = std::sqrt(2.0 / std::max({rx, ry, 1.0}));
  const int count = std::clamp(static_cast<int>(std::ceil(2 * std::numbers::pi / step)), 16, 1 << 16);
  std::vector<DoublePoint> area;
  area.reserve(count);
  for (int i = 0; i < count; ++i) {
    const double t = 2 * std::numbers::pi * i / count;
    area.push_back({cx + rx * std::cos(t), cy + ry * std::sin(t)});
  }
  fillArea(area);
}
