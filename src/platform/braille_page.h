#pragma once
// A page of six-dot cells shown over the console in place of the picture: the embosser
// page as a terminal shows it, one Unicode Braille pattern per cell, so that a braille
// display reading the terminal, or a screen reader, reads the very cells that will be
// embossed. Frontends that show pictures (the window, headless) do not show pages.
#include <vector>

struct ConBraillePage {
  bool shown = false;
  int lines = 0;
  int cellsPerLine = 0;
  const std::vector<unsigned char>* cells = nullptr;  // line by line, bit 0 = dot 1
  int top = 0;                                         // the page line on the first row
  int caretLine = 0, caretColumn = 0;                  // page coordinates, 0-based
};

// Shows `lines` x `cellsPerLine` cells (missing ones blank) from the top-left corner.
void conShowBraillePage(std::vector<unsigned char> cells, int lines, int cellsPerLine);
// Scrolls the page so that line `top` is on the first row and puts the caret on a cell,
// where a braille display that follows the cursor looks.
void conMoveInBraillePage(int top, int caretLine, int caretColumn);
void conHideBraillePage();
ConBraillePage conBraillePage();

// How many page lines the frontend shows at once; 0 when it shows pictures instead.
int conBraillePageRows();
