// The picture overlay: an uncompressed BMP shown over the text.
#include <cstring>
#include <fstream>
#include <iterator>

#include "platform/core_internal.h"
#include "platform/frontend.h"
#include "platform/screen.h"

namespace {

struct Overlay {
  bool shown = false;
  int x = 0, y = 0;
  int width = 0, height = 0;
  std::vector<std::uint32_t> pixels;
};

Overlay gOverlay;

// Limits that keep a hostile header from asking for absurd memory.
constexpr long kMaxSide = 16384;
constexpr long kMaxPixels = 16L * 1024 * 1024;
constexpr std::streamoff kMaxFileBytes = 512L * 1024 * 1024;

std::uint32_t le32(const std::string& d, size_t at) {
  return static_cast<std::uint32_t>(static_cast<unsigned char>(d[at])) |
         static_cast<std::uint32_t>(static_cast<unsigned char>(d[at + 1])) << 8 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(d[at + 2])) << 16 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(d[at + 3])) << 24;
}
unsigned le16(const std::string& d, size_t at) {
  return static_cast<unsigned char>(d[at]) | static_cast<unsigned char>(d[at + 1]) << 8;
}

// Scales a masked channel to 8 bits; a zero mask gives 0.
std::uint32_t channel(std::uint32_t value, std::uint32_t mask) {
  if (mask == 0) return 0;
  int shift = 0;
  while (!((mask >> shift) & 1)) ++shift;
  const std::uint64_t max = mask >> shift;
  return static_cast<std::uint32_t>(static_cast<std::uint64_t>((value & mask) >> shift) * 255 / max);
}

bool decodeBmp(const std::string& d, Overlay& out) {
  if (d.size() < 54 || d[0] != 'B' || d[1] != 'M') return false;
  if (le32(d, 14) != 40) return false;
  const auto width = static_cast<std::int32_t>(le32(d, 18));
  const auto rawHeight = static_cast<std::int32_t>(le32(d, 22));
  const unsigned bits = le16(d, 28);
  const std::uint32_t compression = le32(d, 30);
  const std::uint32_t offBits = le32(d, 10);
  std::uint32_t coloursUsed = le32(d, 46);
  if (rawHeight == INT32_MIN) return false;
  const bool topDown = rawHeight < 0;
  const long height = topDown ? -static_cast<long>(rawHeight) : rawHeight;
  if (width < 1 || height < 1 || width > kMaxSide || height > kMaxSide ||
      static_cast<long>(width) * height > kMaxPixels) {
    return false;
  }
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) return false;

  std::uint32_t masks[3] = {0x7C00, 0x03E0, 0x001F};
  if (bits == 32) masks[0] = 0xFF0000, masks[1] = 0xFF00, masks[2] = 0xFF;
  if (compression == 3 && (bits == 16 || bits == 32)) {
    if (d.size() < 66) return false;
    for (int i = 0; i < 3; ++i) masks[i] = le32(d, 54 + 4 * i);
  } else if (compression != 0) {
    return false;
  }

  std::vector<std::uint32_t> table;
  if (bits <= 8) {
    const std::uint32_t maxColours = 1u << bits;
    if (coloursUsed == 0 || coloursUsed > maxColours) coloursUsed = maxColours;
    if (54 + 4ull * coloursUsed > d.size()) return false;
    for (std::uint32_t i = 0; i < coloursUsed; ++i) table.push_back(le32(d, 54 + 4 * i) & 0xFFFFFF);
  }

  const size_t stride = ((static_cast<size_t>(width) * bits + 31) / 32) * 4;
  if (offBits > d.size() || stride * height > d.size() - offBits) return false;

  out.width = width;
  out.height = static_cast<int>(height);
  out.pixels.assign(static_cast<size_t>(width) * height, 0);
  for (long r = 0; r < height; ++r) {
    const size_t row = offBits + stride * static_cast<size_t>(topDown ? r : height - 1 - r);
    std::uint32_t* dst = &out.pixels[static_cast<size_t>(r) * width];
    for (long c = 0; c < width; ++c) {
      std::uint32_t px = 0;
      if (bits <= 8) {
        const size_t bit = static_cast<size_t>(c) * bits;
        const unsigned byte = static_cast<unsigned char>(d[row + bit / 8]);
        const unsigned index = (byte >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
        px = index < table.size() ? table[index] : 0;  // outside the table paints black
      } else if (bits == 24) {
        const size_t at = row + static_cast<size_t>(c) * 3;
        px = le16(d, at) | static_cast<std::uint32_t>(static_cast<unsigned char>(d[at + 2])) << 16;
      } else {
        const std::uint32_t v = bits == 16 ? le16(d, row + c * 2) : le32(d, row + c * 4);
        px = channel(v, masks[0]) << 16 | channel(v, masks[1]) << 8 | channel(v, masks[2]);
      }
      dst[c] = px;
    }
  }
  return true;
}

}  // namespace

bool conLoadPicture(const std::string& fileName) {
  std::ifstream in(fileName, std::ios::binary | std::ios::ate);
  if (!in) return false;
  const std::streamoff size = in.tellg();
  if (size < 54 || size > kMaxFileBytes) return false;
  in.seekg(0);
  std::string data(static_cast<size_t>(size), '\0');
  if (!in.read(data.data(), size)) return false;
  Overlay loaded;
  if (!decodeBmp(data, loaded)) return false;
  loaded.shown = gOverlay.shown;
  loaded.x = gOverlay.x;
  loaded.y = gOverlay.y;
  gOverlay = std::move(loaded);
  if (gOverlay.shown) conFrontend().invalidate();
  return true;
}

void conShowPicture(int x, int y) {
  if (gOverlay.pixels.empty()) return;
  gOverlay.shown = true;
  gOverlay.x = x;
  gOverlay.y = y;
  conFrontend().invalidate();
}

void conHidePicture() {
  gOverlay = Overlay{};
  conFrontend().invalidate();
}

ConPicture conPicture() {
  if (gOverlay.pixels.empty()) return ConPicture{};
  return ConPicture{gOverlay.shown, gOverlay.x, gOverlay.y, gOverlay.width, gOverlay.height,
                    &gOverlay.pixels};
}

void conResetPicture() { gOverlay = Overlay{}; }
