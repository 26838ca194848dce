#include "render/vector_canvas.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/text/text.h"
#include "render/font_face.h"

namespace {

// A quarter of an ellipse as one cubic curve: the control points lie this fraction of
// the radius along the tangents.
constexpr double kQuarterArc = 0.5522847498307936;
// Hatch lines stand 4 mm apart.
constexpr double kHatchSpacing = 4.0 * kVectorUnitsPerMm;
// Ellipses are drawn as polygons with at most this many corners when they reach beyond
// the margin, and clipped.
constexpr int kMaxEllipseCorners = 1 << 16;

bool isWhite(uint32_t colour) { return (colour & 0xFFFFFF) == kWhite; }

// The centre of unit (x, y), where the pixel canvas also puts its points.
DoublePoint centre(int64_t x, int64_t y) { return {x + 0.5, y + 0.5}; }

PathOp op(PathOp::Kind kind, DoublePoint p) { return PathOp{kind, {p, {}, {}}}; }

std::vector<PathOp> ellipsePath(double cx, double cy, double rx, double ry) {
  const double kx = rx * kQuarterArc, ky = ry * kQuarterArc;
  return {op(PathOp::Kind::Move, {cx + rx, cy}),
          PathOp{PathOp::Kind::Curve, {{cx + rx, cy + ky}, {cx + kx, cy + ry}, {cx, cy + ry}}},
          PathOp{PathOp::Kind::Curve, {{cx - kx, cy + ry}, {cx - rx, cy + ky}, {cx - rx, cy}}},
          PathOp{PathOp::Kind::Curve, {{cx - rx, cy - ky}, {cx - kx, cy - ry}, {cx, cy - ry}}},
          PathOp{PathOp::Kind::Curve, {{cx + kx, cy - ry}, {cx + rx, cy - ky}, {cx + rx, cy}}},
          op(PathOp::Kind::Close, {})};
}

DoubleBox boundsOf(const std::vector<DoublePoint>& points) {
  DoubleBox box{points[0].x, points[0].y, points[0].x, points[0].y};
  for (const DoublePoint& p : points) {
    box = {std::min(box.left, p.x), std::min(box.top, p.y), std::max(box.right, p.x), std::max(box.bottom, p.y)};
  }
  return box;
}

bool inside(const DoubleBox& outer, const DoubleBox& inner) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right && inner.bottom <= outer.bottom;
}

bool meets(const DoubleBox& a, const DoubleBox& b) {
  return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}

// The glyphs of the text set from cr's current point in its selected font, only those
// whose ink meets `box`: a label may run on for metres beyond the page, and its glyphs
// out there would only be turned into paths to be cut off. Empty when the library
// fails.
std::vector<cairo_glyph_t> glyphsMeeting(cairo_t* cr, const std::string& utf8, const DoubleBox& box) {
  std::vector<cairo_glyph_t> kept;
  double x = 0, y = 0;
  cairo_get_current_point(cr, &x, &y);
  cairo_scaled_font_t* font = cairo_get_scaled_font(cr);
  cairo_glyph_t* glyphs = nullptr;
  int count = 0;
  if (cairo_scaled_font_text_to_glyphs(font, x, y, utf8.data(), static_cast<int>(utf8.size()), &glyphs, &count, nullptr,
                                       nullptr, nullptr) != CAIRO_STATUS_SUCCESS) {
    return kept;
  }
  for (int i = 0; i < count; ++i) {
    cairo_text_extents_t ink;
    cairo_scaled_font_glyph_extents(font, &glyphs[i], 1, &ink);
    const double left = glyphs[i].x + ink.x_bearing, top = glyphs[i].y + ink.y_bearing;
    if (meets(box, {left, top, left + ink.width, top + ink.height})) kept.push_back(glyphs[i]);
  }
  cairo_glyph_free(glyphs);
  return kept;
}

}  // namespace

StrokePattern strokePattern(PenStyle style, double width) {
  const double gap = 2.5 * kVectorUnitsPerMm;
  switch (style) {
    case PenStyle::Dotted:
      return {{0.0, width + gap}, true};
    case PenStyle::Dashed:
      return {{5.0 * kVectorUnitsPerMm, gap}, false};
    case PenStyle::Solid:
      break;
  }
  return {};
}

