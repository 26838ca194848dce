// Choosing the image format by name.
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
