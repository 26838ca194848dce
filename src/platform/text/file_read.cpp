#include "platform/text/file_read.h"

#include <unistd.h>

#include <cerrno>
#include <filesystem>

namespace {

// Closes on every road out of a function.
struct FileDescriptor {
  int fd = -1;
  ~FileDescriptor() {
    if (fd >= 0) ::close(fd);
  }
};

}  // namespace

bool sameFile(const std::string& a, const std::string& b) {
  FileIdentity first, second;
  const int missingFirst = fileIdentityOf(a, first), missingSecond = fileIdentityOf(b, second);
  if (missingFirst == 0 && missingSecond == 0) return first.sameFileAs(second);
  if (missingFirst == 0 || missingSecond == 0) return false;
  // Made absolute first: a relative name none of whose folders exist is left as it is.
  const auto resolved = [](const std::string& path) {
    std::error_code failed;
    const std::filesystem::path full = std::filesystem::weakly_canonical(std::filesystem::absolute(path, failed), failed);
    return failed ? std::filesystem::path(path) : full;
  };
  return resolved(a) == resolved(b);
}

int openRegularFile(const std::string& path, int& fd) {
  long long size = 0;
  return openRegularFileSized(path, fd, size);
}

int readRegularFile(const std::string& path, long long maxBytes, std::string& bytes) {
  FileDescriptor file;
  long long size = 0;
  if (const int error = openRegularFileSized(path, file.fd, size); error != 0) return error;
  if (size > maxBytes) return EFBIG;
  std::string read;
  read.reserve(static_cast<size_t>(size));
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(file.fd, buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    if (n == 0) break;
    if (static_cast<long long>(read.size()) + n > maxBytes) return EFBIG;
    read.append(buffer, static_cast<size_t>(n));
  }
  bytes = std::move(read);
  return 0;
}
