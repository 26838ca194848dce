#include "platform/text/file_read.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace {

long long nanoseconds(const timespec& t) { return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec; }

FileIdentity identityOf(const struct stat& st) {
  return {st.st_dev, st.st_ino, st.st_size, nanoseconds(st.st_mtim), nanoseconds(st.st_ctim)};
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

int openRegularFileSized(const std::string& path, int& fd, long long& size) {
  // Non-blocking, so that a pipe with no writer can't hold the program.
  const int opened = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (opened < 0) return errno;
  struct stat st{};
  int error = 0;
  if (::fstat(opened, &st) != 0) {
    error = errno;
  } else if (S_ISDIR(st.st_mode)) {
    error = EISDIR;
  } else if (!S_ISREG(st.st_mode)) {
    error = EINVAL;
  }
  if (error != 0) {
    ::close(opened);
    return error;
  }
  fd = opened;
  size = st.st_size;
  return 0;
}
