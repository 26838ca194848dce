#pragma once
// The 5 x 7 dot font of ink labels. A glyph is five column strings joined by "|", each
// naming the rows (1 = top .. 7 = bottom) of its dots, "0" for an empty column.
#include <string_view>

// Latin-1 accented letters the font knows by their plain letter (Á -> A, ç -> c, ...);
// every other character is returned unchanged.
char32_t removeAccent(char32_t ch);

// The glyph of a character; the blank's for those without one (below 32, 127 and
// above).
std::string_view dotGlyph(char32_t ch);
