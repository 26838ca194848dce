#include <cmath>
#include <utility>
#include <vector>

#include "render/figures.h"
#include "render_support.h"

using FigureTest = SurfaceTest;

TEST_F(FigureTest, PenTableAndClamping) {
  prepare(OutputMode::Embosser);
  setPen(page, 3, 2, 3);
  EXPECT_EQ(canvas().pen().width, 7);
  EXPECT_EQ(canvas().pen().style, PenStyle::Dotted);
  EXPECT_EQ(canvas().pen().colour, rgb(0, 0, 255));
  setPen(page, 2, 3, 2);
  EXPECT_EQ(canvas().pen().width, 4);
  EXPECT_EQ(canvas().pen().style, PenStyle::Dashed);
  EXPECT_EQ(canvas().pen().colour, rgb(255, 0, 0));
  setPen(page, 5, 1, 1);
  EXPECT_EQ(canvas().pen().width, 13);
  for (int bad : {0, 6, -1, 9}) {
    setPen(page, bad, bad, bad);
    EXPECT_EQ(canvas().pen().width, 1) << bad;
    EXPECT_EQ(canvas().pen().style, PenStyle::Solid) << bad;
    EXPECT_EQ(canvas().pen().colour, kBlack) << bad;
  }
}

TEST_F(FigureTest, PointIsOnePixelOnTheSheetAndAnOutlineElsewhere) {
  prepare(OutputMode::Embosser);
  EXPECT_EQ(drawPoint(page, 0, 0), RenderFault::None);
  EXPECT_EQ(inkedPixels(canvas()), (PixelSet{{66, 66}}));
  EXPECT_EQ(canvas().pixel(66, 66), rgb(1, 0, 0));

  prepare(OutputMode::Screen, 200, 150);
  drawPoint(page, 0, 0);
  EXPECT_EQ(picture(canvas(), 99, 74, 102, 77), "###\n#.#\n###\n");
  EXPECT_EQ(inkedPixels(canvas()).size(), 8u);
}

TEST_F(FigureTest, ArrowHeadsPerMode) {
  prepare(OutputMode::Screen, 200, 150);
  drawArrow(page, 0, 0, 10, 0);
  const int tipX = mapX(page, 10), y = mapY(page, 0);
  // 15 pixels at 20 degrees: corners 14 back and 5 to each side.
  const PixelSet inked = inkedPixels(canvas());
  EXPECT_TRUE(inked.count({tipX, y}));
  EXPECT_TRUE(inked.count({tipX - 14, y - 5}));
  EXPECT_TRUE(inked.count({tipX - 14, y + 5}));
  for (auto [x, py] : inked) {
    EXPECT_LE(x, tipX);
    EXPECT_LE(std::abs(py - y), 5);
  }

  prepare(OutputMode::Embosser);
  drawArrow(page, 0, 10, 0, 0);  // pointing down onto (66, 66)
  // 5 pixels at 30 degrees: corners 4 back and 2 to each side.
  EXPECT_EQ(picture(canvas(), 63, 61, 70, 68),
            "...#...\n"  // the shaft
            ".#####.\n"  // corners (64, 62) and (68, 62)
            "..##.#.\n"
            "..###..\n"
            "...##..\n"
            "...#...\n"  // the tip
            ".......\n");
}

TEST_F(FigureTest, ZeroLengthArrowCollapsesOntoTheTip) {
  prepare(OutputMode::Embosser);
  EXPECT_EQ(drawArrow(page, 1, 1, 1, 1), RenderFault::None);
  EXPECT_EQ(inkedPixels(canvas()), (PixelSet{{mapX(page, 1), mapY(page, 1)}}));
}

TEST_F(FigureTest, ArrowLengthNeedsWideArithmetic) {
  prepare(OutputMode::Embosser);
  // The shaft spans almost 2e9 pixels: its squared length overflows 64-bit integers.
  EXPECT_EQ(drawArrow(page, -6e8, 1, 0, 0), RenderFault::None);
  const PixelSet inked = inkedPixels(canvas());
  EXPECT_TRUE(inked.count({62, 64}));
  EXPECT_TRUE(inked.count({62, 68}));
  EXPECT_FALSE(inked.count({67, 66}));
}

