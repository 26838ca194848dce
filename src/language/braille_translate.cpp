#include "language/braille_translate.h"

#include <array>
#include <cstring>
#include <string_view>

#include "platform/text/text.h"

namespace {

using namespace std::string_view_literals;

// Alphabet bytes of the cells that the rules name by their look.
constexpr char kCapitalSign = '{';       // 4-6
constexpr char kNumberSign = '#';        // 3-4-5-6
constexpr char kLetterSign = '~';        // 5: a letter after a number or a capital run
constexpr char kOpenNumberParen = '\xEA';    // 1-2-6
constexpr char kCloseNumberParen = '\xE3';   // 3-4-5
constexpr char kOpenNumberSquare = '\xE1';   // 1-2-3-5-6
constexpr char kCloseNumberSquare = '\xFA';  // 2-3-4-5-6

constexpr bool isLowerLetter(unsigned char c) { return (c >= 'a' && c <= 'z') || c >= 0xE0; }
constexpr bool isUpperLetter(unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDF); }
constexpr bool isDigit(unsigned char c) { return c >= '0' && c <= '9'; }

char lowered(unsigned char c) {
  if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDF)) return static_cast<char>(c + 0x20);
  return static_cast<char>(c);
}

// The digits written in the lower cells (ordinals, fraction numerators), indexed by value.
constexpr std::string_view kLowerDigits = "},;:/?!=\"*"sv;

// What a symbol after the grave accent becomes; null when the character is no symbol.
const char* symbolAfterGrave(unsigned char c) {
  switch (c) {
    case '"': return "\xFC\xFC";
    case '%': return "_}}";
    case '\'': return "\xFC";
    case '(': return "\xEA";
    case ')': return "\xE3";
    case '*': case 'X': case 'x': return "\xD7";
    case '+': return "+";
    case '-': return "-";
    case '.': return ".";
    case '/': case ':': return "\xF7";
    case '=': return "=";
    case 'E': case 'e': return "\x80" "e";
    case 'O': case 'o': return "\xB0";
    case '[': return "\xE1";
    case ']': return "\xFA";
    case '^': return "\xE5";
    case '_': case 0xF7: return "~\xF7";
    case '{': return "~l";
    case '}': return "_,";
    case '`': return "";
    default: return nullptr;
  }
}

// The punctuation rule for one character other than the brackets, which also move the
// bracket flag. Empty for the characters that stand for themselves.
constexpr std::string_view punctuation(unsigned char c) {
  switch (c) {
    case '%': return "_}"sv;
    case '/': return "\\,"sv;
    case '[': return "[."sv;
    case '\\': return "~."sv;
    case ']': return "\\]"sv;
    case 0x80: return "\x80" "e"sv;
    case 0x85: return "..."sv;
    case 0x89: return "_}}"sv;
    case 0x91: case 0x92: return "$\""sv;
    case 0x95: return "\xF5o"sv;
    case 0x96: case 0x97: case 0xAD: return "--"sv;
    case 0x9C: return "oe"sv;
    case 0xA7: return "ss"sv;
    case 0xAB: case 0xBB: return "\\\""sv;
    case 0xB2: return "\xE5#b"sv;
    case 0xB3: return "\xE5#c"sv;
    case 0xB9: return "\xE5#a"sv;
    case 0xBC: return "#,d"sv;
    case 0xBD: return "#,b"sv;
    case 0xBE: return "#:d"sv;
    case 0xDF: return "\xAC" "b"sv;
    case 0xE6: return "ae"sv;
    default: return {};
  }
}

// The characters that every rule leaves as they are, whatever stands around them: the
// lower-case letters and the hyphen of a word, and whatever falls through to the
// punctuation rule with no cells of its own (the blank, comma, colon...). No rule looks
// back at them, so a run of them is copied whole: most of any text.
constexpr bool standsForItself(unsigned char c) {
  if (isLowerLetter(c) || c == '-') return true;
  if (isUpperLetter(c) && c != 0xD7 && c != 0xDF) return false;
  if (isDigit(c)) return false;
  switch (c) {
    case '(': case ')': case '[': case ']': case '`': case '.': case '"': case 0x93: case 0x94:
      return false;
    default:
      return punctuation(c).empty();
  }
}

