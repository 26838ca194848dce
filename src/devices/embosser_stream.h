#pragma once
// The byte stream an embosser receives for one drawing: each block of 2 x 3 pixels
// becomes one six-dot cell, sent as a Braille computer code character.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "render/pixel_view.h"

inline constexpr char kEmbosserStart[] = "\x1B" "1";
inline constexpr char kEmbosserEnd[] = "\x1B]";
inline constexpr char kEmbosserPageEnd[] = "\x0C";

// The byte sent for a cell pattern (bit 0 = dot 1 ... bit 5 = dot 6); only the low six
// bits are used.
char embosserCellCode(unsigned pattern);

// The pattern of the cell of line `line` and cell column `cell`: a dot wherever the
// pixel is not pure white. Pixels beyond the surface's edges count as white.
unsigned embosserCellPattern(const PixelView& surface, int line, int cell);

// The lines of cells from the top down to the line holding the lowest non-white pixel
// (one line for a white surface), each with its trailing blanks removed and CR LF
// appended. These are the writes between the start and the end sequences.
std::vector<std::string> embosserLines(const PixelView& surface);

// Writes the stream in the pieces an embosser job receives: the start sequence, each
// line, the end sequence, the form feed. Stops at the first write that fails and
// returns false then; the surface is converted only after the start was taken.
bool writeEmbosserStream(const PixelView& surface, const std::function<bool(std::string_view bytes)>& write);

// The whole stream as one text.
std::string embosserStream(const PixelView& surface);