TEST_F(FigureTest, RectanglesWithZeroSides) {
  prepare(OutputMode::Embosser);
  setPen(page, 1, 1, 2);
  drawRectangle(page, 0, 0, 0, 0);
  EXPECT_EQ(inkedPixels(canvas()), (PixelSet{{66, 66}}));
  EXPECT_EQ(canvas().pixel(66, 66), rgb(255, 0, 0));

  prepare(OutputMode::Embosser);
  drawRectangle(page, 0, 0, 0, 2);  // rows 57..65 of column 66
  PixelSet expected;
  for (int y = mapY(page, 2); y < mapY(page, 0); ++y) expected.insert({66, y});
  EXPECT_EQ(inkedPixels(canvas()), expected);
}

TEST_F(FigureTest, RectangleSitsOnItsCornerWithBottomRowExcluded) {
  prepare(OutputMode::Embosser);
  drawRectangle(page, 0, 0, 2, 1);  // columns 66..72, rows 61..66 -> outline to 71 and 65
  EXPECT_EQ(picture(canvas(), 65, 60, 74, 68),
            ".........\n"
            ".######..\n"
            ".#....#..\n"
            ".#....#..\n"
            ".#....#..\n"
            ".######..\n"
            ".........\n"
            ".........\n");
}

TEST_F(FigureTest, RotatedRectangleAtNinetyDegreesGoesUpAndLeft) {
  prepare(OutputMode::Embosser);
  drawRotatedRectangle(page, 0, 0, 10, 5, 90);
  // Corners (0, 0), (0, 10), (-5, 10), (-5, 0), up to the error of pi taken as 3.141592,
  // which lifts the far corners by a hair: rows 22 and 21, 66 and 65.
  EXPECT_EQ(picture(canvas(), 48, 20, 68, 23),
            "....................\n"
            ".#########..........\n"
            ".#........#########.\n");
  EXPECT_EQ(picture(canvas(), 48, 64, 68, 68),
            ".#................#.\n"
            ".#########........#.\n"
            "..........#########.\n"
            "....................\n");
  for (auto [x, y] : inkedPixels(canvas())) {
    EXPECT_TRUE(x >= 49 && x <= 66 && y >= 21 && y <= 66) << x << "," << y;
  }
}

TEST_F(FigureTest, RotatedCornerIsTheCornerPlusTheWholeTurnedSide) {
  prepare(OutputMode::Screen, 400, 300);
  setDomain(page, 0, 0, 400, 300);  // one pixel per unit: a column is the truncated x
  // The far corner's x is x + (cos 1 deg x 1 - sin 1 deg x 9) = 3 exactly; adding the
  // two products to x one after the other gives 2.9999999999999996 instead.
  drawRotatedRectangle(page, 2.157223930041277, 10, 1, 9, 1);
  auto reference = PixelCanvas::create(400, 300);
  reference->moveTo(2, 290);
  for (PixelPoint p : {PixelPoint{3, 289}, {3, 280}, {2, 281}, {2, 290}}) reference->lineTo(p.x, p.y);
  EXPECT_EQ(inkedPixels(canvas()), inkedPixels(*reference));
  EXPECT_NE(canvas().pixel(3, 280), kWhite);
}

TEST_F(FigureTest, RotatedRectangleTakesWholeTurnsOffAnyFiniteAngle) {
  // 1e308 is 296 degrees past a whole number of turns, -1e308 is -296, 7.5e15 is 120;
  // 450 is one turn and 90.
  const std::pair<double, double> angles[] = {{1e308, 296}, {-1e308, -296}, {7.5e15, 120}, {450, 90}};
  for (auto [angle, reduced] : angles) {
    prepare(OutputMode::Embosser);
    EXPECT_EQ(drawRotatedRectangle(page, 0, 0, 10, 5, reduced), RenderFault::None);
    const PixelSet expected = inkedPixels(canvas());
    prepare(OutputMode::Embosser);
    EXPECT_EQ(drawRotatedRectangle(page, 0, 0, 10, 5, angle), RenderFault::None) << angle;
    EXPECT_EQ(inkedPixels(canvas()), expected) << angle;
    EXPECT_GT(expected.size(), 20u);
  }
}

