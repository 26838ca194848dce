#pragma once
// The faces text is drawn in, as the system's font configuration matches them: found
// once per process, null when the system has no font at all.
#include <cairo.h>

#include <cstdint>
#include <string>
#include <string_view>

enum class FontFamily { Mono, Sans };

cairo_font_face_t* fontFace(FontFamily family);

// The size at which the face's character cell (ascent plus descent) is cellHeight
// units high; cellHeight itself when the face tells no extents. Leaves the face selected
// on cr. Precondition: fontFace(family) is not null.
double fontSizeForCell(cairo_t* cr, FontFamily family, int cellHeight);

// Moves cr's point to the baseline of a cell whose top-left corner is (x, y) in the
// selected font (the ascent rounded to a unit when asked) and gives the text as
// well-formed UTF-8, as the library takes it.
std::string placeText(cairo_t* cr, int64_t x, int64_t y, std::string_view text, bool roundAscent);

// How far the text advances in the font selected on cr, rounded to a unit.
int textAdvance(cairo_t* cr, std::string_view text);
