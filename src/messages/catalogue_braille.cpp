// The texts about Braille codes: choosing the code labels are written in, and what a
// code cannot write.
#include <array>

#include "messages/catalogue_tables.h"

namespace {

constexpr std::array kBraille = {
    CatalogueRow{"PXCBDESC", "Código braille desconhecido: %1. Os códigos estão na referência, em \"Códigos braille\".",
                 "Unknown Braille code: %1. The codes are listed in the reference, under \"Braille codes\"."},
    CatalogueRow{"PXCBSEMLIB", "O código braille %1 precisa da biblioteca liblouis, que não foi encontrada.",
                 "The Braille code %1 needs the liblouis library, which was not found."},
    CatalogueRow{"PXBRAOMIT", "Linha %1: o caractere %2 não tem braille neste código e ficou de fora.",
                 "Line %1: the character %2 has no Braille in this code and was left out."},
};

}  // namespace

std::span<const CatalogueRow> brailleCatalogue() { return kBraille; }
