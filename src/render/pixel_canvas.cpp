#include "render/pixel_canvas.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "render/clip.h"
#include "render/pixel_memory.h"
#include "render/raster.h"

namespace {

// Lengths of the on and off runs of the thin pen patterns, in pixels.
constexpr int64_t kDotOn = 3, kDotPeriod = 6;
constexpr int64_t kDashOn = 18, kDashPeriod = 24;

// Ellipses larger than this on a side are drawn as fine polygons, clipped segment by
// segment, instead of point by point along their whole outline.
constexpr int64_t kLargeEllipseSide = 1 << 15;

struct SurfaceMemory {
  unsigned char* pixels;
  size_t bytes;
};

const cairo_user_data_key_t kSurfaceMemoryKey{};

void releaseSurfaceMemory(void* data) {
  auto* memory = static_cast<SurfaceMemory*>(data);
  releasePixelMemory(memory->pixels, memory->bytes);
  delete memory;
}

// An ARGB32 surface over memory of its own (pixel_memory.h), which the surface gives
// back when it is destroyed; null when either cannot be had.
cairo_surface_t* createImageSurface(int width, int height) {
  const int stride = cairo_format_stride_for_width(CAIRO_FORMAT_ARGB32, width);
  if (stride <= 0) return nullptr;
  const size_t bytes = static_cast<size_t>(stride) * static_cast<size_t>(height);
  auto* memory = new SurfaceMemory{takePixelMemory(bytes), bytes};
  cairo_surface_t* surface = nullptr;
  if (memory->pixels) {
    surface = cairo_image_surface_create_for_data(memory->pixels, CAIRO_FORMAT_ARGB32, width, height, stride);
  }
  if (!memory->pixels || cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS ||
      cairo_surface_set_user_data(surface, &kSurfaceMemoryKey, memory, releaseSurfaceMemory) !=
          CAIRO_STATUS_SUCCESS) {
    if (surface) cairo_surface_destroy(surface);
    releaseSurfaceMemory(memory);
    return nullptr;
  }
  return surface;
}

}  // namespace

void PixelCanvas::setSourceColour(uint32_t colour) {
  cairo_set_source_rgb(cr_, ((colour >> 16) & 0xFF) / 255.0, ((colour >> 8) & 0xFF) / 255.0,
                       (colour & 0xFF) / 255.0);
}

std::unique_ptr<PixelCanvas> PixelCanvas::create(int width, int height) {
  if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return nullptr;
  cairo_surface_t* surface = createImageSurface(width, height);
  if (!surface) return nullptr;
  cairo_t* cr = cairo_create(surface);
  if (cairo_status(cr) != CAIRO_STATUS_SUCCESS) {
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
    return nullptr;
  }
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  std::unique_ptr<PixelCanvas> canvas(new PixelCanvas(surface, cr, width, height));
  canvas->fillAll(kWhite);
  canvas->setFont(16);
  return canvas;
}

PixelCanvas::PixelCanvas(cairo_surface_t* surface, cairo_t* cr, int width, int height)
    : Canvas(width, height), surface_(surface), cr_(cr) {}

PixelCanvas::~PixelCanvas() {
  cairo_destroy(cr_);
  cairo_surface_destroy(surface_);
}

uint32_t* PixelCanvas::pixels() const {
  return reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(surface_));
}

const unsigned char* PixelCanvas::data() const {
  beginDirect();
  return cairo_image_surface_get_data(surface_);
}

int PixelCanvas::stride() const { return cairo_image_surface_get_stride(surface_); }

uint32_t* PixelCanvas::editPixels() {
  beginDirect();
  return reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(surface_));
}

void PixelCanvas::beginDirect() const {
  if (!libraryDrew_) return;
  cairo_surface_flush(surface_);
  libraryDrew_ = false;
}

void PixelCanvas::endDirect() { directWrote_ = true; }

void PixelCanvas::beginLibrary() {
  if (directWrote_) cairo_surface_mark_dirty(surface_);
  directWrote_ = false;
  libraryDrew_ = true;
}

uint32_t PixelCanvas::pixel(int64_t x, int64_t y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return kWhite;
  beginDirect();
  const auto* row = reinterpret_cast<const uint32_t*>(data() + y * stride());
  return row[x] & 0xFFFFFF;
}

void PixelCanvas::setPixel(int64_t x, int64_t y, uint32_t colour) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  beginDirect();
  auto* row = reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(surface_) + y * stride());
  row[x] = 0xFF000000u | (colour & 0xFFFFFF);
  endDirect();
}

void PixelCanvas::fillAll(uint32_t colour) {
  beginLibrary();
  setSourceColour(colour);
  cairo_paint(cr_);
}

