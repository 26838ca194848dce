#include <cmath>
#include <vector>

#include "render/figures.h"
#include "render/steps.h"
#include "render_support.h"

using CurveTest = SurfaceTest;

namespace {

int64_t countVisits(const StepWalk& walk) {
  int64_t visits = 0;
  walkSteps(walk, [&](double) { return ++visits, true; });
  return visits;
}

}  // namespace

TEST(StepWalkTest, PlainWalkAccumulatesByRepeatedAddition) {
  std::vector<double> seen;
  walkSteps(StepWalk{0, 0.3, 0.1}, [&](double t) { return seen.push_back(t), true; });
  // 0.1 + 0.1 + 0.1 is a hair above 0.3, so the walk stops after three values.
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_EQ(seen[2], 0.1 + 0.1);
  EXPECT_EQ(countVisits(StepWalk{1, 0, 0.1}), 0);
  EXPECT_EQ(countVisits(StepWalk{0, 1, 0}), 0);
  EXPECT_EQ(countVisits(StepWalk{0, 1, -1}), 0);
  EXPECT_EQ(countVisits(StepWalk{0, 1, std::nan("")}), 0);
  EXPECT_EQ(countVisits(StepWalk{std::nan(""), 1, 1}), 0);
}

TEST(StepWalkTest, StepsThatDoNotAdvanceEndTheWalk) {
  // 1e20 + 0.01 == 1e20: the plain loop would never end.
  EXPECT_EQ(countVisits(StepWalk{1e20, 1e20, 0.01}), 1);
  EXPECT_LE(countVisits(StepWalk{1e17, 1e17 + 1e6, 0.01}), (1 << 20) + 1);
}

TEST(StepWalkTest, LongWalksAreCutToTheVisibleValues) {
  std::vector<double> seen;
  StepWalk walk{-1e12, 1e12, 0.5};
  walk.visibleLo = -20;
  walk.visibleHi = 20;
  walkSteps(walk, [&](double t) { return seen.push_back(t), true; });
  ASSERT_FALSE(seen.empty());
  EXPECT_LE(seen.front(), -20);  // starts at or before the surface
  EXPECT_GT(seen.front(), -21);
  EXPECT_GT(seen.back(), 20);  // and leaves it
  EXPECT_LT(seen.back(), 21);
  EXPECT_EQ(seen.size(), 82u);
  // Still too many when the visible part is wide: thinned to the limit.
  walk.step = 1e-9;
  EXPECT_EQ(countVisits(walk), (1 << 20) + 1);
}

TEST_F(CurveTest, PolynomialRunsFromItsFirstToItsLastStep) {
  prepare(OutputMode::Embosser);
  const double constant[] = {5};
  EXPECT_EQ(drawPolynomial(page, 0, constant, -10, 10), RenderFault::None);
  double last = -10;
  while (last + 0.01 <= 10) last += 0.01;
  PixelSet expected;
  for (int x = mapX(page, -10); x < mapX(page, last); ++x) expected.insert({x, mapY(page, 5)});
  EXPECT_EQ(inkedPixels(canvas()), expected);
}

TEST_F(CurveTest, PolynomialWithNoRangeDrawsNothing) {
  prepare(OutputMode::Embosser);
  const double parabola[] = {-1, 0, 1};
  EXPECT_EQ(drawPolynomial(page, 2, parabola, 1, 1), RenderFault::None);
  EXPECT_EQ(drawPolynomial(page, 2, parabola, 2, -2), RenderFault::None);
  EXPECT_EQ(drawPolynomial(page, 21, parabola, -2, 2), RenderFault::None);
  EXPECT_EQ(drawPolynomial(page, 3, parabola, -2, 2), RenderFault::None);  // too few coefficients
  EXPECT_TRUE(inkedPixels(canvas()).empty());
}

TEST_F(CurveTest, ParabolaPassesThroughItsPoints) {
  prepare(OutputMode::Embosser);
  // y = x^2 - 1 from -2 to 2: through (-2, 3), (0, -1) and near (2, 3).
  const double parabola[] = {-1, 0, 1};
  drawPolynomial(page, 2, parabola, -2, 2);
  const PixelSet inked = inkedPixels(canvas());
  EXPECT_TRUE(inked.count({mapX(page, -2), mapY(page, 3)}));
  EXPECT_TRUE(inked.count({mapX(page, 0), mapY(page, -1)}));
  EXPECT_TRUE(inked.count({mapX(page, 1), mapY(page, 0)}));
  for (auto [x, y] : inked) {
    EXPECT_GE(x, mapX(page, -2));
    EXPECT_LE(x, mapX(page, 2));
  }
}

