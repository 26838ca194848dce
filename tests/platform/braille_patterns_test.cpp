#include "platform/frontends/braille_patterns.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF, kBlack = 0x000000;

const std::string kBlank = braillePatternUtf8(0);
const std::string kFull = braillePatternUtf8(0xFF);

TEST(BraillePatterns, Utf8OfThePatternBlock) {
  EXPECT_EQ(braillePatternUtf8(0), "\xE2\xA0\x80");     // U+2800
  EXPECT_EQ(braillePatternUtf8(0xFF), "\xE2\xA3\xBF");  // U+28FF
  EXPECT_EQ(braillePatternUtf8(0x01), "\xE2\xA0\x81");  // dot 1
}

TEST(BraillePatterns, EachPixelOfA2x4PictureIsOneDot) {
  // Dots 1 and 8: top-left and bottom-right.
  std::vector<std::uint32_t> px(8, kWhite);
  px[0] = kBlack;
  px[7] = 0x123456;  // any colour that is not white
  auto lines = renderBraillePatterns(px.data(), 2, 4, 1, 1);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], braillePatternUtf8(0x01 | 0x80));
  // Right column top: dot 4; left column third row: dot 3.
  px.assign(8, kWhite);
  px[1] = kBlack;
  px[4] = kBlack;
  EXPECT_EQ(renderBraillePatterns(px.data(), 2, 4, 1, 1)[0], braillePatternUtf8(0x08 | 0x04));
}

TEST(BraillePatterns, ShrinkingKeepsThinLines) {
  // A one-pixel horizontal line across a 400 x 400 picture shrunk into 10 x 5 cells.
  std::vector<std::uint32_t> px(400 * 400, kWhite);
  for (int x = 0; x < 400; ++x) px[200 * 400 + x] = kBlack;
  auto lines = renderBraillePatterns(px.data(), 400, 400, 10, 5);
  ASSERT_EQ(lines.size(), 5u);
  // 20 x 20 dots: the line falls on dot row 10, the third row of character row 2.
  for (int c = 0; c < 10; ++c) EXPECT_EQ(lines[2].substr(3 * c, 3), braillePatternUtf8(0x04 | 0x20)) << c;
  EXPECT_EQ(lines[0], [] { std::string s; for (int i = 0; i < 10; ++i) s += kBlank; return s; }());
}

TEST(BraillePatterns, KeepsProportionsAndBlanksTheRest) {
  // A black 200 x 100 picture in 10 x 10 characters (20 x 40 dots) is 20 x 10 dots.
  std::vector<std::uint32_t> px(200 * 100, kBlack);
  auto lines = renderBraillePatterns(px.data(), 200, 100, 10, 10);
  ASSERT_EQ(lines.size(), 10u);
  std::string full, half, blank;
  for (int i = 0; i < 10; ++i) {
    full += kFull;
    half += braillePatternUtf8(0x01 | 0x02 | 0x08 | 0x10);  // top two dot rows
    blank += kBlank;
  }
  EXPECT_EQ(lines[0], full);
  EXPECT_EQ(lines[1], full);
  EXPECT_EQ(lines[2], half);
  for (int r = 3; r < 10; ++r) EXPECT_EQ(lines[r], blank) << r;
}

TEST(BraillePatterns, EnlargesASmallPicture) {
  const std::uint32_t px = kBlack;
  auto lines = renderBraillePatterns(&px, 1, 1, 2, 1);
  ASSERT_EQ(lines.size(), 1u);
  // 4 x 4 dots fill both characters.
  EXPECT_EQ(lines[0], kFull + kFull);
}

TEST(BraillePatterns, DegenerateInputGivesBlankLines) {
  auto lines = renderBraillePatterns(nullptr, 10, 10, 3, 2);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], kBlank + kBlank + kBlank);
  const std::uint32_t px = kBlack;
  EXPECT_EQ(renderBraillePatterns(&px, 0, 5, 1, 1)[0], kBlank);
  EXPECT_TRUE(renderBraillePatterns(&px, 1, 1, 0, 0).empty());
  EXPECT_TRUE(renderBraillePatterns(&px, 1, 1, -3, -1).empty());
}

}  // namespace
