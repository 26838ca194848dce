// runScript: the reset, the line loop and the dispatch. Handlers live in commands.cpp.
#include "language/interpreter.h"

#include "platform/text/text.h"
#include "messages/messages.h"
#include "language/commands.h"
#include "language/reader.h"
#include "project/project.h"
#include "render/drawing_state.h"
#include "render/figures.h"
#include "render/page.h"

namespace {

// A fault in a few words, for the report of its line.
std::string renderFaultReason(RenderFault fault) {
  switch (fault) {
    case RenderFault::None:
      return {};
    case RenderFault::NoSurface:
      return messageText("PXFLTSUPER");
    case RenderFault::EmptyDomain:
      return messageText("PXFLTDOMIN");
    case RenderFault::OutOfRange:
      return messageText("PXFLTALCAN");
  }
  return {};
}

}  // namespace

ScriptOutcome runScript(Page& page, const std::vector<std::string>& lines, const ScriptReports& reports) {
  ScriptState state;
  resetDrawing(page);
  for (size_t i = 0; i < lines.size(); ++i) {
    state.lineIndex = static_cast<int>(i);
    if (lines[i].size() > kMaxScriptLineLength) {
      if (reports.lineError) reports.lineError(state.lineIndex, lines[i], {});
      return ScriptOutcome::LineError;
    }
    const std::string line = trimControls(lines[i]);
    if (line.empty() || line[0] == ';') continue;
    state.command = toUpperText(line.substr(0, 2));
    state.remaining = line.size() > 2 ? line.substr(2) : std::string();
    state.errorReason.clear();
    if (reports.lineStarts) reports.lineStarts(state.lineIndex);
    if (const CommandEntry* entry = findCommand(state.command)) {
      CommandRun run{page, state, reports};
      entry->handler(run);
    } else {
      state.error = true;
    }
    if (state.error) {
      if (reports.lineError) reports.lineError(state.lineIndex, lines[i], state.errorReason);
      return ScriptOutcome::LineError;
    }
    if (const RenderFault fault = page.fault; fault != RenderFault::None) {
      if (reports.figureFault) reports.figureFault(state.lineIndex, lines[i], renderFaultReason(fault));
      return ScriptOutcome::FigureFault;
    }
    if (reports.lineEnds) reports.lineEnds(state.lineIndex);
  }
  return ScriptOutcome::Completed;
}

ScriptOutcome runScript(Page& page, const std::vector<std::string>& lines) {
  return runScript(page, lines, spokenScriptReports());
}

void drawProjectOrTestDrawing(Page& page, bool testDrawing) {
  if (testDrawing) {
    renderTestDrawing(page);
  } else {
    runScript(page, commandLines());
  }
}
