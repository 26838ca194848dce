// Unlike the embosser, the job is opened only once the drawing is done: the page goes
// to the print service as it is compressed, so no copy of it is ever held.
#include "output/ink/ink_print.h"

#include <string_view>

#include "output/printing/spooler.h"
#include "output/tactile/tactile_page.h"
#include "output/tactile/tactile_pdf.h"
#include "platform/text/text.h"
#include "render/page.h"
#include "messages/messages.h"

namespace {

Outcome assumptions(const InkPageAnswer& answer) {
  Outcome told;
  if (!answer.media && !answer.resolution) {
    told.tellText(messageText("PXINKNADA"));
  } else if (!answer.media) {
    told.tellText(messageText("PXINKPAP"));
  } else if (!answer.resolution) {
    told.tellText(messageText("PXINKRES"));
  }
  return told;
}

std::optional<Page> prepareInkPage(int64_t side, Outcome& outcome) {
  if (side < 1) {
    outcome = Outcome::failedSaying(messageText("PXINKSEMA"));
    return std::nullopt;
  }
  if (side > Canvas::kMaxSide) {
    outcome = Outcome::failedSaying(
        withValues(messageText("PXINKGRAND"), {std::to_string(side), std::to_string(Canvas::kMaxSide)}));
    return std::nullopt;
  }
  std::optional<Page> page = preparePage(inkPageSpec(static_cast<int32_t>(side)));
  if (!page) {
    outcome = Outcome::failedSaying(withValues(messageText("PXINKMEM"), {std::to_string(side), std::to_string(side)}));
  }
  return page;
}

}  // namespace

Outcome findInkPage(const std::string& device, bool landscape, InkPage& oriented) {
  const InkPageAnswer answer = describeInkPage(device);
  if (!answer.answered) return Outcome::failedWith("PXSEMSPL", 2);
  if (!answer.found) return Outcome::failedSaying(withValues(messageText("PXINKNENC"), {device}));
  oriented = orientedPage(answer.page, landscape);
  return assumptions(answer);
}

Outcome sendPageToInkPrinter(const Page& page, const std::string& device, const InkPage& oriented) {
  switch (drawInkPageOnPrinter(device, page, oriented)) {
    case PageJob::Printed: return {};
    case PageJob::Refused: return Outcome::failedWith("PXPROBLI", 2);
    case PageJob::Failed: return printerJobFailure();
    case PageJob::AsPdf: break;
  }
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
    if (!page) return Outcome::failedSaying(withValues(messageText("PXINKSWELL"), {why}));
  } else {
    page = prepareInkPage(inkSideOf(printableDots(oriented)), outcome);
    if (!page) return outcome;
  }
  draw(*page);
  return sendPageToInkPrinter(*page, device, oriented);
}
