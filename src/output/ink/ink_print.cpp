// Unlike the embosser, the job is opened only once the drawing is done: the page goes
// to the print service as it is compressed, so no copy of it is ever held.
#include "output/ink/ink_print.h"

#include <string_view>

#include "output/printing/spooler.h"
#include "output/tactile/tactile_page.h"
#include "output/tactile/tactile_pdf.h"
#include "platform/text/text.h"
#include "render/page.h"

namespace {

Outcome assumptions(const InkPageAnswer& answer) {
  Outcome told;
  if (!answer.media && !answer.resolution) {
    told.tellText("A impressora n\xe3o informa o papel nem a resolu\xe7\xe3o: assumido papel A4 a 300 pontos por polegada.");
  } else if (!answer.media) {
    told.tellText("A impressora n\xe3o informa o papel: assumido papel A4.");
  } else if (!answer.resolution) {
    told.tellText("A impressora n\xe3o informa a resolu\xe7\xe3o: assumidos 300 pontos por polegada.");
  }
  return told;
}

std::optional<Page> prepareInkPage(int64_t side, Outcome& outcome) {
  if (side < 1) {
    outcome = Outcome::failedSaying("A impressora informa uma p\xe1gina sem \xe1rea de impress\xe3o.");
    return std::nullopt;
  }
  if (side > Canvas::kMaxSide) {
    outcome = Outcome::failedSaying("A p\xe1gina tem " + std::to_string(side) + " pontos de lado; o Pontelix desenha no m\xe1ximo " +
                                    std::to_string(Canvas::kMaxSide) + ".");
    return std::nullopt;
  }
  std::optional<Page> page = preparePage(inkPageSpec(static_cast<int32_t>(side)));
  if (!page) {
    outcome = Outcome::failedSaying("Falta mem\xf3ria para desenhar a p\xe1gina de " + std::to_string(side) + " por " +
                                    std::to_string(side) + " pontos.");
  }
  return page;
}

}  // namespace

Outcome findInkPage(const std::string& device, bool landscape, InkPage& oriented) {
  const InkPageAnswer answer = describeInkPage(device);
  if (!answer.answered) return Outcome::failedWith("PXSEMSPL", 2);
  if (!answer.found) return Outcome::failedSaying("A impressora " + utf8ToCp1252(device) + " n\xe3o foi encontrada.");
  oriented = orientedPage(answer.page, landscape);
  return assumptions(answer);
}

Outcome sendPageToInkPrinter(const Page& page, const std::string& device, const InkPage& oriented) {
  if (!openPrinterJob(device, JobFormat::Pdf)) return Outcome::failedWith("PXPROBLI", 2);
  const ByteSink toPrinter = [](const void* data, size_t size) {
    return writeRawPrinter(std::string_view(static_cast<const char*>(data), size));
  };
  const bool written = writePagePdf(page, oriented, toPrinter);
  // A page that did not go whole is withdrawn, never printed in part.
  if (!written) abandonRawPrinterJob();
  if (written && closeRawPrinterJob()) return {};
  return printerJobFailure();
}

Outcome printInkPage(const std::string& device, const InkPage& oriented, InkPaper paper, int32_t tactileLine,
                     const PageDrawing& draw) {
  std::optional<Page> page;
  Outcome outcome;
  if (paper == InkPaper::Swell) {
    std::string why;
    page = prepareTactilePage(oriented, tactileLine, why);
    if (!page) return Outcome::failedSaying("N\xe3o foi poss\xedvel desenhar para papel microcapsulado: " + why + ".");
  } else {
    page = prepareInkPage(inkSideOf(printableDots(oriented)), outcome);
    if (!page) return outcome;
  }
  draw(*page);
  return sendPageToInkPrinter(*page, device, oriented);
}
