#pragma once
// Braille on the page: cells drawn as dots, and the labels of "TB" (and of "TX" where
// the style draws text as Braille). The size of the dots follows the style's cell
// geometry: one pixel per dot on the embosser and ink pages, so that an embossed cell is
// one Braille cell; larger dots that the eye can tell apart on the screen.
#include <cstdint>
#include <string_view>

#include "language/braille_code.h"
#include "render/page.h"

// Draws the cell of an alphabet byte (braille_cells.h) with its bottom-left dot (dot 3)
// at pixel (column, row) and returns the style's advance to the next cell. Dots off the
// canvas are lost; without a canvas nothing is drawn.
int32_t drawBrailleCell(Page& page, unsigned char alphabetByte, int32_t column, int32_t row);

// Translates the text (UTF-8) into the code (our Portuguese one unless given) and draws its cells in one row from the user
// position (x, y) to the right; a label running past the canvas is cut off there. Where
// the style puts labels on whole cells the label starts on the page cell nearest to the
// position, so that each of its cells is one embossed cell. The cells it took are kept
// in page.lastLabel.
// Returns the fault (and raises it) when the position cannot be mapped or there is no
// canvas; nothing is drawn then.
RenderFault drawBrailleLabel(Page& page, double x, double y, std::string_view text, const BrailleCode& code = {});
