#pragma once
// A window over the embosser page: the part of it a braille display shows (its width in
// cells, its rows in lines) or a terminal shows (the whole width, as many lines as it has
// rows). It follows the cursor of the page explored by ear (dot_cursor.h).
#include <string>
#include <vector>

#include "output/embosser/embosser_page.h"

struct PageWindow {
  int width = 1, height = 1;  // cells and lines it shows
  int line = 0, column = 0;   // its top-left cell on the page, 0-based
};

enum class PageMove { Moved, AtTheEdge, NotAMove };

// The cells under the window, row by row, width x height of them (blank off the page).
std::vector<unsigned char> pageWindowCells(const PageWindow& window, const EmbosserPage& page);

// Where the window stands, as it is said: "Fileira 12 de 44, coluna 1".
std::string pageWindowPosition(const PageWindow& window, const EmbosserPage& page);
