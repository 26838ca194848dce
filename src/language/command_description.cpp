#include "language/command_description.h"

#include <optional>

#include "language/command_list.h"
#include "language/equation.h"
#include "platform/text/text.h"
#include "messages/messages.h"
#include "language/reader.h"

namespace {

std::string num(double value) { return decimalText(value, 4); }
std::string pair(const UserPoint& p) { return withValues(messageText("PXDSPAR"), {num(p.x), num(p.y)}); }

// The catalogue's text of `key` with the values.
std::string told(const char* key, std::initializer_list<std::string_view> values) {
  return withValues(messageText(key), values);
}

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

// A line through points, in the sentences of `keys`: through the data, through one
// point, through more.
struct PointListKeys {
  const char* data;
  const char* one;
  const char* more;
};

std::string pointList(ScriptState& state, const PointListKeys& keys) {
  if (dataForm(state)) return messageText(keys.data);
  std::vector<UserPoint> read;
  while (read.size() < 21) {
    const auto p = readPoint(state);
    if (!p) break;
    read.push_back(*p);
  }
  if (read.empty()) return {};
  std::string list;
  for (size_t i = 0; i < read.size(); ++i) list += (i == 0 ? "" : ", ") + pair(read[i]);
  return told(read.size() == 1 ? keys.one : keys.more, {std::to_string(read.size()), list});
}

// The sentence of `key` with the ranges of x and y, from two pairs read as (A, B) and (C, D).
std::string rangesText(const char* key, const std::vector<UserPoint>& p) {
  return told(key, {num(p[0].x), num(p[0].y), num(p[1].x), num(p[1].y)});
}

// The sentence of `key` with a figure from two points.
std::string fromTo(ScriptState& s, const char* key) {
  const auto p = points(s, 2);
  return p ? told(key, {pair((*p)[0]), pair((*p)[1])}) : std::string();
}

std::string penText(ScriptState& s) {
  static const char* const kStyles[] = {"PXDSCONT", "PXDSPONTI", "PXDSTRAC"};
  static const char* const kColours[] = {"PXDSPRETA", "PXDSVERM", "PXDSAZUL"};
  const int level = s.remaining.empty() ? 1 : readInteger(s).value_or(1);
  const int style = readInteger(s).value_or(1), colour = readInteger(s).value_or(1);
  auto pick = [](int value, int top) { return value < 1 || value > top ? 0 : value - 1; };
  return told("PXDSCC", {std::to_string(level < 1 || level > 5 ? 1 : level), messageText(kStyles[pick(style, 3)]),
                         messageText(kColours[pick(colour, 3)])});
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
       return p ? rangesText("PXDSDM", *p) : std::string();
     }},
    {"CD", [](ScriptState& s) {
       const auto p = points(s, 2);
       return p ? rangesText("PXDSCD", *p) : std::string();
     }},
    {"EX", [](ScriptState& s) {
       const auto p = points(s, 2);
       if (!p) return std::string();
       const double step = readNumber(s).value_or(0);
       return step > 0 ? told("PXDSEXM", {pair((*p)[0]), pair((*p)[1]), num(step)})
                       : told("PXDSEX", {pair((*p)[0]), pair((*p)[1])});
     }},
    {"GR", [](ScriptState& s) {
       const auto p = points(s, 3);
       return p ? told("PXDSGR", {pair((*p)[0]), pair((*p)[1]), num((*p)[2].x), num((*p)[2].y)}) : std::string();
     }},
    {"PT", [](ScriptState& s) {
       if (dataForm(s)) return messageText("PXDSPTDAD");
       const auto p = readPoint(s);
       return p ? told("PXDSPT", {pair(*p)}) : std::string();
     }},
    {"RT", [](ScriptState& s) { return fromTo(s, "PXDSRT"); }},
    {"ST", [](ScriptState& s) { return fromTo(s, "PXDSST"); }},
    {"RG", [](ScriptState& s) {
       const auto p = points(s, 2);
       return p ? told("PXDSRG", {pair((*p)[0]), num((*p)[1].x), num((*p)[1].y)}) : std::string();
     }},
    {"RR", [](ScriptState& s) {
       const auto p = points(s, 2);
       const auto angle = p ? readNumber(s) : std::nullopt;
       return angle ? told("PXDSRR", {pair((*p)[0]), num((*p)[1].x), num((*p)[1].y), num(*angle)}) : std::string();
     }},
    {"PO", [](ScriptState& s) { return pointList(s, {"PXDSPODAD", "PXDSPO1", "PXDSPON"}); }},
    {"CI", [](ScriptState& s) {
       const auto c = readPoint(s);
       const auto r = c ? readNumber(s) : std::nullopt;
       return r ? told("PXDSCI", {pair(*c), num(*r)}) : std::string();
     }},
    {"EL", [](ScriptState& s) {
       const auto p = points(s, 2);
       return p ? told("PXDSEL", {pair((*p)[0]), num((*p)[1].x), num((*p)[1].y)}) : std::string();
     }},
    {"PA", [](ScriptState& s) {
       const auto p = points(s, 3);
       return p ? told("PXDSPA", {pair((*p)[0]), pair((*p)[1]), pair((*p)[2])}) : std::string();
     }},
    {"CV", [](ScriptState& s) { return pointList(s, {"PXDSCVDAD", "PXDSCV1", "PXDSCVN"}); }},
    {"PN", [](ScriptState& s) {
       const auto degree = readInteger(s);
       if (!degree || *degree < 0 || *degree > 20) return std::string();
       for (int k = 0; k <= *degree; ++k) {
         if (!readNumber(s)) return std::string();
       }
       const auto from = readNumber(s);
       const auto to = from ? readNumber(s) : std::nullopt;
       return to ? told("PXDSPN", {std::to_string(*degree), num(*from), num(*to)}) : std::string();
     }},
    {"EQ", [](ScriptState& s) {
       const EquationText eq = splitEquation(restText(s));
       if (eq.expression.empty()) return std::string();
       return eq.hasInterval ? told("PXDSEQI", {eq.expression, eq.from, eq.to}) : told("PXDSEQ", {eq.expression});
     }},
    {"LD", [](ScriptState& s) { return told("PXDSLD", {restText(s)}); }},
    {"HI", [](ScriptState& s) {
       const auto base = readPoint(s);
       const auto width = base ? readNumber(s) : std::nullopt;
       if (!width) return std::string();
       int bars = 0;
       while (bars < 21 && readNumber(s)) ++bars;
       return told(bars == 1 ? "PXDSHI1" : "PXDSHIN", {std::to_string(bars), num(*width), pair(*base)});
     }},
    {"TB", [](ScriptState& s) {
       const auto at = readPoint(s);
       return at ? told("PXDSTB", {pair(*at), restText(s)}) : std::string();
     }},
    {"TX", [](ScriptState& s) {
       const auto at = readPoint(s);
       return at ? told("PXDSTX", {pair(*at), restText(s)}) : std::string();
     }},
    {"CC", penText},
    {"CT", describesNothing},
    {"CB", [](ScriptState& s) { return told("PXDSCB", {restText(s)}); }},
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
