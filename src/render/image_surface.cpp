#include "render/image_surface.h"

#include <cerrno>

#include "render/surface.h"

PixelView surfacePixels() {
  const PixelCanvas* canvas = pixelSurface();
  if (!canvas) return {};
  // The canvas rows are 32-bit words, so its stride in bytes is a multiple of four.
  return {canvas->width(), canvas->height(), canvas->stride() / 4,
          reinterpret_cast<const std::uint32_t*>(canvas->data())};
}

int saveSurfaceImage(const std::string& path, ImageFormat format) {
  const PixelView view = surfacePixels();
  if (format == ImageFormat::None || view.width == 0) return EINVAL;
  return replaceFileAtomically(path, [&](const ByteSink& sink) { return writeImage(format, view, sink); });
}