constexpr auto kStandsForItself = [] {
  std::array<bool, 256> verbatim{};
  for (int c = 0; c < 256; ++c) verbatim[c] = standsForItself(static_cast<unsigned char>(c));
  return verbatim;
}();

// The cells of a translation as they are written. The rules add one byte or a few at a
// time, over whole files with the braille command, and std::string's own append is a
// call into the library each time; here it is a store and a test.
class CellWriter {
 public:
  explicit CellWriter(size_t expected)
      : cells_(expected + kSlack, '\0'), to_(cells_.data()), end_(cells_.data() + cells_.size()) {}
  void operator+=(char cell) {
    if (to_ == end_) grow();
    *to_++ = cell;
  }
  void operator+=(std::string_view cells) {
    while (static_cast<size_t>(end_ - to_) < cells.size()) grow();
    std::memcpy(to_, cells.data(), cells.size());
    to_ += cells.size();
  }
  std::string take() {
    cells_.resize(static_cast<size_t>(to_ - cells_.data()));
    return std::move(cells_);
  }

 private:
  static constexpr size_t kSlack = 16;
  [[gnu::noinline]] void grow() {
    const size_t used = static_cast<size_t>(to_ - cells_.data());
    cells_.resize(cells_.size() * 2);
    to_ = cells_.data() + used;
    end_ = cells_.data() + cells_.size();
  }

  std::string cells_;
  char* to_;
  char* end_;
};

// All state of one translation. The position only moves forward; every rule consumes
// at least one character, so a translation is linear in the length of the text.
struct Translation {
  std::string_view text;
  CellWriter out;
  size_t pos = 0;
  bool bracketOpen = false;
  // Where the last search for ")" (index 0) or "]" (index 1) found it, or the text
  // length when there was none; valid while it lies past the position.
  size_t closeFound[2] = {0, 0};

  unsigned char at(size_t i) const { return static_cast<unsigned char>(text[i]); }
  bool digitAt(size_t i) const { return i < text.size() && isDigit(at(i)); }

  size_t digitsBefore(size_t i) const {
    size_t d = 0;
    while (i > d && isDigit(at(i - d - 1))) ++d;
    return d;
  }
  size_t digitsFrom(size_t i) const {
    size_t d = 0;
    while (digitAt(i + d)) ++d;
    return d;
  }

  size_t nextClose(unsigned char close) {
    size_t& found = closeFound[close == ')' ? 0 : 1];
    if (found <= pos) {
      found = text.find(static_cast<char>(close), pos + 1);
      if (found == std::string_view::npos) found = text.size();
    }
    return found;
  }

  void verbatimRun() {
    size_t end = pos + 1;
    while (end < text.size() && kStandsForItself[at(end)]) ++end;
    out += text.substr(pos, end - pos);
    pos = end;
  }

  void capitals() {
    if (pos + 1 < text.size() && isUpperLetter(at(pos + 1))) {
      out += kCapitalSign;
      out += kCapitalSign;
      while (pos < text.size() && isUpperLetter(at(pos))) out += lowered(at(pos++));
      if (pos < text.size() && isLowerLetter(at(pos))) out += kLetterSign;
    } else {
      out += kCapitalSign;
      out += lowered(at(pos++));
    }
  }

  void lowerDigits(size_t end) {
    for (; pos < end; ++pos) out += kLowerDigits[at(pos) - '0'];
  }

  // An ordinal suffix ("ª", "º", "a.", "o.", "as.", "os.") at p: the letters to write
  // and how many characters it takes; no letters when there is none.
  std::pair<std::string_view, size_t> ordinalSuffix(size_t p) const {
    const size_t left = text.size() - p;
    if (left >= 1 && at(p) == 0xAA) return {"a"sv, 1};
    if (left >= 1 && at(p) == 0xBA) return {"o"sv, 1};
    const bool ao = left >= 2 && (at(p) == 'a' || at(p) == 'o');
    if (ao && at(p + 1) == '.') return {text.substr(p, 1), 2};
    if (ao && left >= 3 && at(p + 1) == 's' && at(p + 2) == '.') return {text.substr(p, 2), 3};
    return {{}, 0};
  }

