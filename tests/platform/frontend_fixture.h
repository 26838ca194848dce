#pragma once
// Helpers shared by the frontend tests: a BMP picture to load as the overlay, and
// polling with a generous deadline instead of fixed sleeps.
#include <chrono>
#include <cstdint>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <vector>

// Writes a 24-bit bottom-up BMP of width x height whose pixels (0x00RRGGBB, top row
// first) come from `pixel(x, y)`.
inline void writeTestBmp(const std::string& path, int width, int height,
                         const std::function<std::uint32_t(int, int)>& pixel) {
  const int rowBytes = (width * 3 + 3) & ~3;
  const std::uint32_t dataSize = static_cast<std::uint32_t>(rowBytes * height);
  std::vector<unsigned char> f(54 + dataSize, 0);
  const auto put32 = [&](size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) f[at + i] = static_cast<unsigned char>(v >> (8 * i));
  };
  f[0] = 'B';
  f[1] = 'M';
  put32(2, static_cast<std::uint32_t>(f.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, static_cast<std::uint32_t>(width));
  put32(22, static_cast<std::uint32_t>(height));
  f[26] = 1;
  f[28] = 24;
  put32(34, dataSize);
  for (int y = 0; y < height; ++y) {
    unsigned char* row = f.data() + 54 + static_cast<size_t>(height - 1 - y) * rowBytes;
    for (int x = 0; x < width; ++x) {
      const std::uint32_t p = pixel(x, y);
      row[3 * x] = p & 0xFF;
      row[3 * x + 1] = (p >> 8) & 0xFF;
      row[3 * x + 2] = (p >> 16) & 0xFF;
    }
  }
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(f.data()), f.size());
}

// Calls `step` until it returns true or `seconds` have passed; true when it did.
inline bool pollUntil(const std::function<bool()>& step, double seconds = 20) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  while (std::chrono::steady_clock::now() < deadline) {
    if (step()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return step();
}
