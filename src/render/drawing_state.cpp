#include "render/drawing_state.h"

#include <climits>
#include <cmath>
#include <limits>

#include "render/surface.h"

namespace {

DrawingState gState;
RenderFault gFault = RenderFault::None;

// Truncates toward zero; empty when the value is not a number or does not fit.
std::optional<int32_t> truncateToPixel(long double value) {
  constexpr long double kLimit = static_cast<long double>(std::numeric_limits<int32_t>::max()) + 1;
  if (!(value > -kLimit - 1 && value < kLimit)) return std::nullopt;
  return static_cast<int32_t>(static_cast<int64_t>(std::trunc(value)));
}

std::optional<int32_t> mapWith(double v, double scale, double offset, RenderFault* fault) {
  if (!gState.scaleValid) {
    if (fault != nullptr) *fault = RenderFault::EmptyDomain;
    return std::nullopt;
  }
  const long double pixel = static_cast<long double>(v) * scale + offset;
  std::optional<int32_t> result = truncateToPixel(pixel);
  // The page of a checking canvas starts inside its margin; the shift comes after the
  // truncation, so that every dot lands where it lands on the page itself.
  const int32_t inset = surfaceInset();
  if (result && *result > INT32_MAX - inset) result.reset();
  if (!result && fault != nullptr) *fault = RenderFault::OutOfRange;
  return result ? std::optional<int32_t>(*result + inset) : std::nullopt;
}

int32_t mapOrRaise(std::optional<int32_t> (*tryMap)(double, RenderFault*), double v) {
  RenderFault fault = RenderFault::None;
  if (std::optional<int32_t> pixel = tryMap(v, &fault)) return *pixel;
  raiseRenderFault(fault);
  return 0;
}

// Pixels per user unit along one side of the domain. A side wider than the largest
// double (-1e308 to 1e308) is halved on both ends first, which leaves the quotient
// exactly as it would be, so that it still gets its scale.
double sideScale(double pixels, double low, double high) {
  const double span = high - low;
  if (std::isfinite(span) || !std::isfinite(low) || !std::isfinite(high)) return pixels / span;
  return (pixels / 2) / (high / 2 - low / 2);
}

}  // namespace

const char* renderFaultText(RenderFault fault) {
  switch (fault) {
    case RenderFault::None:
      return "";
    case RenderFault::NoSurface:
      return "n\xE3o h\xE1 superf\xED" "cie de desenho";
    case RenderFault::EmptyDomain:
      return "dom\xEDnio com largura ou altura zero";
    case RenderFault::OutOfRange:
      return "coordenada fora do alcance do desenho";
  }
  return "";
}

RenderFault renderFault() { return gFault; }
void clearRenderFault() { gFault = RenderFault::None; }

RenderFault raiseRenderFault(RenderFault fault) {
  if (gFault == RenderFault::None) gFault = fault;
  return fault;
}

const DrawingState& drawingState() { return gState; }
void setCharHeight(int32_t height) { gState.charHeight = height; }

void recomputeScale() {
  // The integer differences are converted before dividing.
  const double width = static_cast<double>(gState.rightPx) - gState.leftPx;
  const double height = static_cast<double>(gState.yMaxRowPx) - gState.yMinRowPx;
  gState.scaleX = sideScale(width, gState.xMin, gState.xMax);
  gState.scaleY = sideScale(height, gState.yMin, gState.yMax);
  gState.offsetX = gState.leftPx - gState.xMin * gState.scaleX;
  gState.offsetY = gState.yMinRowPx - gState.yMin * gState.scaleY;
  // An infinite bound would give a scale of zero, every point on one column or row.
  gState.scaleValid = gState.xMax != gState.xMin && gState.yMax != gState.yMin &&
                      std::isfinite(gState.xMin) && std::isfinite(gState.xMax) &&
                      std::isfinite(gState.yMin) && std::isfinite(gState.yMax) &&
                      std::isfinite(gState.scaleX) && std::isfinite(gState.scaleY) &&
                      std::isfinite(gState.offsetX) && std::isfinite(gState.offsetY);
}

RenderFault setDomain(double xMin, double yMin, double xMax, double yMax) {
  gState.xMin = xMin;
  gState.yMin = yMin;
  gState.xMax = xMax;
  gState.yMax = yMax;
  recomputeScale();
  return gState.scaleValid ? RenderFault::None : raiseRenderFault(RenderFault::EmptyDomain);
}

RenderFault setWindow(double leftFrac, double bottomFrac, double rightFrac, double topFrac) {
  const long double width = surfaceWidth(), height = surfaceHeight();
  const std::optional<int32_t> left = truncateToPixel(width * leftFrac);
  const std::optional<int32_t> bottom = truncateToPixel(height * bottomFrac);
  const std::optional<int32_t> right = truncateToPixel(width * rightFrac);
  const std::optional<int32_t> top = truncateToPixel(height * topFrac);
  if (!left || !bottom || !right || !top) return raiseRenderFault(RenderFault::OutOfRange);
  gState.leftPx = *left;
  gState.yMinRowPx = *bottom;
  gState.rightPx = *right;
  gState.yMaxRowPx = *top;
  recomputeScale();
  return RenderFault::None;
}

void resetDrawing() {
  setDomain(-20, -15, 20, 15);
  setWindow(0, 1, 1, 0);
  clearRenderFault();
}

std::optional<int32_t> tryMapX(double x, RenderFault* fault) {
  return mapWith(x, gState.scaleX, gState.offsetX, fault);
}

std::optional<int32_t> tryMapY(double y, RenderFault* fault) {
  return mapWith(y, gState.scaleY, gState.offsetY, fault);
}

int32_t mapX(double x) { return mapOrRaise(tryMapX, x); }
int32_t mapY(double y) { return mapOrRaise(tryMapY, y); }
