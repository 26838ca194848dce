#include <cstdint>

#include "platform/console.h"
#include "console_fixture.h"

namespace {

void put32(std::string& s, size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) s[at + i] = static_cast<char>(v >> (8 * i));
}

// A BMP of the given depth whose pixel rows are given raw (already padded), bottom row
// first unless height is negative.
std::string bmp(int width, int height, int bits, const std::string& rows,
                const std::string& colourTable = "", std::uint32_t infoSize = 40) {
  std::string s(54, '\0');
  s[0] = 'B', s[1] = 'M';
  put32(s, 10, static_cast<std::uint32_t>(54 + colourTable.size()));
  put32(s, 14, infoSize);
  put32(s, 18, static_cast<std::uint32_t>(width));
  put32(s, 22, static_cast<std::uint32_t>(height));
  s[26] = 1;
  s[28] = static_cast<char>(bits);
  put32(s, 46, static_cast<std::uint32_t>(colourTable.size() / 4));
  s += colourTable + rows;
  put32(s, 2, static_cast<std::uint32_t>(s.size()));
  return s;
}

class PictureTest : public ConsoleTest {
 protected:
  std::string save(const std::string& name, const std::string& content) {
    writeFile(dir_ + "/" + name, content);
    return dir_ + "/" + name;
  }
  std::vector<std::uint32_t> pixels() { return *conPicture().pixels; }

  // 2 x 2, 24 bits: bottom row blue, white; top row red, green.
  const std::string good24_ = bmp(2, 2, 24,
                                  std::string("\xff\x00\x00\xff\xff\xff\0\0", 8) +
                                      std::string("\x00\x00\xff\x00\xff\x00\0\0", 8));
};

}  // namespace

TEST_F(PictureTest, LoadsBottomUpTwentyFourBitsAndShowsAtAPosition) {
  ASSERT_TRUE(conLoadPicture(save("a.bmp", good24_)));
  EXPECT_FALSE(conPicture().shown);
  conShowPicture(30, 40);
  const ConPicture p = conPicture();
  EXPECT_TRUE(p.shown);
  EXPECT_EQ(p.x, 30);
  EXPECT_EQ(p.y, 40);
  EXPECT_EQ(p.width, 2);
  EXPECT_EQ(p.height, 2);
  EXPECT_EQ(pixels(), (std::vector<std::uint32_t>{0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF}));
  conHidePicture();
  EXPECT_FALSE(conPicture().shown);
  EXPECT_EQ(conPicture().pixels, nullptr);
}

TEST_F(PictureTest, PalettedAndThirtyTwoBitTopDownImages) {
  // 3 x 1 at 8 bits: indices 0, 1 and 7 (outside the two-entry table: black).
  const std::string table("\x00\x00\xff\x00\xff\xff\xff\x00", 8);
  ASSERT_TRUE(conLoadPicture(save("p.bmp", bmp(3, 1, 8, std::string("\x01\x00\x07\x00", 4), table))));
  EXPECT_EQ(pixels(), (std::vector<std::uint32_t>{0xFFFFFF, 0xFF0000, 0x000000}));
  // 1 x 2 at 32 bits stored top row first.
  ASSERT_TRUE(conLoadPicture(save("t.bmp", bmp(1, -2, 32, std::string("\x10\x20\x30\x00\x01\x02\x03\x00", 8)))));
  EXPECT_EQ(pixels(), (std::vector<std::uint32_t>{0x302010, 0x030201}));
  // 9 x 1 at 1 bit: the ninth pixel is in the second byte's high bit.
  ASSERT_TRUE(conLoadPicture(save("m.bmp", bmp(9, 1, 1, std::string("\x80\x80\0\0", 4), table))));
  EXPECT_EQ(pixels()[0], 0xFFFFFFu);
  EXPECT_EQ(pixels()[1], 0xFF0000u);
  EXPECT_EQ(pixels()[8], 0xFFFFFFu);
  // 16 bits with 5-6-5 channel masks after the header.
  const std::string masks565("\x00\xf8\0\0\xe0\x07\0\0\x1f\0\0\0", 12);
  std::string b565 = bmp(2, 1, 16, std::string("\x00\xf8\xe0\x07", 4), masks565);
  put32(b565, 30, 3);
  ASSERT_TRUE(conLoadPicture(save("565.bmp", b565)));
  EXPECT_EQ(pixels(), (std::vector<std::uint32_t>{0xFF0000, 0x00FF00}));
  // A mask of all 32 bits is odd but must not overflow.
  std::string wide = bmp(1, 1, 32, std::string("\xff\xff\xff\xff", 4), std::string(12, '\xff'));
  put32(wide, 30, 3);
  ASSERT_TRUE(conLoadPicture(save("wide.bmp", wide)));
  EXPECT_EQ(pixels()[0], 0xFFFFFFu);
}

TEST_F(PictureTest, AnythingElseIsRefusedAndTheOldOverlayKept) {
  ASSERT_TRUE(conLoadPicture(save("a.bmp", good24_)));
  conShowPicture(5, 6);
  const std::string rows(16, '\0');
  const std::string refused[] = {
      bmp(2, 2, 24, rows, "", 108),                       // another info header size
      bmp(2, 2, 24, rows, "", 12),
      good24_.substr(0, good24_.size() - 1),              // truncated pixel rows
      good24_.substr(0, 30),                              // truncated header
      bmp(100000, 100000, 24, rows),                      // absurd size
      bmp(0, 2, 24, rows),
      bmp(2, 2, 7, rows),                                 // no such depth
      "PK" + good24_.substr(2),                           // not a BMP
      "",
  };
  int i = 0;
  for (const std::string& content : refused) {
    EXPECT_FALSE(conLoadPicture(save("bad" + std::to_string(i) + ".bmp", content))) << i;
    ++i;
  }
  EXPECT_FALSE(conLoadPicture(dir_ + "/missing.bmp"));
  std::string compressed = good24_;
  put32(compressed, 30, 1);  // run-length compression
  EXPECT_FALSE(conLoadPicture(save("rle.bmp", compressed)));
  const ConPicture p = conPicture();
  EXPECT_TRUE(p.shown);
  EXPECT_EQ(p.x, 5);
  EXPECT_EQ(p.width, 2);
  EXPECT_EQ(pixels()[0], 0xFF0000u);
}
