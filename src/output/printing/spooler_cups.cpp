// Every request goes over a connection of our own, never the library's default one,
// because only our own connection can be given a deadline: a scheduler that accepts the
// connection and then never answers would otherwise hold the program for minutes. The
// library's conveniences that look a queue up first (cupsCreateJob, cupsGetNamedDest)
// ask again over the default connection when the lookup fails, so the requests that
// need a queue are built here.
#include "output/printing/spooler_cups.h"

#include <cups/cups.h>

#include <chrono>
#include <csignal>

#include "output/ink/ink_media_cups.h"
#include "output/printing/braille_queue.h"
#include "output/printing/cups_library.h"

namespace {

using Clock = std::chrono::steady_clock;

// How long one step (listing, opening the job, one write, finishing) may wait for the
// scheduler in all, and how long a connection may take to be made.
constexpr auto kStepLimit = std::chrono::seconds(3);
constexpr int kConnectMilliseconds = 3000;
// Withdrawing a job after a give-up has short deadlines of its own: for the connection,
// and for the answer.
constexpr auto kWithdrawLimit = std::chrono::seconds(2);
constexpr int kWithdrawConnectMilliseconds = 1000;
// How often the library asks whether to go on waiting.
constexpr double kWaitQuantumSeconds = 0.5;
// A driver description is some tens of kilobytes; anything far larger is no description.
constexpr size_t kMaxDescriptionBytes = 4 << 20;

constexpr char kBrfFormat[] = "application/vnd.cups-brf";

const char* mimeType(JobFormat format) {
  switch (format) {
    case JobFormat::Brf: return kBrfFormat;
    case JobFormat::Pdf: return CUPS_FORMAT_PDF;
    case JobFormat::Raw: break;
  }
  return CUPS_FORMAT_RAW;
}

// A queue's name as a path segment of the scheduler's address.
std::string pathSegment(const std::string& name) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string segment;
  for (const char c : name) {
    const unsigned char u = static_cast<unsigned char>(c);
    if ((u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9') || c == '-' || c == '_' || c == '.' || c == '~') {
      segment += c;
    } else {
      segment += '%';
      segment += kHex[u >> 4];
      segment += kHex[u & 15];
    }
  }
  return segment;
}

// A request needing a password fails instead: the library would otherwise ask for it
// on the terminal, under the program's own screen.
const char* noPassword(const char*, http_t*, const char*, const char*, void*) { return nullptr; }

class CupsSpooler final : public PrintSpooler {
 public:
  DeviceList listDevices() override {
    DeviceList list;
    http_t* http = connect();
    if (!http) return list;
    if (answers(http)) {
      startStep();
      cups_dest_t* dests = nullptr;
      const int count = cups().cupsGetDests2(http, &dests);
      list.serviceAnswered = !gaveUp_;
      for (int i = 0; list.serviceAnswered && i < count; ++i) {
        std::string name = dests[i].name;
        if (dests[i].instance) name += std::string("/") + dests[i].instance;
        list.names.push_back(std::move(name));
      }
      cups().cupsFreeDests(count, dests);
    }
    cups().httpClose(http);
    return list;
  }

  // An instance is a set of saved options on the same queue. No job takes them: a raw
  // job has no use for them, and the ink page is drawn for the paper and resolution
  // that a job without options is printed with, the queue's own defaults.
  InkPageAnswer describeInkPage(const std::string& device) override {
    InkPageAnswer answer;
    http_t* http = connect();
    if (!http) return answer;
    if (answers(http)) {
      startStep();
      answer = askInkPage(http, queueOf(device));
      if (gaveUp_) answer = InkPageAnswer{};
    }
    cups().httpClose(http);
    return answer;
  }

