#include "render/steps.h"

#include <algorithm>
#include <cmath>

#include "render/drawing_state.h"
#include "render/page.h"

namespace {

int64_t gWalkStepLimit = int64_t{1} << 20;

// The plain walk from `start`, stopping after the first value beyond `stopAfter`.
bool accumulate(const StepWalk& walk, double start, double stopAfter,
                const std::function<bool(double)>& visit) {
  for (double t = start; t <= walk.to;) {
    if (!visit(t)) return false;
    if (t > stopAfter) break;
    const double next = t + walk.step;
    if (next == t) break;
    t = next;
  }
  return true;
}

}  // namespace

int64_t walkStepLimit() { return gWalkStepLimit; }
void setWalkStepLimit(int64_t limit) { gWalkStepLimit = std::max<int64_t>(limit, 1); }

bool walkSteps(const StepWalk& walk, const std::function<bool(double)>& visit) {
  constexpr double kInfinity = std::numeric_limits<double>::infinity();
  if (!(walk.step > 0) || !(walk.from <= walk.to)) return true;
  const double maxSteps = static_cast<double>(walk.maxSteps);
  if ((walk.to - walk.from) / walk.step <= maxSteps) {
    return accumulate(walk, walk.from, kInfinity, visit);
  }
  const double lo = std::max(walk.from, walk.visibleLo);
  const double hi = std::min(walk.to, walk.visibleHi);
  if (!(lo <= hi)) return true;
  double start = walk.from + std::floor((lo - walk.from) / walk.step) * walk.step;
  if (!(start <= lo)) start = lo;
  if ((hi - start) / walk.step <= maxSteps) return accumulate(walk, start, hi, visit);
  // Far more values than the surface has pixels: evenly spread ones stand for them.
  const double end = std::min(walk.to, hi + walk.step);
  for (int64_t i = 0; i <= walk.maxSteps; ++i) {
    if (!visit(start + (end - start) * (static_cast<double>(i) / maxSteps))) return false;
  }
  return true;
}

void visibleUserRange(const Page& page, bool alongX, double margin, double& lo, double& hi) {
  const DrawingState& s = page.state;
  const double scale = alongX ? s.scaleX : s.scaleY;
  const double offset = alongX ? s.offsetX : s.offsetY;
  // The whole canvas, the margins of a checking canvas included, in page pixels.
  const double size = alongX ? page.width() : page.height();
  const double inset = page.inset;
  if (scale == 0 || !std::isfinite(scale)) {
    lo = -std::numeric_limits<double>::infinity();
    hi = std::numeric_limits<double>::infinity();
    return;
  }
  const double a = (-margin - inset - offset) / scale, b = (size + inset + margin - offset) / scale;
  lo = std::min(a, b);
  hi = std::max(a, b);
}
