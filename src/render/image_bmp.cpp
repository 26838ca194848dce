// The BMP writer: file header, 40-byte info header, then the rows bottom-up, each pixel
// as blue, green, red and a fourth byte, exactly the in-memory layout of a 32-bit
// surface on a little-endian machine.
#include <array>
#include <cstdint>
#include <vector>

#include "render/image_writer.h"

namespace {

void put16(std::uint8_t* at, std::uint16_t value) {
  at[0] = static_cast<std::uint8_t>(value);
  at[1] = static_cast<std::uint8_t>(value >> 8);
}

void put32(std::uint8_t* at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) at[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

constexpr std::uint32_t kHeadersSize = 14 + 40;

}  // namespace

bool writeBmp(const PixelView& image, const ByteSink& sink) {
  if (image.width <= 0 || image.height <= 0) return false;
  const std::uint64_t imageSize = std::uint64_t(image.width) * std::uint64_t(image.height) * 4;
  if (imageSize + kHeadersSize > 0xFFFFFFFFull) return false;

  std::array<std::uint8_t, kHeadersSize> header{};
  header[0] = 'B';
  header[1] = 'M';
  put32(&header[2], static_cast<std::uint32_t>(kHeadersSize + imageSize));
  put32(&header[10], kHeadersSize);
  put32(&header[14], 40);
  put32(&header[18], static_cast<std::uint32_t>(image.width));
  put32(&header[22], static_cast<std::uint32_t>(image.height));  // positive: bottom-up
  put16(&header[26], 1);                                          // planes
  put16(&header[28], 32);                                         // bits per pixel
  put32(&header[30], 0);                                          // BI_RGB
  put32(&header[34], static_cast<std::uint32_t>(imageSize));
  put32(&header[38], 3780);  // 96 pixels per inch
  put32(&header[42], 3780);
  if (!sink(header.data(), header.size())) return false;

  std::vector<std::uint8_t> row(static_cast<size_t>(image.width) * 4);
  for (int y = image.height - 1; y >= 0; --y) {
    for (int x = 0; x < image.width; ++x) put32(&row[static_cast<size_t>(x) * 4], image.at(x, y));
    if (!sink(row.data(), row.size())) return false;
  }
  return true;
}
