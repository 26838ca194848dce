// The job is opened before the drawing is computed, so that the user hears whether the
// embosser is there before waiting for a long script.
#include "output/embosser/emboss.h"

#include "platform/console.h"
#include "platform/speech.h"
#include "platform/text/text.h"
#include "language/interpreter.h"
#include "messages/messages.h"
#include "output/device/device_page.h"
#include "output/embosser/embosser_pages.h"
#include "output/embosser/embosser_stream.h"
#include "output/printing/configured_printer.h"
#include "output/printing/device_chooser.h"
#include "output/printing/print_check.h"
#include "output/printing/spooler.h"
#include "project/project.h"
#include "render/image_page.h"
#include "render/page.h"

bool sendPageToEmbosser(const Page& page) {
  const bool written = writeEmbosserStream(pagePixels(page), page.sheet.mode, writeRawPrinter);
  const bool accepted = closeRawPrinterJob();
  if (written && accepted) return true;
  sayPrinterJobFailed();
  return false;
}

bool embossOnOpenJob(const EmbosserSheet& sheet, const PageDrawing& draw) {
  std::optional<Page> page = preparePage(embosserPageSpec(sheet));
  if (!page) {
    // Withdrawn: an empty page must not come out of the embosser.
    abandonRawPrinterJob();
    sayMessage("PXERRDSP", 2);
    return false;
  }
  draw(*page);
  return sendPageToEmbosser(*page);
}

bool embossOnDevice(const std::string& device, const EmbosserSheet& configured,
                    const std::function<bool(const EmbosserSheet& sheet)>& proceed,
                    const std::function<void(const EmbosserSheet& sheet)>& opened, const PageDrawing& draw) {
  const BrailleQueue queue = describeBrailleQueue(device);
  EmbosserSheet sheet = configured;
  if (queue.brailleDriver) {
    sheet.mode = BrailleMode::Text;
    if (!queue.pageKnown || !brailleDriverCells(queue.layout, sheet.cells, sheet.lines)) {
      sayMessage("PXPAGDRV", 2);
      return false;
    }
  }
  if (!proceed(sheet)) return false;
  if (!queue.answered || !openPrinterJob(device, queue.brailleDriver ? JobFormat::Brf : JobFormat::Raw)) {
    sayMessage("PXPROBLI", 2);
    return false;
  }
  opened(sheet);
  return embossOnOpenJob(sheet, draw);
}

void embossDrawing(bool testDrawing) {
  sayMessage("PXSBRL", 0);
  const std::string device = chooseDevice(true, configuredPrinter(OutputMode::Embosser));
  if (device.empty()) return;
  const auto proceed = [&](const EmbosserSheet& sheet) {
    if (!acceptPrintingDespiteFindings(testDrawing, sheet)) return false;
    conWriteLine();
    sayMessage("PXIMPREM", 0);
    spkWriteLine(utf8ToCp1252(device));
    return true;
  };
  const auto sayPage = [](const EmbosserSheet& sheet) {
    sayMessage("PXIMPROK", 2);
    spkWriteLine(messageText("PXPAGCEL") + std::to_string(sheet.cells) + messageText("PXPAGLIN") +
                 std::to_string(sheet.lines) + messageText("PXPAGFIM"));
  };
  embossOnDevice(device, configuredEmbosserSheet(), proceed, sayPage,
                 [testDrawing](Page& page) { drawProjectOrTestDrawing(page, testDrawing); });
  conClear();
  setWindowTitle(projectFileName());
  conGoto(1, 3);
}
