// Curves drawn as chains of short segments: traced circles and ellipses, polynomials
// and interpolating curves. Each curve is mapped whole before anything is drawn, so a
// point that cannot be mapped refuses the figure.
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "render/figure_support.h"
#include "render/figures.h"
#include "render/steps.h"

namespace {

constexpr double kTraceStep = 0.05;
constexpr double kPolynomialStep = 0.01;
constexpr double kCurveStep = 0.05;
// Longest walks taken value by value; the interpolating curve costs a product over
// all node pairs per value, hence its smaller share.
constexpr int64_t kPolynomialMaxSteps = 1 << 21;
constexpr int64_t kCurveMaxSteps = 1 << 18;

// The nodes of an interpolating curve, sorted by x.
struct CurveNodes {
  int32_t count = 0;
  std::array<double, kMaxFigurePoints> x{};
  std::array<double, kMaxFigurePoints> y{};
};

// Maps the curve y = value(x) for the x of the walk into a chain and draws it.
template <class Value>
RenderFault drawSampledCurve(Page& page, StepWalk walk, Value value) {
  Figure f(page);
  if (!f.ok()) return f.fail();
  visibleUserRange(page, true, f.canvas().pen().width + 2.0, walk.visibleLo, walk.visibleHi);
  std::vector<PixelPoint> chain;
  walkSteps(walk, [&](double x) {
    extendChain(chain, f.point(x, value(x)));
    return f.ok();
  });
  if (!f.ok()) return f.fail();
  drawChain(f.canvas(), chain);
  return RenderFault::None;
}

RenderFault traceConic(Page& page, double cx, double cy, double rx, double ry) {
  Figure f(page);
  std::vector<PixelPoint> chain;
  walkSteps(StepWalk{0, 2 * std::numbers::pi, kTraceStep}, [&](double t) {
    extendChain(chain, f.point(cx + rx * std::cos(t), cy + ry * std::sin(t)));
    return f.ok();
  });
  if (!f.ok()) return f.fail();
  drawChain(f.canvas(), chain);
  return RenderFault::None;
}

}  // namespace

RenderFault traceCircle(Page& page, double cx, double cy, double r) { return traceConic(page, cx, cy, r, r); }

RenderFault traceEllipse(Page& page, double cx, double cy, double rx, double ry) {
  return traceConic(page, cx, cy, rx, ry);
}

RenderFault drawPolynomial(Page& page, int32_t degree, std::span<const double> coefficients, double xFrom,
                           double xTo) {
  if (degree < 0 || degree > kMaxPolynomialDegree ||
      coefficients.size() < static_cast<size_t>(degree) + 1) {
    return RenderFault::None;
  }
  const StepWalk walk{xFrom, xTo, kPolynomialStep, 0, 0, kPolynomialMaxSteps};
  return drawSampledCurve(page, walk, [&](double x) {
    double sum = 0, power = 1;
    for (int32_t k = 0; k <= degree; ++k) {
      sum = sum + coefficients[k] * power;
      power = power * x;
    }
    return sum;
  });
}

RenderFault drawInterpolatedCurve(Page& page, std::span<const double> xs, std::span<const double> ys) {
  const size_t count = std::min({xs.size(), ys.size(), static_cast<size_t>(kMaxFigurePoints)});
  if (count == 0) return RenderFault::None;
  CurveNodes nodes;
  nodes.count = static_cast<int32_t>(count);
  std::copy_n(xs.begin(), count, nodes.x.begin());
  std::copy_n(ys.begin(), count, nodes.y.begin());
  const int32_t n = nodes.count;
  for (int32_t i = 0; i + 1 < n; ++i) {
    for (int32_t j = i; j < n; ++j) {
      if (nodes.x[i] > nodes.x[j]) {
        std::swap(nodes.x[i], nodes.x[j]);
        std::swap(nodes.y[i], nodes.y[j]);
      }
    }
  }
  const StepWalk walk{nodes.x[0], nodes.x[n - 1], kCurveStep, 0, 0, kCurveMaxSteps};
  return drawSampledCurve(page, walk, [n, &nodes](double x) {
    // Lagrange form; factors of nodes with equal x are skipped.
    double y = 0;
    for (int32_t i = 0; i < n; ++i) {
      double basis = 1;
      for (int32_t j = 0; j < n; ++j) {
        if (j != i && nodes.x[i] != nodes.x[j]) {
          basis = basis * ((x - nodes.x[j]) / (nodes.x[i] - nodes.x[j]));
        }
      }
      y = y + nodes.y[i] * basis;
    }
    return y;
  });
}
