// The batch road to a printer: the same rendering and the same jobs as options B and I.
#include "shell/print_command.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <functional>
#include <string_view>
#include <vector>

#include "messages/messages.h"
#include "output/checking/page_check.h"
#include "output/embosser/emboss.h"
#include "output/ink/ink_print.h"
#include "output/printing/configured_printer.h"
#include "output/printing/spooler.h"
#include "shell/batch_run.h"

namespace {

bool listAnswered(DeviceList& devices) {
  devices = readDeviceList();
  return devices.serviceAnswered;
}

int listPrinters() {
  DeviceList devices;
  if (!listAnswered(devices)) return batchFailure("print", messageText("PXSPLNR"));
  for (const std::string& name : devices.names) std::printf("%s\n", name.c_str());
  return std::fflush(stdout) == 0 ? kBatchDone : kBatchFailed;
}

// What the printer's page assumes is told before the drawing's reports, as it is found.
Outcome printInInk(const PrintRequest& request, int32_t tactileLine, const PageDrawing& draw, BatchReports& reports) {
  InkPage page;
  if (!reports.tell(findInkPage(request.printer, request.landscape, page))) return Outcome::failed();
  return printInkPage(request.printer, page, request.tactile ? InkPaper::Swell : InkPaper::Plain, tactileLine, draw);
}

}  // namespace

bool parsePrintArguments(int argc, char** argv, PrintRequest& request, bool& help, std::string& error) {
  bool modeGiven = false;
  std::vector<std::string> scripts;
  const bool walked = walkBatchArguments(argc, argv, request, help, scripts, [&](int&, std::string_view arg, std::string& why) {
    if (arg == "--list") {
      request.list = true;
    } else if (arg == "--no-check") {
      request.check = false;
    } else if (arg.starts_with("--printer=")) {
      request.printer = arg.substr(10);
    } else if (arg.starts_with("--mode=")) {
      const std::string_view mode = arg.substr(7);
      modeGiven = true;
      if (mode != "embosser" && mode != "ink" && mode != "tactile") {
        why = withValues(messageText("PXMODPRN"), {mode});
        return false;
      }
      request.ink = mode != "embosser";
      request.tactile = mode == "tactile";
    } else {
      return false;
    }
    return true;
  }, error);
  if (!walked || help) return walked;
  if (request.list) {
    if (!request.printer.empty() || modeGiven || request.landscape || request.testDrawing || !scripts.empty()) {
      error = messageText("PXLISTCMB");
      return false;
    }
    return true;
  }
  // Without --printer, the printer set for the mode in option C.
  if (request.printer.empty()) request.printer = configuredPrinter(request.ink ? OutputMode::InkPrinter : OutputMode::Embosser);
  if (request.printer.empty()) {
    error = messageText("PXFALTAIMP");
    return false;
  }
  if (request.landscape && !request.ink) {
    error = messageText("PXLANDPRN");
    return false;
  }
  return takeBatchScript(scripts, request, error);
}

int runPrintCommand(int argc, char** argv) {
  PrintRequest request;
  bool help = false;
  std::string error;
  const bool parsed = parsePrintArguments(argc, argv, request, help, error);
  const std::string usage = messageText("PXUSOPRN") + embosserPageUsage() + tactileLineUsage() + brailleCodeUsage() + messageText("PXSTAPRN");
  if (const int status = answerBatchUsage("print", parsed, help, error, usage); status >= 0) return status;
  EmbosserSheet sheet;
  int32_t tactileLine = 0;
  BatchReports told;
  if (!settleEmbosserSheet(request, sheet, error, told) || !settleTactileLine(request, tactileLine, error) ||
      !settleBrailleCode(request, error))
    return answerBatchUsage("print", false, false, error, usage);
  // What the settings told counts as the drawing's reports do.
  const bool settled = !told.reported();
  if (request.list) return listPrinters();
  // The printer first, so that a script typed on standard input is not typed in vain.
  DeviceList devices;
  if (!listAnswered(devices)) return batchFailure("print", messageText("PXSPLNR"));
  // The print service takes queue names in any case: an exact match wins, then one that
  // differs only in case.
  const auto sameLetters = [&](const std::string& name) {
    return name.size() == request.printer.size() &&
           std::equal(name.begin(), name.end(), request.printer.begin(),
                      [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b)); });
  };
  if (std::find(devices.names.begin(), devices.names.end(), request.printer) == devices.names.end()) {
    const auto found = std::find_if(devices.names.begin(), devices.names.end(), sameLetters);
    if (found == devices.names.end())
      return batchFailure("print", withValues(messageText("PXIMPDESC"), {request.printer}));
    request.printer = *found;
  }
  std::vector<std::string> lines;
  bool warned = false;
  if (!request.testDrawing && !readBatchScript(request.script, lines, error, warned)) return batchFailure("print", error);
  // Clean when the drawing wrote nothing to standard error (a line error, a figure fault,
  // the data-file reader's complaints); the printer's answers come outside it.
  bool clean = true;
  const PageDrawing draw = [&](Page& page) {
    const int before = told.reportCount();
    drawBatchDrawing(page, request.testDrawing, lines, told.reports());
    clean = told.reportCount() == before;
  };
  // The page is checked as B and I check it, on the sheet the job will have; its
  // findings are written before the job is opened, and the job goes all the same.
  bool checkedClean = true;
  const auto checkOn = [&](const EmbosserSheet& jobSheet) {
    if (!request.check || request.testDrawing) return;
    const PageCheck check = checkPage(lines, jobSheet);
    for (const std::string& finding : check.findings) told.tell(Outcome{}.tellText(finding));
    checkedClean = check.findings.empty();
  };
  // The embosser's job is opened before the drawing, as option B opens it.
  const auto proceed = [&](const EmbosserSheet& jobSheet) {
    checkOn(jobSheet);
    return true;
  };
  const auto opened = [](const EmbosserSheet&) {};
  if (request.ink) checkOn(sheet);
  const Outcome printed = request.ink ? printInInk(request, tactileLine, draw, told)
                                      : embossOnDevice(request.printer, sheet, proceed, opened, draw);
  if (!told.tell(printed)) return kBatchFailed;
  return settled && clean && checkedClean && !warned ? kBatchDone : kBatchReported;
}
