// Every text the program writes or speaks is typed into the sources as escapes or
// UTF-8, and every user-facing one stands in the catalogue. A hex escape runs on over
// every hex digit after it, so "in\xedcio" is one out-of-range escape that eats the "c":
// the user hears a letter that no Portuguese word holds. These checks read the sources
// as the compiler does and refuse such escapes anywhere, any character outside the
// catalogue's alphabet in the program's own texts, and user-facing texts outside it.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "platform/text/text.h"

namespace {

namespace fs = std::filesystem;

// One string to the compiler: literals separated only by blanks, each piece as written
// (escapes undecoded). An escape ends at the end of its piece.
struct Literal {
  int line;
  std::vector<std::string> pieces;
};

bool isHex(char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; }
bool isWordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_'; }

// The string literals of a C++ source, outside comments and character literals. A "'"
// after a letter or digit is a digit separator (1'000), not a character literal.
std::vector<Literal> stringLiterals(const std::string& src) {
  std::vector<Literal> found;
  int line = 1;
  size_t lastEnd = std::string::npos;  // where the previous literal ended
  for (size_t i = 0; i < src.size(); ++i) {
    const char c = src[i];
    if (c == '\n') {
      ++line;
    } else if (src.compare(i, 2, "//") == 0) {
      while (i < src.size() && src[i] != '\n') ++i;
      --i;
    } else if (src.compare(i, 2, "/*") == 0) {
      const size_t end = src.find("*/", i + 2);
      for (size_t j = i; j < end && j < src.size(); ++j) line += src[j] == '\n';
      i = end == std::string::npos ? src.size() : end + 1;
    } else if (c == '\'' && (i == 0 || !isWordChar(src[i - 1]))) {
      for (++i; i < src.size() && src[i] != '\''; ++i) i += src[i] == '\\';
    } else if (c == '"') {
      const size_t open = i;
      std::string body;
      for (++i; i < src.size() && src[i] != '"'; ++i) {
        if (src[i] == '\\') body += src[i++];
        body += src[i];
      }
      // Literals separated only by blanks are one string to the compiler.
      const bool joined = lastEnd != std::string::npos && src.find_first_not_of(" \t\r\n", lastEnd) == open;
      if (joined && !found.empty()) {
        found.back().pieces.push_back(body);
      } else {
        found.push_back({line, {body}});
      }
      lastEnd = i + 1;
    }
  }
  return found;
}

// Hex escapes with more than two digits: each is one character to the compiler.
std::vector<std::string> overlongEscapes(const std::string& body) {
  std::vector<std::string> bad;
  for (size_t i = 0; i + 1 < body.size(); ++i) {
    if (body[i] != '\\') continue;
    if (body[i + 1] == 'x') {
      size_t end = i + 2;
      while (end < body.size() && isHex(body[end])) ++end;
      if (end - i - 2 > 2) bad.push_back(body.substr(i, end - i));
    }
    ++i;
  }
  return bad;
}

// The bytes the compiler makes of one piece (hex, octal and simple escapes).
std::string decodePiece(const std::string& body) {
  std::string out;
  for (size_t i = 0; i < body.size(); ++i) {
    if (body[i] != '\\' || i + 1 == body.size()) {
      out += body[i];
      continue;
    }
    const char e = body[++i];
    if (e == 'x') {
      unsigned value = 0;
      while (i + 1 < body.size() && isHex(body[i + 1])) value = value * 16 + std::stoi(std::string(1, body[++i]), nullptr, 16);
      out += static_cast<char>(value & 0xFF);
    } else if (e >= '0' && e <= '7') {
      unsigned value = static_cast<unsigned>(e - '0');
      for (int n = 1; n < 3 && i + 1 < body.size() && body[i + 1] >= '0' && body[i + 1] <= '7'; ++n)
        value = value * 8 + static_cast<unsigned>(body[++i] - '0');
      out += static_cast<char>(value & 0xFF);
    } else {
      static const std::string from = "ntr0abfv", to = "\n\t\r\0\a\b\f\v";
      const size_t k = from.find(e);
      out += k == std::string::npos ? e : to[k];
    }
  }
  return out;
}

std::string decode(const Literal& literal) {
  std::string bytes;
  for (const std::string& piece : literal.pieces) bytes += decodePiece(piece);
  return bytes;
}

// A literal's characters as UTF-8: it is either UTF-8 already (the command line's
// texts) or Windows-1252 (the catalogue and everything said through the console).
std::string asUtf8(const std::string& bytes) { return isValidUtf8(bytes) ? bytes : cp1252ToUtf8(bytes); }

// The non-ASCII characters of a UTF-8 text, one string each.
std::set<std::string> wideCharacters(const std::string& utf8) {
  std::set<std::string> chars;
  for (size_t i = 0; i < utf8.size();) {
    const unsigned char lead = static_cast<unsigned char>(utf8[i]);
    const size_t n = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    if (n > 1) chars.insert(utf8.substr(i, n));
    i += n;
  }
  return chars;
}

// The accented letters of Brazilian Portuguese as written today (no diaeresis): the
// alphabet the catalogue writes in, and so the only one a message of the program may
// use. The swallowed "c" of "in\xedcio" turned "í" into "Ü", which this refuses.
const std::set<std::string>& portugueseLetters() {
  static const std::set<std::string> letters = wideCharacters("áàâãéêíóôõúç" "ÁÀÂÃÉÊÍÓÔÕÚÇ");
  return letters;
}

std::vector<fs::path> sourcesUnder(const std::string& folder) {
  std::vector<fs::path> files;
  for (const auto& entry : fs::recursive_directory_iterator(std::string(PONTELIX_SOURCE_DIR) + "/" + folder)) {
    const std::string ext = entry.path().extension().string();
    if (entry.is_regular_file() && (ext == ".cpp" || ext == ".h")) files.push_back(entry.path());
  }
  return files;
}

std::string readSource(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
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
    // The Greek letter that EQ reads as pi, and the interval of EQ, in the command
    // language: "para x de A a B".
    {"language/expression_text.cpp", "π"},
    {"language/equation.cpp", "para"},
    {"language/equation.cpp", "de"},
    // The captions of the fixed test drawing, part of the picture the tests compare dot by dot.
    {"render/test_drawing.cpp", nullptr},
    // The PDF page's drawing operators.
    {"output/ink/ink_pdf.cpp", nullptr},
};

bool allowed(const std::string& file, const std::string& text) {
  return std::any_of(std::begin(kAllowed), std::end(kAllowed), [&](const Allowed& a) {
    const std::string_view place = a.file;
    const bool inPlace = place.ends_with('/') ? file.starts_with(place) : file == place;
    return inPlace && (a.text == nullptr || text == a.text);
  });
}

}  // namespace

