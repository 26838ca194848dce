#include "platform/frontends/headless.h"

#include <gtest/gtest.h>

namespace {

std::string queued(const std::string& script) {
  std::vector<KeyCodes> keys;
  std::string error;
  EXPECT_TRUE(parseKeyScript(script, keys, error)) << error;
  std::string all;
  for (const KeyCodes& k : keys) all += k.bytes + "|";
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
  EXPECT_EQ(queued("aç\n<Enter><lt>\r\n<ctrl+v><Ctrl+Enter>\t"), "a|\xe7|\r|<|\x16|\n|\t|"s);
  EXPECT_EQ(queued("<F1><Ctrl+F5><Ctrl+Up><Shift+Ins><BS><Del>"),
            "\0;|\0b|\0q|\0\xfe|\b|\0S|"s);
  EXPECT_EQ(queued("€<Space>>"), "\x80| |>|");
  EXPECT_EQ(queued("\xef\xbb\xbfok"), "o|k|");  // a byte-order mark types nothing
}

TEST(KeyScript, MalformedNamesGiveTheirPosition) {
  EXPECT_EQ(errorOf("ab\nc<Foo>"), "linha 2, coluna 2: nome de tecla inválido: <Foo>");
  EXPECT_NE(errorOf("<Enter").find("linha 1, coluna 1"), std::string::npos);
  EXPECT_NE(errorOf("x<>").find("coluna 2"), std::string::npos);
  EXPECT_NE(errorOf("<Ctrl+>").find("coluna 1"), std::string::npos);
  EXPECT_NE(errorOf("∞").find("coluna 1"), std::string::npos);
}
