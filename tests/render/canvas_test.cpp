#include <cstdlib>
#include <vector>

#include "render/raster.h"
#include "render_support.h"

namespace {

std::unique_ptr<PixelCanvas> blank(int w, int h) {
  std::unique_ptr<PixelCanvas> c = PixelCanvas::create(w, h);
  EXPECT_NE(c, nullptr);
  return c;
}

// The pixels rasterLine gives without any clipping (a box large enough for all).
std::vector<std::pair<int64_t, int64_t>> unclipped(int64_t x0, int64_t y0, int64_t x1, int64_t y1) {
  std::vector<std::pair<int64_t, int64_t>> out;
  const int64_t big = int64_t{1} << 40;
  rasterLine(x0 + big / 2, y0 + big / 2, x1 + big / 2, y1 + big / 2, ClipBox{big, big},
             [&](int64_t x, int64_t y, int64_t) { out.push_back({x - big / 2, y - big / 2}); });
  return out;
}

}  // namespace

TEST(Canvas, ThinLinesInAllEightDirectionsStartInEndOut) {
  struct Case {
    int x1, y1;
    const char* picture;
  };
  // From the centre (4, 4) of a 9 x 9 canvas.
  const Case cases[] = {
      {8, 4, ".........\n.........\n.........\n.........\n....####.\n.........\n.........\n.........\n.........\n"},
      {0, 4, ".........\n.........\n.........\n.........\n.####....\n.........\n.........\n.........\n.........\n"},
      {4, 0, ".........\n....#....\n....#....\n....#....\n....#....\n.........\n.........\n.........\n.........\n"},
      {4, 8, ".........\n.........\n.........\n.........\n....#....\n....#....\n....#....\n....#....\n.........\n"},
      {8, 8, ".........\n.........\n.........\n.........\n....#....\n.....#...\n......#..\n.......#.\n.........\n"},
      {0, 0, ".........\n.#.......\n..#......\n...#.....\n....#....\n.........\n.........\n.........\n.........\n"},
      {8, 0, ".........\n.......#.\n......#..\n.....#...\n....#....\n.........\n.........\n.........\n.........\n"},
      {0, 8, ".........\n.........\n.........\n.........\n....#....\n...#.....\n..#......\n.#.......\n.........\n"},
  };
  for (const Case& c : cases) {
    auto canvas = blank(9, 9);
    canvas->moveTo(4, 4);
    canvas->lineTo(c.x1, c.y1);
    EXPECT_EQ(picture(*canvas, 0, 0, 9, 9), c.picture) << "to " << c.x1 << "," << c.y1;
  }
}

TEST(Canvas, ShallowLineRoundsToNearestRow) {
  auto canvas = blank(12, 4);
  canvas->moveTo(0, 0);
  canvas->lineTo(10, 3);
  EXPECT_EQ(picture(*canvas, 0, 0, 12, 4),
            "##..........\n"
            "..###.......\n"
            ".....####...\n"  // the half at i = 5 goes forward
            ".........#..\n");
}

TEST(Canvas, PolylineHasNoGapsAndNoDoubledPixels) {
  auto canvas = blank(20, 20);
  canvas->setPen(Pen{1, PenStyle::Dotted, kBlack});
  // With a dotted pen a pixel lit twice would break the 3-on 3-off rhythm; use a
  // solid pen to count, since a doubled pixel cannot be seen.
  canvas->setPen(Pen{});
  canvas->moveTo(2, 2);
  canvas->lineTo(15, 6);
  canvas->lineTo(9, 17);
  canvas->lineTo(2, 2);
  const PixelSet inked = inkedPixels(*canvas);
  // Each segment lights max(|dx|, |dy|) pixels: 13 + 11 + 15.
  EXPECT_EQ(inked.size(), 39u);
  EXPECT_TRUE(inked.count({2, 2}));
  EXPECT_TRUE(inked.count({15, 6}));
  EXPECT_TRUE(inked.count({9, 17}));
}

