#pragma once
// A read-only look at pixels, rows top first, `stride` pixels from one row to the next:
// either 32-bit words (native-endian 0xAARRGGBB, as a loaded picture holds them) or, as
// the canvas holds them, one byte a pixel indexing `colours` (0xRRGGBB). The writers and
// the embosser stream read surfaces only through this view.
#include <cstdint>

struct PixelView {
  int width = 0;
  int height = 0;
  int stride = 0;  // in pixels, at least width
  const std::uint32_t* pixels = nullptr;  // null when the pixels are indexes
  const std::uint8_t* indexes = nullptr;
  const std::uint32_t* colours = nullptr;
  int colourCount = 0;

  std::uint32_t at(int column, int row) const {
    const long at = static_cast<long>(row) * stride + column;
    return pixels ? pixels[at] : 0xFF000000u | colours[indexes[at]];
  }
  // Pure white, whatever the alpha byte: every other colour counts as ink.
  bool isWhite(int column, int row) const { return (at(column, row) & 0x00FFFFFFu) == 0x00FFFFFFu; }
};

// One row as red, green, blue bytes, the layout the PNG and JPEG encoders take.
inline void copyRgbRow(const PixelView& image, int row, std::uint8_t* out) {
  for (int x = 0; x < image.width; ++x) {
    const std::uint32_t p = image.at(x, row);
    *out++ = static_cast<std::uint8_t>(p >> 16);
    *out++ = static_cast<std::uint8_t>(p >> 8);
    *out++ = static_cast<std::uint8_t>(p);
  }
}