  // The scheduler serves a queue's driver description at /printers/NAME.ppd. A queue
  // without one (raw) is not found there, which is an answer too, and so is any other
  // refusal: such a queue gets the raw job as before.
  BrailleQueue describeBrailleQueue(const std::string& device) override {
    BrailleQueue queue;
    http_t* http = connect();
    if (!http) return queue;
    startStep();
    std::string description;
    const http_status_t status = fetch(http, "/printers/" + pathSegment(queueOf(device)) + ".ppd", description);
    if (status == HTTP_STATUS_OK) queue = readBrailleDriverDescription(description);
    else queue.answered = status != HTTP_STATUS_ERROR;
    cups().httpClose(http);
    return queue;
  }

  bool openJob(const std::string& device, std::string_view title, JobFormat format) override {
    queue_ = queueOf(device);
    mayStillPrint_ = false;
    http_ = connect();
    if (!http_) return false;
    if (!answers(http_)) return dropJob();
    startStep();
    jobId_ = createJob(title, format);
    if (jobId_ <= 0 || gaveUp_) return dropJob();
    startStep();
    const http_status_t started =
        cups().cupsStartDocument(http_, queue_.c_str(), jobId_, std::string(title).c_str(), mimeType(format), 1);
    if (started != HTTP_STATUS_CONTINUE || gaveUp_) return dropJob();
    return true;
  }

  bool write(std::string_view bytes) override {
    if (!http_) return false;
    startStep();
    return cups().cupsWriteRequestData(http_, bytes.data(), bytes.size()) == HTTP_STATUS_CONTINUE && !gaveUp_;
  }

  bool closeJob(bool complete) override {
    if (!http_) return false;
    if (!complete) return dropJob();
    startStep();
    // The document's end, then the scheduler's answer. The library's cupsFinishDocument
    // reports a connection lost before any answer as success: an answer is required here.
    // Without one, the whole document may be at the scheduler all the same.
    documentEnded_ = cups().httpWrite2(http_, "", 0) >= 0 && !gaveUp_;
    const std::string resource = "/printers/" + pathSegment(queue_);
    ipp_t* response = documentEnded_ ? cups().cupsGetResponse(http_, resource.c_str()) : nullptr;
    const bool accepted = response && cups().ippGetStatusCode(response) <= IPP_STATUS_OK_EVENTS_COMPLETE && !gaveUp_;
    if (response && !gaveUp_) documentEnded_ = false;
    cups().ippDelete(response);
    if (!accepted) return dropJob();
    cups().httpClose(http_);
    http_ = nullptr;
    jobId_ = 0;
    return true;
  }

  bool jobMayStillPrint() const override { return mayStillPrint_; }

 private:
  static std::string queueOf(const std::string& device) { return device.substr(0, device.find('/')); }

  // Null also when the print service's library is not installed: to the user, a
  // service that does not answer.
  http_t* connect(int milliseconds = kConnectMilliseconds) {
    if (!cupsLibrary()) return nullptr;
    static const bool prepared = [] {
      // A scheduler that closes the connection while we write must cost the job, not
      // the program.
      std::signal(SIGPIPE, SIG_IGN);
      cups().cupsSetPasswordCB2(noPassword, nullptr);
      return true;
    }();
    (void)prepared;
    http_t* http = cups().httpConnect2(cups().cupsServer(), cups().ippPort(), nullptr, AF_UNSPEC, cups().cupsEncryption(),
                                       1, milliseconds, nullptr);
    if (http) cups().httpSetTimeout(http, kWaitQuantumSeconds, keepWaiting, this);
    return http;
  }

  // One cheap question first, so that a scheduler that does not answer costs one wait
  // and not one for each of the requests the listing and the job creation make.
  bool answers(http_t* http) {
    startStep();
    ipp_t* response = cups().cupsDoRequest(http, cups().ippNewRequest(IPP_OP_CUPS_GET_DEFAULT), "/");
    cups().ippDelete(response);
    return response != nullptr && !gaveUp_;
  }

