#include "platform/text/file_failure.h"

#include <cerrno>

namespace {

struct Reason {
  int error;
  const char* words;
};

// EPERM and EACCES read alike to a user: either way the file is not theirs to change.
constexpr Reason kReasons[] = {
    {EACCES, "sem permiss\xe3o"},
    {kFolderNotWritable, "sem permiss\xe3o para gravar na pasta"},
    {EPERM, "sem permiss\xe3o"},
    {EROFS, "disco somente para leitura"},
    {ENOSPC, "disco cheio"},
    {EDQUOT, "cota de disco esgotada"},
    {ENOENT, "pasta ou arquivo inexistente"},
    {ENOTDIR, "uma parte do caminho n\xe3o \xe9 uma pasta"},
    {EISDIR, "o nome \xe9 de uma pasta"},
    {EINVAL, "n\xe3o \xe9 um arquivo comum"},
    {EFBIG, "arquivo grande demais"},
    {ENOMEM, "mem\xf3ria insuficiente"},
    {EOVERFLOW, "arquivo grande demais"},
    {ENAMETOOLONG, "nome longo demais"},
    {EIO, "erro de leitura ou grava\xe7\xe3o"},
    {EXDEV, "arquivo em outro sistema de arquivos"},
    {EMFILE, "arquivos abertos demais neste programa"},
    {ENFILE, "arquivos abertos demais no sistema"},
    {ELOOP, "links simb\xf3licos demais ou em ciclo"},
    {ETXTBSY, "arquivo em uso por um programa em execu\xe7\xe3o"},
    {EBUSY, "arquivo ou pasta em uso pelo sistema"},
    {EEXIST, "j\xe1 existe um arquivo com esse nome"},
    {ENOTEMPTY, "a pasta n\xe3o est\xe1 vazia"},
    {EMLINK, "links demais para o arquivo"},
    {ENOMEM, "mem\xf3ria insuficiente"},
    {ENXIO, "dispositivo inexistente"},
    {ENODEV, "dispositivo inexistente"},
    {EAGAIN, "arquivo ocupado, tente de novo"},
    {EINTR, "opera\xe7\xe3o interrompida"},
    {ESTALE, "o arquivo de rede n\xe3o est\xe1 mais dispon\xedvel"},
    {ETIMEDOUT, "o disco de rede n\xe3o respondeu"},
    {EOPNOTSUPP, "opera\xe7\xe3o que este disco n\xe3o permite"},
    {ENOEXEC, "n\xe3o \xe9 um programa execut\xe1vel"},
};

}  // namespace

std::string fileFailureReason(int error) {
  for (const Reason& reason : kReasons) {
    if (reason.error == error) return reason.words;
  }
  return "erro do sistema n\xfamero " + std::to_string(error);
}
