#include "render/drawing_state.h"

#include <climits>
#include <cmath>
#include <limits>

#include "render/page.h"

namespace {

// Truncates toward zero; empty when the value is not a number or does not fit.
std::optional<int32_t> truncateToPixel(long double value) {
  constexpr long double kLimit = static_cast<long double>(std::numeric_limits<int32_t>::max()) + 1;
  if (!(value > -kLimit - 1 && value < kLimit)) return std::nullopt;
  return static_cast<int32_t>(static_cast<int64_t>(std::trunc(value)));
}

std::optional<int32_t> mapWith(const Page& page, double v, double scale, double offset, RenderFault* fault) {
  if (!page.state.scaleValid) {
    if (fault != nullptr) *fault = RenderFault::EmptyDomain;
    return std::nullopt;
  }
  const long double pixel = static_cast<long double>(v) * scale + offset;
  std::optional<int32_t> result = truncateToPixel(pixel);
  // The page of a checking canvas starts inside its margin; the shift comes after the
  // truncation, so that every dot lands where it lands on the page itself.
  const int32_t inset = page.inset;
  if (result && *result > INT32_MAX - inset) result.reset();
  if (!result && fault != nullptr) *fault = RenderFault::OutOfRange;
  return result ? std::optional<int32_t>(*result + inset) : std::nullopt;
}

// The pixel, or 0 with the fault raised on the page.
int32_t mapOrRaise(Page& page, std::optional<int32_t> (*tryMap)(const Page&, double, RenderFault*), double v) {
  RenderFault fault = RenderFault::None;
  if (const std::optional<int32_t> pixel = tryMap(page, v, &fault)) return *pixel;
  raiseRenderFault(page, fault);
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

RenderFault raiseRenderFault(Page& page, RenderFault fault) {
  if (page.fault == RenderFault::None) page.fault = fault;
  return fault;
}

namespace {

void recomputeScale(DrawingState& state) {
  // The integer differences are converted before dividing.
  const double width = static_cast<double>(state.rightPx) - state.leftPx;
  const double height = static_cast<double>(state.yMaxRowPx) - state.yMinRowPx;
  state.scaleX = sideScale(width, state.xMin, state.xMax);
  state.scaleY = sideScale(height, state.yMin, state.yMax);
  state.offsetX = state.leftPx - state.xMin * state.scaleX;
  state.offsetY = state.yMinRowPx - state.yMin * state.scaleY;
  // An infinite bound would give a scale of zero, every point on one column or row.
  state.scaleValid = state.xMax != state.xMin && state.yMax != state.yMin &&
                     std::isfinite(state.xMin) && std::isfinite(state.xMax) &&
                     std::isfinite(state.yMin) && std::isfinite(state.yMax) &&
                     std::isfinite(state.scaleX) && std::isfinite(state.scaleY) &&
                     std::isfinite(state.offsetX) && std::isfinite(state.offsetY);
}

}  // namespace

RenderFault setDomain(Page& page, double xMin, double yMin, double xMax, double yMax) {
  DrawingState& state = page.state;
  state.xMin = xMin;
  state.yMin = yMin;
  state.xMax = xMax;
  state.yMax = yMax;
  recomputeScale(state);
  return state.scaleValid ? RenderFault::None : raiseRenderFault(page, RenderFault::EmptyDomain);
}

RenderFault setWindow(Page& page, double leftFrac, double bottomFrac, double rightFrac, double topFrac) {
  DrawingState& state = page.state;
  const long double width = page.width(), height = page.height();
  const std::optional<int32_t> left = truncateToPixel(width * leftFrac);
  const std::optional<int32_t> bottom = truncateToPixel(height * bottomFrac);
  const std::optional<int32_t> right = truncateToPixel(width * rightFrac);
  const std::optional<int32_t> top = truncateToPixel(height * topFrac);
  if (!left || !bottom || !right || !top) return raiseRenderFault(page, RenderFault::OutOfRange);
  state.leftPx = *left;
  state.yMinRowPx = *bottom;
  state.rightPx = *right;
  state.yMaxRowPx = *top;
  recomputeScale(state);
  return RenderFault::None;
}

void resetDrawing(Page& page) {
  setDomain(page, -20, -15, 20, 15);
  setWindow(page, 0, 1, 1, 0);
  page.fault = RenderFault::None;
}

std::optional<int32_t> tryMapX(const Page& page, double x, RenderFault* fault) {
  return mapWith(page, x, page.state.scaleX, page.state.offsetX, fault);
}

std::optional<int32_t> tryMapY(const Page& page, double y, RenderFault* fault) {
  return mapWith(page, y, page.state.scaleY, page.state.offsetY, fault);
}

int32_t mapX(Page& page, double x) { return mapOrRaise(page, tryMapX, x); }
int32_t mapY(Page& page, double y) { return mapOrRaise(page, tryMapY, y); }
