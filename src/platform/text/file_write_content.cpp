#include "platform/text/file_write_content.h"

#include <cerrno>
#include <new>

namespace {

int writeAll(int fd, const void* data, size_t size) {
  const char* at = static_cast<const char*>(data);
  while (size > 0) {
    const ssize_t n = fileSystemCalls().write(fd, at, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    if (n == 0) return EIO;
    at += n;
    size -= static_cast<size_t>(n);
  }
  return 0;
}

}  // namespace

int writeProduced(int fd, const ByteProducer& produce) {
  int error = 0;
  const ByteSink sink = [&](const void* data, std::size_t size) {
    if (error == 0) error = writeAll(fd, data, size);
    return error == 0;
  };
  // A writer that runs out of memory leaves the old file as it was, like any failure.
  try {
    if (!produce(sink) && error == 0) error = EIO;
  } catch (const std::bad_alloc&) {
    error = ENOMEM;
  }
  return error;
}
