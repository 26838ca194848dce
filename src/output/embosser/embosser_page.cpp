#include "output/embosser/embosser_page.h"

#include "platform/frontends/braille_patterns.h"

namespace {

bool isInk(const PixelView& surface, int column, int row) {
  if (column < 0 || row < 0 || column >= surface.width || row >= surface.height) return false;
  return !surface.isWhite(column, row);
}

int cellCount(int pixels, int perCell) { return pixels > 0 ? (pixels - 1) / perCell + 1 : 0; }

}  // namespace

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

unsigned EmbosserPage::cell(int line, int column) const {
  if (line < 0 || column < 0 || line >= lines || column >= cellsPerLine) return 0;
  return cells[static_cast<size_t>(line) * cellsPerLine + column];
}

std::vector<unsigned char> EmbosserPage::line(int index) const {
  if (index < 0 || index >= lines) return {};
  const auto first = cells.begin() + static_cast<long>(index) * cellsPerLine;
  return std::vector<unsigned char>(first, first + cellsPerLine);
}

bool EmbosserPage::lineIsBlank(int index, int firstColumn, int columnCount) const {
  const int end = columnCount < 0 ? cellsPerLine : firstColumn + columnCount;
  for (int column = firstColumn; column < end; ++column) {
    if (cell(index, column) != 0) return false;
  }
  return true;
}

int EmbosserPage::embossedLines() const {
  for (int index = lines - 1; index > 0; --index) {
    if (!lineIsBlank(index)) return index + 1;
  }
  return 1;
}

EmbosserPage embosserPage(const PixelView& surface) {
  EmbosserPage page;
  page.lines = cellCount(surface.height, 3);
  page.cellsPerLine = cellCount(surface.width, 2);
  page.cells.assign(static_cast<size_t>(page.lines) * page.cellsPerLine, 0);
  for (int line = 0; line < page.lines; ++line) {
    for (int column = 0; column < page.cellsPerLine; ++column) {
      page.cells[static_cast<size_t>(line) * page.cellsPerLine + column] =
          static_cast<unsigned char>(embosserCellPattern(surface, line, column));
    }
  }
  return page;
}

std::string embosserPageText(const EmbosserPage& page) {
  std::string text;
  for (int line = 0; line < page.lines; ++line) {
    int end = page.cellsPerLine;
    while (end > 0 && page.cell(line, end - 1) == 0) --end;
    for (int column = 0; column < end; ++column) text += braillePatternUtf8(page.cell(line, column));
    text += '\n';
  }
  return text;
}
