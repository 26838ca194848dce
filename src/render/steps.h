#pragma once
// The stepped walks of the figures (tick marks, grid lines, curve samples), bounded in
// work whatever their numbers.
#include <cstdint>
#include <functional>
#include <limits>

// How many values a walk visits at most: 2^20 unless set lower, as the fuzzer does, which
// reaches every branch of a figure with far fewer values and runs many more inputs.
int64_t walkStepLimit();
void setWalkStepLimit(int64_t limit);

struct StepWalk {
  double from = 0;
  double to = 0;
  double step = 0;
  // Values outside [visibleLo, visibleHi] cannot touch the surface.
  double visibleLo = -std::numeric_limits<double>::infinity();
  double visibleHi = std::numeric_limits<double>::infinity();
  // Walks longer than this are cut to the visible values, and thinned to this many if
  // they are still longer.
  int64_t maxSteps = walkStepLimit();
};

// Calls visit(t) for t = from, from + step, ... while t <= to, t accumulated by
// repeated addition, as the figures define their walks. A value that no longer changes
// when step is added ends the walk. A long walk starts at the last value not above
// visibleLo and ends at the first value beyond visibleHi, so that a chain of segments
// through the values still enters and leaves the surface. Nothing is visited for a
// step that is not positive or when from > to. Returns false when visit did, having
// stopped there.
bool walkSteps(const StepWalk& walk, const std::function<bool(double)>& visit);

// The user values whose pixels lie within `margin` pixels of the page's canvas, along x or
// y, as [lo, hi]; the whole line when the scale is zero.
struct Page;
void visibleUserRange(const Page& page, bool alongX, double margin, double& lo, double& hi);
