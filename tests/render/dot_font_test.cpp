#include "render/dot_font.h"
#include "render/figures.h"
#include "render_support.h"

using DotFontTest = SurfaceTest;

TEST(DotFont, EveryGlyphHasFiveColumnsOfRowDigits) {
  for (int code = 0; code < 256; ++code) {
    const std::string_view glyph = dotGlyph(static_cast<unsigned char>(code));
    int bars = 0;
    for (char c : glyph) {
      bars += c == '|';
      EXPECT_TRUE(c == '|' || (c >= '0' && c <= '7')) << code;
    }
    EXPECT_EQ(bars, 4) << code;
  }
  EXPECT_EQ(dotGlyph('#'), "35|1234567|35|1234567|35");
  EXPECT_EQ(dotGlyph('g'), "34|257|257|257|23456");
  EXPECT_EQ(dotGlyph('~'), "34|2|34|5|34");
  EXPECT_EQ(dotGlyph('@'), "56|147|14567|17|23456");
  EXPECT_EQ(dotGlyph(31), dotGlyph(' '));
  EXPECT_EQ(dotGlyph(127), dotGlyph(' '));
  EXPECT_EQ(dotGlyph(0xF1), dotGlyph(' '));
}

TEST(DotFont, AccentsComeOffExactlyTheListedLetters) {
  EXPECT_EQ(removeAccent(0xC1), 'A');
  EXPECT_EQ(removeAccent(0xC7), 'C');
  EXPECT_EQ(removeAccent(0xD5), 'O');
  EXPECT_EQ(removeAccent(0xDC), 'U');
  EXPECT_EQ(removeAccent(0xE3), 'a');
  EXPECT_EQ(removeAccent(0xE7), 'c');
  EXPECT_EQ(removeAccent(0xFC), 'u');
  EXPECT_EQ(removeAccent(0xE0), 0xE0);  // a grave is not in the list
  EXPECT_EQ(removeAccent(0xF1), 0xF1);
  EXPECT_EQ(removeAccent('x'), 'x');
}

TEST_F(DotFontTest, GlyphHangsBelowItsAnchor) {
  prepare(OutputMode::Embosser);
  EXPECT_EQ(drawInkText(page, 10, 10, "A"), RenderFault::None);
  EXPECT_EQ(picture(canvas(), 10, 10, 16, 18),
            "......\n"
            ".###..\n"
            "#...#.\n"
            "#...#.\n"
            "#...#.\n"
            "#####.\n"
            "#...#.\n"
            "#...#.\n");
}

TEST_F(DotFontTest, AccentedTextDrawsPlainGlyphsSixPixelsApart) {
  prepare(OutputMode::Embosser);
  drawInkText(page, 0, 0, "Ação");
  const PixelSet accented = inkedPixels(canvas());
  prepare(OutputMode::Embosser);
  drawInkText(page, 0, 0, "Acao");
  EXPECT_EQ(inkedPixels(canvas()), accented);
  prepare(OutputMode::Embosser);
  drawInkText(page, 0, 0, "A\xE7\xE3o");  // a Windows-1252 label of a legacy project
  EXPECT_EQ(inkedPixels(canvas()), accented);
  int right = 0;
  for (auto [x, y] : accented) right = std::max(right, x);
  EXPECT_LT(right, 24);
  EXPECT_GE(right, 18);

  prepare(OutputMode::Embosser);
  drawInkText(page, 0, 0, "π≤\x7FZ");  // three blanks, then Z at column 18
  for (auto [x, y] : inkedPixels(canvas())) EXPECT_GE(x, 18);
  EXPECT_FALSE(inkedPixels(canvas()).empty());
}

TEST_F(DotFontTest, ScreenDotsAreDoubledBlocks) {
  prepare(OutputMode::Screen, 100, 100);
  setPen(page, 1, 1, 3);
  drawInkText(page, 10, 10, "I");
  // I: columns "0|17|1234567|17|0" at pitch 2; dots are 2 x 2 blocks.
  EXPECT_EQ(picture(canvas(), 10, 10, 22, 18),
            "............\n"
            "............\n"
            "..######....\n"
            "..######....\n"
            "....##......\n"
            "....##......\n"
            "....##......\n"
            "....##......\n");
  EXPECT_EQ(canvas().pixel(14, 12), rgb(0, 0, 255));
  prepare(OutputMode::Screen, 100, 100);
  drawInkText(page, 0, 0, "A\xE7\xE3o");
  int right = 0;
  for (auto [x, y] : inkedPixels(canvas())) right = std::max(right, x);
  EXPECT_LT(right, 48);
  EXPECT_GE(right, 38);
}
