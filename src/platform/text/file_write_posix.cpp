#include "platform/text/file_write.h"
#include "platform/text/file_write_content.h"

#include <dirent.h>
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <ctime>
#include <new>
#include <string>

#include "platform/text/utf8.h"

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

// Put after the name in every temporary file, so that a save's clean-up can never take a
// file of the user's or of another program for one of ours.
constexpr std::string_view kTemporaryMark = "pontelix-";
constexpr std::string_view kTemporaryLetters = "XXXXXX";
// The dot before the name, the dot after it, the mark and mkstemp's six letters.
constexpr size_t kTemporaryExtra = 2 + kTemporaryMark.size() + kTemporaryLetters.size();

// ".NAME.pontelix-" for the temporary files beside `base` in `directory`: NAME is cut
// (never inside a UTF-8 character) so that the temporary name fits a file name
// (NAME_MAX) and its path fits PATH_MAX. Two long names that differ only past the cut
// share the stem.
std::string temporaryStem(const std::string& directory, const std::string& base) {
  const long pathRoom = PATH_MAX - 1 - static_cast<long>(directory.size() + 1 + kTemporaryExtra);
  size_t cut = std::min({base.size(), static_cast<size_t>(NAME_MAX) - kTemporaryExtra,
                         static_cast<size_t>(std::max(pathRoom, 0L))});
  while (cut > 0 && cut < base.size() && isContinuationByte(base[cut])) --cut;
  return "." + base.substr(0, cut) + "." + std::string(kTemporaryMark);
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

// Removes the one temporary file `name` when it is what a killed save left: a regular
// file of this user, written before this process started, and not locked, since a save
// holds its file's lock until the rename, however long it is stopped. The lock taken here
// keeps a save that is about to begin out until the file is gone.
void removeIfAbandoned(int folder, const char* name) {
  struct stat st{};
  if (::fstatat(folder, name, &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode)) return;
  if (st.st_uid != ::geteuid() || !writtenBeforeThisProcess(st)) return;
  const int fd = ::openat(folder, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return;
  struct stat opened{};
  if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &opened) == 0 && opened.st_ino == st.st_ino &&
      opened.st_dev == st.st_dev) {
    ::unlinkat(folder, name, 0);
  }
  ::close(fd);
}

// Removes the temporary files killed saves of this target left. One pass over the
// directory; nothing is said of a file that can't be removed.
void removeStaleTemporaries(const std::string& directory, const std::string& stem) {
  DIR* folder = ::opendir(directory.c_str());
  if (!folder) return;
  while (const dirent* entry = ::readdir(folder)) {
    if (isTemporaryOf(entry->d_name, stem)) removeIfAbandoned(::dirfd(folder), entry->d_name);
  }
  ::closedir(folder);
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

// A folder that anyone may write and that has the sticky bit: others' links in it may
// aim at our files, as the system's fs.protected_symlinks rule has it.
bool sharedFolder(const struct stat& folder) {
  return (folder.st_mode & S_ISVTX) && (folder.st_mode & S_IWOTH);
}

// The file a save must replace: the end of the chain of links that starts at `path` (so
// that the links survive), or the name itself. Each link is checked before it is
// followed; a link whose target is missing gives that target, which the save then makes
// in its folder. Returns 0 or the errno that refuses the save.
int replacementTarget(const std::string& path, std::string& target, SaveReport& report) {
  target = path;
  // As many links as the system follows in one name.
  for (int hops = 0; hops <= 40; ++hops) {
    struct stat st{};
    if (::lstat(target.c_str(), &st) != 0) return errno == ENOENT ? 0 : errno;
    if (!S_ISLNK(st.st_mode)) return 0;
    const std::string folder = directoryOf(target);
    struct stat dir{};
    if (::stat(folder.c_str(), &dir) != 0) return errno;
    if (sharedFolder(dir) && st.st_uid != ::geteuid() && st.st_uid != dir.st_uid) {
      report.refusedLink = target;
      report.linkFolder = folder;
      report.linkOwner = st.st_uid;
      return EACCES;
    }
    std::string next(PATH_MAX, '\0');
    const ssize_t n = ::readlink(target.c_str(), next.data(), next.size());
    if (n < 0) return errno;
    next.resize(static_cast<size_t>(n));
    target = next.starts_with('/') ? next : folder + "/" + next;
  }
  return ELOOP;
}

// Gives the new file the replaced file's owner and group, each as far as the process
// may, and tells when it could not.
void keepOwnership(int fd, const struct stat& old, SaveReport& report) {
  if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) {
    if (::fchown(fd, old.st_uid, old.st_gid) != 0) (void)::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
  }
  struct stat now{};
  if (::fstat(fd, &now) == 0 && (now.st_uid != old.st_uid || now.st_gid != old.st_gid)) {
    report.ownershipKept = false;
    report.formerOwner = old.st_uid;
    report.formerGroup = old.st_gid;
    report.newOwner = now.st_uid;
    report.newGroup = now.st_gid;
  }
}

}  // namespace

FileSystemCalls& fileSystemCalls() { return gCalls; }

int replaceFileAtomically(const std::string& path, const ByteProducer& produce, SaveReport* report) {
  if (path.empty()) return ENOENT;
  SaveReport unasked;
  SaveReport& told = report ? *report : unasked;
  std::string target;
  if (const int refused = replacementTarget(path, target, told); refused != 0) return refused;
  mode_t mode = newFileMode();
  struct stat st{};
  const bool replacing = ::stat(target.c_str(), &st) == 0;
  if (replacing) {
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
  // Held until the file is closed after its rename: the mark of a save under way.
  int error = ::flock(fd, LOCK_EX) != 0 ? errno : 0;
  if (error == 0) error = writeProduced(fd, produce);
  // The owner first: a change of owner clears the set-user and set-group bits.
  if (error == 0 && replacing) keepOwnership(fd, st, told);
  if (error == 0 && ::fchmod(fd, mode) != 0) error = errno;
  if (error == 0 && gCalls.fsync(fd) != 0) error = errno;
  FileIdentity identity;
  if (error == 0) error = fileIdentityOf(fd, identity);
  if (error == 0 && gCalls.rename(temp.c_str(), target.c_str()) != 0) error = errno;
  if (error != 0) ::unlink(temp.c_str());
  // Closed only now, so that the lock lasts until the name is given; the content was
  // flushed, and a close can no longer lose any of it.
  ::close(fd);
  if (error != 0) return error;
  // The rename survives a power cut only once the directory is flushed. When that fails
  // the save still succeeded: the name already holds the whole new content, flushed,
  // and the old content is gone from it, so a failure would tell the user that the file
  // was not saved when it was, and a second try could not do better. Some file systems
  // can't flush a directory at all.
  gCalls.syncDirectory(directory.c_str());
  told.identity = identity;
  return 0;
}

int replaceFileAtomically(const std::string& path, std::string_view bytes, SaveReport* report) {
  return replaceFileAtomically(
      path, [bytes](const ByteSink& sink) { return sink(bytes.data(), bytes.size()); }, report);
}

std::string userName(uid_t uid) {
  passwd entry{}, *found = nullptr;
  char buffer[4096];
  if (::getpwuid_r(uid, &entry, buffer, sizeof buffer, &found) == 0 && found) return found->pw_name;
  return std::to_string(uid);
}

std::string groupName(gid_t gid) {
  group entry{}, *found = nullptr;
  char buffer[4096];
  if (::getgrgid_r(gid, &entry, buffer, sizeof buffer, &found) == 0 && found) return found->gr_name;
  return std::to_string(gid);
}
