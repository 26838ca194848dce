#include "language/braille_label.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <utility>

#include "render/drawing_state.h"
#include "render/page.h"
#include "render/render_support.h"

namespace {

using Pixels = std::set<std::pair<int, int>>;

class BrailleLabelTest : public SurfaceTest {
 protected:
  void prepare(OutputMode mode) { SurfaceTest::prepare(mode, 400, 300); }

  Pixels blackPixels() {
    Pixels black;
    const PixelCanvas& pixels = canvas();
    for (int y = 0; y < pixels.height(); ++y)
      for (int x = 0; x < pixels.width(); ++x)
        if (pixels.pixel(x, y) != kWhite) black.insert({x, y});
    return black;
  }
};

TEST_F(BrailleLabelTest, EmbosserCellsAreSinglePixels) {
  prepare(OutputMode::Embosser);
  // "abc" at user (0, 0), pixel (66, 66): a = dot 1, b = 1-2, c = 1-4, 3 pixels apart.
  EXPECT_EQ(drawBrailleLabel(page, 0, 0, "abc"), RenderFault::None);
  EXPECT_EQ(blackPixels(), (Pixels{{66, 64}, {69, 64}, {69, 65}, {72, 64}, {73, 64}}));
}

TEST_F(BrailleLabelTest, InkCellsMatchTheEmbosser) {
  inkSide = 200;
  prepare(OutputMode::InkPrinter);
  EXPECT_EQ(drawBrailleCell(page, 0xE9, 10, 20), 3);  // é: all six dots
  EXPECT_EQ(blackPixels(), (Pixels{{10, 18}, {10, 19}, {10, 20}, {11, 18}, {11, 19}, {11, 20}}));
}

TEST_F(BrailleLabelTest, ScreenDotsAreTwoByTwoSixPixelsApart) {
  prepare(OutputMode::Screen);
  EXPECT_EQ(drawBrailleCell(page, '#', 10, 20), 20);  // 3-4-5-6
  Pixels expected;
  for (const auto& [x, y] : Pixels{{10, 20}, {16, 8}, {16, 14}, {16, 20}})
    expected.insert({{x, y}, {x + 1, y}, {x, y + 1}, {x + 1, y + 1}});
  EXPECT_EQ(blackPixels(), expected);
}

TEST_F(BrailleLabelTest, AThreeLetterWordIsSixtyPixelsWideOnTheScreen) {
  prepare(OutputMode::Screen);
  // "yyy" (1-3-4-5-6): each cell spans 8 pixels; the next starts 20 further on.
  ASSERT_EQ(drawBrailleLabel(page, 0, 0, "yyy"), RenderFault::None);
  const Pixels black = blackPixels();
  const int left = black.begin()->first;
  EXPECT_EQ(left, mapX(page, 0));
  EXPECT_EQ(black.rbegin()->first, left + 40 + 7);
  EXPECT_EQ(black.size(), 3u * 5 * 4);
}

TEST_F(BrailleLabelTest, LabelsAreCutOffAtTheEdges) {
  prepare(OutputMode::Embosser);
  // Column 130: the first cell fits (130, 131), the rest is off the right edge.
  EXPECT_EQ(drawBrailleLabel(page, 19.5, 0, "\xE9\xE9\xE9"), RenderFault::None);
  EXPECT_EQ(blackPixels().size(), 6u);
  EXPECT_EQ(blackPixels().begin()->first, 130);

  prepare(OutputMode::Embosser);
  // Starting left of the surface, only the cells that reach it show; the row is cut at
  // the top too (dot 1 above row 0 is lost).
  EXPECT_EQ(drawBrailleLabel(page, -20.5, 15, "\xE9\xE9"), RenderFault::None);
  EXPECT_EQ(blackPixels(), (Pixels{{0, 0}, {2, 0}, {3, 0}}));
}

// On a texto sheet every label cell is one page cell: wherever "abc" is put (odd
// pixels, the page's corners, past its right edge), its dots are the cells a, b, c side
// by side (those that fit), starting on the page cell nearest to where dot 1 would be.
TEST_F(BrailleLabelTest, OnATextoSheetLabelsFallOnWholeCells) {
  sheet = {20, 10, BrailleMode::Text};
  const unsigned abc[] = {1, 3, 9};
  for (const double x : {-20.0, -19.7, -3.3, 0.0, 0.45, 7.1, 17.5, 18.9, 19.9}) {
    for (const double y : {-15.0, -14.2, -0.55, 0.0, 3.35, 14.6, 15.0}) {
      prepare(OutputMode::Embosser);
      ASSERT_EQ(drawBrailleLabel(page, x, y, "abc"), RenderFault::None);
      const int column = mapX(page, x), top = mapY(page, y) - 2;
      Pixels expected;
      const int first = std::clamp(column + 1, 0, 1000) / 2 * 2, line = std::clamp((top + 1) / 3 * 3, 0, 27);
      EXPECT_LE(std::abs(first - column), 1);
      for (int cell = 0; cell < 3 && first + 2 * cell < 40; ++cell) {
        for (int dot = 0; dot < 6; ++dot)
          if (abc[cell] & (1u << dot)) expected.insert({first + 2 * cell + dot / 3, line + dot % 3});
      }
      EXPECT_EQ(blackPixels(), expected) << x << " " << y;
        }
  }
}

TEST_F(BrailleLabelTest, UnmappablePositionsDrawNothing) {
  prepare(OutputMode::Embosser);
  page.fault = RenderFault::None;
  EXPECT_EQ(drawBrailleLabel(page, 1e300, 0, "abc"), RenderFault::OutOfRange);
  EXPECT_EQ(page.fault, RenderFault::OutOfRange);
  EXPECT_TRUE(blackPixels().empty());
  page.canvas.reset();
  EXPECT_EQ(drawBrailleLabel(page, 0, 0, "abc"), RenderFault::NoSurface);
  EXPECT_EQ(drawBrailleCell(page, 'a', 0, 0), 3);
}

}  // namespace
