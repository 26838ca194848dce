// Stepping through UTF-8 one character at a time, stray bytes included.
#include "platform/text/utf8.h"

#include <gtest/gtest.h>

TEST(Utf8, EachCharacterIsOneStepAndAStrayByteIsItsWindows1252Character) {
  struct Case {
    std::string text;
    std::u32string characters;
  };
  const Case cases[] = {
      {"", U""},
      {"aπ€😀", U"aπ€😀"},
      {"p\xe3o", U"pão"},                    // a Windows-1252 byte
      {"\x80\xc3", U"€Ã"},                   // a lone lead byte at the end
      {"\xe2\x82x", U"â\u201ax"},            // a sequence cut short
      {"\xc0\xaf\xed\xa0\x80", U"À¯í\u00a0\u20ac"},  // overlong form, surrogate
  };
  for (const Case& c : cases) {
    EXPECT_EQ(toCodePoints(c.text), c.characters) << c.text;
    EXPECT_EQ(characterCount(c.text), c.characters.size()) << c.text;
    EXPECT_EQ(asUtf8(c.text), fromCodePoints(c.characters)) << c.text;
    // Cuts fall between characters.
    for (size_t n = 0; n <= c.characters.size(); ++n) {
      EXPECT_EQ(toCodePoints(firstCharacters(c.text, n)), c.characters.substr(0, n)) << c.text;
    }
  }
  EXPECT_EQ(firstCharacters("área π", 3), "áre");
  EXPECT_EQ(firstCharacters("ab", 5), "ab");
  EXPECT_EQ(utf8Of(0xD800), "\xef\xbf\xbd");  // no character: the replacement character
}
