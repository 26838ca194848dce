// Any numbers, however wrong, give either a drawing or a reported fault with the surface
// untouched; never a crash or a hang.
#include <cmath>
#include <functional>
#include <limits>
#include <random>
#include <vector>

#include "render/figures.h"
#include "render_support.h"

namespace {

const double kNasty[] = {0,     1,      -1,     0.5,   1e-300, -1e-300,
                         1e300, -1e300, 2e9,    6.5e8, -6.5e8, 1e15,
                         std::numeric_limits<double>::quiet_NaN(),
                         std::numeric_limits<double>::infinity(),
                         -std::numeric_limits<double>::infinity()};

std::vector<uint32_t> snapshot(const PixelCanvas& canvas) {
  std::vector<uint32_t> colours;
  for (int y = 0; y < canvas.height(); ++y) {
    for (int x = 0; x < canvas.width(); ++x) colours.push_back(canvas.pixel(x, y));
  }
  return colours;
}

class RobustnessTest : public SurfaceTest {
 protected:
  std::mt19937 random_{12345};
  double any() { return kNasty[random_() % std::size(kNasty)]; }

  // Runs the figure with fresh nasty numbers `times` times in every mode.
  void tryMany(int times, const std::function<RenderFault(std::vector<double>&)>& figure, int arity) {
    for (OutputMode mode : {OutputMode::Embosser, OutputMode::Screen}) {
      prepare(mode, 160, 120);
      for (int n = 0; n < times; ++n) {
        std::vector<double> v(arity);
        for (double& d : v) d = any();
        const std::vector<uint32_t> before = snapshot(canvas());
        page.fault = RenderFault::None;
        const RenderFault fault = figure(v);
        if (fault != RenderFault::None) {
          EXPECT_EQ(page.fault, fault);
          ASSERT_TRUE(snapshot(canvas()) == before) << "refused figure drew, case " << n;
        }
      }
    }
  }
};

}  // namespace

TEST_F(RobustnessTest, SegmentsArrowsAndBoxes) {
  tryMany(300, [this](auto& v) { return drawLine(page, v[0], v[1], v[2], v[3]); }, 4);
  tryMany(300, [this](auto& v) { return drawArrow(page, v[0], v[1], v[2], v[3]); }, 4);
  tryMany(300, [this](auto& v) { return drawRectangle(page, v[0], v[1], v[2], v[3]); }, 4);
  tryMany(300, [this](auto& v) { return drawRotatedRectangle(page, v[0], v[1], v[2], v[3], v[4]); }, 5);
  tryMany(300, [this](auto& v) { return drawEllipse(page, v[0], v[1], v[2], v[3]); }, 4);
  tryMany(100, [this](auto& v) { return drawPoint(page, v[0], v[1]); }, 2);
}

TEST_F(RobustnessTest, SteppedFigures) {
  tryMany(60, [this](auto& v) { return drawAxis(page, v[0], v[1], v[2], v[3], v[4]); }, 5);
  tryMany(30, [this](auto& v) { return drawGrid(page, v[0], v[1], v[2], v[3], v[4], v[5]); }, 6);
  tryMany(60, [this](auto& v) { return traceEllipse(page, v[0], v[1], v[2], v[3]); }, 4);
  tryMany(60, [this](auto& v) { return drawPolynomial(page, 3, std::span(v).first(4), v[4], v[5]); }, 6);
  tryMany(60, [this](auto& v) {
    return drawInterpolatedCurve(page, std::span(v).first(3), std::span(v).last(3));
  }, 6);
  tryMany(60, [this](auto& v) { return drawHistogram(page, std::span(v).first(3), v[3], v[4], v[5]); }, 6);
}

TEST_F(RobustnessTest, InkTextAnywhere) {
  prepare(OutputMode::Screen, 160, 120);
  const int32_t anchors[] = {std::numeric_limits<int32_t>::min(), -1000000000, -5, 0, 5, 1000000000,
                             std::numeric_limits<int32_t>::max()};
  for (int32_t column : anchors) {
    for (int32_t row : anchors) EXPECT_EQ(drawInkText(page, column, row, "\x01" "A\xFF~"), RenderFault::None);
  }
  EXPECT_FALSE(inkedPixels(canvas()).empty());  // the one at (5, 5) and (0, 0) show
}

TEST_F(RobustnessTest, TextAndDomains) {
  tryMany(100, [this](auto& v) { return drawTextCentred(page, "Pontelix", v[0], v[1]); }, 2);
  tryMany(100, [this](auto& v) {
    setDomain(page, v[0], v[1], v[2], v[3]);
    setWindow(page, v[4], v[5], v[6], v[7]);
    const RenderFault fault = drawLine(page, -1, -1, 1, 1);
    setDomain(page, -20, -15, 20, 15);  // back to the defaults, keeping the fault
    setWindow(page, 0, 1, 1, 0);
    return fault;
  }, 8);
}
