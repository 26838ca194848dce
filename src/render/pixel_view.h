#pragma once
// A read-only look at pixels, rows top first: either 32-bit words (native-endian
// 0xAARRGGBB, as a loaded picture holds them), rows `stride` pixels apart, or, as the
// canvas holds them, indexes of `depth` bits (4 or 8; a byte's first pixel in its high
// bits) into `colours` (0xRRGGBB), rows `stride` bytes apart. The writers and the
// embosser stream read surfaces only through this view.
#include <cstdint>

// The index of the column in a row of indexes `depth` bits each (4 or 8).
inline int indexInRow(const std::uint8_t* row, long column, int depth) {
  const std::uint8_t byte = row[column * depth >> 3];
  return depth == 8 ? byte : (column & 1) ? byte & 0x0F : byte >> 4;
}

struct PixelView {
  int width = 0;
  int height = 0;
  int stride = 0;
  const std::uint32_t* pixels = nullptr;  // null when the pixels are indexes
  const std::uint8_t* indexes = nullptr;
  const std::uint32_t* colours = nullptr;
  int colourCount = 0;
  int depth = 8;

  std::uint32_t at(int column, int row) const {
    if (pixels) return pixels[static_cast<long>(row) * stride + column];
    return 0xFF000000u | colours[indexAt(column, row)];
  }
  // Precondition: the pixels are indexes.
  int indexAt(int column, int row) const { return indexInRow(indexes + static_cast<long>(row) * stride, column, depth); }
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
