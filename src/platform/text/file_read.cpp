#include "platform/text/file_read.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <utility>

namespace {

// Closes on every road out of a function.
struct FileDescriptor {
  int fd = -1;
  ~FileDescriptor() {
    if (fd >= 0) ::close(fd);
  }
};

long long nanoseconds(const timespec& t) { return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec; }

FileIdentity identityOf(const struct stat& st) {
  return {st.st_dev, st.st_ino, st.st_size, nanoseconds(st.st_mtim), nanoseconds(st.st_ctim)};
}

// openRegularFile, also giving what the check found.
int openRegular(const std::string& path, FileDescriptor& file, struct stat& st) {
  // Non-blocking, so that a pipe with no writer can't hold the program.
  file.fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (file.fd < 0) return errno;
  if (::fstat(file.fd, &st) != 0) return errno;
  if (S_ISDIR(st.st_mode)) return EISDIR;
  if (!S_ISREG(st.st_mode)) return EINVAL;
  return 0;
}

}  // namespace

int fileIdentityOf(const std::string& path, FileIdentity& identity) {
  struct stat st{};
  if (::stat(path.c_str(), &st) != 0) return errno;
  identity = identityOf(st);
  return 0;
}

int fileIdentityOf(int fd, FileIdentity& identity) {
  struct stat st{};
  if (::fstat(fd, &st) != 0) return errno;
  identity = identityOf(st);
  return 0;
}

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
  FileDescriptor file;
  struct stat st{};
  if (const int error = openRegular(path, file, st); error != 0) return error;
  fd = std::exchange(file.fd, -1);
  return 0;
}

int readRegularFile(const std::string& path, long long maxBytes, std::string& bytes) {
  FileDescriptor file;
  struct stat st{};
  if (const int error = openRegular(path, file, st); error != 0) return error;
  if (st.st_size > maxBytes) return EFBIG;
  std::string read;
  read.reserve(static_cast<size_t>(st.st_size));
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
