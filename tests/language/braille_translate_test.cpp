#include "language/braille_translate.h"

#include <gtest/gtest.h>

#include <string>

#include "language/braille_cells.h"

namespace {

// Dot numbers of each cell of a Braille text, as "46 1 14" ("0" for the blank cell).
std::string dots(const std::string& braille) {
  std::string out;
  for (const char b : braille) {
    const unsigned char cell = brailleCellOf(static_cast<unsigned char>(b));
    if (!out.empty()) out += ' ';
    if (cell == 0) out += '0';
    for (int d = 0; d < 6; ++d)
      if (cell & (1 << d)) out += static_cast<char>('1' + d);
  }
  return out;
}

std::string cellsOf(const std::string& text) { return dots(textToBraille(text)); }

TEST(BrailleCells, EveryByteHasTheCellOfItsRow) {
  // A sample from every kind of row: main characters, other characters, controls.
  EXPECT_EQ(brailleCellOf('a'), 0x01);
  EXPECT_EQ(brailleCellOf('1'), 0x01);
  EXPECT_EQ(brailleCellOf('A'), 0x01);
  EXPECT_EQ(brailleCellOf(0xAA), 0x01);  // ª
  EXPECT_EQ(brailleCellOf(','), 0x02);
  EXPECT_EQ(brailleCellOf('^'), 0x08);   // dot 4, printed as the grave accent
  EXPECT_EQ(brailleDeviceCharacter('^'), '`');
  EXPECT_EQ(brailleCellOf(0x80), 0x08);  // €
  EXPECT_EQ(brailleCellOf('`'), 0x20);   // the grave accent itself is dot 6
  EXPECT_EQ(brailleCellOf(0xEF), 0x3B);  // ï: 1-2-4-5-6, printed as the right brace
  EXPECT_EQ(brailleDeviceCharacter(0xEF), '}');
  EXPECT_EQ(brailleCellOf(0x0F), 0x28);  // the one control character that is not blank
  EXPECT_EQ(brailleCellOf(0x00), 0);
  EXPECT_EQ(brailleCellOf(0x1F), 0);
  EXPECT_EQ(brailleCellOf(0x7F), 0x38);  // delete: 4-5-6
  EXPECT_EQ(brailleCellOf(0xC3), 0x12);  // Ã: 2-5
  EXPECT_EQ(brailleCellOf(0xCD), 0x04);  // Í: 3
  EXPECT_EQ(brailleCellOf(0xE9), 0x3F);  // é: all six dots
  EXPECT_EQ(brailleDeviceCharacter(0xE9), '=');
  EXPECT_EQ(brailleCellOf(0xA0), 0x37);  // no-break blank: 1-2-3-5-6
}

TEST(BrailleCells, MainCharactersRoundTripThroughTheirCells) {
  for (unsigned cell = 0; cell < 64; ++cell) {
    const unsigned char main = brailleMainCharacter(static_cast<unsigned char>(cell));
    EXPECT_EQ(brailleCellOf(main), cell) << "cell " << cell;
    EXPECT_EQ(brailleDeviceDots(brailleCellDeviceCharacter(static_cast<unsigned char>(cell))), cell);
  }
  EXPECT_EQ(brailleMainCharacter(0x3C), '#');
  EXPECT_EQ(brailleMainCharacter(0x08), '^');
}

TEST(BrailleCells, DeviceCharactersReadAsAsciiBraille) {
  EXPECT_EQ(brailleDeviceDots(' '), 0);
  EXPECT_EQ(brailleDeviceDots('='), 0x3F);
  EXPECT_EQ(brailleDeviceDots('A'), brailleDeviceDots('a'));
  EXPECT_EQ(brailleDeviceDots('@'), 0x08);
  EXPECT_EQ(brailleDeviceDots(']'), 0x3B);
  EXPECT_EQ(brailleDeviceDots(0x10), 0);
  EXPECT_EQ(brailleDeviceDots(0x80), 0);
  for (unsigned b = 0; b < 256; ++b) {
    const unsigned char dev = brailleDeviceCharacter(static_cast<unsigned char>(b));
    EXPECT_TRUE(dev >= 0x20 && dev <= 0x7F) << "byte " << b;
  }
}

TEST(TextToBraille, Capitals) {
  EXPECT_EQ(textToBraille("Casa"), "{casa");
  EXPECT_EQ(textToBraille("BRASIL"), "{{brasil");
  EXPECT_EQ(textToBraille("CDs"), "{{cd~s");
  EXPECT_EQ(textToBraille("\xC1gua"), "{\xE1gua");          // Água
  EXPECT_EQ(textToBraille("S\xC3O"), "{{s\xE3o");           // SÃO: lowered in the run
  EXPECT_EQ(textToBraille("A\xD7" "B"), "{{a\xF7" "b");     // × inside a run is lowered
  EXPECT_EQ(textToBraille("\xD7"), "\xD7");                 // × alone: punctuation
  EXPECT_EQ(textToBraille("\xDF"), "\xAC" "b");             // ß never starts a capital
  EXPECT_EQ(textToBraille("CD2"), "{{cd#2");
}

TEST(TextToBraille, LowerCaseRunsKeepHyphens) {
  EXPECT_EQ(textToBraille("guarda-chuva"), "guarda-chuva");
  EXPECT_EQ(cellsOf("-"), "36");
  EXPECT_EQ(textToBraille("\xE6"), "\xE6");  // æ is a lower-case letter: copied, never "ae"
}

TEST(TextToBraille, Numbers) {
  EXPECT_EQ(cellsOf("12"), "3456 1 12");
  EXPECT_EQ(textToBraille("2,5"), "#2,5");
  EXPECT_EQ(textToBraille("1.000"), "#1.000");
  EXPECT_EQ(textToBraille("3.14"), "#3.#14");
  EXPECT_EQ(textToBraille("12.34"), "#12.#34");
  EXPECT_EQ(textToBraille("123.45"), "#123.45");
  EXPECT_EQ(textToBraille("10$50"), "#10$50");
  EXPECT_EQ(textToBraille("7."), "#7.");       // the point at the end of the text
  EXPECT_EQ(textToBraille("7. "), "#7. ");
  EXPECT_EQ(textToBraille("5a"), "#5~a");
  EXPECT_EQ(textToBraille("3cm"), "#3~cm");
  EXPECT_EQ(textToBraille("3km"), "#3km");     // k on are no digit cells: nothing between
  // f to j are the cells of the digits 6 to 0: without cell 5, "5f" would read 56.
  EXPECT_EQ(textToBraille("5f"), "#5~f");
  EXPECT_EQ(textToBraille("2j"), "#2~j");
  EXPECT_EQ(cellsOf("1,5h"), "3456 1 2 15 5 125");
  EXPECT_EQ(textToBraille("4ia"), "#4~ia");
  EXPECT_EQ(textToBraille("2 e 3"), "#2 e #3");
  EXPECT_EQ(textToBraille("x=2"), "x=#2");
}

TEST(TextToBraille, Ordinals) {
  EXPECT_EQ(cellsOf("1\xBA"), "3456 2 135");   // 1º
  EXPECT_EQ(cellsOf("1o."), "3456 2 135");
  EXPECT_EQ(cellsOf("2as."), "3456 23 1 234");
  EXPECT_EQ(textToBraille("10\xAA"), "#,}a");  // 10ª
  EXPECT_EQ(textToBraille("3os. lugares"), "#:os lugares");
  EXPECT_EQ(textToBraille("2as"), "#2~as");    // the three-character form needs its point
  EXPECT_EQ(textToBraille("5a."), "#?a");
}

TEST(TextToBraille, Brackets) {
  EXPECT_EQ(textToBraille("(2+3)"), "\xEA#2+#3\xE3");
  EXPECT_EQ(cellsOf("(2+3)"), "126 3456 12 235 3456 14 345");
  EXPECT_EQ(cellsOf("(ver 2)"), "126 3 1236 15 1235 0 3456 12 6 345");
  EXPECT_EQ(textToBraille("[1]"), "\xE1#1\xFA");
  EXPECT_EQ(textToBraille("(2 casas"), "(.#2 casas");  // never closed: text bracket
  EXPECT_EQ(textToBraille("(1)(2)"), "\xEA#1\xE3\xEA#2\xE3");
  EXPECT_EQ(textToBraille("f(x)"), "f(.x\\)");
  EXPECT_EQ(textToBraille("x]"), "x\\]");
  EXPECT_EQ(textToBraille(")"), "\\)");
}

TEST(TextToBraille, GraveAccentFractionsAndSymbols) {
  EXPECT_EQ(cellsOf("`3/4"), "3456 25 145");
  EXPECT_EQ(textToBraille("`12"), "#,;");
  EXPECT_EQ(textToBraille("`1/"), "#,");
  EXPECT_EQ(textToBraille("`x"), "\xD7");
  EXPECT_EQ(textToBraille("`:"), "\xF7");
  EXPECT_EQ(textToBraille("`e"), "\x80" "e");
  EXPECT_EQ(textToBraille("`%"), "_}}");
  EXPECT_EQ(textToBraille("`{"), "~l");
  EXPECT_EQ(textToBraille("``"), "");
  EXPECT_EQ(textToBraille("a`"), "a`");   // at the end: punctuation, itself (dot 6)
  EXPECT_EQ(textToBraille("`z"), "`z");
}

TEST(TextToBraille, Punctuation) {
  EXPECT_EQ(textToBraille("sim?"), "sim?");
  EXPECT_EQ(textToBraille("50%"), "#50_}");
  EXPECT_EQ(textToBraille("e/ou"), "e\\,ou");
  EXPECT_EQ(textToBraille("\x93oi\x94"), "\"oi\"");
  EXPECT_EQ(textToBraille("\x85"), "...");
  EXPECT_EQ(textToBraille("\x80"), "\x80" "e");
  EXPECT_EQ(textToBraille("m\xB2"), "m\xE5#b");
  EXPECT_EQ(textToBraille("\xBD"), "#,b");
  EXPECT_EQ(textToBraille("\xA7"), "ss");
  EXPECT_EQ(textToBraille("\xAB" "a\xBB"), "\\\"a\\\"");
  EXPECT_EQ(textToBraille("a\\b"), "a~.b");
  EXPECT_EQ(textToBraille("a_b#"), "a_b#");
  EXPECT_EQ(cellsOf("@&"), "156 12346");
}

TEST(TextToBraille, LeadingBlanks) {
  EXPECT_EQ(textToBraille(" "), " ");
  EXPECT_EQ(textToBraille(" a"), "a");
  EXPECT_EQ(textToBraille("  a"), "  a");
  EXPECT_EQ(textToBraille(""), "");
}

TEST(TextToBraille, ManyUnclosedBracketsStayLinear) {
  // Every "(" followed by a digit searches for its closing bracket; the search must not
  // start again from each bracket, or this would take minutes.
  std::string text;
  for (int i = 0; i < 200000; ++i) text += "(1";
  const std::string braille = textToBraille(text);
  EXPECT_EQ(braille.substr(0, 6), "(.#1(.");
  EXPECT_EQ(braille.size(), 200000u * 4);
}

}  // namespace