  // The body of one GET, within the step's deadline. The status the scheduler gave, or
  // HTTP_STATUS_ERROR when it did not answer whole in time.
  http_status_t fetch(http_t* http, const std::string& resource, std::string& body) {
    cups().httpClearFields(http);
    if (cups().httpGet(http, resource.c_str()) != 0) return HTTP_STATUS_ERROR;
    http_status_t status = HTTP_STATUS_CONTINUE;
    while (status == HTTP_STATUS_CONTINUE && !gaveUp_ && Clock::now() < deadline_) status = cups().httpUpdate(http);
    if (status != HTTP_STATUS_OK || gaveUp_) return gaveUp_ || status == HTTP_STATUS_CONTINUE ? HTTP_STATUS_ERROR : status;
    char buffer[16384];
    ssize_t got = 0;
    while ((got = cups().httpRead2(http, buffer, sizeof buffer)) > 0 && body.size() <= kMaxDescriptionBytes)
      body.append(buffer, static_cast<size_t>(got));
    return got < 0 || gaveUp_ || body.size() > kMaxDescriptionBytes ? HTTP_STATUS_ERROR : HTTP_STATUS_OK;
  }

  // Create-Job for the queue; the job's id, or 0. A braille driver looks for a
  // translation table unless told there is none, and stops the job when it finds none; a
  // BRF document is translated already.
  int createJob(std::string_view title, JobFormat format) {
    ipp_t* request = cups().ippNewRequest(IPP_OP_CREATE_JOB);
    cups().ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, cupsQueueUri(queue_).c_str());
    cups().ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cups().cupsUser());
    cups().ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "job-name", nullptr, std::string(title).c_str());
    cups_option_t noTranslation{const_cast<char*>("LibLouis"), const_cast<char*>("None")};
    if (format == JobFormat::Brf) cups().cupsEncodeOptions2(request, 1, &noTranslation, IPP_TAG_JOB);
    ipp_t* response = cups().cupsDoRequest(http_, request, ("/printers/" + pathSegment(queue_)).c_str());
    ipp_attribute_t* id = cups().ippFindAttribute(response, "job-id", IPP_TAG_INTEGER);
    const int job = id && cups().cupsLastError() <= IPP_STATUS_OK_EVENTS_COMPLETE ? cups().ippGetInteger(id, 0) : 0;
    cups().ippDelete(response);
    return job;
  }

  void startStep(Clock::duration limit = kStepLimit) {
    deadline_ = Clock::now() + limit;
    gaveUp_ = false;
  }

  static int keepWaiting(http_t*, void* data) {
    auto* self = static_cast<CupsSpooler*>(data);
    if (Clock::now() < self->deadline_) return 1;
    self->gaveUp_ = true;
    return 0;
  }

  // Withdraws the job, if one was created, and forgets it. Always false, for the
  // callers' returns. A withdrawal that is not confirmed matters only when the whole
  // document may have reached the scheduler: it may print it still.
  bool dropJob() {
    if (http_) cups().httpClose(http_);
    http_ = nullptr;
    mayStillPrint_ = jobId_ > 0 && !withdraw() && documentEnded_;
    jobId_ = 0;
    documentEnded_ = false;
    return false;
  }

  // Cancel-Job over a fresh connection (the job's own may be in the middle of a document,
  // or be the one that stopped answering), within a short deadline of its own. True when
  // the scheduler confirmed it.
  bool withdraw() {
    http_t* http = connect(kWithdrawConnectMilliseconds);
    if (!http) return false;
    startStep(kWithdrawLimit);
    const ipp_status_t status = cups().cupsCancelJob2(http, queue_.c_str(), jobId_, 0);
    cups().httpClose(http);
    return status <= IPP_STATUS_OK_EVENTS_COMPLETE && !gaveUp_;
  }

  http_t* http_ = nullptr;
  std::string queue_;
  int jobId_ = 0;
  // Whether the end of the job's document was sent, and whether the last job given up
  // may print all the same.
  bool documentEnded_ = false, mayStillPrint_ = false;
  Clock::time_point deadline_;
  bool gaveUp_ = false;
};

}  // namespace

PrintSpooler& systemSpooler() {
  static CupsSpooler spooler;
  return spooler;
}
