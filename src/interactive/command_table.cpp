// The rows of the command table. Each asks for its values and assembles its line as the
// command language reads it. A field of numbers or points refuses a word that is not one
// (the user stays on it), but values reach the line as typed (points with their
// prefixes, decimal commas) and in any count: only the interpreter judges the whole line
// when the drawing is run.
#include "interactive/command_table.h"

#include <cstdint>
#include <iterator>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/console.h"
#include "widgets/editing/editing.h"
#include "widgets/forms/askkey.h"
#include "widgets/forms/form.h"
#include "platform/keys.h"
#include "platform/speech.h"
#include "platform/text/utf8.h"
#include "interactive/builder_steps.h"
#include "language/braille_code.h"
#include "language/command_list.h"
#include "language/expression_text.h"
#include "language/reader.h"
#include "messages/messages.h"
#include "project/project.h"

namespace {

constexpr int kFieldWidth = 30;
constexpr int kPenFieldWidth = 10, kPenChoiceWidth = 15, kTextFieldWidth = 80;
constexpr int kPointEditLength = 30;

// What a field holds: number words, points (number words and point markers), or
// anything (a text, a choice).
enum class Holds : uint8_t { Numbers, Points, Anything };

struct FieldSpec {
  FieldSpec(std::string k, Holds h = Holds::Numbers, std::string l = {}, int w = kFieldWidth,
            std::string c = {})
      : key(std::move(k)), holds(h), labelKey(std::move(l)), width(w), choices(std::move(c)) {}
  std::string key;
  Holds holds;
  std::string labelKey;  // the field's own key when empty
  int width;
  std::string choices;  // items separated by "|"; empty for a text field
  bool blankable = false;  // may stay empty in a whole line ("deixe em branco")
  FormChooser chooser;     // asked on F9 instead of the choices, when set
};

FieldSpec point(std::string key) { return {std::move(key), Holds::Points}; }
FieldSpec blankable(FieldSpec field) {
  field.blankable = true;
  return field;
}

bool accepts(Holds holds, const std::string& value) {
  return holds == Holds::Anything || readsAsNumbers(value, holds == Holds::Points);
}

void sayInvalidValue(const std::string& value) { spkWriteLine(withValues(messageText("PXVALINVS"), {value})); }

bool isBlank(const std::string& value) { return trimBlanks(value).empty(); }

// After Esc: a value its field refuses is said and dropped; then, when something was
// typed but a field that a whole line needs is empty, the user is asked whether the
// incomplete line goes in. False when it does not.
bool keepAfterEsc(const std::vector<FieldSpec>& fields, std::vector<std::string>& values) {
  bool typed = false, missing = false;
  for (size_t i = 0; i < fields.size(); ++i) {
    if (!accepts(fields[i].holds, values[i])) {
      sayInvalidValue(values[i]);
      values[i].clear();
    }
    typed = typed || !isBlank(values[i]);
    missing = missing || (!fields[i].blankable && isBlank(values[i]));
  }
  if (!typed || !missing) return true;
  sayMessage("PXINCOMP", 0);
  if (askYesNo()) return true;
  conWriteLine();
  sayMessage("PXDESIST", 2);
  return false;
}

// Runs a form of these fields from the cursor's row and gives back the values as the
// user left them (trailing blanks removed). PgDn, or Esc with every needed field filled
// or nothing typed, gives them all; Esc in a half-filled form asks first
// (keepAfterEsc), and the list comes back empty when the line is not wanted.
std::vector<std::string> askValues(const std::vector<FieldSpec>& fields) {
  std::vector<std::string> values(fields.size());
  formBegin();
  for (size_t i = 0; i < fields.size(); ++i) {
    const FieldSpec& f = fields[i];
    const std::string label = messageText(f.labelKey.empty() ? f.key : f.labelKey);
    if (f.chooser)
      formAddChooserField(f.key, label, values[i], f.width, f.chooser);
    else if (f.choices.empty())
      formAddField(f.key, label, values[i], f.width);
    else
      formAddChoiceField(f.key, label, values[i], f.width, f.choices);
    if (f.holds != Holds::Anything)
      formCheckLastField([holds = f.holds](const std::string& value) { return accepts(holds, value); });
  }
  if (formRun(true) == key::kEsc && !keepAfterEsc(fields, values)) return {};
  return values;
}

std::string T(std::string_view text) { return trimBlanks(text); }

// The values one after the other, a blank between each two.
std::string spaced(const std::vector<std::string>& values, size_t from = 0) {
  std::string text;
  for (size_t i = from; i < values.size(); ++i) {
    if (i > from) text += ' ';
    text += values[i];
  }
  return text;
}

// The first point is needed; the others may stay blank.
std::vector<FieldSpec> fivePoints() {
  return {point("PX_PT1"), blankable(point("PX_PT2")), blankable(point("PX_PT3")),
          blankable(point("PX_PT4")), blankable(point("PX_PT5"))};
}

// "2-PONTILHADA" and the like: the choice's number is the one the pen command reads,
// and so is a number typed in the field; anything goes on by its first character.
std::string penCode(std::string_view value) { return T(value).substr(0, 1); }

// Two blanks become one in a single left-to-right pass, so three blanks become two.
std::string halveBlankPairs(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    out += text[i];
    if (text[i] == ' ' && i + 1 < text.size() && text[i + 1] == ' ') ++i;
  }
  return out;
}

