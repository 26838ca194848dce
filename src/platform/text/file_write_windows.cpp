// Saving on Windows: the bytes go to a new file beside the target, which is flushed,
// closed (Windows renames no file that is still open) and moved over the target with
// MoveFileEx, which replaces it in one step and returns only once the move is on the
// disk. Windows has no links to follow, no owners to keep and no folder to flush.
#include "platform/text/file_write.h"
#include "platform/text/file_write_content.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cerrno>
#include <filesystem>
#include <random>
#include <string>

namespace {

int moveOver(const char* from, const char* to) {
  if (MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return 0;
  errno = GetLastError() == ERROR_ACCESS_DENIED ? EACCES : EIO;
  return -1;
}

int noDirectoryFlush(const char*) { return 0; }

ssize_t writeSome(int fd, const void* data, size_t size) {
  const unsigned chunk = size > (1u << 30) ? (1u << 30) : static_cast<unsigned>(size);
  return _write(fd, data, chunk);
}

FileSystemCalls gCalls{writeSome, _commit, moveOver, noDirectoryFlush};

// A new file ".NAME.pontelix-XXXXXX" beside the target, never one that is there.
int createTemporary(const std::filesystem::path& target, std::string& temp, int& fd) {
  static std::mt19937 random{std::random_device{}()};
  const std::string folder = target.parent_path().empty() ? "." : target.parent_path().string();
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string letters(6, 'a');
    for (char& c : letters) c = static_cast<char>('a' + random() % 26);
    temp = folder + "/." + target.filename().string() + ".pontelix-" + letters;
    fd = _open(temp.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT, _S_IREAD | _S_IWRITE);
    if (fd >= 0) return 0;
    if (errno != EEXIST) return errno == EACCES ? kFolderNotWritable : errno;
  }
  return EEXIST;
}

}  // namespace

FileSystemCalls& fileSystemCalls() { return gCalls; }

int replaceFileAtomically(const std::string& path, const ByteProducer& produce, SaveReport* report) {
  if (path.empty()) return ENOENT;
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) {
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return EISDIR;
    if (attributes & FILE_ATTRIBUTE_READONLY) return EACCES;
  }
  std::string temp;
  int fd = -1;
  if (const int error = createTemporary(std::filesystem::path(path), temp, fd); error != 0) return error;
  int error = writeProduced(fd, produce);
  if (error == 0 && gCalls.fsync(fd) != 0) error = errno;
  FileIdentity identity;
  if (error == 0) error = fileIdentityOf(fd, identity);
  _close(fd);
  if (error == 0 && gCalls.rename(temp.c_str(), path.c_str()) != 0) error = errno;
  if (error != 0) {
    _unlink(temp.c_str());
    return error;
  }
  if (report) report->identity = identity;
  return 0;
}

int replaceFileAtomically(const std::string& path, std::string_view bytes, SaveReport* report) {
  return replaceFileAtomically(path, [bytes](const ByteSink& sink) { return sink(bytes.data(), bytes.size()); }, report);
}

std::string userName(uid_t uid) { return std::to_string(uid); }
std::string groupName(gid_t gid) { return std::to_string(gid); }
