#include "options/printing/emboss_option.h"

#include "language/interpreter.h"
#include "messages/messages.h"
#include "options/printing/device_chooser.h"
#include "options/printing/print_check.h"
#include "output/embosser/emboss.h"
#include "output/embosser/embosser_pages.h"
#include "output/printing/configured_printer.h"
#include "platform/console.h"
#include "platform/speech.h"
#include "platform/text/text.h"
#include "project/project.h"

void embossDrawing(bool testDrawing) {
  sayMessage("PXSBRL", 0);
  const std::string device = chooseDevice(true, configuredPrinter(OutputMode::Embosser));
  if (device.empty()) return;
  const auto proceed = [&](const EmbosserSheet& sheet) {
    if (!acceptPrintingDespiteFindings(testDrawing, sheet)) return false;
    conWriteLine();
    sayMessage("PXIMPREM", 0);
    spkWriteLine(device);
    return true;
  };
  const auto sayPage = [](const EmbosserSheet& sheet) {
    sayMessage("PXIMPROK", 2);
    spkWriteLine(withValues(messageText("PXPAGTAM"), {std::to_string(sheet.cells), std::to_string(sheet.lines)}));
  };
  const Outcome embossed = embossOnDevice(device, configuredEmbosserSheet(), proceed, sayPage,
                                          [testDrawing](Page& page) { drawProjectOrTestDrawing(page, testDrawing); });
  sayOutcome(embossed);
  if (embossed.ok) sayMessage("PXPAGENV", 2);
  conClear();
  setWindowTitle(projectFileName());
  conGoto(1, 3);
}