std::vector<PathOp> polygonPath(const std::vector<DoublePoint>& points) {
  std::vector<PathOp> path;
  if (points.empty()) return path;
  path.reserve(points.size() + 1);
  path.push_back(op(PathOp::Kind::Move, points[0]));
  for (size_t i = 1; i < points.size(); ++i) path.push_back(op(PathOp::Kind::Line, points[i]));
  path.push_back(op(PathOp::Kind::Close, {}));
  return path;
}

std::unique_ptr<VectorCanvas> VectorCanvas::create(int width, int height) {
  if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return nullptr;
  // Unbounded, so that no glyph is left out for lying outside it.
  cairo_surface_t* scratch = cairo_recording_surface_create(CAIRO_CONTENT_ALPHA, nullptr);
  cairo_t* cr = cairo_create(scratch);
  if (cairo_status(cr) != CAIRO_STATUS_SUCCESS) {
    cairo_destroy(cr);
    cairo_surface_destroy(scratch);
    return nullptr;
  }
  return std::unique_ptr<VectorCanvas>(new VectorCanvas(width, height, scratch, cr));
}

VectorCanvas::VectorCanvas(int width, int height, cairo_surface_t* scratch, cairo_t* cr)
    : Canvas(width, height), scratch_(scratch), cr_(cr), groups_(1) {}

VectorCanvas::~VectorCanvas() {
  cairo_destroy(cr_);
  cairo_surface_destroy(scratch_);
}

void VectorCanvas::beginGroup(int line) {
  strokeOpen_ = false;
  if (!groups_.back().marks.empty()) groups_.emplace_back();
  groups_.back().line = line;
}

size_t VectorCanvas::pathSize() const {
  size_t size = 0;
  for (const VectorGroup& group : groups_) {
    for (const VectorMark& mark : group.marks) size += mark.path.size() + mark.clip.size();
  }
  return size;
}

DoubleBox VectorCanvas::marginBox() const {
  const double margin = pen_.width + 2.0 * kHatchSpacing;
  return {-margin, -margin, width_ + margin, height_ + margin};
}

VectorMark& VectorCanvas::newMark(VectorMark::Paint paint, bool white) {
  strokeOpen_ = false;
  VectorMark& mark = groups_.back().marks.emplace_back();
  mark.paint = paint;
  mark.white = white;
  mark.width = pen_.width;
  mark.style = pen_.style;
  return mark;
}

VectorMark& VectorCanvas::strokeMark() {
  if (strokeOpen_) {
    VectorMark& last = groups_.back().marks.back();
    if (last.width == pen_.width && last.style == pen_.style && last.white == isWhite(pen_.colour)) return last;
  }
  VectorMark& mark = newMark(VectorMark::Paint::Stroke, isWhite(pen_.colour));
  strokeOpen_ = true;
  pathOpen_ = false;
  return mark;
}

void VectorCanvas::moveTo(int64_t x, int64_t y) {
  // A move to where the path stands (the segments of a polyline, drawn one by one) goes
  // on with it: one path with round joins, and a pattern that runs on along it.
  if (current_ == PixelPoint{x, y}) return;
  current_ = {x, y};
  pathOpen_ = false;
}

void VectorCanvas::lineTo(int64_t x, int64_t y) {
  DoublePoint a = centre(current_.x, current_.y), b = centre(x, y);
  const DoublePoint end = b;
  const bool wasOpen = strokeOpen_;
  current_ = {x, y};
  if (!clipSegment(a, b, marginBox())) return;
  VectorMark& mark = strokeMark();
  // A line continues the stroke's path only from the point where the last one ended.
  const bool continues = wasOpen && strokeOpen_ && pathOpen_ && !mark.path.empty() &&
                         mark.path.back().p[0].x == a.x && mark.path.back().p[0].y == a.y;
  if (!continues) mark.path.push_back(op(PathOp::Kind::Move, a));
  mark.path.push_back(op(PathOp::Kind::Line, b));
  // After a line cut short at the margin, the next one starts a new piece.
  pathOpen_ = b.x == end.x && b.y == end.y;
}

