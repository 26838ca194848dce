#include "language/equation.h"

#include <cmath>
#include <vector>

#include "messages/messages.h"
#include "language/expression_text.h"
#include "language/reader.h"

namespace {

std::vector<std::string> words(std::string_view text) {
  std::vector<std::string> out;
  size_t pos = 0;
  while (pos < text.size()) {
    while (pos < text.size() && text[pos] == ' ') ++pos;
    const size_t start = pos;
    while (pos < text.size() && text[pos] != ' ') ++pos;
    if (pos > start) out.emplace_back(text.substr(start, pos - start));
  }
  return out;
}

bool isWord(const std::string& word, std::string_view wanted) {
  if (word.size() != wanted.size()) return false;
  for (size_t i = 0; i < word.size(); ++i) {
    if ((word[i] | 0x20) != wanted[i]) return false;
  }
  return true;
}

std::string joined(const std::vector<std::string>& list, size_t from, size_t to) {
  std::string out;
  for (size_t i = from; i < to; ++i) out += (out.empty() ? "" : " ") + list[i];
  return out;
}

// An end of the interval: a number word as the other commands read them ("1e3"), or an
// expression without x ("2pi"), of finite value.
std::optional<double> intervalEnd(const std::string& text, std::string& reason) {
  if (const auto number = parseNumberWord(text)) return number;
  ExpressionRead read = readExpression(text);
  if (!read.function) {
    reason = withValues(messageText("PXEQINTERV"), {read.reason});
    return std::nullopt;
  }
  const double value = read.function->at(0);
  if (read.usesX || !std::isfinite(value)) {
    reason = withValues(messageText("PXEQDOISN"), {text});
    return std::nullopt;
  }
  return value;
}

}  // namespace

EquationText splitEquation(std::string_view arguments) {
  const std::vector<std::string> list = words(arguments);
  EquationText out;
  size_t para = 0;
  while (para < list.size() && !isWord(list[para], "para")) ++para;
  out.expression = withoutFunctionHead(joined(list, 0, para));
  if (para == list.size()) return out;
  out.hasInterval = true;
  size_t a = para + 3;
  while (a < list.size() && !isWord(list[a], "a")) ++a;
  if (para + 2 >= list.size() || !isWord(list[para + 1], "x") || !isWord(list[para + 2], "de") ||
      a == para + 3 || a + 1 >= list.size()) {
    out.reason = messageText("PXEQFORMA");
    return out;
  }
  out.from = joined(list, para + 3, a);
  out.to = joined(list, a + 1, list.size());
  return out;
}

Equation readEquation(std::string_view arguments) {
  const EquationText text = splitEquation(arguments);
  Equation out;
  if (!text.reason.empty()) {
    out.reason = text.reason;
    return out;
  }
  ExpressionRead read = readExpression(text.expression);
  if (!read.function) {
    out.reason = read.reason;
    return out;
  }
  if (text.hasInterval) {
    out.from = intervalEnd(text.from, out.reason);
    if (out.from) out.to = intervalEnd(text.to, out.reason);
    if (!out.to) return out;
  }
  out.function = std::move(read.function);
  return out;
}
