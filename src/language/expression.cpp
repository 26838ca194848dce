#include "language/expression.h"

#include <cmath>
#include <numbers>

#include "messages/messages.h"
#include "language/expression_text.h"
#include "platform/expression_library.h"

namespace {

// What the library's error codes mean to the author; the rewriting has already told
// unknown names, parentheses and stray characters.
std::string errorReason(void* parser) {
  const char* const text = muparser().mupGetErrorToken(parser);
  const std::string token = text ? text : "";
  // The key names the token when there is one, in its row whose key ends in T.
  const auto told = [&](std::string key) {
    return token.empty() ? messageText(key) : withValues(messageText(key + "T"), {token});
  };
  switch (muparser().mupGetErrorCode(parser)) {
    case 0:  // an operator where a value belongs
      return told("PXEXOPER");
    case 2:  // the text ends before the expression does
      return messageText("PXEXINCOMP");
    case 3:  // an argument separator outside a function
      return messageText("PXEXSEPAR");
    case 4: case 5: case 6: case 7: case 12:  // two values side by side
      return told("PXEXFALTOP");
    case 14: case 15:  // a function with too many or too few arguments
      return told("PXEXNARG");
    case 37:  // longer than the library reads
      return messageText("PXEXLONGA");
    default:
      return told("PXEXMAL");
  }
}

}  // namespace

FunctionOfX::FunctionOfX() : x_(std::make_unique<double>(0)) {}
FunctionOfX::FunctionOfX(FunctionOfX&& other) noexcept : parser_(other.parser_), x_(std::move(other.x_)) {
  other.parser_ = nullptr;
}
FunctionOfX& FunctionOfX::operator=(FunctionOfX&& other) noexcept {
  std::swap(parser_, other.parser_);
  std::swap(x_, other.x_);
  return *this;
}
FunctionOfX::~FunctionOfX() {
  if (parser_) muparser().mupRelease(parser_);
}

double FunctionOfX::at(double x) {
  *x_ = x;
  return muparser().mupEval(parser_);
}

ExpressionRead readExpression(std::string_view text) {
  RewrittenExpression rewritten = rewriteExpression(text);
  if (!rewritten.reason.empty()) return {std::nullopt, rewritten.reason};
  if (!expressionLibrary()) {
    return {std::nullopt, messageText("PXEXBIBL")};
  }
  FunctionOfX function;
  function.parser_ = muparser().mupCreate(0);
  void* parser = function.parser_;
  // Only our own names: the library's English names and constants would accept what the
  // reference does not describe.
  muparser().mupClearFun(parser);
  muparser().mupClearConst(parser);
  muparser().mupDefineConst(parser, "pi", std::numbers::pi);
  muparser().mupDefineConst(parser, "e", std::numbers::e);
  for (const ExpressionFunction& f : expressionFunctions()) muparser().mupDefineFun1(parser, f.name, f.value, 1);
  muparser().mupDefineVar(parser, "x", function.x_.get());
  muparser().mupSetExpr(parser, rewritten.text.c_str());
  // The first evaluation reads the expression; a value that is not finite is no error.
  function.at(0);
  if (muparser().mupError(parser)) return {std::nullopt, errorReason(parser)};
  return {std::move(function), {}, rewritten.usesX};
}
