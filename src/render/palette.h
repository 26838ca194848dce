#pragma once
// The colours of a picture as a palette, for the writers that store a drawing as
// palette indexes (PNG, the ink page's PDF). A drawing holds a handful of pure colours,
// so its rows packed at the smallest depth that holds them are a third or less of its
// RGB bytes, and decode to the same pixels.
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "render/pixel_view.h"

class Palette {
 public:
  // The most colours a palette holds: indexes are one byte at the most.
  static constexpr std::size_t kMaxColours = 256;

  // Takes the picture's colours. False when it has more than kMaxColours. Precondition:
  // the picture has a pixel.
  bool collect(const PixelView& image);
  // The colours, 0xRRGGBB, sorted: a colour's index is its place here.
  const std::vector<std::uint32_t>& colours() const { return colours_; }
  // Bits per index: 1, 2, 4 or 8.
  int depth() const;
  // The bytes of a packed row of `width` pixels.
  std::size_t rowBytes(int width) const { return (static_cast<std::size_t>(width) * depth() + 7) / 8; }
  // The row's indexes packed at depth() bits each, first pixel in the high bits, the
  // last byte filled out with zero bits. Precondition: collect() took every colour of
  // the picture; `out` holds rowBytes(image.width) bytes.
  void indexRow(const PixelView& image, int y, std::uint8_t* out) const;

 private:
  bool collectIndexes(const PixelView& image);
  bool add(std::uint32_t colour);
  std::uint8_t indexOf(std::uint32_t colour) const;

  std::vector<std::uint32_t> colours_;
  // For an image of indexes: the index here of each of its own.
  std::array<std::uint8_t, kMaxColours> fromImage_{};
};
