// The catalogue's texts of the command language: why an expression or an interval of EQ
// was not read, what a data file of LD holds wrong, how a run reports a line, and the
// braille command's own errors.
#include "messages/catalogue_tables.h"

namespace {

constexpr CatalogueRow kLanguage[] = {
    // Why an expression was not read; "…T" rows name the piece of it that was wrong.
    {"PXEXOPER", "operador fora do lugar", "an operator out of place"},
    {"PXEXOPERT", "operador fora do lugar: %1", "an operator out of place: %1"},
    {"PXEXINCOMP", "a expressão está incompleta", "the expression is incomplete"},
    {"PXEXSEPAR", "; fora dos argumentos de uma função", "; outside the arguments of a function"},
    {"PXEXFALTOP", "falta um operador", "an operator is missing"},
    {"PXEXFALTOPT", "falta um operador: %1", "an operator is missing: %1"},
    {"PXEXNARG", "número errado de argumentos", "wrong number of arguments"},
    {"PXEXNARGT", "número errado de argumentos: %1", "wrong number of arguments: %1"},
    {"PXEXLONGA", "expressão longa demais", "the expression is too long"},
    {"PXEXMAL", "expressão mal formada", "the expression is badly formed"},
    {"PXEXMALT", "expressão mal formada: %1", "the expression is badly formed: %1"},
    {"PXEXBIBL", "a biblioteca de expressões (libmuparser2v5) não está instalada",
     "the expression library (libmuparser2v5) is not installed"},
    {"PXEXVIRG", "vírgula fora de um número", "a comma outside a number"},
    {"PXEXPONTO", "ponto fora de um número", "a period outside a number"},
    {"PXEXCARAC", "caractere não reconhecido: %1", "unknown character: %1"},
    {"PXEXNUMMAL", "número mal escrito: %1", "a badly written number: %1"},
    {"PXEXANTES", "falta um operador antes de %1", "an operator is missing before %1"},
    {"PXEXNOME", "nome desconhecido: %1", "unknown name: %1"},
    {"PXEXPARDEP", "falta o parêntese depois de %1", "the parenthesis after %1 is missing"},
    {"PXEXPARFEC", "parêntese fechado sem ter sido aberto", "a parenthesis closed that was never opened"},
    {"PXEXVAZIA", "falta a expressão", "the expression is missing"},
    {"PXEXBARRA", "falta fechar a barra do módulo", "the bar of the absolute value is not closed"},
    {"PXEXPARAB", "falta fechar parêntese", "a parenthesis is not closed"},
    // The interval of EQ, whose words "para x de A a B" are the command language's own.
    {"PXEQFORMA", "o intervalo se escreve: para x de A a B", "the interval is written: para x de A a B"},
    {"PXEQINTERV", "no intervalo, %1", "in the interval, %1"},
    {"PXEQDOISN", "o intervalo precisa de dois números: %1", "the interval needs two numbers: %1"},
    // The data files of LD.
    {"PXDATERRO", "Erro no dado: %1", "Error in the data: %1"},
    {"PXDATBIN", "Arquivo não é de texto: %1", "The file is not a text file: %1"},
    {"PXDATLER", "Arquivo não pode ser lido: %1", "The file cannot be read: %1"},
    {"PXDATNEX", "Arquivo não existe: %1", "The file does not exist: %1"},
    {"PXDATMAIS1", "Erro no dado em mais %1 linha", "Errors in the data on %1 more line"},
    {"PXDATMAISN", "Erro no dado em mais %1 linhas", "Errors in the data on %1 more lines"},
    // Why a figure could not be drawn.
    {"PXFLTSUPER", "não há superfície de desenho", "there is no drawing surface"},
    {"PXFLTDOMIN", "domínio com largura ou altura zero", "the domain has zero width or height"},
    {"PXFLTALCAN", "coordenada fora do alcance do desenho", "a coordinate beyond the drawing's reach"},
    // How a run reports a line: said before its number, or written whole.
    {"PXFALHA", "Impossível desenhar na linha ", "Cannot draw on line "},
    {"PXERRLINT", "Erro na linha %1: %2", "Error in line %1: %2"},
    {"PXERRLINR", "Erro na linha %1: %2: %3", "Error in line %1: %2: %3"},
    {"PXFALHAR", "Impossível desenhar na linha %1 (%2): %3", "Cannot draw on line %1 (%2): %3"},
    // The braille command.
    {"PXBRLUSO", "Uso: pontelix braille [--format=unicode|ascii|dots] [--code=CÓDIGO] [TEXTO...]\nTraduz o texto (ou cada linha da entrada) para celas Braille no código dado (pt-br, en-ueb-g1, en-ueb-g2, es-g1, de-g0... ou o nome de uma tabela do liblouis).",
     "Usage: pontelix braille [--format=unicode|ascii|dots] [--code=CODE] [TEXT...]\nTranslates the text (or each line of the input) into Braille cells in the given code (pt-br, en-ueb-g1, en-ueb-g2, es-g1, de-g0... or the name of a liblouis table)."},
    {"PXBRLFMT", "pontelix braille: formato desconhecido", "pontelix braille: unknown format"},
    {"PXBRLOPC", "pontelix braille: opção desconhecida", "pontelix braille: unknown option"},
    {"PXBRLESC", "pontelix braille: não foi possível escrever a saída", "pontelix braille: the output could not be written"},
    {"PXBRLLER", "pontelix braille: não foi possível ler a entrada", "pontelix braille: the input could not be read"},
};

}  // namespace

std::span<const CatalogueRow> languageCatalogue() { return kLanguage; }
