#pragma once
// The drawing state: the user coordinate ranges (domain), the rectangle of the surface
// they are mapped onto (window), the scale factors derived from both, and the mapping
// of user coordinates to pixels that every figure uses.
//
// Render faults. Some numbers cannot be drawn: a mapped value that does not fit a
// signed 32-bit pixel coordinate, or a domain of zero width or height (no scale). Such
// a figure is not drawn at all and the fault is reported, never undefined behaviour:
//  - every figure operation (figures.h) returns a RenderFault: None when it was drawn;
//  - the first fault since clearRenderFault() also stays in renderFault(), so a caller
//    that maps coordinates itself (mapX, mapY) can check once after a whole line.
// The interpreter reports a fault like a line error: it speaks the line number and
// renderFaultText(fault) and ends the run; what was drawn before stays on the surface.
#include <cstdint>
#include <optional>

enum class RenderFault : uint8_t {
  None = 0,
  NoSurface,    // no drawing surface exists (prepareSurface not called or it failed)
  EmptyDomain,  // the domain has zero width or height, or no finite scale
  OutOfRange,   // a mapped value does not fit a signed 32-bit pixel coordinate
};

// A short Portuguese description (Windows-1252) for the spoken report.
const char* renderFaultText(RenderFault fault);

RenderFault renderFault();
void clearRenderFault();
// Keeps the first fault raised since the last clear; returns `fault`.
RenderFault raiseRenderFault(RenderFault fault);

struct DrawingState {
  double xMin = 0, yMin = 0, xMax = 0, yMax = 0;                // the domain
  int32_t leftPx = 0, yMinRowPx = 0, rightPx = 0, yMaxRowPx = 0;  // the window
  double scaleX = 0, scaleY = 0;    // pixels per user unit; scaleY < 0 when y grows upwards
  double offsetX = 0, offsetY = 0;  // pixel position of user 0
  bool scaleValid = false;          // false for a domain of zero width or height
  int32_t charHeight = 0;           // pixel height of "ÁÇ" in the surface font
};

const DrawingState& drawingState();
void setCharHeight(int32_t height);

// Default domain -20..20 x -15..15 on the whole surface; also clears the render fault.
void resetDrawing();
// Stores the domain and recomputes the scale. Returns EmptyDomain (and raises it) for a
// domain of zero width or height; figures then report it until a valid domain is set.
RenderFault setDomain(double xMin, double yMin, double xMax, double yMax);
// Fractions of the current surface: leftFrac and rightFrac of the width receive xMin
// and xMax, bottomFrac and topFrac of the height (counted from the top) yMin and yMax.
// Values outside 0..1 are allowed. Returns OutOfRange (window unchanged) when a pixel
// value does not fit 32 bits.
RenderFault setWindow(double leftFrac, double bottomFrac, double rightFrac, double topFrac);
void recomputeScale();

// x * scaleX + offsetX in extended precision, truncated toward zero, then moved by the
// inset of a checking canvas (surface.h). When the result
// does not fit 32 bits (or the domain is empty) the fault is raised and 0 returned.
int32_t mapX(double x);
int32_t mapY(double y);
// The same without raising: empty when the value cannot be mapped; `fault` (when
// given) tells why.
std::optional<int32_t> tryMapX(double x, RenderFault* fault = nullptr);
std::optional<int32_t> tryMapY(double y, RenderFault* fault = nullptr);
