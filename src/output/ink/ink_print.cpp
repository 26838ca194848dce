// Unlike the embosser, the job is opened only once the drawing is done: the page goes
// to the print service as it is compressed, so no copy of it is ever held.
#include "output/ink/ink_print.h"

#include <string_view>

#include "platform/console.h"
#include "widgets/forms/askkey.h"
#include "platform/keys.h"
#include "platform/speech.h"
#include "platform/text/text.h"
#include "language/interpreter.h"
#include "messages/messages.h"
#include "output/embosser/embosser_pages.h"
#include "output/printing/configured_printer.h"
#include "output/printing/device_chooser.h"
#include "output/printing/print_check.h"
#include "output/printing/spooler.h"
#include "output/tactile/tactile_page.h"
#include "output/tactile/tactile_pdf.h"
#include "output/tactile/tactile_settings.h"
#include "render/page.h"

namespace {

void sayAssumptions(const InkPageAnswer& answer) {
  if (!answer.media && !answer.resolution) {
    spkWriteLine("A impressora n\xe3o informa o papel nem a resolu\xe7\xe3o: assumido papel A4 a 300 pontos por polegada.");
  } else if (!answer.media) {
    spkWriteLine("A impressora n\xe3o informa o papel: assumido papel A4.");
  } else if (!answer.resolution) {
    spkWriteLine("A impressora n\xe3o informa a resolu\xe7\xe3o: assumidos 300 pontos por polegada.");
  }
}

std::string pageSizeText(const PrintableDots& area) {
  return std::to_string(area.width) + " x " + std::to_string(area.height);
}

std::optional<Page> prepareInkPage(int64_t side) {
  if (side < 1) {
    spkWriteLine("A impressora informa uma p\xe1gina sem \xe1rea de impress\xe3o.");
    return std::nullopt;
  }
  if (side > Canvas::kMaxSide) {
    spkWriteLine("A p\xe1gina tem " + std::to_string(side) + " pontos de lado; o Pontelix desenha no m\xe1ximo " +
                 std::to_string(Canvas::kMaxSide) + ".");
    return std::nullopt;
  }
  std::optional<Page> page = preparePage(inkPageSpec(static_cast<int32_t>(side)));
  if (page) return page;
  spkWriteLine("Falta mem\xf3ria para desenhar a p\xe1gina de " + std::to_string(side) + " por " + std::to_string(side) +
               " pontos.");
  return std::nullopt;
}

// "Papel comum ou papel microcapsulado?": C or M, Enter for what Tramel.ini sets; false
// after Esc, which is said.
bool askInkPaper(InkPaper& paper) {
  spkWrite("Papel comum ou papel microcapsulado? (C/M) ");
  const int answer = askKey("CM");
  conWriteLine();
  if (answer == key::kEsc) {
    sayMessage("PXCANC", 2);
    return false;
  }
  const bool swell = answer == 'M' || (answer != 'C' && swellPaperByDefault());
  paper = swell ? InkPaper::Swell : InkPaper::Plain;
  spkWriteLine(swell ? "Papel microcapsulado: linhas e pontos em relevo, no tamanho real." : "Papel comum.");
  return true;
}

}  // namespace

bool findInkPage(const std::string& device, bool landscape, InkPage& oriented) {
  const InkPageAnswer answer = describeInkPage(device);
  if (!answer.answered) {
    sayMessage("PXSEMSPL", 2);
    return false;
  }
  if (!answer.found) {
    spkWriteLine("A impressora " + utf8ToCp1252(device) + " n\xe3o foi encontrada.");
    return false;
  }
  sayAssumptions(answer);
  oriented = orientedPage(answer.page, landscape);
  return true;
}

bool sendPageToInkPrinter(const Page& page, const std::string& device, const InkPage& oriented) {
  if (!openPrinterJob(device, JobFormat::Pdf)) {
    sayMessage("PXPROBLI", 2);
    return false;
  }
  const ByteSink toPrinter = [](const void* data, size_t size) {
    return writeRawPrinter(std::string_view(static_cast<const char*>(data), size));
  };
  const bool written = writePagePdf(page, oriented, toPrinter);
  // A page that did not go whole is withdrawn, never printed in part.
  if (!written) abandonRawPrinterJob();
  if (written && closeRawPrinterJob()) return true;
  sayPrinterJobFailed();
  return false;
}

bool printInkPage(const std::string& device, const InkPage& oriented, InkPaper paper, int32_t tactileLine,
                  const PageDrawing& draw) {
  std::optional<Page> page;
  if (paper == InkPaper::Swell) {
    std::string why;
    page = prepareTactilePage(oriented, tactileLine, why);
    if (!page) {
      spkWriteLine("N\xe3o foi poss\xedvel desenhar para papel microcapsulado: " + why + ".");
      return false;
    }
  } else {
    page = prepareInkPage(inkSideOf(printableDots(oriented)));
    if (!page) return false;
  }
  draw(*page);
  return sendPageToInkPrinter(*page, device, oriented);
}

void printDrawing(bool testDrawing) {
  sayMessage("PXSTINTA", 1);
  const std::string device = chooseDevice(false, configuredPrinter(OutputMode::InkPrinter));
  if (device.empty()) return;
  if (!acceptPrintingDespiteFindings(testDrawing, configuredEmbosserSheet())) return;
  conWriteLine();
  sayMessage("PXPDEITA", 0);
  const int answer = askKey("SN");
  conWriteLine();
  if (answer == key::kEsc) {  // Esc never spends paper
    sayMessage("PXCANC", 2);
    return;
  }
  const bool landscape = answer == 'S';
  InkPaper paper = InkPaper::Plain;
  if (!askInkPaper(paper)) return;
  sayMessage("PXIMPREM", 0);
  spkWriteLine(utf8ToCp1252(device));
  InkPage page;
  if (!findInkPage(device, landscape, page)) return;
  const PrintableDots area = printableDots(page);
  sayMessage("PXTAMPAP", 0);
  spkWriteLine(pageSizeText(area));
  const bool printed = printInkPage(device, page, paper, configuredTactileLine(),
                                    [testDrawing](Page& drawn) { drawProjectOrTestDrawing(drawn, testDrawing); });
  if (printed) spkWriteLine("P\xe1gina enviada para a impressora.");
}
