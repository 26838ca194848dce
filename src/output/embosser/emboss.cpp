// The job is opened before the drawing is computed, so that the user hears whether the
// embosser is there before waiting for a long script.
#include "output/embosser/emboss.h"

#include "platform/console.h"
#include "platform/speech.h"
#include "platform/text/text.h"
#include "language/interpreter.h"
#include "messages/messages.h"
#include "output/embosser/embosser_pages.h"
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
  sayPrinterJobFailed();
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

namespace {

// The configured sheet comes back however the job ends.
class JobSheet {
 public:
  explicit JobSheet(const EmbosserSheet& sheet) : configured_(embosserSheet()) { setEmbosserSheet(sheet); }
  ~JobSheet() { setEmbosserSheet(configured_); }
  JobSheet(const JobSheet&) = delete;
  JobSheet& operator=(const JobSheet&) = delete;

 private:
  EmbosserSheet configured_;
};

}  // namespace

bool embossOnDevice(const std::string& device, const std::function<bool()>& proceed, const std::function<void()>& opened,
                    const std::function<void()>& draw) {
  const BrailleQueue queue = describeBrailleQueue(device);
  EmbosserSheet sheet = embosserSheet();
  if (queue.brailleDriver) {
    sheet.mode = BrailleMode::Text;
    if (!queue.pageKnown || !brailleDriverCells(queue.layout, sheet.cells, sheet.lines)) {
      sayMessage("PXPAGDRV", 2);
      return false;
    }
  }
  const JobSheet jobSheet(sheet);
  if (!proceed()) return false;
  if (!queue.answered || !openPrinterJob(device, queue.brailleDriver ? JobFormat::Brf : JobFormat::Raw)) {
    sayMessage("PXPROBLI", 2);
    return false;
  }
  opened();
  return embossOnOpenJob(draw);
}

void embossDrawing(bool testDrawing) {
  sayMessage("PXSBRL", 0);
  const std::string device = chooseDevice(true, configuredPrinter(OutputMode::Embosser));
  if (device.empty()) return;
  const auto proceed = [&] {
    if (!acceptPrintingDespiteFindings(testDrawing)) return false;
    conWriteLine();
    sayMessage("PXIMPREM", 0);
    spkWriteLine(utf8ToCp1252(device));
    return true;
  };
  const auto sayPage = [] {
    sayMessage("PXIMPROK", 2);
    const EmbosserSheet& sheet = embosserSheet();
    spkWriteLine(messageText("PXPAGCEL") + std::to_string(sheet.cells) + messageText("PXPAGLIN") +
                 std::to_string(sheet.lines) + messageText("PXPAGFIM"));
  };
  embossOnDevice(device, proceed, sayPage, [testDrawing] { drawProjectOrTestDrawing(testDrawing); });
  conClear();
  setWindowTitle(projectFileName());
  conGoto(1, 3);
}
