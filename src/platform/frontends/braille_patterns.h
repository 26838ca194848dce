#pragma once
// A picture as Unicode Braille patterns (U+2800 to U+28FF, 2 x 4 dots a character), for
// terminals: a sighted helper sees the drawing's shape and a braille-display user can
// feel it. Any pixel that is not white becomes a raised dot.
#include <cstdint>
#include <string>
#include <vector>

// Renders a width x height picture (0x00RRGGBB pixels, top row first) scaled, keeping
// its proportions, to the largest size that fits in columns x rows characters. Returns
// `rows` lines of `columns` patterns each, as UTF-8; cells the picture does not reach
// are blank patterns (U+2800). A dot is raised when any pixel it covers is not white,
// so thin lines survive shrinking.
std::vector<std::string> renderBraillePatterns(const std::uint32_t* pixels, int width, int height,
                                               int columns, int rows);

// The UTF-8 of the pattern with the given dots (bit 0 = dot 1 ... bit 7 = dot 8).
std::string braillePatternUtf8(unsigned dots);
