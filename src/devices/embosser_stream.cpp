// The embosser receives each cell as the device character of the Braille alphabet, the
// same characters the labels are translated into.
#include "devices/embosser_stream.h"

#include "language/braille_cells.h"

namespace {

bool isInk(const PixelView& surface, int column, int row) {
  if (column < 0 || row < 0 || column >= surface.width || row >= surface.height) return false;
  return !surface.isWhite(column, row);
}

// The lowest row holding ink, or -1 for a white surface.
int lastInkRow(const PixelView& surface) {
  for (int row = surface.height - 1; row >= 0; --row) {
    for (int column = 0; column < surface.width; ++column) {
      if (isInk(surface, column, row)) return row;
    }
  }
  return -1;
}

}  // namespace

char embosserCellCode(unsigned pattern) {
  return static_cast<char>(brailleCellDeviceCharacter(static_cast<unsigned char>(pattern & 63u)));
}

unsigned embosserCellPattern(const PixelView& surface, int line, int cell) {
  const int left = 2 * cell;
  const int top = 3 * line;
  unsigned pattern = 0;
  for (int dot = 0; dot < 3; ++dot) {
    if (isInk(surface, left, top + dot)) pattern |= 1u << dot;
    if (isInk(surface, left + 1, top + dot)) pattern |= 1u << (dot + 3);
  }
  return pattern;
}

std::vector<std::string> embosserLines(const PixelView& surface) {
  // A white surface still sends one (empty) line, as if its ink were in row 1.
  const int lastRow = lastInkRow(surface);
  const int lineCount = (lastRow < 0 ? 1 : lastRow) / 3 + 1;
  const int cellsPerLine = surface.width > 0 ? (surface.width - 1) / 2 + 1 : 0;
  std::vector<std::string> lines;
  lines.reserve(static_cast<size_t>(lineCount));
  for (int line = 0; line < lineCount; ++line) {
    std::string text;
    text.reserve(static_cast<size_t>(cellsPerLine) + 2);
    for (int cell = 0; cell < cellsPerLine; ++cell) text += embosserCellCode(embosserCellPattern(surface, line, cell));
    text.erase(text.find_last_not_of(' ') + 1);
    text += "\r\n";
    lines.push_back(std::move(text));
  }
  return lines;
}

bool writeEmbosserStream(const PixelView& surface, const std::function<bool(std::string_view bytes)>& write) {
  if (!write(kEmbosserStart)) return false;
  for (const std::string& line : embosserLines(surface)) {
    if (!write(line)) return false;
  }
  return write(kEmbosserEnd) && write(kEmbosserPageEnd);
}

std::string embosserStream(const PixelView& surface) {
  std::string stream;
  writeEmbosserStream(surface, [&](std::string_view bytes) {
    stream += bytes;
    return true;
  });
  return stream;
}
