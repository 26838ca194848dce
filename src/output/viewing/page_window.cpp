#include "output/viewing/page_window.h"

#include <algorithm>

#include "console/keys.h"

namespace {

int lastLine(const PageWindow& window, const EmbosserPage& page) { return std::max(page.lines - window.height, 0); }

// Panning goes a whole window at a time, so the last column is a multiple of the width.
int lastColumn(const PageWindow& window, const EmbosserPage& page) {
  return page.cellsPerLine > 0 ? (page.cellsPerLine - 1) / window.width * window.width : 0;
}

bool dotsUnder(const PageWindow& window, const EmbosserPage& page, int line) {
  for (int row = 0; row < window.height; ++row) {
    if (!page.lineIsBlank(line + row, window.column, window.width)) return true;
  }
  return false;
}

// The nearest line from `line` in direction `step` (exclusive) that has dots under the
// window, or -1.
int nearestLineWithDots(const PageWindow& window, const EmbosserPage& page, int line, int step) {
  for (int at = line + step; at >= 0 && at <= lastLine(window, page); at += step) {
    if (dotsUnder(window, page, at)) return at;
  }
  return -1;
}

PageMove moveTo(PageWindow& window, int line, int column) {
  if (line == window.line && column == window.column) return PageMove::AtTheEdge;
  window.line = line;
  window.column = column;
  return PageMove::Moved;
}

}  // namespace

PageMove movePageWindow(PageWindow& window, int extendedKey, const EmbosserPage& page, bool toDots) {
  window.width = std::max(window.width, 1);
  window.height = std::max(window.height, 1);
  const int bottom = lastLine(window, page);
  const int right = lastColumn(window, page);
  int line = std::clamp(window.line, 0, bottom);
  int column = std::clamp(window.column, 0, right);
  switch (extendedKey) {
    case key::kUp: line = std::max(line - 1, 0); break;
    case key::kDown: line = std::min(line + 1, bottom); break;
    case key::kLeft: column = std::max(column - window.width, 0); break;
    case key::kRight: column = std::min(column + window.width, right); break;
    case key::kHome: line = column = 0; break;
    case key::kEnd: line = bottom, column = 0; break;
    case key::kPgUp:
    case key::kPgDn: {
      const int step = extendedKey == key::kPgUp ? -1 : 1;
      if (toDots) {
        const int found = nearestLineWithDots(window, page, line, step);
        if (found >= 0) line = found;
      } else {
        line = std::clamp(line + step * window.height, 0, bottom);
      }
      break;
    }
    default: return PageMove::NotAMove;
  }
  return moveTo(window, line, column);
}

std::vector<unsigned char> pageWindowCells(const PageWindow& window, const EmbosserPage& page) {
  std::vector<unsigned char> cells;
  cells.reserve(static_cast<size_t>(window.width) * window.height);
  for (int row = 0; row < window.height; ++row) {
    for (int cell = 0; cell < window.width; ++cell) {
      cells.push_back(static_cast<unsigned char>(page.cell(window.line + row, window.column + cell)));
    }
  }
  return cells;
}

std::string pageWindowPosition(const PageWindow& window, const EmbosserPage& page) {
  return "Linha " + std::to_string(window.line + 1) + " de " + std::to_string(page.lines) + ", coluna " +
         std::to_string(window.column + 1);
}
