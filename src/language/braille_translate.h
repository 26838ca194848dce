#pragma once
// Portuguese text to Braille text: capital signs, the number sign, lower-cell digits for
// ordinals and fractions, accented letters with their own cells, two-cell punctuation.
// The text is UTF-8; each byte of the result is one cell of the alphabet in
// braille_cells.h. A character that has no cell comes out as the cell of "?": ask
// firstCharacterWithoutCell first where the user must hear of it.
#include <optional>
#include <string>
#include <string_view>

std::string textToBraille(std::string_view utf8);
// The first character of the text that no Braille cell stands for, if any.
std::optional<char32_t> firstCharacterWithoutCell(std::string_view utf8);