// True when the user wants the points read from a data file (answer S).
bool usesDataFile() {
  sayMessage("PX_QLDADOS", 0);
  return askYesNo();
}

void buildDomain(std::string_view code) {
  const auto v = askValues({{"PX_XMIN"}, {"PX_XMAX"}, {"PX_YMIN"}, {"PX_YMAX"}});
  if (!v.empty()) appendCommandLine(std::string(code) + " " + T(v[0] + " " + v[1]) + " " + T(v[2] + " " + v[3]));
}

void buildContradomain(std::string_view code) {
  sayMessage("PX_0_1", 2);
  const auto v = askValues({{"PX_JXMIN"}, {"PX_JXMAX"}, {"PX_JYMIN"}, {"PX_JYMAX"}});
  if (!v.empty()) appendCommandLine(std::string(code) + " " + T(v[0] + " " + v[1]) + " " + T(v[2] + " " + v[3]));
}

void buildAxis(std::string_view code) {
  const auto v = askValues({{"PX_CINIC"}, {"PX_CFINAL"}, {"PX_ITICK"}});
  if (!v.empty()) appendCommandLine(std::string(code) + " " + T(v[0]) + " " + T(v[1]) + " " + T(v[2]));
}

void buildGrid(std::string_view code) {
  auto v = askValues({{"PX_XMIN"}, {"PX_YMIN"}, {"PX_XMAX"}, {"PX_YMAX"},
                      blankable({"PX_ITICKX"}), blankable({"PX_ITICKY"})});
  if (v.empty()) return;
  for (size_t i = 4; i < 6; ++i)
    if (v[i].empty()) v[i] = "1";
  appendCommandLine(std::string(code) + " " + T(v[0] + " " + v[1]) + " " + T(v[2] + " " + v[3]) +
                    " " + T(v[4] + " " + v[5]));
}

// The point is edited on the prompt's own line, without a form; a value that is no
// point is said and edited again.
void buildPoint(std::string_view code) {
  std::string text;
  for (;;) {
    sayMessage("PX_COORD", 0);
    const int ending = conEditLineToEdge(text, conColumn(), conRow(), true, kPointEditLength);
    conWriteLine();
    if (ending == key::kEsc) {
      sayMessage("PXDESIST", 2);
      return;
    }
    if (accepts(Holds::Points, text)) break;
    sayInvalidValue(text);
  }
  appendCommandLine(std::string(code) + " " + T(text));
}

void buildSegment(std::string_view code) {  // RT and ST
  const auto v = askValues({point("PX_PTI"), point("PX_PTF")});
  if (!v.empty()) appendCommandLine(std::string(code) + " " + T(v[0]) + " " + T(v[1]));
}

void buildRectangle(std::string_view code) {
  const auto v = askValues({{"PX_INFE", Holds::Points, "PX_INDF"}, {"PX_DIME"}});
  if (!v.empty()) appendCommandLine(std::string(code) + " " + T(v[0]) + " " + T(v[1]));
}

