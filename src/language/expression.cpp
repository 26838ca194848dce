#include "language/expression.h"

#include <cmath>
#include <numbers>

#include "language/expression_text.h"
#include "platform/expression_library.h"

namespace {

// What the library's error codes mean to the author; the rewriting has already told
// unknown names, parentheses and stray characters.
std::string errorReason(void* parser) {
  const char* const text = muparser().mupGetErrorToken(parser);
  const std::string token = text ? text : "";
  const std::string where = token.empty() ? std::string() : ": " + token;
  switch (muparser().mupGetErrorCode(parser)) {
    case 0:  // an operator where a value belongs
      return "operador fora do lugar" + where;
    case 2:  // the text ends before the expression does
      return "a express\xE3o est\xE1 incompleta";
    case 3:  // an argument separator outside a function
      return "; fora dos argumentos de uma fun\xE7\xE3o";
    case 4: case 5: case 6: case 7: case 12:  // two values side by side
      return "falta um operador" + where;
    case 14: case 15:  // a function with too many or too few arguments
      return "n\xFAmero errado de argumentos" + where;
    case 37:  // longer than the library reads
      return "express\xE3o longa demais";
    default:
      return "express\xE3o mal formada" + where;
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
    return {std::nullopt, "a biblioteca de express\xF5" "es (libmuparser2v5) n\xE3o est\xE1 instalada"};
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