TEST(Canvas, ClippedLinesLightExactlyTheVisiblePixelsOfTheWholeLine) {
  const int w = 23, h = 17;
  std::srand(7);
  for (int n = 0; n < 400; ++n) {
    const int64_t x0 = std::rand() % 120 - 50, y0 = std::rand() % 120 - 50;
    const int64_t x1 = std::rand() % 120 - 50, y1 = std::rand() % 120 - 50;
    PixelSet expected;
    for (auto [x, y] : unclipped(x0, y0, x1, y1)) {
      if (x >= 0 && y >= 0 && x < w && y < h) expected.insert({int(x), int(y)});
    }
    auto canvas = blank(w, h);
    canvas->moveTo(x0, y0);
    canvas->lineTo(x1, y1);
    ASSERT_EQ(inkedPixels(*canvas), expected) << x0 << "," << y0 << " -> " << x1 << "," << y1;
  }
}

TEST(Canvas, HugeLinesAreClippedQuickly) {
  auto canvas = blank(10, 10);
  canvas->moveTo(-4000000000LL, 5);
  canvas->lineTo(4000000000LL, 5);
  EXPECT_EQ(picture(*canvas, 0, 4, 10, 7), "..........\n##########\n..........\n");
  int64_t visited = 0;
  rasterLine(-(int64_t{1} << 39), -3, int64_t{1} << 39, 7, ClipBox{10, 10},
             [&](int64_t, int64_t, int64_t) { ++visited; });
  EXPECT_LE(visited, 10);
}

TEST(Canvas, DottedAndDashedPatternsRunOnAlongAPolyline) {
  auto canvas = blank(60, 3);
  canvas->setPen(Pen{1, PenStyle::Dotted, kBlack});
  canvas->moveTo(0, 0);
  canvas->lineTo(4, 0);
  canvas->lineTo(14, 0);
  EXPECT_EQ(picture(*canvas, 0, 0, 14, 1), "###...###...##\n");
  canvas->setPen(Pen{1, PenStyle::Dashed, kBlack});
  canvas->moveTo(0, 2);
  canvas->lineTo(50, 2);
  EXPECT_EQ(picture(*canvas, 0, 2, 50, 3),
            "##################......##################......##\n");
}

TEST(Canvas, WidePensDrawSolidRoundAndPure) {
  auto canvas = blank(30, 30);
  canvas->setPen(Pen{7, PenStyle::Dashed, rgb(0, 0, 255)});
  canvas->moveTo(5, 15);
  canvas->lineTo(25, 15);
  const PixelSet inked = inkedPixels(*canvas);
  // Solid along its length, 7 rows thick in the middle, round beyond the ends.
  for (int x = 5; x <= 25; ++x) EXPECT_TRUE(inked.count({x, 15})) << x;
  for (int y = 12; y <= 18; ++y) EXPECT_TRUE(inked.count({15, y})) << y;
  EXPECT_FALSE(inked.count({15, 11}));
  EXPECT_FALSE(inked.count({15, 19}));
  EXPECT_TRUE(inked.count({3, 15}));
  EXPECT_FALSE(inked.count({2, 12}));
  for (auto [x, y] : inked) ASSERT_EQ(canvas->pixel(x, y), rgb(0, 0, 255));
}

TEST(Canvas, RectangleExcludesRightColumnAndBottomRow) {
  auto canvas = blank(8, 7);
  canvas->rectangle(6, 5, 1, 1);  // corners in any order
  EXPECT_EQ(picture(*canvas, 0, 0, 8, 7),
            "........\n"
            ".#####..\n"
            ".#...#..\n"
            ".#...#..\n"
            ".#####..\n"
            "........\n"
            "........\n");
}

TEST(Canvas, DegenerateRectanglesShowAsLines) {
  auto canvas = blank(6, 6);
  canvas->rectangle(2, 1, 2, 5);
  EXPECT_EQ(picture(*canvas, 0, 0, 6, 6), "......\n..#...\n..#...\n..#...\n..#...\n......\n");
  auto dot = blank(4, 4);
  dot->rectangle(1, 1, 1, 1);
  EXPECT_EQ(inkedPixels(*dot), (PixelSet{{1, 1}}));
}

