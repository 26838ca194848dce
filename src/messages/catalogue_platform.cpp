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
};

}  // namespace

std::span<const CatalogueRow> platformCatalogue() { return kPlatform; }
