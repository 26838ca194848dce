#include <set>

#include "render/figures.h"
#include "render_support.h"

using TestDrawingTest = SurfaceTest;

namespace {

struct Bounds {
  int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
};

Bounds boundsOf(const PixelSet& pixels) {
  Bounds b;
  for (auto [x, y] : pixels) {
    b.left = std::min(b.left, x), b.right = std::max(b.right, x);
    b.top = std::min(b.top, y), b.bottom = std::max(b.bottom, y);
  }
  return b;
}

}  // namespace

TEST_F(TestDrawingTest, CaptionSitsOnItsPointFromTheLeftOrCentred) {
  prepare(OutputMode::Screen, 800, 600);
  EXPECT_EQ(drawTextLeft(page, "Curso de F\xEDsica I", -19.6, 9), RenderFault::None);
  const Bounds left = boundsOf(inkedPixels(canvas()));
  const int top = mapY(page, 9) - (32 * 13) / 16;
  EXPECT_GE(left.left, mapX(page, -19.6));
  EXPECT_LE(left.left, mapX(page, -19.6) + 4);
  EXPECT_GE(left.top, top);  // the accent of the i reaches up into the cell
  EXPECT_LE(left.bottom, top + 32);
  EXPECT_GE(left.bottom, mapY(page, 9) - 3);  // the baseline is near the point

  prepare(OutputMode::Screen, 800, 600);
  drawTextCentred(page, "Testes do Pontelix", 0, 0);
  const Bounds centred = boundsOf(inkedPixels(canvas()));
  EXPECT_NEAR((centred.left + centred.right) / 2.0, mapX(page, 0), 4);
  EXPECT_EQ(canvas().brush().style, BrushStyle::Hollow);
}

TEST_F(TestDrawingTest, DrawsOnEverySurfaceWithPurePixelsAndOutline) {
  const std::set<uint32_t> palette{kWhite,           kBlack,          rgb(128, 0, 0),
                                   rgb(0, 128, 0),   rgb(255, 255, 0), rgb(255, 0, 0),
                                   rgb(0, 0, 255),   rgb(1, 0, 0)};
  inkSide = 500;
  for (OutputMode mode : {OutputMode::Embosser, OutputMode::InkPrinter, OutputMode::Screen}) {
    prepare(mode, 640, 438);
    setDomain(page, 0, 0, 1, 1);  // the drawing resets the domain itself
    EXPECT_EQ(renderTestDrawing(page), RenderFault::None);
    const int w = canvas().width(), h = canvas().height();
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) ASSERT_TRUE(palette.count(canvas().pixel(x, y))) << x << "," << y;
    }
    // The outline of the whole surface.
    EXPECT_NE(canvas().pixel(0, 0), kWhite);
    EXPECT_NE(canvas().pixel(w - 1, h - 1), kWhite);
    EXPECT_NE(canvas().pixel(w / 2, h - 1), kWhite);
    EXPECT_EQ(mapX(page, -20), 0);
    // The parabola is red at its vertex (1, -2), the rectangle's border green.
    EXPECT_EQ(canvas().pixel(mapX(page, 1), mapY(page, -2)), rgb(255, 0, 0));
    EXPECT_EQ(canvas().pixel(mapX(page, -5), mapY(page, -1.5)), rgb(0, 128, 0));
  }
}

TEST_F(TestDrawingTest, EmbosserMarksAreSinglePixels) {
  prepare(OutputMode::Embosser);
  renderTestDrawing(page);
  EXPECT_EQ(canvas().pixel(mapX(page, -10), mapY(page, -10)), rgb(1, 0, 0));
  EXPECT_EQ(canvas().pixel(mapX(page, -10) + 1, mapY(page, -10)), kWhite);
  // Ticks of 2 pixels below the axis.
  EXPECT_EQ(canvas().pixel(mapX(page, -7), mapY(page, 0) + 2), kBlack);
  EXPECT_EQ(canvas().pixel(mapX(page, -7), mapY(page, 0) + 3), kWhite);
}