TEST(Canvas, RectangleFarOutsideOnlyShowsItsVisibleSides) {
  auto canvas = blank(6, 6);
  canvas->rectangle(-3000000000LL, 2, 3000000000LL, 3000000000LL);
  EXPECT_EQ(picture(*canvas, 0, 0, 6, 6), "......\n......\n######\n......\n......\n......\n");
}

TEST(Canvas, EllipseIsInscribedAndSymmetric) {
  auto canvas = blank(12, 10);
  canvas->ellipse(1, 1, 10, 8);  // pixels 1..9 x 1..7
  const PixelSet inked = inkedPixels(*canvas);
  int minX = 99, maxX = -1, minY = 99, maxY = -1;
  for (auto [x, y] : inked) {
    minX = std::min(minX, x), maxX = std::max(maxX, x);
    minY = std::min(minY, y), maxY = std::max(maxY, y);
    EXPECT_TRUE(inked.count({10 - x, y})) << x << "," << y;
    EXPECT_TRUE(inked.count({x, 8 - y})) << x << "," << y;
  }
  EXPECT_EQ(minX, 1);
  EXPECT_EQ(maxX, 9);
  EXPECT_EQ(minY, 1);
  EXPECT_EQ(maxY, 7);
  EXPECT_FALSE(inked.count({5, 4}));  // hollow
}

TEST(Canvas, SmallEllipsesFillTheirBoxSymmetrically) {
  for (int w = 1; w <= 12; ++w) {
    for (int h = 1; h <= 12; ++h) {
      auto canvas = blank(16, 16);
      canvas->ellipse(2, 2, 2 + w, 2 + h);
      const PixelSet inked = inkedPixels(*canvas);
      int minX = 99, maxX = -1, minY = 99, maxY = -1;
      for (auto [x, y] : inked) {
        minX = std::min(minX, x), maxX = std::max(maxX, x);
        minY = std::min(minY, y), maxY = std::max(maxY, y);
        EXPECT_TRUE(inked.count({2 + 2 + w - 1 - x, y})) << w << "x" << h;
        EXPECT_TRUE(inked.count({x, 2 + 2 + h - 1 - y})) << w << "x" << h;
      }
      EXPECT_EQ(minX, 2) << w << "x" << h;
      EXPECT_EQ(maxX, 1 + w) << w << "x" << h;
      EXPECT_EQ(minY, 2) << w << "x" << h;
      EXPECT_EQ(maxY, 1 + h) << w << "x" << h;
    }
  }
}

TEST(Canvas, CircleOutlineHasNoGaps) {
  auto canvas = blank(40, 40);
  canvas->ellipse(3, 3, 36, 36);
  const PixelSet inked = inkedPixels(*canvas);
  for (auto [x, y] : inked) {
    int neighbours = 0;
    for (int dy = -1; dy <= 1; ++dy) {
      for (int dx = -1; dx <= 1; ++dx) neighbours += (dx || dy) && inked.count({x + dx, y + dy});
    }
    EXPECT_GE(neighbours, 2) << x << "," << y;
  }
}

TEST(Canvas, HugeEllipseShowsOnlyItsVisibleArc) {
  auto canvas = blank(20, 20);
  // A circle of radius 2e9 whose leftmost point is at column 10.
  canvas->ellipse(10, -2000000000LL + 10, 4000000010LL, 2000000010LL);
  const PixelSet inked = inkedPixels(*canvas);
  EXPECT_TRUE(inked.count({10, 10}));
  EXPECT_TRUE(inked.count({10, 0}));
  for (auto [x, y] : inked) EXPECT_EQ(x, 10);
}

