#pragma once
// The byte stream an embosser receives for one drawing: each block of 2 x 3 pixels
// becomes one six-dot cell, sent as a Braille computer code character.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "output/embosser/embosser_page.h"
#include "render/page.h"
#include "render/pixel_view.h"

inline constexpr char kEmbosserStart[] = "\x1B" "1";
inline constexpr char kEmbosserEnd[] = "\x1B]";
inline constexpr char kEmbosserPageEnd[] = "\x0C";

// The byte sent for a cell pattern (bit 0 = dot 1 ... bit 5 = dot 6); only the low six
// bits are used.
char embosserCellCode(unsigned pattern);

// The page's lines from the top down to the last one holding a dot (one line for a
// blank page), each as its cells' codes with the trailing blanks removed and CR LF
// appended. These are the writes between the start and the end sequences.
std::vector<std::string> embosserLines(const EmbosserPage& page);
std::vector<std::string> embosserLines(const PixelView& surface);

// Writes the stream in the pieces an embosser job receives: the start sequence, each
// line, the end sequence, the form feed; on a sheet of mode texto the lines and the
// form feed only. Stops at the first write that fails and returns false then; the
// surface is converted only after the start was taken.
bool writeEmbosserStream(const PixelView& surface, BrailleMode mode,
                         const std::function<bool(std::string_view bytes)>& write);

// The whole stream as one text.
std::string embosserStream(const PixelView& surface, BrailleMode mode);
