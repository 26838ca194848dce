#include "platform/frontends/braille_chord.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Types one chord: presses every key of `keys`, then releases them in order, and
// returns what the chord gave ("" when nothing).
std::string chord(BrailleChord& c, const std::string& keys, BrailleMode mode) {
  for (char k : keys) {
    if (const int bit = brailleChordBit(k)) c.press(bit);
  }
  std::string out;
  for (char k : keys) {
    if (auto ch = c.release(brailleChordBit(k), mode)) out += static_cast<char>(*ch);
  }
  return out;
}

// Types a series of chords separated by '|'.
std::string type(BrailleChord& c, const std::string& chords, BrailleMode mode) {
  std::string out;
  size_t start = 0;
  while (start <= chords.size()) {
    const size_t bar = chords.find('|', start);
    const size_t end = bar == std::string::npos ? chords.size() : bar;
    out += chord(c, chords.substr(start, end - start), mode);
    if (bar == std::string::npos) break;
    start = bar + 1;
  }
  return out;
}

TEST(BrailleTable, LettersAndSignsOfThePortugueseTable) {
  EXPECT_EQ(brailleTableChar(0), ' ');
  EXPECT_EQ(brailleTableChar(1), 'a');
  EXPECT_EQ(brailleTableChar(3), 'b');
  EXPECT_EQ(brailleTableChar(26), 'j');
  EXPECT_EQ(brailleTableChar(47), 231);  // ç
  EXPECT_EQ(brailleTableChar(58), 'w');
  EXPECT_EQ(brailleTableChar(60), '#');
  EXPECT_EQ(brailleTableChar(63), 233);  // é
  // Every lower-case letter has exactly one pattern.
  for (char letter = 'a'; letter <= 'z'; ++letter) {
    int found = 0;
    for (int p = 0; p < 64; ++p) found += brailleTableChar(p) == static_cast<unsigned char>(letter);
    EXPECT_EQ(found, 1) << letter;
  }
}

TEST(BrailleChord, ChordKeysAndModes) {
  EXPECT_EQ(brailleChordBit('f'), 1);
  EXPECT_EQ(brailleChordBit('D'), 2);
  EXPECT_EQ(brailleChordBit('l'), 32);
  EXPECT_EQ(brailleChordBit(' '), kBrailleSpaceBit);
  EXPECT_EQ(brailleChordBit('q'), 0);
  EXPECT_EQ(brailleNextMode(BrailleMode::Off), BrailleMode::Plain);
  EXPECT_EQ(brailleNextMode(BrailleMode::Plain), BrailleMode::Signs);
  EXPECT_EQ(brailleNextMode(BrailleMode::Signs), BrailleMode::Plain);
  EXPECT_EQ(brailleModeFromSetting("0"), BrailleMode::Off);
  EXPECT_EQ(brailleModeFromSetting("1"), BrailleMode::Plain);
  EXPECT_EQ(brailleModeFromSetting("2"), BrailleMode::Signs);
  EXPECT_EQ(brailleModeFromSetting("3"), BrailleMode::Plain);
  EXPECT_EQ(brailleModeFromSetting(""), BrailleMode::Off);
  EXPECT_EQ(brailleModeFromSetting(nullptr), BrailleMode::Off);
}

TEST(BrailleChord, ModeOneChordsCompleteWhenTheLastKeyIsReleased) {
  BrailleChord c;
  c.press(brailleChordBit('f'));
  c.press(brailleChordBit('d'));
  EXPECT_FALSE(c.release(brailleChordBit('f'), BrailleMode::Plain));  // d still held
  EXPECT_EQ(c.release(brailleChordBit('d'), BrailleMode::Plain), 'b');
  EXPECT_EQ(type(c, " ", BrailleMode::Plain), " ");
  // A letter that is not a chord key completes an empty chord: a blank.
  c.press(brailleChordBit('q'));
  EXPECT_EQ(c.release(brailleChordBit('q'), BrailleMode::Plain), ' ');
  // A release with no chord begun (the letter went down with Ctrl) types nothing.
  EXPECT_FALSE(c.release(brailleChordBit('f'), BrailleMode::Plain));
  // Space with the dots of c is Ctrl+C.
  EXPECT_EQ(type(c, "fj ", BrailleMode::Plain), "\x03");
  // Mode 1 knows no signs: the number sign is typed.
  EXPECT_EQ(type(c, "sjkl|f|s", BrailleMode::Plain), "#a'");
}

TEST(BrailleChord, ModeTwoNumberSign) {
  BrailleChord c;
  EXPECT_EQ(type(c, "sjkl|f|fd|fj", BrailleMode::Signs), "123");
  EXPECT_TRUE(c.numberMode());
  EXPECT_EQ(type(c, "djk|f", BrailleMode::Signs), "01");  // j is 0
  // The tilde ends number mode and is typed.
  EXPECT_EQ(type(c, "k|f", BrailleMode::Signs), "~a");
  // A space chord ends number mode too.
  EXPECT_EQ(type(c, "sjkl|f| |f", BrailleMode::Signs), "1 a");
  // So does any other key's release.
  type(c, "sjkl", BrailleMode::Signs);
  c.interrupt();
  EXPECT_EQ(type(c, "f", BrailleMode::Signs), "a");
}

TEST(BrailleChord, ModeTwoCapitalSigns) {
  BrailleChord c;
  // One capital sign: the next letter only.
  EXPECT_EQ(type(c, "jl|f|f", BrailleMode::Signs), "Aa");
  // Two in a row: the whole word, until a space chord.
  EXPECT_EQ(type(c, "jl|jl|f|fd| |f", BrailleMode::Signs), "AB a");
  // Any other character ends the single-letter capital.
  EXPECT_EQ(type(c, "jl|d|f", BrailleMode::Signs), ",a");
  // Accented letters go upper case too: ç.
  EXPECT_EQ(type(c, "jl|fdsjl", BrailleMode::Signs), "\xC7");
}

TEST(BrailleChord, ModeTwoPunctuation) {
  BrailleChord c;
  EXPECT_EQ(type(c, "s", BrailleMode::Signs), ".");      // apostrophe becomes a full stop
  EXPECT_EQ(type(c, "fkl", BrailleMode::Signs), "@");    // û becomes @
  EXPECT_EQ(type(c, "fkl", BrailleMode::Plain), "\xFB");
}

TEST(BrailleChord, ResetForgetsAHalfTypedChord) {
  BrailleChord c;
  c.press(brailleChordBit('f'));
  c.reset();
  c.press(brailleChordBit('d'));
  EXPECT_EQ(c.release(brailleChordBit('d'), BrailleMode::Plain), ',');
}

}  // namespace
