// The text grid, the text window, the cursor, the attribute and text output.
#include <algorithm>
#include <array>
#include <cstdlib>

#include "platform/config/config.h"
#include "platform/core_internal.h"
#include "platform/frontend.h"
#include "platform/screen.h"
#include "platform/speech.h"
#include "platform/text/utf8.h"

namespace {

struct Grid {
  bool created = false;
  std::array<ConCell, kConColumns * kConRows> cells{};
  ConRect window;
  int column = 1, row = 1;  // window-relative
  unsigned char attr = 0x0F;
  bool colourLock = false;
  std::array<int, 16> paletteIndex{};
};

Grid g;

int parseColour(const std::string& value, int fallback) {
  if (value.empty()) return fallback;
  char* end = nullptr;
  const long v = std::strtol(value.c_str(), &end, 10);
  if (end == value.c_str() || v < 0 || v > 15) return fallback;
  return static_cast<int>(v);
}

// Comma-separated palette indices for colours 0, 1, ...; reading stops at the first
// entry that is not a number, and colours without an entry keep their own index.
void readPaletteMap() {
  for (int i = 0; i < 16; ++i) g.paletteIndex[i] = i;
  const std::string table = cfgReadValue("VIDEO", "TABCORES");
  const char* p = table.c_str();
  for (int i = 0; i < 16 && *p; ++i) {
    char* end = nullptr;
    const long v = std::strtol(p, &end, 10);
    if (end == p) break;
    g.paletteIndex[i] = static_cast<int>(std::clamp<long>(v, -1, 1000));
    p = end;
    while (*p == ' ') ++p;
    if (*p != ',') break;
    ++p;
  }
}

void create() {
  if (g.created) return;
  g.created = true;
  const int text = parseColour(cfgReadValue("VIDEO", "CORLETRA"), 15);
  const int back = parseColour(cfgReadValue("VIDEO", "CORFUNDO"), 0);
  g.attr = static_cast<unsigned char>((back << 4) | text);
  g.colourLock = cfgStartsWithS(cfgReadValue("VIDEO", "CORESFIXAS"));
  readPaletteMap();
  g.cells.fill(ConCell{' ', g.attr});
  g.window = ConRect{};
  g.column = g.row = 1;
}

ConCell* cellAt(int screenColumn, int screenRow) {
  if (screenColumn < 1 || screenColumn > kConColumns || screenRow < 1 || screenRow > kConRows) {
    return nullptr;
  }
  return &g.cells[(screenRow - 1) * kConColumns + (screenColumn - 1)];
}

int windowWidth() { return g.window.right - g.window.left + 1; }
int windowHeight() { return g.window.bottom - g.window.top + 1; }

void blankRow(int screenRow, int fromColumn, int toColumn) {
  for (int c = fromColumn; c <= toColumn; ++c) {
    if (ConCell* cell = cellAt(c, screenRow)) *cell = ConCell{' ', g.attr};
  }
}

void scrollUp() {
  for (int r = g.window.top; r < g.window.bottom; ++r) {
    for (int c = g.window.left; c <= g.window.right; ++c) *cellAt(c, r) = *cellAt(c, r + 1);
  }
  blankRow(g.window.bottom, g.window.left, g.window.right);
}

void lineFeed() {
  g.column = 1;
  if (g.row < windowHeight()) {
    ++g.row;
  } else {
    scrollUp();
  }
}

void putCharacter(char32_t ch) {
  switch (ch) {
    case '\r':
      g.column = 1;
      return;
    case '\n':
      lineFeed();
      return;
    case '\b':
      if (g.column > 1) {
        --g.column;
        if (ConCell* cell = cellAt(g.window.left + g.column - 1, g.window.top + g.row - 1)) {
          *cell = ConCell{' ', g.attr};
        }
      }
      return;
    case '\a':
      spkBeep();
      return;
    default:
      break;
  }
  if (ch < 32) return;
  // Past column 80 (an indented window) nothing is stored, but the cursor still moves.
  if (ConCell* cell = cellAt(g.window.left + g.column - 1, g.window.top + g.row - 1)) {
    *cell = ConCell{ch, g.attr};
  }
  ++g.column;
  // The wrap test compares the window-relative column with the right edge's screen
  // column: an indented window lets text run past its edge by its indentation.
  if (g.column > g.window.right) lineFeed();
}

void changed() { conFrontend().invalidate(); }

}  // namespace

void conWrite(std::string_view text) {
  create();
  for (size_t i = 0, length = 1; i < text.size(); i += length) putCharacter(characterAt(text, i, length));
  changed();
}

void conWriteLine(std::string_view text) {
  conWrite(text);
  conWrite("\r\n");
}

void conGoto(int column, int row) {
  create();
  g.column = std::clamp(column, 1, windowWidth());
  g.row = std::clamp(row, 1, windowHeight());
  changed();
}

int conColumn() {
  create();
  return g.column;
}

int conRow() {
  create();
  return g.row;
}

void conClear() {
  create();
  for (int r = g.window.top; r <= g.window.bottom; ++r) blankRow(r, g.window.left, g.window.right);
  g.column = g.row = 1;
  changed();
}

void conClearEol() {
  create();
  blankRow(g.window.top + g.row - 1, g.window.left + g.column - 1, g.window.right);
  changed();
}

void conSetTextColour(int colour) {
  create();
  if (g.colourLock) return;
  g.attr = static_cast<unsigned char>((g.attr & 0xF0) | (colour & 0x0F));
}

void conSetBackColour(int colour) {
  create();
  if (g.colourLock) return;
  g.attr = static_cast<unsigned char>((g.attr & 0x0F) | ((colour & 0x0F) << 4));
}

int conTextAttr() {
  create();
  return g.attr;
}

void conSetWindow(int left, int top, int right, int bottom) {
  create();
  // A rectangle that does not fit the grid is ignored, as the console always did.
  if (left < 1 || top < 1 || right > kConColumns || bottom > kConRows || left > right ||
      top > bottom) {
    return;
  }
  g.window = ConRect{left, top, right, bottom};
  g.column = g.row = 1;
}

ConCell conReadCell(int column, int row) {
  create();
  if (const ConCell* cell = cellAt(g.window.left + column - 1, g.window.top + row - 1)) return *cell;
  return ConCell{' ', g.attr};
}

void conRepaint() {
  create();
  changed();
}

ConCell conScreenCell(int column, int row) {
  create();
  if (const ConCell* cell = cellAt(column, row)) return *cell;
  return ConCell{' ', g.attr};
}

ConPoint conCursorOnScreen() {
  create();
  return ConPoint{g.window.left + g.column - 1, g.window.top + g.row - 1};
}

ConRect conTextWindow() {
  create();
  return g.window;
}

std::uint32_t conColourRgb(int colour) {
  static constexpr std::uint32_t kPalette[16] = {
      0x000000, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0x8E008E, 0x442222, 0xC0C0C0,
      0x282828, 0x8080FF, 0x80FF80, 0x80FFFF, 0xFF8080, 0xFF80FF, 0xFFFF00, 0xFFFFFF};
  create();
  const int index = g.paletteIndex[colour & 0x0F];
  // A palette index outside the table paints black.
  return index >= 0 && index < 16 ? kPalette[index] : 0x000000;
}

void conResetGrid() {
  g = Grid{};
  create();
}

std::string conVisible(std::string_view text) {
  std::string shown(text);
  for (char& c : shown) {
    if (static_cast<unsigned char>(c) < 32) c = ' ';
  }
  return shown;
}
