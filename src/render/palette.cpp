#include "render/palette.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::uint32_t kColourBits = 0xFFFFFFu;
// Drawings are long runs of one colour, so the pixels are looked at in blocks first: a
// block all of the colour last seen is passed over whole, with a test the compiler makes
// into a few vector instructions. Looking at every pixel on its own took longer than
// compressing the rows.
constexpr int kBlock = 16;

// True when the kBlock pixels from `pixels` on all have `colour`.
bool blockHasColour(const std::uint32_t* pixels, std::uint32_t colour) {
  std::uint32_t difference = 0;
  for (int i = 0; i < kBlock; ++i) difference |= pixels[i] ^ colour;
  return (difference & kColourBits) == 0;
}

const std::uint32_t* rowOf(const PixelView& image, int y) { return image.pixels + static_cast<long>(y) * image.stride; }

// A byte of pixels that all have `index`, at `bits` bits each.
std::uint8_t repeated(std::uint8_t index, int bits) {
  std::uint8_t byte = 0;
  for (int at = 0; at < 8; at += bits) byte = static_cast<std::uint8_t>(byte << bits | index);
  return byte;
}

}  // namespace

bool Palette::collect(const PixelView& image) {
  colours_.clear();
  if (image.indexes) return collectIndexes(image);
  std::uint32_t last = image.pixels[0] & kColourBits;
  add(last);
  for (int y = 0; y < image.height; ++y) {
    const std::uint32_t* row = rowOf(image, y);
    for (int x = 0; x < image.width;) {
      if (x + kBlock <= image.width && blockHasColour(row + x, last)) {
        x += kBlock;
        continue;
      }
      const int blockEnd = std::min(x + kBlock, image.width);
      for (; x < blockEnd; ++x) {
        const std::uint32_t colour = row[x] & kColourBits;
        if (colour == last) continue;
        last = colour;
        if (!add(colour)) return false;
      }
    }
  }
  return true;
}

int Palette::depth() const {
  const std::size_t n = colours_.size();
  return n <= 2 ? 1 : n <= 4 ? 2 : n <= 16 ? 4 : 8;
}

// The colours an image of indexes uses: at most as many as its own palette holds. Its
// bytes are looked at whole; a row's last byte may hold one pixel only.
bool Palette::collectIndexes(const PixelView& image) {
  std::array<bool, 256> bytes{};
  std::array<bool, kMaxColours> used{};
  const int wholeBytes = image.width * image.depth / 8;
  for (int y = 0; y < image.height; ++y) {
    const std::uint8_t* row = image.indexes + static_cast<long>(y) * image.stride;
    for (int at = 0; at < wholeBytes; ++at) bytes[row[at]] = true;
    if (wholeBytes * 8 < image.width * image.depth) used[image.indexAt(image.width - 1, y)] = true;
  }
  for (int value = 0; value < 256; ++value) {
    if (!bytes[value]) continue;
    if (image.depth == 8) {
      used[value] = true;
    } else {
      used[value >> 4] = used[value & 0x0F] = true;
    }
  }
  for (int i = 0; i < image.colourCount; ++i) {
    if (used[i]) add(image.colours[i] & kColourBits);
  }
  for (int i = 0; i < image.colourCount; ++i) fromImage_[i] = indexOf(image.colours[i] & kColourBits);
  return true;
}

// A block of one colour is a run of one byte value, since a block of 16 pixels fills
// whole bytes at every depth.
void Palette::indexRow(const PixelView& image, int y, std::uint8_t* out) const {
  const int bits = depth();
  std::fill_n(out, rowBytes(image.width), 0);
  if (image.indexes) {
    for (int x = 0; x < image.width; ++x) {
      const int bit = x * bits;
      out[bit / 8] |= static_cast<std::uint8_t>(fromImage_[image.indexAt(x, y)] << (8 - bits - bit % 8));
    }
    return;
  }
  const std::uint32_t* row = rowOf(image, y);
  std::uint32_t last = row[0] & kColourBits;
  std::uint8_t index = indexOf(last);
  std::uint8_t run = repeated(index, bits);
  for (int x = 0; x < image.width;) {
    if (x + kBlock <= image.width && blockHasColour(row + x, last)) {
      std::fill_n(out + x / 8 * bits, kBlock / 8 * bits, run);
      x += kBlock;
      continue;
    }
    const int blockEnd = std::min(x + kBlock, image.width);
    for (; x < blockEnd; ++x) {
      const std::uint32_t colour = row[x] & kColourBits;
      if (colour != last) {
        last = colour;
        index = indexOf(colour);
        run = repeated(index, bits);
      }
      const int bit = x * bits;
      out[bit / 8] |= static_cast<std::uint8_t>(index << (8 - bits - bit % 8));
    }
  }
}

// False when the palette is full and `colour` is not in it.
bool Palette::add(std::uint32_t colour) {
  const auto at = std::lower_bound(colours_.begin(), colours_.end(), colour);
  if (at != colours_.end() && *at == colour) return true;
  if (colours_.size() == kMaxColours) return false;
  colours_.insert(at, colour);
  return true;
}

std::uint8_t Palette::indexOf(std::uint32_t colour) const {
  return static_cast<std::uint8_t>(std::lower_bound(colours_.begin(), colours_.end(), colour) - colours_.begin());
}
