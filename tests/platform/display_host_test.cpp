// The reach of a remote braille display host, against listeners of the test's own.
#include <gtest/gtest.h>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <string>

#include "platform/braille_display/display_host.h"

namespace {

// A listener on the loopback at the daemon's port 4101 + offset; `full` fills its
// backlog, so that the kernel drops the next connection's first packet and the
// connection waits as with a host that never answers.
struct Listener {
  explicit Listener(bool full) {
    for (offset = 40; offset < 400; ++offset) {
      fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
      sockaddr_in address{};
      address.sin_family = AF_INET;
      address.sin_port = htons(static_cast<uint16_t>(4101 + offset));
      address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
      if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 && ::listen(fd, 0) == 0) {
        filler = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (full) ::connect(filler, reinterpret_cast<sockaddr*>(&address), sizeof address);
        return;
      }
      ::close(fd);
    }
  }
  ~Listener() { ::close(filler), ::close(fd); }
  std::string host() const { return "127.0.0.1:" + std::to_string(offset); }
  int fd = -1, filler = -1, offset = 0;
};

TEST(DisplayHost, AHostThatNeverAnswersIsGivenUpAndTheLocalSocketIsLeftAlone) {
  Listener open(false), full(true);
  std::string closed;
  {
    Listener gone(false);
    closed = gone.host();
  }
  const struct {
    std::string host;
    bool answers;
  } cases[] = {{"", true}, {":0", true}, {":3", true}, {open.host(), true},
               {closed, false}, {full.host(), false}};
  for (const auto& c : cases) {
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(displayHostAnswers(c.host.c_str(), 1000), c.answers) << c.host;
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10)) << c.host;
  }
  EXPECT_TRUE(displayHostAnswers(nullptr, 1000));
}

}  // namespace
