#pragma once
// Pixel rasterizers of our own for thin (1-pixel) outlines, independent of the drawing
// library, so that the pixels lit are exactly those the figures expect: a segment lights
// its start pixel and stops before its end pixel, so chained segments leave no gap and
// light no pixel twice. Coordinates are 64-bit so that callers may pass end points far
// outside the surface; only the pixels inside the clip box are visited, and the work is
// proportional to those, not to the length of the segment.
#include <algorithm>
#include <cstdint>

struct ClipBox {
  int64_t width = 0;
  int64_t height = 0;
};

namespace raster_detail {
// Ceiling of a / b for b > 0, in 128-bit arithmetic (products of two 34-bit values).
inline int64_t ceilDiv(__int128 a, __int128 b) {
  __int128 q = a / b;
  if (a % b != 0 && a > 0) ++q;
  return static_cast<int64_t>(q);
}
inline int64_t sign(int64_t v) { return (v > 0) - (v < 0); }
}  // namespace raster_detail

// Visits the pixels of the segment (x0, y0) -> (x1, y1), start included, end excluded,
// that lie inside the box. visit(x, y, i) gets the pixel's index i along the segment
// (0 at the start pixel), which pen patterns use. Along the major axis every step
// lights one pixel; the minor coordinate of pixel i is the start's plus
// floor((2 i minor + n) / 2 n), i.e. the true line rounded to the nearest pixel, halves
// going forward. The end points must lie within +-2^40.
template <class Visit>
void rasterLine(int64_t x0, int64_t y0, int64_t x1, int64_t y1, ClipBox box, Visit&& visit) {
  using raster_detail::ceilDiv;
  using raster_detail::sign;
  const int64_t dx = x1 - x0, dy = y1 - y0;
  const int64_t adx = dx < 0 ? -dx : dx, ady = dy < 0 ? -dy : dy;
  const int64_t n = std::max(adx, ady);
  if (n == 0) return;
  const bool xMajor = adx >= ady;
  const int64_t major0 = xMajor ? x0 : y0, majorStep = sign(xMajor ? dx : dy);
  const int64_t majorSize = xMajor ? box.width : box.height;
  const int64_t minor0 = xMajor ? y0 : x0, minorStep = sign(xMajor ? dy : dx);
  const int64_t minorSize = xMajor ? box.height : box.width;
  const int64_t minor = xMajor ? ady : adx;

  // Range [lo, hi) of indices whose major coordinate is inside the box.
  int64_t lo = 0, hi = n;
  if (majorStep > 0) {
    lo = std::max(lo, -major0);
    hi = std::min(hi, majorSize - major0);
  } else {
    lo = std::max(lo, major0 - majorSize + 1);
    hi = std::min(hi, major0 + 1);
  }
  // Offsets (0 .. minor, growing with i) whose minor coordinate is inside the box.
  const int64_t offLo = minorStep >= 0 ? -minor0 : minor0 - minorSize + 1;
  const int64_t offHi = minorStep >= 0 ? minorSize - 1 - minor0 : minor0;
  if (minor == 0) {
    if (offLo > 0 || offHi < 0) return;
  } else {
    if (offHi < 0) return;
    const __int128 twoN = 2 * static_cast<__int128>(n);
    if (offLo > 0) lo = std::max(lo, ceilDiv(twoN * offLo - n, 2 * static_cast<__int128>(minor)));
    hi = std::min(hi, ceilDiv(twoN * (static_cast<__int128>(offHi) + 1) - n,
                              2 * static_cast<__int128>(minor)));
  }
  if (lo >= hi) return;

  const int64_t twoN = 2 * n, twoMinor = 2 * minor;
  const __int128 q = static_cast<__int128>(lo) * twoMinor + n;
  int64_t offset = static_cast<int64_t>(q / twoN);
  int64_t rest = static_cast<int64_t>(q % twoN);
  for (int64_t i = lo; i < hi; ++i) {
    const int64_t major = major0 + majorStep * i, minorPos = minor0 + minorStep * offset;
    if (xMajor) {
      visit(major, minorPos, i);
    } else {
      visit(minorPos, major, i);
    }
    rest += twoMinor;
    if (rest >= twoN) {
      rest -= twoN;
      ++offset;
    }
  }
}

// Visits the outline pixels of the ellipse inscribed in the pixel box [left, right] x
// [top, bottom] (both ends included; left <= right, top <= bottom, sides below 2^20),
// four quadrants at a time. visit(x, y, k) gets the step number k along each quarter,
// which pen patterns use. A pixel may be visited twice where quarters meet.
template <class Visit>
void rasterEllipse(int64_t left, int64_t top, int64_t right, int64_t bottom, Visit&& visit) {
  // Integer midpoint ellipse in a box, tracking the error of the implicit equation.
  int64_t a = right - left, b = bottom - top, b1 = b & 1;
  double dx = 4.0 * (1.0 - a) * b * b, dy = 4.0 * (b1 + 1) * a * a;
  double err = dx + dy + static_cast<double>(b1) * a * a;
  int64_t x0 = left, x1 = right;
  int64_t y0 = top + (b + 1) / 2, y1 = y0 - b1;
  const double stepA = 8.0 * a * a, stepB = 8.0 * b * b;
  int64_t k = 0;
  do {
    visit(x1, y0, k);
    visit(x0, y0, k);
    visit(x0, y1, k);
    visit(x1, y1, k);
    ++k;
    const double e2 = 2 * err;
    if (e2 <= dy) {
      ++y0;
      --y1;
      err += dy += stepA;
    }
    if (e2 >= dx || 2 * err > dy) {
      ++x0;
      --x1;
      err += dx += stepB;
    }
  } while (x0 <= x1);
  // Very flat ellipses stop early; finish their tips.
  while (y0 - y1 <= b) {
    visit(x0 - 1, y0, k);
    visit(x1 + 1, y0++, k);
    visit(x0 - 1, y1, k);
    visit(x1 + 1, y1--, k);
    ++k;
  }
}
