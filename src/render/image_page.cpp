#include "render/image_page.h"

#include <cerrno>

#include "render/page.h"

PixelView pagePixels(const Page& page) {
  const PixelCanvas* canvas = page.canvas ? page.pixels() : nullptr;
  if (!canvas) return {};
  return canvas->view();
}

int savePageImage(const Page& page, const std::string& path, ImageFormat format, SaveReport* report) {
  const PixelView view = pagePixels(page);
  if (format == ImageFormat::None || view.width == 0) return EINVAL;
  return replaceFileAtomically(path, [&](const ByteSink& sink) { return writeImage(format, view, sink); }, report);
}
