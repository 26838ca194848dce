#include "language/command_description.h"

#include <gtest/gtest.h>

#include "platform/text/language.h"

namespace {

TEST(CommandDescription, EachLineSaysWhatItDrawsWithThePointsAsTheRunReadsThem) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"CI 0 0 5", "círculo de centro (0; 0) e raio 5"},
      {"rt 1,5 -2 @", "segmento de (1,5; -2) a (1,5; -2)"},
      {"ST 0 0 R 2 3", "seta de (0; 0) a (2; 3)"},
      {"PO 0 0 1 1 2 0", "linha poligonal por 3 pontos: (0; 0), (1; 1), (2; 0)"},
      {"PT *", "os pontos dos dados"},
      {"EX -10 0 10 0 2", "eixo de (-10; 0) a (10; 0), marcas a cada 2"},
      {"RG 1 2 3 4", "retângulo de canto (1; 2), largura 3 e altura 4"},
      {"RR 1 2 3 4 30", "retângulo de canto (1; 2), largura 3 e altura 4, girado 30 graus"},
      {"DM -20 20 -15 15", "domínio: x de -20 a 20, y de -15 a 15"},
      {"PN 2 1 0 -1 -2 2", "polinômio de grau 2, de x = -2 a x = 2"},
      {"HI 0 0 1 3 4", "histograma de 2 barras de largura 1 a partir de (0; 0)"},
      {"TB 1 2  Olá", "rótulo em braille em (1; 2): Olá"},
      {"CC 2 3 9", "caneta de espessura 2, tracejada, preta"},
      {"EQ y =  sen(x)", "gráfico de y = sen(x)"},
      {"EQ 1/x para x de 1 a 2pi", "gráfico de y = 1/x, de x = 1 a x = 2pi"},
      {"EQ y =", ""},
      {"; CI 0 0 5", ""},
      {"CI 0 0", ""},
      {"ZZ 1 2", ""},
      {"", ""},
  };
  std::vector<std::string> lines;
  for (const auto& c : cases) lines.push_back(c.first);
  const std::vector<std::string> described = describeCommandLines(lines);
  ASSERT_EQ(described.size(), lines.size());
  for (size_t i = 0; i < cases.size(); ++i) EXPECT_EQ(described[i], cases[i].second) << cases[i].first;
}

// English has its own sentences, counts and pairs, not Portuguese pieces in another order.
TEST(CommandDescription, EnglishSaysItsOwnSentences) {
  setCurrentLanguage(Language::English);
  const std::vector<std::string> described = describeCommandLines({"PO 0 0 1 1", "HI 0 0 1 3", "CC 2 3 9"});
  setCurrentLanguage(Language::Portuguese);
  EXPECT_EQ(described, (std::vector<std::string>{"polygonal line through 2 points: (0, 0), (1, 1)",
                                                  "histogram of 1 bar of width 1 from (0, 0)", "pen of width 2, dashed, black"}));
}

}  // namespace
