// The job is opened before the drawing is computed, so that the user hears whether the
// embosser is there before waiting for a long script.
#include "output/embosser/emboss.h"

#include "output/device/device_page.h"
#include "output/embosser/embosser_pages.h"
#include "output/embosser/embosser_stream.h"
#include "output/printing/spooler.h"
#include "render/image_page.h"
#include "render/page.h"

Outcome sendPageToEmbosser(const Page& page) {
  const bool written = writeEmbosserStream(pagePixels(page), page.sheet.mode, writeRawPrinter);
  const bool accepted = closeRawPrinterJob();
  return written && accepted ? Outcome{} : printerJobFailure();
}

Outcome embossOnOpenJob(const EmbosserSheet& sheet, const PageDrawing& draw) {
  std::optional<Page> page = preparePage(embosserPageSpec(sheet));
  if (!page) {
    // Withdrawn: an empty page must not come out of the embosser.
    abandonRawPrinterJob();
    return Outcome::failedWith("PXERRDSP", 2);
  }
  draw(*page);
  return sendPageToEmbosser(*page);
}

Outcome embossOnDevice(const std::string& device, const EmbosserSheet& configured,
                       const std::function<bool(const EmbosserSheet& sheet)>& proceed,
                       const std::function<void(const EmbosserSheet& sheet)>& opened, const PageDrawing& draw) {
  const BrailleQueue queue = describeBrailleQueue(device);
  EmbosserSheet sheet = configured;
  if (queue.brailleDriver) {
    sheet.mode = BrailleMode::Text;
    if (!queue.pageKnown || !brailleDriverCells(queue.layout, sheet.cells, sheet.lines))
      return Outcome::failedWith("PXPAGDRV", 2);
  }
  if (!proceed(sheet)) return Outcome::failed();
  if (!queue.answered || !openPrinterJob(device, queue.brailleDriver ? JobFormat::Brf : JobFormat::Raw))
    return Outcome::failedWith("PXPROBLI", 2);
  opened(sheet);
  return embossOnOpenJob(sheet, draw);
}
