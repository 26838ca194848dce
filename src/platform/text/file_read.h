#pragma once
// Reading a whole file into memory, the one way the files a user names are read (projects,
// the paragraph editor's blocks, the configuration): only a regular file is read, and
// only up to a size the caller gives, so that a pipe, a device or an endless file gets a
// refusal instead of a hang or an exhausted memory.
#include <sys/types.h>

#include <cstdint>
#include <string>

// What tells one state of a file from another: a file replaced (another inode) or
// written (another size or time) has another identity.
struct FileIdentity {
  // On Windows the volume's serial number and the file's index on it.
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  long long size = 0;
  long long modifiedNs = 0, changedNs = 0;
  bool operator==(const FileIdentity&) const = default;
  // The same file with the same bytes as far as its writers tell: a change of its
  // permissions or links moves only the change time and is no change of its content.
  bool sameContentAs(const FileIdentity& other) const {
    return device == other.device && inode == other.inode && size == other.size && modifiedNs == other.modifiedNs;
  }
  // The same file, whatever its state.
  bool sameFileAs(const FileIdentity& other) const { return device == other.device && inode == other.inode; }
};

// The identity of what the name leads to (links followed). Returns 0, or the errno of
// the look-up (ENOENT when there is nothing), when identity is left as it was.
int fileIdentityOf(const std::string& path, FileIdentity& identity);
// The identity of an open file.
int fileIdentityOf(int fd, FileIdentity& identity);

// Whether two names (UTF-8 or any bytes) lead to one file: the same device and inode
// when both exist; when neither does, the same path once links, "." and ".." are
// resolved as far as the folders exist, so that a file still to be made under both
// names is found too.
bool sameFile(const std::string& a, const std::string& b);

// Opens the file for reading, never waiting on it: a pipe with no writer is refused, not
// waited for, and the check is made on what was opened, so that a name changed in
// between can't slip a pipe in. Returns 0 and the descriptor, which the caller closes,
// or the errno: EISDIR for a directory, EINVAL for anything else that is no regular file.
int openRegularFile(const std::string& path, int& fd);
// openRegularFile, also giving the size the check found (file_read_posix.cpp and
// file_read_windows.cpp).
int openRegularFileSized(const std::string& path, int& fd, long long& size);

// Reads the whole file, never waiting on it: a pipe with no writer is refused, not waited
// for. Returns 0, or the errno that stopped it: EISDIR for a directory, EINVAL for
// anything else that is no regular file, EFBIG beyond maxBytes (also for a file that
// grows past it while it is read).
int readRegularFile(const std::string& path, long long maxBytes, std::string& bytes);
