#include "language/command_description.h"

#include <optional>

#include "language/command_list.h"
#include "language/equation.h"
#include "platform/text/text.h"
#include "language/reader.h"

namespace {

std::string num(double value) { return decimalText(value, 4); }
std::string pair(const UserPoint& p) { return "(" + num(p.x) + "; " + num(p.y) + ")"; }

// The text after the arguments read so far, as a label keeps it.
std::string restText(const ScriptState& state) { return trimControls(state.remaining); }

bool dataForm(const ScriptState& state) {
  const std::string rest = restText(state);
  return !rest.empty() && rest[0] == '*';
}

// Reads `count` points; empty when one is missing.
std::optional<std::vector<UserPoint>> points(ScriptState& state, int count) {
  std::vector<UserPoint> read;
  for (int i = 0; i < count; ++i) {
    const auto p = readPoint(state);
    if (!p) return std::nullopt;
    read.push_back(*p);
  }
  return read;
}

std::string pointList(ScriptState& state, const std::string& what) {
  if (dataForm(state)) return what + " pelos pontos dos dados";
  std::vector<UserPoint> read;
  while (read.size() < 21) {
    const auto p = readPoint(state);
    if (!p) break;
    read.push_back(*p);
  }
  if (read.empty()) return {};
  std::string text = what + " por " + std::to_string(read.size()) + (read.size() == 1 ? " ponto: " : " pontos: ");
  for (size_t i = 0; i < read.size(); ++i) text += (i == 0 ? "" : ", ") + pair(read[i]);
  return text;
}

// "x de A a B, y de C a D" from two pairs read as (A, B) and (C, D).
std::string rangesText(const std::vector<UserPoint>& p) {
  return "x de " + num(p[0].x) + " a " + num(p[0].y) + ", y de " + num(p[1].x) + " a " + num(p[1].y);
}

// A rectangle from its corner and the pair (width, height).
std::string rectangleText(const std::vector<UserPoint>& p) {
  return "ret\xe2ngulo de canto " + pair(p[0]) + ", largura " + num(p[1].x) + " e altura " + num(p[1].y);
}

// "what de (a) a (b)" for the commands of two points.
std::string fromTo(ScriptState& s, const std::string& what) {
  const auto p = points(s, 2);
  return p ? what + " de " + pair((*p)[0]) + " a " + pair((*p)[1]) : std::string();
}

std::string penText(ScriptState& s) {
  static const char* const kStyles[] = {"cont\xednua", "pontilhada", "tracejada"};
  static const char* const kColours[] = {"preta", "vermelha", "azul"};
  const int level = s.remaining.empty() ? 1 : readInteger(s).value_or(1);
  const int style = readInteger(s).value_or(1), colour = readInteger(s).value_or(1);
  auto pick = [](int value, int top) { return value < 1 || value > top ? 0 : value - 1; };
  return "caneta de espessura " + std::to_string(level < 1 || level > 5 ? 1 : level) + ", " + kStyles[pick(style, 3)] +
         ", " + kColours[pick(colour, 3)];
}

// The ink text settings draw nothing to speak of.
std::string describesNothing(ScriptState&) { return {}; }

// Each command's description, in the order of the command list.
struct Describer {
  const char* code;
  std::string (*describe)(ScriptState& state);
};

constexpr Describer kDescribers[] = {
    {"DM", [](ScriptState& s) {
       const auto p = points(s, 2);
       return p ? "dom\xednio: " + rangesText(*p) : std::string();
     }},
    {"CD", [](ScriptState& s) {
       const auto p = points(s, 2);
       return p ? "janela do desenho: " + rangesText(*p) + " da p\xe1gina" : std::string();
     }},
    {"EX", [](ScriptState& s) {
       const auto p = points(s, 2);
       if (!p) return std::string();
       const double step = readNumber(s).value_or(0);
       return "eixo de " + pair((*p)[0]) + " a " + pair((*p)[1]) + (step > 0 ? ", marcas a cada " + num(step) : "");
     }},
    {"GR", [](ScriptState& s) {
       const auto p = points(s, 3);
       return p ? "grade de pontos de " + pair((*p)[0]) + " a " + pair((*p)[1]) + ", passo " + num((*p)[2].x) +
                      " em x e " + num((*p)[2].y) + " em y"
                : std::string();
     }},
    {"PT", [](ScriptState& s) {
       if (dataForm(s)) return std::string("os pontos dos dados");
       const auto p = readPoint(s);
       return p ? "ponto " + pair(*p) : std::string();
     }},
    {"RT", [](ScriptState& s) { return fromTo(s, "segmento"); }},
    {"ST", [](ScriptState& s) { return fromTo(s, "seta"); }},
    {"RG", [](ScriptState& s) {
       const auto p = points(s, 2);
       return p ? rectangleText(*p) : std::string();
     }},
    {"RR", [](ScriptState& s) {
       const auto p = points(s, 2);
       const auto angle = p ? readNumber(s) : std::nullopt;
       return angle ? rectangleText(*p) + ", girado " + num(*angle) + " graus" : std::string();
     }},
    {"PO", [](ScriptState& s) { return pointList(s, "linha poligonal"); }},
    {"CI", [](ScriptState& s) {
       const auto c = readPoint(s);
       const auto r = c ? readNumber(s) : std::nullopt;
       return r ? "c\xedrculo de centro " + pair(*c) + " e raio " + num(*r) : std::string();
     }},
    {"EL", [](ScriptState& s) {
       const auto p = points(s, 2);
       return p ? "elipse de centro " + pair((*p)[0]) + ", raios " + num((*p)[1].x) + " e " + num((*p)[1].y)
                : std::string();
     }},
    {"PA", [](ScriptState& s) {
       const auto p = points(s, 3);
       return p ? "par\xe1" "bola por " + pair((*p)[0]) + ", " + pair((*p)[1]) + " e " + pair((*p)[2]) : std::string();
     }},
    {"CV", [](ScriptState& s) { return pointList(s, "curva"); }},
    {"PN", [](ScriptState& s) {
       const auto degree = readInteger(s);
       if (!degree || *degree < 0 || *degree > 20) return std::string();
       for (int k = 0; k <= *degree; ++k) {
         if (!readNumber(s)) return std::string();
       }
       const auto from = readNumber(s);
       const auto to = from ? readNumber(s) : std::nullopt;
       return to ? "polin\xf4mio de grau " + std::to_string(*degree) + ", de x = " + num(*from) + " a x = " + num(*to)
                 : std::string();
     }},
    {"EQ", [](ScriptState& s) {
       const EquationText eq = splitEquation(restText(s));
       if (eq.expression.empty()) return std::string();
       return "gr\xe1" "fico de y = " + eq.expression + (eq.hasInterval ? ", de x = " + eq.from + " a x = " + eq.to : "");
     }},
    {"LD", [](ScriptState& s) { return "dados do arquivo " + restText(s); }},
    {"HI", [](ScriptState& s) {
       const auto base = readPoint(s);
       const auto width = base ? readNumber(s) : std::nullopt;
       if (!width) return std::string();
       int bars = 0;
       while (bars < 21 && readNumber(s)) ++bars;
       return "histograma de " + std::to_string(bars) + (bars == 1 ? " barra" : " barras") + " de largura " +
              num(*width) + " a partir de " + pair(*base);
     }},
    {"TB", [](ScriptState& s) {
       const auto at = readPoint(s);
       return at ? "r\xf3tulo em braille em " + pair(*at) + ": " + restText(s) : std::string();
     }},
    {"TX", [](ScriptState& s) {
       const auto at = readPoint(s);
       return at ? "texto em tinta em " + pair(*at) + ": " + restText(s) : std::string();
     }},
    {"CC", penText},
    {"CT", describesNothing},
};
static_assert(followsCommandList(kDescribers), "every command of the list has its description, in the list's order");

}  // namespace

std::vector<std::string> describeCommandLines(const std::vector<std::string>& lines) {
  std::vector<std::string> out(lines.size());
  ScriptState state;
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string line = trimControls(lines[i]);
    if (line.size() < 2 || line[0] == ';') continue;
    state.lineIndex = static_cast<int>(i);
    state.remaining = line.substr(2);
    const int command = lineCommandIndex(line);
    if (command >= 0) out[i] = kDescribers[command].describe(state);
  }
  return out;
}
