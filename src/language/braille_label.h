#pragma once
// Braille on the drawing surface: cells drawn as dots, and the labels of "TB" (and of
// "TX" on the embosser). The size of the dots follows outputMode: on the embosser and
// ink surfaces one pixel per dot, so that an embossed cell is one Braille cell; on the
// screen larger dots that the eye can tell apart.
#include <cstdint>
#include <string_view>

#include "render/drawing_state.h"

// Draws the cell of an alphabet byte (braille_cells.h) with its bottom-left dot (dot 3)
// at pixel (column, row) and returns the advance to the next cell: 3 pixels on the
// embosser and ink surfaces (2 on an embosser sheet of mode texto), 20 on the screen. Dots off the surface are lost; without
// a surface nothing is drawn.
int32_t drawBrailleCell(unsigned char alphabetByte, int32_t column, int32_t row);

// Translates the text (Windows-1252) and draws its cells in one row from the user
// position (x, y) to the right; a label running past the surface is cut off there. On
// an embosser sheet of mode texto the label starts on the page cell nearest to the
// position, so that each of its cells is one embossed cell.
// Returns the fault (and raises it) when the position cannot be mapped or there is no
// surface; nothing is drawn then.
RenderFault drawBrailleLabel(double x, double y, std::string_view text);

// The pixels the cells of the last label took, its blank dot positions included, from
// the first cell to the last one that fell on the canvas (inclusive bounds); empty
// (right < left) when it drew no cell.
struct CellBox {
  int64_t left = 0, top = 0, right = -1, bottom = -1;
};
CellBox lastLabelCells();
