// Choosing the image format by name, and saving files whole or not at all.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "render/image_writer.h"

namespace {

bool endsWithNoCase(std::string_view text, std::string_view suffix) {
  if (text.size() < suffix.size()) return false;
  const std::string_view tail = text.substr(text.size() - suffix.size());
  for (size_t i = 0; i < suffix.size(); ++i) {
    char c = tail[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != suffix[i]) return false;
  }
  return true;
}

std::string systemError(const char* what) { return std::string(what) + ": " + std::strerror(errno); }

bool writeAll(int fd, const void* data, std::size_t size) {
  const char* at = static_cast<const char*>(data);
  while (size > 0) {
    const ssize_t written = ::write(fd, at, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    at += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
}

}  // namespace

ImageFormat imageFormatForName(std::string_view fileName) {
  if (endsWithNoCase(fileName, ".jpg") || endsWithNoCase(fileName, ".jpeg")) return ImageFormat::Jpeg;
  if (endsWithNoCase(fileName, ".png")) return ImageFormat::Png;
  if (endsWithNoCase(fileName, ".bmp")) return ImageFormat::Bmp;
  return ImageFormat::None;
}

bool writeImage(ImageFormat format, const PixelView& image, const ByteSink& sink) {
  switch (format) {
    case ImageFormat::Bmp: return writeBmp(image, sink);
    case ImageFormat::Png: return writePng(image, sink);
    case ImageFormat::Jpeg: return writeJpeg(image, sink);
    case ImageFormat::None: break;
  }
  return false;
}

bool saveFileAtomically(const std::string& path, const std::function<bool(const ByteSink&)>& write,
                        std::string* error) {
  const size_t slash = path.rfind('/');
  const std::string directory = slash == std::string::npos ? "." : path.substr(0, slash + 1);
  std::string temp = directory + (slash == std::string::npos ? "/" : "") + ".pontelix-XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) {
    if (error) *error = systemError("não foi possível criar o arquivo");
    return false;
  }
  int writeErrno = 0;
  const ByteSink sink = [&](const void* data, std::size_t size) {
    if (writeAll(fd, data, size)) return true;
    if (writeErrno == 0) writeErrno = errno;
    return false;
  };
  bool ok = write(sink);
  if (ok && ::fsync(fd) != 0) writeErrno = errno, ok = false;
  // A file made by mkstemp is readable by its owner only; an image or a project is an
  // ordinary document, so it gets the usual permissions under the user's umask.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  ::fchmod(fd, 0666 & ~mask);
  if (::close(fd) != 0 && ok) writeErrno = errno, ok = false;
  if (ok && ::rename(temp.c_str(), path.c_str()) != 0) writeErrno = errno, ok = false;
  if (!ok) {
    ::unlink(temp.c_str());
    if (error) {
      errno = writeErrno;
      *error = writeErrno ? systemError("não foi possível gravar o arquivo") : "não foi possível gravar o arquivo";
    }
  }
  return ok;
}
