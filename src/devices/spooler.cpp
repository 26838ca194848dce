// The one job handle, kept here so that every print service obeys the same rules: one
// job at a time, and nothing more written after a failed write.
#include "devices/spooler.h"

#include "devices/spooler_cups.h"

namespace {

RawSpooler* gReplacement = nullptr;
bool gJobOpen = false;
bool gWriteFailed = false;

RawSpooler& activeSpooler() {
  if (gReplacement) return *gReplacement;
  return systemSpooler();
}

}  // namespace

void setRawSpooler(RawSpooler* spooler) {
  gReplacement = spooler;
  gJobOpen = false;
  gWriteFailed = false;
}

DeviceList readDeviceList() { return activeSpooler().listDevices(); }

bool openRawPrinterJob(const std::string& device) {
  abandonRawPrinterJob();
  gWriteFailed = false;
  gJobOpen = !device.empty() && activeSpooler().openJob(device, "Pontelix");
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

void abandonRawPrinterJob() {
  if (!gJobOpen) return;
  gJobOpen = false;
  activeSpooler().closeJob(false);
}
