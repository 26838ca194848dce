#pragma once
// The embosser page as cells: the surface cut into blocks of 2 x 3 pixels, each block one
// six-dot cell. The embosser stream, the page shown in the terminal and on a braille
// display, and the page text are all read from this one value, so that what the user
// feels before embossing is what the paper gets.
#include <string>
#include <vector>

#include "render/pixel_view.h"

struct EmbosserPage {
  int lines = 0;         // (height - 1) / 3 + 1: 44 for the embosser sheet
  int cellsPerLine = 0;  // (width - 1) / 2 + 1: 66 for the embosser sheet
  // Cell patterns line by line, bit 0 = dot 1 ... bit 5 = dot 6.
  std::vector<unsigned char> cells;

  // The pattern at a line and cell column; 0 (blank) outside the page.
  unsigned cell(int line, int column) const;
  // The cells of one line, left to right; empty outside the page.
  std::vector<unsigned char> line(int index) const;
  bool lineIsBlank(int index, int firstColumn = 0, int columnCount = -1) const;
  // The lines the embosser receives: down to the last line holding a dot, and one line
  // for a blank page.
  int embossedLines() const;
};

// The pattern of the cell of line `line` and cell column `cell`: a dot wherever the
// pixel is not pure white. Pixels beyond the surface's edges count as white.
unsigned embosserCellPattern(const PixelView& surface, int line, int cell);

// The page of a surface: a cell dot is raised wherever its pixel is not pure white;
// pixels beyond the surface's edges count as white.
EmbosserPage embosserPage(const PixelView& surface);

// The page as text, one line per page line (all of them, blank ones too), each line the
// cells as Unicode Braille patterns (U+2800 plus the dots) in UTF-8 with the trailing
// blank cells removed, and a line feed after each.
std::string embosserPageText(const EmbosserPage& page);
