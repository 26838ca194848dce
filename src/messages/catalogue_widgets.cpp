// The catalogue's texts of the widgets: the line editor's spoken answers, the paragraph
// editor and its blocks, its help pages, the menus' count and the exploration of the
// screen. The letters in "i - Início" and the like are the keys that choose, the same
// in every language.
#include "messages/catalogue_tables.h"

namespace {

constexpr CatalogueRow kWidgets[] = {
    {"PXLEAPAGOU", "apagou", "deleted"},
    {"PXLECPOAPA", "campo apagado", "field cleared"},
    {"PXLEAPFIM", "apagado até o fim do campo", "cleared to the end of the field"},
    {"PXLEAPINI", "apagado desde o início do campo", "cleared from the start of the field"},
    {"PXLEFALAON", "fala ligada", "speech on"},
    {"PXLEFALAOFF", "fala desligada", "speech off"},
    {"PXLEVELOC", "velocidade de 1 a 5", "speed from 1 to 5"},
    {"PXMNPOS", "%1 de %2", "%1 of %2"},
    {"PXVALINVS", "Valor inválido: %1", "Not a valid value: %1"},
    {"PXACRESCS", "Acrescentado: %1", "Added: %1"},
    // The builder's heading, followed by the chosen command's " - name" or by nothing.
    {"PXCMDTIT", "Comando%1", "Command%1"},
    {"PXEXPLPOS", "linha %1 coluna %2", "line %1 column %2"},
    {"PXEDOPINV", "Operação inválida", "Not a valid operation"},
    {"PXEDNOVA", "Nova linha", "New line"},
    {"PXEDQUEBR", "Linha quebrada", "Line split"},
    {"PXEDREMOV", "Linha removida", "Line removed"},
    {"PXEDNJUNT", "Não posso juntar dois parágrafos aqui", "Two paragraphs cannot be joined here"},
    {"PXEDJUNT", "Parágrafos juntados", "Paragraphs joined"},
    {"PXEDEDIT", "Editando, F9 ajuda", "Editing, F9 for help"},
    {"PXEDERRLER", "Erro de leitura, aperte enter", "The file could not be read; press Enter"},
    {"PXEDBLOCO", "Bloco", "Block"},
    {"PXEDBLINI", "Início", "Start"},
    {"PXEDBLFIM", "Fim", "End"},
    {"PXEDBLTUDO", "Tudo marcado", "All marked"},
    {"PXEDBLDESM", "Desmarcar", "Unmark"},
    {"PXEDBLCOP", "Copiar", "Copy"},
    {"PXEDBLMOV", "Mover", "Move"},
    {"PXEDBLERR", "Erro: operações válidas:", "Error: the valid operations are:"},
    {"PXEDBLI", "i - Início", "i - Start"},
    {"PXEDBLF", "f - Fim", "f - End"},
    {"PXEDBLT", "t - Marca tudo", "t - Mark all"},
    {"PXEDBLD", "d - Desmarcar", "d - Unmark"},
    {"PXEDBLC", "c - Copiar", "c - Copy"},
    {"PXEDBLM", "m - Mover", "m - Move"},
    {"PXEDBLG", "g - Gravar", "g - Save"},
    {"PXEDBLL", "l - Ler", "l - Read"},
    {"PXEDBLNENH", "Nenhum bloco marcado: Control-B I marca o início, Control-B F o fim.",
     "No block is marked: Control-B I marks its start, Control-B F its end."},
    {"PXEDARQGRV", "Arquivo a gravar: ", "File to save: "},
    {"PXEDARQLER", "Arquivo a ler: ", "File to read: "},
    {"PXEDBLGRV", "Bloco gravado.", "Block saved."},
    {"PXEDBLNGRV", "Erro ao gravar o bloco.", "The block could not be saved."},
    {"PXEDBLLIDO", "Bloco lido.", "Block read."},
    {"PXEDBUSCA", "Qual o texto a buscar: ", "Text to search for: "},
    {"PXEDFIMLEI", "Fim de leitura", "End of reading"},
    {"PXEDRASGRV", "Rascunho gravado.", "Draft saved."},
    {"PXEDRASNGRV", "Erro ao gravar o rascunho.", "The draft could not be saved."},
    {"PXEDSUBST", "Arquivo já existe. Substitui? ", "The file already exists. Replace it? "},
    {"PXEDCONFIM", "Confirma fim da edição? ", "End the editing? "},
    {"PXEDAJTIT", "Orientações sobre o REDATOR", "About the EDITOR"},
    {"PXEDAJ1",
     "Esta é a função mais básica de edição do Tramel, para processar textos compostos por parágrafos. Ele "
     "mostra cada parágrafo como diversas linhas na tela. Digite, e use as setas normalmente para posicionar. "
     "Para ler o texto de forma corrida, aperte control-baixo.",
     "This is the most basic editing function of Tramel, for texts made of paragraphs. It shows each "
     "paragraph as several lines on the screen. Type, and move with the arrows as usual. To read the text "
     "straight through, press control-down."},
    {"PXEDAJ2",
     "Para apagar uma linha aperte F7. Para juntar um parágrafo com o anterior use control-F7. Para inserir um "
     "parágrafo abaixo, aperte enter. Para quebrar um parágrafo em dois, aperte control-enter.",
     "To delete a line, press F7. To join a paragraph to the one before it, press control-F7. To insert a "
     "paragraph below, press enter. To split a paragraph in two, press control-enter."},
    {"PXEDAJ3",
     "As linhas de continuação do parágrafo possuem um pontinho visual ao início que soa como clek quando se "
     "chega nelas. Linhas em branco também soam como clek.",
     "The lines that continue a paragraph show a small dot at their start, which sounds as a click when you "
     "reach them. Empty lines sound as a click too."},
    {"PXEDAJ4",
     "Para processar blocos de linhas use control-B seguido de uma letra, indicando Início, Fim, Copiar, "
     "Mover, Desmarcar, Gravar e Ler.",
     "To work on blocks of lines, press control-B followed by a letter: I for start, F for end, C to copy, "
     "M to move, D to unmark, G to save and L to read."},
};

}  // namespace

std::span<const CatalogueRow> widgetsCatalogue() { return kWidgets; }
