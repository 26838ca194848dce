#include "platform/frontends/braille_patterns.h"

#include <algorithm>

#include "platform/text/utf8.h"

namespace {

// The dot bit at (x, y) inside a 2 x 4 character: dots 1-2-3 and 7 down the left
// column, 4-5-6 and 8 down the right.
constexpr unsigned kDotBit[4][2] = {{0x01, 0x08}, {0x02, 0x10}, {0x04, 0x20}, {0x40, 0x80}};

bool isInk(std::uint32_t pixel) { return (pixel & 0xFFFFFF) != 0xFFFFFF; }

}  // namespace

std::string braillePatternUtf8(unsigned dots) { return utf8Of(0x2800 + (dots & 0xFF)); }

std::vector<std::string> renderBraillePatterns(const std::uint32_t* pixels, int width, int height,
                                               int columns, int rows) {
  columns = std::max(columns, 0);
  rows = std::max(rows, 0);
  std::vector<unsigned> cells(static_cast<size_t>(columns) * rows, 0);
  const long dotsWide = 2L * columns;
  const long dotsHigh = 4L * rows;
  if (pixels != nullptr && width > 0 && height > 0 && dotsWide > 0 && dotsHigh > 0) {
    // The scaled size in dots: the larger side that fits, the other in proportion.
    long outW = dotsWide;
    long outH = static_cast<long>(static_cast<long long>(height) * dotsWide / width);
    if (outH > dotsHigh || outH == 0) {
      outH = dotsHigh;
      outW = std::clamp<long>(static_cast<long long>(width) * dotsHigh / height, 1, dotsWide);
    }
    outH = std::max<long>(outH, 1);
    for (long dy = 0; dy < outH; ++dy) {
      // The source rows this dot covers; at least one when enlarging.
      const long y0 = dy * height / outH;
      const long y1 = std::max(y0 + 1, (dy + 1) * height / outH);
      for (long dx = 0; dx < outW; ++dx) {
        const long x0 = dx * width / outW;
        const long x1 = std::max(x0 + 1, (dx + 1) * width / outW);
        bool ink = false;
        for (long y = y0; y < y1 && !ink; ++y) {
          const std::uint32_t* row = pixels + static_cast<size_t>(y) * width;
          for (long x = x0; x < x1 && !ink; ++x) ink = isInk(row[x]);
        }
        if (ink) cells[static_cast<size_t>(dy / 4) * columns + dx / 2] |= kDotBit[dy % 4][dx % 2];
      }
    }
  }
  std::vector<std::string> lines(rows);
  for (int r = 0; r < rows; ++r) {
    lines[r].reserve(3 * columns);
    for (int c = 0; c < columns; ++c) lines[r] += braillePatternUtf8(cells[static_cast<size_t>(r) * columns + c]);
  }
  return lines;
}
