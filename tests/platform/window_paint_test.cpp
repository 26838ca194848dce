// The window's painting into a pixel buffer, its settings and its Braille keyboard,
// without a display.
#include "platform/frontends/window_paint.h"

#include <gtest/gtest.h>

#include "platform/console.h"
#include "platform/console_fixture.h"
#include "platform/frontend_fixture.h"
#include "platform/frontends/braille_keyboard.h"
#include "platform/frontends/window_settings.h"

namespace {

class WindowPaint : public ConsoleTest {
 protected:
  void SetUp() override {
    ConsoleTest::SetUp();
    if (!font_.open("monospace", 10, 20, 700)) GTEST_SKIP() << "no monospaced font";
    pixels_.assign(kWidth * kHeight, 0x123456);
  }
  void paint(bool caret = false) { paintConsole(PixelBuffer{pixels_.data(), kWidth, kHeight, kWidth}, font_, caret); }
  std::uint32_t at(int x, int y) const { return pixels_[y * kWidth + x]; }
  // How many pixels of a cell (1-based screen column and row) have the colour.
  int count(int column, int row, std::uint32_t colour) const {
    int n = 0;
    for (int y = (row - 1) * 20; y < row * 20; ++y) {
      for (int x = (column - 1) * 10; x < column * 10; ++x) n += at(x, y) == colour;
    }
    return n;
  }

  static constexpr int kWidth = 800, kHeight = 500;
  WindowFont font_;
  std::vector<std::uint32_t> pixels_;
};

TEST_F(WindowPaint, CellsInTheirColoursWithTheTextOnTop) {
  conSetBackColour(1);
  conSetTextColour(14);
  conGoto(3, 2);
  conWrite("H ");
  paint();
  EXPECT_EQ(count(1, 1, 0x000000), 200);  // blank, background 0
  EXPECT_EQ(count(4, 2, 0x0000FF), 200);  // a blue blank
  const int yellow = count(3, 2, 0xFFFF00), blue = count(3, 2, 0x0000FF);
  EXPECT_GT(yellow, 10);                  // the letter's strokes
  EXPECT_GT(blue, 50);                    // around them
  EXPECT_EQ(at(799, 499), 0x000000);      // the last pixel of the grid
}

TEST_F(WindowPaint, PaletteMapFromTabCores) {
  writeFile(dir_ + "/config/tramel/Tramel.ini", "[VIDEO]\nTABCORES=0,4\n");
  conReset();
  conSetBackColour(1);  // colour 1 paints red now
  conWrite(" ");
  conSetBackColour(2);
  conWrite(" ");
  paint();
  EXPECT_EQ(count(1, 1, 0xFF0000), 200);
  EXPECT_EQ(count(2, 1, 0x00FF00), 200);
}

TEST_F(WindowPaint, CaretOnTheBaselineOfTheCursorCell) {
  conGoto(5, 3);
  paint(false);
  const std::vector<std::uint32_t> before = pixels_;
  paint(true);
  int changed = 0;
  for (size_t i = 0; i < pixels_.size(); ++i) {
    if (pixels_[i] != before[i]) {
      ++changed;
      const int x = static_cast<int>(i % kWidth), y = static_cast<int>(i / kWidth);
      EXPECT_GE(x, 40);
      EXPECT_LT(x, 50);
      EXPECT_GE(y, 40 + font_.ascent());
      EXPECT_LT(y, 40 + font_.ascent() + 2);
    }
  }
  EXPECT_EQ(changed, 20);  // one cell wide, two pixels high
}

TEST_F(WindowPaint, PictureOverTheTextAtItsPositionAndClipped) {
  const std::string bmp = dir_ + "/p.bmp";
  writeTestBmp(bmp, 30, 10, [](int x, int) { return x < 15 ? 0xFF0000u : 0x00FF00u; });
  ASSERT_TRUE(conLoadPicture(bmp));
  conShowPicture(780, 100);  // runs past the right edge
  paint();
  EXPECT_EQ(at(780, 100), 0xFF0000u);
  EXPECT_EQ(at(794, 109), 0xFF0000u);
  EXPECT_EQ(at(795, 105), 0x00FF00u);
  EXPECT_EQ(at(779, 100), 0x000000u);
  EXPECT_EQ(at(780, 110), 0x000000u);
  conHidePicture();
  paint();
  EXPECT_EQ(at(780, 100), 0x000000u);
}

TEST_F(WindowPaint, SettingsFromVideoAndBraille) {
  WindowSettings s = readWindowSettings(2048, 1468);
  EXPECT_EQ(s.face, "Lucida Console");
  EXPECT_EQ(s.cellWidth, 26);
  EXPECT_EQ(s.cellHeight, 56);
  EXPECT_EQ(s.weight, 700);
  EXPECT_FALSE(s.maximized);
  EXPECT_EQ(s.braille, BrailleMode::Off);
  writeFile(dir_ + "/config/tramel/Tramel.ini",
            "[VIDEO]\nFONTE=DejaVu Sans Mono\nLARGURALETRA=9\nALTURALETRA=x\nPESOLETRA=400\nCANTOTELA=Nao\n"
            "[BRAILLE]\nMODO=3\n");
  s = readWindowSettings(1024, 734);
  EXPECT_EQ(s.face, "DejaVu Sans Mono");
  EXPECT_EQ(s.cellWidth, 9);
  EXPECT_EQ(s.cellHeight, 28);  // not a number: the default
  EXPECT_EQ(s.weight, 400);
  EXPECT_TRUE(s.maximized);
  EXPECT_EQ(s.braille, BrailleMode::Plain);
}

TEST_F(WindowPaint, BrailleKeyboardQueuesChordsAndPlaysTheModeTones) {
  BrailleKeyboard b;
  EXPECT_FALSE(b.keyDown('f', false));  // off: keys are ordinary
  b.nextMode();
  EXPECT_EQ(b.mode(), BrailleMode::Plain);
  EXPECT_TRUE(b.swallowsCharacter('f'));
  EXPECT_TRUE(b.swallowsCharacter(' '));
  EXPECT_FALSE(b.swallowsCharacter('1'));
  EXPECT_TRUE(b.keyDown('f', false));
  EXPECT_TRUE(b.keyDown('d', false));
  b.keyUp('f');
  b.keyUp('d');
  EXPECT_FALSE(b.keyDown('f', true));  // with Ctrl the key is not a chord key
  b.keyUp('f');                        // and its release types nothing
  EXPECT_TRUE(b.keyDown('q', false));
  b.keyUp('q');
  EXPECT_EQ(conGetKey(), 'b');
  EXPECT_EQ(conGetKey(), ' ');
  EXPECT_FALSE(conKeyWaiting());
  b.nextMode();
  b.setMode(BrailleMode::Off);
  b.setMode(BrailleMode::Off);  // already off: silent
  EXPECT_EQ(transcript(), "tone: 800\ntone: 1600\ntone: 800\ntone: 400\ntone: 100\n");
}

}  // namespace
