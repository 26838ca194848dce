#pragma once
// Writing a whole file safely, the one way every file of the program is saved (projects,
// images, embosser streams, configuration, screen dumps): the bytes go to a new file in
// the same directory, which is flushed and then renamed over the old one, and the
// directory is flushed after it. A failure (a full disk, no permission, a missing
// directory) leaves the old file exactly as it was and no temporary file behind.
//
// The temporary file is named ".NAME.XXXXXX" (NAME shortened when the whole would not
// fit a file name or a path). Such files that a killed save left beside the target are
// removed when the next save of it begins.
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

// A link is followed, so the file it points to is replaced, not the link. An existing
// file keeps its permissions; a file that the user may not write, a directory or a device
// is not replaced (EACCES, EISDIR, EINVAL), nor one in a folder that takes no new file
// (kFolderNotWritable). Returns 0 or the errno of the step that
// failed (EIO when the producer gave up without a system error). On success `written`,
// when given, gets the identity of the new file, taken before it got its name, so that
// no other writer that comes later can slip into it.
int replaceFileAtomically(const std::string& path, const ByteProducer& produce, FileIdentity* written = nullptr);
int replaceFileAtomically(const std::string& path, std::string_view bytes, FileIdentity* written = nullptr);

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
