// The job is opened before the drawing is computed, so that the user hears whether the
// embosser is there before waiting for a long script.
#include "output/embosser/emboss.h"

#include "console/console.h"
#include "console/speech.h"
#include "console/text/text.h"
#include "language/interpreter.h"
#include "messages/messages.h"
#include "output/embosser/embosser_stream.h"
#include "output/printing/configured_printer.h"
#include "output/printing/device_chooser.h"
#include "output/printing/print_check.h"
#include "output/printing/spooler.h"
#include "project/project.h"
#include "render/image_surface.h"
#include "render/surface.h"

bool sendSurfaceToEmbosser() {
  const bool written = writeEmbosserStream(surfacePixels(), writeRawPrinter);
  const bool accepted = closeRawPrinterJob();
  if (written && accepted) return true;
  sayMessage("PXERRDSP", 2);
  return false;
}

bool embossOnOpenJob(const std::function<void()>& draw) {
  outputMode = OutputMode::Embosser;
  if (!prepareSurface()) {
    // Withdrawn: an empty page must not come out of the embosser.
    abandonRawPrinterJob();
    sayMessage("PXERRDSP", 2);
    return false;
  }
  draw();
  const bool sent = sendSurfaceToEmbosser();
  freeSurface();
  return sent;
}

void embossDrawing(bool testDrawing) {
  sayMessage("PXSBRL", 0);
  const std::string device = chooseDevice(true, configuredPrinter(OutputMode::Embosser));
  if (device.empty()) return;
  if (!acceptPrintingDespiteFindings(testDrawing)) return;
  conWriteLine();
  sayMessage("PXIMPREM", 0);
  spkWriteLine(utf8ToCp1252(device));
  if (!openRawPrinterJob(device)) {
    sayMessage("PXPROBLI", 2);
    return;
  }
  sayMessage("PXIMPROK", 2);
  const EmbosserSheet& sheet = embosserSheet();
  spkWriteLine(messageText("PXPAGCEL") + std::to_string(sheet.cells) + messageText("PXPAGLIN") + std::to_string(sheet.lines) +
               messageText("PXPAGFIM"));
  embossOnOpenJob([testDrawing] { drawProjectOrTestDrawing(testDrawing); });
  conClear();
  setWindowTitle(projectFileName());
  conGoto(1, 3);
}
