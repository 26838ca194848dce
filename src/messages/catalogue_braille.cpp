// The texts about Braille codes: choosing the code labels are written in, and what a
// code cannot write.
#include <array>

#include "messages/catalogue_tables.h"

namespace {

constexpr std::array kBraille = {
    CatalogueRow{"PXSEMCELAC", "Linha %1: o rótulo tem o caractere %2, que não tem braille no código %3.",
                 "Line %1: the label holds the character %2, which has no Braille in the code %3."},
    CatalogueRow{"PXCBDESC", "código braille desconhecido: %1; os códigos estão na referência, em \"Códigos braille\"",
                 "unknown Braille code: %1; the codes are listed in the reference, under \"Braille codes\""},
    CatalogueRow{"PXCBSEMLIB", "o código braille %1 precisa da biblioteca liblouis, que não foi encontrada",
                 "the Braille code %1 needs the liblouis library, which was not found"},
    CatalogueRow{"PXCOM_CB", "CB - Código Braille", "CB - Braille code"},
    CatalogueRow{"PX_CODBRL", "Código Braille dos rótulos", "Braille code of the labels"},
    CatalogueRow{"PX_CODIGO", "Código: ", "Code: "},
    CatalogueRow{"PXDSCB", "rótulos em braille no código %1", "Braille labels in the code %1"},
    CatalogueRow{"PXCFG_CBR", "Código braille dos rótulos", "Braille code of the labels"},
    CatalogueRow{"PXUSOCB",
                 "  --code=CÓDIGO  código braille dos rótulos onde o desenho não tem CB: pt-br, en-ueb-g1,\n"
                 "            en-ueb-g2, es-g1, de-g0... ou o nome de uma tabela do liblouis (padrão: o de\n"
                 "            Tramel.ini, PONTELIX/CODIGOBRAILLE, ou o do idioma)\n",
                 "  --code=CODE  Braille code of the labels where the drawing has no CB: pt-br, en-ueb-g1,\n"
                 "            en-ueb-g2, es-g1, de-g0... or the name of a liblouis table (default: the one\n"
                 "            in Tramel.ini, PONTELIX/CODIGOBRAILLE, or the language's)\n"},
    CatalogueRow{"PXTBSEMBR", "O caractere %1 não tem braille no código %2.",
                 "The character %1 has no Braille in the code %2."},
    CatalogueRow{"PXBRAOMIT", "Linha %1: o caractere %2 não tem braille neste código e ficou de fora.",
                 "Line %1: the character %2 has no Braille in this code and was left out."},
};

}  // namespace

std::span<const CatalogueRow> brailleCatalogue() { return kBraille; }