void buildRotatedRectangle(std::string_view code) {
  const auto v = askValues({{"PX_INFE", Holds::Points, "PX_INDF"}, {"PX_DIME"}, {"PX_ANG"}});
  if (!v.empty()) appendCommandLine(std::string(code) + " " + T(v[0]) + " " + T(v[1]) + " " + v[2]);
}

// PO and CV: the line "PO *" draws the points read by LD; otherwise up to five points.
// The advice stands on its own lines, so that the form drawn below does not cover it.
void buildPointSeries(std::string_view code) {
  if (usesDataFile()) {
    appendCommandLine(std::string(code) + " *");
    return;
  }
  conWriteLine();
  sayMessage(code == "PO" ? "PX_DEIXBR" : "PX_DEIXBV", 2);
  const auto v = askValues(fivePoints());
  if (!v.empty()) appendCommandLine(T(std::string(code) + " " + spaced(v)));
}

void buildCircle(std::string_view code) {
  const auto v = askValues({point("PX_CENTRO"), {"PX_RAIO"}});
  if (!v.empty()) appendCommandLine(std::string(code) + " " + T(v[0]) + " " + v[1]);
}

void buildEllipse(std::string_view code) {
  const auto v = askValues({point("PX_CENTRO"), {"PX_AELIPS"}, {"PX_BELIPS"}});
  if (!v.empty()) appendCommandLine(std::string(code) + " " + T(v[0]) + " " + T(v[1] + " " + v[2]));
}

void buildParabola(std::string_view code) {
  const auto v = askValues({point("PX_PT1"), point("PX_PT2"), point("PX_PT3")});
  if (!v.empty()) appendCommandLine(std::string(code) + " " + T(v[0]) + " " + T(v[1]) + " " + T(v[2]));
}

// Coefficients left empty stay as blanks between the degree and the next value.
void buildPolynomial(std::string_view code) {
  sayMessage("PX_DEIXBV", 2);
  const auto v = askValues({{"PX_GRAU"}, blankable({"PX_CX4"}), blankable({"PX_CX3"}),
                            blankable({"PX_CX2"}), blankable({"PX_CX1"}), blankable({"PX_CX0"}),
                            {"PX_XMIN"}, {"PX_XMAX"}});
  if (!v.empty()) appendCommandLine(halveBlankPairs(T(std::string(code) + " " + spaced(v))));
}

// F9 in the expression's field: the functions and constants, the chosen one added at
// the end of what was typed.
std::string addExpressionName(const std::string& value) {
  TCampo list;
  for (const ExpressionFunction& f : expressionFunctions()) list.choices += std::string(f.name) + "(x)|";
  list.choices += "pi|e";
  return value + formChooseValue(list);
}

void buildEquation(std::string_view code) {
  FieldSpec expression("PX_YIGUAL", Holds::Anything, "", kTextFieldWidth);
  expression.chooser = addExpressionName;
  const auto v = askValues({expression});
  if (!v.empty()) appendCommandLine(std::string(code) + " y = " + T(v[0]));
}

void buildHistogram(std::string_view code) {
  sayMessage("PX_DEIXBV", 2);
  std::vector<FieldSpec> fields = {point("PX_COORD"), {"PX_LARGB"}};
  for (int bar = 1; bar <= 12; ++bar) {
    FieldSpec field("PX_BR" + std::to_string(bar), Holds::Numbers, "PX_PBR" + std::to_string(bar));
    fields.push_back(bar == 1 ? field : blankable(field));
  }
  const auto v = askValues(fields);
  if (!v.empty()) appendCommandLine(T(std::string(code) + " " + T(v[0]) + " " + v[1] + " " + spaced(v, 2)));
}

// The data file's name is read on a line of its own; Esc there leaves it empty, and the
// line is refused as incomplete.
void buildDataRead(std::string_view code) {
  sayMessage("PXNOMEARQ", 1);
  appendCommandLine(std::string(code) + " " + conReadLine());
}

