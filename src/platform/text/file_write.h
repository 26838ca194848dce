#pragma once
// Writing a whole file safely, the one way every file of the program is saved (projects,
// images, embosser streams, configuration, screen dumps): the bytes go to a new file in
// the same directory, which is flushed and then renamed over the old one, and the
// directory is flushed after it. A failure (a full disk, no permission, a missing
// directory) leaves the old file exactly as it was and no temporary file behind.
//
// The temporary file is named ".NAME.pontelix-XXXXXX" (NAME shortened when the whole
// would not fit a file name or a path), a mark no other program puts on its files, and it
// is locked (flock) while it is written. Such files that a killed save left beside the
// target are removed when the next save of it begins; a locked one is a save still under
// way, perhaps stopped, and is left alone.
#include <sys/types.h>

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "platform/text/file_failure.h"
#include "platform/text/file_read.h"

// Takes bytes in order; false when they could not be written.
using ByteSink = std::function<bool(const void* data, std::size_t size)>;
// Produces the file's content through the sink; false when it could not (for a reason
// of its own, or because the sink refused).
using ByteProducer = std::function<bool(const ByteSink& sink)>;

#ifdef _WIN32
// Windows files have no owner and group of this kind: the report keeps them at 0.
using uid_t = unsigned;
using gid_t = unsigned;
#endif

// What a save found besides its errno, for the floors that tell the user.
struct SaveReport {
  // On success: the new file, taken before it got its name, so that no other writer that
  // comes later can slip into it.
  FileIdentity identity;
  // On success: false when the replaced file's owner or group could not be given to the
  // new file (only the superuser may give a file away), which then belongs to this
  // process's user and group; the replaced file's are kept here.
  bool ownershipKept = true;
  uid_t formerOwner = 0, newOwner = 0;
  gid_t formerGroup = 0, newGroup = 0;
  // On EACCES for a link that is not followed: the link, its owner and its folder.
  std::string refusedLink, linkFolder;
  uid_t linkOwner = 0;
};

// A link is followed, so the file it points to is replaced, not the link, but only where
// the system's protection of shared folders would follow it: in a folder that everyone
// may write and that has the sticky bit (/tmp), a link is followed only when it belongs
// to this process's user or to the folder's owner; any other is refused (EACCES, with
// the link in `report`), since another user may have aimed it at a file of ours. A loop
// of links is refused (ELOOP), and so is a link into a missing folder (ENOENT): neither
// is ever replaced by a plain file. An existing file keeps its owner, group and
// permissions, as far as the process may set them (see SaveReport); a file that the user
// may not write, a directory or a device is not replaced (EACCES, EISDIR, EINVAL), nor
// one in a folder that takes no new file (kFolderNotWritable).
// Returns 0 or the errno of the step that failed (EIO when the producer gave up without
// a system error).
int replaceFileAtomically(const std::string& path, const ByteProducer& produce, SaveReport* report = nullptr);
int replaceFileAtomically(const std::string& path, std::string_view bytes, SaveReport* report = nullptr);

// The name of the user with this id, or the id in digits when it has none.
std::string userName(uid_t uid);
// The name of the group with this id, or the id in digits when it has none.
std::string groupName(gid_t gid);

// The system calls that writing goes through, so that tests can make them fail the way
// a full disk or a broken device does.
struct FileSystemCalls {
  ssize_t (*write)(int fd, const void* data, size_t size);
  int (*fsync)(int fd);
  int (*rename)(const char* from, const char* to);
  // Flushes a directory's entries (a name made or replaced in it) to the disk; 0, or -1
  // with errno set.
  int (*syncDirectory)(const char* path);
};
FileSystemCalls& fileSystemCalls();