void VectorCanvas::disc(int64_t x, int64_t y, int64_t diameter) {
  const DoublePoint c = centre(x, y);
  const double r = std::max<int64_t>(diameter, 1) / 2.0;
  if (!meets(marginBox(), {c.x - r, c.y - r, c.x + r, c.y + r})) return;
  newMark(VectorMark::Paint::Fill, isWhite(pen_.colour)).path = ellipsePath(c.x, c.y, r, r);
}

void VectorCanvas::ringedDisc(int64_t x, int64_t y, int64_t diameter, int64_t ring) {
  const size_t first = groups_.back().marks.size();
  Canvas::ringedDisc(x, y, diameter, ring);
  std::vector<VectorMark>& marks = groups_.back().marks;
  for (size_t i = first; i < marks.size(); ++i) marks[i].last = true;
}

void VectorCanvas::setPixel(int64_t x, int64_t y, uint32_t colour) {
  const uint32_t penColour = pen_.colour;
  pen_.colour = colour;
  disc(x, y, pen_.width);
  pen_.colour = penColour;
}

void VectorCanvas::fillBrush(const std::vector<PathOp>& area) {
  if (brush_.style == BrushStyle::Hollow || area.empty()) return;
  const bool white = isWhite(brush_.colour);
  if (brush_.style == BrushStyle::Solid) {
    newMark(VectorMark::Paint::Fill, white).path = area;
    return;
  }
  // Hatch lines across the area's bounds, shown only inside the area.
  std::vector<DoublePoint> corners;
  for (const PathOp& o : area) {
    for (int i = 0; i < (o.kind == PathOp::Kind::Curve ? 3 : 1); ++i) {
      if (o.kind != PathOp::Kind::Close) corners.push_back(o.p[i]);
    }
  }
  DoubleBox b = boundsOf(corners);
  const DoubleBox limit = marginBox();
  b = {std::max(b.left, limit.left), std::max(b.top, limit.top), std::min(b.right, limit.right), std::min(b.bottom, limit.bottom)};
  if (b.left >= b.right || b.top >= b.bottom) return;
  VectorMark& mark = newMark(VectorMark::Paint::Stroke, white);
  mark.style = PenStyle::Solid;
  mark.clip = area;
  auto line = [&](DoublePoint from, DoublePoint to) {
    mark.path.push_back(op(PathOp::Kind::Move, from));
    mark.path.push_back(op(PathOp::Kind::Line, to));
  };
  if (brush_.style == BrushStyle::HatchCross) {
    for (double x = b.left + kHatchSpacing / 2; x < b.right; x += kHatchSpacing) line({x, b.top}, {x, b.bottom});
    for (double y = b.top + kHatchSpacing / 2; y < b.bottom; y += kHatchSpacing) line({b.left, y}, {b.right, y});
  } else {
    // Lines running down to the right, x - y constant, kHatchSpacing apart.
    const double step = kHatchSpacing * std::numbers::sqrt2;
    for (double c = b.left - b.bottom + step / 2; c < b.right - b.top; c += step) {
      line({c + b.top, b.top}, {c + b.bottom, b.bottom});
    }
  }
}

void VectorCanvas::closedShape(const std::vector<DoublePoint>& outline) {
  const std::vector<DoublePoint> kept = clipPolygon(outline, marginBox());
  if (kept.size() < 2) return;
  const std::vector<PathOp> path = polygonPath(kept);
  fillBrush(path);
  newMark(VectorMark::Paint::Stroke, isWhite(pen_.colour)).path = path;
}

void VectorCanvas::rectangle(int64_t x1, int64_t y1, int64_t x2, int64_t y2) {
  const int64_t left = std::min(x1, x2), right = std::max(x1, x2);
  const int64_t top = std::min(y1, y2), bottom = std::max(y1, y2);
  if (right == left || bottom == top) return;
  // Like the pixel canvas, the outline runs through the first and the last unit inside.
  const double l = left + 0.5, t = top + 0.5, r = right - 0.5, b = bottom - 0.5;
  closedShape({{l, t}, {r, t}, {r, b}, {l, b}});
}

