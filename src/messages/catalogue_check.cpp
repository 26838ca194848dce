// The catalogue's texts of the check of the page: what it finds on each line, the
// figures it names, and how the page is filled. Portuguese gives a figure's noun its
// gender, so a sentence that names one has a row for each gender (…F, …M).
#include "messages/catalogue_tables.h"

namespace {

constexpr CatalogueRow kCheck[] = {
    {"PXCHKLIN", "Linha %1: %2: %3", "Line %1: %2: %3"},
    {"PXCHKCMD", "comando ou número errado", "wrong command or number"},
    {"PXCHKPARA", "%1; o desenho para aqui", "%1; the drawing stops here"},
    {"PXCHKIMP", "impossível desenhar (%1)", "cannot be drawn (%1)"},
    {"PXCHKFORAF", "a %1 fica toda fora da página", "the %1 lies wholly off the page"},
    {"PXCHKFORAM", "o %1 fica todo fora da página", "the %1 lies wholly off the page"},
    {"PXCHKNADAF", "a %1 não desenha nada na página", "the %1 draws nothing on the page"},
    {"PXCHKNADAM", "o %1 não desenha nada na página", "the %1 draws nothing on the page"},
    {"PXCHKPARTF", "parte da %1 fica fora da página", "part of the %1 lies off the page"},
    {"PXCHKPARTM", "parte do %1 fica fora da página", "part of the %1 lies off the page"},
    {"PXCHKSOB1", "o rótulo fica sobre o desenho da linha %1 e não se lê",
     "the label lies over the drawing of line %1 and cannot be read"},
    {"PXCHKSOBN", "o rótulo fica sobre o desenho das linhas %1 e não se lê",
     "the label lies over the drawing of lines %1 and cannot be read"},
    {"PXCHKENC1", "o rótulo encosta no desenho da linha %1", "the label touches the drawing of line %1"},
    {"PXCHKENCN", "o rótulo encosta no desenho das linhas %1", "the label touches the drawing of lines %1"},
    // The last two of a list of line numbers, "1, 2 e 4".
    {"PXCHKLSTE", "%1 e %2", "%1 and %2"},
    {"PXCHKCOLA", "encosta na linha %1 (%2) sem cruzar; as duas vão parecer uma só",
     "touches line %1 (%2) without crossing it; the two will feel like one"},
    {"PXCHKLONGO", "encosta na linha %1 (%2) ao longo de %3 pontos; as duas vão parecer uma só",
     "runs along line %1 (%2) for %3 dots; the two will feel like one"},
    {"PXCHKVAZIA", "A página está vazia.", "The page is empty."},
    {"PXCHKNENH", "Nenhuma linha desenhou na página.", "No line drew on the page."},
    {"PXCHKRES1", "%1 linha desenhou; o desenho ocupa as fileiras %2 a %3, celas %4 a %5, de uma página de %6 fileiras por %7 celas.",
     "%1 line drew; the drawing takes rows %2 to %3, cells %4 to %5, of a page of %6 rows by %7 cells."},
    {"PXCHKRESN", "%1 linhas desenharam; o desenho ocupa as fileiras %2 a %3, celas %4 a %5, de uma página de %6 fileiras por %7 celas.",
     "%1 lines drew; the drawing takes rows %2 to %3, cells %4 to %5, of a page of %6 rows by %7 cells."},
    {"PXCHKAV1S", "O desenho tem %1 aviso.", "The drawing has %1 warning."},
    {"PXCHKAVNS", "O desenho tem %1 avisos.", "The drawing has %1 warnings."},
    // The figures, as the check names them.
    {"PXFIG_EX", "eixo", "axis"},
    {"PXFIG_GR", "grade", "grid"},
    {"PXFIG_PT", "ponto", "point"},
    {"PXFIG_RT", "reta", "straight line"},
    {"PXFIG_ST", "seta", "arrow"},
    {"PXFIG_RG", "retângulo", "rectangle"},
    {"PXFIG_PO", "polígono", "polygon"},
    {"PXFIG_CI", "círculo", "circle"},
    {"PXFIG_EL", "elipse", "ellipse"},
    {"PXFIG_PA", "parábola", "parabola"},
    {"PXFIG_CV", "curva", "curve"},
    {"PXFIG_PN", "polinômio", "polynomial"},
    {"PXFIG_EQ", "equação", "equation"},
    {"PXFIG_HI", "histograma", "histogram"},
    {"PXFIG_TB", "rótulo", "label"},
    {"PXFIG_TX", "texto", "text"},
};

}  // namespace

std::span<const CatalogueRow> checkCatalogue() { return kCheck; }
