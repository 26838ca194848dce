// The command handlers. Each reads its arguments in the order of its syntax and stops
// at the first reader that gives nothing; what it drew before that stays.
#include "language/commands.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <span>

#include "language/braille_label.h"
#include "language/command_list.h"
#include "language/data_points.h"
#include "language/datafile.h"
#include "language/equation.h"
#include "render/drawing_state.h"
#include "render/figures.h"
#include "render/page.h"

namespace {

using Points = std::array<UserPoint, kMaxFigurePoints>;

// Reads `count` pairs into `out`; false at the first missing or bad one.
bool readPoints(ScriptState& state, UserPoint* out, int count) {
  for (int i = 0; i < count; ++i) {
    const auto point = readPoint(state);
    if (!point) return false;
    out[i] = *point;
  }
  return true;
}

// Reads pairs until one is missing or the list is full; returns how many were read.
int readPointList(ScriptState& state, Points& points) {
  int count = 0;
  while (count < kMaxFigurePoints) {
    const auto point = readPoint(state);
    if (!point) break;
    points[count++] = *point;
  }
  return count;
}

// The "*" form: the command works on the loaded data points instead of pairs.
bool usesDataPoints(const ScriptState& state) {
  const std::string rest = trimControls(state.remaining);
  return !rest.empty() && rest[0] == '*';
}

void drawCurveThrough(Page& page, const UserPoint* points, int count) {
  std::array<double, kMaxFigurePoints> xs{}, ys{};
  for (int i = 0; i < count; ++i) {
    xs[i] = points[i].x;
    ys[i] = points[i].y;
  }
  drawInterpolatedCurve(page, std::span(xs.data(), count), std::span(ys.data(), count));
}

// The label text: what follows the pair, trailing controls removed; a leading blank
// stays, as the Braille translation gives it a meaning.
std::string labelText(const ScriptState& state) {
  std::string text = state.remaining;
  while (!text.empty() && static_cast<unsigned char>(text.back()) <= 32) text.pop_back();
  return text;
}

// The commands that read two pairs and hand them on as four numbers in reading order.
template <auto draw>
void twoPairCommand(CommandRun& run) {
  UserPoint p[2];
  if (readPoints(run.state, p, 2)) draw(run.page, p[0].x, p[0].y, p[1].x, p[1].y);
}

// "DM xmin xmax ymin ymax" and "CD xa xb ya yb" list their values in another order than
// the operations take them.
RenderFault domainFromPairs(Page& page, double xMin, double xMax, double yMin, double yMax) {
  return setDomain(page, xMin, yMin, xMax, yMax);
}

RenderFault windowFromPairs(Page& page, double xa, double xb, double ya, double yb) {
  return setWindow(page, xa, yb, xb, ya);
}

void commandAxis(CommandRun& run) {
  UserPoint p[2];
  if (!readPoints(run.state, p, 2)) return;
  // A bad tick step is reported, but the axis itself is still drawn.
  drawAxis(run.page, p[0].x, p[0].y, p[1].x, p[1].y, readNumber(run.state).value_or(0));
}

void commandGrid(CommandRun& run) {
  UserPoint p[3];
  if (readPoints(run.state, p, 3)) drawGrid(run.page, p[0].x, p[0].y, p[1].x, p[1].y, p[2].x, p[2].y);
}

void commandPoint(CommandRun& run) {
  if (usesDataPoints(run.state)) {
    const DataPointList& data = dataPoints();
    for (int i = 0; i < data.count && run.page.fault == RenderFault::None; ++i) {
      if (!data.bad[i]) drawPoint(run.page, data.x[i], data.y[i]);
    }
    return;
  }
  if (const auto p = readPoint(run.state)) drawPoint(run.page, p->x, p->y);
}

void commandRotatedRectangle(CommandRun& run) {
  UserPoint p[2];
  if (!readPoints(run.state, p, 2)) return;
  if (const auto angle = readNumber(run.state)) drawRotatedRectangle(run.page, p[0].x, p[0].y, p[1].x, p[1].y, *angle);
}

void commandPolyline(CommandRun& run) {
  if (usesDataPoints(run.state)) {
    const DataPointList& data = dataPoints();
    // A bad place breaks the polyline: no segment goes to it or from it.
    for (int i = 1; i < data.count && run.page.fault == RenderFault::None; ++i) {
      if (!data.bad[i - 1] && !data.bad[i]) drawLine(run.page, data.x[i - 1], data.y[i - 1], data.x[i], data.y[i]);
    }
    return;
  }
  UserPoint previous{};
  for (int count = 0; count < kMaxFigurePoints; ++count) {
    const auto point = readPoint(run.state);
    if (!point) return;
    if (count > 0) drawLine(run.page, previous.x, previous.y, point->x, point->y);
    previous = *point;
  }
}

void commandCircle(CommandRun& run) {
  const auto centre = readPoint(run.state);
  if (!centre) return;
  const auto radius = readNumber(run.state);
  if (radius && *radius >= 0) drawCircle(run.page, centre->x, centre->y, *radius);
}

void commandParabola(CommandRun& run) {
  UserPoint p[3];
  if (!readPoints(run.state, p, 3)) return;
  std::stable_sort(p, p + 3, [](const UserPoint& a, const UserPoint& b) { return a.x < b.x; });
  drawCurveThrough(run.page, p, 3);
}

void commandCurve(CommandRun& run) {
  Points points;
  int count = 0;
  if (usesDataPoints(run.state)) {
    // The curve takes at most 21 nodes; a longer list is drawn through its first 21 good
    // points, as a line of pairs is cut after its 21st.
    const DataPointList& data = dataPoints();
    for (int i = 0; i < data.count && count < kMaxFigurePoints; ++i) {
      if (!data.bad[i]) points[count++] = {data.x[i], data.y[i]};
    }
  } else {
    count = readPointList(run.state, points);
  }
  if (count >= 2) drawCurveThrough(run.page, points.data(), count);
}

void commandPolynomial(CommandRun& run) {
  const auto degree = readInteger(run.state);
  // The coefficients have places for powers 0 to 20 only; any other degree is refused
  // as silently as a missing argument.
  if (!degree || *degree < 0 || *degree > kMaxPolynomialDegree) return;
  std::array<double, kMaxFigurePoints> coefficients{};
  for (int power = *degree; power >= 0; --power) {
    const auto c = readNumber(run.state);
    if (!c) return;
    coefficients[power] = *c;
  }
  const auto from = readNumber(run.state);
  if (!from) return;
  const auto to = readNumber(run.state);
  if (!to) return;
  drawPolynomial(run.page, *degree, std::span(coefficients.data(), *degree + 1), *from, *to);
}

void commandEquation(CommandRun& run) {
  Equation equation = readEquation(trimControls(run.state.remaining));
  if (!equation.function) {
    run.state.error = true;
    run.state.errorReason = equation.reason;
    return;
  }
  // Without an interval the curve spans the domain.
  const DrawingState& domain = run.page.state;
  const double from = equation.from.value_or(domain.xMin), to = equation.to.value_or(domain.xMax);
  drawFunctionCurve(run.page, [&equation](double x) { return equation.function->at(x); }, from, to);
}

void commandLoadData(CommandRun& run) {
  loadDataFile(trimControls(run.state.remaining), run.reports.dataMessage, run.reports.dataFileRead);
}

void commandHistogram(CommandRun& run) {
  const auto base = readPoint(run.state);
  if (!base) return;
  const auto width = readNumber(run.state);
  if (!width) return;
  std::array<double, kMaxFigurePoints> heights{};
  int count = 0;
  while (count < kMaxFigurePoints) {
    const auto h = readNumber(run.state);
    if (!h) break;
    heights[count++] = *h;
  }
  if (count > 0) drawHistogram(run.page, std::span(heights.data(), count), base->x, base->y, *width);
}

// Sets the run's Braille code; a name that stands for no code is a line error.
bool useBrailleCode(ScriptState& state, const std::string& name) {
  BrailleCodeProblem problem;
  state.brailleCode = findBrailleCode(name, &problem);
  if (state.brailleCode) return true;
  state.error = true;
  state.errorReason = brailleCodeProblemText(name, problem);
  return false;
}

void commandBraille(CommandRun& run) {
  const auto at = readPoint(run.state);
  if (!at) return;
  const std::string text = labelText(run.state);
  if (text.empty()) return;
  if (!run.state.brailleCode && !useBrailleCode(run.state, startingBrailleCodeName())) return;
  drawBrailleLabel(run.page, at->x, at->y, text, *run.state.brailleCode);
}

void commandBrailleCode(CommandRun& run) { useBrailleCode(run.state, trimControls(run.state.remaining)); }

void commandText(CommandRun& run) {
  if (run.page.style.textAsBraille) return commandBraille(run);
  const auto at = readPoint(run.state);
  if (!at) return;
  const std::string text = labelText(run.state);
  if (text.empty()) return;
  // A position that can't be mapped must not draw the text at some fallback pixel.
  RenderFault why = RenderFault::None;
  const auto column = tryMapX(run.page, at->x, &why);
  const auto row = tryMapY(run.page, at->y, &why);
  if (column && row) {
    drawInkText(run.page, *column, *row, text);
  } else {
    raiseRenderFault(run.page, why);
  }
}

void commandPen(CommandRun& run) {
  const int level = readInteger(run.state).value_or(0);
  const int style = readInteger(run.state).value_or(0);
  const int colour = readInteger(run.state).value_or(0);
  setPen(run.page, level, style, colour);
}

void commandIgnored(CommandRun&) {}

// Each command's reading and drawing, in the order of the command list.
struct CommandHandler {
  const char* code;
  void (*handler)(CommandRun& run);
};

constexpr CommandHandler kHandlers[] = {
    {"DM", twoPairCommand<domainFromPairs>},
    {"CD", twoPairCommand<windowFromPairs>},
    {"EX", commandAxis},
    {"GR", commandGrid},
    {"PT", commandPoint},
    {"RT", twoPairCommand<drawLine>},
    {"ST", twoPairCommand<drawArrow>},
    {"RG", twoPairCommand<drawRectangle>},
    {"RR", commandRotatedRectangle},
    {"PO", commandPolyline},
    {"CI", commandCircle},
    {"EL", twoPairCommand<drawEllipse>},
    {"PA", commandParabola},
    {"CV", commandCurve},
    {"PN", commandPolynomial},
    {"EQ", commandEquation},
    {"LD", commandLoadData},
    {"HI", commandHistogram},
    {"TB", commandBraille},
    {"TX", commandText},
    {"CC", commandPen},
    {"CT", commandIgnored},
    {"CB", commandBrailleCode},
};
static_assert(followsCommandList(kHandlers), "every command of the list has its handler, in the list's order");

constexpr auto kCommands = [] {
  std::array<CommandEntry, std::size(kHandlers)> entries{};
  for (size_t i = 0; i < entries.size(); ++i) {
    entries[i] = {kCommandList[i].code, kCommandList[i].nameKey, kHandlers[i].handler};
  }
  return entries;
}();

}  // namespace

std::span<const CommandEntry> commandTable() { return kCommands; }

const CommandEntry* findCommand(std::string_view mnemonic) {
  const int index = commandIndex(mnemonic);
  return index < 0 ? nullptr : &kCommands[static_cast<size_t>(index)];
}
