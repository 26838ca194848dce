// The texts about characters: a project saved in another encoding than it was read in,
// and a character that Braille has no cell for.
#include <array>

#include "messages/catalogue_tables.h"

namespace {

constexpr std::array kUnicode = {
    CatalogueRow{"PXGRVUTF", "O projeto tem caracteres que o código antigo não guarda; foi gravado em UTF-8.",
                 "The project holds characters the old encoding cannot keep; it was saved as UTF-8."},
    CatalogueRow{"PXSEMCELA", "Linha %1: o rótulo tem o caractere %2, que não tem cela Braille.",
                 "Line %1: the label holds the character %2, which has no Braille cell."},
    CatalogueRow{"PXBRASCEL", "Linha %1: o caractere %2 não tem cela Braille; a cela de \"?\" ficou no lugar dele.",
                 "Line %1: the character %2 has no Braille cell; the cell of \"?\" stands in its place."},
};

}  // namespace

std::span<const CatalogueRow> unicodeCatalogue() { return kUnicode; }
