// The catalogue's descriptions of the command lines, which the page view says and the
// swell paper's picture keeps for readers that speak what lies under the finger.
#include "messages/catalogue_tables.h"

namespace {

constexpr CatalogueRow kDescribe[] = {
    // A point; Portuguese coordinates hold the decimal comma.
    {"PXDSPAR", "(%1; %2)", "(%1, %2)"},
    {"PXDSDM", "domínio: x de %1 a %2, y de %3 a %4", "domain: x from %1 to %2, y from %3 to %4"},
    {"PXDSCD", "janela do desenho: x de %1 a %2, y de %3 a %4 da página",
     "drawing window: x from %1 to %2, y from %3 to %4 of the page"},
    {"PXDSEX", "eixo de %1 a %2", "axis from %1 to %2"},
    {"PXDSEXM", "eixo de %1 a %2, marcas a cada %3", "axis from %1 to %2, tick marks every %3"},
    {"PXDSGR", "grade de pontos de %1 a %2, passo %3 em x e %4 em y",
     "grid of points from %1 to %2, step %3 in x and %4 in y"},
    {"PXDSPT", "ponto %1", "point %1"},
    {"PXDSPTDAD", "os pontos dos dados", "the data points"},
    {"PXDSRT", "segmento de %1 a %2", "segment from %1 to %2"},
    {"PXDSST", "seta de %1 a %2", "arrow from %1 to %2"},
    {"PXDSRG", "retângulo de canto %1, largura %2 e altura %3", "rectangle with corner %1, width %2 and height %3"},
    {"PXDSRR", "retângulo de canto %1, largura %2 e altura %3, girado %4 graus",
     "rectangle with corner %1, width %2 and height %3, turned %4 degrees"},
    {"PXDSPODAD", "linha poligonal pelos pontos dos dados", "polygonal line through the data points"},
    {"PXDSPO1", "linha poligonal por %1 ponto: %2", "polygonal line through %1 point: %2"},
    {"PXDSPON", "linha poligonal por %1 pontos: %2", "polygonal line through %1 points: %2"},
    {"PXDSCI", "círculo de centro %1 e raio %2", "circle with center %1 and radius %2"},
    {"PXDSEL", "elipse de centro %1, raios %2 e %3", "ellipse with center %1, radii %2 and %3"},
    {"PXDSPA", "parábola por %1, %2 e %3", "parabola through %1, %2 and %3"},
    {"PXDSCVDAD", "curva pelos pontos dos dados", "curve through the data points"},
    {"PXDSCV1", "curva por %1 ponto: %2", "curve through %1 point: %2"},
    {"PXDSCVN", "curva por %1 pontos: %2", "curve through %1 points: %2"},
    {"PXDSPN", "polinômio de grau %1, de x = %2 a x = %3", "polynomial of degree %1, from x = %2 to x = %3"},
    {"PXDSEQ", "gráfico de y = %1", "graph of y = %1"},
    {"PXDSEQI", "gráfico de y = %1, de x = %2 a x = %3", "graph of y = %1, from x = %2 to x = %3"},
    {"PXDSLD", "dados do arquivo %1", "data from the file %1"},
    {"PXDSHI1", "histograma de %1 barra de largura %2 a partir de %3", "histogram of %1 bar of width %2 from %3"},
    {"PXDSHIN", "histograma de %1 barras de largura %2 a partir de %3", "histogram of %1 bars of width %2 from %3"},
    {"PXDSTB", "rótulo em braille em %1: %2", "Braille label at %1: %2"},
    {"PXDSTX", "texto em tinta em %1: %2", "ink text at %1: %2"},
    {"PXDSCC", "caneta de espessura %1, %2, %3", "pen of width %1, %2, %3"},
    {"PXDSCONT", "contínua", "solid"},
    {"PXDSPONTI", "pontilhada", "dotted"},
    {"PXDSTRAC", "tracejada", "dashed"},
    {"PXDSPRETA", "preta", "black"},
    {"PXDSVERM", "vermelha", "red"},
    {"PXDSAZUL", "azul", "blue"},
};

}  // namespace

std::span<const CatalogueRow> describeCatalogue() { return kDescribe; }
