#include "render/pixel_canvas.h"

#include <cairo.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
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

// The most bytes a mask of Cairo's drawing takes: a large figure is drawn a band of rows
// at a time, so that the memory stays small beside the indexes.
constexpr size_t kMaskBytes = size_t{1} << 18;

void setSourceColour(cairo_t* cr, uint32_t colour) {
  cairo_set_source_rgb(cr, ((colour >> 16) & 0xFF) / 255.0, ((colour >> 8) & 0xFF) / 255.0, (colour & 0xFF) / 255.0);
}

// A context that draws without antialiasing on the surface, which it takes over; null
// when Cairo cannot make it.
cairo_t* drawingContext(cairo_surface_t* surface) {
  cairo_t* cr = cairo_create(surface);
  cairo_surface_destroy(surface);
  if (cairo_status(cr) != CAIRO_STATUS_SUCCESS) {
    cairo_destroy(cr);
    return nullptr;
  }
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  return cr;
}

size_t narrowRowBytes(int width) { return (static_cast<size_t>(width) + 1) / 2; }

uint32_t squaredDistance(uint32_t a, uint32_t b) {
  uint32_t sum = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const int d = static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF);
    sum += static_cast<uint32_t>(d * d);
  }
  return sum;
}

}  // namespace

PixelBox pixelsAround(std::span<const DoublePoint> points, int64_t reach) {
  PixelBox box{INT64_MAX, INT64_MAX, INT64_MIN, INT64_MIN};
  for (const DoublePoint& p : points) {
    box.left = std::min(box.left, static_cast<int64_t>(std::floor(p.x)) - reach);
    box.top = std::min(box.top, static_cast<int64_t>(std::floor(p.y)) - reach);
    box.right = std::max(box.right, static_cast<int64_t>(std::ceil(p.x)) + reach + 1);
    box.bottom = std::max(box.bottom, static_cast<int64_t>(std::ceil(p.y)) + reach + 1);
  }
  return box;
}

std::unique_ptr<PixelCanvas> PixelCanvas::create(int width, int height, LibraryDrawing drawing) {
  if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return nullptr;
  // The memory comes zeroed, and index 0 is white.
  const size_t bytes = narrowRowBytes(width) * static_cast<size_t>(height);
  unsigned char* indexes = takePixelMemory(bytes);
  if (!indexes) return nullptr;
  cairo_t* measure = drawingContext(cairo_image_surface_create(CAIRO_FORMAT_A8, 1, 1));
  if (!measure) {
    releasePixelMemory(indexes, bytes);
    return nullptr;
  }
  std::unique_ptr<PixelCanvas> canvas(new PixelCanvas(indexes, measure, width, height, drawing));
  canvas->setFont(16);
  return canvas;
}

PixelCanvas::PixelCanvas(unsigned char* indexes, cairo_t* measure, int width, int height, LibraryDrawing drawing)
    : Canvas(width, height),
      indexes_(indexes),
      rowBytes_(static_cast<int64_t>(narrowRowBytes(width))),
      colours_{kWhite},
      measure_(measure),
      drawing_(drawing) {}

PixelCanvas::~PixelCanvas() {
  cairo_destroy(measure_);
  releasePixelMemory(indexes_, static_cast<size_t>(rowBytes_) * static_cast<size_t>(height_));
}

PixelView PixelCanvas::view() const {
  const int stride = static_cast<int>(rowBytes_), count = static_cast<int>(colours_.size());
  return {width_, height_, stride, nullptr, indexes_, colours_.data(), count, depth_};
}

bool PixelCanvas::keepWholeBytes() { return depth_ == 8 || widen(); }

bool PixelCanvas::widen() {
  const size_t bytes = static_cast<size_t>(width_) * static_cast<size_t>(height_);
  unsigned char* wide = takePixelMemory(bytes);
  if (!wide) return false;
  // The new memory is white already; white pixels are left alone, so that its pages
  // that stay white are never touched.
  for (int64_t y = 0; y < height_; ++y) {
    const unsigned char* row = indexes_ + y * rowBytes_;
    for (int64_t pair = 0; pair < rowBytes_; ++pair) {
      if (row[pair] == 0) continue;
      wide[y * width_ + 2 * pair] = row[pair] >> 4;
      if (2 * pair + 1 < width_) wide[y * width_ + 2 * pair + 1] = row[pair] & 0x0F;
    }
  }
  releasePixelMemory(indexes_, static_cast<size_t>(rowBytes_) * static_cast<size_t>(height_));
  indexes_ = wide;
  depth_ = 8;
  rowBytes_ = width_;
  return true;
}

