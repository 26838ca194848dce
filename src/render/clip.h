#pragma once
// Clipping in floating point against a rectangle, so that shapes handed to the drawing
// library never carry coordinates it cannot represent. Callers clip against the surface
// grown by a margin wider than the pen, so what is cut away could never show.
#include <vector>

struct DoublePoint {
  double x = 0;
  double y = 0;
};

struct DoubleBox {
  double left = 0;
  double top = 0;
  double right = 0;
  double bottom = 0;
};

// Cuts the segment a-b to the box; false when nothing of it lies inside.
bool clipSegment(DoublePoint& a, DoublePoint& b, const DoubleBox& box);

// The part of a closed polygon inside the box (empty when none).
std::vector<DoublePoint> clipPolygon(const std::vector<DoublePoint>& polygon, const DoubleBox& box);
