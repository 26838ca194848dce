// A grid drawn with a wide pen copies one mark's pixels to every point of its lattice:
// the result must be exactly what drawing every mark gives.
#include <set>
#include <utility>
#include <vector>

#include "render/figure_support.h"
#include "render/figures.h"
#include "render_support.h"

namespace {

std::vector<uint32_t> allPixels(const PixelCanvas& canvas) {
  std::vector<uint32_t> pixels;
  for (int y = 0; y < canvas.height(); ++y) {
    for (int x = 0; x < canvas.width(); ++x) pixels.push_back(canvas.pixel(x, y));
  }
  return pixels;
}

// Something under the grid that the marks partly cover, to show that they overwrite
// only their own pixels.
void underlay(PixelCanvas& canvas) {
  for (int y = 0; y < canvas.height(); y += 3) {
    for (int x = y % 7; x < canvas.width(); x += 5) canvas.setPixel(x, y, rgb(0, 160, 0));
  }
}

}  // namespace

class GridMarksTest : public SurfaceTest {
 protected:
  // The grid as drawGrid draws it, then as every mark drawn one by one at the same
  // pixels (steps of whole units, so the lattice's pixels are mapX and mapY of
  // integers). Both start from the same surface; the lattice runs off every edge.
  void expectGridAsMarks(OutputMode mode, int level, int style, int colour, int step);
};

void GridMarksTest::expectGridAsMarks(OutputMode mode, int level, int style, int colour,
                                      int step) {
  enum class Way { None, Grid, Marks };
  const auto draw = [&](Way way) {
    prepare(mode, 150, 132);
    underlay(canvas());
    setPen(page, level, style, colour);
    if (way == Way::Grid) {
      EXPECT_EQ(drawGrid(page, -24, -19, 24, 19, step, step), RenderFault::None);
    } else if (way == Way::Marks) {
      for (int x = -24; x <= 24; x += step) {
        for (int y = -19; y <= 19; y += step) markPoint(page.style, canvas(), mapX(page, x), mapY(page, y));
      }
    }
    std::vector<uint32_t> pixels = allPixels(canvas());
    return pixels;
  };
  const std::vector<uint32_t> grid = draw(Way::Grid);
  EXPECT_EQ(grid, draw(Way::Marks)) << "mode " << int(mode) << " pen " << level << "," << style
                                    << "," << colour << " step " << step;
  EXPECT_NE(grid, draw(Way::None));
}

TEST_F(GridMarksTest, WidePenGridsGiveThePixelsOfEveryMarkDrawnAlone) {
  inkSide = 140;
  for (OutputMode mode : {OutputMode::Screen, OutputMode::InkPrinter, OutputMode::Embosser}) {
    for (int level = 1; level <= 5; ++level) {  // pens 1, 4, 7, 10 and 13 pixels wide
      for (int colour = 1; colour <= 3; ++colour) {
        // Sparse: each mark stands alone; dense: they overlap.
        for (int step : {5, 1}) expectGridAsMarks(mode, level, 1, colour, step);
      }
      for (int style = 2; style <= 3; ++style) expectGridAsMarks(mode, level, style, 1, 1);
    }
  }
  inkSide = 0;
}

// Steps below a pixel put a mark on every pixel, and steps of 1.7 pixels leave gaps
// between pairs of neighbours: either way the grid is every mark drawn alone, each
// distinct pixel once, over a lattice that runs off every edge.
TEST_F(GridMarksTest, DenseGridsGiveThePixelsOfEveryMarkDrawnAlone) {
  inkSide = 40;
  for (OutputMode mode : {OutputMode::Screen, OutputMode::InkPrinter, OutputMode::Embosser}) {
    for (int level = 1; level <= 5; ++level) {
      for (double step : {0.3, 1.7}) {
        const auto draw = [&](bool asGrid) {
          prepare(mode, 40, 30);
          underlay(canvas());
          const int side = canvas().width(), height = canvas().height();
          setDomain(page, 0, 0, side, height);  // one pixel per unit
          setPen(page, level, 1, 2);
          if (asGrid) {
            EXPECT_EQ(drawGrid(page, -20, -20, side + 20, height + 20, step, step), RenderFault::None);
          } else {
            std::set<std::pair<int64_t, int64_t>> marks;
            for (double x = -20; x <= side + 20; x += step) {
              for (double y = -20; y <= height + 20; y += step) marks.insert({mapX(page, x), mapY(page, y)});
            }
            for (auto [column, row] : marks) markPoint(page.style, canvas(), column, row);
          }
          std::vector<uint32_t> pixels = allPixels(canvas());
                return pixels;
        };
        EXPECT_EQ(draw(true), draw(false)) << "mode " << int(mode) << " level " << level << " step " << step;
      }
    }
  }
  inkSide = 0;
}

// Far from the origin the library works with larger coordinates; a mark there must
// still be the mark at the origin moved.
TEST(MarkFootprintTest, StampsMatchStrokesAcrossAWideSurface) {
  const DeviceStyle style = deviceStyle(OutputMode::InkPrinter);
  const auto markHere = [&style](Canvas& canvas, int64_t x, int64_t y) { markPoint(style, canvas, x, y); };
  for (int width : {4, 7, 10, 13}) {
    std::unique_ptr<PixelCanvas> drawn = PixelCanvas::create(4100, 40), stamped = PixelCanvas::create(4100, 40);
    ASSERT_TRUE(drawn && stamped);
    const Pen pen{width, PenStyle::Solid, rgb(255, 0, 0)};
    drawn->setPen(pen);
    stamped->setPen(pen);
    const std::optional<Footprint> mark = stamped->footprint(markHere, width + 2);
    ASSERT_TRUE(mark.has_value());
    // Runs of the mark: one per row it covers, and more than a 3 x 3 outline.
    EXPECT_GE(mark->runs.size(), 3u + width / 2);
    for (int64_t x = -20; x < 4120; x += 19) {
      const int64_t y = 10 + x % 21;
      markPoint(style, *drawn, x, y);
      stamped->stamp(*mark, x, y);
    }
    EXPECT_EQ(allPixels(*drawn), allPixels(*stamped)) << "width " << width;
  }
}