TEST(Canvas, BrushFillsSolidOrHatchedUnderThePen) {
  auto canvas = blank(16, 16);
  canvas->setBrush(Brush{BrushStyle::Solid, rgb(255, 255, 0)});
  canvas->rectangle(0, 0, 16, 16);
  EXPECT_EQ(canvas->pixel(0, 0), kBlack);
  EXPECT_EQ(canvas->pixel(15, 15), kBlack);
  EXPECT_EQ(canvas->pixel(7, 7), rgb(255, 255, 0));

  auto hatched = blank(16, 16);
  hatched->setBrush(Brush{BrushStyle::HatchCross, rgb(255, 255, 0)});
  hatched->setPen(Pen{1, PenStyle::Solid, rgb(0, 128, 0)});
  hatched->rectangle(0, 0, 16, 16);
  EXPECT_EQ(hatched->pixel(4, 6), rgb(255, 255, 0));   // vertical hatch line
  EXPECT_EQ(hatched->pixel(12, 11), rgb(255, 255, 0));  // horizontal hatch line
  EXPECT_EQ(hatched->pixel(6, 6), kWhite);              // gap keeps the white
  EXPECT_EQ(hatched->pixel(0, 5), rgb(0, 128, 0));

  auto diagonal = blank(16, 16);
  diagonal->setBrush(Brush{BrushStyle::HatchForwardDiagonal, kBlack});
  diagonal->setPen(Pen{1, PenStyle::Solid, kWhite});
  diagonal->rectangle(0, 0, 16, 16);
  EXPECT_EQ(diagonal->pixel(5, 5), kBlack);
  EXPECT_EQ(diagonal->pixel(3, 11), kBlack);
  EXPECT_EQ(diagonal->pixel(5, 6), kWhite);
}

TEST(Canvas, PolygonOutlineClosesAndFillsInside) {
  auto canvas = blank(12, 12);
  const PixelPoint triangle[] = {{1, 1}, {10, 1}, {1, 10}};
  canvas->polygon(triangle);
  const PixelSet outline = inkedPixels(*canvas);
  EXPECT_EQ(outline.size(), 27u);
  EXPECT_FALSE(outline.count({3, 3}));
  canvas->setBrush(Brush{BrushStyle::Solid, rgb(255, 0, 0)});
  canvas->polygon(triangle);
  EXPECT_EQ(canvas->pixel(3, 3), rgb(255, 0, 0));
  EXPECT_EQ(canvas->pixel(1, 5), kBlack);
  EXPECT_EQ(canvas->pixel(8, 8), kWhite);
}

TEST(Canvas, TextIsPureAndHasCourierMetrics) {
  auto canvas = blank(200, 40);
  canvas->setFont(32);
  canvas->textOut(2, 2, "Curso de F\xEDsica I");
  const PixelSet inked = inkedPixels(*canvas);
  ASSERT_FALSE(inked.empty());
  for (auto [x, y] : inked) {
    ASSERT_EQ(canvas->pixel(x, y), kBlack);
    EXPECT_GE(y, 2);
    EXPECT_LT(y, 34);
  }
  // A fixed-pitch face: every character advances the same width.
  EXPECT_EQ(canvas->textWidth("iiii"), canvas->textWidth("WWWW"));
  EXPECT_EQ(canvas->textWidth("ab"), 2 * canvas->textWidth("a"));
  EXPECT_NEAR(canvas->textWidth("abcdefghij"), 10 * 0.6 * 32 / 1.133, 10);
  EXPECT_EQ(canvas->textWidth(""), 0);
}

TEST(Canvas, SetPixelIgnoresPointsOutside) {
  auto canvas = blank(3, 3);
  canvas->setPixel(-1, 0, kBlack);
  canvas->setPixel(3, 1, kBlack);
  canvas->setPixel(1, 1, rgb(1, 0, 0));
  EXPECT_EQ(inkedPixels(*canvas), (PixelSet{{1, 1}}));
  EXPECT_EQ(canvas->pixel(1, 1), rgb(1, 0, 0));
  EXPECT_EQ(canvas->pixel(-5, 99), kWhite);
}
