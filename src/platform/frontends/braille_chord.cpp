#include "platform/frontends/braille_chord.h"

#include <array>

#include "platform/text/text.h"

namespace {

// Unicode code points of the 64 dot patterns (sum of the dot bits), all of them Latin-1.
constexpr std::array<char32_t, 64> kTable = {
    32,  97,  44,  98,  39,  107, 59,  108,  // 0..7
    94,  99,  105, 102, 237, 109, 115, 112,  // 8..15
    126, 101, 58,  104, 42,  111, 33,  114,  // 16..23
    172, 100, 106, 103, 227, 110, 116, 113,  // 24..31
    253, 226, 63,  234, 45,  117, 34,  118,  // 32..39
    123, 238, 245, 224, 243, 120, 232, 231,  // 40..47
    36,  251, 255, 252, 125, 122, 61,  225,  // 48..55
    95,  244, 119, 239, 35,  121, 250, 233,  // 56..63
};

constexpr char32_t kNumberSign = 35;   // dots 3-4-5-6
constexpr char32_t kCapitalSign = 123; // dots 4-6
constexpr char32_t kTilde = 126;       // dot 5: ends number mode
constexpr char32_t kUCircumflex = 251;

}  // namespace

char32_t brailleTableChar(int pattern) { return kTable[pattern & 63]; }

int brailleChordBit(char key) {
  switch (key) {
    case 'f': case 'F': return 1;
    case 'd': case 'D': return 2;
    case 's': case 'S': return 4;
    case 'j': case 'J': return 8;
    case 'k': case 'K': return 16;
    case 'l': case 'L': return 32;
    case ' ': return kBrailleSpaceBit;
    default: return 0;
  }
}

BrailleMode brailleNextMode(BrailleMode mode) {
  return mode == BrailleMode::Plain ? BrailleMode::Signs : BrailleMode::Plain;
}

BrailleMode brailleModeFromSetting(const char* value) {
  const int bits = (value != nullptr && *value != '\0') ? (static_cast<unsigned char>(*value) & 3) : 0;
  return bits == 0 ? BrailleMode::Off : bits == 2 ? BrailleMode::Signs : BrailleMode::Plain;
}

void BrailleChord::press(int bit) {
  chord_ |= bit;
  held_ |= bit;
  started_ = true;
}

std::optional<char32_t> BrailleChord::release(int bit, BrailleMode mode) {
  held_ &= ~bit;
  if (held_ != 0 || !started_) return std::nullopt;
  const int chord = chord_;
  chord_ = 0;
  started_ = false;
  const int dots = chord & 63;
  char32_t ch;
  if (chord & kBrailleSpaceBit) {
    // Space alone is a blank; with dots it is the control character of their letter.
    ch = dots == 0 ? U' ' : kTable[dots] & 0x1F;
    interrupt();
  } else {
    ch = kTable[dots];
  }
  if (mode != BrailleMode::Signs) return ch;
  return applySigns(ch);
}

std::optional<char32_t> BrailleChord::applySigns(char32_t ch) {
  if (ch == '\'') ch = '.';
  if (ch == kUCircumflex) ch = '@';
  if (ch == kNumberSign) {
    number_ = true;
    capitalLetter_ = false;
    return std::nullopt;
  }
  if (ch == kCapitalSign) {
    // A second capital sign in a row turns the whole word upper case.
    if (capitalLetter_) capitalWord_ = true;
    capitalLetter_ = !capitalWord_;
    return std::nullopt;
  }
  if (number_) {
    if (ch >= 'a' && ch <= 'i') ch = U'1' + (ch - U'a');
    else if (ch == 'j') ch = '0';
    else if (ch == kTilde) number_ = false;
  }
  if (capitalLetter_ || capitalWord_) ch = upperCaseOf(ch);
  capitalLetter_ = false;
  return ch;
}

void BrailleChord::interrupt() {
  number_ = false;
  capitalWord_ = false;
}

void BrailleChord::reset() {
  *this = BrailleChord{};
}
