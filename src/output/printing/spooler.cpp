// The one job handle, kept here so that every print service obeys the same rules: one
// job at a time, and nothing more written after a failed write.
#include "output/printing/spooler.h"
#include "output/printing/spooler_cups.h"

namespace {

PrintSpooler* gReplacement = nullptr;
bool gJobOpen = false;
bool gWriteFailed = false;

PrintSpooler& activeSpooler() {
  if (gReplacement) return *gReplacement;
  return systemSpooler();
}

}  // namespace

void setPrintSpooler(PrintSpooler* spooler) {
  gReplacement = spooler;
  gJobOpen = false;
  gWriteFailed = false;
}

DeviceList readDeviceList() { return activeSpooler().listDevices(); }

InkPageAnswer describeInkPage(const std::string& device) { return activeSpooler().describeInkPage(device); }

BrailleQueue describeBrailleQueue(const std::string& device) { return activeSpooler().describeBrailleQueue(device); }

bool openPrinterJob(const std::string& device, JobFormat format) {
  abandonRawPrinterJob();
  gWriteFailed = false;
  gJobOpen = !device.empty() && activeSpooler().openJob(device, "Pontelix", format);
  return gJobOpen;
}

bool writeRawPrinter(std::string_view bytes) {
  if (!gJobOpen || gWriteFailed) return false;
  if (bytes.empty()) return true;
  gWriteFailed = !activeSpooler().write(bytes);
  return !gWriteFailed;
}

bool closeRawPrinterJob() {
  if (!gJobOpen) return false;
  gJobOpen = false;
  const bool accepted = activeSpooler().closeJob(!gWriteFailed);
  return accepted && !gWriteFailed;
}

PageJob drawInkPageOnPrinter(const std::string& device, const Page& page, const InkPage& oriented) {
  abandonRawPrinterJob();
  if (device.empty()) return PageJob::Refused;
  return activeSpooler().drawInkPage(device, "Pontelix", page, oriented);
}

void abandonRawPrinterJob() {
  if (!gJobOpen) return;
  gJobOpen = false;
  activeSpooler().closeJob(false);
}

Outcome printerJobFailure() {
  Outcome failure = Outcome::failedWith("PXERRDSP", 2);
  if (activeSpooler().jobMayStillPrint()) failure.tellKey("PXPODSAI", 2);
  return failure;
}
