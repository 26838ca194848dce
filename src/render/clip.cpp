#include "render/clip.h"


bool clipSegment(DoublePoint& a, DoublePoint& b, const DoubleBox& box) {
  // Parametric clipping: p(t) = a + t (b - a), t in [0, 1], one edge at a time.
  const double dx = b.x - a.x, dy = b.y - a.y;
  double t0 = 0, t1 = 1;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {a.x - box.left, box.right - a.x, a.y - box.top, box.bottom - a.y};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) {
      if (t > t1) return false;
      if (t > t0) t0 = t;
    } else {
      if (t < t0) return false;
      if (t < t1) t1 = t;
    }
  }
  const DoublePoint start{a.x + t0 * dx, a.y + t0 * dy};
  const DoublePoint end{a.x + t1 * dx, a.y + t1 * dy};
  a = start;
  b = end;
  return true;
}

namespace {

// One edge of the box as a half-plane: inside when side(p) >= 0.
template <class Side, class Cross>
std::vector<DoublePoint> clipAgainst(const std::vector<DoublePoint>& in, Side side, Cross cross) {
  std::vector<DoublePoint> out;
  if (in.empty()) return out;
  out.reserve(in.size() + 4);
  DoublePoint prev = in.back();
  bool prevInside = side(prev) >= 0;
  for (const DoublePoint& cur : in) {
    const bool curInside = side(cur) >= 0;
    if (curInside != prevInside) out.push_back(cross(prev, cur));
    if (curInside) out.push_back(cur);
    prev = cur;
    prevInside = curInside;
  }
  return out;
}

DoublePoint atX(const DoublePoint& a, const DoublePoint& b, double x) {
  const double t = (x - a.x) / (b.x - a.x);
  return {x, a.y + t * (b.y - a.y)};
}

DoublePoint atY(const DoublePoint& a, const DoublePoint& b, double y) {
  const double t = (y - a.y) / (b.y - a.y);
  return {a.x + t * (b.x - a.x), y};
}

}  // namespace

std::vector<DoublePoint> clipPolygon(const std::vector<DoublePoint>& polygon, const DoubleBox& box) {
  auto out = clipAgainst(
      polygon, [&](const DoublePoint& p) { return p.x - box.left; },
      [&](const DoublePoint& a, const DoublePoint& b) { return atX(a, b, box.left); });
  out = clipAgainst(
      out, [&](const DoublePoint& p) { return box.right - p.x; },
      [&](const DoublePoint& a, const DoublePoint& b) { return atX(a, b, box.right); });
  out = clipAgainst(
      out, [&](const DoublePoint& p) { return p.y - box.top; },
      [&](const DoublePoint& a, const DoublePoint& b) { return atY(a, b, box.top); });
  return clipAgainst(
      out, [&](const DoublePoint& p) { return box.bottom - p.y; },
      [&](const DoublePoint& a, const DoublePoint& b) { return atY(a, b, box.bottom); });
}
