#pragma once
// An expression of x read by the expression library, ready to be evaluated. The
// library is opened at the first expression; without it every expression is refused
// with the reason.
#include <memory>
#include <optional>
#include <string>
#include <string_view>

struct ExpressionRead;
ExpressionRead readExpression(std::string_view text);

class FunctionOfX {
 public:
  FunctionOfX(FunctionOfX&&) noexcept;
  FunctionOfX& operator=(FunctionOfX&&) noexcept;
  ~FunctionOfX();
  // The value at x; not finite where the function is not defined.
  double at(double x);

 private:
  friend ExpressionRead readExpression(std::string_view text);
  FunctionOfX();
  void* parser_ = nullptr;
  // The library reads x through this address, which must not move.
  std::unique_ptr<double> x_;
};

struct ExpressionRead {
  std::optional<FunctionOfX> function;
  std::string reason;  // why there is none
  bool usesX = false;
};

// Reads an expression as a class writes it (expression_text.h).
ExpressionRead readExpression(std::string_view text);
