#include "render/figures.h"
#include "render_support.h"

using AxisGridTest = SurfaceTest;

namespace {

int inkedInRow(const PixelCanvas& canvas, int row) {
  int count = 0;
  for (int x = 0; x < canvas.width(); ++x) count += canvas.pixel(x, row) != kWhite;
  return count;
}

int inkedInColumn(const PixelCanvas& canvas, int column) {
  int count = 0;
  for (int y = 0; y < canvas.height(); ++y) count += canvas.pixel(column, y) != kWhite;
  return count;
}

}  // namespace

TEST_F(AxisGridTest, HorizontalAxisTicksHangBelow) {
  prepare(OutputMode::Embosser);
  EXPECT_EQ(drawAxis(page, -10, 0, 10, 0, 1), RenderFault::None);
  // 2-pixel ticks: rows 67 and 68 under the axis row 66, one per integer.
  EXPECT_EQ(inkedInRow(canvas(), 67), 21);
  EXPECT_EQ(inkedInRow(canvas(), 68), 21);
  EXPECT_EQ(inkedInRow(canvas(), 69), 0);
  EXPECT_EQ(inkedInRow(canvas(), 65), 0);
  EXPECT_EQ(canvas().pixel(mapX(page, -10), 68), kBlack);
  EXPECT_EQ(canvas().pixel(mapX(page, 10), 68), kBlack);

  prepare(OutputMode::Screen, 400, 300);
  drawAxis(page, -10, 0, 10, 0, 5);
  const int row = mapY(page, 0);
  EXPECT_EQ(inkedInRow(canvas(), row + 10), 5);
  EXPECT_EQ(inkedInRow(canvas(), row + 11), 0);
}

TEST_F(AxisGridTest, NoTicksForReversedRangeOrNonPositiveStep) {
  for (double step : {0.0, -1.0}) {
    prepare(OutputMode::Embosser);
    drawAxis(page, -10, 0, 10, 0, step);
    EXPECT_EQ(inkedInRow(canvas(), 67), 0) << step;
    EXPECT_GT(inkedInRow(canvas(), 66), 60) << step;
  }
  prepare(OutputMode::Embosser);
  drawAxis(page, 10, 0, -10, 0, 1);
  EXPECT_EQ(inkedInRow(canvas(), 67), 0);
  EXPECT_GT(inkedInRow(canvas(), 66), 60);
}

TEST_F(AxisGridTest, OtherAxesGetTicksAlongYAtTheFirstX) {
  prepare(OutputMode::Embosser);
  drawAxis(page, 0, -10, 5, 10, 2);  // slanted: ticks still at x = 0, pointing left
  const int column = mapX(page, 0);
  // Ticks at y = -10, -8, ... 10 over columns 64 and 65.
  EXPECT_EQ(canvas().pixel(column - 2, mapY(page, -10)), kBlack);
  EXPECT_EQ(canvas().pixel(column - 1, mapY(page, 10)), kBlack);
  EXPECT_EQ(inkedInColumn(canvas(), column - 2), 11);
  EXPECT_EQ(inkedInColumn(canvas(), column - 3), 0);
}

TEST_F(AxisGridTest, GridMarksEveryPointOfItsLattice) {
  prepare(OutputMode::Embosser);
  EXPECT_EQ(drawGrid(page, -2, -2, 2, 2, 1, 1), RenderFault::None);
  PixelSet expected;
  for (int x = -2; x <= 2; ++x) {
    for (int y = -2; y <= 2; ++y) expected.insert({mapX(page, x), mapY(page, y)});
  }
  EXPECT_EQ(inkedPixels(canvas()), expected);
}

TEST_F(AxisGridTest, GridWithAZeroOrNegativeStepDrawsNothing) {
  prepare(OutputMode::Embosser);
  EXPECT_EQ(drawGrid(page, 0, 0, 5, 5, 0, 1), RenderFault::None);
  EXPECT_EQ(drawGrid(page, 0, 0, 5, 5, 1, -1), RenderFault::None);
  EXPECT_EQ(drawGrid(page, 5, 0, 0, 5, 1, 1), RenderFault::None);
  EXPECT_TRUE(inkedPixels(canvas()).empty());
}

TEST_F(AxisGridTest, PathologicalStepsFinishWithTheSurfaceCovered) {
  prepare(OutputMode::Embosser);
  // 4e18 marks on the plain walk: every pixel gets its mark once.
  EXPECT_EQ(drawGrid(page, -1e9, -1e9, 1e9, 1e9, 1e-9, 1e-9), RenderFault::None);
  EXPECT_EQ(inkedPixels(canvas()).size(), 132u * 132u);

  prepare(OutputMode::Embosser);
  EXPECT_EQ(drawAxis(page, -6e8, 0, 6e8, 0, 1e-9), RenderFault::None);  // 1.2e18 ticks
  EXPECT_EQ(inkedInRow(canvas(), 67), 132);
  EXPECT_EQ(inkedInRow(canvas(), 69), 0);
}
