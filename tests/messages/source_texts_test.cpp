// No user-facing text outside the catalogue: a string literal of the sources that holds
// a letter outside ASCII or a common Portuguese word is refused, with a short list of
// literals that are not said to the user as they stand.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Literal {
  int line;
  std::string bytes;  // with its escapes read
};

// The byte an escape after a backslash at `at` stands for; `at` ends on its last character.
char escaped(const std::string& s, size_t& at) {
  const char c = s[++at];
  if (c == 'x') {
    unsigned value = 0;
    while (at + 1 < s.size() && std::isxdigit(static_cast<unsigned char>(s[at + 1])))
      value = value * 16 + static_cast<unsigned>(std::stoi(std::string(1, s[++at]), nullptr, 16));
    return static_cast<char>(value);
  }
  if (c >= '0' && c <= '7') {
    unsigned value = static_cast<unsigned>(c - '0');
    for (int n = 0; n < 2 && at + 1 < s.size() && s[at + 1] >= '0' && s[at + 1] <= '7'; ++n)
      value = value * 8 + static_cast<unsigned>(s[++at] - '0');
    return static_cast<char>(value);
  }
  return c == 'n' ? '\n' : c == 't' ? '\t' : c;
}

// The string literals of a C++ source, comments and character literals passed over.
// Adjacent literals are one text, as the compiler joins them.
std::vector<Literal> literalsOf(const std::string& s) {
  std::vector<Literal> found;
  int line = 1;
  bool joinNext = false;
  for (size_t at = 0; at < s.size(); ++at) {
    const char c = s[at];
    if (c == '\n') ++line;
    if (c == '/' && at + 1 < s.size() && s[at + 1] == '/') {
      at = s.find('\n', at) - 1;
      continue;  // a comment joins literals as a blank does
    } else if (c == '/' && at + 1 < s.size() && s[at + 1] == '*') {
      const size_t end = s.find("*/", at + 2);
      line += static_cast<int>(std::count(s.begin() + static_cast<long>(at), s.begin() + static_cast<long>(end), '\n'));
      at = end + 1;
      continue;
    } else if (c == '\'' && !(at > 0 && std::isxdigit(static_cast<unsigned char>(s[at - 1])))) {
      for (++at; s[at] != '\''; ++at)
        if (s[at] == '\\') ++at;
    } else if (c == '"') {
      if (!joinNext) found.push_back({line, {}});
      for (++at; s[at] != '"'; ++at) found.back().bytes += s[at] == '\\' ? escaped(s, at) : s[at];
      joinNext = true;
      continue;
    }
    if (!std::isspace(static_cast<unsigned char>(c)) && c != '"') joinNext = false;
  }
  return found;
}

// A literal of capitals alone is a name (a Tramel.ini key, a catalogue key), not a sentence;
// nor is an option of the command line or a header's path.
bool userFacing(const std::string& text) {
  if (text.starts_with("--") || text.ends_with(".h")) return false;
  if (std::all_of(text.begin(), text.end(), [](char c) { return std::isupper(static_cast<unsigned char>(c)) || c == '_'; }))
    return false;
  static const std::regex words(
      "\\b(nao|de|do|da|dos|das|para|com|um|uma|arquivo|linha|linhas|erro|foi|sem|ou|na|no|em|ao|que|pasta|"
      "desenho|pagina|impressora|tecla|falta|comando|valor|bloco|celas|tela|papel|aperte|fonte|terminal|coluna)\\b",
      std::regex::icase);
  const bool nonAscii = std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
  return nonAscii || std::regex_search(text, words);
}

