// The catalogue's texts of what the drawing becomes: the ink printer's page, swell paper,
// the embosser's page, the picture on the screen and in a file.
#include "messages/catalogue_tables.h"

namespace {

constexpr CatalogueRow kOutput[] = {
    {"PXINKNADA", "A impressora não informa o papel nem a resolução: assumido papel A4 a 300 pontos por polegada.",
     "The printer tells neither its paper nor its resolution: A4 paper at 300 dots per inch is assumed."},
    {"PXINKPAP", "A impressora não informa o papel: assumido papel A4.", "The printer does not tell its paper: A4 paper is assumed."},
    {"PXINKRES", "A impressora não informa a resolução: assumidos 300 pontos por polegada.",
     "The printer does not tell its resolution: 300 dots per inch are assumed."},
    {"PXINKSEMA", "A impressora informa uma página sem área de impressão.", "The printer tells of a page with no printable area."},
    {"PXINKGRAND", "A página tem %1 pontos de lado; o Pontelix desenha no máximo %2.",
     "The page is %1 dots on a side; Pontelix draws at most %2."},
    {"PXINKMEM", "Falta memória para desenhar a página de %1 por %2 pontos.",
     "There is not enough memory to draw the page of %1 by %2 dots."},
    {"PXINKNENC", "A impressora %1 não foi encontrada.", "The printer %1 was not found."},
    {"PXINKSWELL", "Não foi possível desenhar para papel microcapsulado: %1.", "The drawing for swell paper could not be made: %1."},
    {"PXINKPERG", "Papel comum ou papel microcapsulado? (C/M) ", "Plain paper (C) or swell paper (M)? "},
    {"PXINKCOMUM", "Papel comum.", "Plain paper."},
    {"PXINKMICRO", "Papel microcapsulado: linhas e pontos em relevo, no tamanho real.",
     "Swell paper: raised lines and points, at their real size."},
    {"PXINKENV", "Página enviada para a impressora.", "The page was sent to the printer."},
    {"PXTATSEMA", "a página não tem área de impressão", "the page has no printable area"},
    {"PXTATGRAND", "a página tem mais de %1 cm de lado", "the page is more than %1 cm on a side"},
    {"PXMEMDES", "falta memória para o desenho", "there is not enough memory for the drawing"},
    // The title the swell paper's picture file gives itself.
    {"PXSVGTIT", "Desenho do Pontelix", "Pontelix drawing"},
    {"PXPAGCELS", "As celas por linha vão de %1 a %2.", "The cells per line go from %1 to %2."},
    {"PXPAGLINS", "As linhas por página vão de %1 a %2.", "The lines per page go from %1 to %2."},
    // A page key of Tramel.ini that is not valid, its value and the page used instead.
    {"PXPAGNVS", "%1=%2 não vale; a página é a %3.", "%1=%2 is not valid; the page is %3."},
    {"PXPAGTAM", "Página de %1 celas por %2 linhas.", "Page of %1 cells by %2 lines."},
    {"PXPOSFIL", "Fileira %1 de %2, coluna %3", "Row %1 of %2, column %3"},
    {"PXDOTLIN", "Linha %1: %2", "Line %1: %2"},
    // Where the page view's cursor is, in the drawing's coordinates.
    {"PXCOORD", "x %1; y %2", "x %1, y %2"},
    {"PXMOTIVO", "Motivo: %1.", "Reason: %1."},
    {"PXNOMEGRF", "o nome deve terminar em .png, .jpg, .jpeg, .bmp ou .svg", "the name must end in .png, .jpg, .jpeg, .bmp or .svg"},
    {"PXIMGCARR", "a imagem não pôde ser carregada", "the picture could not be loaded"},
    {"PXNAOMOST", "O desenho não pôde ser mostrado: %1.", "The drawing could not be shown: %1."},
};

}  // namespace

std::span<const CatalogueRow> outputCatalogue() { return kOutput; }
