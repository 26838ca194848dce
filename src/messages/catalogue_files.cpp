// The catalogue's texts of files: why reading or writing one failed, in a few lower-case
// words that follow a colon, and what loading a project or a data file found.
#include "messages/catalogue_tables.h"

namespace {

constexpr CatalogueRow kFiles[] = {
    {"PXFFACES", "sem permissão", "permission denied"},
    {"PXFFPASTA", "sem permissão para gravar na pasta", "the folder may not be written to"},
    {"PXFFROFS", "disco somente para leitura", "the disk is read-only"},
    {"PXFFCHEIO", "disco cheio", "the disk is full"},
    {"PXFFCOTA", "cota de disco esgotada", "the disk quota is used up"},
    {"PXFFNOENT", "pasta ou arquivo inexistente", "no such folder or file"},
    {"PXFFNDIR", "uma parte do caminho não é uma pasta", "a part of the path is not a folder"},
    {"PXFFISDIR", "o nome é de uma pasta", "the name is that of a folder"},
    {"PXFFINVAL", "não é um arquivo comum", "not an ordinary file"},
    {"PXFFGRANDE", "arquivo grande demais", "the file is too large"},
    {"PXFFNOMEM", "memória insuficiente", "not enough memory"},
    {"PXFFNOME", "nome longo demais", "the name is too long"},
    {"PXFFIO", "erro de leitura ou gravação", "the disk failed to read or write"},
    {"PXFFXDEV", "arquivo em outro sistema de arquivos", "the file is on another file system"},
    {"PXFFMFILE", "arquivos abertos demais neste programa", "this program has too many files open"},
    {"PXFFNFILE", "arquivos abertos demais no sistema", "the system has too many files open"},
    {"PXFFLOOP", "links simbólicos demais ou em ciclo", "too many symbolic links, or links in a loop"},
    {"PXFFTXT", "arquivo em uso por um programa em execução", "the file is in use by a running program"},
    {"PXFFBUSY", "arquivo ou pasta em uso pelo sistema", "the file or folder is in use by the system"},
    {"PXFFEXIST", "já existe um arquivo com esse nome", "a file with that name already exists"},
    {"PXFFNVAZ", "a pasta não está vazia", "the folder is not empty"},
    {"PXFFMLINK", "links demais para o arquivo", "the file has too many links"},
    {"PXFFNODEV", "dispositivo inexistente", "no such device"},
    {"PXFFAGAIN", "arquivo ocupado, tente de novo", "the file is busy; try again"},
    {"PXFFINTR", "operação interrompida", "the operation was interrupted"},
    {"PXFFSTALE", "o arquivo de rede não está mais disponível", "the network file is no longer available"},
    {"PXFFTIME", "o disco de rede não respondeu", "the network disk did not answer"},
    {"PXFFNSUP", "operação que este disco não permite", "this disk does not allow that operation"},
    {"PXFFNEXEC", "não é um programa executável", "not an executable program"},
    {"PXFFNUM", "erro do sistema número %1", "system error number %1"},
    {"PXCFGNLDS", "Configuração não lida, valem os valores padrão: %1: %2.",
     "The configuration was not read; the default values hold: %1: %2."},
    // The project: its file and why it was not saved or loaded.
    {"PXPRJNGRV", "Erro ao gravar %1: %2.", "Could not save %1: %2."},
    {"PXPRJNLER", "Erro ao ler %1: %2.", "Could not read %1: %2."},
    {"PXPRJPASTA", "A pasta %1 não existe: para gravar, dê outro nome.",
     "The folder %1 does not exist: to save, give another name."},
    {"PXPRJNUL", "Atenção: o arquivo tem um caractere nulo; o que vem depois dele não foi carregado.",
     "Note: the file has a null character; what comes after it was not loaded."},
    // The builder's question for the data file of LD.
    {"PXNOMEARQ", "Nome do arquivo: ", "File name: "},
};

}  // namespace

std::span<const CatalogueRow> filesCatalogue() { return kFiles; }
