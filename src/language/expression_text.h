#pragma once
// The expressions of EQ as a Brazilian class writes them, rewritten into the plain
// syntax the expression library reads: the decimal comma becomes a point and ";"
// between arguments a comma, a product written without its sign gets one ("2x",
// "3(x+1)", "(x+1)(x-1)", "2sen(x)", "x|x|"), "|...|" becomes abs(...), and every name
// is lower-cased and checked, so that an unknown name, a parenthesis left open or a
// stray character is told in the user's language before the library sees the text. The
// text is UTF-8, as the command lines are; "π" is read as pi.
#include <span>
#include <string>
#include <string_view>

// A function the expressions know, under one of its names.
struct ExpressionFunction {
  const char* name;
  double (*value)(double);
};

// Every name of every function, Portuguese names first, in the order the builder lists them.
std::span<const ExpressionFunction> expressionFunctions();

struct RewrittenExpression {
  std::string text;    // the library's syntax; empty when reason is set
  std::string reason;  // why the expression cannot be read, or empty
  bool usesX = false;  // whether the variable x appears
};

RewrittenExpression rewriteExpression(std::string_view expression);

// The expression of an EQ line without its optional "y =" or "f(x) =" (any case,
// blanks anywhere) and without the blanks around it.
std::string withoutFunctionHead(std::string_view text);
