#include "platform/text/text.h"

#include <gtest/gtest.h>

#include "platform/text/in_language.h"

TEST(Text, Cp1252RoundTripsEveryByte) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  const std::string utf8 = cp1252ToUtf8(all);
  EXPECT_TRUE(isValidUtf8(utf8));
  EXPECT_EQ(utf8ToCp1252(utf8), all);
}

TEST(Text, PortugueseLettersAndEuro) {
  EXPECT_EQ(cp1252ToUtf8("Op\xe7\xe3o inv\xe1lida \x80"), "Opção inválida €");
  EXPECT_EQ(utf8ToCp1252("Equação — ok"), "Equa\xe7\xe3o \x97 ok");
}

TEST(Text, OutsideTheCodePageAndMalformedBecomeReplacement) {
  EXPECT_EQ(utf8ToCp1252("a\xe2\x88\x9e b"), "a? b");      // infinity sign
  EXPECT_EQ(utf8ToCp1252("x\xc3"), "x?");                   // truncated sequence
  EXPECT_EQ(utf8ToCp1252("\xc0\xaf"), "??");                // overlong form
  EXPECT_FALSE(isValidUtf8("\xed\xa0\x80"));                // surrogate
  EXPECT_TRUE(isValidUtf8("plain"));
}

TEST(Text, ToUpperTextTouchesLettersOnly) {
  EXPECT_EQ(toUpperText("casa ção 12,5; ÷×"), "CASA ÇÃO 12,5; ÷×");
  EXPECT_EQ(toUpperText("ÿàœšžŵĺňźıπωжß"), "ŸÀŒŠŽŴĹŇŹıΠΩЖß");
  // A stray Windows-1252 byte is taken as its character.
  EXPECT_EQ(toUpperText("p\xe3o"), "PÃO");
}

TEST(Text, NumbersForTheUserTakeTheLanguagesDecimalMarkAndFilesADot) {
  const struct {
    Language language;
    double value;
    int decimals;
    const char* said;
  } cases[] = {
      {Language::Portuguese, 2.5, 1, "2,5"},  {Language::English, 2.5, 1, "2.5"},
      {Language::Portuguese, -0.126, 2, "-0,13"}, {Language::English, -0.126, 2, "-0.13"},
      {Language::English, 3.0, 4, "3"},
  };
  for (const auto& c : cases) {
    const InLanguage language(c.language);
    EXPECT_EQ(decimalText(c.value, c.decimals), c.said) << c.value;
    EXPECT_EQ(dotDecimal(2.5, 1), "2.5");
  }
}