void PixelCanvas::fillIndexes(int64_t y, int64_t from, int64_t end, uint8_t index) {
  if (from >= end) return;
  if (depth_ == 8) return (void)std::memset(indexes_ + y * rowBytes_ + from, index, static_cast<size_t>(end - from));
  if (from & 1) setIndex(from++, y, index);
  if (end & 1 && from < end) setIndex(--end, y, index);
  std::memset(indexes_ + y * rowBytes_ + from / 2, index * 0x11, static_cast<size_t>(end - from) / 2);
}

uint8_t PixelCanvas::colourIndex(uint32_t colour) {
  colour &= 0xFFFFFF;
  if (colour == lastColour_) return lastIndex_;
  auto at = std::find(colours_.begin(), colours_.end(), colour);
  if (at == colours_.end()) {
    const bool room = colours_.size() < kNarrowColours || (colours_.size() < kMaxColours && keepWholeBytes());
    if (room) {
      colours_.push_back(colour);
      at = colours_.end() - 1;
    } else {
      at = std::min_element(colours_.begin(), colours_.end(), [&](uint32_t a, uint32_t b) {
        return squaredDistance(a, colour) < squaredDistance(b, colour);
      });
    }
  }
  lastColour_ = colour;
  lastIndex_ = static_cast<uint8_t>(at - colours_.begin());
  return lastIndex_;
}

uint32_t PixelCanvas::pixel(int64_t x, int64_t y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return kWhite;
  return colours_[indexAt(x, y)];
}

void PixelCanvas::setPixel(int64_t x, int64_t y, uint32_t colour) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  setIndex(x, y, colourIndex(colour));
}

void PixelCanvas::fillAll(uint32_t colour) {
  const uint8_t index = colourIndex(colour);
  std::memset(indexes_, depth_ == 8 ? index : index * 0x11, static_cast<size_t>(rowBytes_) * static_cast<size_t>(height_));
}

void PixelCanvas::libraryPaint(const PixelBox& box, uint32_t colour, const LibraryPaint& paint) {
  const LibraryPaint inColour = [&](cairo_t* cr) {
    setSourceColour(cr, colour);
    paint(cr);
  };
  if (drawing_ == LibraryDrawing::WholeSurface) return paintWholeSurface(inColour);
  const PixelBox inside{std::max<int64_t>(box.left, 0), std::max<int64_t>(box.top, 0),
                        std::min<int64_t>(box.right, width_), std::min<int64_t>(box.bottom, height_)};
  if (inside.left >= inside.right || inside.top >= inside.bottom) return;
  paintMasks(inside, colourIndex(colour), inColour);
}

// What Cairo covers is all that matters of its drawing, since every pixel it touches
// takes the one colour: an A8 mask holds that, a band of rows at a time.
void PixelCanvas::paintMasks(const PixelBox& box, uint8_t index, const LibraryPaint& paint) {
  const int width = static_cast<int>(box.right - box.left);
  const int stride = cairo_format_stride_for_width(CAIRO_FORMAT_A8, width);
  if (stride <= 0) return;
  const int64_t bandRows = std::max<int64_t>(1, static_cast<int64_t>(kMaskBytes) / stride);
  for (int64_t top = box.top; top < box.bottom; top += bandRows) {
    const int rows = static_cast<int>(std::min(bandRows, box.bottom - top));
    mask_.assign(static_cast<size_t>(stride) * rows, 0);
    cairo_t* cr = drawingContext(cairo_image_surface_create_for_data(mask_.data(), CAIRO_FORMAT_A8, width, rows, stride));
    if (!cr) return;
    cairo_translate(cr, static_cast<double>(-box.left), static_cast<double>(-top));
    paint(cr);
    cairo_surface_flush(cairo_get_target(cr));
    cairo_destroy(cr);
    for (int row = 0; row < rows; ++row) {
      const unsigned char* covered = mask_.data() + static_cast<size_t>(row) * stride;
      for (int x = 0; x < width; ++x) {
        if (covered[x] != 0) setIndex(box.left + x, top + row, index);
      }
    }
  }
}

