// How a run reports its problems: spoken with a key wait in the interactive program,
// written as plain lines in batch runs. Both name the line by its zero-based index and
// show it as stored.
#include <string>

#include "platform/console.h"
#include "platform/speech.h"
#include "platform/text/text.h"
#include "language/interpreter.h"
#include "messages/messages.h"

namespace {

// The line as a report shows it: a line far longer than any command is cut.
std::string shown(const std::string& line) {
  return line.size() > kShownLineLength ? line.substr(0, kShownLineLength) + "..." : line;
}

// The key wait gives the user time to hear and read the report before the picture
// replaces the console.
void speakAtLine(int lineIndex, const std::string& line, std::string_view why, void (*announce)()) {
  for (int i = 0; i < 3; ++i) spkClick();
  announce();
  spkWriteNumber(lineIndex);
  conWriteLine();
  if (!why.empty()) spkWriteLine(why);
  spkWriteLine(shown(line));
  conGetKey();
}

}  // namespace

void reportLineError(int lineIndex, const std::string& line, std::string_view why) {
  speakAtLine(lineIndex, line, why, [] { sayMessage("PX_ERRL", 0); });
}

ScriptReports spokenScriptReports() {
  ScriptReports reports;
  reports.lineError = reportLineError;
  reports.figureFault = [](int lineIndex, const std::string& line, std::string_view why) {
    speakAtLine(lineIndex, line, why, [] { spkWrite(messageText("PXFALHA")); });
  };
  return reports;
}

ScriptReports writtenScriptReports(std::FILE* out) {
  ScriptReports reports;
  reports.lineError = [out](int lineIndex, const std::string& line, std::string_view why) {
    const std::string number = std::to_string(lineIndex);
    writeTextLine(out, why.empty() ? withValues(messageText("PXERRLINT"), {number, shown(line)})
                                   : withValues(messageText("PXERRLINR"), {number, shown(line), why}));
  };
  reports.figureFault = [out](int lineIndex, const std::string& line, std::string_view why) {
    writeTextLine(out, withValues(messageText("PXFALHAR"), {std::to_string(lineIndex), why, shown(line)}));
  };
  return reports;
}
