#include "options/viewing/page_window.h"

#include "messages/messages.h"

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
  // "Fileira", not "Linha": a line is a command line of the script, counted from 0.
  return withValues(messageText("PXPOSFIL"),
                    {std::to_string(window.line + 1), std::to_string(page.lines), std::to_string(window.column + 1)});
}
