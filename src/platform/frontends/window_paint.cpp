#include "platform/frontends/window_paint.h"

#include <algorithm>

#include "platform/screen.h"

namespace {

// Mixes text and background colour by the glyph's coverage.
std::uint32_t blend(std::uint32_t fg, std::uint32_t bg, unsigned a) {
  if (a == 0) return bg;
  if (a == 255) return fg;
  std::uint32_t out = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const unsigned f = (fg >> shift) & 0xFF, b = (bg >> shift) & 0xFF;
    out |= ((f * a + b * (255 - a) + 127) / 255) << shift;
  }
  return out;
}

void paintCell(const PixelBuffer& out, WindowFont& font, int column, int row) {
  const int cw = font.cellWidth(), ch = font.cellHeight();
  const int x0 = (column - 1) * cw, y0 = (row - 1) * ch;
  if (x0 >= out.width || y0 >= out.height) return;
  const ConCell cell = conScreenCell(column, row);
  const std::uint32_t fg = conColourRgb(cell.attr & 0x0F);
  const std::uint32_t bg = conColourRgb(cell.attr >> 4);
  const std::vector<std::uint8_t>& glyph = font.glyph(cell.ch);
  const int w = std::min(cw, out.width - x0), h = std::min(ch, out.height - y0);
  for (int y = 0; y < h; ++y) {
    std::uint32_t* dst = out.pixels + static_cast<long>(y0 + y) * out.pitch + x0;
    const std::uint8_t* cov = glyph.data() + static_cast<long>(y) * cw;
    for (int x = 0; x < w; ++x) dst[x] = blend(fg, bg, cov[x]);
  }
}

void paintPicture(const PixelBuffer& out) {
  const ConPicture pic = conPicture();
  if (!pic.shown || pic.pixels == nullptr || pic.width <= 0 || pic.height <= 0) return;
  if (pic.pixels->size() < static_cast<size_t>(pic.width) * pic.height) return;
  const int xa = std::max(0, pic.x), ya = std::max(0, pic.y);
  const long xb = std::min<long>(out.width, static_cast<long>(pic.x) + pic.width);
  const long yb = std::min<long>(out.height, static_cast<long>(pic.y) + pic.height);
  for (long y = ya; y < yb; ++y) {
    const std::uint32_t* src = pic.pixels->data() + (y - pic.y) * pic.width;
    std::uint32_t* dst = out.pixels + y * out.pitch;
    for (long x = xa; x < xb; ++x) dst[x] = src[x - pic.x] & 0xFFFFFF;
  }
}

void paintCaret(const PixelBuffer& out, const WindowFont& font) {
  const ConPoint cursor = conCursorOnScreen();
  // Past the grid's edge (text run beyond an indented window) there is no caret.
  if (cursor.column < 1 || cursor.column > kConColumns || cursor.row < 1 || cursor.row > kConRows) return;
  const int x0 = (cursor.column - 1) * font.cellWidth();
  const int y0 = (cursor.row - 1) * font.cellHeight() + std::min(font.ascent(), font.cellHeight() - 2);
  for (int y = y0; y < std::min(y0 + 2, out.height); ++y) {
    for (int x = x0; x < std::min(x0 + font.cellWidth(), out.width); ++x) {
      out.pixels[static_cast<long>(y) * out.pitch + x] ^= 0xFFFFFF;
    }
  }
}

}  // namespace

void paintConsole(const PixelBuffer& out, WindowFont& font, bool caret) {
  if (out.pixels == nullptr || out.width <= 0 || out.height <= 0) return;
  // Outside the 80 x 25 cells (a maximized window) is the background of colour 0.
  const std::uint32_t margin = conColourRgb(0);
  for (int y = 0; y < out.height; ++y) std::fill_n(out.pixels + static_cast<long>(y) * out.pitch, out.width, margin);
  for (int row = 1; row <= kConRows; ++row) {
    for (int column = 1; column <= kConColumns; ++column) paintCell(out, font, column, row);
  }
  paintPicture(out);
  if (caret) paintCaret(out, font);
}
