#pragma once
// Decoders for the round-trip tests: the pixels of a written image, top row first, as
// 0xRRGGBB. Empty on anything they can't read.
#include <png.h>

#include <cstdint>
#include <string>
#include <vector>

inline std::uint32_t readLe32(const std::string& bytes, size_t at) {
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(bytes[at + i]);
  return v;
}

// Only what our writer produces: 32 bits per pixel, 54 bytes of headers, bottom-up.
inline std::vector<std::uint32_t> decodeBmp(const std::string& bmp, int& width, int& height) {
  if (bmp.size() < 54 || bmp.compare(0, 2, "BM") != 0) return {};
  width = static_cast<int>(readLe32(bmp, 18));
  height = static_cast<int>(readLe32(bmp, 22));
  if (bmp.size() < 54 + static_cast<size_t>(width) * height * 4) return {};
  std::vector<std::uint32_t> pixels(static_cast<size_t>(width) * height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      pixels[static_cast<size_t>(y) * width + x] =
          readLe32(bmp, 54 + (static_cast<size_t>(height - 1 - y) * width + x) * 4) & 0xFFFFFF;
    }
  }
  return pixels;
}

inline std::vector<std::uint32_t> decodePng(const std::string& bytes, int& width, int& height) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) return {};
  image.format = PNG_FORMAT_RGB;
  std::vector<std::uint8_t> rgb(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) return {};
  width = static_cast<int>(image.width);
  height = static_cast<int>(image.height);
  std::vector<std::uint32_t> pixels(static_cast<size_t>(width) * height);
  for (size_t i = 0; i < pixels.size(); ++i) {
    pixels[i] = (std::uint32_t(rgb[i * 3]) << 16) | (std::uint32_t(rgb[i * 3 + 1]) << 8) | rgb[i * 3 + 2];
  }
  return pixels;
}
