#include "platform/frontends/headless.h"

#include <gtest/gtest.h>

namespace {

std::u32string queued(const std::string& script) {
  std::vector<KeyCodes> keys;
  std::string error;
  EXPECT_TRUE(parseKeyScript(script, keys, error)) << error;
  std::u32string all;
  for (const KeyCodes& k : keys) all += k.codes + U"|";
  return all;
}

std::string errorOf(const std::string& script) {
  std::vector<KeyCodes> keys;
  std::string error;
  EXPECT_FALSE(parseKeyScript(script, keys, error));
  return error;
}

}  // namespace

TEST(KeyScript, CharactersNamesAndModifiers) {
  using namespace std::string_literals;
  EXPECT_EQ(queued("aç\n<Enter><lt>\r\n<ctrl+v><Ctrl+Enter>\t"), U"a|ç|\r|<|\x16|\n|\t|"s);
  EXPECT_EQ(queued("<F1><Ctrl+F5><Ctrl+Up><Shift+Ins><BS><Del>"),
            U"\0;|\0b|\0q|\0\xfe|\b|\0S|"s);
  EXPECT_EQ(queued("€<Space>>"), U"€| |>|");
  EXPECT_EQ(queued("\xef\xbb\xbfok"), U"o|k|");  // a byte-order mark types nothing
  // Every character is a key, also those no single-byte code page has.
  EXPECT_EQ(queued("∞<Shift+π>"), U"∞|Π|");
  // A file that is not UTF-8 as a whole is Windows-1252 throughout.
  EXPECT_EQ(queued("\xe7\xc3\xa7"), U"ç|Ã|§|");
}

// The platform gives the line, the column and the text; the catalogue, which this test
// does not link, puts them in a sentence.
TEST(KeyScript, MalformedNamesGiveTheirPosition) {
  EXPECT_EQ(errorOf("ab\nc<Foo>"), "2 2 <Foo>");
  EXPECT_EQ(errorOf("<Enter").substr(0, 4), "1 1 ");
  EXPECT_EQ(errorOf("x<>").substr(0, 4), "1 2 ");
  EXPECT_EQ(errorOf("<Ctrl+>").substr(0, 4), "1 1 ");
  EXPECT_EQ(errorOf("∞<Ctrl+∞x>"), "1 2 <Ctrl+∞x>");
}
