#pragma once
// The interpreter: runs a command script onto a page. The caller has prepared the page
// for its device, and uses it afterwards whether or not the run ended early.
#include <cstdio>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text/file_read.h"

struct Page;

// How a run tells its user about problems. Interactive runs speak and wait for a key;
// batch runs write to standard error and never wait. Lines are passed as stored in the
// list, indices zero-based.
struct ScriptReports {
  // An unknown command or a number that does not convert; the run ends after it. `why`
  // is empty, or says what is wrong when the command knows it (an EQ expression).
  std::function<void(int lineIndex, const std::string& line, std::string_view why)> lineError;
  // A figure the surface could not draw (a coordinate beyond 32 bits, a domain without
  // width or height), with a short description of why; the run ends after it.
  std::function<void(int lineIndex, const std::string& line, std::string_view why)> figureFault;
  // When set, the data files' own messages (a missing file, bad lines) come here
  // instead of being heard.
  std::function<void(const std::string& text)> dataMessage;
  // When set, told of each data file that is opened, with its name as the line gives
  // it, so that a caller can keep its outputs off the files the run reads.
  std::function<void(std::string_view name, const FileIdentity& file)> dataFileRead;
  // When set, called before and after each line that runs (not blank lines or
  // comments; a line that ends the run with an error is not ended).
  std::function<void(int lineIndex)> lineStarts, lineEnds;
};

// The interactive report of a line error: three clicks, "Erro na linha " and the index,
// the reason when there is one, the line as stored, then a wait for any key.
void reportLineError(int lineIndex, const std::string& line, std::string_view why = {});

// reportLineError and its like for a figure that can't be drawn.
ScriptReports spokenScriptReports();
// One line of UTF-8 text per report ("Erro na linha N: LINE"), nothing heard, no wait.
ScriptReports writtenScriptReports(std::FILE* out);

// A longer line is a line error, refused before it is read: no command needs more than a
// few hundred characters, and reading a line copies it. Reports show a line's first
// kShownLineLength characters and "..." after them.
constexpr size_t kMaxScriptLineLength = 65536;
constexpr size_t kShownLineLength = 300;

// What the run ended with.
enum class ScriptOutcome { Completed, LineError, FigureFault };

ScriptOutcome runScript(Page& page, const std::vector<std::string>& lines, const ScriptReports& reports);
// The interactive run, with the spoken reports.
ScriptOutcome runScript(Page& page, const std::vector<std::string>& lines);

// What the output options draw on the page they prepared: the test drawing, or the
// project's command lines in the interactive run.
void drawProjectOrTestDrawing(Page& page, bool testDrawing);
