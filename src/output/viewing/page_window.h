#pragma once
// A window over the embosser page: the part of it a braille display shows (its width in
// cells, its rows in lines) or a terminal shows (the whole width, as many lines as it has
// rows). The movement keys move it; it never leaves the page.
#include <string>
#include <vector>

#include "output/embosser/embosser_page.h"

struct PageWindow {
  int width = 1, height = 1;  // cells and lines it shows
  int line = 0, column = 0;   // its top-left cell on the page, 0-based
};

enum class PageMove { Moved, AtTheEdge, NotAMove };

// Moves the window for one movement key (the code of an extended key, keys.h): Up and
// Down a line, Left and Right a window's width, Home to the top-left corner, End to the
// start of the last line. PgUp and PgDn go to the nearest line above or below that has
// dots under the window when `toDots` (a braille display, whose window is a line or
// two), else a window's height. AtTheEdge when the window can not go that way.
PageMove movePageWindow(PageWindow& window, int extendedKey, const EmbosserPage& page, bool toDots);

// The cells under the window, row by row, width x height of them (blank off the page).
std::vector<unsigned char> pageWindowCells(const PageWindow& window, const EmbosserPage& page);

// Where the window stands, as it is said: "Linha 12 de 44, coluna 1".
std::string pageWindowPosition(const PageWindow& window, const EmbosserPage& page);
