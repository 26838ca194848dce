#pragma once
// The drawing state: the user coordinate ranges (domain), the rectangle of the surface
// they are mapped onto (window), the scale factors derived from both, and the mapping
// of user coordinates to pixels that every figure uses.
//
// Render faults. Some numbers cannot be drawn: a mapped value that does not fit a
// signed 32-bit pixel coordinate, or a domain of zero width or height (no scale). Such
// a figure is not drawn at all and the fault is reported, never undefined behaviour:
//  - every figure operation (figures.h) returns a RenderFault: None when it was drawn;
//  - the first fault of a run also stays in the page (Page::fault), so a caller that
//    maps coordinates itself (mapX, mapY) can check once after a whole line.
// The interpreter reports a fault like a line error: it speaks the line number and
// renderFaultText(fault) and ends the run; what was drawn before stays on the surface.
#include <cstdint>
#include <optional>

enum class RenderFault : uint8_t {
  None = 0,
  NoSurface,    // the page has no canvas (preparePage failed, or it was given up)
  EmptyDomain,  // the domain has zero width or height, or no finite scale
  OutOfRange,   // a mapped value does not fit a signed 32-bit pixel coordinate
};

// A short Portuguese description for the spoken report.
const char* renderFaultText(RenderFault fault);

struct Page;

// Keeps the first fault raised on the page since it was last cleared; returns `fault`.
RenderFault raiseRenderFault(Page& page, RenderFault fault);

struct DrawingState {
  double xMin = 0, yMin = 0, xMax = 0, yMax = 0;                // the domain
  int32_t leftPx = 0, yMinRowPx = 0, rightPx = 0, yMaxRowPx = 0;  // the window
  double scaleX = 0, scaleY = 0;    // pixels per user unit; scaleY < 0 when y grows upwards
  double offsetX = 0, offsetY = 0;  // pixel position of user 0
  bool scaleValid = false;          // false for a domain of zero width or height
  int32_t charHeight = 0;           // pixel height of "ÁÇ" in the surface font
};

// Default domain -20..20 x -15..15 on the whole page; also clears the page's fault.
void resetDrawing(Page& page);
// Stores the domain and recomputes the scale. Returns EmptyDomain (and raises it) for a
// domain of zero width or height; figures then report it until a valid domain is set.
RenderFault setDomain(Page& page, double xMin, double yMin, double xMax, double yMax);
// Fractions of the page: leftFrac and rightFrac of the width receive xMin
// and xMax, bottomFrac and topFrac of the height (counted from the top) yMin and yMax.
// Values outside 0..1 are allowed. Returns OutOfRange (window unchanged) when a pixel
// value does not fit 32 bits.
RenderFault setWindow(Page& page, double leftFrac, double bottomFrac, double rightFrac, double topFrac);

// x * scaleX + offsetX in extended precision, truncated toward zero, then moved by the
// page's inset. When the result
// does not fit 32 bits (or the domain is empty) the fault is raised and 0 returned.
int32_t mapX(Page& page, double x);
int32_t mapY(Page& page, double y);
// The same without raising: empty when the value cannot be mapped; `fault` (when
// given) tells why.
std::optional<int32_t> tryMapX(const Page& page, double x, RenderFault* fault = nullptr);
std::optional<int32_t> tryMapY(const Page& page, double y, RenderFault* fault = nullptr);
