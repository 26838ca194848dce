#pragma once
// Text files of lines, as the command script file is kept: bytes to lines and back,
// reading a file whole, and reserving temporary file names; saving goes through
// platform/text/file_write.h. The project file and the paragraph editor's blocks are read by
// the same rules. Nothing here talks to the user; the callers turn the error numbers
// into spoken messages.
//
// Paths are bytes as the system gives them; lines are UTF-8, whatever the file's encoding.
#include <sys/types.h>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// How a project file's bytes stand for its text. A file is Windows-1252 unless it is
// well-formed UTF-8, as Linux editors write it (pure ASCII is well-formed UTF-8 too).
// A file is saved back in its own encoding, so that the program or editor that wrote it
// can still read it, unless Windows-1252 lacks a character the text now holds.
// A well-formed UTF-8 file that begins with the byte-order mark, as Windows editors
// write it, is UTF-8 even when all its text is ASCII, and keeps the mark.
enum class ProjectEncoding { Windows1252, Utf8, Utf8WithMark };

struct ProjectText {
  std::vector<std::string> lines;
  ProjectEncoding encoding = ProjectEncoding::Windows1252;
  // A NUL byte ended the text before the end of the file (a file in UTF-16, say); a save
  // would write only what came before it.
  bool cutAtNul = false;
};

// A line ends at CR LF, LF or CR (after a line one CR and then one LF are skipped, so
// LF CR leaves an empty line between); a last line without an end is still a line; a
// NUL byte ends the text.
ProjectText decodeProjectText(std::string_view bytes);
// The same split of a text into lines, without the decoding.
std::vector<std::string> splitTextLines(std::string_view text);

// The encoding to save the lines in: the one wanted, or UTF-8 when that is Windows-1252
// and it lacks a character of theirs.
ProjectEncoding encodingThatHolds(const std::vector<std::string>& lines, ProjectEncoding wanted);
// Every line, the last included, followed by CR LF. Precondition: the encoding holds
// every character of the lines (encodingThatHolds).
std::string encodeProjectText(const std::vector<std::string>& lines, ProjectEncoding encoding);

// Files larger than this are not projects; reading one is refused instead of exhausting
// memory.
constexpr long long kMaxProjectFileBytes = 16LL * 1024 * 1024;
// Nor are files of more line ends than this: a file of nothing but line ends would
// take many times its size as lines.
constexpr long kMaxTextFileLines = 1000000;

// True when something (a file, a directory, a dangling link) has this name.
bool projectPathExists(const std::string& path);

// Reads the whole file. Returns 0, or the errno that stopped it (EISDIR for a directory,
// EINVAL for anything else that is no regular file, EFBIG above kMaxProjectFileBytes or
// kMaxTextFileLines, ENOMEM when the process has no room for it).
int readProjectFile(const std::string& path, ProjectText& text);

// A new, empty file with a unique name in the temporary directory ($TMPDIR, else /tmp),
// named after the first three characters of the prefix. The caller deletes it. Empty
// when no file could be created.
std::string makeTempFileName(std::string_view prefix);
