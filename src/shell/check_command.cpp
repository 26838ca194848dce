#include "shell/check_command.h"

#include <cstdio>
#include <string>
#include <vector>

#include "messages/messages.h"
#include "output/checking/page_check.h"
#include "shell/batch_run.h"

namespace {

constexpr char kUsage[] =
    "Uso: pontelix check [OP\xc3\x87\xc3\x95" "ES] ROTEIRO\n"
    "  Confere a p\xc3\xa1gina do impressor braille antes de imprimir: erros de linha e de dados,\n"
    "  figuras que saem da p\xc3\xa1gina, r\xc3\xb3tulos que encostam em outro desenho, linhas que\n"
    "  se encostam sem cruzar, p\xc3\xa1gina vazia; e diz que parte da p\xc3\xa1gina o desenho ocupa.\n"
    "  ROTEIRO   arquivo de comandos (.pxg); \"-\" l\xc3\xaa a entrada padr\xc3\xa3o\n";
constexpr char kUsageStatus[] = "Status: 0 nenhum aviso; 1 avisos (na sa\xc3\xad" "da padr\xc3\xa3o); 2 uso errado ou roteiro ileg\xc3\xadvel.\n";

}  // namespace

int runCheckCommand(int argc, char** argv) {
  BatchRequest request;
  bool help = false;
  std::string error;
  std::vector<std::string> scripts;
  bool parsed = walkBatchArguments(argc, argv, request, help, scripts, [](int&, std::string_view, std::string&) { return false; }, error);
  if (parsed && !help && (request.testDrawing || request.landscape)) {
    error = "check confere um roteiro: --test-drawing e --landscape n\xc3\xa3o valem aqui";
    parsed = false;
  }
  if (parsed && !help) parsed = takeBatchScript(scripts, request, error);
  const std::string usage = std::string(kUsage) + kEmbosserPageUsage + kUsageStatus;
  if (const int status = answerBatchUsage("check", parsed, help, error, usage); status >= 0) return status;
  EmbosserSheet sheet;
  BatchReports told;
  if (!settleEmbosserSheet(request, sheet, error, told)) return answerBatchUsage("check", false, false, error, usage);
  std::vector<std::string> lines;
  bool warned = false;
  if (!readBatchScript(request.script, lines, error, warned)) return batchFailure("check", error);

  const PageCheck check = checkPage(lines, sheet);
  if (!check.ran) return batchFailure("check", "n\xc3\xa3o foi poss\xc3\xadvel criar a folha do impressor");
  for (const std::string& finding : check.findings) writeTextLine(stdout, finding);
  writeTextLine(stdout, check.summary);
  return check.findings.empty() && !warned && !told.reported() ? kBatchDone : kBatchReported;
}
