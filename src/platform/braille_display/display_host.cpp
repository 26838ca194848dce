#include "platform/braille_display/display_host.h"

#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <string>

namespace {

constexpr int kFirstPort = 4101;

// Starts a connection to `address` and waits for it until `deadline`.
bool connectsBefore(const addrinfo& address, std::chrono::steady_clock::time_point deadline) {
  const int fd = ::socket(address.ai_family, address.ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, address.ai_protocol);
  if (fd < 0) return false;
  bool connected = ::connect(fd, address.ai_addr, address.ai_addrlen) == 0;
  if (!connected && errno == EINPROGRESS) {
    pollfd polled{fd, POLLOUT, 0};
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    int error = 0;
    socklen_t size = sizeof error;
    connected = left.count() > 0 && ::poll(&polled, 1, static_cast<int>(left.count())) == 1 &&
                ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) == 0 && error == 0;
  }
  ::close(fd);
  return connected;
}

}  // namespace

bool displayHostAnswers(const char* host, int milliseconds) {
  std::string name = host ? host : "", offset;
  if (name.starts_with('[')) {
    const size_t close = name.find(']');
    if (close == std::string::npos || (close + 1 < name.size() && name[close + 1] != ':')) return true;
    offset = close + 1 < name.size() ? name.substr(close + 2) : "";
    name = name.substr(1, close - 1);
  } else if (const size_t colon = name.find(':'); colon != std::string::npos) {
    // More than one colon is a bare IPv6 address, which the library reads its own way.
    if (name.find(':', colon + 1) != std::string::npos) return true;
    offset = name.substr(colon + 1);
    name.resize(colon);
  }
  // Nothing before the colon, or a path, is the local socket.
  if (name.empty() || name.find('/') != std::string::npos) return true;
  if (offset.size() > 4 || offset.find_first_not_of("0123456789") != std::string::npos) return true;
  const std::string port = std::to_string(kFirstPort + (offset.empty() ? 0 : std::stoi(offset)));
  addrinfo hints{};
  hints.ai_socktype = SOCK_STREAM;
  hints.ai_flags = AI_NUMERICSERV;
  addrinfo* found = nullptr;
  if (::getaddrinfo(name.c_str(), port.c_str(), &hints, &found) != 0) return false;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  bool answered = false;
  for (const addrinfo* address = found; address && !answered; address = address->ai_next)
    answered = connectsBefore(*address, deadline);
  ::freeaddrinfo(found);
  return answered;
}
