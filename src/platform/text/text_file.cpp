#include "platform/text/text_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>

#include "platform/text/file_read.h"
#include "platform/text/text.h"

namespace {

constexpr std::string_view kByteOrderMark = "\xef\xbb\xbf";

}  // namespace

std::vector<std::string> splitTextLines(std::string_view text) {
  std::vector<std::string> lines;
  size_t pos = 0;
  while (pos < text.size()) {
    const size_t end = text.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) {
      lines.emplace_back(text.substr(pos));
      break;
    }
    lines.emplace_back(text.substr(pos, end - pos));
    pos = end;
    if (pos < text.size() && text[pos] == '\r') ++pos;
    if (pos < text.size() && text[pos] == '\n') ++pos;
  }
  return lines;
}

ProjectText decodeProjectText(std::string_view bytes) {
  ProjectText text;
  const size_t nul = bytes.find('\0');
  text.cutAtNul = nul != std::string_view::npos;
  if (text.cutAtNul) bytes = bytes.substr(0, nul);
  if (bytes.starts_with(kByteOrderMark) && isValidUtf8(bytes)) {
    bytes.remove_prefix(kByteOrderMark.size());
    text.encoding = ProjectEncoding::Utf8WithMark;
  } else if (isValidUtf8(bytes)) {
    text.encoding = ProjectEncoding::Utf8;
  }
  text.lines = splitTextLines(textOfFile(bytes));
  return text;
}

ProjectEncoding encodingThatHolds(const std::vector<std::string>& lines, ProjectEncoding wanted) {
  if (wanted != ProjectEncoding::Windows1252) return wanted;
  for (const std::string& line : lines) {
    if (!holdsOnlyWindows1252(line)) return ProjectEncoding::Utf8;
  }
  return wanted;
}

std::string encodeProjectText(const std::vector<std::string>& lines, ProjectEncoding encoding) {
  std::string bytes(encoding == ProjectEncoding::Utf8WithMark ? kByteOrderMark : "");
  for (const std::string& line : lines) {
    bytes += encoding == ProjectEncoding::Windows1252 ? utf8ToCp1252(line) : line;
    bytes += "\r\n";
  }
  return bytes;
}

bool projectPathExists(const std::string& path) {
  struct stat st{};
  return ::lstat(path.c_str(), &st) == 0;
}

int readProjectFile(const std::string& path, ProjectText& text) try {
  std::string bytes;
  if (const int error = readRegularFile(path, kMaxProjectFileBytes, bytes); error != 0) return error;
  // Each line costs far more memory than its bytes.
  if (std::max(std::count(bytes.begin(), bytes.end(), '\n'), std::count(bytes.begin(), bytes.end(), '\r')) >
      kMaxTextFileLines) {
    return EFBIG;
  }
  text = decodeProjectText(bytes);
  return 0;
} catch (const std::bad_alloc&) {
  // A file within the limits that this process has no room for is a failure to read
  // it like any other; `text` is as it was.
  return ENOMEM;
}

std::string makeTempFileName(std::string_view prefix) {
  // TMPDIR first, as on Linux; otherwise the system's folder for temporary files
  // (/tmp on Linux, the user's TEMP folder on Windows).
  const char* tmpdir = std::getenv("TMPDIR");
  std::error_code failed;
  std::string name = tmpdir && *tmpdir ? tmpdir : std::filesystem::temp_directory_path(failed).string();
  if (failed || name.empty()) name = "/tmp";
  if (name.back() != '/' && name.back() != '\\') name += '/';
  for (char c : prefix.substr(0, 3)) name += c == '/' ? '_' : c;
  name += "XXXXXX";
  const int fd = ::mkstemp(name.data());
  if (fd < 0) return {};
  ::close(fd);
  return name;
}
