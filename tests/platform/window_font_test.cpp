// The console font: fontconfig lookup and the glyph cells painted from it.
#include "platform/frontends/font_lookup.h"
#include "platform/frontends/window_font.h"

#include <gtest/gtest.h>

#include <numeric>

namespace {

TEST(FontLookup, AnUnknownFaceFallsBackToAMonospacedOne) {
  auto f = findMonospacedFont("Lucida Console", 700);
  if (!f) GTEST_SKIP() << "fontconfig knows no monospaced face on this machine";
  EXPECT_FALSE(f->path.empty());
  EXPECT_NE(f->family.find("Mono"), std::string::npos) << f->family;
  EXPECT_TRUE(f->bold) << f->path;
  auto regular = findMonospacedFont("", 400);
  ASSERT_TRUE(regular);
  EXPECT_FALSE(regular->bold) << regular->path;
}

TEST(FontLookup, AProportionalFaceIsNotTaken) {
  auto f = findMonospacedFont("DejaVu Sans", 400);
  if (!f) GTEST_SKIP() << "fontconfig knows no monospaced face on this machine";
  EXPECT_NE(f->family, "DejaVu Sans");
}

int ink(const std::vector<std::uint8_t>& g) { return std::accumulate(g.begin(), g.end(), 0); }

TEST(WindowFont, GlyphsFillTheConfiguredCell) {
  WindowFont font;
  if (!font.open("Lucida Console", 13, 28, 700)) GTEST_SKIP() << "no monospaced font";
  EXPECT_EQ(font.cellWidth(), 13);
  EXPECT_EQ(font.cellHeight(), 28);
  EXPECT_GT(font.ascent(), 14);
  EXPECT_LT(font.ascent(), 28);
  EXPECT_EQ(font.glyph(' ').size(), 13u * 28u);
  EXPECT_EQ(ink(font.glyph(' ')), 0);
  EXPECT_GT(ink(font.glyph('M')), 0);
  // 'g' reaches below the baseline, 'a' does not.
  const auto& g = font.glyph('g');
  int below = 0;
  for (int y = font.ascent() + 1; y < 28; ++y) {
    for (int x = 0; x < 13; ++x) below += g[y * 13 + x];
  }
  EXPECT_GT(below, 0);
  // Characters beyond ASCII are drawn from their own glyphs, each cached apart.
  EXPECT_GT(ink(font.glyph(U'ç')), ink(font.glyph('c')));  // ç has a cedilla more than c
  EXPECT_GT(ink(font.glyph(U'€')), 0);
  EXPECT_NE(font.glyph(U'π'), font.glyph(U'Ā'));
}

TEST(WindowFont, BoldHasMoreInkThanRegular) {
  WindowFont regular, bold;
  if (!regular.open("monospace", 10, 20, 400) || !bold.open("monospace", 10, 20, 700)) {
    GTEST_SKIP() << "no monospaced font";
  }
  EXPECT_GT(ink(bold.glyph('H')), ink(regular.glyph('H')));
}

}  // namespace
