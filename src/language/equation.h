#pragma once
// The arguments of an EQ line: "[y =] expression [para x de A a B]", where the
// expression may also open with "f(x) =" and A and B are expressions without x.
#include <optional>
#include <string>
#include <string_view>

#include "language/expression.h"

// The line's parts as written, blanks around them removed.
struct EquationText {
  std::string expression;        // without its "y =" or "f(x) ="
  std::string from, to;          // the interval's ends, empty when there is none
  bool hasInterval = false;
  std::string reason;            // a malformed interval, or empty
};

EquationText splitEquation(std::string_view arguments);

struct Equation {
  std::optional<FunctionOfX> function;
  std::optional<double> from, to;  // the interval, when the line gives one
  std::string reason;              // why the line cannot be drawn, or empty
};

Equation readEquation(std::string_view arguments);