  void number() {
    out += kNumberSign;
    const size_t runEnd = pos + digitsFrom(pos);
    if (const auto [letters, taken] = ordinalSuffix(runEnd); taken > 0) {
      lowerDigits(runEnd);
      out += letters;
      pos += taken;
      return;
    }
    while (pos < text.size()) {
      const unsigned char c = at(pos);
      if (isDigit(c) || c == ',' || c == '$') {
        out += static_cast<char>(c);
      } else if (c == '.') {
        out += '.';
        // A point between short digit groups starts a second number (3.14); between
        // longer ones it separates thousands (1.000).
        if (digitAt(pos + 1) && digitsBefore(pos) < 3 && digitsFrom(pos + 1) < 3) out += kNumberSign;
      } else if (c >= 'a' && c <= 'j') {
        // a to j share their cells with the digits 1 to 0; cell 5 tells the letter
        // from a further digit. The letter itself is the next rule's.
        out += kLetterSign;
        return;
      } else {
        return;
      }
      ++pos;
    }
  }

  void openingBracket(unsigned char open) {
    const unsigned char close = open == '(' ? ')' : ']';
    const size_t found = nextClose(close);
    if (found < text.size() && found != pos + 1 && isDigit(at(found - 1))) {
      out += open == '(' ? kOpenNumberParen : kOpenNumberSquare;
      ++pos;
      return;
    }
    bracketOpen = true;
    punctuationRule();
  }

  void fraction() {
    out += kNumberSign;
    ++pos;
    lowerDigits(pos + digitsFrom(pos));
    if (pos < text.size() && at(pos) == '/') {
      ++pos;
      for (size_t end = pos + digitsFrom(pos); pos < end; ++pos) out += text[pos];
    }
  }

  void punctuationRule() {
    const unsigned char c = at(pos++);
    if (c == '(') {
      out += "(.";
      bracketOpen = true;
    } else if (c == ')') {
      out += "\\)";
      bracketOpen = false;
    } else if (const std::string_view cells = punctuation(c); !cells.empty()) {
      out += cells;
    } else {
      out += static_cast<char>(c);
    }
  }

  void step() {
    const unsigned char c = at(pos);
    const bool hasNext = pos + 1 < text.size();
    if (kStandsForItself[c]) {
      verbatimRun();
    } else if (isUpperLetter(c) && c != 0xD7 && c != 0xDF) {
      capitals();
    } else if (isDigit(c)) {
      number();
    } else if ((c == '(' || c == '[') && digitAt(pos + 1)) {
      openingBracket(c);
    } else if (!bracketOpen && (c == ')' || c == ']') && pos > 0 && isDigit(at(pos - 1))) {
      out += c == ')' ? kCloseNumberParen : kCloseNumberSquare;
      bracketOpen = false;
      ++pos;
    } else if (c == '`' && digitAt(pos + 1)) {
      fraction();
    } else if (const char* symbol = c == '`' && hasNext ? symbolAfterGrave(at(pos + 1)) : nullptr) {
      out += symbol;
      pos += 2;
    } else if (c == '.') {
      out += '.';
      ++pos;
    } else if (c == '"' || c == 0x93 || c == 0x94) {
      out += '"';
      ++pos;
    } else {
      punctuationRule();
    }
  }
};

}  // namespace

std::optional<char32_t> firstCharacterWithoutCell(std::string_view utf8) {
  for (size_t i = 0, length = 1; i < utf8.size(); i += length) {
    const char32_t c = characterAt(utf8, i, length);
    if (unicodeToCp1252(c) < 0) return c;
  }
  return std::nullopt;
}

std::string textToBraille(std::string_view utf8) {
  // The rules name the characters by the Windows-1252 byte that stands for each of them
  // (braille_cells.h), so each character is looked up through its byte; those that have
  // none are told apart beforehand by firstCharacterWithoutCell.
  const std::string bytes = utf8ToCp1252(asUtf8(utf8));
  std::string_view text = bytes;
  // One leading blank is the separator after the label's position; two are meant.
  if (text.size() >= 2 && text[0] == ' ' && text[1] != ' ') text.remove_prefix(1);
  Translation t{text, CellWriter(text.size() + text.size() / 2)};
  while (t.pos < text.size()) t.step();
  return t.out.take();
}
