#include "platform/text/utf8.h"

#include "platform/text/text.h"

size_t wellFormedSequence(std::string_view text, size_t i, char32_t& cp) {
  const auto b0 = static_cast<unsigned char>(text[i]);
  size_t len;
  char32_t min;
  if (b0 < 0x80) {
    cp = b0;
    return 1;
  } else if ((b0 & 0xE0) == 0xC0) {
    len = 2, cp = b0 & 0x1F, min = 0x80;
  } else if ((b0 & 0xF0) == 0xE0) {
    len = 3, cp = b0 & 0x0F, min = 0x800;
  } else if ((b0 & 0xF8) == 0xF0) {
    len = 4, cp = b0 & 0x07, min = 0x10000;
  } else {
    return 0;
  }
  if (i + len > text.size()) return 0;
  for (size_t k = 1; k < len; ++k) {
    const auto b = static_cast<unsigned char>(text[i + k]);
    if ((b & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (b & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return len;
}

bool isValidUtf8(std::string_view text) {
  for (size_t i = 0; i < text.size();) {
    char32_t cp = 0;
    const size_t len = wellFormedSequence(text, i, cp);
    if (len == 0) return false;
    i += len;
  }
  return true;
}

char32_t characterAt(std::string_view text, size_t at, size_t& length) {
  char32_t cp = 0;
  length = wellFormedSequence(text, at, cp);
  if (length > 0) return cp;
  length = 1;
  return cp1252ToUnicode(static_cast<unsigned char>(text[at]));
}

namespace {

// The byte where the character after the one at `at` begins (text.size() at the end).
size_t nextCharacterStart(std::string_view text, size_t at) {
  if (at >= text.size()) return text.size();
  size_t length = 1;
  characterAt(text, at, length);
  return at + length;
}

}  // namespace

size_t characterCount(std::string_view text) {
  size_t count = 0;
  for (size_t i = 0; i < text.size(); i = nextCharacterStart(text, i)) ++count;
  return count;
}

size_t byteOfCharacter(std::string_view text, size_t index) {
  size_t at = 0;
  for (; index > 0 && at < text.size(); --index) at = nextCharacterStart(text, at);
  return at;
}

std::string firstCharacters(std::string_view text, size_t count) {
  return std::string(text.substr(0, byteOfCharacter(text, count)));
}

void appendUtf8(std::string& out, char32_t cp) {
  if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = 0xFFFD;
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

std::string utf8Of(char32_t character) {
  std::string out;
  appendUtf8(out, character);
  return out;
}

std::u32string toCodePoints(std::string_view text) {
  std::u32string out;
  out.reserve(text.size());
  for (size_t i = 0, length = 1; i < text.size(); i += length) out += characterAt(text, i, length);
  return out;
}

std::string fromCodePoints(std::u32string_view characters) {
  std::string out;
  out.reserve(characters.size());
  for (const char32_t c : characters) appendUtf8(out, c);
  return out;
}

std::string asUtf8(std::string_view text) {
  if (isValidUtf8(text)) return std::string(text);
  std::string out;
  out.reserve(text.size() + text.size() / 4);
  for (size_t i = 0, length = 1; i < text.size(); i += length) appendUtf8(out, characterAt(text, i, length));
  return out;
}

char32_t upperCaseOf(char32_t c) {
  if (c >= 'a' && c <= 'z') return c - 32;
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 32;  // à..þ, but not ÷
  if (c == 0xFF) return 0x178;                              // ÿ
  if (c >= 0x100 && c <= 0x17F && c != 0x131 && c != 0x138 && c != 0x149 && c != 0x17F) {
    // Latin Extended-A pairs capital and small letters, the capital first; from Ĺ to Ň
    // and from Ź to Ž the pairs begin at odd code points.
    const bool oddPairs = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
    return (c % 2 == 0) == oddPairs ? c - 1 : c;
  }
  if (c >= 0x3B1 && c <= 0x3C9 && c != 0x3C2) return c - 32;  // Greek α..ω
  if (c >= 0x430 && c <= 0x44F) return c - 32;                // Cyrillic а..я
  return c;
}

std::string toUpperText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0, length = 1; i < text.size(); i += length) appendUtf8(out, upperCaseOf(characterAt(text, i, length)));
  return out;
}