// Literals that are not said to the user as they stand: the Braille tables, the values
// and names that files store, the command language's own words.
struct Allowed {
  const char* file;  // a path below src/, or a folder ending in "/"
  const char* text;  // the literal as read, or null for every literal of the file
};
const Allowed kAllowed[] = {
    // The Braille tables and the characters they translate.
    {"language/braille_cells.cpp", nullptr},
    {"language/braille_translate.cpp", nullptr},
    // The names of the Braille codes and of liblouis's tables, which projects store.
    {"language/braille_code.h", nullptr},
    // The byte order mark files may start with.
    {"platform/text/text_file.cpp", "\xef\xbb\xbf"},
    {"platform/frontends/headless_keys.cpp", "\xef\xbb\xbf"},
    {"language/datafile.cpp", "\xef\xbb\xbf"},
    // The embosser pages and modes as Tramel.ini stores them.
    {"output/embosser/embosser_pages.h", "Padrão"},
    {"output/embosser/embosser_pages.cpp", "Ofício"},
    {"output/embosser/embosser_pages.cpp", "gráfico"},
    // The values of --ui and the yes/no word Tramel.ini keeps, whatever the language.
    {"shell/command_line.cpp", "terminal"},
    {"shell/settings.cpp", "Não"},
    // The name a project gets when none is given, which the users know and the reference names.
    {"project/project.cpp", "desenho.pxg"},
    // The interval of EQ, in the command language: "para x de A a B".
    {"language/equation.cpp", "para"},
    {"language/equation.cpp", "de"},
    // The captions of the fixed test drawing, part of the picture the tests compare dot by dot.
    {"render/test_drawing.cpp", nullptr},
    // The PDF page's drawing operators.
    {"output/ink/ink_pdf.cpp", nullptr},
    // Not yet moved to the catalogue: errors in UTF-8 that the program's entry writes as
    // they are, which move once the texts inside the program are UTF-8 too.
    {"platform/frontends/headless_keys.cpp", nullptr},
    {"platform/frontends/terminal.cpp", nullptr},
    {"platform/frontends/window.cpp", nullptr},
    {"platform/frontends/window_font.cpp", nullptr},
};

bool allowed(const std::string& file, const std::string& text) {
  return std::any_of(std::begin(kAllowed), std::end(kAllowed), [&](const Allowed& a) {
    const std::string_view place = a.file;
    const bool inPlace = place.ends_with('/') ? file.starts_with(place) : file == place;
    return inPlace && (a.text == nullptr || text == a.text);
  });
}

TEST(SourceTexts, EveryUserFacingTextIsInTheCatalogue) {
  const fs::path src = fs::path(PONTELIX_SOURCE_DIR) / "src";
  int seen = 0;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(src)) {
    const fs::path& path = entry.path();
    if (path.extension() != ".cpp" && path.extension() != ".h") continue;
    const std::string file = fs::relative(path, src).generic_string();
    if (file.starts_with("messages/catalogue")) continue;
    std::ifstream in(path, std::ios::binary);
    const std::string source{std::istreambuf_iterator<char>(in), {}};
    for (const Literal& literal : literalsOf(source)) {
      ++seen;
      if (userFacing(literal.bytes) && !allowed(file, literal.bytes))
        ADD_FAILURE() << "src/" << file << ":" << literal.line << ": \"" << literal.bytes << "\"";
    }
  }
  EXPECT_GT(seen, 1000);  // the sources were found and read
}

TEST(SourceTexts, TheScanFindsPortugueseTextsAndPassesOverCode) {
  const std::string source =
      "// \"não\" in a comment\nconst char* a = \"O desenho\" /* \"de\" */ \" tem\";\nchar q = '\"';\n"
      "auto b = \"n\\xe3o\";\nauto c = \"%s: %d\\n\";\nint d = 0x1'000;\n";
  const std::vector<Literal> found = literalsOf(source);
  ASSERT_EQ(found.size(), 3u);
  EXPECT_EQ(found[0].bytes, "O desenho tem");
  EXPECT_EQ(found[1].line, 4);
  EXPECT_TRUE(userFacing(found[0].bytes));
  EXPECT_TRUE(userFacing(found[1].bytes));
  EXPECT_FALSE(userFacing(found[2].bytes));
}

}  // namespace
