#pragma once
// The 5 x 7 dot font of ink labels. A glyph is five column strings joined by "|", each
// naming the rows (1 = top .. 7 = bottom) of its dots, "0" for an empty column.
#include <string_view>

// Latin-1 accented letters the font knows by their plain letter (Á -> A, ç -> c, ...);
// every other character is returned unchanged.
unsigned char removeAccent(unsigned char ch);

// The glyph of a character code; the blank's for codes without one (below 32, 127 and
// above).
std::string_view dotGlyph(unsigned char ch);