void PixelCanvas::disc(int64_t x, int64_t y, int64_t diameter) {
  if (diameter <= 1) return setPixel(x, y, pen_.colour);
  const double r = diameter / 2.0;
  if (x + r < 0 || y + r < 0 || x - r > width_ || y - r > height_) return;
  beginLibrary();
  setSourceColour(pen_.colour);
  cairo_new_path(cr_);
  cairo_arc(cr_, x + 0.5, y + 0.5, r, 0, 2 * std::numbers::pi);
  cairo_fill(cr_);
}

bool PixelCanvas::penDrawsAt(int64_t index) const {
  switch (pen_.style) {
    case PenStyle::Dotted:
      return index % kDotPeriod < kDotOn;
    case PenStyle::Dashed:
      return index % kDashPeriod < kDashOn;
    case PenStyle::Solid:
      break;
  }
  return true;
}

void PixelCanvas::moveTo(int64_t x, int64_t y) {
  current_ = {x, y};
  patternPos_ = 0;
}

void PixelCanvas::lineTo(int64_t x, int64_t y) {
  if (pen_.width <= 1) {
    thinSegment(current_.x, current_.y, x, y);
  } else {
    wideSegment(current_.x, current_.y, x, y);
  }
  current_ = {x, y};
}

void PixelCanvas::thinSegment(int64_t x0, int64_t y0, int64_t x1, int64_t y1) {
  beginDirect();
  uint32_t* base = pixels();
  const int64_t wordsPerRow = stride() / 4;
  const uint32_t value = 0xFF000000u | pen_.colour;
  const int64_t phase = patternPos_;
  rasterLine(x0, y0, x1, y1, ClipBox{width_, height_}, [&](int64_t x, int64_t y, int64_t i) {
    if (penDrawsAt(phase + i)) base[y * wordsPerRow + x] = value;
  });
  const int64_t length = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
  if (pen_.style != PenStyle::Solid) patternPos_ = (patternPos_ + length) % kDashPeriod;
  endDirect();
}

