#include "language/expression_text.h"

#include <cmath>
#include <vector>

#include "messages/messages.h"
#include "language/reader.h"

namespace {

double cotangent(double x) { return 1 / std::tan(x); }
double secant(double x) { return 1 / std::cos(x); }
double cosecant(double x) { return 1 / std::sin(x); }
double sine(double x) { return std::sin(x); }
double cosine(double x) { return std::cos(x); }
double tangent(double x) { return std::tan(x); }
double arcsine(double x) { return std::asin(x); }
double arccosine(double x) { return std::acos(x); }
double arctangent(double x) { return std::atan(x); }
double hyperbolicSine(double x) { return std::sinh(x); }
double hyperbolicCosine(double x) { return std::cosh(x); }
double hyperbolicTangent(double x) { return std::tanh(x); }
// A logarithm of zero is -infinity and of a negative number NaN: both undefined.
double naturalLog(double x) { return std::log(x); }
double decimalLog(double x) { return std::log10(x); }
double exponential(double x) { return std::exp(x); }
double squareRoot(double x) { return std::sqrt(x); }
double absolute(double x) { return std::fabs(x); }

constexpr ExpressionFunction kFunctions[] = {
    {"sen", sine},          {"cos", cosine},           {"tg", tangent},        {"cotg", cotangent},
    {"sec", secant},        {"cossec", cosecant},      {"arcsen", arcsine},    {"arccos", arccosine},
    {"arctg", arctangent},  {"senh", hyperbolicSine},  {"cosh", hyperbolicCosine},
    {"tgh", hyperbolicTangent}, {"ln", naturalLog},    {"log", decimalLog},    {"exp", exponential},
    {"raiz", squareRoot},   {"abs", absolute},         {"sin", sine},          {"tan", tangent},
    {"asin", arcsine},      {"acos", arccosine},       {"atan", arctangent},   {"sinh", hyperbolicSine},
    {"tanh", hyperbolicTangent}, {"sqrt", squareRoot},
};

bool isFunction(std::string_view name) {
  for (const ExpressionFunction& f : kFunctions) {
    if (name == f.name) return true;
  }
  return false;
}

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isDecimalMark(char c) { return c == ',' || c == '.'; }
char lowered(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// The Greek letter as a class writes the constant, beside "pi".
constexpr std::string_view kPi = "π";

// What the last token leaves the reader expecting.
enum class After { Start, Operand, Function, Operator };

// The reader of one expression: the text, where it is, what it has written and the
// parentheses and bars still open.
class Rewriter {
 public:
  explicit Rewriter(std::string_view text) : text_(text) {}

  RewrittenExpression run() {
    while (reason_.empty() && pos_ < text_.size()) step();
    if (reason_.empty()) finish();
    if (!reason_.empty()) return {{}, reason_, false};
    return {out_, {}, usesX_};
  }

 private:
  void step() {
    const char c = text_[pos_];
    if (c == ' ' || c == '\t') {
      ++pos_;
    } else if (isDigit(c) || (isDecimalMark(c) && pos_ + 1 < text_.size() && isDigit(text_[pos_ + 1]))) {
      number();
    } else if (text_.substr(pos_).starts_with(kPi)) {
      pos_ += kPi.size();
      operand("pi");
    } else if (isLetter(c)) {
      name();
    } else if (c == '(') {
      ++pos_;
      open('(', "(");
    } else if (c == ')') {
      ++pos_;
      close('(');
    } else if (c == '|') {
      ++pos_;
      if (after_ == After::Operand && !open_.empty() && open_.back() == '|') {
        close('|');
      } else {
        open('|', "abs(");
      }
    } else if (c == ';') {
      ++pos_;
      emit(",", After::Start);
    } else if (c == '+' || c == '-' || c == '*' || c == '/' || c == '^') {
      ++pos_;
      emit(std::string(1, c), After::Operator);
    } else if (isDecimalMark(c)) {
      reason_ = messageText(c == ',' ? "PXEXVIRG" : "PXEXPONTO");
    } else {
      size_t end = pos_ + 1;
      while (end < text_.size() && static_cast<unsigned char>(text_[end]) >= 0x80) ++end;
      reason_ = withValues(messageText("PXEXCARAC"), {text_.substr(pos_, end - pos_)});
    }
  }

  void number() {
    std::string digits;
    bool mark = false;
    while (pos_ < text_.size() && (isDigit(text_[pos_]) || isDecimalMark(text_[pos_]))) {
      if (isDecimalMark(text_[pos_])) {
        if (mark) {
          reason_ = withValues(messageText("PXEXNUMMAL"), {text_.substr(pos_ - digits.size(), digits.size() + 1)});
          return;
        }
        mark = true;
        digits += '.';
      } else {
        digits += text_[pos_];
      }
      ++pos_;
    }
    if (after_ == After::Operand) {
      reason_ = withValues(messageText("PXEXANTES"), {digits});
      return;
    }
    emit(digits, After::Operand);
  }

  void name() {
    const size_t start = pos_;
    while (pos_ < text_.size() && (isLetter(text_[pos_]) || isDigit(text_[pos_]))) ++pos_;
    std::string word(text_.substr(start, pos_ - start));
    for (char& c : word) c = lowered(c);
    if (word == "x" || word == "pi" || word == "e") {
      usesX_ = usesX_ || word == "x";
      operand(word);
    } else if (isFunction(word)) {
      multiplyIfAfterOperand();
      emit(word, After::Function);
    } else {
      reason_ = withValues(messageText("PXEXNOME"), {word});
    }
  }

  void operand(const std::string& text) {
    multiplyIfAfterOperand();
    emit(text, After::Operand);
  }

  void open(char kind, const char* text) {
    if (after_ == After::Function && kind != '(') {
      reason_ = missingParenthesis();
      return;
    }
    if (after_ != After::Function) multiplyIfAfterOperand();
    open_.push_back(kind);
    emit(text, After::Start);
  }

  void close(char kind) {
    if (open_.empty()) {
      reason_ = messageText("PXEXPARFEC");
    } else if (open_.back() != kind) {
      reason_ = unclosedReason();
    } else {
      open_.pop_back();
      emit(")", After::Operand);
    }
  }

  void finish() {
    if (after_ == After::Function) {
      reason_ = missingParenthesis();
    } else if (!open_.empty()) {
      reason_ = unclosedReason();
    } else if (out_.empty()) {
      reason_ = messageText("PXEXVAZIA");
    }
  }

  std::string missingParenthesis() const { return withValues(messageText("PXEXPARDEP"), {lastName_}); }

  // Precondition: a parenthesis or a bar is open.
  std::string unclosedReason() const {
    return messageText(open_.back() == '|' ? "PXEXBARRA" : "PXEXPARAB");
  }

  void multiplyIfAfterOperand() {
    if (after_ == After::Operand) out_ += '*';
  }

  void emit(const std::string& text, After after) {
    if (after_ == After::Function && text != "(") {
      reason_ = missingParenthesis();
      return;
    }
    if (after == After::Function) lastName_ = text;
    out_ += text;
    after_ = after;
  }

  std::string_view text_;
  size_t pos_ = 0;
  std::string out_;
  std::string reason_;
  std::string lastName_;
  std::vector<char> open_;
  After after_ = After::Start;
  bool usesX_ = false;
};

// Skips blanks and then the characters of `pattern` (each may be preceded by blanks),
// in any case; true with `pos` past them when they all follow.
bool skipPattern(std::string_view text, size_t& pos, std::string_view pattern) {
  size_t at = pos;
  for (const char wanted : pattern) {
    while (at < text.size() && text[at] == ' ') ++at;
    if (at >= text.size() || lowered(text[at]) != wanted) return false;
    ++at;
  }
  pos = at;
  return true;
}

}  // namespace

std::span<const ExpressionFunction> expressionFunctions() { return kFunctions; }

RewrittenExpression rewriteExpression(std::string_view expression) { return Rewriter(expression).run(); }

std::string withoutFunctionHead(std::string_view text) {
  size_t pos = 0;
  if (!skipPattern(text, pos, "y=")) {
    pos = 0;
    if (!skipPattern(text, pos, "f(x)=")) pos = 0;
  }
  return trimControls(std::string(text.substr(pos)));
}
