#pragma once
// A private X server (Xvfb) for the window tests, and screenshots read from xwd's
// dump format. Tests skip when the tools are not installed.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

inline bool haveTool(const std::string& name) {
  return std::system(("command -v " + name + " >/dev/null 2>&1").c_str()) == 0;
}

// Runs a shell command; true when it exits with status 0.
inline bool shell(const std::string& command) { return std::system(command.c_str()) == 0; }

inline std::string shellOutput(const std::string& command) {
  std::string out;
  if (FILE* p = popen(command.c_str(), "r")) {
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
    pclose(p);
  }
  return out;
}

class XServer {
 public:
  // Starts Xvfb on a free display and points DISPLAY at it. False when it can not run.
  bool start() {
    int fds[2];
    if (pipe(fds) != 0) return false;
    pid_ = fork();
    if (pid_ == 0) {
      close(fds[0]);
      const int null = open("/dev/null", O_WRONLY);
      dup2(null, STDOUT_FILENO);
      dup2(null, STDERR_FILENO);
      const std::string fd = std::to_string(fds[1]);
      execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24", "-nolisten", "tcp",
             static_cast<char*>(nullptr));
      _exit(127);
    }
    close(fds[1]);
    std::string number;
    pollfd p{fds[0], POLLIN, 0};
    // Xvfb writes its display number when it is ready to take connections.
    while (pid_ > 0 && poll(&p, 1, 30000) > 0) {
      char c;
      if (read(fds[0], &c, 1) != 1 || c == '\n') break;
      number += c;
    }
    close(fds[0]);
    if (number.empty()) {
      stop();
      return false;
    }
    display_ = ":" + number;
    setenv("DISPLAY", display_.c_str(), 1);
    return true;
  }
  void stop() {
    if (pid_ > 0) {
      kill(pid_, SIGTERM);
      waitpid(pid_, nullptr, 0);
      pid_ = -1;
    }
  }
  ~XServer() { stop(); }
  const std::string& display() const { return display_; }

 private:
  pid_t pid_ = -1;
  std::string display_;
};

struct Screenshot {
  int width = 0, height = 0;
  std::vector<std::uint32_t> pixels;  // 0x00RRGGBB
  std::uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// Takes a screenshot of an X window through xwd (32-bit TrueColor dumps only).
inline bool takeScreenshot(const std::string& windowId, const std::string& path, Screenshot& shot) {
  if (!shell("xwd -silent -id " + windowId + " > " + path)) return false;
  std::ifstream in(path, std::ios::binary);
  const std::string d((std::istreambuf_iterator<char>(in)), {});
  if (d.size() < 100) return false;
  const auto field = [&](int i) {
    std::uint32_t v = 0;
    for (int k = 0; k < 4; ++k) v = (v << 8) | static_cast<unsigned char>(d[4 * i + k]);
    return v;
  };
  const std::uint32_t headerSize = field(0), width = field(4), height = field(5), byteOrder = field(7),
                      bitsPerPixel = field(11), bytesPerLine = field(12), colours = field(19);
  const size_t offset = headerSize + static_cast<size_t>(colours) * 12;
  if (bitsPerPixel != 32 || offset + static_cast<size_t>(bytesPerLine) * height > d.size()) return false;
  shot.width = static_cast<int>(width);
  shot.height = static_cast<int>(height);
  shot.pixels.resize(static_cast<size_t>(width) * height);
  for (std::uint32_t y = 0; y < height; ++y) {
    for (std::uint32_t x = 0; x < width; ++x) {
      const auto* b = reinterpret_cast<const unsigned char*>(d.data() + offset + y * bytesPerLine + 4 * x);
      const std::uint32_t v = byteOrder == 0 ? (b[0] | b[1] << 8 | b[2] << 16) : (b[3] | b[2] << 8 | b[1] << 16);
      shot.pixels[y * width + x] = v & 0xFFFFFF;
    }
  }
  return true;
}