void PixelCanvas::strokeCurrentPath() {
  setSourceColour(pen_.colour);
  cairo_set_line_width(cr_, pen_.width);
  cairo_set_line_cap(cr_, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
  beginLibrary();
  cairo_stroke(cr_);
}

void PixelCanvas::wideSegment(int64_t x0, int64_t y0, int64_t x1, int64_t y1) {
  // Pixel centres are the path's points, as for thin lines; the round caps make the
  // joins of a chain of segments round.
  const double margin = pen_.width + 2.0;
  const DoubleBox box{-margin, -margin, width_ + margin, height_ + margin};
  DoublePoint a{x0 + 0.5, y0 + 0.5}, b{x1 + 0.5, y1 + 0.5};
  if (!clipSegment(a, b, box)) return;
  cairo_move_to(cr_, a.x, a.y);
  cairo_line_to(cr_, b.x, b.y);
  strokeCurrentPath();
}

void PixelCanvas::rectangle(int64_t x1, int64_t y1, int64_t x2, int64_t y2) {
  const int64_t left = std::min(x1, x2), right = std::max(x1, x2);
  const int64_t top = std::min(y1, y2), bottom = std::max(y1, y2);
  if (brush_.style != BrushStyle::Hollow && right > left && bottom > top) {
    const double l = static_cast<double>(left), r = static_cast<double>(right);
    const double t = static_cast<double>(top), b = static_cast<double>(bottom);
    fillArea({{l, t}, {r, t}, {r, b}, {l, b}});
  }
  // The outline runs through the outermost pixels kept; a side of zero length still
  // shows as a line.
  const int64_t lastColumn = std::max(left, right - 1), lastRow = std::max(top, bottom - 1);
  const int64_t margin = pen_.width + 2;
  auto clampX = [&](int64_t x) { return std::clamp<int64_t>(x, -margin, width_ + margin); };
  auto clampY = [&](int64_t y) { return std::clamp<int64_t>(y, -margin, height_ + margin); };
  const PixelPoint corners[4] = {{clampX(left), clampY(top)},
                                 {clampX(lastColumn), clampY(top)},
                                 {clampX(lastColumn), clampY(lastRow)},
                                 {clampX(left), clampY(lastRow)}};
  closedOutline(corners);
}

void PixelCanvas::ellipse(int64_t x1, int64_t y1, int64_t x2, int64_t y2) {
  const int64_t left = std::min(x1, x2), right = std::max(x1, x2);
  const int64_t top = std::min(y1, y2), bottom = std::max(y1, y2);
  if (brush_.style != BrushStyle::Hollow && right > left && bottom > top) {
    fillEllipse(left, top, right, bottom);
  }
  const int64_t lastColumn = std::max(left, right - 1), lastRow = std::max(top, bottom - 1);
  const PixelPoint savedPosition = current_;
  const int64_t savedPattern = patternPos_;
  // Nothing of an ellipse lying wholly beyond the margin can show.
  const int64_t margin = pen_.width + 2;
  if (lastColumn < -margin || left > width_ + margin || lastRow < -margin ||
      top > height_ + margin) {
    return;
  }
  const double cx = (left + lastColumn) / 2.0, cy = (top + lastRow) / 2.0;
  const double rx = (lastColumn - left) / 2.0, ry = (lastRow - top) / 2.0;
  if (lastColumn - left >= kLargeEllipseSide || lastRow - top >= kLargeEllipseSide) {
    // Sagitta of a chord below half a pixel: angle step sqrt(4 / r).
    const double step = std::sqrt(4.0 / std::max(rx, ry));
    const int count = static_cast<int>(std::ceil(2 * std::numbers::pi / step));
    auto at = [&](int i) {
      const double t = 2 * std::numbers::pi * i / count;
      return PixelPoint{std::llround(cx + rx * std::cos(t)), std::llround(cy + ry * std::sin(t))};
    };
    const PixelPoint first = at(0);
    moveTo(first.x, first.y);
    for (int i = 1; i <= count; ++i) {
      const PixelPoint p = at(i % count);
      lineTo(p.x, p.y);
    }
  } else if (pen_.width <= 1 && (left == lastColumn || top == lastRow)) {
    // Flattened to a line of pixels, which the ellipse stepping would leave short.
    for (int64_t i = 0; i <= std::max(lastColumn - left, lastRow - top); ++i) {
      if (penDrawsAt(i)) {
        setPixel(left == lastColumn ? left : left + i, top == lastRow ? top : top + i, pen_.colour);
      }
    }
  } else if (pen_.width <= 1) {
    beginDirect();
    uint32_t* base = pixels();
    const int64_t wordsPerRow = stride() / 4;
    const uint32_t value = 0xFF000000u | pen_.colour;
    rasterEllipse(left, top, lastColumn, lastRow, [&](int64_t x, int64_t y, int64_t k) {
      if (x < 0 || y < 0 || x >= width_ || y >= height_ || !penDrawsAt(k)) return;
      base[y * wordsPerRow + x] = value;
    });
    endDirect();
  } else if (rx == 0 || ry == 0) {
    moveTo(left, top);
    lineTo(lastColumn, lastRow);
  } else {
    // Four quarter arcs as Bezier curves around the pixel centres.
    constexpr double k = 0.5522847498307936;
    const double x = cx + 0.5, y = cy + 0.5;
    cairo_move_to(cr_, x + rx, y);
    cairo_curve_to(cr_, x + rx, y + k * ry, x + k * rx, y + ry, x, y + ry);
    cairo_curve_to(cr_, x - k * rx, y + ry, x - rx, y + k * ry, x - rx, y);
    cairo_curve_to(cr_, x - rx, y - k * ry, x - k * rx, y - ry, x, y - ry);
    cairo_curve_to(cr_, x + k * rx, y - ry, x + rx, y - k * ry, x + rx, y);
    cairo_close_path(cr_);
    strokeCurrentPath();
  }
  current_ = savedPosition;
  patternPos_ = savedPattern;
}

void PixelCanvas::polygon(std::span<const PixelPoint> points) {
  if (points.empty()) return;
  if (brush_.style != BrushStyle::Hollow) {
    std::vector<DoublePoint> area;
    area.reserve(points.size());
    for (const PixelPoint& p : points) area.push_back({p.x + 0.5, p.y + 0.5});
    fillArea(area);
  }
  closedOutline(points);
}

void PixelCanvas::closedOutline(std::span<const PixelPoint> points) {
  // Shapes leave the current position and the pen pattern as they were.
  const PixelPoint savedPosition = current_;
  const int64_t savedPattern = patternPos_;
  moveTo(points[0].x, points[0].y);
  if (std::all_of(points.begin(), points.end(), [&](const PixelPoint& p) { return p == points[0]; })) {
    // A shape collapsed onto one pixel still shows as the pen's dot.
    if (pen_.width <= 1) {
      setPixel(points[0].x, points[0].y, pen_.colour);
    } else {
      wideSegment(points[0].x, points[0].y, points[0].x, points[0].y);
    }
  }
  for (size_t i = 1; i <= points.size(); ++i) {
    const PixelPoint& p = points[i % points.size()];
    lineTo(p.x, p.y);
  }
  current_ = savedPosition;
  patternPos_ = savedPattern;
}
