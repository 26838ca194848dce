#include "shell/check_command.h"

#include <cstdio>
#include <string>
#include <vector>

#include "messages/messages.h"
#include "output/checking/page_check.h"
#include "shell/batch_run.h"

int runCheckCommand(int argc, char** argv) {
  BatchRequest request;
  bool help = false;
  std::string error;
  std::vector<std::string> scripts;
  bool parsed = walkBatchArguments(argc, argv, request, help, scripts, [](int&, std::string_view, std::string&) { return false; }, error);
  if (parsed && !help && (request.testDrawing || request.landscape)) {
    error = messageText("PXCHKOPC");
    parsed = false;
  }
  if (parsed && !help) parsed = takeBatchScript(scripts, request, error);
  const std::string usage = messageText("PXUSOCHK") + embosserPageUsage() + brailleCodeUsage() + messageText("PXSTACHK");
  if (const int status = answerBatchUsage("check", parsed, help, error, usage); status >= 0) return status;
  EmbosserSheet sheet;
  BatchReports told;
  if (!settleEmbosserSheet(request, sheet, error, told) || !settleBrailleCode(request, error)) return answerBatchUsage("check", false, false, error, usage);
  std::vector<std::string> lines;
  bool warned = false;
  if (!readBatchScript(request.script, lines, error, warned)) return batchFailure("check", error);

  const PageCheck check = checkPage(lines, sheet);
  if (!check.ran) return batchFailure("check", messageText("PXNAOFOLHA"));
  for (const std::string& finding : check.findings) writeTextLine(stdout, finding);
  writeTextLine(stdout, check.summary);
  return check.findings.empty() && !warned && !told.reported() ? kBatchDone : kBatchReported;
}
