#include "platform/frontends/terminal_colours.h"

#include <limits>

namespace {

constexpr int kDirectColours = 1 << 24;

// xterm's standard values of the 16 basic colours.
constexpr std::uint32_t kBasic[16] = {0x000000, 0xCD0000, 0x00CD00, 0xCDCD00, 0x0000EE, 0xCD00CD,
                                      0x00CDCD, 0xE5E5E5, 0x7F7F7F, 0xFF0000, 0x00FF00, 0xFFFF00,
                                      0x5C5CFF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

// The colour of an entry of the 256-colour palette from 16 on.
std::uint32_t xterm256(int index) {
  if (index >= 232) {
    const std::uint32_t v = 8 + 10 * (index - 232);
    return (v << 16) | (v << 8) | v;
  }
  const int i = index - 16;
  const auto level = [](int n) -> std::uint32_t { return n == 0 ? 0 : 55 + 40 * n; };
  return (level(i / 36) << 16) | (level(i / 6 % 6) << 8) | level(i % 6);
}

long distance(std::uint32_t a, std::uint32_t b) {
  long d = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const long c = static_cast<long>((a >> shift) & 0xFF) - static_cast<long>((b >> shift) & 0xFF);
    d += c * c;
  }
  return d;
}

}  // namespace

int nearestTerminalColour(std::uint32_t rgb, int colours) {
  rgb &= 0xFFFFFF;
  if (colours >= kDirectColours) return static_cast<int>(rgb);
  int first = 0, last = colours >= 16 ? 15 : 7;
  if (colours >= 256) {
    first = 16;
    last = 255;
  }
  int best = first;
  long bestDistance = std::numeric_limits<long>::max();
  for (int i = first; i <= last; ++i) {
    const long d = distance(rgb, i >= 16 ? xterm256(i) : kBasic[i]);
    if (d < bestDistance) {
      bestDistance = d;
      best = i;
    }
  }
  return best;
}
