#pragma once
// A scheduler's socket in front of a private scheduler, for a print service that fails in
// the middle of a job. It passes every connection on both ways and counts the requests
// the clients send; just before the request numbered `at` goes on, it calls `fault`
// (which may stop or kill the scheduler, or remove a queue), whose answer says what
// becomes of the traffic: it goes on, that one connection freezes (nothing of it passes
// any more), or the whole socket falls silent (connections are taken, never answered).
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <atomic>
#include <cstring>
#include <functional>
#include <list>
#include <string>
#include <thread>
#include <vector>

class SchedulerProxy {
 public:
  enum class Then { GoOn, FreezeConnection, Silence };

  SchedulerProxy(const std::string& path, const std::string& upstream, int at, std::function<Then()> fault)
      : path_(path), upstream_(upstream), at_(at), fault_(std::move(fault)) {
    listen_ = unixSocket(path_, true);
    if (listen_ >= 0 && ::pipe2(wake_, O_CLOEXEC) == 0) thread_ = std::thread([this] { run(); });
  }
  ~SchedulerProxy() {
    if (thread_.joinable()) {
      quit_ = true;
      (void)!::write(wake_[1], "q", 1);
      thread_.join();
    }
    for (const Link& link : links_) ::close(link.client), ::close(link.server);
    for (const int fd : {listen_, wake_[0], wake_[1]})
      if (fd >= 0) ::close(fd);
    ::unlink(path_.c_str());
  }
  SchedulerProxy(const SchedulerProxy&) = delete;
  SchedulerProxy& operator=(const SchedulerProxy&) = delete;

  bool listening() const { return thread_.joinable(); }
  const std::string& server() const { return path_; }
  int requests() const { return requests_; }

 private:
  struct Link {
    int client, server;
    std::string tail;  // the last bytes the client sent, for a request line cut in two
    bool frozen = false, gone = false;
  };

  static int unixSocket(const std::string& path, bool listen) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    const auto* a = reinterpret_cast<const sockaddr*>(&address);
    if (fd >= 0 && (listen ? ::bind(fd, a, sizeof address) == 0 && ::listen(fd, 64) == 0 : ::connect(fd, a, sizeof address) == 0))
      return fd;
    if (fd >= 0) ::close(fd);
    return -1;
  }

  // Every request of HTTP/1.1 starts with a line ending so; no header or document here holds it.
  void countRequests(Link& link, const std::string& bytes) {
    static const std::string kLine = " HTTP/1.1\r\n";
    const std::string scan = link.tail + bytes;
    for (size_t at = scan.find(kLine); at != std::string::npos; at = scan.find(kLine, at + 1)) {
      if (++requests_ != at_) continue;
      const Then then = fault_();
      link.frozen = then == Then::FreezeConnection;
      silent_ = then == Then::Silence;
    }
    link.tail = scan.substr(scan.size() - std::min(scan.size(), kLine.size() - 1));
  }

  // Passes what `from` has on to `to`; false when either end is gone.
  bool pass(Link& link, int from, int to) {
    char buffer[65536];
    const ssize_t got = ::read(from, buffer, sizeof buffer);
    if (got <= 0) return false;
    const std::string bytes(buffer, static_cast<size_t>(got));
    if (from == link.client) countRequests(link, bytes);
    // The jobs of these tests are a few kilobytes: the socket takes them whole.
    return link.frozen || silent_ || ::send(to, bytes.data(), bytes.size(), MSG_NOSIGNAL) == got;
  }

  void run() {
    while (!quit_) {
      std::vector<pollfd> polled{{wake_[0], POLLIN, 0}, {silent_ ? -1 : listen_, POLLIN, 0}};
      for (const Link& link : links_) {
        const int skip = silent_ || link.frozen ? -1 : 0;
        polled.push_back({skip ? -1 : link.client, POLLIN, 0});
        polled.push_back({skip ? -1 : link.server, POLLIN, 0});
      }
      if (::poll(polled.data(), polled.size(), -1) < 0) continue;
      size_t i = 2;
      for (Link& link : links_) {
        if (polled[i++].revents && !pass(link, link.client, link.server)) link.gone = true;
        if (polled[i++].revents && !link.gone && !pass(link, link.server, link.client)) link.gone = true;
      }
      links_.remove_if([](const Link& link) { return link.gone && (::close(link.client), ::close(link.server), true); });
      if (polled[1].revents) {
        const int client = ::accept4(listen_, nullptr, nullptr, SOCK_CLOEXEC);
        // A scheduler that is gone refuses the connection: the client's is closed at once.
        const int server = client >= 0 ? unixSocket(upstream_, false) : -1;
        if (server >= 0) links_.push_back({client, server, {}});
        else if (client >= 0) ::close(client);
      }
    }
  }

  std::string path_, upstream_;
  int at_;
  std::function<Then()> fault_;
  int listen_ = -1, wake_[2] = {-1, -1};
  std::list<Link> links_;
  std::atomic<int> requests_{0};
  std::atomic<bool> silent_{false}, quit_{false};
  std::thread thread_;
};