TEST_F(CurveTest, CurveNodesInAnyOrderGiveTheSameCurve) {
  prepare(OutputMode::Embosser);
  const double xs[] = {1, 2, 3}, ys[] = {1, 4, 9};
  drawInterpolatedCurve(page, xs, ys);
  const PixelSet sorted = inkedPixels(canvas());
  EXPECT_TRUE(sorted.count({mapX(page, 1), mapY(page, 1)}));
  EXPECT_TRUE(sorted.count({mapX(page, 2), mapY(page, 4)}));

  prepare(OutputMode::Embosser);
  const double rx[] = {3, 1, 2}, ry[] = {9, 1, 4};
  drawInterpolatedCurve(page, rx, ry);
  EXPECT_EQ(inkedPixels(canvas()), sorted);

  // The same parabola as a polynomial, sampled at other steps, lies on the same pixels
  // give or take one.
  prepare(OutputMode::Embosser);
  const double parabola[] = {0, 0, 1};
  drawPolynomial(page, 2, parabola, 1, 3);
  for (auto [x, y] : sorted) {
    bool near = false;
    for (int dy = -1; dy <= 1 && !near; ++dy) {
      for (int dx = -1; dx <= 1 && !near; ++dx) near = canvas().pixel(x + dx, y + dy) != kWhite;
    }
    EXPECT_TRUE(near) << x << "," << y;
  }
}

TEST_F(CurveTest, CurveStopsAtTheLastStepNotBeyondItsLastNode) {
  prepare(OutputMode::Screen, 400, 300);
  // A straight line through two nodes, from x = 0 to the last step <= 1.
  const double xs[] = {0, 1}, ys[] = {0, 0};
  drawInterpolatedCurve(page, xs, ys);
  double last = 0;
  while (last + 0.05 <= 1) last += 0.05;
  PixelSet expected;
  for (int x = mapX(page, 0); x < mapX(page, last); ++x) expected.insert({x, mapY(page, 0)});
  EXPECT_EQ(inkedPixels(canvas()), expected);
}

TEST_F(CurveTest, EqualNodeXDoesNotDivideByZero) {
  prepare(OutputMode::Embosser);
  const double xs[] = {1, 1, 2}, ys[] = {1, 2, 3};
  EXPECT_EQ(drawInterpolatedCurve(page, xs, ys), RenderFault::None);
  EXPECT_FALSE(inkedPixels(canvas()).empty());
}

TEST_F(CurveTest, TracedCircleHas126PointsAndStaysOpen) {
  prepare(OutputMode::Screen, 400, 300);
  setDomain(page, -2, -1.5, 2, 1.5);  // 100 pixels per unit
  traceCircle(page, 0, 0, 1);
  const PixelSet inked = inkedPixels(canvas());
  EXPECT_TRUE(inked.count({mapX(page, 1), mapY(page, 0)}));  // t = 0
  EXPECT_TRUE(inked.count({mapX(page, -1), mapY(page, std::sin(3.15))}));
  // The last point, t = 6.25, is not joined back to the first.
  EXPECT_FALSE(inked.count({mapX(page, 1), mapY(page, -0.02)}));
  prepare(OutputMode::Screen, 400, 300);
  setDomain(page, -2, -1.5, 2, 1.5);
  traceEllipse(page, 0, 0, 1, 0.5);
  EXPECT_TRUE(inkedPixels(canvas()).count({mapX(page, 0.5 * 0 + std::cos(1.6)), mapY(page, 0.5 * std::sin(1.6))}));
}

TEST_F(CurveTest, PathologicalCurvesFinishAndShowTheirVisiblePart) {
  prepare(OutputMode::Embosser);
  const double line[] = {0, 0.5};
  // 2e14 steps of 0.01 on the plain walk; only the visible part is walked.
  EXPECT_EQ(drawPolynomial(page, 1, line, -1e12, 1e12), RenderFault::None);
  const PixelSet inked = inkedPixels(canvas());
  EXPECT_TRUE(inked.count({0, mapY(page, -10)}));
  EXPECT_TRUE(inked.count({131, mapY(page, 20 * 0.5)}) || inked.count({131, mapY(page, 20 * 0.5) + 1}));
  // A domain so far from zero that adding the step changes nothing.
  prepare(OutputMode::Embosser);
  setDomain(page, 1e17, -15, 1e17 + 1e6, 15);
  const double flat[] = {0};
  EXPECT_EQ(drawPolynomial(page, 0, flat, 1e17, 1e17 + 1e6), RenderFault::None);
  EXPECT_EQ(inkedPixels(canvas()).size(), 131u);
  const double xs[] = {-1e15, 1e15}, ys[] = {0, 0};
  prepare(OutputMode::Embosser);
  EXPECT_EQ(drawInterpolatedCurve(page, xs, ys), RenderFault::None);
  EXPECT_EQ(inkedPixels(canvas()).size(), 132u);
}

TEST_F(CurveTest, PolynomialBeyond32BitsIsRefusedWhole) {
  prepare(OutputMode::Embosser);
  std::vector<double> power20(21, 0.0);
  power20[20] = 1;
  EXPECT_EQ(drawPolynomial(page, 20, power20, -20, 20), RenderFault::OutOfRange);
  EXPECT_TRUE(inkedPixels(canvas()).empty());
  EXPECT_EQ(page.fault, RenderFault::OutOfRange);
}