TEST_F(FigureTest, CircleAndEllipseAreInscribedInTheirMappedBox) {
  prepare(OutputMode::Embosser);
  drawCircle(page, 0, 0, 5);
  PixelSet inked = inkedPixels(canvas());
  int minX = 999, maxX = -1, minY = 999, maxY = -1;
  for (auto [x, y] : inked) {
    minX = std::min(minX, x), maxX = std::max(maxX, x);
    minY = std::min(minY, y), maxY = std::max(maxY, y);
  }
  EXPECT_EQ(minX, mapX(page, -5));
  EXPECT_EQ(maxX, mapX(page, 5) - 1);
  EXPECT_EQ(minY, mapY(page, 5));
  EXPECT_EQ(maxY, mapY(page, -5) - 1);

  prepare(OutputMode::Embosser);
  drawEllipse(page, 0, 0, 5, 2);
  auto reference = PixelCanvas::create(132, 132);
  reference->ellipse(mapX(page, -5), mapY(page, -2), mapX(page, 5), mapY(page, 2));
  EXPECT_EQ(inkedPixels(canvas()), inkedPixels(*reference));
}

TEST_F(FigureTest, HistogramBarsStandSideBySide) {
  prepare(OutputMode::Embosser);
  const double heights[] = {1, 2, 3};
  EXPECT_EQ(drawHistogram(page, heights, 0, 0, 1), RenderFault::None);
  auto reference = PixelCanvas::create(132, 132);
  for (int i = 0; i < 3; ++i) reference->rectangle(mapX(page, i), mapY(page, 0), mapX(page, i + 1), mapY(page, heights[i]));
  EXPECT_EQ(inkedPixels(canvas()), inkedPixels(*reference));
  // Bars over x 0..1, 1..2, 2..3 share their sides.
  EXPECT_EQ(mapX(page, 1), 69);
  EXPECT_TRUE(inkedPixels(canvas()).count({69, mapY(page, 2)}));
  prepare(OutputMode::Embosser);
  EXPECT_EQ(drawHistogram(page, {}, 0, 0, 1), RenderFault::None);
  EXPECT_TRUE(inkedPixels(canvas()).empty());
}

TEST_F(FigureTest, PolylineClosesBackToTheFirstPoint) {
  prepare(OutputMode::Embosser);
  const double xs[] = {0, 5, 5}, ys[] = {0, 0, 5};
  drawPolyline(page, xs, ys, false);
  const PixelSet open = inkedPixels(canvas());
  EXPECT_FALSE(open.count({mapX(page, 2), mapY(page, 2)}));
  drawPolyline(page, xs, ys, true);
  EXPECT_GT(inkedPixels(canvas()).size(), open.size());
  EXPECT_TRUE(inkedPixels(canvas()).count({mapX(page, 2.5), mapY(page, 2.5)}));
}

TEST_F(FigureTest, UnmappableFiguresAreRefusedWhole) {
  prepare(OutputMode::Embosser);
  EXPECT_EQ(drawLine(page, 0, 0, 1e12, 0), RenderFault::OutOfRange);
  EXPECT_EQ(page.fault, RenderFault::OutOfRange);
  const double heights[] = {1, 1e12};
  EXPECT_EQ(drawHistogram(page, heights, 0, 0, 1), RenderFault::OutOfRange);
  EXPECT_EQ(drawRectangle(page, 0, 0, 1, std::nan("")), RenderFault::OutOfRange);
  EXPECT_EQ(traceCircle(page, 0, 0, 1e300), RenderFault::OutOfRange);
  EXPECT_EQ(drawAxis(page, -10, 0, 10, 0, 1e-300), RenderFault::None);  // ticks beyond the surface are skipped
  EXPECT_TRUE(inkedPixels(canvas()).size() > 0);
  prepare(OutputMode::Embosser);
  EXPECT_EQ(drawArrow(page, 0, 0, 7e8, 0), RenderFault::OutOfRange);
  EXPECT_TRUE(inkedPixels(canvas()).empty());

  setDomain(page, 1, 1, 1, 2);
  EXPECT_EQ(drawPoint(page, 0, 0), RenderFault::EmptyDomain);
  EXPECT_EQ(drawInkText(page, 3, 3, "A"), RenderFault::None);  // takes pixels: no domain needed
  page.canvas.reset();
  EXPECT_EQ(drawPoint(page, 0, 0), RenderFault::NoSurface);
  EXPECT_EQ(setPen(page, 1, 1, 1), RenderFault::NoSurface);
  EXPECT_EQ(renderTestDrawing(page), RenderFault::NoSurface);
}
