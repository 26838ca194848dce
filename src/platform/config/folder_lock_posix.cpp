#include "platform/config/folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>

namespace {

constexpr int kWaitMs = 3000;
constexpr int kPollMs = 5;

}  // namespace

FolderLock::FolderLock(const std::string& folder) {
  // The folder itself carries the lock: no lock file is left beside the user's files.
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  for (int waited = 0; waited <= kWaitMs; waited += kPollMs) {
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
      held_ = fd;
      return;
    }
    if (errno != EWOULDBLOCK && errno != EINTR) break;
    const timespec pause{0, kPollMs * 1000000L};
    ::nanosleep(&pause, nullptr);
  }
  ::close(fd);
}

FolderLock::~FolderLock() {
  // Closing the descriptor releases the lock.
  if (held_ >= 0) ::close(static_cast<int>(held_));
}
