#include "language/expression.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "language/equation.h"
#include "language/expression_text.h"

namespace {

TEST(Expression, ClassNotationIsRewrittenIntoTheLibrarySyntax) {
  const std::pair<const char*, const char*> cases[] = {
      {"2x", "2*x"},           {"3(x+1)", "3*(x+1)"},         {"(x+1)(x-1)", "(x+1)*(x-1)"},
      {"2SEN(X)", "2*sen(x)"}, {"|x - 1|", "abs(x-1)"},       {"x|x|", "x*abs(x)"},
      {"||x|-2|", "abs(abs(x)-2)"}, {"2,5x^2 + 0.5", "2.5*x^2+0.5"}, {"Pi x + e", "pi*x+e"}, {"2π - π(x)", "2*pi-pi*(x)"},
      {"log(x; 2)", "log(x,2)"},
  };
  for (const auto& [typed, rewritten] : cases) EXPECT_EQ(rewriteExpression(typed).text, rewritten) << typed;
}

TEST(Expression, FunctionsByTheirPortugueseAndEnglishNamesInRadians) {
  const struct {
    const char* text;
    double x, value;
  } cases[] = {
      {"sen(x)", std::numbers::pi / 2, 1}, {"sin(x)", std::numbers::pi / 2, 1}, {"tg(x)", 0.5, std::tan(0.5)},
      {"cotg(x)", 0.5, 1 / std::tan(0.5)},  {"sec(x)", 0.5, 1 / std::cos(0.5)}, {"cossec(x)", 0.5, 1 / std::sin(0.5)},
      {"arcsen(x)", 0.5, std::asin(0.5)},   {"acos(x)", 0.5, std::acos(0.5)},   {"arctg(x)", 2, std::atan(2)},
      {"senh(x)", 1, std::sinh(1)},         {"cosh(x)", 1, std::cosh(1)},       {"tgh(x)", 1, std::tanh(1)},
      {"ln(e)", 0, 1},                      {"log(1000)", 0, 3},                {"exp(x)", 2, std::exp(2)},
      {"raiz(x)", 9, 3},                    {"sqrt(x)", 9, 3},                  {"abs(x)", -2, 2},
      {"|x - 1|", -2, 3},                   {"2^x", 3, 8},                      {"x^3 - 2x", 2, 4},
      {"-x^2", 3, -9},                      {"2,5x", 2, 5},                     {"1/x", 4, 0.25},
      // Where a function is undefined its value is not finite, and that is no error.
      {"raiz(x)", -1, NAN},                 {"ln(x)", 0, NAN},                  {"1/(x+1)", -1, NAN},
  };
  for (const auto& c : cases) {
    ExpressionRead read = readExpression(c.text);
    ASSERT_TRUE(read.function) << c.text << ": " << read.reason;
    const double value = read.function->at(c.x);
    if (std::isnan(c.value)) EXPECT_FALSE(std::isfinite(value)) << c.text;
    else EXPECT_NEAR(value, c.value, 1e-12) << c.text;
  }
}

TEST(Expression, MalformedExpressionsSayWhatIsWrong) {
  const std::pair<const char*, const char*> cases[] = {
      {"sen(x", "falta fechar parêntese"}, {"sem(x)", "nome desconhecido: sem"},
      {"x)", "parêntese fechado sem ter sido aberto"}, {"|x", "falta fechar a barra do módulo"},
      {"(x|)", "falta fechar a barra do módulo"}, {"sen x", "falta o parêntese depois de sen"},
      {"2,5,3", "número mal escrito: 2,5,"}, {"x + ,", "vírgula fora de um número"},
      {"x # 2", "caractere não reconhecido: #"}, {"", "falta a expressão"},
      {"1 2", "falta um operador antes de 2"}, {"x+", "a expressão está incompleta"},
      {"x*/2", "operador fora do lugar: /"}, {"log(x; 2)", "número errado de argumentos: log"},
  };
  for (const auto& [text, reason] : cases) {
    const ExpressionRead read = readExpression(text);
    EXPECT_FALSE(read.function) << text;
    EXPECT_EQ(read.reason, reason) << text;
  }
}

TEST(Equation, HeadAndIntervalAreOptional) {
  const struct {
    const char* arguments;
    const char* expression;
    std::optional<double> from, to;
    const char* reason;
  } cases[] = {
      {"y = sen(x)", "sen(x)", {}, {}, ""},
      {" F(X)= sen(x) ", "sen(x)", {}, {}, ""},
      {"sen(x) para x de -pi a 2pi", "sen(x)", -std::numbers::pi, 2 * std::numbers::pi, ""},
      {"sen(x) para x de -π a 2π", "sen(x)", -std::numbers::pi, 2 * std::numbers::pi, ""},
      {"y=x PARA X DE -3,5 A 4", "x", -3.5, 4, ""},
      {"x para x de -1e3 a 1E3", "x", -1000, 1000, ""},
      {"x para x de 1", "x", {}, {}, "o intervalo se escreve: para x de A a B"},
      {"x para y de 1 a 2", "x", {}, {}, "o intervalo se escreve: para x de A a B"},
      {"x para x de x a 2", "x", {}, {}, "o intervalo precisa de dois números: x"},
      {"x para x de 1 a sem", "x", {}, {}, "no intervalo, nome desconhecido: sem"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(splitEquation(c.arguments).expression, c.expression) << c.arguments;
    const Equation equation = readEquation(c.arguments);
    EXPECT_EQ(equation.reason, c.reason) << c.arguments;
    EXPECT_EQ(equation.function.has_value(), c.reason[0] == 0) << c.arguments;
    if (!c.from) continue;
    EXPECT_NEAR(*equation.from, *c.from, 1e-12) << c.arguments;
    EXPECT_NEAR(*equation.to, *c.to, 1e-12) << c.arguments;
  }
}

}  // namespace