// The canvas as 32-bit pixels, as Cairo holds a surface of its own, drawn on and read
// back whole: slow, but with nothing of the masks in the way.
void PixelCanvas::paintWholeSurface(const LibraryPaint& paint) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width_, height_);
  cairo_surface_reference(surface);
  cairo_t* cr = drawingContext(surface);
  auto* pixels = reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(surface));
  if (cr && pixels) {
    const int64_t words = cairo_image_surface_get_stride(surface) / 4;
    for (int64_t y = 0; y < height_; ++y) {
      for (int64_t x = 0; x < width_; ++x) pixels[y * words + x] = 0xFF000000u | colours_[indexAt(x, y)];
    }
    cairo_surface_mark_dirty(surface);
    paint(cr);
    cairo_surface_flush(surface);
    for (int64_t y = 0; y < height_; ++y) {
      for (int64_t x = 0; x < width_; ++x) setIndex(x, y, colourIndex(pixels[y * words + x]));
    }
  }
  if (cr) cairo_destroy(cr);
  cairo_surface_destroy(surface);
}

void PixelCanvas::disc(int64_t x, int64_t y, int64_t diameter) {
  if (diameter <= 1) return setPixel(x, y, pen_.colour);
  const double r = diameter / 2.0;
  if (x + r < 0 || y + r < 0 || x - r > width_ || y - r > height_) return;
  const int64_t reach = diameter / 2 + 2;
  libraryPaint({x - reach, y - reach, x + reach + 1, y + reach + 1}, pen_.colour, [&](cairo_t* cr) {
    cairo_arc(cr, x + 0.5, y + 0.5, r, 0, 2 * std::numbers::pi);
    cairo_fill(cr);
  });
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
  const uint8_t value = colourIndex(pen_.colour);
  const int64_t phase = patternPos_;
  rasterLine(x0, y0, x1, y1, ClipBox{width_, height_}, [&](int64_t x, int64_t y, int64_t i) {
    if (penDrawsAt(phase + i)) setIndex(x, y, value);
  });
  const int64_t length = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
  if (pen_.style != PenStyle::Solid) patternPos_ = (patternPos_ + length) % kDashPeriod;
}

void PixelCanvas::strokePath(cairo_t* cr) const {
  cairo_set_line_width(cr, pen_.width);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
}

void PixelCanvas::wideSegment(int64_t x0, int64_t y0, int64_t x1, int64_t y1) {
  // Pixel centres are the path's points, as for thin lines; the round caps make the
  // joins of a chain of segments round.
  const double margin = pen_.width + 2.0;
  const DoubleBox box{-margin, -margin, width_ + margin, height_ + margin};
  DoublePoint a{x0 + 0.5, y0 + 0.5}, b{x1 + 0.5, y1 + 0.5};
  if (!clipSegment(a, b, box)) return;
  const int64_t reach = pen_.width / 2 + 2;
  const DoublePoint ends[] = {a, b};
  libraryPaint(pixelsAround(ends, reach), pen_.colour, [&](cairo_t* cr) {
    cairo_move_to(cr, a.x, a.y);
    cairo_line_to(cr, b.x, b.y);
    strokePath(cr);
  });
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
    const uint8_t value = colourIndex(pen_.colour);
    rasterEllipse(left, top, lastColumn, lastRow, [&](int64_t x, int64_t y, int64_t k) {
      if (x < 0 || y < 0 || x >= width_ || y >= height_ || !penDrawsAt(k)) return;
      setIndex(x, y, value);
    });
  } else if (rx == 0 || ry == 0) {
    moveTo(left, top);
    lineTo(lastColumn, lastRow);
  } else {
    // Four quarter arcs as Bezier curves around the pixel centres.
    constexpr double k = 0.5522847498307936;
    const double x = cx + 0.5, y = cy + 0.5;
    const int64_t reach = pen_.width / 2 + 2;
    libraryPaint({left - reach, top - reach, lastColumn + reach + 1, lastRow + reach + 1}, pen_.colour,
                 [&](cairo_t* cr) {
                   cairo_move_to(cr, x + rx, y);
                   cairo_curve_to(cr, x + rx, y + k * ry, x + k * rx, y + ry, x, y + ry);
                   cairo_curve_to(cr, x - k * rx, y + ry, x - rx, y + k * ry, x - rx, y);
                   cairo_curve_to(cr, x - rx, y - k * ry, x - k * rx, y - ry, x, y - ry);
                   cairo_curve_to(cr, x + k * rx, y - ry, x + rx, y - k * ry, x + rx, y);
                   cairo_close_path(cr);
                   strokePath(cr);
                 });
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
