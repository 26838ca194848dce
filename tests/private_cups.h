#pragma once
// A print scheduler of the test's own: a private cupsd with its own configuration,
// spool and socket, started by process id and stopped by it, so that no test ever
// reaches the system's scheduler. Its queues deliver every job to a capture backend
// that keeps the job's bytes and title in a folder of the test.
//
// The tests run as the superuser, and cupsd runs no job as the superuser: the
// scheduler's jobs run as lp, and the capture backend (mode 0700) runs as the
// superuser, as the scheduler runs such backends.
#include <fcntl.h>
#include <grp.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "scratch.h"

// One job as the printer received it.
struct CapturedJob {
  int id = 0;
  std::string queue;
  std::string title;
  std::string bytes;
};

class PrivateCups {
 public:
  PrivateCups() { start(); }
  ~PrivateCups() { stop(); }
  PrivateCups(const PrivateCups&) = delete;
  PrivateCups& operator=(const PrivateCups&) = delete;

  // Empty when the scheduler answers; otherwise why it does not.
  const std::string& failure() const { return failure_; }
  // The socket the scheduler listens on, for CUPS_SERVER.
  const std::string& server() const { return socket_; }
  // The environment a program needs to print here, as a shell prefix.
  std::string environment() const { return "CUPS_SERVER='" + socket_ + "'"; }

  // Runs a CUPS command line (lpadmin, cupsreject, lpstat ...) against this scheduler;
  // its output is kept in command.log. True when it succeeded.
  bool command(const std::string& line) const {
    const std::string full = environment() + " " + line + " >>'" + root_ + "/command.log' 2>&1";
    return std::system(full.c_str()) == 0;
  }
  // What a command line wrote, for tests that read the scheduler's answers.
  std::string commandOutput(const std::string& line) const {
    const std::string out = root_ + "/answer.txt";
    std::system((environment() + " " + line + " >'" + out + "' 2>&1").c_str());
    return readBytes(out);
  }

  // A queue that passes its jobs to the printer unchanged.
  bool addRawQueue(const std::string& name) {
    return command("lpadmin -p '" + name + "' -E -v capture:/" + name + " -m raw");
  }
  // A queue with a driver description: its jobs pass the system's filters first.
  bool addQueueFromPpd(const std::string& name, const std::string& ppdPath) {
    return command("lpadmin -p '" + name + "' -E -v capture:/" + name + " -P '" + ppdPath + "'");
  }

  // A queue made from a driver the system offers ("lpinfo -m"), with lpadmin `options`.
  bool addQueueFromModel(const std::string& name, const std::string& model, const std::string& options = "") {
    return command("lpadmin -p '" + name + "' -E -v capture:/" + name + " -m '" + model + "' " + options);
  }

