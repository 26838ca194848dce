// The catalogue's texts that the platform says on its own (platform_words.cpp).
#include "messages/catalogue_tables.h"

namespace {

constexpr CatalogueRow kPlatform[] = {
    {"PXHORA", "%1 horas e %2 minutos", "%1 hours and %2 minutes"},
    {"PXDATA", "%1 de %2 de %3", "%2 %1, %3"},
    {"PXMES01", "janeiro", "January"},
    {"PXMES02", "fevereiro", "February"},
    {"PXMES03", "março", "March"},
    {"PXMES04", "abril", "April"},
    {"PXMES05", "maio", "May"},
    {"PXMES06", "junho", "June"},
    {"PXMES07", "julho", "July"},
    {"PXMES08", "agosto", "August"},
    {"PXMES09", "setembro", "September"},
    {"PXMES10", "outubro", "October"},
    {"PXMES11", "novembro", "November"},
    {"PXMES12", "dezembro", "December"},
    {"PXTERMPEQ", "O terminal tem %1 colunas e %2 linhas; o Pontelix precisa de %3 por %4: só parte da tela aparece.",
     "The terminal has %1 columns and %2 lines; Pontelix needs %3 by %4: only part of the screen shows."},
    {"PXFALAERR", "Erro de inicialização: %1", "The speech did not start: error %1"},
    {"PXFALAVOZ", "Banco de dados de voz: %1", "Voice data: %1"},
    {"PXTECLAINV", "linha %1, coluna %2: nome de tecla inválido: %3", "line %1, column %2: not a key name: %3"},
    {"PXNAOTERM", "a entrada e a saída padrão não são um terminal", "standard input and output are not a terminal"},
    {"PXTERMDESC", "terminal desconhecido: %1 (veja TERM)", "unknown terminal: %1 (see TERM)"},
    {"PXSEMSDL", "sem a biblioteca SDL2", "the SDL2 library is missing"},
    {"PXTERMLNX", "a interface de terminal existe só no Linux; no Windows, use --ui=window ou --ui=headless",
     "the terminal interface exists only on Linux; on Windows, use --ui=window or --ui=headless"},
    {"PXAJUDAWIN", "\nNo Windows: a interface de terminal e a linha braille (BrlAPI) existem só no Linux; a fala é a do\nWindows (SAPI 5, --speech=sapi, o padrão) e a configuração fica em %APPDATA%\\Pontelix\\Tramel.ini.\n",
     "\nOn Windows: the terminal interface and the braille display (BrlAPI) exist only on Linux; speech is\nWindows's own (SAPI 5, --speech=sapi, the default) and the configuration is in %APPDATA%\\Pontelix\\Tramel.ini.\n"},
    {"PXSEMTELA", "sem tela gráfica (driver %1)", "no graphical display (driver %1)"},
    {"PXSEMFONTE", "nenhuma fonte de largura fixa encontrada para \"%1\"", "no fixed-width font found for \"%1\""},
};

}  // namespace

std::span<const CatalogueRow> platformCatalogue() { return kPlatform; }
