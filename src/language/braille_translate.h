#pragma once
// Portuguese text to Braille text: capital signs, the number sign, lower-cell digits for
// ordinals and fractions, accented letters with their own cells, two-cell punctuation.
// Both texts are Windows-1252; each byte of the result is one cell of the alphabet in
// braille_cells.h.
#include <string>
#include <string_view>

std::string textToBraille(std::string_view text);