  // The jobs captured so far, in the order of their ids.
  std::vector<CapturedJob> jobs() const {
    std::vector<CapturedJob> found;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(captured_, error)) {
      const std::string name = entry.path().filename().string();
      if (!name.ends_with(".bin")) continue;
      const std::string stem = entry.path().string().substr(0, entry.path().string().size() - 4);
      CapturedJob job;
      job.id = std::atoi(name.c_str());
      job.bytes = readBytes(entry.path().string());
      job.title = readBytes(stem + ".title");
      job.queue = readBytes(stem + ".queue");
      found.push_back(std::move(job));
    }
    std::sort(found.begin(), found.end(), [](const CapturedJob& a, const CapturedJob& b) { return a.id < b.id; });
    return found;
  }

  // Waits until at least `count` jobs have reached the printer, or the limit passed;
  // returns the jobs captured by then.
  std::vector<CapturedJob> waitForJobs(size_t count, std::chrono::seconds limit = std::chrono::seconds(30)) const {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    std::vector<CapturedJob> found = jobs();
    while (found.size() < count && std::chrono::steady_clock::now() < deadline) {
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
      found = jobs();
    }
    return found;
  }

  // The scheduler's log, for the message of a failed expectation.
  std::string errorLog() const { return readBytes(root_ + "/log/error_log"); }

  // Every job the scheduler knows, finished or not, one a line ("lpstat -W all -o").
  std::string jobList() const { return commandOutput("lpstat -W all -o"); }

  // Sends the scheduler a signal (SIGSTOP, SIGKILL), as a print service in trouble; a
  // killed scheduler is gone when this returns.
  void signal(int number) {
    if (pid_ <= 0 || ::kill(pid_, number) != 0 || number != SIGKILL) return;
    ::waitpid(pid_, nullptr, 0);
    pid_ = -1;
  }

 private:
  void start() {
    // The scheduler's filters run as lp and read its configuration, spool and programs,
    // so all of it lives in the system's temporary folder, never inside the clone (which
    // may sit in a folder that only its owner can enter). The short path also leaves room
    // for the socket's name.
    std::string pattern = std::string(P_tmpdir) + "/pontelix-cups-XXXXXX";
    if (!::mkdtemp(pattern.data())) {
      failure_ = "no scratch directory";
      return;
    }
    root_ = pattern;
    socket_ = root_ + "/cups.sock";
    captured_ = root_ + "/captured";
    if (socket_.size() >= sizeof(sockaddr_un{}.sun_path)) {
      failure_ = "socket path too long: " + socket_;
      return;
    }
    openToFilters();
    for (const char* sub : {"conf", "spool", "cache", "state", "temp", "log", "bin", "bin/backend", "captured"})
      std::filesystem::create_directories(root_ + "/" + sub);
    // Filters write their temporary files there, as lp.
    ::chmod((root_ + "/temp").c_str(), 01777);
    linkSystemPrograms();
    writeCaptureBackend();
    writeConfiguration();
    launch();
    if (failure_.empty()) waitUntilListening();
  }

  // The folder is opened to the group lp only; a test run by another user runs the
  // scheduler, and so its filters, as that user, and keeps the folder to itself.
  void openToFilters() {
    const group* lp = ::getgrnam("lp");
    if (lp && ::chown(root_.c_str(), static_cast<uid_t>(-1), lp->gr_gid) == 0) ::chmod(root_.c_str(), 0750);
  }

  // The scheduler finds its helpers (cups-exec, filters) in its own ServerBin; all but
  // the backends are the system's.
  void linkSystemPrograms() {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/usr/lib/cups", error)) {
      const std::string name = entry.path().filename().string();
      if (name == "backend") continue;
      std::filesystem::create_symlink(entry.path(), root_ + "/bin/" + name, error);
    }
  }

  // Without filters the job's file is the sixth argument; after filters the job comes
  // on standard input. The copy appears under its final name only when complete.
  void writeCaptureBackend() {
    const std::string path = root_ + "/bin/backend/capture";
    writeBytes(path,
               "#!/bin/sh\n"
               "if [ $# -eq 0 ]; then echo 'direct capture \"Unknown\" \"Test capture\"'; exit 0; fi\n"
               "out='" + captured_ + "'/$1\n"
               "if [ -n \"$6\" ]; then cp \"$6\" \"$out.part\"; else cat > \"$out.part\"; fi || exit 1\n"
               "printf '%s' \"$3\" > \"$out.title\"\n"
               "printf '%s' \"$PRINTER\" > \"$out.queue\"\n"
               "mv \"$out.part\" \"$out.bin\"\n");
    ::chmod(path.c_str(), 0700);
  }

  void writeConfiguration() {
    writeBytes(root_ + "/conf/cups-files.conf",
               "ServerRoot " + root_ + "/conf\n"
               "RequestRoot " + root_ + "/spool\n"
               "CacheDir " + root_ + "/cache\n"
               "StateDir " + root_ + "/state\n"
               "TempDir " + root_ + "/temp\n"
               "ServerBin " + root_ + "/bin\n"
               "ErrorLog " + root_ + "/log/error_log\n"
               "AccessLog " + root_ + "/log/access_log\n"
               "PageLog " + root_ + "/log/page_log\n"
               "FileDevice Yes\n"
               "User lp\n"
               "Group lp\n");
    writeBytes(root_ + "/conf/cupsd.conf",
               "Listen " + socket_ + "\n"
               "LogLevel debug\n"
               "Browsing Off\n"
               "WebInterface No\n"
               "DefaultAuthType None\n"
               "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
               "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n");
  }

  void launch() {
    const std::string config = root_ + "/conf/cupsd.conf";
    const std::string files = root_ + "/conf/cups-files.conf";
    const std::string log = root_ + "/log/cupsd.out";
    pid_ = ::fork();
    if (pid_ == 0) {
      const int out = ::open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
      if (out >= 0) {
        ::dup2(out, 1);
        ::dup2(out, 2);
      }
      ::execl("/usr/sbin/cupsd", "cupsd", "-f", "-c", config.c_str(), "-s", files.c_str(), static_cast<char*>(nullptr));
      ::_exit(127);
    }
    if (pid_ < 0) failure_ = std::string("fork: ") + std::strerror(errno);
  }

  void waitUntilListening() {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (std::chrono::steady_clock::now() < deadline) {
      int status = 0;
      if (::waitpid(pid_, &status, WNOHANG) == pid_) {
        pid_ = -1;
        failure_ = "cupsd ended at once: " + readBytes(root_ + "/log/cupsd.out") + readBytes(root_ + "/log/error_log");
        return;
      }
      if (connects()) return;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    failure_ = "cupsd does not listen on " + socket_;
  }

  bool connects() const {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, socket_.c_str(), sizeof address.sun_path - 1);
    const bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return ok;
  }

  void stop() {
    if (pid_ > 0) {
      ::kill(pid_, SIGTERM);
      ::kill(pid_, SIGCONT);
      const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
      while (::waitpid(pid_, nullptr, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() >= deadline) {
          ::kill(pid_, SIGKILL);
          ::waitpid(pid_, nullptr, 0);
          break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
      }
    }
    std::error_code ignored;
    if (!root_.empty()) std::filesystem::remove_all(root_, ignored);
  }

  std::string root_, socket_, captured_, failure_;
  pid_t pid_ = -1;
};

// A scheduler's socket that takes connections and never answers: the kernel accepts
// them into the backlog, and nothing ever reads or writes.
class MuteScheduler {
 public:
  explicit MuteScheduler(const std::string& path) : path_(path) {
    fd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    listening_ = fd_ >= 0 && path.size() < sizeof address.sun_path &&
                 ::bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 && ::listen(fd_, 8) == 0;
  }
  ~MuteScheduler() {
    if (fd_ >= 0) ::close(fd_);
    ::unlink(path_.c_str());
  }
  MuteScheduler(const MuteScheduler&) = delete;
  MuteScheduler& operator=(const MuteScheduler&) = delete;

  bool listening() const { return listening_; }
  const std::string& server() const { return path_; }

 private:
  std::string path_;
  int fd_ = -1;
  bool listening_ = false;
};
