#include "output/printing/spooler_windows.h"

#include <vector>

#include "output/printing/printer_page_windows.h"
#include "output/printing/spooler_cups.h"

namespace {

WinspoolCalls gCalls{::EnumPrintersA, ::OpenPrinterA, ::StartDocPrinterA, ::StartPagePrinter, ::WritePrinter,
                     ::EndPagePrinter, ::EndDocPrinter, ::SetJobA, ::ClosePrinter};

// The device's handle for the length of one call; null when the spooler does not know
// the device.
struct OpenedPrinter {
  explicit OpenedPrinter(const std::string& device) {
    if (!gCalls.openPrinter(const_cast<char*>(device.c_str()), &handle, nullptr)) handle = nullptr;
  }
  ~OpenedPrinter() {
    if (handle) gCalls.closePrinter(handle);
  }
  OpenedPrinter(const OpenedPrinter&) = delete;
  OpenedPrinter& operator=(const OpenedPrinter&) = delete;
  HANDLE handle = nullptr;
};

// The names come in the process's code page, UTF-8 by the program's manifest.
class WindowsSpooler : public PrintSpooler {
 public:
  DeviceList listDevices() override {
    DeviceList list;
    const DWORD flags = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;
    DWORD needed = 0, count = 0;
    gCalls.enumPrinters(flags, nullptr, 4, nullptr, 0, &needed, &count);
    std::vector<BYTE> buffer(needed);
    // A spooler that is not running fails the call: no service answered.
    if (!gCalls.enumPrinters(flags, nullptr, 4, buffer.data(), needed, &needed, &count)) return list;
    list.serviceAnswered = true;
    const auto* printers = reinterpret_cast<const PRINTER_INFO_4A*>(buffer.data());
    for (DWORD i = 0; i < count; ++i) {
      if (printers[i].pPrinterName) list.names.emplace_back(printers[i].pPrinterName);
    }
    return list;
  }

  InkPageAnswer describeInkPage(const std::string& device) override {
    const OpenedPrinter printer(device);
    if (printer.handle) return describeGdiPage(printer.handle, device);
    InkPageAnswer unknown;
    unknown.answered = true;
    return unknown;
  }

  PageJob drawInkPage(const std::string& device, std::string_view title, const Page& page,
                      const InkPage& oriented) override {
    const OpenedPrinter printer(device);
    return printer.handle ? drawGdiPage(printer.handle, device, title, page, oriented) : PageJob::Refused;
  }

  // Windows has no braille drivers that lay out a page: every embosser takes raw bytes.
  BrailleQueue describeBrailleQueue(const std::string&) override {
    BrailleQueue queue;
    queue.answered = true;
    return queue;
  }

  bool openJob(const std::string& device, std::string_view title, JobFormat format) override {
    // Windows printers take no PDF: the ink page is drawn through GDI (drawInkPage).
    if (format == JobFormat::Pdf) return false;
    if (!gCalls.openPrinter(const_cast<char*>(device.c_str()), &printer_, nullptr)) return false;
    std::string name(title);
    char dataType[] = "RAW";
    DOC_INFO_1A document{name.data(), nullptr, dataType};
    job_ = gCalls.startDoc(printer_, 1, reinterpret_cast<BYTE*>(&document));
    if (job_ == 0 || !gCalls.startPage(printer_)) {
      if (job_ != 0) gCalls.endDoc(printer_);
      release();
      return false;
    }
    return true;
  }

  bool write(std::string_view bytes) override {
    while (!bytes.empty()) {
      const DWORD chunk = bytes.size() > (1u << 20) ? (1u << 20) : static_cast<DWORD>(bytes.size());
      DWORD written = 0;
      if (!gCalls.write(printer_, const_cast<char*>(bytes.data()), chunk, &written) || written == 0) return false;
      bytes.remove_prefix(written);
    }
    return true;
  }

  bool closeJob(bool complete) override {
    if (!printer_) return false;
    // A job withdrawn before its end: the spooler deletes it, and the printer receives
    // nothing of it.
    if (!complete) gCalls.setJob(printer_, job_, 0, nullptr, JOB_CONTROL_DELETE);
    const bool pageEnded = gCalls.endPage(printer_) != FALSE;
    const bool documentEnded = gCalls.endDoc(printer_) != FALSE;
    release();
    return complete && pageEnded && documentEnded;
  }

 private:
  void release() {
    if (printer_) gCalls.closePrinter(printer_);
    printer_ = nullptr;
    job_ = 0;
  }

  HANDLE printer_ = nullptr;
  DWORD job_ = 0;
};

}  // namespace

WinspoolCalls& winspoolCalls() { return gCalls; }

PrintSpooler& systemSpooler() {
  static WindowsSpooler spooler;
  return spooler;
}
