#include "output/embosser/embosser_page.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "language/interpreter.h"
#include "output/device/device_page.h"
#include "page_dots.h"
#include "render/figures.h"
#include "render/image_page.h"
#include "render/page.h"

namespace {

struct Sheet {
  int width, height;
  std::vector<std::uint32_t> pixels;
  Sheet(int w, int h) : width(w), height(h), pixels(static_cast<size_t>(w) * h, 0xFFFFFFFFu) {}
  void ink(int x, int y) { pixels[static_cast<size_t>(y) * width + x] = 0xFF000000u; }
  PixelView view() const { return {width, height, width, pixels.data()}; }
};

bool textAndStreamAgree(const PixelView& surface) {
  return sameDots(streamDots(embosserStream(surface, BrailleMode::Graphic)), pageTextDots(embosserPageText(embosserPage(surface))));
}

TEST(EmbosserPage, BlankSheetIs44EmptyLinesAndOneEmbossedLine) {
  Sheet sheet(132, 132);
  const EmbosserPage page = embosserPage(sheet.view());
  EXPECT_EQ(page.lines, 44);
  EXPECT_EQ(page.cellsPerLine, 66);
  EXPECT_EQ(page.embossedLines(), 1);
  EXPECT_EQ(embosserPageText(page), std::string(44, '\n'));
  EXPECT_TRUE(textAndStreamAgree(sheet.view()));
}

TEST(EmbosserPage, PointAtTheOriginIsDotOneOfCell33OnLine22) {
  Sheet sheet(132, 132);
  sheet.ink(66, 66);
  const EmbosserPage page = embosserPage(sheet.view());
  EXPECT_EQ(page.cell(22, 33), 1u);
  EXPECT_EQ(page.embossedLines(), 23);
  const DotLines text = pageTextDots(embosserPageText(page));
  ASSERT_EQ(text.size(), 44u);
  std::vector<unsigned> expected(33, 0u);  // leading blanks stay, like the stream's
  expected.push_back(1u);
  EXPECT_EQ(text[22], expected);
  EXPECT_TRUE(text[21].empty());
  EXPECT_TRUE(textAndStreamAgree(sheet.view()));
}

TEST(EmbosserPage, EdgesAndOddSizesAgreeWithTheStream) {
  Sheet corner(132, 132);
  corner.ink(131, 131);
  corner.ink(0, 0);
  EXPECT_EQ(embosserPage(corner.view()).cell(43, 65), 32u);
  EXPECT_TRUE(textAndStreamAgree(corner.view()));

  Sheet odd(3, 4);  // half a cell to the right, a third of a line below
  odd.ink(2, 3);
  const EmbosserPage page = embosserPage(odd.view());
  EXPECT_EQ(page.lines, 2);
  EXPECT_EQ(page.cellsPerLine, 2);
  EXPECT_EQ(page.cell(1, 1), 1u);
  EXPECT_EQ(page.cell(5, 9), 0u);  // outside the page
  EXPECT_TRUE(textAndStreamAgree(odd.view()));

  EXPECT_TRUE(textAndStreamAgree(PixelView{0, 0, 0, nullptr}));
}

TEST(EmbosserPage, EveryPatternReadsBackFromTheText) {
  Sheet sheet(128, 3);  // one line holding the 64 patterns in order
  for (unsigned p = 0; p < 64; ++p) {
    for (int dot = 0; dot < 6; ++dot) {
      if (p & (1u << dot)) sheet.ink(2 * static_cast<int>(p) + dot / 3, dot % 3);
    }
  }
  const DotLines text = pageTextDots(embosserPageText(embosserPage(sheet.view())));
  ASSERT_EQ(text.size(), 1u);
  ASSERT_EQ(text[0].size(), 64u);
  for (unsigned p = 0; p < 64; ++p) EXPECT_EQ(text[0][p], p);
  EXPECT_TRUE(textAndStreamAgree(sheet.view()));
}

TEST(EmbosserPage, TestDrawingOnTheEmbosserSheetAgreesWithTheStream) {
  std::optional<Page> drawn = preparePage(embosserPageSpec({}));
  ASSERT_TRUE(drawn);
  renderTestDrawing(*drawn);
  EXPECT_TRUE(textAndStreamAgree(pagePixels(*drawn)));
  const EmbosserPage page = embosserPage(pagePixels(*drawn));
  EXPECT_GT(page.embossedLines(), 30);
  EXPECT_FALSE(page.lineIsBlank(page.embossedLines() - 1));
}

}  // namespace