void VectorCanvas::polygon(std::span<const PixelPoint> points) {
  std::vector<DoublePoint> outline;
  outline.reserve(points.size());
  for (const PixelPoint& p : points) outline.push_back(centre(p.x, p.y));
  if (!outline.empty()) closedShape(outline);
}

void VectorCanvas::ellipse(int64_t x1, int64_t y1, int64_t x2, int64_t y2) {
  const int64_t left = std::min(x1, x2), right = std::max(x1, x2);
  const int64_t top = std::min(y1, y2), bottom = std::max(y1, y2);
  if (right == left || bottom == top) return;
  const double l = left + 0.5, t = top + 0.5, r = right - 0.5, b = bottom - 0.5;
  const double cx = (l + r) / 2, cy = (t + b) / 2, rx = (r - l) / 2, ry = (b - t) / 2;
  if (inside(marginBox(), {l, t, r, b})) {
    const std::vector<PathOp> path = ellipsePath(cx, cy, rx, ry);
    fillBrush(path);
    newMark(VectorMark::Paint::Stroke, isWhite(pen_.colour)).path = path;
    return;
  }
  // Chords whose sagitta stays below a tenth of a unit, clipped like any polygon.
  const double step = std::sqrt(0.8 / std::max({rx, ry, 1.0}));
  const int count = std::clamp(static_cast<int>(std::ceil(2 * std::numbers::pi / step)), 16, kMaxEllipseCorners);
  std::vector<DoublePoint> outline(count);
  for (int i = 0; i < count; ++i) {
    const double a = 2 * std::numbers::pi * i / count;
    outline[i] = {cx + rx * std::cos(a), cy + ry * std::sin(a)};
  }
  closedShape(outline);
}

void VectorCanvas::setFont(int cellHeight) {
  cellHeight_ = std::max(1, cellHeight);
  fontSize_ = 0;
}

void VectorCanvas::selectFont() {
  if (fontSize_ <= 0) fontSize_ = fontSizeForCell(cr_, FontFamily::Sans, cellHeight_);
  cairo_set_font_face(cr_, fontFace(FontFamily::Sans));
  cairo_set_font_size(cr_, fontSize_);
}

void VectorCanvas::textOut(int64_t x, int64_t y, std::string_view text) {
  if (fontFace(FontFamily::Sans) == nullptr || text.empty()) return;
  if (textCannotShow(x, y)) return;
  selectFont();
  const std::string utf8 = placeText(cr_, x, y, text, false);
  const std::vector<cairo_glyph_t> shown = glyphsMeeting(cr_, utf8, marginBox());
  if (shown.empty()) return;
  cairo_glyph_path(cr_, shown.data(), static_cast<int>(shown.size()));
  cairo_path_t* glyphs = cairo_copy_path(cr_);
  cairo_new_path(cr_);
  if (glyphs->status != CAIRO_STATUS_SUCCESS || glyphs->num_data == 0) return cairo_path_destroy(glyphs);
  VectorMark& mark = newMark(VectorMark::Paint::Fill, isWhite(textColour_));
  for (int i = 0; i < glyphs->num_data; i += glyphs->data[i].header.length) {
    const cairo_path_data_t* d = &glyphs->data[i];
    auto at = [&](int k) { return DoublePoint{d[k].point.x, d[k].point.y}; };
    switch (d->header.type) {
      case CAIRO_PATH_MOVE_TO: mark.path.push_back(op(PathOp::Kind::Move, at(1))); break;
      case CAIRO_PATH_LINE_TO: mark.path.push_back(op(PathOp::Kind::Line, at(1))); break;
      case CAIRO_PATH_CURVE_TO: mark.path.push_back(PathOp{PathOp::Kind::Curve, {at(1), at(2), at(3)}}); break;
      case CAIRO_PATH_CLOSE_PATH: mark.path.push_back(op(PathOp::Kind::Close, {})); break;
    }
  }
  cairo_path_destroy(glyphs);
}

int VectorCanvas::textWidth(std::string_view text) {
  if (fontFace(FontFamily::Sans) == nullptr || text.empty()) return 0;
  selectFont();
  return textAdvance(cr_, text);
}
