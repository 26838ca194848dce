#include "output/embosser/embosser_stream.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

struct Sheet {
  int width, height;
  std::vector<std::uint32_t> pixels;
  Sheet(int w, int h) : width(w), height(h), pixels(static_cast<size_t>(w) * h, 0xFFFFFFFFu) {}
  void ink(int x, int y, std::uint32_t colour = 0xFF000000u) { pixels[static_cast<size_t>(y) * width + x] = colour; }
  PixelView view() const { return {width, height, width, pixels.data()}; }
};

TEST(EmbosserCellCode, MatchesTheTableForEveryPattern) {
  const unsigned char expected[64] = {
      0x20, 0x61, 0x31, 0x62, 0x27, 0x6B, 0x32, 0x6C, 0x60, 0x63, 0x69, 0x66, 0x2F, 0x6D, 0x73, 0x70,
      0x22, 0x65, 0x33, 0x68, 0x39, 0x6F, 0x36, 0x72, 0x5E, 0x64, 0x6A, 0x67, 0x3E, 0x6E, 0x74, 0x71,
      0x2C, 0x2A, 0x35, 0x3C, 0x2D, 0x75, 0x38, 0x76, 0x2E, 0x25, 0x5B, 0x24, 0x2B, 0x78, 0x21, 0x26,
      0x3B, 0x3A, 0x34, 0x5C, 0x30, 0x7A, 0x37, 0x28, 0x5F, 0x3F, 0x77, 0x7D, 0x23, 0x79, 0x29, 0x3D};
  for (unsigned p = 0; p < 64; ++p) EXPECT_EQ(static_cast<unsigned char>(embosserCellCode(p)), expected[p]) << p;
}

TEST(EmbosserCellPattern, DotsFollowBrailleNumbering) {
  Sheet sheet(4, 6);
  sheet.ink(2, 3);  // cell (1, 1) dot 1
  sheet.ink(3, 4);  // dot 5
  sheet.ink(2, 5);  // dot 3
  EXPECT_EQ(embosserCellPattern(sheet.view(), 1, 1), 1u | 4u | 16u);
  EXPECT_EQ(embosserCellPattern(sheet.view(), 0, 0), 0u);
}

TEST(EmbosserStream, EmptySheetIsOneBareLine) {
  Sheet sheet(132, 132);
  EXPECT_EQ(embosserStream(sheet.view(), BrailleMode::Graphic), "\x1B" "1\r\n\x1B]\x0C");
}

TEST(EmbosserStream, PointAtTheOriginGives23Lines) {
  Sheet sheet(132, 132);
  sheet.ink(66, 66);
  const auto lines = embosserLines(sheet.view());
  ASSERT_EQ(lines.size(), 23u);
  for (size_t i = 0; i < 22; ++i) EXPECT_EQ(lines[i], "\r\n");
  EXPECT_EQ(lines[22], std::string(33, ' ') + "a\r\n");
}

TEST(EmbosserStream, InkInTheLastRowGives44LinesOf66Cells) {
  Sheet sheet(132, 132);
  sheet.ink(131, 131, 0xFFFF0000u);  // red is ink as well
  const auto lines = embosserLines(sheet.view());
  ASSERT_EQ(lines.size(), 44u);
  EXPECT_EQ(lines[43], std::string(65, ' ') + ",\r\n");  // cell 65, dot 6
}

TEST(EmbosserStream, EdgesBeyondAnOddSurfaceCountAsWhite) {
  Sheet sheet(3, 4);
  sheet.ink(2, 3);
  const auto lines = embosserLines(sheet.view());
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[1], " a\r\n");
}

TEST(EmbosserStream, NearWhiteIsInk) {
  Sheet sheet(2, 3);
  sheet.ink(0, 0, 0xFFFFFFFEu);
  EXPECT_EQ(embosserStream(sheet.view(), BrailleMode::Graphic), "\x1B" "1a\r\n\x1B]\x0C");
}

TEST(WriteEmbosserStream, StopsAtTheFirstRefusedWrite) {
  Sheet sheet(132, 132);
  sheet.ink(66, 66);
  std::vector<std::string> writes;
  auto refuseAfter = [&](size_t n) {
    writes.clear();
    return writeEmbosserStream(sheet.view(), BrailleMode::Graphic, [&, n](std::string_view bytes) {
      writes.emplace_back(bytes);
      return writes.size() < n;
    });
  };
  EXPECT_FALSE(refuseAfter(1));
  EXPECT_EQ(writes, std::vector<std::string>{"\x1B" "1"});
  EXPECT_FALSE(refuseAfter(5));
  EXPECT_EQ(writes.size(), 5u);
  EXPECT_TRUE(refuseAfter(100));
  EXPECT_EQ(writes.size(), 1u + 23 + 2);
  EXPECT_EQ(writes.back(), "\x0C");
}

}  // namespace
