// The graph of a function given as a callback. The samples follow the device: one at
// every column of the surface at least, halved where two neighbours lie more than a dot
// apart vertically, so that the curve is whole wherever the function is continuous. A
// gap that halving does not close is a jump (an asymptote, a step) and breaks the curve,
// as does a value that is not finite.
#include <algorithm>
#include <cmath>
#include <vector>

#include "render/figure_support.h"
#include "render/figures.h"
#include "render/steps.h"

namespace {

// How often the span between two columns is halved at most: a rise still wider than a
// dot after this many halvings is taken for a jump.
constexpr int kMaxDepth = 18;
// The place where a function stops being defined is looked for to this part of a dot.
constexpr double kEdgePrecision = 1.0 / 16;
// The samples a curve may take in all, per column, so that a function that swings
// without end (sen(1/x) near zero) still finishes soon.
constexpr int64_t kSamplesPerColumn = 48;
// A wider surface is sampled at this many columns.
constexpr double kMaxColumns = 1 << 16;

struct Sample {
  double x = 0;
  double y = 0;
  bool defined() const { return std::isfinite(y); }
};

// Where the curve may be seen (y within [seenLo, seenHi]) and where a value beyond the
// page is held for drawing (within [heldLo, heldHi]), in user units.
struct CurveBand {
  double seenLo, seenHi, heldLo, heldHi;
};

class CurveTracer {
 public:
  CurveTracer(Figure& figure, const std::function<double(double)>& value, const CurveBand& band, double dotsPerX,
              double dotsPerY, int64_t budget)
      : figure_(figure), value_(value), band_(band), dotsPerX_(dotsPerX), dotsPerY_(dotsPerY), budget_(budget) {}

  Sample at(double x) {
    --budget_;
    return {x, value_(x)};
  }

  void start(const Sample& s) {
    if (s.defined()) keep(s);
  }

  // Precondition: l is the last sample given to the tracer. Draws up to r.
  void span(const Sample& l, const Sample& r, int depth) {
    const double middle = l.x + (r.x - l.x) / 2;
    const bool canHalve = depth < kMaxDepth && budget_ > 0 && middle != l.x && middle != r.x;
    if (l.defined() && r.defined()) {
      if ((l.y < band_.seenLo && r.y < band_.seenLo) || (l.y > band_.seenHi && r.y > band_.seenHi)) {
        // Nothing of this span can be seen, and a span beyond both edges is no line.
        restartAt(r);
      } else if (std::abs(r.y - l.y) * dotsPerY_ <= 1) {
        keep(r);
      } else if (canHalve) {
        halve(l, r, middle, depth);
      } else {
        restartAt(r);
      }
    } else if (l.defined() || r.defined()) {
      if (canHalve && (r.x - l.x) * dotsPerX_ > kEdgePrecision) {
        halve(l, r, middle, depth);
      } else if (r.defined()) {
        restartAt(r);
      } else {
        flush();
      }
    }
  }

  void flush() {
    if (chain_.size() > 1) drawChain(figure_.canvas(), chain_);
    chain_.clear();
  }

 private:
  void halve(const Sample& l, const Sample& r, double middle, int depth) {
    const Sample m = at(middle);
    span(l, m, depth + 1);
    span(m, r, depth + 1);
  }

  void keep(const Sample& s) {
    extendChain(chain_, figure_.point(s.x, std::clamp(s.y, band_.heldLo, band_.heldHi)));
  }

  void restartAt(const Sample& s) {
    flush();
    keep(s);
  }

  Figure& figure_;
  const std::function<double(double)>& value_;
  CurveBand band_;
  double dotsPerX_, dotsPerY_;
  int64_t budget_;
  std::vector<PixelPoint> chain_;
};

}  // namespace

RenderFault drawFunctionCurve(Page& page, const std::function<double(double)>& value, double xFrom, double xTo) {
  Figure f(page);
  if (!f.ok()) return f.fail();
  if (!page.state.scaleValid) return raiseRenderFault(page, RenderFault::EmptyDomain);
  const double margin = f.canvas().pen().width + 2.0;
  double xLo = 0, xHi = 0;
  CurveBand band{};
  visibleUserRange(page, true, margin, xLo, xHi);
  visibleUserRange(page, false, margin, band.seenLo, band.seenHi);
  visibleUserRange(page, false, page.canvas->height(), band.heldLo, band.heldHi);
  const double from = std::max(std::min(xFrom, xTo), xLo), to = std::min(std::max(xFrom, xTo), xHi);
  if (!(from <= to)) return RenderFault::None;
  const double dotsPerX = std::abs(page.state.scaleX);
  const auto columns = static_cast<int64_t>(std::clamp(std::ceil((to - from) * dotsPerX), 1.0, kMaxColumns));
  CurveTracer tracer(f, value, band, dotsPerX, std::abs(page.state.scaleY), columns * kSamplesPerColumn);
  Sample left = tracer.at(from);
  tracer.start(left);
  for (int64_t i = 1; i <= columns; ++i) {
    const Sample right = tracer.at(i == columns ? to : from + (to - from) * static_cast<double>(i) / columns);
    tracer.span(left, right, 0);
    left = right;
  }
  tracer.flush();
  return f.ok() ? RenderFault::None : f.fail();
}