void buildPen(std::string_view code) {
  // Every value of the pen has a default: none is needed.
  const auto v = askValues(
      {blankable({"PX_LARG", Holds::Numbers, "", kPenFieldWidth}),
       blankable({"PX_ESTILO", Holds::Anything, "PX_estilo", kPenChoiceWidth, "1-NORMAL|2-PONTILHADA|3-TRACEJADA"}),
       blankable({"PX_COR", Holds::Anything, "", kPenChoiceWidth, "1-PRETA|2-VERMELHA|3-AZUL"})});
  if (v.empty()) return;
  const std::string width = T(v[0]);
  appendCommandLine(std::string(code) + " " + (width.empty() ? "1" : width.substr(0, 1)) + " " +
                    penCode(v[1]) + " " + penCode(v[2]));
}

// The name of the Braille code a label added at the end is written in: the last CB's,
// else the code labels start in.
std::string brailleCodeAtTheEnd() {
  const std::vector<std::string>& lines = commandLines();
  for (auto line = lines.rbegin(); line != lines.rend(); ++line) {
    if (lineCommandIndex(*line) == commandIndex("CB")) return trimControls(trimControls(*line).substr(2));
  }
  return startingBrailleCodeName();
}

// Tells, after a Braille label is added, what its code cannot write, or why the code
// cannot be had: the drawing would not show it, and the author should hear it now.
void sayWhatTheCodeCannotWrite(const std::string& text) {
  const std::string name = brailleCodeAtTheEnd();
  BrailleCodeProblem problem;
  if (const std::optional<BrailleCode> code = findBrailleCode(name, &problem)) {
    if (const char32_t c = translateBraille(*code, text).withoutCell)
      spkWriteLine(withValues(messageText("PXTBSEMBR"), {utf8Of(c), code->name}));
  } else {
    spkWriteLine(brailleCodeProblemText(name, problem));
  }
}

void buildText(std::string_view code) {  // TB and TX
  const auto v = askValues({point("PX_COORD"), {"PX_TEXTO", Holds::Anything, "", kTextFieldWidth}});
  if (!v.empty() && appendCommandLine(std::string(code) + " " + T(v[0]) + " " + v[1]) && code == "TB")
    sayWhatTheCodeCannotWrite(v[1]);
}

// The ink text settings have no form yet; the bare code is refused as incomplete.
void buildInkTextSettings(std::string_view code) {
  sayNotImplemented();
  appendCommandLine(std::string(code));
}

// The codes' short names are offered; the field takes any table's file name as well.
void buildBrailleCode(std::string_view code) {
  std::string names;
  for (const BrailleCodeName& name : kBrailleCodeNames) (names += names.empty() ? "" : "|") += name.shortName;
  const auto v = askValues({{"PX_CODIGO", Holds::Anything, "", kFieldWidth, names}});
  if (!v.empty()) appendCommandLine(std::string(code) + " " + T(v[0]));
}

// Each command's form, in the order of the command list, which holds its title.
struct CommandRow {
  const char* code;
  void (*build)(std::string_view code);
};

constexpr CommandRow kCommandRows[] = {
    {"DM", buildDomain},
    {"CD", buildContradomain},
    {"EX", buildAxis},
    {"GR", buildGrid},
    {"PT", buildPoint},
    {"RT", buildSegment},
    {"ST", buildSegment},
    {"RG", buildRectangle},
    {"RR", buildRotatedRectangle},
    {"PO", buildPointSeries},
    {"CI", buildCircle},
    {"EL", buildEllipse},
    {"PA", buildParabola},
    {"CV", buildPointSeries},
    {"PN", buildPolynomial},
    {"EQ", buildEquation},
    {"LD", buildDataRead},
    {"HI", buildHistogram},
    {"TB", buildText},
    {"TX", buildText},
    {"CC", buildPen},
    {"CT", buildInkTextSettings},
    {"CB", buildBrailleCode},
};
static_assert(followsCommandList(kCommandRows), "every command of the list has its builder form, in the list's order");

}  // namespace

bool runCommandRow(std::string_view code) {
  const int command = commandIndex(code);
  if (command < 0) return false;
  announceForm(kCommandList[command].titleKey);
  kCommandRows[command].build(code);
  return true;
}
