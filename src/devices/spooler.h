#pragma once
// The system's printers as the program reaches them: the list of installed printers
// and one raw job at a time, whose bytes reach the printer unchanged. Every call
// returns within a few seconds, whether or not the print service answers.
#include <string>
#include <string_view>
#include <vector>

// The installed printers in the order the print service gives them, each as the user
// knows it ("name", or "name/instance" for a saved set of options). Names are UTF-8.
struct DeviceList {
  // False when no print service answered; names is empty then.
  bool serviceAnswered = false;
  std::vector<std::string> names;
};

// The print service behind the functions below. The program uses the system's; tests
// put in their own to make any step fail.
class RawSpooler {
 public:
  virtual ~RawSpooler() = default;
  virtual DeviceList listDevices() = 0;
  // Creates a job named `title` on the device and starts its one raw document.
  virtual bool openJob(const std::string& device, std::string_view title) = 0;
  // True only when every byte was taken.
  virtual bool write(std::string_view bytes) = 0;
  // Ends the document. `complete` is false after a write failed: the job is then
  // withdrawn, so that the printer never receives half a page. True only when the
  // service accepted the whole job.
  virtual bool closeJob(bool complete) = 0;
};

// Uses `spooler` instead of the system's print service until called with nullptr.
void setRawSpooler(RawSpooler* spooler);

DeviceList readDeviceList();

// Opens the one raw job, named "Pontelix", on the device. A job still open is closed
// (withdrawn) first.
bool openRawPrinterJob(const std::string& device);
// False without an open job, or when not all bytes went; after a failed write the job
// takes no more bytes.
bool writeRawPrinter(std::string_view bytes);
// Ends the open job: true when the print service accepted it whole. False without an
// open job, after a failed write, or when the service refused the finished document.
bool closeRawPrinterJob();
// Withdraws the open job, so that nothing of it is printed.
void abandonRawPrinterJob();
