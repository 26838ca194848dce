#pragma once
// What the batch commands (render, print) share: the script read from a file or from
// standard input, and a run in which nothing is heard.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "language/interpreter.h"
#include "platform/text/outcome.h"
#include "render/page.h"

// The exit statuses of the batch commands: kBatchReported whenever the drawing wrote
// anything to standard error (render counts all it writes there, print what is written
// while the drawing is made, not the printer's own answers).
constexpr int kBatchDone = 0, kBatchReported = 1, kBatchFailed = 2;

// Writes "pontelix COMMAND: MESSAGE" to standard error; returns kBatchFailed.
int batchFailure(std::string_view command, const std::string& message);

// Runs a batch command's body. Running out of memory on the way ends it with the reason
// on standard error and kBatchFailed, never with an abort.
int runGuardedBatch(std::string_view command, const std::function<int()>& body);

// For a command line that is not to be run: on a usage error writes the error and the
// usage to standard error and returns kBatchFailed; for --help writes the usage to
// standard output and returns kBatchDone. -1 when the command is to run.
int answerBatchUsage(std::string_view command, bool parsed, bool help, const std::string& error, const std::string& usage);

// What every batch command line has besides its own options.
struct BatchRequest {
  bool testDrawing = false;
  bool landscape = false;
  std::string script;  // "-" for standard input; empty with the test drawing
  // The embosser page as the command line gives it (UTF-8, empty when not given):
  // --embosser-page, --cells, --lines, --braille-mode.
  std::string embosserPage, cells, lines, brailleMode;
  // The width of a tactile line in millimetres (--line-width), empty when not given.
  std::string lineWidth;
  // The Braille code of labels where the script has no CB (--code), empty when not given.
  std::string brailleCode;
};

// Walks the arguments after the command's name (argv[0]). --help (-h) ends the walk
// with help set. The embosser page options are taken into the request. Every plain word ("-" included) and every word after "--" is added to
// `scripts`. Any option but --help, --test-drawing and --landscape goes to `option`
// with its index, which it may move on past a value of its own; it returns false, with
// `error` set when it has a reason, for an option it does not take. False with `error`
// set (UTF-8) on a usage error.
using BatchOption = std::function<bool(int& index, std::string_view arg, std::string& error)>;
bool walkBatchArguments(int argc, char** argv, BatchRequest& request, bool& help, std::vector<std::string>& scripts,
                        const BatchOption& option, std::string& error);

class BatchReports;
// The embosser sheet: the page named on the command line, else Tramel.ini's, then the
// cells, lines and mode given there; "Personalizada" takes Tramel.ini's custom page.
// False with `error` set (UTF-8) for a page that is unknown or cannot be printed. A
// Tramel.ini that could not be read, and a key of its page that is not valid (the page
// is then the standard one), are told through `told`, so that the run's status is 1.
bool settleEmbosserSheet(const BatchRequest& request, EmbosserSheet& sheet, std::string& error, BatchReports& told);

// The embosser page options as the usage lists them.
std::string embosserPageUsage();

// The width of tactile lines in tenths of a millimetre: Tramel.ini's, then --line-width.
// False with `error` set (UTF-8) for a width that is not a number of millimetres from
// 0,5 to 2.
bool settleTactileLine(const BatchRequest& request, int32_t& tenths, std::string& error);
// The option of tactile lines as the usage lists it.
std::string tactileLineUsage();
// Makes --code the code that the runs' labels start in. False with `error` set (UTF-8)
// for a code that is unknown or cannot be had.
bool settleBrailleCode(const BatchRequest& request, std::string& error);
std::string brailleCodeUsage();

// Takes the one script of the command line into the request. False with `error` set
// when there are two, or none without the test drawing.
bool takeBatchScript(const std::vector<std::string>& scripts, BatchRequest& request, std::string& error);

// Reads the command script `name` ("-" for standard input), which becomes the project's
// file name, so that its data files are found beside it. False with `error` set (UTF-8)
// when it cannot be read. A script cut short at a NUL byte is read up to it, and that is
// written to standard error and counted in `warned` (the run's status is then 1).
bool readBatchScript(const std::string& name, std::vector<std::string>& lines, std::string& error, bool& warned);

// What a batch run tells its user, written to standard error one line a text and
// counted, so that the run's status can say whether anything went there: the script's
// reports (line errors, figures that cannot be drawn, the data files' messages)
// and what the outputs' Outcomes tell.
class BatchReports {
 public:
  BatchReports() = default;
  BatchReports(const BatchReports&) = delete;
  BatchReports& operator=(const BatchReports&) = delete;

  // The script's reports, each one written and counted.
  ScriptReports reports();
  // Writes and counts what the outcome tells; returns whether it went well.
  bool tell(const Outcome& outcome);
  bool reported() const { return count_ > 0; }
  // How many texts went to standard error so far: a part of the run compares it before
  // and after.
  int reportCount() const { return count_; }

  // The data files the script read, with their names as its lines give them.
  struct DataFile {
    std::string name;
    FileIdentity file;
  };
  const std::vector<DataFile>& dataFilesRead() const { return dataFiles_; }

 private:
  int count_ = 0;
  std::vector<DataFile> dataFiles_;
};

// Draws the test drawing, or runs the script with its reports, on the prepared page.
void drawBatchDrawing(Page& page, bool testDrawing, const std::vector<std::string>& lines, const ScriptReports& reports);
