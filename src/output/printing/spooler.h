#pragma once
// The system's printers as the program reaches them: the list of installed printers,
// what an ink printer says of its paper, what page a queue made from a braille driver
// lays out, and one job at a time: raw, whose bytes reach the printer unchanged (the
// embosser), a ready Braille document (BRF) that a braille driver passes on to its
// embosser, or a PDF page that the print service prints at its true size (the ink
// printer). Every call returns within a few seconds, whether or
// not the print service answers.
#include <string>
#include <string_view>
#include <vector>

#include "output/ink/ink_page.h"
#include "platform/text/outcome.h"
#include "output/printing/braille_queue.h"
#include "render/page.h"

// The installed printers in the order the print service gives them, each as the user
// knows it ("name", or "name/instance" for a saved set of options). Names are UTF-8.
struct DeviceList {
  // False when no print service answered; names is empty then.
  bool serviceAnswered = false;
  std::vector<std::string> names;
};

enum class JobFormat { Raw, Brf, Pdf };

// How an ink page drawn by the system itself went: the service takes ink pages as PDF
// documents instead (nothing was done), the job was refused at its start, the page did
// not go through whole (nothing of it is printed), or the job was accepted.
enum class PageJob { AsPdf, Refused, Failed, Printed };

// The print service behind the functions below. The program uses the system's; tests
// put in their own to make any step fail.
class PrintSpooler {
 public:
  virtual ~PrintSpooler() = default;
  virtual DeviceList listDevices() = 0;
  // The device's default paper and resolution; the answer says what the service told.
  virtual InkPageAnswer describeInkPage(const std::string& device) = 0;
  // Whether the device's queue was made from a braille driver, and the page it lays out.
  virtual BrailleQueue describeBrailleQueue(const std::string& device) = 0;
  // Creates a job named `title` on the device and starts its one document.
  virtual bool openJob(const std::string& device, std::string_view title, JobFormat format) = 0;
  // True only when every byte was taken.
  virtual bool write(std::string_view bytes) = 0;
  // Ends the document. `complete` is false after a write failed: the job is then
  // withdrawn, so that the printer never receives half a page. True only when the
  // service accepted the whole job.
  virtual bool closeJob(bool complete) = 0;
  // Prints the ink page as a job named `title` of one page, drawn on the device by the
  // system's own printing: for services whose printers take no PDF (GDI on Windows).
  virtual PageJob drawInkPage(const std::string&, std::string_view, const Page&, const InkPage&) { return PageJob::AsPdf; }
  // After a job that was not accepted: true when its withdrawal was not confirmed although
  // the whole document may have reached the service, which may print it all the same.
  virtual bool jobMayStillPrint() const { return false; }
};

// Uses `spooler` instead of the system's print service until called with nullptr.
void setPrintSpooler(PrintSpooler* spooler);

DeviceList readDeviceList();
InkPageAnswer describeInkPage(const std::string& device);
BrailleQueue describeBrailleQueue(const std::string& device);

// Opens the one job, named "Pontelix", on the device. A job still open is closed
// (withdrawn) first.
bool openPrinterJob(const std::string& device, JobFormat format);
inline bool openRawPrinterJob(const std::string& device) { return openPrinterJob(device, JobFormat::Raw); }
// False without an open job, or when not all bytes went; after a failed write the job
// takes no more bytes.
bool writeRawPrinter(std::string_view bytes);
// Ends the open job: true when the print service accepted it whole. False without an
// open job, after a failed write, or when the service refused the finished document.
bool closeRawPrinterJob();
// Draws the ink page on the device as a job named "Pontelix", when the print service
// takes no PDF; PageJob::AsPdf, having done nothing, when it does.
PageJob drawInkPageOnPrinter(const std::string& device, const Page& page, const InkPage& oriented);
// Withdraws the open job, so that nothing of it is printed.
void abandonRawPrinterJob();
// That the job failed ("Erro no dispositivo"), and that its page may come out all the
// same when the service may print it.
Outcome printerJobFailure();
