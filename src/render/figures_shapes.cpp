// Point marks, segments, arrows, rectangles, circles, ellipses and histogram bars.
#include <algorithm>
#include <cmath>

#include "render/figure_support.h"
#include "render/figures.h"

namespace {

// The colour of a point marked by a dot: not white, so that an embosser raises it.
constexpr uint32_t kDotPointColour = rgb(1, 0, 0);

size_t pairedCount(std::span<const double> xs, std::span<const double> ys) {
  return std::min({xs.size(), ys.size(), static_cast<size_t>(kMaxFigurePoints)});
}

}  // namespace

void markPoint(const DeviceStyle& style, Canvas& canvas, int64_t x, int64_t y) {
  if (style.pointMark == PointMark::Dot) {
    canvas.setPixel(x, y, kDotPointColour);
    return;
  }
  if (style.pointMark == PointMark::Disc) return canvas.ringedDisc(x, y, style.pointSide, style.pointRing);
  canvas.moveTo(x - 1, y - 1);
  canvas.lineTo(x - 1, y + 1);
  canvas.lineTo(x + 1, y + 1);
  canvas.lineTo(x + 1, y - 1);
  canvas.lineTo(x - 1, y - 1);
}

void drawChain(Canvas& canvas, const std::vector<PixelPoint>& points) {
  if (points.empty()) return;
  canvas.moveTo(points[0].x, points[0].y);
  for (size_t i = 1; i < points.size(); ++i) canvas.lineTo(points[i].x, points[i].y);
}

void extendChain(std::vector<PixelPoint>& chain, PixelPoint p) {
  if (chain.empty() || chain.back() != p) chain.push_back(p);
}

RenderFault drawPoint(Page& page, double x, double y) {
  Figure f(page);
  const PixelPoint p = f.point(x, y);
  if (!f.ok()) return f.fail();
  markPoint(f.style(), f.canvas(), p.x, p.y);
  return RenderFault::None;
}

namespace {

// Maps both ends and draws the segment between them; false, with nothing drawn, when
// an end cannot be mapped.
bool drawMappedSegment(Figure& f, double x1, double y1, double x2, double y2, PixelPoint& from,
                       PixelPoint& to) {
  from = f.point(x1, y1);
  to = f.point(x2, y2);
  if (!f.ok()) return false;
  drawChain(f.canvas(), {from, to});
  return true;
}

}  // namespace

RenderFault drawLine(Page& page, double x1, double y1, double x2, double y2) {
  Figure f(page);
  PixelPoint from, to;
  return drawMappedSegment(f, x1, y1, x2, y2, from, to) ? RenderFault::None : f.fail();
}

RenderFault drawPolyline(Page& page, std::span<const double> xs, std::span<const double> ys, bool closed) {
  Figure f(page);
  std::vector<PixelPoint> points;
  for (size_t i = 0; i < pairedCount(xs, ys); ++i) points.push_back(f.point(xs[i], ys[i]));
  if (!f.ok()) return f.fail();
  // Each segment on its own, as drawLine draws it.
  for (size_t i = 0; i + 1 < points.size(); ++i) drawChain(f.canvas(), {points[i], points[i + 1]});
  if (closed && points.size() > 1) drawChain(f.canvas(), {points.back(), points.front()});
  return RenderFault::None;
}

RenderFault drawArrow(Page& page, double x1, double y1, double x2, double y2) {
  Figure f(page);
  PixelPoint tail, tip;
  if (!drawMappedSegment(f, x1, y1, x2, y2, tail, tip)) return f.fail();
  // The squared length needs 65 bits for the widest pixel coordinates.
  const int64_t dx = tip.x - tail.x, dy = tip.y - tail.y;
  const __int128 squared = static_cast<__int128>(dx) * dx + static_cast<__int128>(dy) * dy;
  const double length = std::max(1.0, std::sqrt(static_cast<double>(squared)));
  const ArrowHead& head = f.style().arrowHead;
  const double ux = dx * head.length / length, uy = dy * head.length / length;
  auto corner = [&](double angle) {
    const double a = std::trunc(std::cos(angle) * ux - std::sin(angle) * uy);
    const double b = std::trunc(std::sin(angle) * ux + std::cos(angle) * uy);
    return PixelPoint{tip.x - static_cast<int64_t>(a), tip.y - static_cast<int64_t>(b)};
  };
  const PixelPoint triangle[3] = {tip, corner(head.halfAngle), corner(-head.halfAngle)};
  if (!head.solid) {
    f.canvas().polygon(triangle);
    return RenderFault::None;
  }
  // An outline the size of a fingertip would feel like a blot anyway.
  const Brush brush = f.canvas().brush();
  f.canvas().setBrush(Brush{BrushStyle::Solid, f.canvas().pen().colour});
  f.canvas().polygon(triangle);
  f.canvas().setBrush(brush);
  return RenderFault::None;
}

RenderFault drawRectangle(Page& page, double x, double y, double w, double h) {
  Figure f(page);
  const PixelPoint a = f.point(x, y), b = f.point(x + w, y + h);
  if (!f.ok()) return f.fail();
  if (w != 0 || h != 0) {
    f.canvas().rectangle(a.x, a.y, b.x, b.y);
  } else {
    f.canvas().setPixel(a.x, a.y, f.canvas().pen().colour);
  }
  return RenderFault::None;
}

RenderFault drawRotatedRectangle(Page& page, double x, double y, double w, double h, double angle) {
  // A whole number of turns is taken off first, exactly (fmod rounds nothing), so that a
  // huge angle does not overflow to infinity when it is multiplied by pi.
  const double theta = std::fmod(angle, 360.0) * 3.141592 / 180;
  const double c = std::cos(theta), s = std::sin(theta);
  // The turned side is formed whole before it is added to the corner.
  auto corner = [&](double p, double q) {
    return DoublePoint{x + (c * p - s * q), y + (s * p + c * q)};
  };
  const DoublePoint corners[4] = {{x, y}, corner(w, 0), corner(w, h), corner(0, h)};
  Figure f(page);
  std::vector<PixelPoint> outline;
  for (int i = 0; i <= 4; ++i) outline.push_back(f.point(corners[i % 4].x, corners[i % 4].y));
  if (!f.ok()) return f.fail();
  drawChain(f.canvas(), outline);
  return RenderFault::None;
}

RenderFault drawEllipse(Page& page, double cx, double cy, double rx, double ry) {
  Figure f(page);
  const PixelPoint a = f.point(cx - rx, cy - ry), b = f.point(cx + rx, cy + ry);
  if (!f.ok()) return f.fail();
  f.canvas().ellipse(a.x, a.y, b.x, b.y);
  return RenderFault::None;
}

RenderFault drawCircle(Page& page, double cx, double cy, double r) { return drawEllipse(page, cx, cy, r, r); }

RenderFault drawHistogram(Page& page, std::span<const double> heights, double x, double y, double barWidth) {
  Figure f(page);
  std::vector<PixelPoint> corners;
  const size_t count = std::min(heights.size(), static_cast<size_t>(kMaxFigurePoints));
  for (size_t i = 0; i < count; ++i) {
    corners.push_back(f.point(x, y));
    corners.push_back(f.point(x + barWidth, y + heights[i]));
    x = x + barWidth;
  }
  if (!f.ok()) return f.fail();
  for (size_t i = 0; i < corners.size(); i += 2) {
    f.canvas().rectangle(corners[i].x, corners[i].y, corners[i + 1].x, corners[i + 1].y);
  }
  return RenderFault::None;
}
