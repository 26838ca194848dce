#include "render/image_surface.h"

#include "render/surface.h"

PixelView surfacePixels() {
  const Canvas* canvas = drawingSurface();
  if (!canvas) return {};
  // The canvas rows are 32-bit words, so its stride in bytes is a multiple of four.
  return {canvas->width(), canvas->height(), canvas->stride() / 4,
          reinterpret_cast<const std::uint32_t*>(canvas->data())};
}
