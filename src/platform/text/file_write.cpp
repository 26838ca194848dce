#include "platform/text/file_write.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <ctime>
#include <memory>

namespace {

int syncDirectory(const char* path) {
  const int fd = ::open(path, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return -1;
  const int result = ::fsync(fd);
  const int error = errno;
  ::close(fd);
  errno = error;
  return result;
}

FileSystemCalls gCalls{::write, ::fsync, ::rename, syncDirectory};

// The dot before the name, the dot after it and mkstemp's six letters.
constexpr size_t kTemporaryExtra = 8;
constexpr std::string_view kTemporaryLetters = "XXXXXX";

// ".NAME." for the temporary files beside `base` in `directory`: NAME is cut (never
// inside a UTF-8 character) so that the temporary name fits a file name (NAME_MAX) and
// its path fits PATH_MAX. Two long names that differ only past the cut share the stem.
std::string temporaryStem(const std::string& directory, const std::string& base) {
  const long pathRoom = PATH_MAX - 1 - static_cast<long>(directory.size() + 1 + kTemporaryExtra);
  size_t cut = std::min({base.size(), static_cast<size_t>(NAME_MAX) - kTemporaryExtra,
                         static_cast<size_t>(std::max(pathRoom, 0L))});
  while (cut > 0 && cut < base.size() && (static_cast<unsigned char>(base[cut]) & 0xC0) == 0x80) --cut;
  return "." + base.substr(0, cut) + ".";
}

bool isTemporaryOf(std::string_view name, std::string_view stem) {
  if (name.size() != stem.size() + kTemporaryLetters.size() || !name.starts_with(stem)) return false;
  const std::string_view letters = name.substr(stem.size());
  return std::all_of(letters.begin(), letters.end(), [](char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
  });
}

timespec now() {
  timespec t{};
  ::clock_gettime(CLOCK_REALTIME, &t);
  return t;
}

// Taken before main, as near to the process's start as the program can tell.
const timespec gProcessStart = now();

// A file last written before this process started, with a second to spare: file times
// come from a clock that may lag the one read here by a tick, and a save under way in
// another process keeps its file's time current.
bool writtenBeforeThisProcess(const struct stat& st) {
  return st.st_mtim.tv_sec + 1 < gProcessStart.tv_sec;
}

// Removes the temporary files a killed save of this target left: its own stem and six
// letters, regular files of this user, written before this process started, so that no
// save still under way is touched. One pass over the directory; nothing is said of a
// file that can't be removed.
void removeStaleTemporaries(const std::string& directory, const std::string& stem) {
  DIR* folder = ::opendir(directory.c_str());
  if (!folder) return;
  const int fd = ::dirfd(folder);
  while (const dirent* entry = ::readdir(folder)) {
    if (!isTemporaryOf(entry->d_name, stem)) continue;
    struct stat st{};
    if (::fstatat(fd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
    if (S_ISREG(st.st_mode) && st.st_uid == ::geteuid() && writtenBeforeThisProcess(st)) {
      ::unlinkat(fd, entry->d_name, 0);
    }
  }
  ::closedir(folder);
}

int writeAll(int fd, const void* data, size_t size) {
  const char* at = static_cast<const char*>(data);
  while (size > 0) {
    const ssize_t n = gCalls.write(fd, at, size);
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

// The file a save must replace: the target of a link (so that the link survives),
// otherwise the name itself.
std::string replacementTarget(const std::string& path) {
  struct stat st{};
  if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
    std::unique_ptr<char, decltype(&std::free)> resolved(::realpath(path.c_str(), nullptr), &std::free);
    if (resolved) return resolved.get();
  }
  return path;
}

std::string directoryOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string baseNameOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

mode_t newFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

}  // namespace

FileSystemCalls& fileSystemCalls() { return gCalls; }

int replaceFileAtomically(const std::string& path, const ByteProducer& produce, FileIdentity* written) {
  if (path.empty()) return ENOENT;
  const std::string target = replacementTarget(path);
  mode_t mode = newFileMode();
  struct stat st{};
  if (::stat(target.c_str(), &st) == 0) {
    if (S_ISDIR(st.st_mode)) return EISDIR;
    if (!S_ISREG(st.st_mode)) return EINVAL;
    if (::access(target.c_str(), W_OK) != 0) return errno;
    mode = st.st_mode & 07777;
  }
  const std::string directory = directoryOf(target);
  const std::string stem = temporaryStem(directory, baseNameOf(target));
  removeStaleTemporaries(directory, stem);
  std::string temp = directory + "/" + stem + std::string(kTemporaryLetters);
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return errno == EACCES || errno == EPERM ? kFolderNotWritable : errno;
  int error = ::fchmod(fd, mode) != 0 ? errno : 0;
  if (error == 0) {
    const ByteSink sink = [&](const void* data, std::size_t size) {
      if (error == 0) error = writeAll(fd, data, size);
      return error == 0;
    };
    if (!produce(sink) && error == 0) error = EIO;
  }
  if (error == 0 && gCalls.fsync(fd) != 0) error = errno;
  FileIdentity identity;
  if (error == 0 && written) error = fileIdentityOf(fd, identity);
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && gCalls.rename(temp.c_str(), target.c_str()) != 0) error = errno;
  if (error != 0) {
    ::unlink(temp.c_str());
    return error;
  }
  // The rename survives a power cut only once the directory is flushed. When that fails
  // the save still succeeded: the name already holds the whole new content, flushed,
  // and the old content is gone from it, so a failure would tell the user that the file
  // was not saved when it was, and a second try could not do better. Some file systems
  // can't flush a directory at all.
  gCalls.syncDirectory(directory.c_str());
  if (written) *written = identity;
  return 0;
}

int replaceFileAtomically(const std::string& path, std::string_view bytes, FileIdentity* written) {
  return replaceFileAtomically(
      path, [bytes](const ByteSink& sink) { return sink(bytes.data(), bytes.size()); }, written);
}
