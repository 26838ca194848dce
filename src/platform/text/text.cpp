#include "platform/text/text.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstring>

#include "platform/text/language.h"

namespace {

// Code points of the bytes 0x80..0x9F; the rest of the code page equals Latin-1.
constexpr char16_t kHighTable[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t codePointOf(unsigned char byte) {
  if (byte >= 0x80 && byte < 0xA0) return kHighTable[byte - 0x80];
  return byte;
}

int byteFor(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
  for (int i = 0; i < 32; ++i) {
    if (kHighTable[i] == cp) return 0x80 + i;
  }
  return -1;
}

}  // namespace

std::string cp1252ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 4);
  for (unsigned char c : text) appendUtf8(out, codePointOf(c));
  return out;
}

std::string utf8ToCp1252(std::string_view text, char replacement) {
  // Never longer than the text; written through a pointer, as it runs over whole files
  // (the braille command), and cut to what was written.
  std::string out(text.size(), '\0');
  char* to = out.data();
  for (size_t i = 0; i < text.size();) {
    // Eight bytes of ASCII at a time: most of a Portuguese text.
    if (text.size() - i >= 8) {
      uint64_t eight;
      std::memcpy(&eight, text.data() + i, 8);
      if ((eight & 0x8080808080808080u) == 0) {
        std::memcpy(to, &eight, 8);
        to += 8;
        i += 8;
        continue;
      }
    }
    if (static_cast<unsigned char>(text[i]) < 0x80) {
      *to++ = text[i++];
      continue;
    }
    char32_t cp = 0;
    const size_t len = wellFormedSequence(text, i, cp);
    if (len == 0) {
      *to++ = replacement;
      ++i;
      continue;
    }
    const int b = byteFor(cp);
    *to++ = b < 0 ? replacement : static_cast<char>(b);
    i += len;
  }
  out.resize(static_cast<size_t>(to - out.data()));
  return out;
}

std::string textOfFile(std::string_view bytes) {
  return isValidUtf8(bytes) ? std::string(bytes) : cp1252ToUtf8(bytes);
}

bool holdsOnlyWindows1252(std::string_view utf8) {
  for (size_t i = 0; i < utf8.size();) {
    char32_t cp = 0;
    const size_t len = wellFormedSequence(utf8, i, cp);
    if (len == 0 || byteFor(cp) < 0) return false;
    i += len;
  }
  return true;
}

std::string shownLine(std::string_view utf8) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string out;
  out.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size(); ++i) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    const auto next = i + 1 < utf8.size() ? static_cast<unsigned char>(utf8[i + 1]) : 0;
    if (c == '\n' || c == '\r') {
      out += ' ';
    } else if (c < 0x20 || c == 0x7F) {
      out += '^';
      out += static_cast<char>(c ^ 0x40);
    } else if (c == 0xC2 && next >= 0x80 && next < 0xA0) {
      // U+0080..U+009F: a terminal in UTF-8 takes U+009B as the start of a sequence.
      out += "\\x";
      out += kHex[next >> 4];
      out += kHex[next & 15];
      ++i;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

char32_t cp1252ToUnicode(unsigned char byte) { return codePointOf(byte); }

int unicodeToCp1252(char32_t codePoint) { return byteFor(codePoint); }

std::string dotDecimal(double value, int decimals) {
  char text[400];  // the widest double written out in full, and its decimals
  const auto [end, ec] = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
  std::string number(text, ec == std::errc() ? end : text);
  if (number.find('.') != std::string::npos) {
    number.erase(number.find_last_not_of('0') + 1);
    if (number.back() == '.') number.pop_back();
  }
  return number.empty() || number == "-0" ? std::string(1, '0') : number;
}

std::string decimalText(double value, int decimals) {
  std::string number = dotDecimal(value, decimals);
  if (currentLanguage() == Language::Portuguese) std::replace(number.begin(), number.end(), '.', ',');
  return number;
}
