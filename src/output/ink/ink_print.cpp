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
#include "output/printing/configured_printer.h"
#include "output/printing/device_chooser.h"
#include "output/printing/print_check.h"
#include "output/printing/spooler.h"
#include "output/tactile/tactile_page.h"
#include "output/tactile/tactile_pdf.h"
#include "output/tactile/tactile_settings.h"
#include "render/surface.h"

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

bool prepareInkSurface(int64_t side) {
  if (side < 1) {
    spkWriteLine("A impressora informa uma p\xe1gina sem \xe1rea de impress\xe3o.");
    return false;
  }
  if (side > Canvas::kMaxSide) {
    spkWriteLine("A p\xe1gina tem " + std::to_string(side) + " pontos de lado; o Pontelix desenha no m\xe1ximo " +
                 std::to_string(Canvas::kMaxSide) + ".");
    return false;
  }
  setInkPageSide(static_cast<int32_t>(side));
  outputMode = OutputMode::InkPrinter;
  if (prepareSurface()) return true;
  spkWriteLine("Falta mem\xf3ria para desenhar a p\xe1gina de " + std::to_string(side) + " por " + std::to_string(side) +
               " pontos.");
  return false;
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

bool sendSurfaceToInkPrinter(const std::string& device, const InkPage& oriented) {
  if (!openPrinterJob(device, JobFormat::Pdf)) {
    sayMessage("PXPROBLI", 2);
    return false;
  }
  const ByteSink toPrinter = [](const void* data, size_t size) {
    return writeRawPrinter(std::string_view(static_cast<const char*>(data), size));
  };
  const bool written = writeSurfacePdf(oriented, toPrinter);
  // A page that did not go whole is withdrawn, never printed in part.
  if (!written) abandonRawPrinterJob();
  if (written && closeRawPrinterJob()) return true;
  sayPrinterJobFailed();
  return false;
}

bool printInkPage(const std::string& device, const InkPage& oriented, InkPaper paper, const std::function<void()>& draw) {
  if (paper == InkPaper::Swell) {
    std::string why;
    if (!prepareTactileSurface(oriented, why)) {
      spkWriteLine("N\xe3o foi poss\xedvel desenhar para papel microcapsulado: " + why + ".");
      return false;
    }
  } else if (!prepareInkSurface(inkSideOf(printableDots(oriented)))) {
    return false;
  }
  draw();
  const bool sent = sendSurfaceToInkPrinter(device, oriented);
  freeSurface();
  return sent;
}

void printDrawing(bool testDrawing) {
  sayMessage("PXSTINTA", 1);
  const std::string device = chooseDevice(false, configuredPrinter(OutputMode::InkPrinter));
  if (device.empty()) return;
  if (!acceptPrintingDespiteFindings(testDrawing)) return;
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
  setTactileLineWidth(configuredTactileLine());
  const bool printed = printInkPage(device, page, paper, [testDrawing] { drawProjectOrTestDrawing(testDrawing); });
  if (printed) spkWriteLine("P\xe1gina enviada para a impressora.");
}
