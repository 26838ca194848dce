// The graph of a function against the true curve, on a small screen page whose domain is
// -5..5 both ways (20 pixels a unit across, 15 down).
#include <cmath>
#include <functional>

#include "render/figures.h"
#include "render/vector_canvas.h"
#include "render_support.h"

namespace {

using Function = std::function<double(double)>;

class FunctionCurve : public SurfaceTest {
 protected:
  void draw(const Function& f, OutputMode mode = OutputMode::Screen) {
    prepare(mode);
    setDomain(page, -5, -5, 5, 5);
    ASSERT_EQ(drawFunctionCurve(page, f, -5, 5), RenderFault::None);
  }
  double userX(double column) const { return (column - page.state.offsetX) / page.state.scaleX; }
  double row(double y) const { return y * page.state.scaleY + page.state.offsetY; }

  // Whether the curve passes within a pixel and a half of (column, r): between two
  // close samples of a column and a half either side, not across a jump of more than
  // the page's height, which is what a false join across an asymptote would be.
  bool nearCurve(const Function& f, int column, int r) const {
    constexpr int kSamples = 512;
    double previous = NAN;
    for (int i = 0; i <= kSamples; ++i) {
      const double y = row(f(userX(column + 0.5 - 1.5 + 3.0 * i / kSamples)));
      if (std::isfinite(y) && std::isfinite(previous) && std::abs(y - previous) < page.height() &&
          std::min(y, previous) - 1.5 <= r && r <= std::max(y, previous) + 1.5) {
        return true;
      }
      previous = y;
    }
    return false;
  }
};

const std::pair<const char*, Function> kCurves[] = {
    {"sen(x)", [](double x) { return std::sin(x); }},
    {"x^2 - 4", [](double x) { return x * x - 4; }},
    {"1/x", [](double x) { return 1 / x; }},
    {"tg(x)", [](double x) { return std::tan(x); }},
    {"raiz(x)", [](double x) { return std::sqrt(x); }},
};

TEST_F(FunctionCurve, EveryDotIsOnTheCurveAndEveryColumnOfTheCurveIsCovered) {
  for (const auto& [name, f] : kCurves) {
    draw(f);
    const PixelSet inked = inkedPixels(canvas());
    ASSERT_FALSE(inked.empty()) << name;
    std::vector<bool> columnInked(static_cast<size_t>(canvas().width()));
    for (const auto& [x, y] : inked) {
      EXPECT_TRUE(nearCurve(f, x, y)) << name << " at " << x << ", " << y;
      columnInked[static_cast<size_t>(x)] = true;
    }
    // A column whose curve is well inside the page and away from a gap has its dot.
    for (int c = 2; c + 2 < canvas().width(); ++c) {
      const double here = row(f(userX(c + 0.5))), left = row(f(userX(c - 1.5))), right = row(f(userX(c + 2.5)));
      const bool whole = std::isfinite(left) && std::isfinite(right) && std::abs(right - left) < page.height() / 2;
      if (whole && here > 2 && here < page.height() - 3) {
        EXPECT_TRUE(columnInked[static_cast<size_t>(c)]) << name << " column " << c;
      }
    }
  }
}

TEST_F(FunctionCurve, UndefinedEverywhereOrWildFunctionsEndWithoutAFault) {
  draw([](double x) { return std::sqrt(-1 - x * x); });
  EXPECT_TRUE(inkedPixels(canvas()).empty());
  draw([](double x) { return std::sin(1 / x); });
  EXPECT_FALSE(inkedPixels(canvas()).empty());
  draw([](double x) { return 1e300 * x; });
  EXPECT_EQ(drawFunctionCurve(page, [](double) { return 1.0; }, NAN, 5), RenderFault::None);
}

// On swell paper the two branches of 1/(x - 0.01) are separate strokes, and no segment
// joins them across the asymptote, which lies between two samples: the curve's own
// segments climb a dot or so each.
TEST_F(FunctionCurve, TheVectorCanvasBreaksAtTheAsymptoteToo) {
  inkSide = 1000;  // a square of 10 cm
  draw([](double x) { return 1 / (x - 0.01); }, OutputMode::Tactile);
  int strokes = 0;
  for (const VectorGroup& group : page.paths()->groups()) {
    for (const VectorMark& mark : group.marks) {
      for (size_t i = 0; i < mark.path.size(); ++i) {
        strokes += mark.path[i].kind == PathOp::Kind::Move;
        if (i == 0 || mark.path[i].kind != PathOp::Kind::Line) continue;
        EXPECT_LT(std::abs(mark.path[i - 1].p[0].y - mark.path[i].p[0].y), page.height() / 4) << "a join across the asymptote";
      }
    }
  }
  EXPECT_GE(strokes, 2);
}

}  // namespace