TEST(SourceText, TheLexerFindsTheEscapeThatSwallowsALetter) {
  const auto literals = stringLiterals("// \"no\\xedc\"\nint n = 1'000; char c = '\"';\nauto s = \"in\\xedcio\" \"x\";\n");
  ASSERT_EQ(literals.size(), 1u);
  EXPECT_EQ(literals[0].line, 3);
  EXPECT_EQ(literals[0].pieces, (std::vector<std::string>{"in\\xedcio", "x"}));
  EXPECT_EQ(overlongEscapes(literals[0].pieces[0]), std::vector<std::string>{"\\xedc"});
  EXPECT_EQ(asUtf8(decode(literals[0])), "inÜiox");
  const auto mended = stringLiterals("auto s = \"in\\xed\" \"cio\"; auto u = \"s\\xc3\\xb3\";");
  ASSERT_EQ(mended.size(), 2u);
  EXPECT_TRUE(overlongEscapes(mended[0].pieces[0]).empty());
  EXPECT_EQ(asUtf8(decode(mended[0])), "início");
  EXPECT_EQ(asUtf8(decode(mended[1])), "só");
}

TEST(SourceText, NoHexEscapeRunsIntoTheLettersAfterIt) {
  for (const char* folder : {"src", "tests", "bench"}) {
    if (!fs::exists(std::string(PONTELIX_SOURCE_DIR) + "/" + folder)) continue;
    for (const fs::path& file : sourcesUnder(folder)) {
      for (const Literal& literal : stringLiterals(readSource(file))) {
        for (const std::string& piece : literal.pieces)
          for (const std::string& escape : overlongEscapes(piece))
            ADD_FAILURE() << file.string() << ":" << literal.line << ": " << escape
                        << " is one character; close the literal after two hex digits";
      }
    }
  }
}

TEST(SourceText, TheProgramsTextsHoldOnlyTheCataloguesAlphabet) {
  // The Braille tables name every character of the code page on purpose, and EQ reads
  // the Greek letter pi.
  const std::set<std::string> tables = {"braille_cells.cpp", "braille_translate.cpp", "expression_text.cpp"};
  const std::string byteOrderMark = "\xEF\xBB\xBF";
  for (const fs::path& file : sourcesUnder("src")) {
    if (tables.count(file.filename().string())) continue;
    for (const Literal& literal : stringLiterals(readSource(file))) {
      const std::string text = decode(literal);
      if (text == byteOrderMark) continue;
      for (const std::string& c : wideCharacters(asUtf8(text))) {
        EXPECT_TRUE(portugueseLetters().count(c))
            << file.string() << ":" << literal.line << ": \"" << c << "\" in \"" << asUtf8(text) << "\"";
      }
    }
  }
}

// No user-facing text outside the catalogue: a literal with a letter outside ASCII or a
// common Portuguese word is refused, but for the short list above.
TEST(SourceText, EveryUserFacingTextIsInTheCatalogue) {
  const fs::path src = fs::path(PONTELIX_SOURCE_DIR) / "src";
  int seen = 0;
  for (const fs::path& path : sourcesUnder("src")) {
    const std::string file = fs::relative(path, src).generic_string();
    if (file.starts_with("messages/catalogue")) continue;
    for (const Literal& literal : stringLiterals(readSource(path))) {
      ++seen;
      const std::string text = decode(literal);
      if (userFacing(text) && !allowed(file, text)) ADD_FAILURE() << "src/" << file << ":" << literal.line << ": \"" << text << "\"";
    }
  }
  EXPECT_GT(seen, 1000);  // the sources were found and read
  EXPECT_TRUE(userFacing("O desenho tem"));
  EXPECT_TRUE(userFacing("n\xc3\xa3o"));
  EXPECT_FALSE(userFacing("%s: %d\n"));
}
