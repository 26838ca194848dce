// Argument readers. The number syntax is checked here, character by character, rather
// than left to a library conversion, so that both decimal marks work whatever the
// locale and nothing beyond the documented forms slips through.
#include "language/reader.h"

#include <charconv>
#include <cmath>
#include <numbers>
#include <string_view>

#include "language/command_list.h"
#include "platform/text/text.h"

namespace {

bool isControlOrBlank(char c) { return static_cast<unsigned char>(c) <= 32; }

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Skips a run of digits from pos; returns how many there were.
size_t skipDigits(const std::string& text, size_t& pos) {
  const size_t start = pos;
  while (pos < text.size() && isDigit(text[pos])) ++pos;
  return pos - start;
}

// For a number that does not fit a double: whether it lies below the smallest one
// rather than above the largest, that is, whether the power of ten of its first
// significant digit is negative. `normal` is "[-]digits[.digits][e[+-]digits]" and not
// zero.
bool isBelowDoubleRange(std::string_view normal) {
  if (normal.starts_with('-')) normal.remove_prefix(1);
  const size_t e = normal.find_first_of("eE");
  const std::string_view mantissa = normal.substr(0, e);
  // Far beyond any order a 16 MB script can write, and far from overflowing the sum.
  constexpr long long kHugeExponent = 1'000'000'000'000LL;
  long long exponent = 0;
  if (e != std::string_view::npos) {
    std::string_view text = normal.substr(e + 1);
    const bool negative = text.starts_with('-');
    if (negative || text.starts_with('+')) text.remove_prefix(1);
    if (std::from_chars(text.data(), text.data() + text.size(), exponent).ec != std::errc() ||
        exponent > kHugeExponent) {
      exponent = kHugeExponent;
    }
    if (negative) exponent = -exponent;
  }
  const size_t mark = mantissa.find('.');
  const std::string_view whole = mantissa.substr(0, mark);
  long long order = 0;
  if (const size_t first = whole.find_first_not_of('0'); first != std::string_view::npos) {
    order = static_cast<long long>(whole.size() - first) - 1;
  } else {
    const std::string_view fraction = mark == std::string_view::npos ? std::string_view() : mantissa.substr(mark + 1);
    const size_t zeros = fraction.find_first_not_of('0');
    if (zeros == std::string_view::npos) return true;
    order = -static_cast<long long>(zeros) - 1;
  }
  return order + exponent < 0;
}

}  // namespace

int lineCommandIndex(std::string_view line) {
  size_t begin = 0;
  while (begin < line.size() && isControlOrBlank(line[begin])) ++begin;
  return commandIndex(toUpperText(line.substr(begin, 2)));
}

std::string trimControls(const std::string& text) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && isControlOrBlank(text[begin])) ++begin;
  while (end > begin && isControlOrBlank(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

std::string nextToken(ScriptState& state) {
  state.remaining = trimControls(state.remaining);
  const size_t blank = state.remaining.find(' ');
  std::string word;
  if (blank == std::string::npos) {
    word.swap(state.remaining);
  } else {
    word = state.remaining.substr(0, blank);
    state.remaining.erase(0, blank + 1);
  }
  return word;
}

std::optional<double> parseNumberWord(const std::string& word) {
  std::string normal;  // the word with "." as its mark and without a leading "+"
  size_t pos = 0;
  if (pos < word.size() && (word[pos] == '+' || word[pos] == '-')) {
    if (word[pos] == '-') normal += '-';
    ++pos;
  }
  size_t mantissaStart = pos;
  size_t digits = skipDigits(word, pos);
  normal.append(word, mantissaStart, pos - mantissaStart);
  if (pos < word.size() && (word[pos] == ',' || word[pos] == '.')) {
    normal += '.';
    ++pos;
    mantissaStart = pos;
    digits += skipDigits(word, pos);
    normal.append(word, mantissaStart, pos - mantissaStart);
  }
  if (digits == 0) return std::nullopt;
  if (pos < word.size() && (word[pos] == 'e' || word[pos] == 'E')) {
    const size_t exponentStart = pos++;
    if (pos < word.size() && (word[pos] == '+' || word[pos] == '-')) ++pos;
    if (skipDigits(word, pos) == 0) return std::nullopt;
    normal.append(word, exponentStart, pos - exponentStart);
  }
  if (pos != word.size()) return std::nullopt;
  double value = 0;
  const auto [end, ec] = std::from_chars(normal.data(), normal.data() + normal.size(), value);
  // A value too small to hold is as near to zero as a double gets; one too large has no
  // stand-in and is refused.
  if (ec == std::errc::result_out_of_range && isBelowDoubleRange(normal)) return normal[0] == '-' ? -0.0 : 0.0;
  if (ec != std::errc() || end != normal.data() + normal.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

bool readsAsNumbers(std::string_view text, bool pointMarkers) {
  while (!text.empty()) {
    const size_t blank = text.find(' ');
    std::string_view word = text.substr(0, blank);
    text.remove_prefix(blank == std::string_view::npos ? text.size() : blank + 1);
    if (pointMarkers && !word.empty() && std::string_view("@RrPp").find(word[0]) != std::string_view::npos)
      word.remove_prefix(1);
    if (!word.empty() && !parseNumberWord(std::string(word))) return false;
  }
  return true;
}

std::optional<double> readNumber(ScriptState& state) {
  const std::string word = nextToken(state);
  if (word.empty()) return std::nullopt;
  const auto value = parseNumberWord(word);
  if (!value) state.error = true;
  return value;
}

std::optional<int> readInteger(ScriptState& state) {
  const std::string word = nextToken(state);
  size_t pos = (!word.empty() && (word[0] == '+' || word[0] == '-')) ? 1 : 0;
  const bool negative = pos == 1 && word[0] == '-';
  const size_t digitsStart = pos;
  if (skipDigits(word, pos) == 0 || pos != word.size()) return std::nullopt;
  int value = 0;
  const char* first = word.data() + digitsStart;
  const char* last = word.data() + word.size();
  // Parsing the digits without the sign and negating afterwards would miss INT_MIN, so
  // the minus sign goes back in front when there is one.
  if (negative) --first;
  const auto [end, ec] = std::from_chars(first, last, value);
  if (ec != std::errc() || end != last) return std::nullopt;
  return value;
}

std::optional<UserPoint> readPoint(ScriptState& state) {
  state.remaining = trimControls(state.remaining);
  if (!state.remaining.empty() && state.remaining[0] == '@') {
    state.remaining.replace(0, 1, "R 0 0 ");
  }
  enum class Kind { Plain, Relative, Polar } kind = Kind::Plain;
  if (!state.remaining.empty()) {
    const char marker = state.remaining[0];
    if (marker == 'R' || marker == 'r') kind = Kind::Relative;
    if (marker == 'P' || marker == 'p') kind = Kind::Polar;
    if (kind != Kind::Plain) state.remaining.erase(0, 1);
  }
  const auto a = readNumber(state);
  if (!a) return std::nullopt;
  const auto b = readNumber(state);
  if (!b) return std::nullopt;
  UserPoint point{*a, *b};
  if (kind == Kind::Relative) {
    point = {state.last.x + *a, state.last.y + *b};
  } else if (kind == Kind::Polar) {
    const double theta = *b * std::numbers::pi / 180.0;
    point = {state.last.x + *a * std::cos(theta), state.last.y + *a * std::sin(theta)};
  }
  state.last = point;
  return point;
}
